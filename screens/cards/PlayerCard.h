#pragma once

#include "platform/forms/TForm.h"

#include <QColor>
#include <QRect>
#include <QStringList>
#include <QVector>

#include <array>

class QLineEdit;
class QPushButton;
class TDataSource;
class TDBEdit;
class TDBMemo;
class TDBNavigator;
class TImage;
class TTable;

// Everything that sets one player card apart from the other: its table,
// the places that differ, its statistics and the games-by-position diagram.
struct CardLayout {
    // One column of the statistics block: its heading and the field shown in
    // each row ("97", "96", "95", "94", "4 Year Average"); null for no value.
    struct StatisticsColumn {
        const char *heading;
        int left;
        int width;
        std::array<const char *, 5> fields;
    };
    // A box over the field picture with the games played at one position.
    struct DiagramBox {
        const char *field;
        QRect place;
        QColor color;
        int fontPixels;
    };
    // A caption of the diagram, black on green in the card's font.
    struct Caption {
        const char *member;
        const char *text;
        QRect place;
    };

    const char *instanceName;
    QRect restoredGeometry;

    const char *tableMember;
    const char *tableName;
    const char *indexFieldNames;
    const char *lastNameField;
    const char *writeUpField;

    const char *positionCaptionMember;   // the read-only box that reads "Position"
    QRect navigator;
    QRect searchBox;
    QRect searchButton;
    QRect positionBox;
    QRect mainMenuButton;

    QVector<StatisticsColumn> statistics;
    QVector<DiagramBox> diagram;
    QVector<Caption> diagramCaptions;
    QStringList tabOrder;                // member names, after the write-up memo
};

// The design both player cards share: one player at a time from a master
// table, limited to the selected position, with stepping, last-name search,
// the team banner and "Main Menu". The table is open when construction ends.
class PlayerCard : public TForm {
    Q_OBJECT

public:
    TDataSource *DataSource1 = nullptr;
    TDBNavigator *DBNavigator1 = nullptr;
    QLineEdit *Edit1 = nullptr;
    QPushButton *Button1 = nullptr;
    TDBMemo *DBMemo1 = nullptr;
    TDBEdit *DBEdit1 = nullptr;
    TImage *Image1 = nullptr;
    TImage *Image2 = nullptr;
    QPushButton *Button2 = nullptr;

    void DBNavigator1Click();
    void Button1Click();
    void Button2Click();

protected:
    explicit PlayerCard(const CardLayout &layout);

    TTable *cardTable() const { return m_table; }
    QLineEdit *positionCaption() const { return m_positionCaption; }

private:
    void createNavigationAndSearch(const CardLayout &layout);
    void createPlayerHeader(const CardLayout &layout);
    void createFieldPicture(const CardLayout &layout);
    void createStatistics(const CardLayout &layout);
    void createBannerAndMainMenu(const CardLayout &layout);
    void chainTabOrder(const QStringList &members);
    void openTable(const CardLayout &layout);
    template <typename Control>
    Control *bound(Control *control, const QString &field);

    TTable *m_table = nullptr;
    QLineEdit *m_positionCaption = nullptr;
    QStringList m_boundFields;
};
