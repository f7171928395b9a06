#pragma once

#include "platform/controls/TFieldDataLink.h"

#include <QLineEdit>

// A one-line box bound to one field. It takes at most the field's width; the
// first key that would change its text asks its data source for edit (a new
// record on an empty view); Escape puts back the field's value and selects it
// all; leaving the box stores a changed text in the field.
class TDBEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TDBEdit(QWidget *parent = nullptr);
    void SetDataSource(TDataSource *source);
    void SetDataField(const QString &field);
    // A width of the control's own (0 = the field's width).
    void SetMaxLength(int length) { m_ownMaxLength = length; applyWidth(); }
    bool IsModified() const { return m_modified; }

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool event(QEvent *event) override;

private:
    bool beginChange();
    void storeText();
    void refresh();
    void applyWidth();
    bool acceptsNumberText(const QString &text) const;

    TFieldDataLink m_link;
    int m_ownMaxLength = 0;
    bool m_modified = false;
    bool m_refreshing = false;
};
