#include "TestSupport.h"

#include "app/Selection.h"
#include "platform/forms/Application.h"
#include "platform/forms/TForm.h"
#include "screens/menu/TMMenu.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

// Stands in for a target screen: notes the selection it saw when activated.
class TargetProbe : public TForm {
public:
    using TForm::TForm;
    QString positionSeen, teamSeen;
    void FormActivate() override
    {
        positionSeen = Selection::positionCode();
        teamSeen = Selection::teamKey();
    }
};

const QStringList targets = {"secbase", "starters", "Form2", "Teammenu", "Form3", "Breakbat", "Breakpit",
                             "Prospec", "pitpros", "Moves", "tp98", "Sheet", "Help", "Form5"};

} // namespace

class MenuTest : public QObject {
    Q_OBJECT

    Application &app = Application::instance();
    TMMenu *menu = nullptr;

    TargetProbe *probe(const QString &name) { return static_cast<TargetProbe *>(app.form(name)); }

    // Runs one control of the main menu and tells which screen came up.
    QString trigger(const QString &member)
    {
        if (auto *button = menu->findChild<QPushButton *>(member))
            button->click();
        else if (auto *action = menu->findChild<QAction *>(member))
            action->trigger();
        else
            return "no control " + member;
        TForm *shown = app.activeForm();
        const QString name = shown->objectName();
        if (shown != menu)
            shown->Close();
        return name;
    }

private slots:
    void init()
    {
        menu = new TMMenu;
        app.addForm(menu);
        for (const QString &name : targets)
            app.addForm(new TargetProbe(name, name));
        app.show(menu);
        Selection::setPositionCode("--");
        Selection::setTeamKey("--");
    }
    void cleanup()
    {
        app.destroyForms();
        Selection::reset();
    }

    void positionActions_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("target");
        const QList<std::tuple<const char *, const char *, const char *>> rows = {
            {"Button4", "1B", "secbase"}, {"FirstBase1", "1B", "secbase"},
            {"Button5", "2B", "secbase"}, {"SecondBase1", "2B", "secbase"},
            {"Button2", "3B", "secbase"}, {"ThirdBase1", "3B", "secbase"},
            {"Button1", "SS", "secbase"}, {"S1", "SS", "secbase"},
            {"Button3", "C", "secbase"}, {"Catcher1", "C", "secbase"},
            {"Button6", "OF", "secbase"}, {"Button7", "OF", "secbase"}, {"Button8", "OF", "secbase"},
            {"Outfield1", "OF", "secbase"},
            {"Button9", "DH", "secbase"}, {"DH1", "DH", "secbase"},
            {"Button10", "SP", "starters"}, {"StartingPitchers1", "SP", "starters"},
            {"Button11", "RP", "starters"}, {"ReliefPitchers1", "RP", "starters"},
        };
        for (const auto &[member, code, target] : rows)
            QTest::newRow(member) << member << code << target;
    }
    void positionActions()
    {
        QFETCH(QString, member);
        QFETCH(QString, code);
        QFETCH(QString, target);
        QCOMPARE(trigger(member), target);
        // Written before the target was shown: its activation saw it.
        QCOMPARE(probe(target)->positionSeen, code);
        QCOMPARE(Selection::positionCode(), code);
        QCOMPARE(Selection::teamKey(), QString("--"));
    }

    void teamEntries_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("key");
        const QList<std::pair<const char *, const char *>> rows = {
            {"WriteUps1", "ANAHEIM"}, {"Lineups1", "BALTIMORE"}, {"BostonRedSox1", "BOSTON"},
            {"ChicagoWhiteSox1", "CHICAGO(A)"}, {"ClevelandIndians1", "CLEVELAND"}, {"DetroitTigers1", "DETROIT"},
            {"KansasCityRoyals1", "KANSAS CITY"}, {"MinnesotaTwins1", "MINNESOTA"}, {"NewYorkYankees1", "NEW YORK(A)"},
            {"OaklandAs1", "OAKLAND"}, {"SeattleMariners1", "SEATTLE"}, {"TampaBayDevilRays1", "TAMPA BAY"},
            {"TexasRangers1", "TEXAS"}, {"TorontoBlueJays1", "TORONTO"}, {"ETCETERA1", "ATLANTA"},
            {"ArizonaDiamondbacks1", "ARIZONA"}, {"ChicagoCubs1", "CHICAGO(N)"}, {"CincinnatiReds1", "CINCINNATI"},
            {"ColoradoRockies1", "COLORADO"}, {"FloridaMarlins1", "FLORIDA"}, {"HoustonAstros1", "HOUSTON"},
            {"LosAngelesDodgers1", "LOS ANGELES"}, {"MilwaukeeBrewers1", "MILWAUKEE"}, {"MontrealExpos1", "MONTREAL"},
            {"NewYorkMets1", "NEW YORK(N)"}, {"PhiladelphiaPhillies1", "PHILADELPHIA"},
            {"PittsburghPirates1", "PITTSBURGH"}, {"StLouisCardinals1", "SAINT LOUIS"},
            {"SanDiegoPadres1", "SAN DIEGO"}, {"SanFranciscoGiants1", "SAN FRANCISCO"},
        };
        for (const auto &[member, key] : rows)
            QTest::newRow(member) << member << key;
    }
    void teamEntries()
    {
        QFETCH(QString, member);
        QFETCH(QString, key);
        // The team breakdown directly; the team menu is not shown on the way.
        QCOMPARE(trigger(member), QString("Form2"));
        QVERIFY(!probe("Teammenu")->isVisible());
        QCOMPARE(probe("Form2")->teamSeen, key);
        QCOMPARE(Selection::positionCode(), QString("--"));
    }

    void reportActionsWriteNothing_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("target");
        const QList<std::pair<const char *, const char *>> rows = {
            {"Button12", "Teammenu"}, {"Button13", "Form3"}, {"N10WinningTips1", "Form3"},
            {"Button14", "Breakbat"}, {"BreakoutBatters1", "Breakbat"}, {"Button16", "Breakpit"},
            {"BreakoutPitchers1", "Breakpit"}, {"Button17", "Prospec"}, {"HotProspects1", "Prospec"},
            {"Button18", "pitpros"}, {"HotPitchingProspects1", "pitpros"}, {"Button15", "Moves"},
            {"Top10OffseasonMoves1", "Moves"}, {"Button19", "tp98"}, {"Top98for19981", "tp98"},
            {"Button21", "Sheet"}, {"TheSpreadsheet1", "Sheet"}, {"Button22", "Help"}, {"HELP1", "Help"},
            {"Button23", "Form5"}, {"AboutQuillomet1", "Form5"},
        };
        for (const auto &[member, target] : rows)
            QTest::newRow(member) << member << target;
    }
    void reportActionsWriteNothing()
    {
        QFETCH(QString, member);
        QFETCH(QString, target);
        QCOMPARE(trigger(member), target);
        QCOMPARE(Selection::positionCode(), QString("--"));
        QCOMPARE(Selection::teamKey(), QString("--"));
        QVERIFY(menu->isVisible());
    }

    void menuBarHoldsFourMenusInOrder()
    {
        QStringList menus;
        for (QAction *action : menu->menuBar()->actions())
            menus << action->menu()->objectName() + ':' + action->text() + ':'
                         + QString::number(action->menu()->actions().size());
        QCOMPARE(menus, (QStringList{"POSITION1:POSITION:9", "AMERICANLEAGUE1:AMERICAN LEAGUE:14",
                                     "NATIONALLEAGUE1:NATIONAL LEAGUE:16", "ETCETERA2:REPORTS:10"}));
        const auto national = menu->findChild<QMenu *>("NATIONALLEAGUE1")->actions();
        QCOMPARE(national.first()->text(), QString("Atlanta Braves"));
        QCOMPARE(national.at(1)->text(), QString("Arizona Diamondbacks"));
    }

    void tabOrderStartsOnShortstop()
    {
        QStringList order;
        QWidget *w = menu->findChild<QPushButton *>("Button1");
        QCOMPARE(menu->focusWidget(), w);
        for (int i = 0; i < 23; ++i, w = w->nextInFocusChain()) {
            while (w->focusPolicy() == Qt::NoFocus || w->objectName().isEmpty() || !w->isVisibleTo(menu))
                w = w->nextInFocusChain();
            order << w->objectName();
        }
        QCOMPARE(order, (QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7",
                                     "Button8", "Button9", "Button10", "Button11", "Button12", "Button13", "Button14",
                                     "Button15", "Button16", "Button17", "Button18", "Button19", "Button21",
                                     "Button22", "Button23", "Memo1"}));
    }

    void enterOnShortstopOpensTheHitterCard()
    {
        QTest::keyClick(menu->focusWidget(), Qt::Key_Return);
        QCOMPARE(app.activeForm()->objectName(), QString("secbase"));
        QCOMPARE(probe("secbase")->positionSeen, QString("SS"));
    }

    void layout()
    {
        saveScreenshot(menu, "main-menu");
        const QList<std::pair<const char *, QRect>> places = {
            {"Image2", {16, 8, 449, 41}}, {"Image1", {8, 56, 473, 337}}, {"Label1", {488, 64, 145, 33}},
            {"Memo1", {24, 336, 113, 49}}, {"Button9", {176, 332, 25, 17}}, {"Button23", {488, 336, 145, 25}}};
        for (const auto &[member, place] : places)
            QCOMPARE(menu->findChild<QWidget *>(member)->geometry(), place);
        QCOMPARE(menu->windowTitle(), QString("Quillomet"));
        QVERIFY(menu->isMaximized());
        QCOMPARE(menu->Memo1->toPlainText(), QString("To View a player, \nclick on the player's \nposition."));
    }
};

QTEST_MAIN(MenuTest)
#include "MenuTest.moc"
