#pragma once

#include "platform/controls/TFieldDataLink.h"

#include <QPlainTextEdit>

// A word-wrapped multi-line box showing one text field of the current record.
class TDBMemo : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit TDBMemo(QWidget *parent = nullptr);
    void SetDataSource(TDataSource *source) { m_link.SetDataSource(source); refresh(); }
    void SetDataField(const QString &field) { m_link.FieldName = field; refresh(); }
    void SetScrollBars(bool vertical);

private:
    void refresh();
    TFieldDataLink m_link;
};
