#pragma once

#include <QString>

// The database `Baseball` is a folder of table files. Where it lies is set once,
// when the program starts (the install folder), or by a test.
namespace Database {

void setAliasPath(const QString &alias, const QString &folder);
// The folder an alias points to; a failure when the alias is not defined.
QString aliasPath(const QString &alias);

}
