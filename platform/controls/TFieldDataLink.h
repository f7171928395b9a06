#pragma once

#include "platform/controls/TDataSource.h"

#include <functional>

// The link of a control bound to one field: it forwards the table's events to
// the control's callbacks and answers the field's current value.
class TFieldDataLink : public TDataLink {
public:
    QString FieldName;
    std::function<void()> onDataChange;     // the record or this field changed
    std::function<void()> onEditingChange;
    std::function<void()> onUpdateData;

    // The bound field of the current record; null when there is no table,
    // no such field, or no current record.
    QVariant fieldValue() const;
    QString fieldDisplayText() const { return TTable::displayText(fieldValue()); }
    const TColumn *column() const;
    bool editing() const;

    void activeChanged() override;
    void recordChanged(const QString &field) override;
    void editingChanged() override;
    void updateData() override;
};
