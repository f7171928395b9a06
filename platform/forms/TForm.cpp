#include "platform/forms/TForm.h"

#include "platform/forms/Application.h"
#include "platform/forms/Look.h"

#include <QCloseEvent>
#include <QScrollArea>

TForm::TForm(const QString &instanceName, const QString &caption, QWidget *parent)
    : QMainWindow(parent), m_scroll(new QScrollArea(this)), m_client(new QWidget)
{
    setObjectName(instanceName);
    setWindowTitle(caption);
    setFont(Look::sansFont(11));
    m_scroll->setFrameShape(QFrame::NoFrame);
    // The window's own scroll bars are no stop of the Tab key, which cycles
    // through the controls only.
    m_scroll->setFocusPolicy(Qt::NoFocus);
    m_scroll->setWidgetResizable(false);
    m_scroll->setWidget(m_client);
    m_scroll->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_client->setObjectName("client");
    setCentralWidget(m_scroll);
}

void TForm::setClientSize(int width, int height)
{
    m_client->setMinimumSize(width, height);
    m_client->resize(width, height);
}

void TForm::setClientColor(const QColor &color)
{
    for (QWidget *w : {static_cast<QWidget *>(m_client), m_scroll->viewport()}) {
        QPalette palette = w->palette();
        palette.setColor(QPalette::Window, color);
        w->setPalette(palette);
        w->setAutoFillBackground(true);
    }
}

void TForm::setWindowPlacement(Placement placement, const QRect &frameGeometry)
{
    m_placement = placement;
    m_designed = frameGeometry;
}

void TForm::setScrollPolicy(Qt::ScrollBarPolicy horizontal, Qt::ScrollBarPolicy vertical)
{
    m_scroll->setHorizontalScrollBarPolicy(horizontal);
    m_scroll->setVerticalScrollBarPolicy(vertical);
}

void TForm::setClientFollowsHeight(bool follow)
{
    m_scroll->setWidgetResizable(follow);
}

void TForm::Show() { Application::instance().show(this); }
void TForm::Close() { Application::instance().close(this); }

void TForm::onClick(QAbstractButton *button, std::function<void()> handler)
{
    connect(button, &QAbstractButton::clicked, this,
            [handler = std::move(handler)] { Application::instance().guard(handler); });
}

void TForm::closeEvent(QCloseEvent *event)
{
    // The close box, the system menu and Alt+F4 all close the screen the way
    // the application object does: hidden, or the end of the program.
    if (Application::instance().ending()) {
        event->accept();
        return;
    }
    event->ignore();
    Close();
}

void TForm::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        Application::instance().windowActivated(this);
    QMainWindow::changeEvent(event);
}
