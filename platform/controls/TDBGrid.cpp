#include "platform/controls/TDBGrid.h"

#include "platform/forms/Application.h"

#include <QEvent>
#include <QHeaderView>
#include <QScopedValueRollback>

namespace {

// Rows read from the table at a time.
constexpr int fetchBlock = 64;
// The indicator column: narrow, its marker drawn in a small font.
constexpr int indicatorWidth = 11;
constexpr int indicatorFontPixels = 9;
// Room around a cell's or a title's text, the grid line included.
constexpr int textMargins = 8;
// Characters a text field without a declared width shows.
constexpr int unsizedTextWidth = 20;

// The default display width of a field, in characters.
int displayWidth(const TColumn &column)
{
    switch (column.kind) {
    case TColumn::Kind::Integer: return 6;
    case TColumn::Kind::Real: return 10;
    case TColumn::Kind::Text: break;
    }
    return column.width > 0 ? column.width : unsizedTextWidth;
}

} // namespace

// ---------------------------------------------------------------- the model

const QString TDBGridModel::indicator = QString(QChar(0x25B6));

class TDBGridModel::Link : public TDataLink {
public:
    explicit Link(TDBGridModel *model) : m_model(model) {}
    void activeChanged() override { m_model->reload(); }
    void recordChanged(const QString &field) override
    {
        // A field typed into a record in edit is not shown before it is posted.
        if (field.isEmpty())
            m_model->recordChanged();
    }

private:
    TDBGridModel *m_model;
};

TDBGridModel::TDBGridModel(QObject *parent) : QAbstractTableModel(parent), m_link(std::make_unique<Link>(this)) {}

TDBGridModel::~TDBGridModel() = default;

void TDBGridModel::SetDataSource(TDataSource *source) { m_link->SetDataSource(source); }

void TDBGridModel::SetFields(const QStringList &fields)
{
    m_fields = fields;
    reload();
}

TTable *TDBGridModel::table() const
{
    TTable *table = m_link->DataSet();
    return table && table->Active() ? table : nullptr;
}

void TDBGridModel::reload()
{
    TTable *source = table();
    QVector<int> columns;
    for (const QString &field : std::as_const(m_fields))
        columns.append(source ? source->FindColumn(field) : -1);
    const int count = source ? source->RecordCount() : 0;

    beginResetModel();
    m_tableColumns = columns;
    m_rows.clear();
    m_recordCount = count;
    m_currentRow = -1;
    endResetModel();
    followCurrentRecord();
}

void TDBGridModel::recordChanged()
{
    TTable *source = table();
    if (!source || source->State() != TDataSetState::Browse)
        return followCurrentRecord();
    // A record posted or deleted through the table: read the rows again.
    if (source->RecordCount() != m_recordCount)
        return reload();
    followCurrentRecord();

    // The current record may have been posted with new values.
    if (m_currentRow < 0 || m_currentRow >= m_rows.size())
        return;
    QVector<QVariant> &row = m_rows[m_currentRow];
    bool changed = false;
    for (int section = 0; section < m_tableColumns.size(); ++section) {
        const QVariant value = source->ColumnValue(m_tableColumns[section]);
        if (row[section] != value) {
            row[section] = value;
            changed = true;
        }
    }
    if (changed)
        emit dataChanged(index(m_currentRow, 0), index(m_currentRow, columnCount() - 1));
}

void TDBGridModel::followCurrentRecord()
{
    TTable *source = table();
    const int row = source && !source->IsEmpty() ? source->RecNo() : -1;
    if (row >= m_rows.size())
        fetch(row + 1 - int(m_rows.size()));
    if (row == m_currentRow)
        return;
    const int previous = m_currentRow;
    m_currentRow = row;
    if (previous >= 0 && previous < m_rows.size())
        emit headerDataChanged(Qt::Vertical, previous, previous);
    if (row >= 0 && row < m_rows.size())
        emit headerDataChanged(Qt::Vertical, row, row);
    emit currentRowChanged(row);
}

void TDBGridModel::fetch(int count)
{
    TTable *source = table();
    const int first = int(m_rows.size());
    // Whole blocks, never beyond the table's end.
    count = qMin(qMax(count, fetchBlock), m_recordCount - first);
    if (!source || count <= 0)
        return;
    const auto records = source->Records(first, count);
    if (records.isEmpty()) {
        // The table is shorter than it was: nothing more to read.
        m_recordCount = first;
        return;
    }
    beginInsertRows(QModelIndex(), first, first + int(records.size()) - 1);
    for (const auto &record : records) {
        QVector<QVariant> row;
        row.reserve(m_tableColumns.size());
        for (int column : std::as_const(m_tableColumns))
            row.append(record.value(column));
        m_rows.append(row);
    }
    endInsertRows();
}

int TDBGridModel::rowCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_rows.size()); }

int TDBGridModel::columnCount(const QModelIndex &parent) const { return parent.isValid() ? 0 : int(m_fields.size()); }

QVariant TDBGridModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const QVariant &value = m_rows[index.row()][index.column()];
    switch (role) {
    case Qt::DisplayRole:
        return TTable::displayText(value);
    case Qt::TextAlignmentRole: {
        // Numbers line up at the right, as in the classic grid.
        const bool number = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::LongLong
                            || value.typeId() == QMetaType::Int;
        return QVariant::fromValue(Qt::Alignment(Qt::AlignVCenter | (number ? Qt::AlignRight : Qt::AlignLeft)));
    }
    default:
        return QVariant();
    }
}

QVariant TDBGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole || section < 0)
        return QVariant();
    if (orientation == Qt::Horizontal)
        return m_fields.value(section);
    return section == m_currentRow ? indicator : QString();
}

Qt::ItemFlags TDBGridModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
}

bool TDBGridModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_rows.size() < m_recordCount;
}

void TDBGridModel::fetchMore(const QModelIndex &parent)
{
    if (!parent.isValid())
        Application::instance().guard([this] { fetch(fetchBlock); });
}

// ---------------------------------------------------------------- the view

TDBGrid::TDBGrid(QWidget *parent) : QTableView(parent), m_model(new TDBGridModel(this))
{
    setModel(m_model);
    setEditTriggers(NoEditTriggers);
    setSelectionMode(SingleSelection);
    setSelectionBehavior(SelectItems);
    // Tab leaves the grid for the next control.
    setTabKeyNavigation(false);
    // A text wider than its column is cut off at the column's edge.
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    setCornerButtonEnabled(false);

    QHeaderView *titles = horizontalHeader();
    titles->setSectionsClickable(false);
    titles->setHighlightSections(false);
    titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    QHeaderView *indicators = verticalHeader();
    indicators->setSectionResizeMode(QHeaderView::Fixed);
    indicators->setFixedWidth(indicatorWidth);
    indicators->setHighlightSections(false);
    indicators->setDefaultAlignment(Qt::AlignCenter);
    indicators->setTextElideMode(Qt::ElideNone);
    QFont indicatorFont = indicators->font();
    indicatorFont.setPixelSize(indicatorFontPixels);
    indicators->setFont(indicatorFont);
    indicators->setMinimumSectionSize(1);
    applyRowHeight();

    connect(m_model, &TDBGridModel::currentRowChanged, this, &TDBGrid::showCurrentRow);
    connect(m_model, &QAbstractItemModel::modelReset, this, &TDBGrid::applyColumnWidths);
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) { moveTable(current); });
}

void TDBGrid::SetColumns(const QVector<Column> &columns)
{
    m_columns = columns;
    QStringList fields;
    for (const Column &column : columns)
        fields << column.field;
    m_model->SetFields(fields);
}

void TDBGrid::SetTitleFont(const QFont &font)
{
    horizontalHeader()->setFont(font);
    applyColumnWidths();
}

void TDBGrid::showCurrentRow(int row)
{
    QScopedValueRollback following(m_followingTable, true);
    if (row < 0) {
        setCurrentIndex(QModelIndex());
        return;
    }
    const QModelIndex index = m_model->index(row, qMax(currentIndex().column(), 0));
    setCurrentIndex(index);
    scrollTo(index);
}

void TDBGrid::moveTable(const QModelIndex &current)
{
    TTable *table = m_model->table();
    if (m_followingTable || !table || !current.isValid() || current.row() == m_model->currentRow())
        return;
    const int row = current.row();
    Application::instance().guard([&] { table->MoveTo(row); });
    // Where the table did not move, the grid goes back to its record.
    if (m_model->currentRow() != row)
        showCurrentRow(m_model->currentRow());
}

QModelIndex TDBGrid::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    TTable *table = m_model->table();
    const bool stepsRows = action == MoveUp || action == MoveDown || action == MovePageUp || action == MovePageDown;
    if (!stepsRows || !table || table->IsEmpty())
        return QTableView::moveCursor(action, modifiers);

    // Single steps are the table's own, so that BOF and EOF are set at the
    // ends; a page that would pass an end stops at the first or last record.
    Application::instance().guard([&] {
        const int page = m_model->currentRow() + (action == MovePageUp ? -rowsPerPage() : rowsPerPage());
        switch (action) {
        case MoveUp: table->Prior(); break;
        case MoveDown: table->Next(); break;
        case MovePageUp: page < 0 ? table->First() : table->MoveTo(page); break;
        case MovePageDown: page >= m_model->recordCount() ? table->Last() : table->MoveTo(page); break;
        default: break;
        }
    });
    return m_model->index(m_model->currentRow(), qMax(currentIndex().column(), 0));
}

int TDBGrid::rowsPerPage() const
{
    return qMax(1, viewport()->height() / qMax(1, verticalHeader()->defaultSectionSize()));
}

void TDBGrid::changeEvent(QEvent *event)
{
    QTableView::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        applyRowHeight();
        applyColumnWidths();
    }
}

void TDBGrid::applyRowHeight()
{
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
}

void TDBGrid::applyColumnWidths()
{
    for (int section = 0; section < m_columns.size() && section < m_model->columnCount(); ++section)
        setColumnWidth(section, m_columns[section].width > 0 ? m_columns[section].width : defaultWidth(section));
}

int TDBGrid::defaultWidth(int section) const
{
    const TTable *table = m_model->table();
    const int column = m_model->tableColumn(section);
    const int characters = table && column >= 0 ? displayWidth(table->Columns().at(column)) : unsizedTextWidth;
    const int cells = characters * fontMetrics().averageCharWidth() + textMargins;
    const int title = horizontalHeader()->fontMetrics().horizontalAdvance(m_columns[section].field) + textMargins;
    return qMax(cells, title);
}
