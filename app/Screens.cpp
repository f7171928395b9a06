#include "app/Screens.h"

#include "platform/forms/Application.h"
#include "platform/forms/TForm.h"

TForm *Screens::find(const QString &instanceName) { return Application::instance().form(instanceName); }

void Screens::show(const QString &instanceName)
{
    if (TForm *form = find(instanceName))
        form->Show();
}
