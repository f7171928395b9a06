#pragma once

#include <QStringList>

// The fixed texts of the static screens. Each function returns the lines of
// one text box: every entry is one hard line, without line-break characters;
// the box itself wraps words inside a line.
namespace Texts {

QStringList tips();            // "10 Tips to Winning"
QStringList help();            // "Help"
QStringList aboutProduct();    // "About Quillomet"
QStringList aboutBreakout();   // "About Breakout"
QStringList aboutProspects();  // "About Prospects"
QStringList spreadsheet();     // the explanation on "About the Spreadsheet"
QStringList spreadsheetNote(); // the note under the launch button

}
