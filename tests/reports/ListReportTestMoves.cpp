#include "ListReportTestFixture.h"
#include "support/TestSupport.h"

#include "app/Screens.h"
#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/db/Database.h"
#include "platform/db/TTable.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "screens/reports/TMoves.h"

#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <memory>

// The offseason moves, one at a time.
class ListReportMovesTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstall> install;
    std::unique_ptr<MessageRecorder> messages;

    // The main screen first (closing it would end the program), then the moves.
    TMoves *createMoves()
    {
        Application::instance().addForm(new TForm("MMenu", "Quillomet"));
        auto *moves = new TMoves;
        Application::instance().addForm(moves);
        Screens::show("MMenu");
        return moves;
    }

    static void verifyOnMove(TMoves *moves, int row)
    {
        QCOMPARE(moves->DBMemo1->toPlainText(), moveOf(row));
        QCOMPARE(moves->DBMemo2->toPlainText(), resultOf(row));
    }

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void init()
    {
        install = std::make_unique<TestInstall>();
        messages = std::make_unique<MessageRecorder>();
    }
    void cleanup()
    {
        Application::instance().destroyForms();
        QCOMPARE(messages->messages, QStringList());
        messages.reset();
        install.reset();
    }

    void stepsThroughTheMovesWithoutWrapping()
    {
        createMovesTable(*install, 4);
        TMoves *moves = createMoves();
        TDBNavigator *navigator = moves->DBNavigator1;
        auto enabled = [navigator](TDBNavigator::Button which) { return navigator->button(which)->isEnabled(); };

        verifyOnMove(moves, 0);
        QVERIFY(!enabled(TDBNavigator::nbFirst) && !enabled(TDBNavigator::nbPrior));
        navigator->button(TDBNavigator::nbNext)->click();
        verifyOnMove(moves, 1);
        QVERIFY(enabled(TDBNavigator::nbFirst) && enabled(TDBNavigator::nbPrior));
        navigator->button(TDBNavigator::nbLast)->click();
        verifyOnMove(moves, 3);
        QVERIFY(!enabled(TDBNavigator::nbNext) && !enabled(TDBNavigator::nbLast));
        navigator->BtnClick(TDBNavigator::nbNext);
        verifyOnMove(moves, 3);
        navigator->button(TDBNavigator::nbPrior)->click();
        verifyOnMove(moves, 2);
        navigator->button(TDBNavigator::nbFirst)->click();
        verifyOnMove(moves, 0);
        navigator->BtnClick(TDBNavigator::nbPrior);
        verifyOnMove(moves, 0);
    }

    void emptyTableLeavesTheMemosEmpty()
    {
        createMovesTable(*install, 0);
        TMoves *moves = createMoves();
        QCOMPARE(moves->DBMemo1->toPlainText(), QString());
        QCOMPARE(moves->DBMemo2->toPlainText(), QString());
        for (auto which : {TDBNavigator::nbFirst, TDBNavigator::nbPrior, TDBNavigator::nbNext, TDBNavigator::nbLast})
            QVERIFY(!moves->DBNavigator1->button(which)->isEnabled());
    }

    void typingInTheMemosChangesNothing()
    {
        createMovesTable(*install, 2);
        TMoves *moves = createMoves();
        Screens::show("Moves");
        QCOMPARE(moves->focusWidget(), static_cast<QWidget *>(moves->DBMemo1));
        for (TDBMemo *memo : {moves->DBMemo1, moves->DBMemo2}) {
            QTest::keyClicks(memo, "typed");
            QTest::keyClick(memo, Qt::Key_Backspace);
            QTest::keyClick(memo, Qt::Key_Delete);
            QTest::keyClick(memo, Qt::Key_Return);
        }
        verifyOnMove(moves, 0);
        QCOMPARE(moves->Table1->State(), TDataSetState::Browse);
        QCOMPARE(install->query("BIGMOVES.DB", "SELECT Move FROM BIGMOVES").at(0).at(0).toString(), moveOf(0));
    }

    void reopenedScreenShowsTheSameMove()
    {
        createMovesTable(*install, 3);
        TMoves *moves = createMoves();
        Screens::show("Moves");
        moves->DBNavigator1->BtnClick(TDBNavigator::nbNext);
        QScrollBar *resultBar = moves->DBMemo2->verticalScrollBar();
        QVERIFY(resultBar->maximum() > 0);
        resultBar->setValue(resultBar->maximum());

        moves->Button1->click();
        QVERIFY(!moves->isVisible());
        Screens::show("Moves");
        verifyOnMove(moves, 1);
        QCOMPARE(resultBar->value(), resultBar->maximum());
    }

    void screenshots()
    {
        createMovesTable(*install, 3);
        TMoves *moves = createMoves();
        Screens::show("Moves");
        QVERIFY(QTest::qWaitForWindowExposed(moves));
        QCoreApplication::processEvents();
        saveScreenshot(moves, "fixture-Moves");

        const QString share = qEnvironmentVariable("QUILLOMET_TEST_SHARE");
        if (share.isEmpty() || !QFile::exists(share + "/Baseball/BIGMOVES.DB"))
            QSKIP("the demo data is not built");
        Application::instance().destroyForms();
        Database::setAliasPath("Baseball", share + "/Baseball/");
        moves = createMoves();
        QVERIFY(!moves->DBMemo1->toPlainText().isEmpty());
        Screens::show("Moves");
        QVERIFY(QTest::qWaitForWindowExposed(moves));
        QCoreApplication::processEvents();
        saveScreenshot(moves, "demo-Moves");
    }
};

std::unique_ptr<QObject> makeListReportMovesTest() { return std::make_unique<ListReportMovesTest>(); }

#include "ListReportTestMoves.moc"
