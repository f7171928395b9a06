#pragma once

#include "platform/controls/TDBGrid.h"
#include "platform/forms/TForm.h"

#include <functional>

class QPushButton;
class TDBMemo;
class TDBNavigator;

// The fonts of a list report, as character heights in pixels.
struct ListReportFonts {
    int screen;       // button captions
    int cells;
    int titles;
    int memo;
    bool memoBold;
};

// What sets one list report apart from the others.
struct ListReportSettings {
    const char *instance;
    const char *caption;
    QColor color;
    const char *tableFile;
    const char *writeUpField;
    QVector<TDBGrid::Column> columns;
    // The about button and the screen it shows (none where the caption is null).
    const char *aboutCaption;
    const char *aboutScreen;
    ListReportFonts fonts;
    bool memoScrollBar;
    QRect navigator;
    QRect memo;
    QRect grid;
    QRect mainMenu;
    QRect about;
    // Where the window lies when it is not maximized.
    QPoint restoredAt;
    // Where the window is smaller than its controls; one report never shows
    // a vertical scroll bar of its own.
    bool windowVerticalScrollBar;
};

// A list of players from one table: the whole table in a grid, the write-up
// of the current player in a memo above it, a navigator, "Main Menu", and on
// some lists a button that shows the screen explaining the list. Nothing on
// it changes data, and showing it again shows what it showed when hidden.
class ListReport : public TForm {
    Q_OBJECT

public:
    explicit ListReport(const ListReportSettings &settings);

    TTable *Table1 = nullptr;
    TDataSource *DataSource1 = nullptr;
    TDBGrid *DBGrid1 = nullptr;
    TDBMemo *DBMemo1 = nullptr;
    TDBNavigator *DBNavigator1 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;   // the about button, where there is one

    void Button1Click();
    void Button2Click();

private:
    void openTable(const ListReportSettings &settings);
    void createControls(const ListReportSettings &settings);
    QPushButton *createButton(const char *member, const char *caption, const QRect &place);

    QString m_aboutScreen;
};

// Makes the list report of that screen name ("tp98", "Prospec", "pitpros",
// "Breakbat", "Breakpit"), for the screen set.
std::function<TForm *()> listReport(const QString &instance);
