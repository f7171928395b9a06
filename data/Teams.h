#pragma once

#include <QString>
#include <QVector>

// The thirty major-league clubs of 1998 as the tables name them: the team
// key of the team table, and the nickname that the player tables store in
// their team columns (and that names each banner bitmap).
struct Team {
    QString key;        // "NEW YORK(A)"
    QString nickname;   // "Yankees"
    enum class League { American, National } league;
    QString division;   // "East", "Central", "West"
};

const QVector<Team> &allTeams();
// The club with that nickname, or null.
const Team *teamByNickname(const QString &nickname);
