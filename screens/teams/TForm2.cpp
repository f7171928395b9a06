#include "screens/teams/TForm2.h"

#include "app/Screens.h"
#include "app/Selection.h"
#include "platform/controls/TDBEdit.h"
#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDataSource.h"
#include "platform/db/TTable.h"
#include "platform/forms/Look.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int nameLeft = 440;
constexpr int nameWidth = 153;
constexpr int narrowLeft = 591;   // over the name box's right border
constexpr int narrowWidth = 33;
constexpr int boxHeight = 28;

// One row of the lineup card: a name box and the narrow box beside it.
struct LineupRow {
    const char *nameMember;
    const char *nameField;
    const char *narrowMember;
    const char *narrowField;
    int top;
};

// Nine batting slots, then the five starters and the closer. Rows overlap by
// 4 px so the boxes form one column; a 12 px gap before the pitchers.
const LineupRow lineupRows[] = {
    {"DBEdit1", "One", "DBEdit19", "POS1", 32},
    {"DBEdit2", "Two", "DBEdit17", "POS2", 56},
    {"DBEdit3", "Three", "DBEdit21", "POS3", 80},
    {"DBEdit4", "Four", "DBEdit20", "POS4", 104},
    {"DBEdit7", "Five", "DBEdit29", "POS5", 128},
    {"DBEdit5", "Six", "DBEdit28", "POS6", 152},
    {"DBEdit8", "Seven", "DBEdit27", "POS7", 176},
    {"DBEdit6", "Eight", "DBEdit26", "POS8", 200},
    {"DBEdit9", "Nine", "DBEdit25", "POS9", 224},
    {"DBEdit13", "SP1", "DBEdit24", "Starter1", 264},
    {"DBEdit12", "SP2", "DBEdit23", "Starter2", 288},
    {"DBEdit11", "SP3", "DBEdit22", "Starter3", 312},
    {"DBEdit10", "SP4", "DBEdit18", "Starter4", 336},
    {"DBEdit14", "SP5", "DBEdit31", "Starter5", 360},
    {"DBEdit15", "Closer", "DBEdit30", "Closer1", 384},
};

} // namespace

TForm2::TForm2() : TForm("Form2", "Team Breakdowns")
{
    setWindowPlacement(Placement::Maximized, QRect(194, 129, 434, 300));
    setClientColor(Look::buttonFace);
    setClientSize(625, 412);
    // The screen's own font: what the headings and buttons use.
    setFont(Look::sansFont(16, true));
    Look::setColors(client(), Look::white);
    openTable();
    // The lineup card first: it leads the keyboard order.
    createLineupCard();
    createTeamSide();
}

void TForm2::openTable()
{
    Table1 = new TTable(this);
    Table1->setObjectName("Table1");
    Table1->DatabaseName = "Baseball";
    Table1->TableName = "TEAMPLAT.DB";
    Table1->IndexFieldNames = "Team";
    QStringList bound{"Team", "Hitting", "Pitching", "Division Rank"};
    for (const LineupRow &row : lineupRows)
        bound << row.nameField << row.narrowField;
    Table1->RequiredFields = bound;
    Table1->OnFilterRecord = [this](TTable &table, bool &accept) { Table1FilterRecord(table, accept); };
    Table1->Open();

    DataSource1 = new TDataSource(this);
    DataSource1->setObjectName("DataSource1");
    DataSource1->SetDataSet(Table1);
}

TDBEdit *TForm2::dbEdit(const char *member, const char *field, const QRect &place)
{
    auto *box = new TDBEdit(client());
    box->setObjectName(member);
    box->setGeometry(place);
    box->setFont(Look::sansFont(16, true));
    Look::setColors(box, Look::black, Look::window);
    box->SetDataSource(DataSource1);
    box->SetDataField(field);
    return box;
}

void TForm2::createLineupCard()
{
    for (const LineupRow &row : lineupRows) {
        dbEdit(row.nameMember, row.nameField, {nameLeft, row.top, nameWidth, boxHeight});
        dbEdit(row.narrowMember, row.narrowField, {narrowLeft, row.top, narrowWidth, boxHeight});
    }
    // The first showing starts in the lead-off hitter's name; later showings
    // give the focus back to where it was.
    client()->findChild<TDBEdit *>(lineupRows[0].nameMember)->setFocus();
}

void TForm2::createTeamSide()
{
    DBEdit33 = dbEdit("DBEdit33", "Team", {8, 0, 201, 32});
    DBEdit33->setFont(Look::sansFont(19, true));
    Look::setColors(DBEdit33, Look::white, Look::navy);
    DBEdit32 = dbEdit("DBEdit32", "Division Rank", {240, 48, 33, 28});

    auto memo = [this](const char *member, const char *field, const QRect &place) {
        auto *box = new TDBMemo(client());
        box->setObjectName(member);
        box->setGeometry(place);
        box->setFont(Look::sansFont(16, true));
        Look::setColors(box, Look::black, Look::window);
        box->SetScrollBars(true);
        box->SetDataSource(DataSource1);
        box->SetDataField(field);
        return box;
    };
    DBMemo3 = memo("DBMemo3", "Hitting", {8, 72, 385, 153});
    DBMemo2 = memo("DBMemo2", "Pitching", {8, 256, 377, 153});

    auto button = [this](const char *member, const char *caption, const QRect &place) {
        auto *push = new QPushButton(caption, client());
        push->setObjectName(member);
        push->setGeometry(place);
        // A push button draws its caption in the button text colour.
        Look::setColors(push, Look::black);
        return push;
    };
    Button2 = button("Button2", "Main Menu", {216, 0, 97, 33});
    Button1 = button("Button1", "Team Menu", {312, 0, 97, 33});
    onClick(Button2, [this] { Button2Click(); });
    onClick(Button1, [this] { Button1Click(); });

    auto heading = [this](const char *member, const char *caption, const QRect &place, const QColor &band) {
        auto *label = new QLabel(caption, client());
        label->setObjectName(member);
        label->setGeometry(place);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        Look::setColors(label, Look::white, band);
        // Behind the boxes it touches.
        label->lower();
        return label;
    };
    Label2 = heading("Label2", "LINEUP CARD", {440, 0, 185, 33}, Look::black);
    Label4 = heading("Label4", "Offense", {8, 48, 81, 25}, Look::navy);
    Label6 = heading("Label6", "Division Finish", {120, 48, 121, 25}, Look::maroon);
    Label5 = heading("Label5", "Pitching", {8, 232, 81, 25}, Look::navy);
}

void TForm2::FormActivate()
{
    // Switching the filter on writes a pending edit first; a refused write
    // fails here and leaves the record in edit, still on screen. Otherwise
    // the record of the current key is looked up from the start of the table.
    Table1->SetFiltered(true);
}

void TForm2::ProgramEnding()
{
    // The edit the next activation would have written is not lost with the
    // program.
    Table1->Post();
}

void TForm2::Table1FilterRecord(TTable &table, bool &accept)
{
    const QString key = Selection::teamKey();
    const TField team = table.FieldByName("Team");
    accept = !key.isEmpty() && !team.isNull() && team.asText() == key;
}

void TForm2::Button2Click()
{
    Screens::show("MMenu");
    Close();
}

void TForm2::Button1Click()
{
    Screens::show("Teammenu");
    Close();
}
