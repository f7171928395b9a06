#include "screens/reports/TMoves.h"

#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/controls/TDataSource.h"
#include "platform/db/TTable.h"
#include "platform/forms/Look.h"

#include <QLabel>
#include <QPushButton>

namespace {

constexpr int labelFontPixels = 24;
constexpr int memoFontPixels = 19;

// The part of the client area the controls cover: the "Result" memo reaches
// furthest down, "Main Menu" furthest right.
constexpr QSize clientSize{577, 401};

} // namespace

TMoves::TMoves() : TForm("Moves", "Top Offseason Moves")
{
    setWindowPlacement(Placement::Maximized, QRect(200, 108, 435, 300));
    setClientColor(Look::purple);
    setClientSize(clientSize.width(), clientSize.height());
    openTable();

    Label1 = createLabel("Label1", "Move:", {16, 48, 97, 33});
    DBNavigator1 = new TDBNavigator(client());
    DBNavigator1->setObjectName("DBNavigator1");
    DBNavigator1->setGeometry(128, 48, 184, 33);
    DBNavigator1->SetDataSource(DataSource1);
    DBMemo1 = createMemo("DBMemo1", "Move", {16, 80, 329, 97}, false);
    Label2 = createLabel("Label2", "What it means:", {16, 184, 201, 33});
    DBMemo2 = createMemo("DBMemo2", "Result", {16, 216, 449, 185}, true);

    Button1 = new QPushButton("Main Menu", client());
    Button1->setObjectName("Button1");
    Button1->setGeometry(424, 112, 153, 41);
    onClick(Button1, [this] { Button1Click(); });

    // The move comes first and holds the focus when the screen is first shown.
    setTabOrder(DBMemo1, DBMemo2);
    setTabOrder(DBMemo2, Button1);
    DBMemo1->setFocus();
}

void TMoves::openTable()
{
    Table1 = new TTable(this);
    Table1->setObjectName("Table1");
    Table1->DatabaseName = "Baseball";
    Table1->TableName = "BIGMOVES.DB";
    Table1->ReadOnly = true;
    Table1->RequiredFields = {"Move", "Result"};
    Table1->Open();

    DataSource1 = new TDataSource(this);
    DataSource1->setObjectName("DataSource1");
    DataSource1->SetDataSet(Table1);
}

QLabel *TMoves::createLabel(const char *member, const char *caption, const QRect &place)
{
    auto *label = new QLabel(caption, client());
    label->setObjectName(member);
    label->setGeometry(place);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setFont(Look::sansFont(labelFontPixels));
    Look::setColors(label, Look::white, Look::navy);
    return label;
}

TDBMemo *TMoves::createMemo(const char *member, const char *field, const QRect &place, bool scrollBar)
{
    auto *memo = new TDBMemo(client());
    memo->setObjectName(member);
    memo->setGeometry(place);
    memo->setFont(Look::sansFont(memoFontPixels));
    Look::setColors(memo, Look::black, Look::window);
    memo->SetScrollBars(scrollBar);
    memo->SetDataSource(DataSource1);
    memo->SetDataField(field);
    return memo;
}

void TMoves::Button1Click() { Close(); }
