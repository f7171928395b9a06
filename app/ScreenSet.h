#pragma once

#include <QString>

// Creates the screens of the program in their fixed order, main menu first,
// each opening its table as it is built. A failure stops the creation: the
// screens made so far are destroyed and the failure's text is returned.
// Returns an empty text when every screen was created.
QString createScreenSet();
