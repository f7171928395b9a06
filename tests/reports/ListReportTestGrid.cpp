#include "support/TestSupport.h"

#include "platform/controls/TDBGrid.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/controls/TDataSource.h"
#include "platform/db/TTable.h"
#include "platform/forms/Look.h"

#include <QAbstractItemModelTester>
#include <QHeaderView>
#include <QTest>

#include <memory>

namespace {

const QStringList playerColumns = {"\"Id\" INTEGER PRIMARY KEY", "\"Name\" VARCHAR(12)", "\"Team\" VARCHAR(3)",
                                   "\"Avg\" REAL", "\"Note\" TEXT"};

// Rows stored in reverse key order: the grid must show them by key.
QList<QVariantList> players(int count)
{
    QList<QVariantList> rows;
    for (int id = 1; id <= count; ++id)
        rows.prepend({id, QString("NAME%1").arg(id), id % 7 ? QVariant("ABC") : QVariant(), id / 10.0, "note"});
    return rows;
}

QString nameAt(int row) { return QString("NAME%1").arg(row + 1); }

} // namespace

// The grid over a table: its model, and how it and the table follow each other.
class ListReportGridTest : public QObject {
    Q_OBJECT

    std::unique_ptr<TestInstall> install;
    std::unique_ptr<TTable> table;
    std::unique_ptr<TDataSource> source;
    std::unique_ptr<QWidget> window;
    TDBGrid *grid = nullptr;
    TDBNavigator *navigator = nullptr;

    // A shown grid of 300 x 200 pixels over PLAYERS.DB, with a navigator.
    void open(int rows, bool readOnly = true)
    {
        install->createTable("PLAYERS.DB", playerColumns, players(rows));
        table = std::make_unique<TTable>();
        table->DatabaseName = "Baseball";
        table->TableName = "PLAYERS.DB";
        table->ReadOnly = readOnly;
        table->Open();
        source = std::make_unique<TDataSource>();
        source->SetDataSet(table.get());
        window = std::make_unique<QWidget>();
        window->resize(320, 260);
        navigator = new TDBNavigator(window.get());
        navigator->setGeometry(0, 0, 120, 25);
        navigator->SetDataSource(source.get());
        grid = new TDBGrid(window.get());
        grid->setGeometry(0, 30, 300, 200);
        grid->setFont(Look::sansFont(16));
        grid->SetColumns({{"Name", 90}, {"Team"}, {"Avg"}});
        grid->SetDataSource(source.get());
        window->show();
        grid->setFocus();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    int currentRow() const { return grid->currentIndex().row(); }

    // The row of the current record is the grid's current row, carries the
    // only marker and lies in view.
    void verifyGridOnRecord(int row)
    {
        QCOMPARE(table->RecNo(), row);
        QCOMPARE(table->FieldByName("Name").asText(), nameAt(row));
        QCOMPARE(currentRow(), row);
        TDBGridModel *model = grid->gridModel();
        for (int r = 0; r < model->rowCount(); ++r)
            QCOMPARE(model->headerData(r, Qt::Vertical).toString(),
                     r == row ? TDBGridModel::indicator : QString());
        const QRect place = grid->visualRect(grid->currentIndex());
        QVERIFY2(grid->viewport()->rect().contains(place), "the current row is out of view");
    }

    int tableRowsOnDisk() const { return install->query("PLAYERS.DB", "SELECT COUNT(*) FROM PLAYERS").at(0).at(0).toInt(); }

private slots:
    void initTestCase() { Look::installFontSubstitutions(); }
    void init() { install = std::make_unique<TestInstall>(); }
    void cleanup()
    {
        window.reset();
        source.reset();
        table.reset();
        install.reset();
    }

    void modelPassesTheModelTester()
    {
        install->createTable("PLAYERS.DB", playerColumns, players(150));
        table = std::make_unique<TTable>();
        table->DatabaseName = "Baseball";
        table->TableName = "PLAYERS.DB";
        table->ReadOnly = true;
        source = std::make_unique<TDataSource>();
        TDBGridModel model;
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        // The tester would fetch inside its own reset handler, before it has
        // noted the end of the reset; the test fetches instead.
        tester.setUseFetchMore(false);
        model.SetFields({"Name", "Team", "Avg", "Missing"});
        model.SetDataSource(source.get());
        source->SetDataSet(table.get());
        table->Open();
        table->Last();
        QCOMPARE(model.rowCount(), 150);
        table->First();
        table->MoveTo(70);
        table->Close();
        QCOMPARE(model.rowCount(), 0);
        table->Open();
        while (model.canFetchMore(QModelIndex()))
            model.fetchMore(QModelIndex());
        QCOMPARE(model.rowCount(), 150);
    }

    void showsTheTableInItsOwnOrder()
    {
        open(10);
        TDBGridModel *model = grid->gridModel();
        QCOMPARE(model->columnCount(), 3);
        const QStringList titles = {"Name", "Team", "Avg"};
        for (int section = 0; section < titles.size(); ++section)
            QCOMPARE(model->headerData(section, Qt::Horizontal).toString(), titles[section]);
        QCOMPARE(model->rowCount(), 10);
        QCOMPARE(model->index(0, 0).data().toString(), QString("NAME1"));
        QCOMPARE(model->index(9, 0).data().toString(), QString("NAME10"));
        QCOMPARE(model->index(6, 1).data().toString(), QString());   // a null shows empty
        QCOMPARE(model->index(2, 2).data().toString(), QString("0.3"));
        QVERIFY(!(model->flags(model->index(0, 0)) & Qt::ItemIsEditable));
        QVERIFY(grid->horizontalHeader()->isVisible());
        QCOMPARE(grid->verticalHeader()->width(), 11);
        verifyGridOnRecord(0);
    }

    void readsRowsInBlocksAsNeeded()
    {
        open(400);
        TDBGridModel *model = grid->gridModel();
        QVERIFY2(model->rowCount() < 400, "the whole table was read at once");
        QCOMPARE(model->recordCount(), 400);
        table->Last();
        QCOMPARE(model->rowCount(), 400);
        QCOMPARE(model->index(399, 0).data().toString(), nameAt(399));
        verifyGridOnRecord(399);
    }

    void followsTheNavigator()
    {
        open(60);
        navigator->BtnClick(TDBNavigator::nbNext);
        verifyGridOnRecord(1);
        navigator->BtnClick(TDBNavigator::nbLast);
        verifyGridOnRecord(59);
        navigator->BtnClick(TDBNavigator::nbPrior);
        verifyGridOnRecord(58);
        navigator->BtnClick(TDBNavigator::nbFirst);
        verifyGridOnRecord(0);
    }

    void stepKeysMoveTheTable_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("row");
        QTest::addColumn<bool>("bof");
        QTest::addColumn<bool>("eof");
        QTest::newRow("down") << 0 << int(Qt::Key_Down) << 1 << false << false;
        QTest::newRow("up") << 5 << int(Qt::Key_Up) << 4 << false << false;
        QTest::newRow("up on the first row") << 0 << int(Qt::Key_Up) << 0 << true << false;
        QTest::newRow("down on the last row") << 29 << int(Qt::Key_Down) << 29 << false << true;
    }

    void stepKeysMoveTheTable()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, row);
        QFETCH(bool, bof);
        QFETCH(bool, eof);
        open(30);
        table->MoveTo(start);
        QTest::keyClick(grid, Qt::Key(key));
        verifyGridOnRecord(row);
        QCOMPARE(table->Bof(), bof);
        QCOMPARE(table->Eof(), eof);
        QCOMPARE(navigator->button(TDBNavigator::nbPrior)->isEnabled(), !bof);
        QCOMPARE(navigator->button(TDBNavigator::nbNext)->isEnabled(), !eof);
    }

    void pageKeysMoveByPagesAndStopAtTheEnds()
    {
        open(30);
        QTest::keyClick(grid, Qt::Key_PageDown);
        const int page = table->RecNo();
        QVERIFY2(page > 1, "page down moved a single row");
        verifyGridOnRecord(page);
        for (int i = 0; i < 30 / page + 1; ++i)
            QTest::keyClick(grid, Qt::Key_PageDown);
        verifyGridOnRecord(29);
        QVERIFY(table->Eof());
        QTest::keyClick(grid, Qt::Key_PageUp);
        verifyGridOnRecord(29 - page);
        for (int i = 0; i < 30 / page + 1; ++i)
            QTest::keyClick(grid, Qt::Key_PageUp);
        verifyGridOnRecord(0);
        QVERIFY(table->Bof());
    }

    void clickMovesTheTable()
    {
        open(10);
        const QModelIndex cell = grid->gridModel()->index(3, 1);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(cell).center());
        verifyGridOnRecord(3);
        QVERIFY(navigator->button(TDBNavigator::nbFirst)->isEnabled());
        QVERIFY(navigator->button(TDBNavigator::nbLast)->isEnabled());
    }

    void noKeyEditsInsertsOrDeletes()
    {
        // A writable table: the grid alone must keep it unchanged.
        open(5, false);
        table->Last();
        const QList<int> keys = {Qt::Key_Down, Qt::Key_Down, Qt::Key_Insert, Qt::Key_Delete, Qt::Key_Return,
                                 Qt::Key_F2, Qt::Key_N, Qt::Key_Backspace, Qt::Key_Space, Qt::Key_Down};
        for (int key : keys)
            QTest::keyClick(grid, Qt::Key(key));
        QTest::keyClick(grid, Qt::Key_Delete, Qt::ControlModifier);
        QTest::keyClicks(grid, "NAME1");
        QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, grid->visualRect(grid->currentIndex()).center());

        QCOMPARE(table->State(), TDataSetState::Browse);
        verifyGridOnRecord(4);
        QCOMPARE(grid->gridModel()->rowCount(), 5);
        QCOMPARE(tableRowsOnDisk(), 5);
        const auto names = install->query("PLAYERS.DB", "SELECT Name FROM PLAYERS ORDER BY Id");
        for (int row = 0; row < 5; ++row)
            QCOMPARE(names.at(row).at(0).toString(), nameAt(row));
    }

    void emptyTableShowsTheTitleRowOnly()
    {
        open(0);
        TDBGridModel *model = grid->gridModel();
        QCOMPARE(model->rowCount(), 0);
        QCOMPARE(model->columnCount(), 3);
        QCOMPARE(model->currentRow(), -1);
        QVERIFY(!grid->currentIndex().isValid());
        QVERIFY(grid->horizontalHeader()->isVisible());
        QTest::keyClick(grid, Qt::Key_Down);
        QTest::keyClick(grid, Qt::Key_PageDown);
        QVERIFY(table->IsEmpty());
        QCOMPARE(tableRowsOnDisk(), 0);
    }

    void columnsTakeTheirWidthOrTheFieldsDefault()
    {
        install->createTable("WIDTHS.DB", {"\"Wide\" VARCHAR(20)", "\"Narrow\" VARCHAR(2)", "\"A Long Title\" VARCHAR(1)"}, {});
        TTable widths;
        widths.DatabaseName = "Baseball";
        widths.TableName = "WIDTHS.DB";
        widths.Open();
        TDataSource widthSource;
        widthSource.SetDataSet(&widths);
        TDBGrid widthGrid;
        widthGrid.setFont(Look::sansFont(16));
        widthGrid.SetTitleFont(Look::sansFont(11));
        widthGrid.SetColumns({{"Wide"}, {"Narrow"}, {"A Long Title"}, {"Wide", 35}});
        widthGrid.SetDataSource(&widthSource);
        QVERIFY(widthGrid.columnWidth(0) > widthGrid.columnWidth(1));
        QVERIFY(widthGrid.columnWidth(0) >= 20 * widthGrid.fontMetrics().averageCharWidth());
        QVERIFY(widthGrid.columnWidth(2)
                > widthGrid.horizontalHeader()->fontMetrics().horizontalAdvance("A Long Title"));
        QCOMPARE(widthGrid.columnWidth(3), 35);

        // Larger cells, wider default columns.
        const int before = widthGrid.columnWidth(0);
        widthGrid.setFont(Look::sansFont(24));
        QVERIFY(widthGrid.columnWidth(0) > before);
        QCOMPARE(widthGrid.columnWidth(3), 35);
    }

    void postedRecordsShowInTheGrid()
    {
        open(5, false);
        table->MoveTo(2);
        table->Edit();
        table->SetFieldText("Name", "CHANGED");
        table->Post();
        QCOMPARE(grid->gridModel()->index(2, 0).data().toString(), QString("CHANGED"));

        table->Insert();
        table->SetFieldText("Name", "NEWCOMER");
        table->Post();
        QCOMPARE(grid->gridModel()->recordCount(), 6);
        QCOMPARE(grid->gridModel()->currentRow(), table->RecNo());
        QCOMPARE(grid->gridModel()->index(table->RecNo(), 0).data().toString(), QString("NEWCOMER"));
    }
};

std::unique_ptr<QObject> makeListReportGridTest() { return std::make_unique<ListReportGridTest>(); }

#include "ListReportTestGrid.moc"
