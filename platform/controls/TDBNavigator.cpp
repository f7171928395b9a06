#include "platform/controls/TDBNavigator.h"

#include "platform/forms/Application.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// The classic glyphs: a bar and a triangle for first / last, a triangle for
// prior / next. Drawn here because no icon theme is guaranteed on Linux.
QIcon glyph(TDBNavigator::Button which, const QColor &color)
{
    QPixmap pixmap(12, 12);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    const bool left = which == TDBNavigator::nbFirst || which == TDBNavigator::nbPrior;
    const bool bar = which == TDBNavigator::nbFirst || which == TDBNavigator::nbLast;
    QPainterPath triangle;
    if (left) {
        triangle.moveTo(9, 1.5);
        triangle.lineTo(9, 10.5);
        triangle.lineTo(4, 6);
    } else {
        triangle.moveTo(3, 1.5);
        triangle.lineTo(3, 10.5);
        triangle.lineTo(8, 6);
    }
    painter.drawPath(triangle);
    if (bar)
        painter.drawRect(left ? QRectF(2, 1.5, 1.5, 9) : QRectF(8.5, 1.5, 1.5, 9));
    return QIcon(pixmap);
}

} // namespace

class TDBNavigator::Link : public TDataLink {
public:
    explicit Link(TDBNavigator *navigator) : m_navigator(navigator) {}
    void activeChanged() override { m_navigator->updateButtons(); }
    void recordChanged(const QString &field) override
    {
        if (field.isEmpty())
            m_navigator->updateButtons();
    }
    void editingChanged() override { m_navigator->updateButtons(); }

private:
    TDBNavigator *m_navigator;
};

TDBNavigator::TDBNavigator(QWidget *parent) : QWidget(parent), m_link(new Link(this))
{
    const char *names[] = {"First", "Prior", "Next", "Last"};
    for (int i = 0; i < 4; ++i) {
        auto *button = new QToolButton(this);
        const auto which = Button(i);
        button->setObjectName(names[i]);
        button->setToolTip(QString(names[i]) + " record");
        button->setFocusPolicy(Qt::NoFocus);
        QIcon icon = glyph(which, Qt::black);
        icon.addPixmap(glyph(which, Qt::gray).pixmap(12, 12), QIcon::Disabled);
        button->setIcon(icon);
        if (which == nbPrior || which == nbNext) {
            button->setAutoRepeat(true);
            button->setAutoRepeatDelay(400);
            button->setAutoRepeatInterval(100);
        }
        connect(button, &QToolButton::clicked, this, [this, which] { BtnClick(which); });
        m_buttons[i] = button;
    }
    setFocusPolicy(Qt::NoFocus);
    updateButtons();
}

TDBNavigator::~TDBNavigator() { delete m_link; }

void TDBNavigator::SetDataSource(TDataSource *source) { m_link->SetDataSource(source); }

void TDBNavigator::BtnClick(Button which)
{
    Application::instance().guard([&] {
        TTable *table = m_link->DataSet();
        if (!table || !table->Active())
            return;
        switch (which) {
        case nbFirst: table->First(); break;
        case nbPrior: table->Prior(); break;
        case nbNext: table->Next(); break;
        case nbLast: table->Last(); break;
        }
        if (OnClick)
            OnClick(which);
    });
}

void TDBNavigator::updateButtons()
{
    TTable *table = m_link ? m_link->DataSet() : nullptr;
    const bool active = table && table->Active();
    const bool browsing = active && table->State() != TDataSetState::SetKey;
    m_buttons[nbFirst]->setEnabled(browsing && !table->Bof());
    m_buttons[nbPrior]->setEnabled(browsing && !table->Bof());
    m_buttons[nbNext]->setEnabled(browsing && !table->Eof());
    m_buttons[nbLast]->setEnabled(browsing && !table->Eof());
}

void TDBNavigator::resizeEvent(QResizeEvent *)
{
    // Four equal buttons across the whole control, the last one taking the rest.
    const int w = width() / 4;
    for (int i = 0; i < 4; ++i)
        m_buttons[i]->setGeometry(i * w, 0, i == 3 ? width() - 3 * w : w, height());
}
