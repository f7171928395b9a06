#pragma once

#include <QByteArray>
#include <QString>

// An OLE2 compound file (version 3, 512-byte sectors) whose root storage holds
// a single stream: the container a spreadsheet program expects around the
// "Book" stream of an Excel 5.0 workbook. A stream shorter than 4096 bytes
// lives in the mini stream, a longer one in whole sectors; the allocation
// table grows DIFAT sectors when it needs more than the header's 109 entries.
class CompoundFile {
public:
    // Fails when the name is empty, longer than 31 characters, or holds a
    // character that the format forbids in names ('/', '\\', ':', '!').
    CompoundFile(QString streamName, QByteArray stream);

    QByteArray bytes() const;

private:
    QString m_streamName;
    QByteArray m_stream;
};
