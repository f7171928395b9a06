#include "app/InstallFolder.h"

#include <QDir>

namespace {
QString folder;
}

QString InstallFolder::path() { return folder; }

void InstallFolder::setPath(const QString &path)
{
    folder = QDir(path).absolutePath();
    if (!folder.endsWith('/'))
        folder += '/';
}

QString InstallFolder::fromExecutable(const QString &applicationDirPath)
{
    return QDir(applicationDirPath).absoluteFilePath("../share/quillomet");
}
