#pragma once

#include <QString>

// The two values the screens share for the whole run. Writers only ever
// assign constant texts; nothing clears, checks or saves them.
namespace Selection {

QString positionCode();
void setPositionCode(const QString &code);
QString teamKey();
void setTeamKey(const QString &key);
// Both empty again (a new run, or a test).
void reset();

}
