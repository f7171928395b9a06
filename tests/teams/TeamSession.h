#pragma once

#include <QStringList>
#include <QVariantList>

// What the team tests share with the session helper: a team table fixture and
// the screens a team session needs.
namespace TeamSession {

const QString tableFile = "TEAMPLAT.DB";

// The columns of the team table: the bound fields with the widths the
// screen relies on, a unique `Team`, and one field the screen does not bind.
QStringList columns();
// A record whose every text tells `tag` apart: Hitting "Offense of <tag>",
// One "<tag> 1" ... ; `team` may be null.
QVariantList record(const QVariant &team, const QString &tag, int divisionRank = 1);
// The lineup fields that hold names (16 characters each).
QStringList nameFields();
// Triggers that log every write into a table `writes`, so a test can tell
// "nothing written" from "the same values written again".
QStringList writeLog();

// The main menu, the team breakdown and the team menu, created in the
// program's order and registered with the application object.
void createScreens();
// The start of a session on an install folder: the platform set up as at
// start-up, the screens created, the main menu shown.
void begin(const QString &installFolder);

}
