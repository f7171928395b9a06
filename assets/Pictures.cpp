#include "assets/Pictures.h"

#include "assets/IndexedImage.h"
#include "data/Teams.h"
#include "platform/Failure.h"

#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPolygon>

namespace Pictures {

namespace {

const QColor titleGreen(0, 123, 0);
const QColor titleYellow(255, 255, 189);
const QColor titleShadow(0, 64, 0);

const QColor fieldGreen(0, 128, 0);
const QColor fieldDirt(128, 0, 0);

void save(const QImage &image, const QString &path)
{
    if (!toIndexed8(image).save(path, "BMP"))
        throw Failure(QStringLiteral("Cannot write file %1").arg(QDir::toNativeSeparators(path)));
}

void makeFolder(const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw Failure(QStringLiteral("Cannot create folder %1").arg(QDir::toNativeSeparators(folder)));
}

}

QImage titleBanner()
{
    QImage image(450, 40, QImage::Format_RGB32);
    image.fill(titleGreen);
    QPainter painter(&image);
    QFont font("DejaVu Serif");
    font.setStyleHint(QFont::Serif);
    font.setBold(true);
    font.setPixelSize(30);
    painter.setFont(font);
    const QRect area = image.rect();
    painter.setPen(titleShadow);
    painter.drawText(area.translated(2, 2), Qt::AlignCenter, "Quillomet");
    painter.setPen(titleYellow);
    painter.drawText(area, Qt::AlignCenter, "Quillomet");
    // A two-pixel black frame.
    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::black);
    painter.drawRect(0, 0, 450, 2);
    painter.drawRect(0, 38, 450, 2);
    painter.drawRect(0, 0, 2, 40);
    painter.drawRect(448, 0, 2, 40);
    return image;
}

QImage fieldPicture()
{
    QImage image(268, 234, QImage::Format_RGB32);
    image.fill(fieldGreen);
    QPainter painter(&image);
    painter.setPen(Qt::NoPen);

    const QPoint home(135, 189);
    const QPoint first(177, 147);
    const QPoint second(135, 111);
    const QPoint third(93, 147);

    // The fan of infield dirt between the foul lines, and the grass inside the base paths.
    constexpr int dirtRadius = 104;
    painter.setBrush(fieldDirt);
    painter.drawPie(QRect(home.x() - dirtRadius, home.y() - dirtRadius, 2 * dirtRadius, 2 * dirtRadius), 45 * 16, 90 * 16);
    painter.setBrush(fieldGreen);
    painter.drawPolygon(QPolygon({home + QPoint(0, -9), first + QPoint(-8, 0), second + QPoint(0, 8), third + QPoint(8, 0)}));

    // The circle around home plate and the mound.
    painter.setBrush(fieldDirt);
    painter.drawEllipse(home, 13, 13);
    painter.drawEllipse(QPoint(135, 150), 6, 6);

    // Foul lines from home plate to the edges, about a quarter of the way down.
    painter.setPen(QPen(Qt::white, 2));
    painter.drawLine(home, QPoint(0, home.y() - home.x()));
    painter.drawLine(home, QPoint(267, home.y() - (267 - home.x())));

    painter.setPen(Qt::NoPen);
    painter.setBrush(Qt::white);
    for (const QPoint &base : {first, second, third})
        painter.drawRect(base.x() - 3, base.y() - 3, 6, 6);
    painter.drawPolygon(QPolygon({home + QPoint(-4, -4), home + QPoint(4, -4), home + QPoint(4, 1), home + QPoint(0, 4),
                                  home + QPoint(-4, 1)}));
    return image;
}

QString bannerFileName(const QString &nickname)
{
    return (nickname == "A's" ? QStringLiteral("AS") : nickname) + ".bmp";
}

void writePictures(const QString &installFolder)
{
    const QString folder = QDir(installFolder).filePath("pictures");
    makeFolder(folder);
    save(titleBanner(), QDir(folder).filePath("title.bmp"));
    save(stadium(), QDir(folder).filePath("stadium.bmp"));
    save(fieldPicture(), QDir(folder).filePath("field.bmp"));
}

void writeTeamBanners(const QString &installFolder)
{
    makeFolder(installFolder);
    for (const Team &team : allTeams())
        save(teamBanner(team), QDir(installFolder).filePath(bannerFileName(team.nickname)));
}

}
