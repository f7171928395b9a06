#include "TestSupport.h"

#include "platform/Failure.h"
#include "platform/controls/TDBEdit.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/controls/TDataSource.h"
#include "platform/db/TTable.h"

#include <QProcess>
#include <QSignalSpy>
#include <QTest>

namespace {

const QStringList hitterColumns = {
    "\"LST_NM_97\" VARCHAR(8)", "\"FRST_NM_97\" VARCHAR(10)", "\"POS_97\" VARCHAR(2)",
    "\"NEWAVG 96\" REAL", "\"AB_96\" INTEGER", "\"TEAM_98\" VARCHAR(20)"};
const QStringList hitterIndex = {"CREATE INDEX names ON HITTERS (\"LST_NM_97\", \"FRST_NM_97\")"};

// Stored out of index order on purpose.
const QList<QVariantList> hitterRows = {
    {"MOORE", "TED", "SS", 0.287, 512, "Cubs"},
    {"ADAMS", "BOB", "SS", 4.5, 300, "Reds"},
    {"BAKER", "AL", "1B", QVariant(), QVariant(), "Mets"},
    {"CLARK", "DAN", "ss", 0.25, 100, "Cubs"},
    {"CLARK", "AMOS", "SS", 0.3, 200, "Cubs"},
    {"DAVIS", "ED", "SS ", 0.1, 10, "Cubs"},
    {"EVANS", "FRED", QVariant(), 0.2, 20, "Cubs"},
    {"GREEN", "GUS", "C", 0.2, 20, "Cubs"},
    {"ZANE", "HAL", "1B", 0.2, 20, "Cubs"},
    {"ABBOTT", "IKE", "", 0.2, 20, "Cubs"},
    {"PETERSON", "JOE", "SS", 0.2, 20, "Cubs"},
    {"YOUNG", "ROY", "SS", 0.2, 20, "Cubs"},
};

QString lastName(const TTable &table) { return table.IsEmpty() ? QString() : table.FieldByName("LST_NM_97").asText(); }
QString fullName(const TTable &table)
{
    return table.IsEmpty() ? QString() : table.FieldByName("FRST_NM_97").asText() + ' ' + lastName(table);
}

} // namespace

class TableTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstall> install;
    QString code;

    std::unique_ptr<TTable> hitters()
    {
        auto table = std::make_unique<TTable>();
        table->DatabaseName = "Baseball";
        table->TableName = "HITTERS.DB";
        table->IndexFieldNames = "LST_NM_97;FRST_NM_97";
        table->ReadOnly = true;
        table->OnFilterRecord = [this](TTable &t, bool &accept) {
            const TField pos = t.FieldByName("POS_97");
            accept = !pos.isNull() && !code.isEmpty() && pos.asText() == code;
        };
        table->Open();
        return table;
    }

    // A writable table of teams, in the order of its key.
    std::unique_ptr<TTable> teams(TTable::FilterRecord filter = nullptr)
    {
        auto table = std::make_unique<TTable>();
        table->DatabaseName = "Baseball";
        table->TableName = "TEAMS.DB";
        table->IndexFieldNames = "Team";
        table->OnFilterRecord = std::move(filter);
        table->Open();
        return table;
    }

private slots:
    void init()
    {
        install = std::make_unique<TestInstall>();
        install->createTable("HITTERS.DB", hitterColumns, hitterRows, hitterIndex);
    }
    void cleanup() { install.reset(); }

    void opensOnFirstRecordInIndexOrderUnfiltered()
    {
        auto table = hitters();
        QCOMPARE(fullName(*table), QString("IKE ABBOTT"));
        QVERIFY(table->Bof());
        QVERIFY(!table->Filtered());
    }

    void filterAndNavigation_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QStringList>("accepted");
        // Whole text, letter case counting, nothing trimmed; empty never matches.
        QTest::newRow("shortstops") << "SS" << QStringList{"BOB ADAMS", "AMOS CLARK", "TED MOORE", "JOE PETERSON", "ROY YOUNG"};
        QTest::newRow("lower case") << "ss" << QStringList{"DAN CLARK"};
        QTest::newRow("trailing blank") << "SS " << QStringList{"ED DAVIS"};
        QTest::newRow("single") << "C" << QStringList{"GUS GREEN"};
        QTest::newRow("no record") << "DH" << QStringList{};
        QTest::newRow("empty code") << "" << QStringList{};
    }
    void filterAndNavigation()
    {
        QFETCH(QString, position);
        QFETCH(QStringList, accepted);
        auto table = hitters();
        code = position;
        table->SetFiltered(true);

        QStringList forward;
        if (!table->IsEmpty()) {
            forward << fullName(*table);
            for (table->Next(); !table->Eof(); table->Next())
                forward << fullName(*table);
        }
        QCOMPARE(forward, accepted);
        QCOMPARE(table->IsEmpty(), accepted.isEmpty());
        if (accepted.isEmpty()) {
            QVERIFY(table->Bof() && table->Eof());
            return;
        }
        // At the end: stays on the last accepted record, no wrap-around.
        QCOMPARE(fullName(*table), accepted.last());
        table->Next();
        QCOMPARE(fullName(*table), accepted.last());
        QVERIFY(table->Eof());

        QStringList backward;
        table->Last();
        QVERIFY(table->Eof() && !table->Bof());
        for (; !table->Bof(); table->Prior())
            backward.prepend(fullName(*table));
        QCOMPARE(backward, accepted);
        QCOMPARE(fullName(*table), accepted.first());
    }

    void switchingFilterOnAgainReReadsUnderNewCode()
    {
        auto table = hitters();
        code = "SS";
        table->SetFiltered(true);
        table->Next();
        QCOMPARE(lastName(*table), QString("CLARK"));
        table->SetFiltered(true);
        QCOMPARE(lastName(*table), QString("ADAMS"));
        code = "1B";
        table->SetFiltered(true);
        QCOMPARE(fullName(*table), QString("AL BAKER"));
        QVERIFY(table->Bof());
    }

    void navigatorButtonStates()
    {
        auto table = hitters();
        TDataSource source;
        source.SetDataSet(table.get());
        TDBNavigator navigator;
        navigator.SetDataSource(&source);
        auto enabled = [&] {
            QString states;
            for (auto b : {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast})
                states += navigator.button(b)->isEnabled() ? '1' : '0';
            return states;
        };
        int clicks = 0;
        navigator.OnClick = [&](TDBNavigator::Button) { ++clicks; };

        // A position with a single accepted record.
        code = "C";
        table->SetFiltered(true);
        QCOMPARE(enabled(), QString("0011"));
        navigator.button(TDBNavigator::nbNext)->click();
        QCOMPARE(fullName(*table), QString("GUS GREEN"));
        QCOMPARE(enabled(), QString("1100"));
        QCOMPARE(clicks, 1);

        // Onto the last record next stays enabled; one more step disables it.
        code = "SS";
        table->SetFiltered(true);
        navigator.BtnClick(TDBNavigator::nbNext);
        navigator.BtnClick(TDBNavigator::nbNext);
        navigator.BtnClick(TDBNavigator::nbNext);
        navigator.BtnClick(TDBNavigator::nbNext);
        QCOMPARE(lastName(*table), QString("YOUNG"));
        QCOMPARE(enabled(), QString("1111"));
        navigator.BtnClick(TDBNavigator::nbNext);
        QCOMPARE(enabled(), QString("1100"));
        navigator.BtnClick(TDBNavigator::nbFirst);
        QCOMPARE(enabled(), QString("0011"));

        code = "DH";
        table->SetFiltered(true);
        QCOMPARE(enabled(), QString("0000"));
    }

    void navigatorRepeatsWhileHeld()
    {
        QList<QVariantList> rows;
        for (int i = 0; i < 40; ++i)
            rows << QVariantList{QString("N%1").arg(i, 2, 10, QChar('0')), "X", "OF", 0.2, 1, "Cubs"};
        install->createTable("HITTERS.DB", hitterColumns, rows, hitterIndex);
        auto table = hitters();
        code = "OF";
        table->SetFiltered(true);
        TDataSource source;
        source.SetDataSet(table.get());
        TDBNavigator navigator;
        navigator.resize(96, 25);
        navigator.SetDataSource(&source);
        QStringList seen;
        navigator.OnClick = [&](TDBNavigator::Button) { seen << lastName(*table); };
        QToolButton *next = navigator.button(TDBNavigator::nbNext);
        QCOMPARE(next->autoRepeatDelay(), 400);
        QCOMPARE(next->autoRepeatInterval(), 100);
        navigator.show();
        QTest::mousePress(next, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(seen.size() >= 3, 10000);
        QTest::mouseRelease(next, Qt::LeftButton);
        // One move per repeat, each followed by the click handler.
        QCOMPARE(seen.first(), QString("N01"));
        QCOMPARE(seen.at(1), QString("N02"));
    }

    void nearestKeySearch_data()
    {
        QTest::addColumn<QString>("position");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("expected");
        QTest::newRow("exact name, lowest first name") << "SS" << "CLARK" << "AMOS CLARK";
        QTest::newRow("prefix") << "SS" << "CL" << "AMOS CLARK";
        QTest::newRow("between names") << "SS" << "CZ" << "TED MOORE";
        QTest::newRow("beyond the last name") << "SS" << "ZZZZ" << "ROY YOUNG";
        QTest::newRow("empty text") << "SS" << "" << "BOB ADAMS";
        QTest::newRow("other position passed over") << "1B" << "GREEN" << "HAL ZANE";
        // The column is eight wide: the text is cut to "PETERSON" before the search.
        QTest::newRow("longer than the column") << "SS" << "PETERSONXYZ" << "JOE PETERSON";
        QTest::newRow("cut keeps a match") << "SS" << "ADAMSAAAAAAA" << "AMOS CLARK";
        QTest::newRow("no accepted record") << "DH" << "A" << "";
    }
    void nearestKeySearch()
    {
        QFETCH(QString, position);
        QFETCH(QString, text);
        QFETCH(QString, expected);
        auto table = hitters();
        code = position;
        table->SetFiltered(true);
        table->SetKey();
        table->SetKeyFieldText(table->Columns().first().name, text);
        table->GotoNearest();
        QCOMPARE(fullName(*table), expected);
        QCOMPARE(table->State(), TDataSetState::Browse);
    }

    void fieldsByNameIgnoreCaseOnly()
    {
        auto table = hitters();
        QCOMPARE(table->FieldByName("lst_nm_97").asText(), QString("ABBOTT"));
        QCOMPARE(table->FieldByName("newavg 96").name(), QString("NEWAVG 96"));
        for (const char *wrong : {"NEWAVG96", "NEWAVG_96", " LST_NM_97"}) {
            try {
                table->FieldByName(wrong);
                QFAIL(wrong);
            } catch (const Failure &failure) {
                QVERIFY(failure.text().contains(wrong));
            }
        }
    }

    void valuesAndTheirText_data()
    {
        QTest::addColumn<QString>("last");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("real") << "MOORE" << "NEWAVG 96" << "0.287";
        QTest::newRow("real with one decimal") << "ADAMS" << "NEWAVG 96" << "4.5";
        QTest::newRow("integer") << "MOORE" << "AB_96" << "512";
        QTest::newRow("null") << "BAKER" << "AB_96" << "";
        QTest::newRow("text") << "MOORE" << "TEAM_98" << "Cubs";
    }
    void valuesAndTheirText()
    {
        QFETCH(QString, last);
        QFETCH(QString, field);
        QFETCH(QString, text);
        auto table = hitters();
        table->SetKey();
        table->SetKeyFieldText("LST_NM_97", last);
        table->GotoNearest();
        QCOMPARE(table->FieldByName(field).displayText(), text);
        if (text.isEmpty()) {
            QVERIFY_THROWS_EXCEPTION(Failure, table->FieldByName(field).asText());
            try {
                table->FieldByName(field).asText();
            } catch (const Failure &failure) {
                QCOMPARE(failure.text(), QString("Invalid variant type conversion"));
            }
        }
    }

    void editPostAndCancel()
    {
        install->createTable("TEAMS.DB", {"\"Team\" VARCHAR(15) PRIMARY KEY", "\"One\" VARCHAR(16)", "\"Division Rank\" INTEGER"},
                             {{"BOSTON", "SMITH", 2}, {"TEXAS", "JONES", 1}});
        auto owner = teams();
        TTable &table = *owner;
        auto stored = [&] { return install->query("TEAMS.DB", "SELECT \"One\", \"Division Rank\" FROM TEAMS ORDER BY Team"); };

        table.Edit();
        table.SetFieldText("One", "WILLIAMS");
        table.SetFieldText("Division Rank", "3");
        QCOMPARE(table.FieldByName("One").asText(), QString("WILLIAMS"));
        table.Cancel();
        QCOMPARE(table.FieldByName("One").asText(), QString("SMITH"));
        QCOMPARE(stored().first(), (QVariantList{"SMITH", 2}));

        table.Edit();
        table.SetFieldText("One", "WILLIAMS");
        table.SetFieldText("Division Rank", "3");
        table.Post();
        QCOMPARE(table.State(), TDataSetState::Browse);
        QCOMPARE(stored().first(), (QVariantList{"WILLIAMS", 3}));

        // Too long for the field, and not a number: refused before anything is set.
        table.Edit();
        QVERIFY_THROWS_EXCEPTION(Failure, table.SetFieldText("One", QString(17, 'X')));
        QVERIFY_THROWS_EXCEPTION(Failure, table.SetFieldText("Division Rank", "3rd"));
        QVERIFY(!table.Modified());
        table.Cancel();
    }

    void refusedPostKeepsTheRecordInEdit()
    {
        install->createTable("TEAMS.DB", {"\"Team\" VARCHAR(15) PRIMARY KEY", "\"One\" VARCHAR(16)"},
                             {{"BOSTON", "SMITH"}, {"TEXAS", "JONES"}});
        auto owner = teams();
        TTable &table = *owner;
        table.Edit();
        table.SetFieldText("Team", "TEXAS");
        table.SetFieldText("One", "WILLIAMS");
        try {
            table.Post();
            QFAIL("a duplicate key was written");
        } catch (const Failure &failure) {
            QVERIFY2(failure.text().contains("UNIQUE"), qPrintable(failure.text()));
        }
        QCOMPARE(table.State(), TDataSetState::Edit);
        QCOMPARE(table.FieldByName("Team").asText(), QString("TEXAS"));
        QCOMPARE(table.FieldByName("One").asText(), QString("WILLIAMS"));
        QCOMPARE(install->query("TEAMS.DB", "SELECT Team, One FROM TEAMS ORDER BY Team"),
                 (QList<QVariantList>{{"BOSTON", "SMITH"}, {"TEXAS", "JONES"}}));

        // Mended, the same edit goes through.
        table.SetFieldText("Team", "TAMPA BAY");
        table.Post();
        QCOMPARE(install->query("TEAMS.DB", "SELECT Team, One FROM TEAMS ORDER BY Team"),
                 (QList<QVariantList>{{"TAMPA BAY", "WILLIAMS"}, {"TEXAS", "JONES"}}));
    }

    void insertOnEmptyViewAddsOnlyTheSetFields()
    {
        install->createTable("TEAMS.DB", {"\"Team\" VARCHAR(15) PRIMARY KEY", "\"One\" VARCHAR(16)", "\"Two\" VARCHAR(16)"},
                             {{"BOSTON", "SMITH", "DOE"}});
        auto owner = teams([](TTable &, bool &accept) { accept = false; });
        TTable &table = *owner;
        table.SetFiltered(true);
        QVERIFY(table.IsEmpty());
        table.Edit(); // an empty view starts a new record
        QCOMPARE(table.State(), TDataSetState::Insert);
        table.SetFieldText("One", "NEWMAN");
        table.Post();
        const auto added = install->query("TEAMS.DB", "SELECT Team IS NULL, One, Two IS NULL FROM TEAMS WHERE One = 'NEWMAN'");
        QCOMPARE(added, (QList<QVariantList>{{1, "NEWMAN", 1}}));
    }

    void readOnlyTableRefusesEdit()
    {
        auto table = hitters();
        QVERIFY_THROWS_EXCEPTION(Failure, table->Edit());
        QCOMPARE(table->State(), TDataSetState::Browse);
    }

    void openFailuresNameTheFile_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << "missing" << "does not exist";
        QTest::newRow("not a database") << "garbage" << "not a database";
        QTest::newRow("missing field") << "field" << "field 'TEAM_98' not found";
        QTest::newRow("locked") << "locked" << "locked";
    }
    void openFailuresNameTheFile()
    {
        QFETCH(QString, damage);
        QFETCH(QString, expected);
        const QString file = install->baseballPath() + "HITTERS.DB";
        QProcess locker;
        if (damage == "missing") {
            QFile::remove(file);
        } else if (damage == "garbage") {
            QFile f(file);
            QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
            f.write(QByteArray(4096, 'x'));
        } else if (damage == "field") {
            install->createTable("HITTERS.DB", hitterColumns.mid(0, 5), {}, hitterIndex);
        } else {
            // Another process holds the file's exclusive lock.
            locker.start("python3", {"-c", "import sqlite3,sys,time\n"
                                           "c=sqlite3.connect(sys.argv[1],isolation_level=None)\n"
                                           "c.execute('BEGIN EXCLUSIVE')\nprint('locked',flush=True)\ntime.sleep(60)\n",
                                     file});
            if (!locker.waitForReadyRead(10000))
                QSKIP("python3 with sqlite3 is needed to lock a file from another process");
        }
        TTable table;
        table.DatabaseName = "Baseball";
        table.TableName = "HITTERS.DB";
        table.RequiredFields = {"LST_NM_97", "TEAM_98"};
        try {
            table.Open();
            QFAIL("opened");
        } catch (const Failure &failure) {
            QVERIFY2(failure.text().contains("HITTERS.DB"), qPrintable(failure.text()));
            QVERIFY2(failure.text().contains(expected), qPrintable(failure.text()));
        }
        QVERIFY(!table.Active());
        locker.kill();
        locker.waitForFinished();
    }

    void editBoxStartsEditAndStoresOnLeaving()
    {
        install->createTable("TEAMS.DB", {"\"Team\" VARCHAR(15) PRIMARY KEY", "\"One\" VARCHAR(6)", "\"Rank\" INTEGER"},
                             {{"BOSTON", "SMITH", 2}});
        auto owner = teams();
        TTable &table = *owner;
        TDataSource source;
        source.SetDataSet(&table);
        QWidget window;
        auto *one = new TDBEdit(&window);
        one->SetDataSource(&source);
        one->SetDataField("One");
        auto *rank = new TDBEdit(&window);
        rank->SetDataSource(&source);
        rank->SetDataField("Rank");
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));

        QCOMPARE(one->maxLength(), 6);
        one->setFocus();
        QTest::keyClick(one, Qt::Key_End);
        QTest::keyClicks(one, "XYZ"); // one character fits
        QCOMPARE(one->text(), QString("SMITHX"));
        QCOMPARE(table.State(), TDataSetState::Edit);
        QTest::keyClick(one, Qt::Key_Backspace);
        QTest::keyClick(one, Qt::Key_Escape);
        QCOMPARE(one->text(), QString("SMITH"));
        QCOMPARE(one->selectedText(), QString("SMITH"));
        QTest::keyClick(one, Qt::Key_Backspace);
        QTest::keyClicks(one, "JONES");
        rank->setFocus(Qt::TabFocusReason);
        QCOMPARE(table.FieldByName("One").asText(), QString("JONES"));
        QVERIFY(table.Modified());

        // A number box refuses letters outright.
        QTest::keyClick(rank, Qt::Key_End);
        QTest::keyClicks(rank, "a7");
        QCOMPARE(rank->text(), QString("27"));
        table.Post();
        QCOMPARE(install->query("TEAMS.DB", "SELECT One, Rank FROM TEAMS"), (QList<QVariantList>{{"JONES", 27}}));
    }
};

QTEST_MAIN(TableTest)
#include "TableTest.moc"
