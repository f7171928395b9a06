#pragma once

#include <QColor>
#include <QStringList>
#include <QVector>

class TestInstall;

// The two player tables as the cards read them, with a handful of players,
// and a banner bitmap of its own colour for each team they play for.
namespace CardFixture {

// One statistics column of a card: its heading and the field shown in the
// rows "97", "96", "95", "94" and "4 Year Average" (empty where none).
struct StatisticsColumn {
    QString heading;
    QStringList fields;
};

const QVector<StatisticsColumn> &hitterStatistics();
const QVector<StatisticsColumn> &pitcherStatistics();
const QStringList &diagramFields();
const QStringList &statisticsRowLabels();

// Every number field holds a value of its own, the same on every row of the
// table, so a value on the screen tells which field it came from.
QString valueOf(const QString &field);

// The teams with a banner, and the colour each banner is filled with.
QColor bannerColor(const QString &team);
QStringList teams();

// "BTRMAST.DB" and "PITMAST.DB" with the players below, and the banners.
//
// Hitters in last-name order (last name, first name, position, team):
//   AARDVARK Zed "of" Mets      ADAMS Bob SS Red Sox      BAKER Al SS A's
//   BAKER Carl SS Cubs          CARTER Gus 1B Cubs        DAVIS Hal SS Mets
//   EDWARDS Ike OF Cubs         EVANS Jack "OF " Cubs     FOSTER Ken "" Cubs
//   FULLER Len null Cubs        GARCIA Moe " OF" Cubs     HILL Ned OF Mets
//   KING Al 2B Mets             KING Bo 2B Cubs           KNOX Cy 2B Red Sox
//   LANE Dee 2B Mets            LONGNAMEPLAY Dan SS Cubs  MILLER Ed SS Red Sox
//   NASH Oz C Mets              NOLAN Pete C Cubs         YOUNG Fred SS Mets
//   NULLTEAM Abe DH null        EMPTYTEAM Bea 3B ""
// Pitchers: ABBOTT Al SP Cubs, ADLER Abe RP Mets, BROWN Bo RP Red Sox,
//   CLARK Cy SP Red Sox, EVANS Ed "sp" Cubs.
void create(const TestInstall &install);

// Writes a banner bitmap of one colour.
void writeBanner(const QString &path, const QColor &color);

}
