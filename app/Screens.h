#pragma once

#include <QString>

class TForm;

// The screen registry: screens reach one another by instance name only.
namespace Screens {

// The screen of that instance name, or null when it is not part of the set.
TForm *find(const QString &instanceName);
// Shows the screen; a screen that is not part of the set is not shown.
void show(const QString &instanceName);

}
