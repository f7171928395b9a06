#include "screens/menu/TMMenu.h"

#include "app/InstallFolder.h"
#include "app/Screens.h"
#include "app/Selection.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"

#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

using Action = TMMenu::Action;
using Writes = Action::Writes;

Action position(const QString &code)
{
    const bool pitcher = code == "SP" || code == "RP";
    return {Writes::PositionCode, code, pitcher ? "starters" : "secbase"};
}
Action team(const QString &key) { return {Writes::TeamKey, key, "Form2"}; }
Action report(const QString &target) { return {Writes::Nothing, QString(), target}; }

struct ButtonRow {
    const char *member;
    const char *caption;
    QRect place;
    Action action;
};

// Position buttons on the stadium picture, in tab order; then the report
// buttons, in tab order.
const ButtonRow buttonRows[] = {
    {"Button1", "SS", {208, 240, 17, 17}, position("SS")},
    {"Button2", "3B", {168, 264, 17, 17}, position("3B")},
    {"Button3", "C", {264, 360, 17, 17}, position("C")},
    {"Button4", "1B", {344, 264, 17, 17}, position("1B")},
    {"Button5", "2B", {296, 240, 17, 17}, position("2B")},
    {"Button6", "OF", {352, 208, 17, 17}, position("OF")},
    {"Button7", "OF", {256, 192, 17, 17}, position("OF")},
    {"Button8", "OF", {144, 208, 17, 17}, position("OF")},
    {"Button9", "DH", {176, 332, 25, 17}, position("DH")},
    {"Button10", "SP", {232, 292, 17, 17}, position("SP")},
    {"Button11", "RP", {288, 292, 25, 17}, position("RP")},
    {"Button12", "Team By Team Reports", {488, 96, 145, 25}, report("Teammenu")},
    {"Button13", "10 Winning Tips", {487, 120, 145, 25}, report("Form3")},
    {"Button14", "Breakout Batting Candidates", {487, 144, 145, 25}, report("Breakbat")},
    {"Button15", "The Top Offseason Moves", {487, 240, 145, 25}, report("Moves")},
    {"Button16", "Breakout Pitching Candidates", {487, 168, 145, 25}, report("Breakpit")},
    {"Button17", "Hot Hitting Prospects", {487, 192, 145, 25}, report("Prospec")},
    {"Button18", "Hot Pitching Prospects", {487, 216, 145, 25}, report("pitpros")},
    {"Button19", "Top 98 Players for 1998", {487, 264, 145, 25}, report("tp98")},
    {"Button21", "The Spreadsheet", {487, 288, 145, 25}, report("Sheet")},
    {"Button22", "Help Me", {488, 312, 145, 25}, report("Help")},
    {"Button23", "About Quillomet", {488, 336, 145, 25}, report("Form5")},
};

struct EntryRow {
    const char *member;
    const char *caption;
    Action action;
};

struct MenuRow {
    const char *member;
    const char *caption;
    QVector<EntryRow> entries;
};

const QVector<MenuRow> &menuRows()
{
    static const QVector<MenuRow> menus = {
        {"POSITION1", "POSITION", {
            {"FirstBase1", "First Base", position("1B")},
            {"SecondBase1", "Second Base", position("2B")},
            {"ThirdBase1", "Third Base", position("3B")},
            {"S1", "Shortstop", position("SS")},
            {"Catcher1", "Catcher", position("C")},
            {"Outfield1", "Outfield", position("OF")},
            {"DH1", "DH", position("DH")},
            {"StartingPitchers1", "Starting Pitchers", position("SP")},
            {"ReliefPitchers1", "Relief Pitchers", position("RP")},
        }},
        {"AMERICANLEAGUE1", "AMERICAN LEAGUE", {
            {"WriteUps1", "Anaheim Angels", team("ANAHEIM")},
            {"Lineups1", "Baltimore Orioles", team("BALTIMORE")},
            {"BostonRedSox1", "Boston Red Sox", team("BOSTON")},
            {"ChicagoWhiteSox1", "Chicago White Sox", team("CHICAGO(A)")},
            {"ClevelandIndians1", "Cleveland Indians", team("CLEVELAND")},
            {"DetroitTigers1", "Detroit Tigers", team("DETROIT")},
            {"KansasCityRoyals1", "Kansas City Royals", team("KANSAS CITY")},
            {"MinnesotaTwins1", "Minnesota Twins", team("MINNESOTA")},
            {"NewYorkYankees1", "New York Yankees", team("NEW YORK(A)")},
            {"OaklandAs1", "Oakland A's", team("OAKLAND")},
            {"SeattleMariners1", "Seattle Mariners", team("SEATTLE")},
            {"TampaBayDevilRays1", "Tampa Bay Devil Rays", team("TAMPA BAY")},
            {"TexasRangers1", "Texas Rangers", team("TEXAS")},
            {"TorontoBlueJays1", "Toronto Blue Jays", team("TORONTO")},
        }},
        {"NATIONALLEAGUE1", "NATIONAL LEAGUE", {
            {"ETCETERA1", "Atlanta Braves", team("ATLANTA")},
            {"ArizonaDiamondbacks1", "Arizona Diamondbacks", team("ARIZONA")},
            {"ChicagoCubs1", "Chicago Cubs", team("CHICAGO(N)")},
            {"CincinnatiReds1", "Cincinnati Reds", team("CINCINNATI")},
            {"ColoradoRockies1", "Colorado Rockies", team("COLORADO")},
            {"FloridaMarlins1", "Florida Marlins", team("FLORIDA")},
            {"HoustonAstros1", "Houston Astros", team("HOUSTON")},
            {"LosAngelesDodgers1", "Los Angeles Dodgers", team("LOS ANGELES")},
            {"MilwaukeeBrewers1", "Milwaukee Brewers", team("MILWAUKEE")},
            {"MontrealExpos1", "Montreal Expos", team("MONTREAL")},
            {"NewYorkMets1", "New York Mets", team("NEW YORK(N)")},
            {"PhiladelphiaPhillies1", "Philadelphia Phillies", team("PHILADELPHIA")},
            {"PittsburghPirates1", "Pittsburgh Pirates", team("PITTSBURGH")},
            {"StLouisCardinals1", "St. Louis Cardinals", team("SAINT LOUIS")},
            {"SanDiegoPadres1", "San Diego Padres", team("SAN DIEGO")},
            {"SanFranciscoGiants1", "San Francisco Giants", team("SAN FRANCISCO")},
        }},
        {"ETCETERA2", "REPORTS", {
            {"Top98for19981", "Top 98 for 1998", report("tp98")},
            {"HotProspects1", "Hot Hitting Prospects", report("Prospec")},
            {"N10WinningTips1", "10 Winning Tips", report("Form3")},
            {"BreakoutBatters1", "Breakout Batters", report("Breakbat")},
            {"BreakoutPitchers1", "Breakout Pitchers", report("Breakpit")},
            {"Top10OffseasonMoves1", "Top Offseason Moves", report("Moves")},
            {"AboutQuillomet1", "About Quillomet", report("Form5")},
            {"TheSpreadsheet1", "The Spreadsheet", report("Sheet")},
            {"HotPitchingProspects1", "Hot Pitching Prospects", report("pitpros")},
            {"HELP1", "Help Me", report("Help")},
        }},
    };
    return menus;
}

QLabel *picture(QWidget *parent, const char *member, const QRect &place, const QString &file)
{
    // Drawn unscaled from the top left corner: the frame cuts off the rest.
    auto *label = new QLabel(parent);
    label->setObjectName(member);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setPixmap(QPixmap(InstallFolder::path() + "pictures/" + file));
    return label;
}

} // namespace

TMMenu::TMMenu() : TForm("MMenu", "Quillomet")
{
    setWindowPlacement(Placement::Maximized, QRect(206, 39, 443, 367));
    setClientColor(Look::white);
    setClientSize(633, 393);
    createPictures();
    createButtons();
    createMenus();
}

void TMMenu::run(const Action &action)
{
    if (action.writes == Writes::PositionCode)
        Selection::setPositionCode(action.value);
    else if (action.writes == Writes::TeamKey)
        Selection::setTeamKey(action.value);
    Screens::show(action.target);
}

void TMMenu::createPictures()
{
    Image2 = picture(client(), "Image2", {16, 8, 449, 41}, "title.bmp");
    Image1 = picture(client(), "Image1", {8, 56, 473, 337}, "stadium.bmp");

    Label1 = new QLabel("REPORTS", client());
    Label1->setObjectName("Label1");
    Label1->setGeometry(488, 64, 145, 33);
    Label1->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1->setFont(Look::sansFont(24));
    Look::setColors(Label1, Look::white, Look::navy);

    Memo1 = new QPlainTextEdit(client());
    Memo1->setObjectName("Memo1");
    Memo1->setGeometry(24, 336, 113, 49);
    Memo1->setPlainText("To View a player, \nclick on the player's \nposition.");
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    Memo1->document()->setDocumentMargin(1);
    Look::setColors(Memo1, Look::black, Look::white);
}

void TMMenu::createButtons()
{
    QWidget *previous = nullptr;
    for (const ButtonRow &row : buttonRows) {
        auto *button = new QPushButton(row.caption, client());
        button->setObjectName(row.member);
        button->setGeometry(row.place);
        button->setAutoDefault(true);
        if (QString(row.member) == "Button9")
            button->setFont(Look::sansFont(9));
        const Action action = row.action;
        onClick(button, [action] { run(action); });
        if (previous)
            setTabOrder(previous, button);
        previous = button;
    }
    // The pictures lie beneath the buttons; the hint box ends the tab order.
    Image1->lower();
    setTabOrder(previous, Memo1);
    client()->findChild<QPushButton *>("Button1")->setFocus();
}

void TMMenu::createMenus()
{
    for (const MenuRow &menuRow : menuRows()) {
        QMenu *menu = menuBar()->addMenu(menuRow.caption);
        menu->setObjectName(menuRow.member);
        for (const EntryRow &entry : menuRow.entries) {
            QAction *item = menu->addAction(entry.caption);
            item->setObjectName(entry.member);
            const Action action = entry.action;
            connect(item, &QAction::triggered, this, [action] { Application::instance().guard([action] { run(action); }); });
        }
    }
}
