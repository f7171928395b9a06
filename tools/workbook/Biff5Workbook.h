#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <deque>
#include <map>
#include <utility>
#include <variant>

// How a cell looks: plain, a bold heading, or the larger bold title.
enum class CellStyle { Plain, Heading, Title };

// One worksheet: text and number cells by row and column (both counted from
// 0), and the widths of the columns that do not keep the default width.
class Worksheet {
public:
    // The size of an Excel 5.0 sheet.
    static constexpr int RowCount = 16384;
    static constexpr int ColumnCount = 256;

    struct Cell {
        std::variant<QString, double> value;
        CellStyle style = CellStyle::Plain;
    };
    using Position = std::pair<int, int>;  // row, column

    // Fails on a name Excel refuses: empty, over 31 characters, or holding
    // one of []:*?/\ .
    explicit Worksheet(QString name);

    const QString &name() const { return m_name; }

    // A later value for the same cell replaces the earlier one. Both fail
    // outside the sheet; a number must be finite, as Excel has no NaN.
    void setText(int row, int column, const QString &text, CellStyle style = CellStyle::Plain);
    void setNumber(int row, int column, double value, CellStyle style = CellStyle::Plain);
    // Width in characters of the default font.
    void setColumnWidth(int column, int characters);

    // Cells row by row, each row from left to right: the order of the file.
    const std::map<Position, Cell> &cells() const { return m_cells; }
    const QMap<int, int> &columnWidths() const { return m_columnWidths; }

private:
    void setCell(int row, int column, Cell cell);

    QString m_name;
    std::map<Position, Cell> m_cells;
    QMap<int, int> m_columnWidths;
};

// An Excel 5.0 (BIFF5) workbook: its "Book" stream inside an OLE2 compound
// file. Text is stored in code page 1252 as far as Latin-1 reaches (other
// characters become '?'), at most 255 characters a cell.
class Biff5Workbook {
public:
    // Fails when the workbook already has a sheet of that name (letter case
    // not counting). The reference stays valid as further sheets are added.
    Worksheet &addSheet(const QString &name);
    const std::deque<Worksheet> &sheets() const { return m_sheets; }

    QByteArray bookStream() const;
    QByteArray fileBytes() const;
    // Replaces the file whole or not at all; fails with the file's error.
    void save(const QString &path) const;

private:
    std::deque<Worksheet> m_sheets;
};
