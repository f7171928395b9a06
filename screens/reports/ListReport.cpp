#include "screens/reports/ListReport.h"

#include "app/Screens.h"
#include "platform/Failure.h"
#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/forms/Look.h"

#include <QPushButton>

namespace {

// Every list report restores to this size.
constexpr QSize restoredSize{435, 300};

// The top 98 list shows large print throughout; the other lists a smaller
// screen font, large cells and a large write-up.
constexpr ListReportFonts top98Fonts{19, 19, 19, 13, true};
constexpr ListReportFonts listFonts{11, 16, 11, 16, false};

const QVector<ListReportSettings> &reports()
{
    // One row per report: screen name, caption, colour, table file, write-up
    // field, grid columns; about button caption and screen; fonts, memo scroll
    // bar; places of the navigator, memo, grid, "Main Menu" and about button;
    // restored place; vertical window scroll bar.
    static const QVector<ListReportSettings> rows = {
        // Ttp98
        {"tp98", "Top 98 for 1998", Look::navy, "TOP98.DB", "Comment",
         {{"Rank"}, {"First Name"}, {"Last Name"}, {"Position"}},
         nullptr, nullptr, top98Fonts, false,
         {32, 8, 184, 25}, {32, 32, 329, 89}, {32, 120, 521, 305}, {376, 64, 177, 41}, {},
         {202, 117}, true},
        // TProspec
        {"Prospec", "Hot Hitting Prospects", Look::green, "PROSPECT.DB", "Projection",
         {{"First Name", 90}, {"Last Name", 90}, {"Team"}, {"Age", 27}, {"Level", 70}, {"Avg"},
          {"AB", 35}, {"R", 35}, {"HR", 35}, {"RBI", 35}, {"SB", 35}},
         "About Prospects", "Abpros", listFonts, true,
         {0, 8, 168, 33}, {0, 40, 361, 113}, {0, 152, 633, 281}, {410, 104, 177, 41}, {408, 48, 177, 41},
         {200, 108}, false},
        // Tpitpros
        {"pitpros", "Hot Pitching Prospects", Look::green, "PITPROS.DB", "Projection",
         {{"First Name", 60}, {"Last Name", 77}, {"Team", 79}, {"Age"}, {"Level", 58}, {"Throws", 24},
          {"W", 25}, {"L", 25}, {"IP", 60}, {"ERA", 50}, {"SV", 20}, {"BB", 35}, {"SO", 35}},
         "About Prospects", "Abpros", listFonts, true,
         {8, 8, 184, 33}, {8, 40, 281, 97}, {8, 136, 625, 289}, {336, 88, 161, 41}, {336, 40, 161, 41},
         {200, 108}, true},
        // TBreakbat
        {"Breakbat", "Breakout Batters", Look::maroon, "BREAKOUT.DB", "Projection",
         {{"First Name", 110}, {"Last Name", 110}, {"Team"}, {"Age"}, {"Avg"},
          {"AB", 45}, {"R", 40}, {"HR", 35}, {"RBI", 40}, {"SB", 40}},
         "About Breakout Candidates", "About", listFonts, true,
         {8, 16, 184, 33}, {8, 48, 345, 97}, {8, 144, 625, 273}, {384, 96, 161, 41}, {384, 48, 161, 41},
         {200, 108}, true},
        // TBreakpit
        {"Breakpit", "Breakout Pitchers", Look::maroon, "BREAKPIT.DB", "Projection",
         {{"First Name", 100}, {"Last Name", 100}, {"Team"}, {"Age"}, {"ERA", 50},
          {"IP", 50}, {"SO", 40}, {"W", 30}, {"L", 30}, {"WHIP", 50}},
         "About Breakout Candidates", "About", listFonts, true,
         {8, 16, 184, 33}, {8, 48, 361, 121}, {8, 168, 617, 161}, {392, 112, 177, 49}, {392, 56, 177, 49},
         {200, 108}, true},
    };
    return rows;
}

} // namespace

ListReport::ListReport(const ListReportSettings &settings)
    : TForm(settings.instance, settings.caption),
      m_aboutScreen(settings.aboutScreen ? settings.aboutScreen : "")
{
    setWindowPlacement(Placement::Maximized, QRect(settings.restoredAt, restoredSize));
    setClientColor(settings.color);
    setFont(Look::sansFont(settings.fonts.screen));
    if (!settings.windowVerticalScrollBar)
        setScrollPolicy(Qt::ScrollBarAsNeeded, Qt::ScrollBarAlwaysOff);
    openTable(settings);
    createControls(settings);
}

void ListReport::openTable(const ListReportSettings &settings)
{
    Table1 = new TTable(this);
    Table1->setObjectName("Table1");
    Table1->DatabaseName = "Baseball";
    Table1->TableName = settings.tableFile;
    Table1->ReadOnly = true;
    for (const TDBGrid::Column &column : settings.columns)
        Table1->RequiredFields << column.field;
    Table1->RequiredFields << settings.writeUpField;
    Table1->Open();

    DataSource1 = new TDataSource(this);
    DataSource1->setObjectName("DataSource1");
    DataSource1->SetDataSet(Table1);
}

void ListReport::createControls(const ListReportSettings &settings)
{
    DBNavigator1 = new TDBNavigator(client());
    DBNavigator1->setObjectName("DBNavigator1");
    DBNavigator1->setGeometry(settings.navigator);
    DBNavigator1->SetDataSource(DataSource1);

    DBMemo1 = new TDBMemo(client());
    DBMemo1->setObjectName("DBMemo1");
    DBMemo1->setGeometry(settings.memo);
    DBMemo1->setFont(Look::sansFont(settings.fonts.memo, settings.fonts.memoBold));
    Look::setColors(DBMemo1, Look::black, Look::window);
    DBMemo1->SetScrollBars(settings.memoScrollBar);
    DBMemo1->SetDataSource(DataSource1);
    DBMemo1->SetDataField(settings.writeUpField);

    DBGrid1 = new TDBGrid(client());
    DBGrid1->setObjectName("DBGrid1");
    DBGrid1->setGeometry(settings.grid);
    DBGrid1->setFont(Look::sansFont(settings.fonts.cells));
    DBGrid1->SetTitleFont(Look::sansFont(settings.fonts.titles));
    DBGrid1->SetColumns(settings.columns);
    DBGrid1->SetDataSource(DataSource1);

    Button1 = createButton("Button1", "Main Menu", settings.mainMenu);
    onClick(Button1, [this] { Button1Click(); });
    QRect covered = settings.navigator | settings.memo | settings.grid | settings.mainMenu;
    if (settings.aboutCaption) {
        Button2 = createButton("Button2", settings.aboutCaption, settings.about);
        onClick(Button2, [this] { Button2Click(); });
        covered |= settings.about;
    }
    setClientSize(covered.right() + 1, covered.bottom() + 1);

    // The grid comes first and holds the focus when the screen is first shown.
    setTabOrder(DBGrid1, DBMemo1);
    setTabOrder(DBMemo1, Button1);
    if (Button2)
        setTabOrder(Button1, Button2);
    DBGrid1->setFocus();
}

QPushButton *ListReport::createButton(const char *member, const char *caption, const QRect &place)
{
    auto *button = new QPushButton(caption, client());
    button->setObjectName(member);
    button->setGeometry(place);
    return button;
}

void ListReport::Button1Click() { Close(); }

void ListReport::Button2Click() { Screens::show(m_aboutScreen); }

std::function<TForm *()> listReport(const QString &instance)
{
    return [instance]() -> TForm * {
        for (const ListReportSettings &settings : reports())
            if (instance == settings.instance)
                return new ListReport(settings);
        throw Failure(QString("No list report is named %1").arg(instance));
    };
}
