#pragma once

#include "platform/forms/TForm.h"

class ProgramLauncher;
class QPlainTextEdit;
class QPushButton;

// "About the Spreadsheet": explains the workbook that comes with the program
// and starts the spreadsheet program on it.
class TSheet : public TForm {
    Q_OBJECT

public:
    TSheet();

    QPlainTextEdit *Memo1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;
    QPlainTextEdit *Memo2 = nullptr;

    void Button1Click();
    void Button2Click();

    // Who starts the spreadsheet program (the system's detached processes
    // unless replaced); the launcher must outlive the screen.
    void setLauncher(ProgramLauncher &launcher) { m_launcher = &launcher; }

private:
    QPushButton *createButton(const char *member, const char *caption, const QRect &place);

    ProgramLauncher *m_launcher;
};
