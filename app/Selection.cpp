#include "app/Selection.h"

namespace {
QString position;
QString team;
}

QString Selection::positionCode() { return position; }
void Selection::setPositionCode(const QString &code) { position = code; }
QString Selection::teamKey() { return team; }
void Selection::setTeamKey(const QString &key) { team = key; }

void Selection::reset()
{
    position.clear();
    team.clear();
}
