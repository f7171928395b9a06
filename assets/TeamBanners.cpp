#include "assets/Pictures.h"

#include "data/Teams.h"

#include <QFontMetrics>
#include <QHash>
#include <QPainter>

namespace Pictures {

namespace {

// A club's colours: the field of the banner, the nickname, and the trim.
struct ClubColours {
    QColor field;
    QColor lettering;
    QColor trim;
};

const QHash<QString, ClubColours> &clubColours()
{
    const QColor white(255, 255, 255);
    const QColor black(20, 20, 20);
    static const QHash<QString, ClubColours> colours = {
        {"BALTIMORE", {{223, 70, 1}, black, white}},
        {"BOSTON", {{12, 35, 64}, {189, 48, 57}, white}},
        {"NEW YORK(A)", {{12, 35, 64}, white, {196, 206, 211}}},
        {"TAMPA BAY", {{0, 70, 135}, {0, 150, 80}, {115, 60, 150}}},
        {"TORONTO", {{19, 74, 142}, white, {232, 41, 28}}},
        {"CHICAGO(A)", {black, white, {196, 206, 212}}},
        {"CLEVELAND", {{0, 56, 93}, {227, 25, 55}, white}},
        {"DETROIT", {{12, 35, 64}, {250, 70, 22}, white}},
        {"KANSAS CITY", {{0, 70, 135}, white, {189, 155, 96}}},
        {"MINNESOTA", {{0, 43, 92}, {211, 17, 69}, white}},
        {"ANAHEIM", {{0, 50, 120}, {186, 0, 33}, white}},
        {"OAKLAND", {{0, 56, 49}, {239, 178, 30}, white}},
        {"SEATTLE", {{12, 44, 86}, {0, 128, 128}, {196, 206, 212}}},
        {"TEXAS", {{0, 50, 120}, {192, 17, 31}, white}},
        {"ATLANTA", {{19, 39, 79}, {206, 17, 65}, white}},
        {"FLORIDA", {{0, 163, 173}, black, {196, 206, 212}}},
        {"MONTREAL", {{0, 48, 135}, {200, 16, 46}, white}},
        {"NEW YORK(N)", {{0, 45, 114}, {252, 89, 16}, white}},
        {"PHILADELPHIA", {{232, 24, 40}, white, {40, 72, 152}}},
        {"CHICAGO(N)", {{14, 51, 134}, {204, 52, 51}, white}},
        {"CINCINNATI", {{198, 1, 31}, white, black}},
        {"HOUSTON", {{0, 45, 98}, {220, 160, 30}, white}},
        {"MILWAUKEE", {{10, 35, 80}, {182, 146, 46}, white}},
        {"PITTSBURGH", {black, {253, 184, 39}, white}},
        {"SAINT LOUIS", {{196, 30, 58}, white, {12, 35, 64}}},
        {"ARIZONA", {{90, 40, 110}, {0, 128, 128}, {184, 115, 51}}},
        {"COLORADO", {{51, 0, 111}, {196, 206, 212}, black}},
        {"LOS ANGELES", {{0, 90, 156}, white, {239, 62, 66}}},
        {"SAN DIEGO", {{0, 45, 98}, {240, 120, 0}, white}},
        {"SAN FRANCISCO", {black, {253, 90, 30}, {239, 209, 159}}},
    };
    return colours;
}

// "NEW YORK(A)" -> "NEW YORK", "SAINT LOUIS" -> "ST. LOUIS".
QString cityOf(const Team &team)
{
    QString city = team.key;
    city.remove("(A)").remove("(N)");
    if (city.startsWith("SAINT "))
        city.replace(0, 5, "ST.");
    return city;
}

// The largest size up to `largest` pixels at which the text fits the width.
QFont fitted(QFont font, const QString &text, int width, int largest)
{
    for (int size = largest; size > 8; --size) {
        font.setPixelSize(size);
        if (QFontMetrics(font).horizontalAdvance(text) <= width)
            break;
    }
    return font;
}

void drawBall(QPainter &painter, const QPoint &centre, int radius, const QColor &trim)
{
    painter.setPen(QPen(trim, 2));
    painter.setBrush(QColor(250, 250, 245));
    painter.drawEllipse(centre, radius, radius);
    // The two seams, stitched in red.
    painter.setPen(QPen(QColor(200, 30, 30), 2));
    painter.setBrush(Qt::NoBrush);
    const QRect left(centre.x() - radius - radius / 2, centre.y() - radius, radius, 2 * radius);
    const QRect right(centre.x() + radius / 2, centre.y() - radius, radius, 2 * radius);
    painter.drawArc(left, -60 * 16, 120 * 16);
    painter.drawArc(right, 120 * 16, 120 * 16);
}

}

QImage teamBanner(const Team &team)
{
    const ClubColours colours = clubColours().value(team.key);
    QImage image(305, 73, QImage::Format_RGB32);
    image.fill(colours.field);
    QPainter painter(&image);

    // Trim stripes top and bottom, in the lettering colour edged with the trim.
    painter.fillRect(0, 3, 305, 4, colours.lettering);
    painter.fillRect(0, 66, 305, 4, colours.lettering);
    painter.fillRect(0, 7, 305, 1, colours.trim);
    painter.fillRect(0, 65, 305, 1, colours.trim);
    drawBall(painter, QPoint(36, 36), 22, colours.trim);

    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect textArea(68, 9, 230, 55);
    QFont cityFont("DejaVu Sans");
    cityFont.setStyleHint(QFont::SansSerif);
    cityFont.setBold(true);
    cityFont.setLetterSpacing(QFont::AbsoluteSpacing, 2);
    painter.setFont(fitted(cityFont, cityOf(team), textArea.width(), 13));
    painter.setPen(colours.trim);
    painter.drawText(textArea.adjusted(0, 1, 0, 0), Qt::AlignHCenter | Qt::AlignTop, cityOf(team));

    QFont nicknameFont("DejaVu Serif");
    nicknameFont.setStyleHint(QFont::Serif);
    nicknameFont.setBold(true);
    nicknameFont.setItalic(true);
    painter.setFont(fitted(nicknameFont, team.nickname, textArea.width(), 34));
    painter.setPen(colours.lettering);
    painter.drawText(textArea.adjusted(0, 14, 0, 0), Qt::AlignCenter, team.nickname);
    return image;
}

}
