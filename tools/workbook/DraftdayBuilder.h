#pragma once

#include "tools/workbook/Biff5Workbook.h"

#include <QString>

// Builds the workbook "Draftday.xls" from the two player tables of the
// database `Baseball` in an install folder: one sheet per position, each with
// the players of the American League, then those of the National League, then
// those without a club, in last-name order, their 1997 and 1996 statistics in
// columns made for sorting.
class DraftdayBuilder {
public:
    static constexpr const char *FileName = "Draftday.xls";

    explicit DraftdayBuilder(QString installFolder);

    // Fails with the table's path and the database's message when a table
    // cannot be read.
    Biff5Workbook build() const;

private:
    QString m_installFolder;
};
