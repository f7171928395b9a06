#include "platform/controls/TDBMemo.h"

TDBMemo::TDBMemo(QWidget *parent) : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    // Read-only boxes still take a caret, so overflowing text can be reached
    // with the keyboard where there is no scroll bar.
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    SetScrollBars(false);
    m_link.onDataChange = [this] { refresh(); };
}

void TDBMemo::SetScrollBars(bool vertical)
{
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
}

void TDBMemo::refresh()
{
    const QString text = m_link.fieldDisplayText();
    if (text != toPlainText())
        setPlainText(text);
}
