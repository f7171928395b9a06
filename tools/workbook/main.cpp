// quillomet-workbook <installFolder>: writes <installFolder>/Draftday.xls from
// the player tables in <installFolder>/Baseball.

#include "platform/Failure.h"
#include "tools/workbook/DraftdayBuilder.h"

#include <QCoreApplication>
#include <QDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QCoreApplication application(argc, argv);
    QTextStream errors(stderr);
    const QStringList arguments = application.arguments();
    if (arguments.size() != 2) {
        errors << "usage: quillomet-workbook <installFolder>\n";
        return 2;
    }

    const QString installFolder = arguments.at(1);
    try {
        DraftdayBuilder(installFolder).build().save(QDir(installFolder).filePath(DraftdayBuilder::FileName));
    } catch (const Failure &failure) {
        errors << failure.text() << '\n';
        return 1;
    }
    return 0;
}
