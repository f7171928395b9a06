#pragma once

#include "platform/forms/TForm.h"

class QLabel;
class QPushButton;
class TDBMemo;
class TDBNavigator;
class TDataSource;
class TTable;

// The top moves of the offseason, one at a time: the move and, below it,
// what it means, stepped with the navigator. Only reads its table.
class TMoves : public TForm {
    Q_OBJECT

public:
    TMoves();

    TTable *Table1 = nullptr;
    TDataSource *DataSource1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Label2 = nullptr;
    TDBMemo *DBMemo1 = nullptr;
    TDBMemo *DBMemo2 = nullptr;
    TDBNavigator *DBNavigator1 = nullptr;
    QPushButton *Button1 = nullptr;

    void Button1Click();

private:
    void openTable();
    QLabel *createLabel(const char *member, const char *caption, const QRect &place);
    TDBMemo *createMemo(const char *member, const char *field, const QRect &place, bool scrollBar);
};
