#include "screens/reports/TSheet.h"

#include "assets/Texts.h"
#include "platform/ProgramLauncher.h"
#include "platform/forms/Look.h"
#include "screens/reports/TextBox.h"

#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// The spreadsheet program and the workbook are fixed places on the user's
// machine, not derived from where the program is installed.
const QString spreadsheetProgram = "C:\\MSOffice\\Excel\\Excel.exe";
const QString spreadsheetFolder = "C:\\MSOffice\\Excel";
const QString workbook = "C:\\Progra~1\\Brantell\\Quillo~1\\Draftday.xls";

DetachedProcessLauncher systemLauncher;

} // namespace

TSheet::TSheet() : TForm("Sheet", "About the Spreadsheet"), m_launcher(&systemLauncher)
{
    setWindowPlacement(Placement::Maximized, QRect(187, 104, 435, 300));
    setClientColor(Look::buttonFace);
    setClientSize(625, 401);

    Memo1 = createTextBox(client(), "Memo1", Texts::spreadsheet(), 16, TextBoxScrollBars::None);
    Memo1->setGeometry(24, 24, 433, 377);
    Button1 = createButton("Button1", "Main Menu", {472, 112, 153, 41});
    Button2 = createButton("Button2", "Launch the Spreadsheet", {472, 176, 153, 41});
    Memo2 = createTextBox(client(), "Memo2", Texts::spreadsheetNote(), 11, TextBoxScrollBars::None);
    Memo2->setGeometry(472, 224, 153, 81);

    onClick(Button1, [this] { Button1Click(); });
    onClick(Button2, [this] { Button2Click(); });
    Memo1->setFocus();
}

QPushButton *TSheet::createButton(const char *member, const char *caption, const QRect &place)
{
    auto *button = new QPushButton(caption, client());
    button->setObjectName(member);
    button->setGeometry(place);
    return button;
}

void TSheet::Button1Click() { Close(); }

void TSheet::Button2Click()
{
    // Whether it started is not our concern: the note beside the button tells
    // the user to start the spreadsheet by hand when this does nothing.
    m_launcher->start(spreadsheetProgram, {workbook}, spreadsheetFolder);
}
