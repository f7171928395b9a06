#include "data/League.h"

namespace {

// "KELLINGTON" -> "Kellington", "MCALLEN" stays plain: invented names need no
// special casing beyond the first letter of each word.
QString titleCase(const QString &capitals)
{
    QString text = capitals.toLower();
    bool wordStart = true;
    for (QChar &c : text) {
        if (wordStart && c.isLetter())
            c = c.toUpper();
        wordStart = !c.isLetter() && c != '\'';
    }
    return text;
}

}

QString Person::firstName() const { return titleCase(first); }
QString Person::lastName() const { return titleCase(last); }
QString Person::fullName() const { return firstName() + ' ' + lastName(); }
QString Person::lineupName() const { return first.left(1) + ". " + last; }

bool joinedIn1998(const Team &team)
{
    return team.key == "ARIZONA" || team.key == "TAMPA BAY";
}

QStringList startingPositions(const Team &team)
{
    QStringList positions = {"C", "1B", "2B", "3B", "SS", "OF", "OF", "OF"};
    if (team.league == Team::League::American)
        positions << "DH";
    return positions;
}
