#pragma once

#include "data/League.h"
#include "data/Reports.h"

// Writes the nine table files of the database folder from the demo season.
void writeDemoTables(const QString &folder, const League &league, const Reports &reports);
