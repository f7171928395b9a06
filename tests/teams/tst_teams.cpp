#include "TeamSession.h"
#include "support/TestSupport.h"

#include "app/Screens.h"
#include "app/Selection.h"
#include "platform/Failure.h"
#include "platform/controls/TDBEdit.h"
#include "platform/controls/TDBMemo.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/teams/TForm2.h"
#include "screens/teams/TTeammenu.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace {

struct TeamButtonKey {
    const char *button;
    const char *key;
};

// The thirty team buttons and the team keys they write.
const TeamButtonKey teamButtonKeys[] = {
    {"Button1", "BALTIMORE"},    {"Button2", "BOSTON"},        {"Button3", "NEW YORK(A)"},
    {"Button4", "TAMPA BAY"},    {"Button5", "TORONTO"},       {"Button10", "CHICAGO(A)"},
    {"Button9", "CLEVELAND"},    {"Button8", "DETROIT"},       {"Button7", "KANSAS CITY"},
    {"Button6", "MINNESOTA"},    {"Button13", "ANAHEIM"},      {"Button12", "OAKLAND"},
    {"Button11", "SEATTLE"},     {"Button15", "TEXAS"},        {"Button14", "ATLANTA"},
    {"Button19", "FLORIDA"},     {"Button18", "MONTREAL"},     {"Button17", "NEW YORK(N)"},
    {"Button16", "PHILADELPHIA"}, {"Button20", "CHICAGO(N)"},  {"Button21", "CINCINNATI"},
    {"Button22", "HOUSTON"},     {"Button23", "MILWAUKEE"},    {"Button24", "PITTSBURGH"},
    {"Button25", "SAINT LOUIS"}, {"Button26", "ARIZONA"},      {"Button27", "COLORADO"},
    {"Button28", "LOS ANGELES"}, {"Button29", "SAN DIEGO"},    {"Button30", "SAN FRANCISCO"},
};

struct LineupBoxes {
    const char *name;
    const char *nameField;
    const char *narrow;
    const char *narrowField;
};

// The lineup card from top to bottom.
const LineupBoxes lineup[] = {
    {"DBEdit1", "One", "DBEdit19", "POS1"},        {"DBEdit2", "Two", "DBEdit17", "POS2"},
    {"DBEdit3", "Three", "DBEdit21", "POS3"},      {"DBEdit4", "Four", "DBEdit20", "POS4"},
    {"DBEdit7", "Five", "DBEdit29", "POS5"},       {"DBEdit5", "Six", "DBEdit28", "POS6"},
    {"DBEdit8", "Seven", "DBEdit27", "POS7"},      {"DBEdit6", "Eight", "DBEdit26", "POS8"},
    {"DBEdit9", "Nine", "DBEdit25", "POS9"},       {"DBEdit13", "SP1", "DBEdit24", "Starter1"},
    {"DBEdit12", "SP2", "DBEdit23", "Starter2"},   {"DBEdit11", "SP3", "DBEdit22", "Starter3"},
    {"DBEdit10", "SP4", "DBEdit18", "Starter4"},   {"DBEdit14", "SP5", "DBEdit31", "Starter5"},
    {"DBEdit15", "Closer", "DBEdit30", "Closer1"},
};

const QString refuseUpdates =
    "CREATE TRIGGER refuse BEFORE UPDATE ON TEAMPLAT "
    "BEGIN SELECT RAISE(ABORT, 'the team table is write-protected'); END";

QList<QVariantList> everyTeam()
{
    QList<QVariantList> records;
    int rank = 0;
    for (const TeamButtonKey &team : teamButtonKeys)
        records << TeamSession::record(team.key, team.key, rank++ % 5 + 1);
    return records;
}

// Once the window has taken its maximized size and laid itself out.
void shoot(QWidget *screen, const QString &name)
{
    QTest::qWait(50);
    saveScreenshot(screen, name);
}

QString sqlText(const QString &text) { return "'" + QString(text).replace('\'', "''") + "'"; }

} // namespace

class TeamsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void init();
    void cleanup();

    // Choosing a team.
    void teamButtonShowsItsOwnRecord_data();
    void teamButtonShowsItsOwnRecord();
    void onlyTheExactKeyIsShown_data();
    void onlyTheExactKeyIsShown();
    void buttonsShowAndCloseTheRightScreens();
    void teamMenuFollowsItsDivisions();
    void lineupCardShowsEachFieldInItsRow();
    void focusStartsInTheLeadOffNameAndComesBack();
    void missingBoundFieldFailsCreation_data();
    void missingBoundFieldFailsCreation();

    // Editing, read back from the table file after each write.
    void editIsWrittenAtTheNextActivation();
    void textLeftInTheBoxIsWrittenAfterTheCloseBox();
    void escapeAloneWritesNothing();
    void escapePutsBackTheValueStoredEarlier();
    void anotherProgramIsNoActivation();
    void refusedWriteKeepsTheEditAndRetries_data();
    void refusedWriteKeepsTheEditAndRetries();
    void missingTeamStartsANewRecord_data();
    void missingTeamStartsANewRecord();
    void everyChangingKeyStartsTheEdit_data();
    void everyChangingKeyStartsTheEdit();
    void boxTakesAtMostItsFieldWidth_data();
    void boxTakesAtMostItsFieldWidth();
    void divisionRankTakesOnlyANumber();
    void numberThatCannotBeStoredStopsTheClick();

    // Across processes.
    void pendingEditIsWrittenWhenTheProgramEnds_data();
    void pendingEditIsWrittenWhenTheProgramEnds();
    void killedWriterLeavesEachRecordOldOrNew();

    void screenshots();

private:
    void createTeamTable(const QList<QVariantList> &records, const QStringList &extraSql = {});
    void startSession(const QList<QVariantList> &records, const QStringList &extraSql = {});
    TForm2 *breakdown() const { return static_cast<TForm2 *>(Screens::find("Form2")); }
    TTeammenu *teamMenu() const { return static_cast<TTeammenu *>(Screens::find("Teammenu")); }
    TDBEdit *box(const QString &name) const { return breakdown()->findChild<TDBEdit *>(name); }
    void pickTeam(const char *button);
    void clickTeamMenu();
    void typeInto(const QString &boxName, const QString &text);
    // A field of the record told apart by its tag (its `Hitting` text), read
    // through a connection of its own.
    QVariant stored(const QString &tag, const QString &field) const;
    QVariantList storedRecord(const QString &tag) const;
    int writes() const;

    std::unique_ptr<TestInstall> m_install;
    std::unique_ptr<MessageRecorder> m_messages;
};

void TeamsTest::init()
{
    m_install = std::make_unique<TestInstall>();
    m_messages = std::make_unique<MessageRecorder>();
}

void TeamsTest::cleanup()
{
    Application::instance().destroyForms();
    Selection::reset();
    m_messages.reset();
    m_install.reset();
}

void TeamsTest::createTeamTable(const QList<QVariantList> &records, const QStringList &extraSql)
{
    m_install->createTable(TeamSession::tableFile, TeamSession::columns(), records,
                           TeamSession::writeLog() + extraSql);
    m_install->query(TeamSession::tableFile, "DELETE FROM writes");
}

void TeamsTest::startSession(const QList<QVariantList> &records, const QStringList &extraSql)
{
    createTeamTable(records, extraSql);
    TeamSession::createScreens();
    Application::instance().show(Application::instance().mainForm());
    QVERIFY(QTest::qWaitForWindowActive(Application::instance().mainForm()));
}

void TeamsTest::pickTeam(const char *button)
{
    if (!teamMenu()->isVisible())
        Screens::show("Teammenu");
    QVERIFY(QTest::qWaitForWindowActive(teamMenu()));
    QTest::mouseClick(teamMenu()->findChild<QPushButton *>(button), Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(breakdown()));
}

void TeamsTest::clickTeamMenu()
{
    QTest::mouseClick(breakdown()->Button1, Qt::LeftButton);
    QVERIFY(QTest::qWaitForWindowActive(teamMenu()));
}

void TeamsTest::typeInto(const QString &boxName, const QString &text)
{
    // Into the box, all of it selected, so that typing replaces it.
    TDBEdit *target = box(boxName);
    QVERIFY2(target, qPrintable(boxName));
    target->setFocus(Qt::TabFocusReason);
    QCOMPARE(QApplication::focusWidget(), target);
    QTest::keyClick(target, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(target, text);
}

QVariant TeamsTest::stored(const QString &tag, const QString &field) const
{
    const auto rows = m_install->query(
        TeamSession::tableFile,
        QString("SELECT \"%1\" FROM TEAMPLAT WHERE Hitting = %2").arg(field, sqlText("Offense of " + tag)));
    return rows.size() == 1 ? rows.first().first() : QVariant("<no single record>");
}

QVariantList TeamsTest::storedRecord(const QString &tag) const
{
    const auto rows = m_install->query(
        TeamSession::tableFile, "SELECT * FROM TEAMPLAT WHERE Hitting = " + sqlText("Offense of " + tag));
    return rows.size() == 1 ? rows.first() : QVariantList();
}

int TeamsTest::writes() const
{
    return m_install->query(TeamSession::tableFile, "SELECT COUNT(*) FROM writes").first().first().toInt();
}

// ---------------------------------------------------------------- choosing a team

void TeamsTest::teamButtonShowsItsOwnRecord_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("key");
    for (const TeamButtonKey &team : teamButtonKeys)
        QTest::newRow(team.key) << team.button << team.key;
}

void TeamsTest::teamButtonShowsItsOwnRecord()
{
    QFETCH(QString, button);
    QFETCH(QString, key);
    startSession(everyTeam());
    Screens::show("Teammenu");

    pickTeam(qPrintable(button));

    QCOMPARE(Selection::teamKey(), key);
    QCOMPARE(Application::instance().activeForm(), breakdown());
    QVERIFY(teamMenu()->isVisible());
    QCOMPARE(box("DBEdit33")->text(), key);
    QCOMPARE(breakdown()->DBMemo3->toPlainText(), "Offense of " + key);
    QCOMPARE(breakdown()->DBMemo2->toPlainText(), "Pitching of " + key);
    QCOMPARE(box("DBEdit1")->text(), key + " 1");
    QCOMPARE(breakdown()->windowTitle(), QString("Team Breakdowns"));
    QVERIFY(m_messages->messages.isEmpty());
}

void TeamsTest::onlyTheExactKeyIsShown_data()
{
    QTest::addColumn<QVariantList>("teams");   // the stored `Team` values, record i tagged "record i"
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("shown");            // the record shown, -1 for none

    QTest::newRow("letter case differs") << QVariantList{"Seattle", "seattle"} << "SEATTLE" << -1;
    QTest::newRow("trailing blank") << QVariantList{"SEATTLE "} << "SEATTLE" << -1;
    QTest::newRow("leading blank") << QVariantList{" SEATTLE"} << "SEATTLE" << -1;
    QTest::newRow("league mark missing") << QVariantList{"NEW YORK"} << "NEW YORK(A)" << -1;
    QTest::newRow("exact among near misses")
        << QVariantList{QVariant(), "", "seattle", "SEATTLE ", "SEATTLE"} << "SEATTLE" << 4;
    QTest::newRow("empty key, blank and null teams") << QVariantList{QVariant(), ""} << "" << -1;
}

void TeamsTest::onlyTheExactKeyIsShown()
{
    QFETCH(QVariantList, teams);
    QFETCH(QString, key);
    QFETCH(int, shown);
    QList<QVariantList> records;
    for (int i = 0; i < teams.size(); ++i)
        records << TeamSession::record(teams[i], QString("record %1").arg(i));
    startSession(records);

    // As a league menu entry does it.
    Selection::setTeamKey(key);
    Screens::show("Form2");

    if (shown < 0) {
        QVERIFY(breakdown()->Table1->IsEmpty());
        for (const TDBEdit *edit : breakdown()->findChildren<TDBEdit *>())
            QVERIFY2(edit->text().isEmpty(), qPrintable(edit->objectName() + ": " + edit->text()));
        QVERIFY(breakdown()->DBMemo3->toPlainText().isEmpty());
        QVERIFY(breakdown()->DBMemo2->toPlainText().isEmpty());
    } else {
        QCOMPARE(breakdown()->DBMemo3->toPlainText(), QString("Offense of record %1").arg(shown));
    }
    QVERIFY(m_messages->messages.isEmpty());
}

void TeamsTest::buttonsShowAndCloseTheRightScreens()
{
    startSession(everyTeam());
    Application &application = Application::instance();
    TForm *mainMenu = application.mainForm();

    pickTeam("Button25");
    QCOMPARE(box("DBEdit33")->text(), QString("SAINT LOUIS"));
    QVERIFY(breakdown()->isMaximized());
    const QRect desktop = breakdown()->geometry();

    // "Main Menu" on the breakdown: the main menu in front, the team menu still open.
    QTest::mouseClick(breakdown()->Button2, Qt::LeftButton);
    QCOMPARE(application.activeForm(), mainMenu);
    QVERIFY(!breakdown()->isVisible());
    QVERIFY(teamMenu()->isVisible());
    QCOMPARE(application.stack().last(), mainMenu);

    // A league menu entry shows the breakdown directly; its "Team Menu" brings
    // the open team menu to the front instead of making another.
    Selection::setTeamKey("CHICAGO(N)");
    Screens::show("Form2");
    QVERIFY(QTest::qWaitForWindowActive(breakdown()));
    QCOMPARE(box("DBEdit33")->text(), QString("CHICAGO(N)"));
    QCOMPARE(breakdown()->geometry(), desktop);   // maximized again, not at its restored place
    QTest::mouseClick(breakdown()->Button1, Qt::LeftButton);
    QCOMPARE(application.activeForm(), teamMenu());
    QVERIFY(!breakdown()->isVisible());
    QCOMPARE(application.stack(), (QList<TForm *>{mainMenu, teamMenu()}));

    // The team menu's own "Main Menu" hides it and uncovers the main menu.
    QTest::mouseClick(teamMenu()->Button31, Qt::LeftButton);
    QVERIFY(!teamMenu()->isVisible());
    QCOMPARE(application.activeForm(), mainMenu);
    QVERIFY(mainMenu->isVisible());

    // With the team menu hidden, the breakdown's "Team Menu" shows it again.
    Selection::setTeamKey("TEXAS");
    Screens::show("Form2");
    QTest::mouseClick(breakdown()->Button1, Qt::LeftButton);
    QVERIFY(teamMenu()->isVisible());
    QCOMPARE(application.activeForm(), teamMenu());
    QVERIFY(m_messages->messages.isEmpty());
}

void TeamsTest::teamMenuFollowsItsDivisions()
{
    startSession(everyTeam());
    // Each column: its league heading, then its division headings with the
    // number of clubs under each.
    struct Column {
        const char *league;
        QStringList divisions;
        QList<int> clubs;
    };
    const Column columns[] = {{"Label1", {"Label6", "Label3", "Label2"}, {5, 5, 4}},
                              {"Label4", {"Label5", "Label7", "Label8"}, {5, 6, 5}}};
    QList<QPushButton *> teamButtons;
    for (const TeamButtonKey &team : teamButtonKeys)
        teamButtons << teamMenu()->findChild<QPushButton *>(team.button);

    int next = 0;
    for (const Column &column : columns) {
        const QRect league = teamMenu()->findChild<QLabel *>(column.league)->geometry();
        for (int d = 0; d < column.divisions.size(); ++d) {
            const QRect heading = teamMenu()->findChild<QLabel *>(column.divisions[d])->geometry();
            QCOMPARE(heading.size(), QSize(73, 24));
            // Columns line up with their league heading's outer edge.
            QVERIFY(heading.left() == league.left() || heading.right() == league.right());
            for (int c = 0; c < column.clubs[d]; ++c) {
                const QRect button = teamButtons[next++]->geometry();
                QCOMPARE(button.size(), QSize(129, 17));
                QCOMPARE(button.top(), heading.top() + 24 + 16 * c);
                QVERIFY(button.left() == league.left() || button.right() == league.right());
            }
        }
    }
    QCOMPARE(next, 30);
}

void TeamsTest::lineupCardShowsEachFieldInItsRow()
{
    const QList<QVariantList> records{TeamSession::record("BOSTON", "BOSTON")};
    startSession(records);
    pickTeam("Button2");
    const QStringList columns = TeamSession::columns();
    auto fixtureValue = [&](const QString &field) {
        for (int c = 0; c < columns.size(); ++c)
            if (columns[c].startsWith('"' + field + '"'))
                return records.first()[c].toString();
        return QString("<no field>");
    };

    int top = 32;
    for (const LineupBoxes &row : lineup) {
        const TDBEdit *name = box(row.name);
        const TDBEdit *narrow = box(row.narrow);
        QCOMPARE(name->text(), fixtureValue(row.nameField));
        QCOMPARE(narrow->text(), fixtureValue(row.narrowField));
        QCOMPARE(name->geometry(), QRect(440, top, 153, 28));
        QCOMPARE(narrow->geometry(), QRect(591, top, 33, 28));
        // Rows overlap by 4 px; a 12 px gap separates the batters from the pitchers.
        top = name->geometry().bottom() + 1 + (QString(row.name) == "DBEdit9" ? 12 : -4);
    }
}

void TeamsTest::focusStartsInTheLeadOffNameAndComesBack()
{
    startSession(everyTeam());
    pickTeam("Button1");
    QCOMPARE(QApplication::focusWidget(), box("DBEdit1"));

    box("DBEdit15")->setFocus(Qt::TabFocusReason);
    breakdown()->close();
    pickTeam("Button2");
    QCOMPARE(QApplication::focusWidget(), box("DBEdit15"));
}

void TeamsTest::missingBoundFieldFailsCreation_data()
{
    QTest::addColumn<QString>("field");
    QTest::newRow("division finish") << "Division Rank";
    QTest::newRow("closer's code") << "Closer1";
}

void TeamsTest::missingBoundFieldFailsCreation()
{
    QFETCH(QString, field);
    QStringList columns = TeamSession::columns();
    QVariantList values = TeamSession::record("BOSTON", "BOSTON");
    for (int c = 0; c < columns.size(); ++c) {
        if (columns[c].startsWith('"' + field + '"')) {
            columns.removeAt(c);
            values.removeAt(c);
        }
    }
    m_install->createTable(TeamSession::tableFile, columns, {values});
    try {
        delete new TForm2;
        QFAIL("the team breakdown was created");
    } catch (const Failure &failure) {
        QVERIFY2(failure.text().contains("TEAMPLAT.DB") && failure.text().contains("'" + field + "'"),
                 qPrintable(failure.text()));
    }
}

// ---------------------------------------------------------------- editing

void TeamsTest::editIsWrittenAtTheNextActivation()
{
    startSession(everyTeam());
    const QVariantList before = storedRecord("NEW YORK(A)");
    pickTeam("Button3");
    typeInto("DBEdit3", "J. RIVERSTONE");
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Edit);

    clickTeamMenu();
    QCOMPARE(writes(), 0);
    QCOMPARE(storedRecord("NEW YORK(A)"), before);

    pickTeam("Button17");
    QCOMPARE(box("DBEdit33")->text(), QString("NEW YORK(N)"));
    QVariantList expected = before;
    expected[TeamSession::columns().indexOf("\"Three\" VARCHAR(16)")] = "J. RIVERSTONE";
    QCOMPARE(storedRecord("NEW YORK(A)"), expected);
    QCOMPARE(writes(), 1);
    QCOMPARE(stored("NEW YORK(N)", "Three"), QVariant("NEW YORK(N) 3"));

    clickTeamMenu();
    pickTeam("Button3");
    QCOMPARE(box("DBEdit3")->text(), QString("J. RIVERSTONE"));
    QVERIFY(m_messages->messages.isEmpty());
}

void TeamsTest::textLeftInTheBoxIsWrittenAfterTheCloseBox()
{
    startSession(everyTeam());
    pickTeam("Button10");
    typeInto("DBEdit15", "T. HOLLOWAY");

    breakdown()->close();
    QVERIFY(!breakdown()->isVisible());
    QCOMPARE(Application::instance().activeForm(), teamMenu());
    QCOMPARE(writes(), 0);

    pickTeam("Button20");
    QCOMPARE(stored("CHICAGO(A)", "Closer"), QVariant("T. HOLLOWAY"));
    QCOMPARE(box("DBEdit15")->text(), QString("CHICAGO(N) CL"));
    QVERIFY(m_messages->messages.isEmpty());
}

void TeamsTest::escapeAloneWritesNothing()
{
    startSession(everyTeam());
    pickTeam("Button1");
    typeInto("DBEdit2", "X");
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Edit);

    QTest::keyClick(box("DBEdit2"), Qt::Key_Escape);
    QCOMPARE(box("DBEdit2")->text(), QString("BALTIMORE 2"));
    QCOMPARE(box("DBEdit2")->selectedText(), QString("BALTIMORE 2"));

    clickTeamMenu();
    pickTeam("Button2");
    QCOMPARE(writes(), 0);
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Browse);
}

void TeamsTest::escapePutsBackTheValueStoredEarlier()
{
    startSession(everyTeam());
    pickTeam("Button1");
    typeInto("DBEdit1", "A. FIRSTLY");
    QTest::keyClick(box("DBEdit1"), Qt::Key_Tab);   // stores it; the record stays in edit
    QCOMPARE(QApplication::focusWidget(), box("DBEdit19"));

    QTest::keyClick(box("DBEdit19"), Qt::Key_Backtab);
    QTest::keyClicks(box("DBEdit1"), "Z");
    QCOMPARE(box("DBEdit1")->text(), QString("Z"));
    QTest::keyClick(box("DBEdit1"), Qt::Key_Escape);
    QCOMPARE(box("DBEdit1")->text(), QString("A. FIRSTLY"));

    clickTeamMenu();
    pickTeam("Button2");
    QCOMPARE(stored("BALTIMORE", "One"), QVariant("A. FIRSTLY"));
    QCOMPARE(writes(), 1);
}

void TeamsTest::anotherProgramIsNoActivation()
{
    startSession(everyTeam());
    pickTeam("Button5");
    typeInto("DBEdit4", "K. MARLOWE");

    QWidget otherProgram;
    otherProgram.show();
    otherProgram.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&otherProgram));
    breakdown()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(breakdown()));

    QCOMPARE(writes(), 0);
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Edit);
    QCOMPARE(QApplication::focusWidget(), box("DBEdit4"));
    QCOMPARE(box("DBEdit4")->text(), QString("K. MARLOWE"));

    // The same team again: the pending edit is written, the record read afresh.
    clickTeamMenu();
    pickTeam("Button5");
    QCOMPARE(stored("TORONTO", "Four"), QVariant("K. MARLOWE"));
    QCOMPARE(box("DBEdit4")->text(), QString("K. MARLOWE"));
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Browse);
}

void TeamsTest::refusedWriteKeepsTheEditAndRetries_data()
{
    QTest::addColumn<QStringList>("extraSql");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("remedy");   // SQL that lets the next write through

    QTest::newRow("team name of another record")
        << QStringList() << "DBEdit33" << "Team" << "BOSTON" << "UNIQUE constraint failed: TEAMPLAT.Team"
        << "UPDATE TEAMPLAT SET Team = 'OLD BOSTON' WHERE Team = 'BOSTON'";
    QTest::newRow("table that cannot be written")
        << QStringList{refuseUpdates} << "DBEdit6" << "Eight" << "P. ASHWORTH"
        << "the team table is write-protected" << "DROP TRIGGER refuse";
}

void TeamsTest::refusedWriteKeepsTheEditAndRetries()
{
    QFETCH(QStringList, extraSql);
    QFETCH(QString, boxName);
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, message);
    QFETCH(QString, remedy);
    startSession(everyTeam(), extraSql);
    const QVariantList before = storedRecord("ATLANTA");

    pickTeam("Button14");
    typeInto("DBEdit9", "N. ORCHARD");
    typeInto(boxName, typed);   // stored when "Team Menu" takes the focus
    clickTeamMenu();
    pickTeam("Button20");

    QVERIFY2(m_messages->takeOne().contains(message), qPrintable(message));
    QCOMPARE(storedRecord("ATLANTA"), before);
    QCOMPARE(writes(), 0);
    // Still the record being edited, with every typed value, whatever the key.
    QCOMPARE(Selection::teamKey(), QString("CHICAGO(N)"));
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Edit);
    QCOMPARE(breakdown()->DBMemo3->toPlainText(), QString("Offense of ATLANTA"));
    QCOMPARE(box("DBEdit9")->text(), QString("N. ORCHARD"));
    QCOMPARE(box(boxName)->text(), typed);

    // Closing the message box brings the screen back: no activation, no retry.
    Application::instance().windowActivated(breakdown());
    QVERIFY(m_messages->messages.isEmpty());

    // Every later activation tries again.
    clickTeamMenu();
    pickTeam("Button20");
    QVERIFY(m_messages->takeOne().contains(message));
    QCOMPARE(breakdown()->DBMemo3->toPlainText(), QString("Offense of ATLANTA"));

    m_install->query(TeamSession::tableFile, remedy);
    clickTeamMenu();
    pickTeam("Button20");
    QVERIFY(m_messages->messages.isEmpty());
    QCOMPARE(stored("ATLANTA", field), QVariant(typed));
    QCOMPARE(stored("ATLANTA", "Nine"), QVariant("N. ORCHARD"));
    QCOMPARE(box("DBEdit33")->text(), QString("CHICAGO(N)"));
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Browse);
}

void TeamsTest::missingTeamStartsANewRecord_data()
{
    QTest::addColumn<QString>("typedTeam");
    QTest::newRow("no team typed") << QString();
    QTest::newRow("the missing key typed") << QString("TEXAS");
}

void TeamsTest::missingTeamStartsANewRecord()
{
    QFETCH(QString, typedTeam);
    QList<QVariantList> records = everyTeam();
    records.removeIf([](const QVariantList &record) { return record.first() == "TEXAS"; });
    startSession(records);

    pickTeam("Button15");
    QVERIFY(breakdown()->Table1->IsEmpty());
    QVERIFY(box("DBEdit33")->text().isEmpty());
    typeInto("DBEdit1", "R. VANCE");
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Insert);
    QCOMPARE(box("DBEdit1")->text(), QString("R. VANCE"));
    typeInto("DBEdit19", "CF");
    if (!typedTeam.isEmpty())
        typeInto("DBEdit33", typedTeam);

    clickTeamMenu();
    QCOMPARE(writes(), 0);
    pickTeam("Button15");
    QVERIFY(m_messages->messages.isEmpty());

    const auto added = m_install->query(TeamSession::tableFile, "SELECT * FROM TEAMPLAT WHERE One = 'R. VANCE'");
    QCOMPARE(added.size(), 1);
    const QStringList columns = TeamSession::columns();
    for (int c = 0; c < columns.size(); ++c) {
        const QString column = columns[c];
        QVariant expected;
        if (column.startsWith("\"One\""))
            expected = "R. VANCE";
        else if (column.startsWith("\"POS1\""))
            expected = "CF";
        else if (column.startsWith("\"Team\"") && !typedTeam.isEmpty())
            expected = typedTeam;
        if (expected.isValid())
            QCOMPARE(added.first()[c], expected);
        else
            QVERIFY2(added.first()[c].isNull(), qPrintable(column));
    }
    QCOMPARE(m_install->query(TeamSession::tableFile, "SELECT what FROM writes"),
             (QList<QVariantList>{{"insert"}}));
    // Only a record carrying the key is shown for it.
    QCOMPARE(box("DBEdit1")->text(), typedTeam.isEmpty() ? QString() : QString("R. VANCE"));
}

void TeamsTest::everyChangingKeyStartsTheEdit_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("kept");   // the box's text after the key, the whole text selected before

    QTest::newRow("Backspace") << int(Qt::Key_Backspace) << int(Qt::NoModifier) << "";
    QTest::newRow("Delete") << int(Qt::Key_Delete) << int(Qt::NoModifier) << "";
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << int(Qt::ControlModifier) << "";
    QTest::newRow("Shift+Delete") << int(Qt::Key_Delete) << int(Qt::ShiftModifier) << "";
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << int(Qt::ControlModifier) << "W. PASTEUR";
    QTest::newRow("Shift+Insert") << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << "W. PASTEUR";
}

void TeamsTest::everyChangingKeyStartsTheEdit()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, kept);
    startSession(everyTeam());
    QApplication::clipboard()->setText("W. PASTEUR");
    pickTeam("Button1");
    TDBEdit *slot = box("DBEdit7");
    slot->setFocus(Qt::TabFocusReason);
    QCOMPARE(slot->selectedText(), QString("BALTIMORE 5"));

    QTest::keyClick(slot, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCOMPARE(slot->text(), kept);
    QCOMPARE(breakdown()->Table1->State(), TDataSetState::Edit);

    clickTeamMenu();
    pickTeam("Button2");
    QCOMPARE(stored("BALTIMORE", "Five"), QVariant(kept));
}

void TeamsTest::boxTakesAtMostItsFieldWidth_data()
{
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("kept");

    QTest::newRow("name typed") << "DBEdit1" << "One" << false << "ABCDEFGHIJKLMNOPQ" << "ABCDEFGHIJKLMNOP";
    QTest::newRow("name pasted") << "DBEdit11" << "SP3" << true << "A VERY LONG PITCHER NAME"
                                 << "A VERY LONG PITC";
    QTest::newRow("closer pasted") << "DBEdit15" << "Closer" << true << "BARTHOLOMEW Q. STONE"
                                   << "BARTHOLOMEW Q. S";
    QTest::newRow("position typed") << "DBEdit19" << "POS1" << false << "CFX" << "CF";
    QTest::newRow("starter code pasted") << "DBEdit24" << "Starter1" << true << "RHPX" << "RHP";
    QTest::newRow("team name typed") << "DBEdit33" << "Team" << false << "BALTIMORE ORIOLE" << "BALTIMORE ORIOL";
}

void TeamsTest::boxTakesAtMostItsFieldWidth()
{
    QFETCH(QString, boxName);
    QFETCH(QString, field);
    QFETCH(bool, paste);
    QFETCH(QString, text);
    QFETCH(QString, kept);
    startSession(everyTeam());
    pickTeam("Button1");

    if (paste) {
        QApplication::clipboard()->setText(text);
        box(boxName)->setFocus(Qt::TabFocusReason);
        QTest::keyClick(box(boxName), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box(boxName), Qt::Key_V, Qt::ControlModifier);
    } else {
        typeInto(boxName, text);
    }
    QCOMPARE(box(boxName)->text(), kept);

    clickTeamMenu();
    pickTeam("Button2");
    QCOMPARE(stored("BALTIMORE", field), QVariant(kept));
    QVERIFY(m_messages->messages.isEmpty());
}

void TeamsTest::divisionRankTakesOnlyANumber()
{
    startSession(everyTeam());
    pickTeam("Button1");
    TDBEdit *rank = box("DBEdit32");
    QCOMPARE(rank->text(), QString("1"));

    typeInto("DBEdit32", "x4y-");
    QCOMPARE(rank->text(), QString("4-"));
    QTest::keyClick(rank, Qt::Key_Tab);
    QVERIFY(m_messages->takeOne().contains("'4-' is not a valid integer value"));
    QCOMPARE(QApplication::focusWidget(), rank);

    QTest::keyClick(rank, Qt::Key_Backspace);
    QTest::keyClick(rank, Qt::Key_Tab);
    QVERIFY(m_messages->messages.isEmpty());
    QVERIFY(QApplication::focusWidget() != rank);

    clickTeamMenu();
    pickTeam("Button2");
    QCOMPARE(m_install->query(TeamSession::tableFile,
                              "SELECT \"Division Rank\", typeof(\"Division Rank\") FROM TEAMPLAT "
                              "WHERE Team = 'BALTIMORE'"),
             (QList<QVariantList>{{4, "integer"}}));
}

void TeamsTest::numberThatCannotBeStoredStopsTheClick()
{
    startSession(everyTeam());
    pickTeam("Button1");
    typeInto("DBEdit32", "+");

    QTest::mouseClick(breakdown()->Button1, Qt::LeftButton);
    QVERIFY(m_messages->takeOne().contains("'+' is not a valid integer value"));
    QVERIFY(breakdown()->isVisible());
    QCOMPARE(Application::instance().activeForm(), breakdown());
    QCOMPARE(QApplication::focusWidget(), box("DBEdit32"));
}

// ---------------------------------------------------------------- across processes

void TeamsTest::pendingEditIsWrittenWhenTheProgramEnds_data()
{
    QTest::addColumn<QStringList>("extraSql");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("afterRestart");
    QTest::addColumn<int>("writes");
    QTest::addColumn<QString>("message");

    QTest::newRow("focus still in the box")
        << QStringList() << "DBEdit3" << "Three" << "stay" << "Q. STAYWELL" << "Q. STAYWELL" << 1 << QString();
    QTest::newRow("left with Main Menu")
        << QStringList() << "DBEdit12" << "SP2" << "leave" << "M. LEAVER" << "M. LEAVER" << 1 << QString();
    QTest::newRow("division finish")
        << QStringList() << "DBEdit32" << "Division Rank" << "stay" << "3" << "3" << 1 << QString();
    QTest::newRow("escaped change") << QStringList() << "DBEdit3" << "Three" << "stay" << "Q\x1b"
                                    << "HOUSTON 3" << 0 << QString();
    QTest::newRow("table refuses") << QStringList{refuseUpdates} << "DBEdit3" << "Three" << "leave" << "Q. LOST"
                                   << "HOUSTON 3" << 0 << "the team table is write-protected";
}

void TeamsTest::pendingEditIsWrittenWhenTheProgramEnds()
{
    QFETCH(QStringList, extraSql);
    QFETCH(QString, boxName);
    QFETCH(QString, field);
    QFETCH(QString, ending);
    QFETCH(QString, typed);
    QFETCH(QString, afterRestart);
    QFETCH(int, writes);
    QFETCH(QString, message);
    createTeamTable(everyTeam(), extraSql);

    QProcess session;
    session.start(TEAMS_SESSION, {m_install->path(), "type", "HOUSTON", boxName, typed, ending});
    QVERIFY(session.waitForFinished(120000));
    const QString output = QString::fromUtf8(session.readAllStandardOutput());
    QCOMPARE(session.exitStatus(), QProcess::NormalExit);
    QVERIFY2(session.exitCode() == 0, qPrintable(output + session.readAllStandardError()));

    // A new process reads the file: the next run shows what was typed.
    QCOMPARE(stored("HOUSTON", field).toString(), afterRestart);
    QCOMPARE(this->writes(), writes);
    if (message.isEmpty())
        QVERIFY2(!output.contains("message:"), qPrintable(output));
    else
        QVERIFY2(output.contains("message: " + message), qPrintable(output));
}

void TeamsTest::killedWriterLeavesEachRecordOldOrNew()
{
    const QStringList teams{"BOSTON", "TORONTO", "SEATTLE"};
    QFileInfo journal(m_install->baseballPath() + TeamSession::tableFile + "-journal");
    m_install->createTable(TeamSession::tableFile, TeamSession::columns(), everyTeam());

    // Killed again until a kill lands inside a write, which leaves the
    // write's rollback journal behind.
    bool killedInsideAWrite = false;
    for (int attempt = 1; attempt <= 50 && !killedInsideAWrite; ++attempt) {
        QProcess writer;
        writer.start(TEAMS_SESSION, QStringList{m_install->path(), "churn"} + teams);
        QVERIFY(writer.waitForStarted());
        int posted = 0;
        while (posted < 3) {
            if (!writer.canReadLine())
                QVERIFY2(writer.waitForReadyRead(60000), qPrintable(writer.readAllStandardError()));
            while (writer.canReadLine()) {
                const QString line = QString::fromUtf8(writer.readLine()).trimmed();
                QVERIFY2(line.startsWith("posted "), qPrintable(line));
                posted = line.mid(7).toInt();
            }
        }
        QTest::qWait(attempt * 37 % 100);   // a different moment each time
        writer.kill();                        // SIGKILL: no clean-up of any kind
        QVERIFY(writer.waitForFinished());
        QCOMPARE(writer.exitStatus(), QProcess::CrashExit);
        journal.refresh();
        killedInsideAWrite = journal.exists() && journal.size() > 0;

        // A new connection finds the file sound, every record whole: one
        // round's values in all its fields, never part old, part new.
        QCOMPARE(m_install->query(TeamSession::tableFile, "PRAGMA integrity_check"),
                 (QList<QVariantList>{{"ok"}}));
        for (const QString &team : teams) {
            const QString round = stored(team, "Division Rank").toString();
            QVERIFY2(round.toInt() >= posted, qPrintable(team + " at round " + round));
            for (const QString &field : TeamSession::nameFields())
                QCOMPARE(stored(team, field), QVariant("G" + round));
        }
    }
    QVERIFY(killedInsideAWrite);
}

// ---------------------------------------------------------------- looks

void TeamsTest::screenshots()
{
    QList<QVariantList> records = everyTeam();
    const int hitting = 1;
    const int pitching = 2;
    for (QVariantList &record : records) {
        if (record.first() == "NEW YORK(A)") {
            record[hitting] = QString("The offense scored more runs than any club in the league and returns "
                                      "its whole lineup. ").repeated(6);
            record[pitching] = QString("Five starters with 30 starts each; the bullpen is deep. ").repeated(3);
        }
    }
    startSession(records);
    Screens::show("Teammenu");
    QVERIFY(QTest::qWaitForWindowActive(teamMenu()));
    shoot(teamMenu(), "teammenu");
    pickTeam("Button3");
    shoot(breakdown(), "form2-fixture");

    const QString demoTable = qEnvironmentVariable("QUILLOMET_TEST_SHARE") + "/Baseball/" + TeamSession::tableFile;
    if (!QFile::exists(demoTable))
        QSKIP("the demo data is not built");
    Application::instance().destroyForms();
    QFile::remove(m_install->baseballPath() + TeamSession::tableFile);
    QVERIFY(QFile::copy(demoTable, m_install->baseballPath() + TeamSession::tableFile));
    TeamSession::createScreens();
    Application::instance().show(Application::instance().mainForm());
    for (const char *button : {"Button3", "Button20"}) {
        pickTeam(button);
        QVERIFY2(!breakdown()->Table1->IsEmpty(), button);
        shoot(breakdown(), QString("form2-demo-") + box("DBEdit33")->text());
        clickTeamMenu();
    }
}

QTEST_MAIN(TeamsTest)
#include "tst_teams.moc"
