#include "ListReportTestFixture.h"
#include "support/TestSupport.h"

#include "app/Screens.h"
#include "platform/Failure.h"
#include "platform/controls/TDBGrid.h"
#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/db/Database.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/reports/ListReport.h"
#include "screens/reports/TextScreen.h"

#include <QApplication>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

constexpr int fixtureRows = 40;

ListReport *createReport(const QString &instance)
{
    auto *report = static_cast<ListReport *>(listReport(instance)());
    Application::instance().addForm(report);
    return report;
}

// The main screen under the reports: closing a report must uncover it, and
// closing the first screen would end the program.
void createMainScreen()
{
    Application::instance().addForm(new TForm("MMenu", "Quillomet"));
    Screens::show("MMenu");
}

void createAboutScreen(const QString &instance)
{
    Application::instance().addForm(instance == "About" ? static_cast<TForm *>(new TAbout) : new TAbpros);
}

QString memoText(const ListReport *report) { return report->DBMemo1->toPlainText(); }

int topLevelScreensNamed(const QString &instance)
{
    int count = 0;
    for (QWidget *widget : QApplication::topLevelWidgets())
        count += widget->objectName() == instance;
    return count;
}

void addReportRows()
{
    QTest::addColumn<QString>("instance");
    for (const ReportUnderTest &report : reportsUnderTest())
        QTest::newRow(qPrintable(report.instance)) << report.instance;
}

} // namespace

// The five list reports: one design, five tables.
class ListReportTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstall> install;
    std::unique_ptr<MessageRecorder> messages;

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }

    void init()
    {
        install = std::make_unique<TestInstall>();
        messages = std::make_unique<MessageRecorder>();
        for (const ReportUnderTest &report : reportsUnderTest())
            createReportTable(*install, report, fixtureRows);
    }

    void cleanup()
    {
        Application::instance().destroyForms();
        QCOMPARE(messages->messages, QStringList());
        messages.reset();
        install.reset();
    }

    void opensItsTableOnTheFirstPlayer_data() { addReportRows(); }
    void opensItsTableOnTheFirstPlayer()
    {
        QFETCH(QString, instance);
        const ReportUnderTest &expected = reportUnderTest(instance);
        ListReport *report = createReport(instance);

        QCOMPARE(report->objectName(), instance);
        QCOMPARE(report->windowTitle(), expected.caption);
        QCOMPARE(report->client()->palette().color(QPalette::Window), expected.color);
        QCOMPARE(report->Table1->TableName, expected.tableFile);
        QVERIFY(report->Table1->ReadOnly);
        QCOMPARE(memoText(report), writeUpOf(instance, 0));
        QVERIFY(report->DBMemo1->isReadOnly());

        TDBGridModel *model = report->DBGrid1->gridModel();
        QCOMPARE(model->rowCount(), fixtureRows);
        QStringList titles;
        for (int section = 0; section < model->columnCount(); ++section)
            titles << model->headerData(section, Qt::Horizontal).toString();
        QCOMPARE(titles, expected.gridFields);
        for (int section = 0; section < model->columnCount(); ++section)
            QVERIFY2(!model->index(0, section).data().toString().isEmpty(), "a column shows no field");
        QCOMPARE(model->currentRow(), 0);

        QCOMPARE(report->Button1->text(), QString("Main Menu"));
        QCOMPARE(report->Button2 ? report->Button2->text() : QString(), expected.aboutCaption);
    }

    void topListComesInRankOrder()
    {
        ListReport *report = createReport("tp98");
        TDBGridModel *model = report->DBGrid1->gridModel();
        for (int row = 0; row < 5; ++row)
            QCOMPARE(model->index(row, 0).data().toInt(), row + 1);
    }

    void missingFieldFailsCreation_data()
    {
        QTest::addColumn<QString>("instance");
        QTest::addColumn<QString>("field");
        QTest::newRow("write-up") << "tp98" << "Comment";
        QTest::newRow("grid column") << "Breakpit" << "WHIP";
    }
    void missingFieldFailsCreation()
    {
        QFETCH(QString, instance);
        QFETCH(QString, field);
        createReportTable(*install, reportUnderTest(instance), 3, field);
        try {
            listReport(instance)();
            QFAIL("the report was created without its field");
        } catch (const Failure &failure) {
            QVERIFY2(failure.text().contains(field), qPrintable(failure.text()));
        }
    }

    void navigatorStopsAtTheEnds_data() { addReportRows(); }
    void navigatorStopsAtTheEnds()
    {
        QFETCH(QString, instance);
        ListReport *report = createReport(instance);
        TDBNavigator *navigator = report->DBNavigator1;
        auto enabled = [navigator](TDBNavigator::Button which) { return navigator->button(which)->isEnabled(); };

        QVERIFY(!enabled(TDBNavigator::nbFirst) && !enabled(TDBNavigator::nbPrior));
        QVERIFY(enabled(TDBNavigator::nbNext) && enabled(TDBNavigator::nbLast));
        navigator->BtnClick(TDBNavigator::nbPrior);
        QCOMPARE(memoText(report), writeUpOf(instance, 0));

        int steps = 0;
        while (enabled(TDBNavigator::nbNext) && steps <= fixtureRows) {
            navigator->button(TDBNavigator::nbNext)->click();
            ++steps;
        }
        QCOMPARE(steps, fixtureRows);   // the last step finds the end
        QCOMPARE(memoText(report), writeUpOf(instance, fixtureRows - 1));
        QVERIFY(!enabled(TDBNavigator::nbLast));
        navigator->BtnClick(TDBNavigator::nbNext);
        QCOMPARE(memoText(report), writeUpOf(instance, fixtureRows - 1));
        QCOMPARE(report->DBGrid1->currentIndex().row(), fixtureRows - 1);

        navigator->button(TDBNavigator::nbFirst)->click();
        QCOMPARE(memoText(report), writeUpOf(instance, 0));
        QCOMPARE(report->DBGrid1->currentIndex().row(), 0);
    }

    void emptyTableDisablesTheNavigator()
    {
        createReportTable(*install, reportUnderTest("Breakbat"), 0);
        ListReport *report = createReport("Breakbat");
        QCOMPARE(report->DBGrid1->gridModel()->rowCount(), 0);
        QCOMPARE(report->DBGrid1->gridModel()->columnCount(), reportUnderTest("Breakbat").gridFields.size());
        QCOMPARE(memoText(report), QString());
        for (auto which : {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast})
            QVERIFY(!report->DBNavigator1->button(which)->isEnabled());
        createMainScreen();
        Screens::show("Breakbat");
        QVERIFY(QTest::qWaitForWindowExposed(report));
        QCoreApplication::processEvents();
        saveScreenshot(report, "fixture-empty-Breakbat");
    }

    void gridMovesTheMemo()
    {
        createMainScreen();
        ListReport *report = createReport("pitpros");
        Screens::show("pitpros");
        TDBGrid *grid = report->DBGrid1;
        QCOMPARE(report->focusWidget(), grid);

        const QModelIndex third = grid->gridModel()->index(2, 3);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(third).center());
        QCOMPARE(memoText(report), writeUpOf("pitpros", 2));
        QTest::keyClick(grid, Qt::Key_Down);
        QCOMPARE(memoText(report), writeUpOf("pitpros", 3));
        QTest::keyClick(grid, Qt::Key_Up);
        QTest::keyClick(grid, Qt::Key_Up);
        QCOMPARE(memoText(report), writeUpOf("pitpros", 1));
        QVERIFY(report->DBNavigator1->button(TDBNavigator::nbPrior)->isEnabled());
        QTest::keyClick(grid, Qt::Key_PageDown);
        QCOMPARE(memoText(report), writeUpOf("pitpros", report->Table1->RecNo()));
        QVERIFY(report->Table1->RecNo() > 2);
    }

    void longWriteUpCanBeReadToTheEnd_data()
    {
        QTest::addColumn<QString>("instance");
        QTest::addColumn<bool>("scrollBar");
        QTest::newRow("by the caret") << "tp98" << false;
        QTest::newRow("by the scroll bar") << "Breakbat" << true;
    }
    void longWriteUpCanBeReadToTheEnd()
    {
        QFETCH(QString, instance);
        QFETCH(bool, scrollBar);
        createMainScreen();
        ListReport *report = createReport(instance);
        Screens::show(instance);
        QVERIFY(QTest::qWaitForWindowExposed(report));
        QScrollBar *bar = report->DBMemo1->verticalScrollBar();
        QVERIFY2(bar->maximum() > 0, "the write-up fits its memo");
        QCOMPARE(bar->isVisible(), scrollBar);
        QTest::keyClick(report->DBMemo1, Qt::Key_End, Qt::ControlModifier);
        QCOMPARE(bar->value(), bar->maximum());
        QCOMPARE(memoText(report), writeUpOf(instance, 0));
    }

    void reopenedReportShowsWhatItShowed()
    {
        createMainScreen();
        ListReport *report = createReport("Prospec");
        Screens::show("Prospec");
        report->DBNavigator1->BtnClick(TDBNavigator::nbLast);
        report->DBNavigator1->BtnClick(TDBNavigator::nbPrior);
        QScrollBar *memoBar = report->DBMemo1->verticalScrollBar();
        QVERIFY(memoBar->maximum() > 0);
        memoBar->setValue(memoBar->maximum() / 2);
        const int memoScroll = memoBar->value();
        const int gridScroll = report->DBGrid1->verticalScrollBar()->value();
        QVERIFY(gridScroll > 0);

        report->Button1->click();
        QVERIFY(!report->isVisible());
        QCOMPARE(Application::instance().activeForm()->objectName(), QString("MMenu"));
        Screens::show("Prospec");

        QVERIFY(report->isVisible());
        QCOMPARE(report->Table1->RecNo(), fixtureRows - 2);
        QCOMPARE(memoText(report), writeUpOf("Prospec", fixtureRows - 2));
        QCOMPARE(memoBar->value(), memoScroll);
        QCOMPARE(report->DBGrid1->verticalScrollBar()->value(), gridScroll);
        QCOMPARE(report->DBGrid1->currentIndex().row(), fixtureRows - 2);
    }

    void aboutButtonsOfAPairShowOneAboutScreen_data()
    {
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("second");
        QTest::addColumn<QString>("about");
        QTest::newRow("prospects") << "Prospec" << "pitpros" << "Abpros";
        QTest::newRow("breakout") << "Breakbat" << "Breakpit" << "About";
    }
    void aboutButtonsOfAPairShowOneAboutScreen()
    {
        QFETCH(QString, first);
        QFETCH(QString, second);
        QFETCH(QString, about);
        createMainScreen();
        ListReport *firstReport = createReport(first);
        ListReport *secondReport = createReport(second);
        createAboutScreen(about);

        Screens::show(first);
        firstReport->Button2->click();
        TForm *aboutScreen = Screens::find(about);
        QVERIFY(aboutScreen->isVisible());
        QCOMPARE(Application::instance().activeForm(), aboutScreen);
        QVERIFY(firstReport->isVisible());

        Screens::show(second);
        secondReport->Button2->click();
        QCOMPARE(Application::instance().stack().last(), aboutScreen);
        QCOMPARE(topLevelScreensNamed(about), 1);

        // "Main Menu" hides the list only.
        firstReport->Button1->click();
        secondReport->Button1->click();
        QVERIFY(!firstReport->isVisible());
        QVERIFY(!secondReport->isVisible());
        QVERIFY(aboutScreen->isVisible());
    }

    void windowScrollBarsWhenSmall_data()
    {
        addReportRows();
    }
    void windowScrollBarsWhenSmall()
    {
        QFETCH(QString, instance);
        ListReport *report = createReport(instance);
        report->resize(435, 300);
        report->show();
        QVERIFY(QTest::qWaitForWindowExposed(report));
        auto *area = report->findChild<QScrollArea *>();
        QVERIFY(area->horizontalScrollBar()->isVisible());
        // The hitting prospects never show a vertical one.
        QCOMPARE(area->verticalScrollBar()->isVisible(), instance != "Prospec");
        saveScreenshot(report, "fixture-restored-" + instance);
    }

    void screenshotsOnFixtureData_data() { addReportRows(); }
    void screenshotsOnFixtureData()
    {
        QFETCH(QString, instance);
        createMainScreen();
        ListReport *report = createReport(instance);
        Screens::show(instance);
        QVERIFY(QTest::qWaitForWindowExposed(report));
        QCoreApplication::processEvents();
        saveScreenshot(report, "fixture-" + instance);
    }

    void opensOnTheDemoData_data() { addReportRows(); }
    void opensOnTheDemoData()
    {
        QFETCH(QString, instance);
        const QString share = qEnvironmentVariable("QUILLOMET_TEST_SHARE");
        const QString folder = share + "/Baseball/";
        if (share.isEmpty() || !QFile::exists(folder + reportUnderTest(instance).tableFile))
            QSKIP("the demo data is not built");
        Database::setAliasPath("Baseball", folder);
        createMainScreen();
        ListReport *report = createReport(instance);
        QVERIFY(report->DBGrid1->gridModel()->recordCount() > 0);
        QVERIFY(!memoText(report).isEmpty());
        Screens::show(instance);
        QVERIFY(QTest::qWaitForWindowExposed(report));
        QCoreApplication::processEvents();
        saveScreenshot(report, "demo-" + instance);
    }
};

std::unique_ptr<QObject> makeListReportTest() { return std::make_unique<ListReportTest>(); }

#include "ListReportTest.moc"
