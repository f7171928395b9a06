#include "platform/ProgramLauncher.h"

#include <QProcess>

bool DetachedProcessLauncher::start(const QString &program, const QStringList &arguments,
                                    const QString &workingFolder)
{
    return QProcess::startDetached(program, arguments, workingFolder);
}
