#include "platform/forms/Application.h"

#include "platform/Failure.h"
#include "platform/forms/TForm.h"

#include <QApplication>
#include <QMessageBox>

Application &Application::instance()
{
    static Application application;
    return application;
}

void Application::showMessage(const QString &text)
{
    if (m_messages)
        return m_messages(text);
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), text, QMessageBox::Ok, m_active);
    box.exec();
}

bool Application::guard(const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const Failure &failure) {
        showMessage(failure.text());
    } catch (const std::exception &failure) {
        showMessage(QString::fromUtf8(failure.what()));
    }
    return false;
}

void Application::addForm(TForm *form) { m_forms.append(form); }

TForm *Application::form(const QString &instanceName) const
{
    for (TForm *form : m_forms)
        if (form->objectName() == instanceName)
            return form;
    return nullptr;
}

void Application::destroyForms()
{
    m_stack.clear();
    m_active = nullptr;
    while (!m_forms.isEmpty())
        delete m_forms.takeLast();
    m_ending = false;
}

QList<TForm *> Application::stack() const { return m_stack; }

void Application::raiseInStack(TForm *form)
{
    m_stack.removeAll(form);
    m_stack.append(form);
}

void Application::show(TForm *form)
{
    if (!form->isVisible()) {
        if (form->placement() == TForm::Placement::Maximized) {
            // A window still maximized from its last showing keeps the
            // desktop's size: moving it would shrink it to its restored place.
            if (!form->isMaximized())
                form->setGeometry(form->designedGeometry());
            form->showMaximized();
        } else {
            // The designed size is the outer one, frame included.
            const QRect designed = form->designedGeometry();
            form->resize(designed.size());
            form->move(designed.topLeft());
            form->show();
            const QSize frame = form->frameGeometry().size() - form->size();
            form->resize(designed.size() - frame);
        }
    } else if (form->isMinimized()) {
        form->setWindowState(form->windowState() & ~Qt::WindowMinimized);
    }
    form->raise();
    form->activateWindow();
    raiseInStack(form);
    // Activation is part of being shown: it has run when show returns.
    if (m_active != form)
        activate(form);
}

void Application::close(TForm *form)
{
    if (form == mainForm())
        return endProgram();
    form->hide();
    m_stack.removeAll(form);
    if (m_active != form || m_stack.isEmpty())
        return;
    // The screen beneath comes back into view and becomes the active one.
    TForm *uncovered = m_stack.last();
    uncovered->raise();
    uncovered->activateWindow();
    activate(uncovered);
}

void Application::windowActivated(TForm *form)
{
    if (!m_forms.contains(form) || m_ending)
        return;
    raiseInStack(form);
    if (m_active != form)
        activate(form);
}

void Application::activate(TForm *form)
{
    m_active = form;
    guard([form] { form->FormActivate(); });
}

void Application::endProgram()
{
    if (m_ending)
        return;
    m_ending = true;
    for (TForm *form : std::as_const(m_forms))
        guard([form] { form->ProgramEnding(); });
    for (TForm *form : std::as_const(m_forms))
        form->hide();
    QCoreApplication::exit(0);
}
