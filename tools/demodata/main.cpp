// quillomet-demodata <installFolder>: writes the demo database into
// <installFolder>/Baseball, the team banners into <installFolder> and the
// pictures into <installFolder>/pictures.

#include "assets/Pictures.h"
#include "data/DemoData.h"
#include "platform/Failure.h"

#include <QDir>
#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // The tool draws pictures but never shows a window: it runs without a display.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    QTextStream err(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        err << "usage: quillomet-demodata <installFolder>\n";
        return 2;
    }
    const QString installFolder = arguments.at(1);
    try {
        DemoData::writeDatabase(QDir(installFolder).filePath("Baseball"));
        Pictures::writeTeamBanners(installFolder);
        Pictures::writePictures(installFolder);
    } catch (const Failure &failure) {
        err << failure.text() << '\n';
        return 1;
    }
    return 0;
}
