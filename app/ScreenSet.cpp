#include "app/ScreenSet.h"

#include "platform/Failure.h"
#include "platform/forms/Application.h"
#include "screens/cards/Tsecbase.h"
#include "screens/cards/Tstarters.h"
#include "screens/menu/TMMenu.h"
#include "screens/reports/ListReport.h"
#include "screens/reports/TMoves.h"
#include "screens/reports/TSheet.h"
#include "screens/reports/TextScreen.h"
#include "screens/teams/TForm2.h"
#include "screens/teams/TTeammenu.h"

#include <functional>

namespace {

// The screens in the order they are created; the first is the main screen.
const std::function<TForm *()> screenFactories[] = {
    [] { return new TMMenu; },
    [] { return new Tsecbase; },
    [] { return new Tstarters; },
    [] { return new TForm2; },
    listReport("tp98"),
    listReport("Prospec"),
    [] { return new TForm3; },
    listReport("Breakbat"),
    listReport("Breakpit"),
    [] { return new TAbout; },
    [] { return new TAbpros; },
    [] { return new TForm5; },
    [] { return new TMoves; },
    [] { return new TSheet; },
    listReport("pitpros"),
    [] { return new THelp; },
    [] { return new TTeammenu; },
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
