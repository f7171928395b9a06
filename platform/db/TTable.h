#pragma once

#include <QObject>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>

#include <functional>
#include <memory>

class TTable;

// What a table tells its data sources.
enum class TDataEvent {
    ActiveChanged,   // opened or closed
    RecordChanged,   // another record is current, or the view was re-read
    StateChanged,    // browse / edit / insert / set-key
    FieldChanged,    // a field of the record in edit got a new value
    UpdateRecord,    // about to post: controls store their pending text now
};

enum class TDataSetState { Inactive, Browse, Edit, Insert, SetKey };

// One column of the table as declared.
struct TColumn {
    QString name;
    QString declaredType;
    enum class Kind { Integer, Real, Text } kind = Kind::Text;
    int width = 0;        // characters, 0 = no limit (from VARCHAR(n) / CHAR(n))
    bool numeric() const { return kind != Kind::Text; }
};

// A field of the table's current record (or of the record under test while the
// record filter runs). Cheap to copy; valid while its table is open.
class TField {
public:
    TField(const TTable *table, int column) : m_table(table), m_column(column) {}

    const TColumn &column() const;
    const QString &name() const { return column().name; }
    int width() const { return column().width; }
    QVariant value() const;
    bool isNull() const { return value().isNull(); }
    // The value as text; a failure "Invalid variant type conversion" for a null.
    QString asText() const;
    // The default display text: "" for a null (see TTable::displayText).
    QString displayText() const;

private:
    const TTable *m_table;
    int m_column;
};

// A cursor over the one table held by a table file of a database folder.
//
// The cursor never holds the table in memory: every move asks SQLite for the
// rows after (or before) the current key in index order and passes them to the
// record filter one at a time, so a move costs what it touches.
class TTable : public QObject {
    Q_OBJECT

public:
    using FilterRecord = std::function<void(TTable &table, bool &accept)>;

    explicit TTable(QObject *parent = nullptr);
    ~TTable() override;

    // Declared properties, set before Open().
    QString DatabaseName;      // alias, e.g. "Baseball"
    QString TableName;         // file name within the alias folder, e.g. "BTRMAST.DB"
    QString IndexFieldNames;   // e.g. "LST_NM_97;FRST_NM_97"; empty = the table's own key order
    bool ReadOnly = false;
    QStringList RequiredFields; // fields a screen binds; Open() fails naming the first missing one
    FilterRecord OnFilterRecord;

    // Opens the table and makes the first record (index order, unfiltered)
    // current. Failures name the file: missing, not a database, no table,
    // a missing field, locked by another process.
    void Open();
    void Close();
    bool Active() const { return m_state != TDataSetState::Inactive; }
    QString filePath() const { return m_filePath; }

    // Switching the filter on (also when already on) settles a pending
    // edit or key entry, then moves to the first accepted record.
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool on);

    void First();
    void Prior();
    void Next();
    void Last();
    bool Bof() const { return m_bof; }
    bool Eof() const { return m_eof; }
    bool IsEmpty() const;          // the view has no current record
    TDataSetState State() const { return m_state; }

    // Nearest-key search on the index order: SetKey() enters key entry with a
    // cleared key, SetKeyFieldText() sets one key field (cut to the column's
    // width), GotoNearest() moves to the first accepted record at or after
    // the key, else to the last accepted record, else leaves the view empty.
    void SetKey();
    void SetKeyFieldText(const QString &field, const QString &text);
    void GotoNearest();

    // Editing.
    void Edit();                   // the current record into edit
    void Insert();                 // a new empty record into edit
    void Post();                   // one transaction; on failure stays in edit
    void Cancel();
    bool Modified() const { return m_modified; }
    void SetFieldText(const QString &field, const QString &text);
    void SetFieldValue(const QString &field, const QVariant &value);

    // Fields by name, ignoring letter case only; a failure naming the field
    // and the table when there is none.
    TField FieldByName(const QString &name) const;
    int FindColumn(const QString &name) const;   // -1 when missing
    const QVector<TColumn> &Columns() const { return m_columns; }
    QVariant ColumnValue(int column) const;

    // The unfiltered table in the cursor's order, for the grid; a row number
    // is the place of a record in that order (0-based).
    int RecordCount() const;
    QVector<QVector<QVariant>> Records(int firstRow, int count) const;
    int RecNo() const;             // row of the current record, -1 when none
    void MoveTo(int row);          // make the record at that row current

    // The default display text of a value: integers in decimal, reals in the
    // shortest form that reads back the same, text as stored, null as "".
    static QString displayText(const QVariant &value);

signals:
    void dataEvent(TDataEvent event, const QString &field = QString());

private:
    struct Row {
        qint64 rowid = 0;
        QVector<QVariant> values;
    };
    enum class Direction { Forward, Backward };

    struct Segment {
        QString where;
        QVariantList binds;
    };

    void requireActive() const;
    void settlePending();
    void moveTo(std::unique_ptr<Row> row, bool bof, bool eof);
    std::unique_ptr<Row> scan(Direction direction, const QVector<QVariant> *fromKey, bool inclusive);
    QVector<Segment> segments(Direction direction, const QVector<QVariant> &key, bool inclusive) const;
    std::unique_ptr<Row> readRow(qint64 rowid) const;
    std::unique_ptr<Row> rowFrom(const class QSqlQuery &query) const;
    bool accepts(const Row &row);
    QString orderBy(Direction direction) const;
    QVector<QVariant> keyOf(const Row &row) const;
    const Row *visibleRow() const;
    int columnOrFail(const QString &name) const;
    void notify(TDataEvent event, const QString &field = QString());
    QVariant convertText(const TColumn &column, const QString &text) const;
    QString fail(const QString &what) const;

    QString m_filePath;
    QString m_connection;
    QSqlDatabase m_db;
    QString m_table;              // quoted table name
    QVector<TColumn> m_columns;
    QVector<int> m_orderColumns;  // indexes into m_columns, then rowid
    TDataSetState m_state = TDataSetState::Inactive;
    bool m_filtered = false;
    bool m_bof = true;
    bool m_eof = true;
    bool m_modified = false;
    std::unique_ptr<Row> m_current;   // null when the view is empty
    std::unique_ptr<Row> m_edit;      // the record in edit / insert
    QVector<bool> m_setColumns;       // fields set during the edit
    QVector<QVariant> m_key;          // key entry buffer
    const Row *m_probe = nullptr;     // the record under test while filtering
};
