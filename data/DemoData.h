#pragma once

#include <QString>
#include <QtGlobal>

// The demo database `Baseball`: an invented 1998 preseason written as the nine
// table files the program reads. The same options give the same content.
namespace DemoData {

struct Options {
    int hitterCount = 650;
    int pitcherCount = 550;
    quint32 seed = 1998;
};

// Writes "BTRMAST.DB", "PITMAST.DB", "TEAMPLAT.DB", "TOP98.DB", "PROSPECT.DB",
// "PITPROS.DB", "BREAKOUT.DB", "BREAKPIT.DB" and "BIGMOVES.DB" into the
// folder, creating it if needed and replacing files of those names. Throws a
// Failure when a file cannot be written.
void writeDatabase(const QString &baseballFolder, const Options &options = {});

}
