#include "app/Startup.h"

#include "app/InstallFolder.h"
#include "app/ScreenSet.h"
#include "platform/db/Database.h"
#include "platform/forms/Application.h"
#include "platform/forms/Look.h"
#include "platform/forms/TForm.h"

#include <QApplication>

bool Startup::begin(const QString &installFolder)
{
    QApplication::setQuitOnLastWindowClosed(false);
    Look::installFontSubstitutions();
    InstallFolder::setPath(installFolder);
    Database::setAliasPath("Baseball", InstallFolder::path() + "Baseball");

    Application &application = Application::instance();
    const QString failure = createScreenSet();
    if (!failure.isEmpty()) {
        application.showMessage(failure);
        return false;
    }
    application.show(application.mainForm());
    return true;
}

int Startup::run(const QString &installFolder)
{
    if (!begin(installFolder))
        return 1;
    const int status = QApplication::exec();
    Application::instance().destroyForms();
    return status;
}
