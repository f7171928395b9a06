#include "data/Teams.h"

const QVector<Team> &allTeams()
{
    using L = Team::League;
    static const QVector<Team> teams = {
        {"BALTIMORE", "Orioles", L::American, "East"},
        {"BOSTON", "Red Sox", L::American, "East"},
        {"NEW YORK(A)", "Yankees", L::American, "East"},
        {"TAMPA BAY", "Devil Rays", L::American, "East"},
        {"TORONTO", "Blue Jays", L::American, "East"},
        {"CHICAGO(A)", "White Sox", L::American, "Central"},
        {"CLEVELAND", "Indians", L::American, "Central"},
        {"DETROIT", "Tigers", L::American, "Central"},
        {"KANSAS CITY", "Royals", L::American, "Central"},
        {"MINNESOTA", "Twins", L::American, "Central"},
        {"ANAHEIM", "Angels", L::American, "West"},
        {"OAKLAND", "A's", L::American, "West"},
        {"SEATTLE", "Mariners", L::American, "West"},
        {"TEXAS", "Rangers", L::American, "West"},
        {"ATLANTA", "Braves", L::National, "East"},
        {"FLORIDA", "Marlins", L::National, "East"},
        {"MONTREAL", "Expos", L::National, "East"},
        {"NEW YORK(N)", "Mets", L::National, "East"},
        {"PHILADELPHIA", "Phillies", L::National, "East"},
        {"CHICAGO(N)", "Cubs", L::National, "Central"},
        {"CINCINNATI", "Reds", L::National, "Central"},
        {"HOUSTON", "Astros", L::National, "Central"},
        {"MILWAUKEE", "Brewers", L::National, "Central"},
        {"PITTSBURGH", "Pirates", L::National, "Central"},
        {"SAINT LOUIS", "Cardinals", L::National, "Central"},
        {"ARIZONA", "Diamondbacks", L::National, "West"},
        {"COLORADO", "Rockies", L::National, "West"},
        {"LOS ANGELES", "Dodgers", L::National, "West"},
        {"SAN DIEGO", "Padres", L::National, "West"},
        {"SAN FRANCISCO", "Giants", L::National, "West"},
    };
    return teams;
}

const Team *teamByNickname(const QString &nickname)
{
    for (const Team &team : allTeams())
        if (team.nickname == nickname)
            return &team;
    return nullptr;
}
