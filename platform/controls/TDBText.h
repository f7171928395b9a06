#pragma once

#include "platform/controls/TFieldDataLink.h"

#include <QLabel>

// A label showing one field of the current record.
class TDBText : public QLabel {
    Q_OBJECT

public:
    explicit TDBText(QWidget *parent = nullptr);
    void SetDataSource(TDataSource *source) { m_link.SetDataSource(source); refresh(); }
    void SetDataField(const QString &field) { m_link.FieldName = field; refresh(); }

private:
    void refresh();
    TFieldDataLink m_link;
};
