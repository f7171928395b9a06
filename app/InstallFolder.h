#pragma once

#include <QString>

// The folder that holds the banner bitmaps, the pictures, "Draftday.xls" and
// the database folder `Baseball`: <prefix>/share/quillomet beside
// <prefix>/bin/quillomet, or the folder a test passes.
namespace InstallFolder {

QString path();               // ends with '/'
void setPath(const QString &folder);
QString fromExecutable(const QString &applicationDirPath);

}
