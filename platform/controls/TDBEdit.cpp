#include "platform/controls/TDBEdit.h"

#include "platform/forms/Application.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

namespace {

// Swallows the mouse press on its way to the widget that tried to take the
// focus from a box that kept it, so that the click does nothing. It lives
// until the event loop next runs.
class ClickCanceller : public QObject {
public:
    explicit ClickCanceller(QWidget *target) : m_target(target)
    {
        qApp->installEventFilter(this);
        deleteLater();
    }

protected:
    bool eventFilter(QObject *receiver, QEvent *event) override
    {
        const bool press = event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
        auto *widget = qobject_cast<QWidget *>(receiver);
        return press && m_target && widget && (widget == m_target || m_target->isAncestorOf(widget));
    }

private:
    QPointer<QWidget> m_target;
};

} // namespace

TDBEdit::TDBEdit(QWidget *parent) : QLineEdit(parent)
{
    m_link.onDataChange = [this] { refresh(); };
    m_link.onEditingChange = [this] {
        if (!m_link.editing())
            refresh();
    };
    m_link.onUpdateData = [this] { storeText(); };
    // Every change the user makes (typing, paste, cut, undo, a drop) arrives
    // here after the fact; the first one puts the record into edit.
    connect(this, &QLineEdit::textEdited, this, [this] {
        if (m_refreshing)
            return;
        if (!m_link.editing()) {
            const QString typed = text();
            const int cursor = cursorPosition();
            if (!beginChange()) {
                refresh();
                return;
            }
            // Starting a new record clears the boxes, this one included.
            if (text() != typed) {
                QSignalBlocker block(this);
                setText(typed);
                setCursorPosition(cursor);
            }
        }
        m_modified = true;
    });
}

void TDBEdit::SetDataSource(TDataSource *source)
{
    m_link.SetDataSource(source);
    refresh();
}

void TDBEdit::SetDataField(const QString &field)
{
    m_link.FieldName = field;
    refresh();
}

void TDBEdit::applyWidth()
{
    const TColumn *column = m_link.column();
    const int width = m_ownMaxLength > 0 ? m_ownMaxLength : (column ? column->width : 0);
    setMaxLength(width > 0 ? width : 32767);
}

void TDBEdit::refresh()
{
    m_refreshing = true;
    applyWidth();
    setText(m_link.fieldDisplayText());
    m_modified = false;
    m_refreshing = false;
}

bool TDBEdit::beginChange()
{
    if (isReadOnly() || !m_link.DataSource())
        return false;
    bool started = false;
    m_refreshing = true;
    Application::instance().guard([&] { started = m_link.DataSource()->Edit(); });
    m_refreshing = false;
    return started;
}

bool TDBEdit::acceptsNumberText(const QString &typed) const
{
    const TColumn *column = m_link.column();
    if (!column || !column->numeric())
        return true;
    const QString allowed = column->kind == TColumn::Kind::Integer ? "0123456789+-" : "0123456789+-.eE";
    for (QChar c : typed)
        if (!allowed.contains(c))
            return false;
    return true;
}

void TDBEdit::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && !isReadOnly()) {
        // Back to the value the field holds now, all of it selected.
        refresh();
        selectAll();
        return;
    }
    const QString typed = event->text();
    if (!isReadOnly() && !typed.isEmpty() && typed.at(0).isPrint() && !acceptsNumberText(typed)) {
        QApplication::beep();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void TDBEdit::inputMethodEvent(QInputMethodEvent *event)
{
    if (!acceptsNumberText(event->commitString())) {
        QApplication::beep();
        event->ignore();
        return;
    }
    QLineEdit::inputMethodEvent(event);
}

bool TDBEdit::event(QEvent *event)
{
    // Escape must reach the box, not close a dialog or be taken as a shortcut.
    if (event->type() == QEvent::ShortcutOverride && static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void TDBEdit::storeText()
{
    if (!m_modified || !m_link.editing())
        return;
    m_link.DataSet()->SetFieldText(m_link.FieldName, text());
    m_modified = false;
}

void TDBEdit::focusOutEvent(QFocusEvent *event)
{
    // Only a move to another control of the screen stores the text; leaving
    // for another program or a message box keeps it pending in the box.
    const Qt::FocusReason reason = event->reason();
    if (m_modified && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
        // The control taking the focus (already the application's focus widget).
        QPointer<QWidget> taker = QApplication::focusWidget();
        if (!Application::instance().guard([this] { storeText(); })) {
            // A text the field refuses keeps the focus here, and the click
            // that tried to take it does nothing.
            if (reason == Qt::MouseFocusReason && taker)
                new ClickCanceller(taker);
            setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    QLineEdit::focusOutEvent(event);
}
