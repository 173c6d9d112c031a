#include "Startup.h"

#include "app/BatchPrint.h"
#include "model/Units.h"
#include "support/MessageBoxSeam.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QScreen>

int GorvinMain(int argc, char* argv[])
{
    // "--print" and "--help" make the batch printer: no window, no display.
    if (FNISBATCHCOMMAND(argc, argv))
        return BatchPrintMain(argc, argv);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Gorvin"));
    QApplication::setOrganizationName(QStringLiteral("Mardo"));
    if (QScreen* screen = QGuiApplication::primaryScreen())
        ScreenPixelsPerInch = qRound(screen->logicalDotsPerInch());

    TMessageBoxSeam seam;
    TScopedMessageSeam installed(seam);

    // The main window comes with its own work; until then the program says
    // plainly what it can do.
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Gorvin"));
    auto* text = new QLabel(QStringLiteral(
        "Gorvin label printing\n\n"
        "This build holds the job model: units, sheet templates, data files\n"
        "and the file format. The main window, preview and printing are not\n"
        "part of this build yet."));
    text->setAlignment(Qt::AlignCenter);
    text->setMargin(24);
    window.setCentralWidget(text);
    window.resize(520, 240);
    window.show();
    return app.exec();
}
