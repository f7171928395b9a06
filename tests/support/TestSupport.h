#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>

class QPlainTextEdit;
class QWidget;

// A throw-away install folder: Baseball/ for table files, banners beside it.
// The database alias and the install folder point at it while it lives.
class TestInstall {
public:
    TestInstall();
    ~TestInstall();
    QString path() const;                 // ends with '/'
    QString baseballPath() const;         // ends with '/'

    // Creates a table file holding one table named after the file's base name.
    // columns: SQL column definitions ("\"LST_NM_97\" VARCHAR(20)", ...);
    // rows: values in column order (QVariant() for null).
    void createTable(const QString &fileName, const QStringList &columns,
                     const QList<QVariantList> &rows, const QStringList &extraSql = {}) const;
    // Runs SQL on an existing table file through a connection of its own
    // (what another program would see).
    QList<QVariantList> query(const QString &fileName, const QString &sql) const;
    // A bitmap file in the install folder.
    void writeBitmap(const QString &fileName, int width = 8, int height = 4) const;

private:
    QTemporaryDir m_dir;
};

// Records the default failure handler's messages instead of showing boxes.
class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();
    QStringList messages;
    QString takeOne();   // the one message recorded (fails the test otherwise)
};

// The hard lines of a text box, as the box holds them.
QStringList textLines(const QPlainTextEdit *box);

// Saves a screen as PNG under $QUILLOMET_SHOTS (nothing when unset).
void saveScreenshot(QWidget *widget, const QString &name);
