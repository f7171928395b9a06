#pragma once

#include <QList>
#include <QString>

#include <functional>
#include <memory>

class TForm;

// The application object: owns the screens, shows and closes them, tracks
// which screen is the program's active one, and runs every handler under the
// default failure handler.
class Application {
public:
    static Application &instance();

    using MessageHandler = std::function<void(const QString &text)>;
    // Replaces the message box (tests record the texts instead).
    void setMessageHandler(MessageHandler handler) { m_messages = std::move(handler); }
    void showMessage(const QString &text);

    // Runs a handler; a failure ends it and its text is shown. Returns false
    // when the handler failed.
    bool guard(const std::function<void()> &handler);

    // Screens, in creation order; the first one is the main screen.
    void addForm(TForm *form);
    const QList<TForm *> &forms() const { return m_forms; }
    TForm *form(const QString &instanceName) const;
    TForm *mainForm() const { return m_forms.isEmpty() ? nullptr : m_forms.first(); }
    // Destroys every screen (the end of the program, or a test's teardown).
    void destroyForms();

    void show(TForm *form);
    void close(TForm *form);
    TForm *activeForm() const { return m_active; }
    // The visible screens, the top one last.
    QList<TForm *> stack() const;

    // The window system made a screen active (a click into it, or the screen
    // above it closing); activation runs only when it replaces another of
    // our screens.
    void windowActivated(TForm *form);

    // Runs the screens' end steps, then stops the event loop with status 0.
    void endProgram();
    bool ending() const { return m_ending; }

private:
    void activate(TForm *form);
    void raiseInStack(TForm *form);

    QList<TForm *> m_forms;
    QList<TForm *> m_stack;
    TForm *m_active = nullptr;
    MessageHandler m_messages;
    bool m_ending = false;
};
