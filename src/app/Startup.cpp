#include "Startup.h"

#include "app/BatchPrint.h"
#include "app/ProgramWindows.h"

#include <QApplication>

int GorvinMain(int argc, char* argv[])
{
    // "--print" and "--help" make the batch printer: no window, no display.
    if (FNISBATCHCOMMAND(argc, argv))
        return BatchPrintMain(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gorvin"));
    QApplication::setOrganizationName(QStringLiteral("Mardo"));
    return RunDesktopProgram(QApplication::arguments().mid(1));
}
