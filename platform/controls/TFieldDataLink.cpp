#include "platform/controls/TFieldDataLink.h"

QVariant TFieldDataLink::fieldValue() const
{
    TTable *table = DataSet();
    if (!table || !table->Active())
        return QVariant();
    return table->ColumnValue(table->FindColumn(FieldName));
}

const TColumn *TFieldDataLink::column() const
{
    TTable *table = DataSet();
    if (!table || !table->Active())
        return nullptr;
    const int c = table->FindColumn(FieldName);
    return c < 0 ? nullptr : &table->Columns().at(c);
}

bool TFieldDataLink::editing() const
{
    TTable *table = DataSet();
    return table && (table->State() == TDataSetState::Edit || table->State() == TDataSetState::Insert);
}

void TFieldDataLink::activeChanged()
{
    if (onDataChange)
        onDataChange();
}

void TFieldDataLink::recordChanged(const QString &field)
{
    if ((field.isEmpty() || field.compare(FieldName, Qt::CaseInsensitive) == 0) && onDataChange)
        onDataChange();
}

void TFieldDataLink::editingChanged()
{
    if (onEditingChange)
        onEditingChange();
}

void TFieldDataLink::updateData()
{
    if (onUpdateData)
        onUpdateData();
}
