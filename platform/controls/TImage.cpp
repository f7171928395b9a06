#include "platform/controls/TImage.h"

#include "platform/Failure.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QPainter>
#include <QtEndian>

namespace {

// What the headers of a Windows bitmap file promise. Qt's reader decodes a
// file cut short as far as it goes and pads the rest, and it would allocate
// whatever size a header claims; so the promise is checked against the file
// before any pixel is decoded.
class BitmapHeader {
public:
    BitmapHeader(const QByteArray &head, qint64 fileSize)
    {
        if (head.size() < fileHeaderSize + 4 || !head.startsWith("BM"))
            return;
        const qint64 dataOffset = quint32At(head, 10);
        const qint64 infoSize = quint32At(head, fileHeaderSize);
        if (head.size() < fileHeaderSize + qMin<qint64>(infoSize, 40))
            return;
        qint64 width = 0;
        qint64 height = 0;
        int bitsPerPixel = 0;
        quint32 compression = 0;
        qint64 imageSize = 0;
        const char *info = head.constData() + fileHeaderSize;
        if (infoSize == 12) {   // the old OS/2 header: 16-bit sizes, never compressed
            width = qFromLittleEndian<quint16>(info + 4);
            height = qFromLittleEndian<quint16>(info + 6);
            bitsPerPixel = qFromLittleEndian<quint16>(info + 10);
        } else if (infoSize >= 40) {
            width = qFromLittleEndian<qint32>(info + 4);
            height = qAbs(qint64(qFromLittleEndian<qint32>(info + 8)));   // negative: top-down
            bitsPerPixel = qFromLittleEndian<quint16>(info + 14);
            compression = qFromLittleEndian<quint32>(info + 16);
            imageSize = qFromLittleEndian<quint32>(info + 20);
        } else {
            return;
        }
        if (width <= 0 || height <= 0 || width * height > TImage::maxPixels)
            return;
        if (dataOffset < fileHeaderSize + infoSize || dataOffset > fileSize)
            return;
        const qint64 available = fileSize - dataOffset;
        switch (compression) {
        case uncompressed:
        case bitFields:
        case alphaBitFields: {
            if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 8 && bitsPerPixel != 16
                && bitsPerPixel != 24 && bitsPerPixel != 32)
                return;
            const qint64 rowBytes = (width * bitsPerPixel + 31) / 32 * 4;
            m_valid = rowBytes * height <= available;
            return;
        }
        case runLength8:
        case runLength4:
            // Run-length data has no fixed size: the header states it.
            m_valid = bitsPerPixel == (compression == runLength8 ? 8 : 4) && imageSize > 0 && imageSize <= available;
            return;
        default:
            return;
        }
    }

    bool valid() const { return m_valid; }

    // Enough of the file's start to hold both headers.
    static constexpr qint64 headSize = 14 + 124;

private:
    static constexpr int fileHeaderSize = 14;
    enum : quint32 { uncompressed = 0, runLength8 = 1, runLength4 = 2, bitFields = 3, alphaBitFields = 6 };

    static qint64 quint32At(const QByteArray &bytes, int offset)
    {
        return qFromLittleEndian<quint32>(bytes.constData() + offset);
    }

    bool m_valid = false;
};

} // namespace

TImage::TImage(QWidget *parent) : QWidget(parent) {}

void TImage::LoadFromFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure("Cannot open file " + QDir::toNativeSeparators(path));
    const QString notValid = "Bitmap image is not valid";
    if (!BitmapHeader(file.peek(BitmapHeader::headSize), file.size()).valid())
        throw Failure(notValid);
    QImageReader reader(&file, "bmp");
    reader.setAllocationLimit(int(maxPixels * 4 / (1024 * 1024)) + 1);
    const QImage picture = reader.read();
    if (picture.isNull())
        throw Failure(notValid);
    SetPicture(picture);
}

void TImage::SetPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TImage::paintEvent(QPaintEvent *)
{
    if (m_picture.isNull())
        return;
    QPainter painter(this);
    painter.drawImage(rect(), m_picture);
}
