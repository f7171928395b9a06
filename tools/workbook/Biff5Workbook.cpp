#include "tools/workbook/Biff5Workbook.h"

#include "platform/Failure.h"
#include "tools/workbook/CompoundFile.h"
#include "tools/workbook/LittleEndianWriter.h"

#include <QSaveFile>
#include <QVector>

#include <algorithm>
#include <cmath>

namespace {

namespace RecordId {
constexpr quint16 Bof = 0x0809;
constexpr quint16 Eof = 0x000A;
constexpr quint16 Codepage = 0x0042;
constexpr quint16 Window1 = 0x003D;
constexpr quint16 DateMode = 0x0022;
constexpr quint16 Font = 0x0031;
constexpr quint16 Xf = 0x00E0;
constexpr quint16 Style = 0x0293;
constexpr quint16 BoundSheet = 0x0085;
constexpr quint16 ColInfo = 0x007D;
constexpr quint16 Dimensions = 0x0200;
constexpr quint16 Label = 0x0204;
constexpr quint16 Number = 0x0203;
constexpr quint16 Window2 = 0x023E;
}

constexpr quint16 Biff5Version = 0x0500;
constexpr quint16 GlobalsSubstream = 0x0005;
constexpr quint16 WorksheetSubstream = 0x0010;
constexpr quint16 WindowsLatin1 = 1252;
constexpr int MaxTextLength = 255;

// The looks of the cell styles, in the order of CellStyle; heights in
// twentieths of a point.
struct StyleLook {
    quint16 fontHeight;
    quint16 fontWeight;
};
constexpr StyleLook styleLooks[] = {
    {200, 400},  // Plain: 10 pt
    {200, 700},  // Heading: 10 pt bold
    {280, 700},  // Title: 14 pt bold
};

// Readers expect four default fonts and count the next one as index 5: font
// index 4 does not exist in the format.
constexpr int DefaultFontCount = 4;
// Excel's own files open with fifteen style XFs (the "Normal" style and the
// fourteen built-in outline styles), then the cell XFs.
constexpr int StyleXfCount = 15;

quint16 fontIndex(CellStyle style)
{
    return style == CellStyle::Plain ? 0 : DefaultFontCount + int(style);
}

quint16 xfIndex(CellStyle style) { return StyleXfCount + int(style); }

template <typename Fill>
void appendRecord(QByteArray &out, quint16 id, Fill fill)
{
    QByteArray body;
    LittleEndianWriter bodyWriter(body);
    fill(bodyWriter);
    LittleEndianWriter writer(out);
    writer.u16(id);
    writer.u16(body.size());
    writer.bytes(body);
}

QByteArray encodedText(const QString &text)
{
    return text.left(MaxTextLength).toLatin1();
}

void appendBof(QByteArray &out, quint16 substream)
{
    appendRecord(out, RecordId::Bof, [&](LittleEndianWriter &w) {
        w.u16(Biff5Version);
        w.u16(substream);
        // Excel 5.0's own build and year: readers tell Excel 5.0 from Excel 95
        // files, which share the version number, by these two.
        w.u16(2412);
        w.u16(1993);
    });
}

void appendEof(QByteArray &out) { appendRecord(out, RecordId::Eof, [](LittleEndianWriter &) {}); }

void appendFont(QByteArray &out, const StyleLook &look)
{
    appendRecord(out, RecordId::Font, [&](LittleEndianWriter &w) {
        w.u16(look.fontHeight);
        w.u16(look.fontWeight >= 700 ? 0x0001 : 0);  // bold; not italic, not struck out
        w.u16(0x7FFF);   // the window text colour
        w.u16(look.fontWeight);
        w.u16(0);        // no super- or subscript
        w.u8(0);         // no underline
        w.u8(2);         // family: sans serif
        w.u8(0);         // character set: ANSI
        w.u8(0);
        const QByteArray name = encodedText(QStringLiteral("Arial"));
        w.u8(name.size());
        w.bytes(name);
    });
}

enum class XfKind { NormalStyle, BuiltInStyle, Cell };

void appendXf(QByteArray &out, quint16 font, XfKind kind)
{
    // In a style XF a set "used" bit means the attribute is left out; in a
    // cell XF it means the cell's own attribute replaces its style's.
    const quint8 usedAttributes = kind == XfKind::NormalStyle ? 0x00
        : kind == XfKind::BuiltInStyle ? 0x3D : 0x3F;
    appendRecord(out, RecordId::Xf, [&](LittleEndianWriter &w) {
        w.u16(font);
        w.u16(0);  // number format "General"
        // Locked; a style XF has parent 0xFFF and the style bit, a cell XF
        // has the "Normal" style (XF 0) as parent.
        w.u16(kind == XfKind::Cell ? 0x0001 : 0xFFF5);
        w.u8(0x20);  // general horizontal, bottom vertical alignment
        w.u8(usedAttributes << 2);
        w.u32(0x40 | (0x41 << 7));  // no fill, in the system window colours
        w.u32(0);                   // no borders
    });
}

void appendGlobals(QByteArray &out, const std::deque<Worksheet> &sheets,
                   const QVector<quint32> &sheetOffsets)
{
    appendBof(out, GlobalsSubstream);
    appendRecord(out, RecordId::Codepage, [](LittleEndianWriter &w) { w.u16(WindowsLatin1); });
    appendRecord(out, RecordId::Window1, [](LittleEndianWriter &w) {
        w.u16(0x0168);  // left, top, width, height in twips
        w.u16(0x001E);
        w.u16(0x3A98);
        w.u16(0x2328);
        w.u16(0x0038);  // scroll bars and sheet tabs shown
        w.u16(0);       // active sheet
        w.u16(0);       // first visible tab
        w.u16(1);       // selected sheets
        w.u16(600);     // tab bar width in per mille
    });
    appendRecord(out, RecordId::DateMode, [](LittleEndianWriter &w) { w.u16(0); });

    for (int i = 0; i < DefaultFontCount; ++i)
        appendFont(out, styleLooks[0]);
    for (std::size_t i = 1; i < std::size(styleLooks); ++i)
        appendFont(out, styleLooks[i]);

    appendXf(out, 0, XfKind::NormalStyle);
    for (int i = 1; i < StyleXfCount; ++i)
        appendXf(out, 0, XfKind::BuiltInStyle);
    for (std::size_t i = 0; i < std::size(styleLooks); ++i)
        appendXf(out, fontIndex(CellStyle(i)), XfKind::Cell);

    appendRecord(out, RecordId::Style, [](LittleEndianWriter &w) {
        w.u16(0x8000);  // built-in style on XF 0
        w.u8(0);        // "Normal"
        w.u8(0xFF);
    });

    for (std::size_t i = 0; i < sheets.size(); ++i) {
        appendRecord(out, RecordId::BoundSheet, [&](LittleEndianWriter &w) {
            w.u32(sheetOffsets.at(i));
            w.u8(0);  // visible
            w.u8(0);  // worksheet
            const QByteArray name = encodedText(sheets[i].name());
            w.u8(name.size());
            w.bytes(name);
        });
    }
    appendEof(out);
}

void appendDimensions(QByteArray &out, const Worksheet &sheet)
{
    int firstRow = 0, lastRow = -1, firstColumn = 0, lastColumn = -1;
    const auto &cells = sheet.cells();
    if (!cells.empty()) {
        firstRow = cells.begin()->first.first;
        lastRow = cells.rbegin()->first.first;
        const auto [left, right] = std::minmax_element(
            cells.begin(), cells.end(),
            [](const auto &a, const auto &b) { return a.first.second < b.first.second; });
        firstColumn = left->first.second;
        lastColumn = right->first.second;
    }
    appendRecord(out, RecordId::Dimensions, [&](LittleEndianWriter &w) {
        w.u16(firstRow);
        w.u16(lastRow + 1);
        w.u16(firstColumn);
        w.u16(lastColumn + 1);
        w.u16(0);
    });
}

void appendCell(QByteArray &out, const Worksheet::Position &position, const Worksheet::Cell &cell)
{
    const auto appendPlace = [&](LittleEndianWriter &w) {
        w.u16(position.first);
        w.u16(position.second);
        w.u16(xfIndex(cell.style));
    };
    if (const auto *text = std::get_if<QString>(&cell.value)) {
        appendRecord(out, RecordId::Label, [&](LittleEndianWriter &w) {
            appendPlace(w);
            const QByteArray bytes = encodedText(*text);
            w.u16(bytes.size());
            w.bytes(bytes);
        });
    } else {
        appendRecord(out, RecordId::Number, [&](LittleEndianWriter &w) {
            appendPlace(w);
            w.f64(std::get<double>(cell.value));
        });
    }
}

QByteArray sheetSubstream(const Worksheet &sheet, bool active)
{
    QByteArray out;
    appendBof(out, WorksheetSubstream);
    for (auto it = sheet.columnWidths().cbegin(); it != sheet.columnWidths().cend(); ++it) {
        appendRecord(out, RecordId::ColInfo, [&](LittleEndianWriter &w) {
            w.u16(it.key());
            w.u16(it.key());
            w.u16(it.value() * 256);  // in 1/256 of a character
            w.u16(xfIndex(CellStyle::Plain));
            w.u16(0);
            w.u16(0);
        });
    }
    appendDimensions(out, sheet);
    for (const auto &[position, cell] : sheet.cells())
        appendCell(out, position, cell);
    appendRecord(out, RecordId::Window2, [&](LittleEndianWriter &w) {
        // Grid, headings, zeros, automatic grid colour, outline symbols; the
        // first sheet is also the selected and the shown one.
        w.u16(0x00B6 | (active ? 0x0600 : 0));
        w.u16(0);  // top row
        w.u16(0);  // left column
        w.u32(0);  // grid colour
    });
    appendEof(out);
    return out;
}

} // namespace

Worksheet::Worksheet(QString name) : m_name(std::move(name))
{
    static const QString forbidden = QStringLiteral("[]:*?/\\");
    const bool badCharacter = std::any_of(m_name.cbegin(), m_name.cend(),
                                          [](QChar c) { return forbidden.contains(c); });
    if (m_name.isEmpty() || m_name.size() > 31 || badCharacter)
        throw Failure(QStringLiteral("Invalid sheet name \"%1\"").arg(m_name));
}

void Worksheet::setText(int row, int column, const QString &text, CellStyle style)
{
    setCell(row, column, {text, style});
}

void Worksheet::setNumber(int row, int column, double value, CellStyle style)
{
    if (!std::isfinite(value))
        throw Failure(QStringLiteral("Sheet \"%1\" cannot hold the number %2 at row %3, column %4")
                          .arg(m_name).arg(value).arg(row).arg(column));
    setCell(row, column, {value, style});
}

void Worksheet::setColumnWidth(int column, int characters)
{
    if (column < 0 || column >= ColumnCount || characters < 0 || characters > 255)
        throw Failure(QStringLiteral("Sheet \"%1\" cannot set column %2 to width %3")
                          .arg(m_name).arg(column).arg(characters));
    m_columnWidths[column] = characters;
}

void Worksheet::setCell(int row, int column, Cell cell)
{
    if (row < 0 || row >= RowCount || column < 0 || column >= ColumnCount)
        throw Failure(QStringLiteral("Sheet \"%1\" has no cell at row %2, column %3")
                          .arg(m_name).arg(row).arg(column));
    m_cells[{row, column}] = std::move(cell);
}

Worksheet &Biff5Workbook::addSheet(const QString &name)
{
    const bool taken = std::any_of(m_sheets.cbegin(), m_sheets.cend(), [&](const Worksheet &sheet) {
        return sheet.name().compare(name, Qt::CaseInsensitive) == 0;
    });
    if (taken)
        throw Failure(QStringLiteral("The workbook already has a sheet \"%1\"").arg(name));
    return m_sheets.emplace_back(name);
}

QByteArray Biff5Workbook::bookStream() const
{
    QVector<QByteArray> substreams;
    for (std::size_t i = 0; i < m_sheets.size(); ++i)
        substreams.append(sheetSubstream(m_sheets[i], i == 0));

    // Each sheet's entry in the globals names where its substream starts, and
    // the length of the globals does not depend on those offsets.
    QByteArray sizing;
    appendGlobals(sizing, m_sheets, QVector<quint32>(m_sheets.size(), 0));
    QVector<quint32> offsets;
    quint32 offset = sizing.size();
    for (const QByteArray &substream : substreams) {
        offsets.append(offset);
        offset += substream.size();
    }

    QByteArray stream;
    appendGlobals(stream, m_sheets, offsets);
    for (const QByteArray &substream : substreams)
        stream.append(substream);
    return stream;
}

QByteArray Biff5Workbook::fileBytes() const
{
    return CompoundFile(QStringLiteral("Book"), bookStream()).bytes();
}

void Biff5Workbook::save(const QString &path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(fileBytes()) < 0 || !file.commit())
        throw Failure(QStringLiteral("Cannot write file %1: %2").arg(path, file.errorString()));
}
