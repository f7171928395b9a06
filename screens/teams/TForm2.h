#pragma once

#include "platform/forms/TForm.h"

class QLabel;
class QPushButton;
class TDataSource;
class TDBEdit;
class TDBMemo;
class TTable;

// The team breakdown: the record of "TEAMPLAT.DB" whose `Team` is the team
// key, with its outlooks, division finish and an editable lineup card. Typing
// puts the record into edit; the edit is written at the next activation, or
// when the program ends first.
class TForm2 : public TForm {
    Q_OBJECT

public:
    TForm2();

    TTable *Table1 = nullptr;
    TDataSource *DataSource1 = nullptr;
    TDBEdit *DBEdit33 = nullptr;   // team name
    TDBEdit *DBEdit32 = nullptr;   // division finish
    TDBMemo *DBMemo3 = nullptr;    // offense outlook
    TDBMemo *DBMemo2 = nullptr;    // pitching outlook
    QLabel *Label2 = nullptr;
    QLabel *Label4 = nullptr;
    QLabel *Label5 = nullptr;
    QLabel *Label6 = nullptr;
    QPushButton *Button1 = nullptr;
    QPushButton *Button2 = nullptr;

    void FormActivate() override;
    void ProgramEnding() override;
    void Table1FilterRecord(TTable &table, bool &accept);
    void Button1Click();
    void Button2Click();

private:
    void openTable();
    void createTeamSide();
    void createLineupCard();
    TDBEdit *dbEdit(const char *member, const char *field, const QRect &place);
};
