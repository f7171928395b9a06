#pragma once

#include <QString>

class TTable;
class TImage;

// The fields both player tables provide for these steps.
inline constexpr const char *teamField = "TEAM_98";       // the 1998 team, naming the banner
inline constexpr const char *positionField = "POS_97";    // the 1997 position code

// The steps both player cards share, each run on the card's own table and
// banner image. Failures are not caught here: they end the calling handler.

// Loads the bitmap of the current player's 1998 team ("<team>.bmp" in the
// install folder; the team "A's" has AS.bmp) into the banner image.
void ShowTeamBanner(TTable &table, TImage &banner);

// Moves to the player of the card's position nearest to a last name (the
// table's first column), then shows his banner.
void SearchLastName(TTable &table, const QString &lastName, TImage &banner);

// The record filter of both cards: the record's 1997 position is the
// selected position code, compared whole and letter case counting.
bool PlaysSelectedPosition(const TTable &table);
