#pragma once

#include "data/League.h"
#include "data/Phrase.h"

// The figures a sentence about a player may name, under fixed keys:
// {full} {first} {last} {age} {pos} {team} {former}, the 1997 line ({avg}
// {homers} {ip} {era} ...), 1996 ({avg96} {era96}), the four-year mark
// ({avgT} {eraT}), the projection ({pavg} {phomers} {pera} ...), the minors
// ({level} {mavg} {mera} ...) and the draft value ({value}).
Phrase factsOf(const Hitter &hitter);
Phrase factsOf(const Pitcher &pitcher);

// "catcher", "center fielder", "shortstop" ... as a sentence names him.
QString positionNoun(const Hitter &hitter);
// "catcher", "center field", "third base" ... as a place on the field.
QString positionPlace(const Hitter &hitter);
QString levelName(const QString &level);
