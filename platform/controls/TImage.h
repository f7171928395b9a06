#pragma once

#include <QImage>
#include <QWidget>

// A picture box: its picture is drawn stretched over the whole box, without
// keeping proportions. It starts empty.
class TImage : public QWidget {
    Q_OBJECT

public:
    explicit TImage(QWidget *parent = nullptr);

    // Replaces the picture with a Windows bitmap file. Failures: "Cannot open
    // file <path>" when the file cannot be read, "Bitmap image is not valid"
    // when it is not a complete bitmap of a sensible size. On failure the
    // previous picture stays.
    void LoadFromFile(const QString &path);
    void SetPicture(const QImage &picture);
    const QImage &Picture() const { return m_picture; }

    // Bitmaps larger than this many pixels are refused before any decoding.
    static constexpr qint64 maxPixels = 1024 * 1024;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QImage m_picture;
};
