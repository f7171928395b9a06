#include "app/InstallFolder.h"
#include "app/Startup.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName("Quillomet");
    return Startup::run(InstallFolder::fromExecutable(QApplication::applicationDirPath()));
}
