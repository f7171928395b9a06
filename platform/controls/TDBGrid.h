#pragma once

#include "platform/controls/TDataSource.h"

#include <QAbstractTableModel>
#include <QTableView>

#include <memory>

// The rows of a grid: the listed fields of every record of the table, in the
// table's own order. Rows are read in blocks as the view asks for them and
// kept; the row of the current record carries the indicator marker in the
// vertical header. Read-only.
class TDBGridModel : public QAbstractTableModel {
    Q_OBJECT

public:
    // The vertical header's text on the current record's row.
    static const QString indicator;

    explicit TDBGridModel(QObject *parent = nullptr);
    ~TDBGridModel() override;

    void SetDataSource(TDataSource *source);
    void SetFields(const QStringList &fields);
    TTable *table() const;
    // The row of the current record; -1 on an empty or closed table.
    int currentRow() const { return m_currentRow; }
    // Every record of the table, read or not.
    int recordCount() const { return m_recordCount; }
    // The table column of a listed field; -1 when the table has none.
    int tableColumn(int section) const { return m_tableColumns.value(section, -1); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

signals:
    // Another record became current (row -1: none).
    void currentRowChanged(int row);

private:
    class Link;

    void reload();
    void recordChanged();
    void followCurrentRecord();
    void fetch(int count);

    std::unique_ptr<Link> m_link;
    QStringList m_fields;
    QVector<int> m_tableColumns;
    QVector<QVector<QVariant>> m_rows;   // the listed fields of the rows read so far
    int m_recordCount = 0;
    int m_currentRow = -1;
};

// A read-only grid over a table: one column per listed field, titled with the
// field's name, an indicator column at the left marking the current record,
// a title row at the top. The grid follows the table's current record, and a
// click or the up, down, page-up and page-down keys move the table; no key
// edits, inserts or deletes a record.
class TDBGrid : public QTableView {
    Q_OBJECT

public:
    struct Column {
        QString field;
        int width = 0;   // pixels; 0 = the field's default display width
    };

    explicit TDBGrid(QWidget *parent = nullptr);
    void SetDataSource(TDataSource *source) { m_model->SetDataSource(source); }
    void SetColumns(const QVector<Column> &columns);
    // The cells use the grid's own font (setFont); the title row its own.
    void SetTitleFont(const QFont &font);
    TDBGridModel *gridModel() const { return m_model; }

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void keyboardSearch(const QString &) override {}
    void changeEvent(QEvent *event) override;

private:
    void showCurrentRow(int row);
    void moveTable(const QModelIndex &current);
    void applyRowHeight();
    void applyColumnWidths();
    int defaultWidth(int section) const;
    int rowsPerPage() const;

    TDBGridModel *m_model;
    QVector<Column> m_columns;
    bool m_followingTable = false;
};
