#include "platform/db/Database.h"

#include "platform/Failure.h"

#include <QHash>

namespace {
QHash<QString, QString> &aliases()
{
    static QHash<QString, QString> map;
    return map;
}
}

void Database::setAliasPath(const QString &alias, const QString &folder) { aliases().insert(alias, folder); }

QString Database::aliasPath(const QString &alias)
{
    const auto it = aliases().constFind(alias);
    if (it == aliases().constEnd())
        throw Failure(QString("Unknown database: %1").arg(alias));
    return *it;
}
