#include "tools/workbook/CompoundFile.h"

#include "platform/Failure.h"
#include "tools/workbook/LittleEndianWriter.h"

#include <QVector>

#include <algorithm>

namespace {

constexpr quint32 SectorSize = 512;
constexpr quint32 MiniSectorSize = 64;
constexpr quint32 MiniStreamCutoff = 4096;
constexpr quint32 IdsPerSector = SectorSize / 4;
constexpr quint32 HeaderDifatEntries = 109;
// A DIFAT sector lists FAT sectors in all but its last entry, which chains
// to the next DIFAT sector.
constexpr quint32 IdsPerDifatSector = IdsPerSector - 1;

constexpr quint32 DifatSectorMark = 0xFFFFFFFC;
constexpr quint32 FatSectorMark = 0xFFFFFFFD;
constexpr quint32 EndOfChain = 0xFFFFFFFE;
constexpr quint32 FreeSector = 0xFFFFFFFF;
constexpr quint32 NoEntry = 0xFFFFFFFF;

constexpr quint8 StreamEntry = 2;
constexpr quint8 RootEntry = 5;
constexpr quint8 Black = 1;
constexpr int DirectoryEntrySize = 128;
constexpr int MaxNameLength = 31;

quint32 unitsFor(quint32 bytes, quint32 unitSize) { return (bytes + unitSize - 1) / unitSize; }

QByteArray paddedTo(QByteArray data, quint32 unitSize, char fill = '\0')
{
    data.append(unitsFor(data.size(), unitSize) * unitSize - data.size(), fill);
    return data;
}

// Appends the entries that chain `count` sectors following the ones the table
// already covers.
void appendChainEntries(QVector<quint32> &table, quint32 count)
{
    const quint32 first = table.size();
    for (quint32 next = first + 1; next < first + count; ++next)
        table.append(next);
    if (count > 0)
        table.append(EndOfChain);
}

// A table of sector ids as whole sectors, free entries filling the last one.
QByteArray idSectors(const QVector<quint32> &ids)
{
    QByteArray out;
    LittleEndianWriter writer(out);
    for (quint32 id : ids)
        writer.u32(id);
    return paddedTo(out, SectorSize, char(0xFF));
}

void appendDirectoryEntry(QByteArray &directory, const QString &name, quint8 type,
                          quint32 child, quint32 startSector, quint32 size)
{
    LittleEndianWriter writer(directory);
    for (QChar c : name)
        writer.u16(c.unicode());
    writer.zeros(64 - 2 * name.size());
    writer.u16(2 * (name.size() + 1));  // in bytes, with the terminating zero
    writer.u8(type);
    writer.u8(Black);
    writer.u32(NoEntry);  // left sibling
    writer.u32(NoEntry);  // right sibling
    writer.u32(child);
    writer.zeros(16 + 4 + 8 + 8);  // class id, state bits, creation and change times
    writer.u32(startSector);
    writer.u32(size);
    writer.u32(0);  // high half of the size, always zero in version 3
}

void appendUnusedDirectoryEntry(QByteArray &directory)
{
    const qsizetype start = directory.size();
    directory.append(DirectoryEntrySize, '\0');
    // Unused entries still carry "no entry" in their sibling and child ids.
    directory.replace(start + 68, 12, QByteArray(12, char(0xFF)));
}

// The sectors after the header and the allocation table that chains them.
class SectorArea {
public:
    // Stores data as a chain of whole sectors and returns the first one.
    quint32 store(const QByteArray &data)
    {
        if (data.isEmpty())
            return EndOfChain;
        const quint32 first = m_fat.size();
        const QByteArray sectors = paddedTo(data, SectorSize);
        m_body.append(sectors);
        appendChainEntries(m_fat, sectors.size() / SectorSize);
        return first;
    }

    quint32 sectorCount() const { return m_fat.size(); }

    // Appends the FAT and the DIFAT sectors it needs, and returns the ids of
    // the FAT sectors.
    QVector<quint32> appendAllocationTables()
    {
        quint32 fatCount = 0;
        quint32 difatCount = 0;
        // Both counts only grow, and each depends on the total, so settle them.
        for (;;) {
            const quint32 total = sectorCount() + fatCount + difatCount;
            const quint32 neededFat = unitsFor(total, IdsPerSector);
            const quint32 neededDifat = neededFat > HeaderDifatEntries
                ? unitsFor(neededFat - HeaderDifatEntries, IdsPerDifatSector) : 0;
            if (neededFat == fatCount && neededDifat == difatCount)
                break;
            fatCount = neededFat;
            difatCount = neededDifat;
        }

        QVector<quint32> fatSectors;
        for (quint32 i = 0; i < fatCount; ++i)
            fatSectors.append(sectorCount() + i);
        m_difatStart = difatCount > 0 ? sectorCount() + fatCount : EndOfChain;
        m_difatCount = difatCount;

        m_fat.append(QVector<quint32>(fatCount, FatSectorMark));
        m_fat.append(QVector<quint32>(difatCount, DifatSectorMark));
        m_body.append(idSectors(m_fat));

        for (quint32 i = 0; i < difatCount; ++i) {
            QVector<quint32> entries = fatSectors.mid(HeaderDifatEntries + i * IdsPerDifatSector,
                                                      IdsPerDifatSector);
            entries.resize(IdsPerDifatSector, FreeSector);
            entries.append(i + 1 < difatCount ? m_difatStart + i + 1 : EndOfChain);
            m_body.append(idSectors(entries));
        }
        return fatSectors;
    }

    quint32 difatStart() const { return m_difatStart; }
    quint32 difatCount() const { return m_difatCount; }
    const QByteArray &body() const { return m_body; }

private:
    QByteArray m_body;
    QVector<quint32> m_fat;
    quint32 m_difatStart = EndOfChain;
    quint32 m_difatCount = 0;
};

} // namespace

CompoundFile::CompoundFile(QString streamName, QByteArray stream)
    : m_streamName(std::move(streamName)), m_stream(std::move(stream))
{
    static const QString forbidden = QStringLiteral("/\\:!");
    const bool badCharacter = std::any_of(m_streamName.cbegin(), m_streamName.cend(),
                                          [](QChar c) { return forbidden.contains(c); });
    if (m_streamName.isEmpty() || m_streamName.size() > MaxNameLength || badCharacter)
        throw Failure(QStringLiteral("Invalid compound file stream name \"%1\"").arg(m_streamName));
}

QByteArray CompoundFile::bytes() const
{
    SectorArea area;
    quint32 streamStart = EndOfChain;
    quint32 miniStreamStart = EndOfChain;
    quint32 miniStreamSize = 0;
    quint32 miniFatStart = EndOfChain;
    quint32 miniFatSectors = 0;

    if (quint32(m_stream.size()) < MiniStreamCutoff) {
        // A short stream takes 64-byte mini sectors inside the mini stream,
        // which is itself stored as the root entry's chain of sectors.
        const QByteArray miniStream = paddedTo(m_stream, MiniSectorSize);
        QVector<quint32> miniFat;
        appendChainEntries(miniFat, miniStream.size() / MiniSectorSize);
        miniStreamStart = area.store(miniStream);
        miniStreamSize = miniStream.size();
        miniFatStart = area.store(miniFat.isEmpty() ? QByteArray() : idSectors(miniFat));
        miniFatSectors = unitsFor(miniFat.size(), IdsPerSector);
        streamStart = m_stream.isEmpty() ? EndOfChain : 0;
    } else {
        streamStart = area.store(m_stream);
    }

    QByteArray directory;
    appendDirectoryEntry(directory, QStringLiteral("Root Entry"), RootEntry, 1,
                         miniStreamStart, miniStreamSize);
    appendDirectoryEntry(directory, m_streamName, StreamEntry, NoEntry, streamStart,
                         m_stream.size());
    while (directory.size() % SectorSize != 0)
        appendUnusedDirectoryEntry(directory);
    const quint32 directoryStart = area.store(directory);

    const QVector<quint32> fatSectors = area.appendAllocationTables();

    QByteArray file;
    LittleEndianWriter header(file);
    header.bytes(QByteArray::fromHex("D0CF11E0A1B11AE1"));
    header.zeros(16);        // class id
    header.u16(0x003E);      // minor version
    header.u16(0x0003);      // major version: 512-byte sectors
    header.u16(0xFFFE);      // byte order mark: little-endian
    header.u16(9);           // sector size 2^9
    header.u16(6);           // mini sector size 2^6
    header.zeros(6);
    header.u32(0);           // directory sector count, unused in version 3
    header.u32(fatSectors.size());
    header.u32(directoryStart);
    header.u32(0);           // transaction signature
    header.u32(MiniStreamCutoff);
    header.u32(miniFatStart);
    header.u32(miniFatSectors);
    header.u32(area.difatStart());
    header.u32(area.difatCount());
    for (quint32 i = 0; i < HeaderDifatEntries; ++i)
        header.u32(i < quint32(fatSectors.size()) ? fatSectors[i] : FreeSector);

    file.append(area.body());
    return file;
}
