#pragma once

#include "platform/forms/TForm.h"

class QLabel;
class QPushButton;

// The team menu: thirty team buttons under their league and division
// headings. A team button writes its team key, then shows the team
// breakdown; the menu stays open behind it.
class TTeammenu : public TForm {
    Q_OBJECT

public:
    TTeammenu();

    QPushButton *Button31 = nullptr;

    // The handler of every team button (Button1Click ... Button30Click are
    // the rows of the team button table in TTeammenu.cpp).
    static void TeamButtonClick(const QString &key);
    void Button31Click();

private:
    void createHeadings();
    void createTeamButtons();
};
