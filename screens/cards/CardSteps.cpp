#include "screens/cards/CardSteps.h"

#include "app/InstallFolder.h"
#include "app/Selection.h"
#include "platform/Failure.h"
#include "platform/controls/TImage.h"
#include "platform/db/TTable.h"

#include <QDir>

void ShowTeamBanner(TTable &table, TImage &banner)
{
    QString team = table.FieldByName(teamField).asText();
    if (team.isEmpty())
        throw Failure("Invalid variant type conversion");
    if (team == "A's")
        team = "AS";
    const QString path = InstallFolder::path() + team + ".bmp";
    // A team value names a file of the install folder itself, never one
    // elsewhere: a separator (or a NUL, which would cut the name) is no file.
    if (team.contains('/') || team.contains('\\') || team.contains(QChar(0)))
        throw Failure("Cannot open file " + QDir::toNativeSeparators(path));
    banner.LoadFromFile(path);
}

void SearchLastName(TTable &table, const QString &lastName, TImage &banner)
{
    table.SetKey();
    table.SetKeyFieldText(table.Columns().at(0).name, lastName);
    table.GotoNearest();
    ShowTeamBanner(table, banner);
}

bool PlaysSelectedPosition(const TTable &table)
{
    const TField position = table.FieldByName(positionField);
    if (position.isNull())
        return false;
    const QString code = position.asText();
    return !code.isEmpty() && code == Selection::positionCode();
}
