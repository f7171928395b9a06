#pragma once

#include <QImage>
#include <QString>

struct Team;

// The program's artwork, drawn with QPainter and saved as 256-colour
// Windows bitmaps. The files are build outputs, written by the demo-data tool.
namespace Pictures {

// 450 x 40: "Quillomet" in pale yellow bold serif on green, framed in black.
QImage titleBanner();
// 500 x 350: the ballpark seen from high behind home plate; the main menu
// sets its position buttons on the spots where each position plays.
QImage stadium();
// 268 x 234: the field under the games-by-position diagram of the cards.
QImage fieldPicture();
// 305 x 73: the club's city and nickname in its colours.
QImage teamBanner(const Team &team);

// The file name of a club's banner: the nickname with ".bmp", "A's" -> "AS.bmp".
QString bannerFileName(const QString &nickname);

// <installFolder>/pictures/title.bmp, stadium.bmp and field.bmp.
void writePictures(const QString &installFolder);
// One banner per club, in the install folder itself.
void writeTeamBanners(const QString &installFolder);

}
