#include "screens/teams/TTeammenu.h"

#include "app/Screens.h"
#include "app/Selection.h"
#include "platform/forms/Look.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int americanLeft = 64;
constexpr int nationalLeft = 448;
constexpr QSize teamButtonSize{129, 17};

struct Heading {
    const char *member;
    const char *caption;
    QRect place;
    int pixelSize;
    QColor band;
};

// League headings on their league's colour, division headings on black.
const Heading headings[] = {
    {"Label1", "American League", {64, 8, 201, 29}, 24, Look::maroon},
    {"Label4", "National League", {376, 8, 201, 29}, 24, Look::navy},
    {"Label6", "East", {64, 40, 73, 24}, 19, Look::black},
    {"Label3", "Central", {64, 160, 73, 24}, 19, Look::black},
    {"Label2", "West", {64, 280, 73, 24}, 19, Look::black},
    {"Label5", "East", {504, 40, 73, 24}, 19, Look::black},
    {"Label7", "Central", {504, 160, 73, 24}, 19, Look::black},
    {"Label8", "West", {504, 296, 73, 24}, 19, Look::black},
};

QPushButton *pushButton(QWidget *parent, const char *member, const QString &caption, const QRect &place)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(member);
    button->setGeometry(place);
    button->setFont(Look::sansFont(13));
    button->setAutoDefault(true);
    Look::setColors(button, Look::black);
    return button;
}

struct TeamButton {
    const char *member;
    const char *caption;
    int left;
    int top;
    const char *key;   // the team key the button writes
};

// Each division's buttons start 24 px below its heading and follow every
// 16 px, one pixel of overlap between neighbours. Top to bottom per column,
// which is also the keyboard order.
const TeamButton teamButtons[] = {
    {"Button1", "Baltimore", americanLeft, 64, "BALTIMORE"},
    {"Button2", "Boston", americanLeft, 80, "BOSTON"},
    {"Button3", "New York", americanLeft, 96, "NEW YORK(A)"},
    {"Button4", "Tampa Bay", americanLeft, 112, "TAMPA BAY"},
    {"Button5", "Toronto", americanLeft, 128, "TORONTO"},
    {"Button10", "Chicago", americanLeft, 184, "CHICAGO(A)"},
    {"Button9", "Cleveland", americanLeft, 200, "CLEVELAND"},
    {"Button8", "Detroit", americanLeft, 216, "DETROIT"},
    {"Button7", "Kansas City", americanLeft, 232, "KANSAS CITY"},
    {"Button6", "Minnesota", americanLeft, 248, "MINNESOTA"},
    {"Button13", "Anaheim", americanLeft, 304, "ANAHEIM"},
    {"Button12", "Oakland", americanLeft, 320, "OAKLAND"},
    {"Button11", "Seattle", americanLeft, 336, "SEATTLE"},
    {"Button15", "Texas", americanLeft, 352, "TEXAS"},
    {"Button14", "Atlanta", nationalLeft, 64, "ATLANTA"},
    {"Button19", "Florida", nationalLeft, 80, "FLORIDA"},
    {"Button18", "Montreal", nationalLeft, 96, "MONTREAL"},
    {"Button17", "New York", nationalLeft, 112, "NEW YORK(N)"},
    {"Button16", "Philadelphia", nationalLeft, 128, "PHILADELPHIA"},
    {"Button20", "Chicago", nationalLeft, 184, "CHICAGO(N)"},
    {"Button21", "Cincinnati", nationalLeft, 200, "CINCINNATI"},
    {"Button22", "Houston", nationalLeft, 216, "HOUSTON"},
    {"Button23", "Milwaukee", nationalLeft, 232, "MILWAUKEE"},
    {"Button24", "Pittsburgh", nationalLeft, 248, "PITTSBURGH"},
    {"Button25", "St. Louis", nationalLeft, 264, "SAINT LOUIS"},
    {"Button26", "Arizona", nationalLeft, 320, "ARIZONA"},
    {"Button27", "Colorado", nationalLeft, 336, "COLORADO"},
    {"Button28", "Los Angeles", nationalLeft, 352, "LOS ANGELES"},
    {"Button29", "San Diego", nationalLeft, 368, "SAN DIEGO"},
    {"Button30", "San Francisco", nationalLeft, 384, "SAN FRANCISCO"},
};

} // namespace

TTeammenu::TTeammenu() : TForm("Teammenu", "Team Menu")
{
    setWindowPlacement(Placement::Maximized, QRect(200, 104, 435, 300));
    setClientColor(Look::white);
    setClientSize(577, 401);
    createHeadings();
    createTeamButtons();
}

void TTeammenu::createHeadings()
{
    for (const Heading &heading : headings) {
        auto *label = new QLabel(heading.caption, client());
        label->setObjectName(heading.member);
        label->setGeometry(heading.place);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setFont(Look::sansFont(heading.pixelSize));
        Look::setColors(label, Look::white, heading.band);
    }
}

void TTeammenu::createTeamButtons()
{
    for (const TeamButton &row : teamButtons) {
        QPushButton *button = pushButton(client(), row.member, row.caption,
                                         QRect(QPoint(row.left, row.top), teamButtonSize));
        const QString key = row.key;
        onClick(button, [key] { TeamButtonClick(key); });
    }
    Button31 = pushButton(client(), "Button31", "Main Menu", QRect(256, 160, 129, 65));
    onClick(Button31, [this] { Button31Click(); });
    client()->findChild<QPushButton *>(teamButtons[0].member)->setFocus();
}

void TTeammenu::TeamButtonClick(const QString &key)
{
    // The key first: the breakdown reads it while it is being shown.
    Selection::setTeamKey(key);
    Screens::show("Form2");
}

void TTeammenu::Button31Click() { Close(); }
