#include "screens/cards/PlayerCard.h"

#include "app/InstallFolder.h"
#include "platform/controls/TDBEdit.h"
#include "platform/controls/TDBMemo.h"
#include "platform/controls/TDBNavigator.h"
#include "platform/controls/TDBText.h"
#include "platform/controls/TDataSource.h"
#include "platform/controls/TImage.h"
#include "platform/db/TTable.h"
#include "platform/forms/Look.h"
#include "screens/cards/CardSteps.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QValidator>

namespace {

// The part of the client area the controls cover: the statistics block ends
// at the right, the banner at the bottom.
constexpr QSize clientSize{641, 409};

constexpr int rowHeight = 25;
constexpr int headingTop = 184;

// The rows of the statistics block, with their label in the first column;
// the average's label also covers the "Team" column.
struct StatisticsRow {
    const char *member;
    const char *label;
    int top;
    int labelWidth;
};
constexpr StatisticsRow statisticsRows[] = {
    {"Season97", "97", 208, 41},
    {"Season96", "96", 232, 41},
    {"Season95", "95", 256, 41},
    {"Season94", "94", 280, 41},
    {"FourYearAverage", "4 Year Average", 304, 153},
};
constexpr int statisticsLeft = 16;

// A statistics cell: its one-pixel black outline overlaps the neighbours',
// so rows and columns share their borders.
template <typename Label>
class OutlinedCell final : public Label {
public:
    using Label::Label;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        Label::paintEvent(event);
        QPainter painter(this);
        painter.setPen(Look::black);
        painter.drawRect(this->rect().adjusted(0, 0, -1, -1));
    }
};

// Every letter typed into the search box becomes a capital, where it was
// typed: the cursor stays put.
class CapitalLetters final : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString &input, int &) const override
    {
        for (QChar &c : input)
            c = c.toUpper();
        return Acceptable;
    }
};

template <typename Label>
Label *label(QWidget *parent, const QString &member, const QRect &place, const QFont &font,
             const QColor &text, const QColor &background)
{
    auto *widget = new Label(parent);
    widget->setObjectName(member);
    widget->setGeometry(place);
    widget->setFont(font);
    Look::setColors(widget, text, background);
    return widget;
}

template <typename Label>
Label *centredLabel(QWidget *parent, const QString &member, const QRect &place, const QFont &font,
                    const QColor &text, const QColor &background)
{
    Label *cell = label<Label>(parent, member, place, font, text, background);
    cell->setAlignment(Qt::AlignCenter);
    return cell;
}

} // namespace

PlayerCard::PlayerCard(const CardLayout &layout) : TForm(layout.instanceName, layout.instanceName)
{
    setWindowPlacement(Placement::Maximized, layout.restoredGeometry);
    setClientColor(Look::inactiveBorder);
    setClientSize(clientSize.width(), clientSize.height());
    setFont(Look::sansFont(11, true));

    m_table = new TTable(this);
    m_table->setObjectName(layout.tableMember);
    DataSource1 = new TDataSource(this);
    DataSource1->setObjectName("DataSource1");
    DataSource1->SetDataSet(m_table);

    createNavigationAndSearch(layout);
    createPlayerHeader(layout);
    createFieldPicture(layout);
    createStatistics(layout);
    createBannerAndMainMenu(layout);
    chainTabOrder(layout.tabOrder);
    DBMemo1->setFocus();
    openTable(layout);
}

template <typename Control>
Control *PlayerCard::bound(Control *control, const QString &field)
{
    control->SetDataSource(DataSource1);
    control->SetDataField(field);
    m_boundFields << field;
    return control;
}

void PlayerCard::createNavigationAndSearch(const CardLayout &layout)
{
    DBNavigator1 = new TDBNavigator(client());
    DBNavigator1->setObjectName("DBNavigator1");
    DBNavigator1->setGeometry(layout.navigator);
    DBNavigator1->SetDataSource(DataSource1);
    DBNavigator1->OnClick = [this](TDBNavigator::Button) { DBNavigator1Click(); };

    Edit1 = new QLineEdit(client());
    Edit1->setObjectName("Edit1");
    Edit1->setGeometry(layout.searchBox);
    Edit1->setFont(Look::sansFont(13, true));
    Edit1->setValidator(new CapitalLetters(Edit1));

    Button1 = new QPushButton("Search", client());
    Button1->setObjectName("Button1");
    Button1->setGeometry(layout.searchButton);
    Button1->setAutoDefault(true);
    onClick(Button1, [this] { Button1Click(); });
}

void PlayerCard::createPlayerHeader(const CardLayout &layout)
{
    const QFont nameFont = Look::sansFont(19, true);
    bound(centredLabel<TDBText>(client(), "FRST_NM_97", {16, 24, 129, 25}, nameFont, Look::white, Look::navy),
          "FRST_NM_97");
    bound(centredLabel<TDBText>(client(), layout.lastNameField, {144, 24, 129, 25}, nameFont, Look::white,
                                Look::navy),
          layout.lastNameField);

    m_positionCaption = new QLineEdit("Position", client());
    m_positionCaption->setObjectName(layout.positionCaptionMember);
    m_positionCaption->setGeometry(272, 24, 57, 21);
    m_positionCaption->setReadOnly(true);

    DBEdit1 = bound(new TDBEdit(client()), positionField);
    DBEdit1->setObjectName("DBEdit1");
    DBEdit1->setGeometry(layout.positionBox);
    DBEdit1->setReadOnly(true);
    DBEdit1->SetMaxLength(2);

    DBMemo1 = bound(new TDBMemo(client()), layout.writeUpField);
    DBMemo1->setObjectName("DBMemo1");
    DBMemo1->setGeometry(16, 48, 329, 137);
    DBMemo1->setFont(Look::sansFont(13, true));
    DBMemo1->SetScrollBars(true);
    DBMemo1->setTabChangesFocus(true);
    Look::setColors(DBMemo1, Look::black, Look::window);
}

void PlayerCard::createFieldPicture(const CardLayout &layout)
{
    // The picture is part of the program, not of its data: without the file
    // the box stays empty, as the main menu's pictures do.
    Image1 = new TImage(client());
    Image1->setObjectName("Image1");
    Image1->setGeometry(376, 0, 265, 185);
    Image1->SetPicture(QImage(InstallFolder::path() + "pictures/field.bmp"));

    for (const CardLayout::DiagramBox &box : layout.diagram)
        bound(centredLabel<TDBText>(client(), box.field, box.place, Look::sansFont(box.fontPixels, true),
                                    Look::black, box.color),
              box.field);
    // Both cards keep the diagram's caption, also where there are no boxes.
    label<QLabel>(client(), "GamesByPositionLabel", {392, 152, 87, 13}, Look::sansFont(11), Look::black, Look::green)
        ->setText("Games by Position");
    for (const CardLayout::Caption &caption : layout.diagramCaptions)
        label<QLabel>(client(), caption.member, caption.place, font(), Look::black, Look::green)->setText(caption.text);
}

void PlayerCard::createStatistics(const CardLayout &layout)
{
    const QFont font = Look::sansFont(16, true);
    for (const CardLayout::StatisticsColumn &column : layout.statistics) {
        const QRect heading(column.left, headingTop, column.width, rowHeight);
        centredLabel<OutlinedCell<QLabel>>(client(), QString("Heading") + column.heading, heading, font,
                                           Look::white, Look::navy)
            ->setText(column.heading);
        for (int row = 0; row < int(column.fields.size()); ++row) {
            if (const char *field = column.fields[row]) {
                const QRect cell(column.left, statisticsRows[row].top, column.width, rowHeight);
                bound(centredLabel<OutlinedCell<TDBText>>(client(), field, cell, font, Look::black, Look::white),
                      field);
            }
        }
    }
    for (const StatisticsRow &row : statisticsRows) {
        const QRect place(statisticsLeft, row.top, row.labelWidth, rowHeight);
        centredLabel<OutlinedCell<QLabel>>(client(), row.member, place, font, Look::black, Look::white)
            ->setText(row.label);
    }
}

void PlayerCard::createBannerAndMainMenu(const CardLayout &layout)
{
    Image2 = new TImage(client());
    Image2->setObjectName("Image2");
    Image2->setGeometry(16, 336, 305, 73);

    Button2 = new QPushButton("Main Menu", client());
    Button2->setObjectName("Button2");
    Button2->setGeometry(layout.mainMenuButton);
    Button2->setAutoDefault(true);
    onClick(Button2, [this] { Button2Click(); });
}

void PlayerCard::chainTabOrder(const QStringList &members)
{
    QWidget *previous = DBMemo1;
    for (const QString &member : members) {
        QWidget *next = client()->findChild<QWidget *>(member);
        QWidget::setTabOrder(previous, next);
        previous = next;
    }
}

void PlayerCard::openTable(const CardLayout &layout)
{
    m_table->DatabaseName = "Baseball";
    m_table->TableName = layout.tableName;
    m_table->IndexFieldNames = layout.indexFieldNames;
    m_table->ReadOnly = true;
    m_table->RequiredFields = m_boundFields;
    // The team is never shown, only used for the banner.
    m_table->RequiredFields << teamField;
    m_table->Open();
}

void PlayerCard::DBNavigator1Click() { ShowTeamBanner(*m_table, *Image2); }

void PlayerCard::Button1Click() { SearchLastName(*m_table, Edit1->text(), *Image2); }

void PlayerCard::Button2Click() { Close(); }
