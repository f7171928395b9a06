#include "assets/Pictures.h"

#include "data/Random.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <cmath>

namespace Pictures {

namespace {

// Where things are, in picture pixels. The main menu's position buttons sit
// on these spots: the bases under "1B" and "3B", the mound between "SP" and
// "RP", home plate just above "C", the on-deck circle beside "DH".
const QPoint home(258, 292);
const QPoint firstBase(346, 222);
const QPoint secondBase(258, 168);
const QPoint thirdBase(170, 222);
const QPoint mound(260, 242);
const QPoint leftPole(71, 144);
const QPoint rightPole(445, 144);
const QPointF fenceCentre(258, 250);   // the outfield fence is part of this ellipse
constexpr double fenceRadiusX = 250;
constexpr double fenceRadiusY = 160;
const QPointF bowlCentre(250, 300);    // the outer rim of the stands
constexpr double bowlRadiusX = 300;
constexpr double bowlRadiusY = 260;

const QColor sky(176, 204, 232);
const QColor seats(70, 80, 110);
const QColor concrete(180, 180, 170);
const QColor aisle(60, 60, 70);
const QColor grass(46, 139, 60);
const QColor grassStripe(36, 120, 50);
const QColor wall(20, 80, 50);
const QColor wallTop(230, 200, 40);
const QColor track(160, 100, 60);
const QColor dirt(176, 112, 64);
const QColor onDeck(150, 110, 70);
const QColor dugout(40, 40, 44);
const QColor dugoutRoof(120, 120, 110);

const QVector<QColor> buildingColours = {{96, 104, 120}, {120, 128, 140}, {140, 132, 120},
                                          {80, 88, 104}, {150, 156, 166}, {110, 100, 96}};
const QColor litWindow(232, 224, 160);
const QColor darkWindow(60, 70, 90);
const QVector<QColor> crowdColours = {{240, 240, 240}, {200, 30, 30}, {30, 60, 160}, {240, 200, 40},
                                       {230, 180, 150}, {180, 120, 90}, {120, 80, 60}, {40, 40, 40},
                                       {90, 140, 60}, {250, 130, 40}, {150, 150, 160}, {200, 200, 220}};

QPainterPath ellipsePath(const QPointF &centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

// Everything between the foul lines, from home plate out past the picture's edge.
QPainterPath fairTerritory(int widen)
{
    const QPoint toThird = thirdBase - home;
    const QPoint toFirst = firstBase - home;
    QPainterPath path;
    path.addPolygon(QPolygonF({QPointF(home + QPoint(0, widen)), QPointF(home + toThird * 5 + QPoint(-widen, 0)),
                               QPointF(-200, -200), QPointF(700, -200), QPointF(home + toFirst * 5 + QPoint(widen, 0))}));
    path.closeSubpath();
    return path;
}

// Fair territory inside the fence, and the foul ground down both lines and behind home.
QPainterPath playingField()
{
    QPainterPath foulGround;
    foulGround.addPolygon(QPolygonF({leftPole, QPointF(52, 175), QPointF(48, 215), QPointF(66, 258), QPointF(110, 296),
                                     QPointF(170, 320), QPointF(258, 328), QPointF(346, 320), QPointF(406, 296),
                                     QPointF(450, 258), QPointF(468, 215), QPointF(464, 175), rightPole}));
    foulGround.closeSubpath();
    return ellipsePath(fenceCentre, fenceRadiusX, fenceRadiusY).intersected(fairTerritory(0)).united(foulGround);
}

bool inBowl(int x, int y)
{
    const double dx = (x - bowlCentre.x()) / bowlRadiusX;
    const double dy = (y - bowlCentre.y()) / bowlRadiusY;
    return dx * dx + dy * dy <= 1.0;
}

void drawCity(QPainter &painter, Random &random, const QSize &size)
{
    painter.fillRect(QRect(QPoint(0, 0), size), sky);
    for (int x = -6; x < size.width();) {
        const int width = random.between(14, 40);
        const int top = random.between(4, 40);
        const QRect building(x, top, width, size.height() / 2);
        painter.fillRect(building, random.pick(buildingColours));
        for (int wy = top + 3; wy < building.bottom(); wy += 4)
            for (int wx = x + 2; wx < x + width - 2; wx += 3)
                painter.fillRect(wx, wy, 1, 2, random.chance(45) ? litWindow : darkWindow);
        x += width + random.between(0, 3);
    }
}

void drawStands(QPainter &painter, Random &random, const QSize &size)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(seats);
    painter.drawEllipse(bowlCentre, bowlRadiusX, bowlRadiusY);
    // A crowd of dots, two pixels each.
    for (int y = 0; y < size.height(); y += 2)
        for (int x = 0; x < size.width(); x += 2)
            if (inBowl(x, y) && random.chance(78)) {
                const int width = random.chance(50) ? 2 : 1;
                painter.fillRect(x, y, width, 2, random.pick(crowdColours));
            }
    // Decks and aisles give the bowl its shape.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(concrete, 3));
    painter.drawEllipse(bowlCentre, bowlRadiusX, bowlRadiusY);
    painter.setPen(QPen(concrete, 2));
    painter.drawEllipse(bowlCentre, bowlRadiusX - 22, bowlRadiusY - 22);
    painter.setPen(QPen(aisle, 1));
    painter.drawEllipse(bowlCentre, bowlRadiusX - 40, bowlRadiusY - 40);
    for (int spoke = 0; spoke < 24; ++spoke) {
        const double angle = spoke * 3.14159265358979 / 12.0;
        const QPointF direction(std::cos(angle) * bowlRadiusX, std::sin(angle) * bowlRadiusY);
        painter.drawLine(bowlCentre + direction * 0.55, bowlCentre + direction);
    }
}

void drawScoreboardAndLights(QPainter &painter, Random &random)
{
    const QRect board(200, 46, 116, 26);
    painter.setPen(QPen(concrete, 1));
    painter.setBrush(QColor(30, 40, 30));
    painter.drawRect(board);
    painter.setPen(Qt::NoPen);
    for (int y = board.top() + 4; y < board.bottom() - 2; y += 4)
        for (int x = board.left() + 4; x < board.right() - 3; x += 3)
            if (random.chance(40))
                painter.fillRect(x, y, 2, 2, wallTop);
    for (const QPoint &tower : {QPoint(34, 112), QPoint(466, 112), QPoint(150, 44), QPoint(366, 44)}) {
        painter.fillRect(tower.x() - 1, tower.y(), 2, 24, QColor(60, 60, 60));
        painter.fillRect(tower.x() - 10, tower.y() - 8, 20, 8, QColor(255, 255, 230));
        for (int x = tower.x() - 10; x < tower.x() + 10; x += 4)
            painter.fillRect(x, tower.y() - 8, 1, 8, QColor(60, 60, 60));
    }
}

void drawGrass(QPainter &painter, const QPainterPath &field)
{
    painter.setClipPath(field);
    painter.fillRect(QRect(0, 0, 500, 350), grass);
    for (int y = 80; y < 350; y += 20)
        painter.fillRect(0, y, 500, 10, grassStripe);
    // The warning track just inside the fence.
    painter.setClipPath(field.intersected(fairTerritory(0)));
    painter.setPen(QPen(track, 14));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(fenceCentre, fenceRadiusX, fenceRadiusY);
    painter.setClipping(false);
    painter.setPen(QPen(wall, 3));
    painter.drawPath(field);
    painter.setPen(QPen(wallTop, 1));
    painter.setClipPath(fairTerritory(0));
    painter.drawEllipse(fenceCentre, fenceRadiusX + 2, fenceRadiusY + 2);
    painter.setClipping(false);
}

void drawInfield(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(dirt);
    painter.drawPath(ellipsePath(QPointF(258, 222), 108, 66).intersected(fairTerritory(8)));
    painter.drawEllipse(QPointF(home) + QPointF(0, 2), 22, 14);
    // The grass inside the base paths.
    painter.setBrush(grass);
    painter.drawPolygon(QPolygon({home + QPoint(0, -10), firstBase + QPoint(-12, 0), secondBase + QPoint(0, 10),
                                  thirdBase + QPoint(12, 0)}));
    painter.setBrush(dirt);
    painter.drawEllipse(QPointF(mound), 11, 6);
    for (const QPoint &base : {firstBase, secondBase, thirdBase})
        painter.drawEllipse(QPointF(base), 8, 5);
    painter.setBrush(onDeck);
    painter.drawEllipse(QPointF(150, 288), 8, 5);
    painter.drawEllipse(QPointF(366, 288), 8, 5);
}

void drawDugouts(QPainter &painter)
{
    painter.setPen(Qt::NoPen);
    for (int side : {-1, 1}) {
        const auto mirrored = [side](int x, int y) { return QPoint(258 + side * (258 - x), y); };
        painter.setBrush(dugout);
        painter.drawPolygon(QPolygon({mirrored(84, 262), mirrored(124, 296), mirrored(116, 303), mirrored(76, 269)}));
        painter.setBrush(dugoutRoof);
        painter.drawPolygon(QPolygon({mirrored(76, 269), mirrored(116, 303), mirrored(113, 306), mirrored(73, 272)}));
    }
}

void drawMarkings(QPainter &painter)
{
    painter.setPen(QPen(Qt::white, 1));
    painter.drawLine(home, leftPole);
    painter.drawLine(home, rightPole);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(home.x() - 13, home.y() - 5, 6, 10);
    painter.drawRect(home.x() + 7, home.y() - 5, 6, 10);
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPoint &base : {firstBase, secondBase, thirdBase})
        painter.drawRect(base.x() - 2, base.y() - 1, 4, 3);
    painter.drawPolygon(QPolygon({home + QPoint(-3, -2), home + QPoint(3, -2), home + QPoint(3, 0), home + QPoint(0, 2),
                                  home + QPoint(-3, 0)}));
    painter.drawRect(mound.x() - 2, mound.y() - 1, 4, 1);
}

}

QImage stadium()
{
    QImage image(500, 350, QImage::Format_RGB32);
    // The crowd and the skyline are scattered the same way on every run.
    Random random(350500);
    QPainter painter(&image);
    drawCity(painter, random, image.size());
    drawStands(painter, random, image.size());
    drawScoreboardAndLights(painter, random);
    const QPainterPath field = playingField();
    drawGrass(painter, field);
    drawInfield(painter);
    drawDugouts(painter);
    drawMarkings(painter);
    return image;
}

}
