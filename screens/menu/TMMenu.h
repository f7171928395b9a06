#pragma once

#include "platform/forms/TForm.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;

// The main menu: the stadium picture with a button on each field position,
// the column of report buttons, and the menu bar with the same actions and
// one entry per team. Every action writes the selection value its target
// reads, then shows the target.
class TMMenu : public TForm {
    Q_OBJECT

public:
    // What one button or menu entry does.
    struct Action {
        enum class Writes { Nothing, PositionCode, TeamKey } writes;
        QString value;    // the position code or team key written
        QString target;   // instance name of the screen shown
    };

    TMMenu();

    QLabel *Image1 = nullptr;
    QLabel *Image2 = nullptr;
    QLabel *Label1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;

    // The handler every button and menu entry runs (Button4Click,
    // FirstBase1Click ... are rows of the tables in TMMenu.cpp).
    static void run(const Action &action);

private:
    void createPictures();
    void createButtons();
    void createMenus();
};
