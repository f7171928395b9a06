#include "app/ScreenSet.h"

#include "platform/Failure.h"
#include "platform/forms/Application.h"
#include "screens/menu/TMMenu.h"

#include <functional>

namespace {

// The screens in the order they are created; the first is the main screen.
const std::function<TForm *()> screenFactories[] = {
    [] { return new TMMenu; },
    // secbase: the hitter card
    // starters: the pitcher card
    // Form2: the team breakdown
    // tp98, Prospec, Form3, Breakbat, Breakpit, About, Abpros, Form5, Moves, Sheet, pitpros, Help: reports and texts
    // Teammenu: the team menu
};

} // namespace

QString createScreenSet()
{
    Application &application = Application::instance();
    for (const auto &create : screenFactories) {
        try {
            application.addForm(create());
        } catch (const Failure &failure) {
            application.destroyForms();
            return failure.text();
        }
    }
    return QString();
}
