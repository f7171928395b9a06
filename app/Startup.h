#pragma once

#include <QString>

// The start of the program: the platform set up, every screen created in its
// order, the main menu shown.
namespace Startup {

// Everything before the event loop. A screen that cannot be created shows one
// error box; the result is then false and nothing is shown.
bool begin(const QString &installFolder);
// begin(), then the event loop; the process's exit status.
int run(const QString &installFolder);

}
