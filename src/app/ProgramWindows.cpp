#include "ProgramWindows.h"

#include "app/FormMAIN.h"
#include "dialogs/FormABOUT.h"
#include "dialogs/FormCALIBPRN.h"
#include "dialogs/FormFORMAT.h"
#include "dialogs/FormHELP.h"
#include "dialogs/FormLAYOUT.h"
#include "dialogs/FormNEWPAPER.h"
#include "dialogs/ProductChooser.h"
#include "dialogs/FormRTFHelp.h"
#include "dialogs/FormSCALE.h"
#include "dialogs/FormSETTINGS.h"
#include "dialogs/FormSETUNITS.h"
#include "settings/StoredSettings.h"
#include "support/Dialogs.h"
#include "support/MessageBoxSeam.h"

#include <QApplication>
#include <QScreen>

QIcon programIcon()
{
    return QIcon(QStringLiteral(":/icons/gorvin.svg"));
}

std::vector<std::unique_ptr<QWidget>> createProgramWindows(TFormMAIN& main, TFormABOUT* about)
{
    // Every window, the splash shown before this too, takes the
    // application's icon.
    QApplication::setWindowIcon(programIcon());
    std::vector<std::unique_ptr<QWidget>> owned;
    auto make = [&owned](auto* window) {
        owned.emplace_back(window);
        return window;
    };
    ProgramWindows w;
    w.about = about ? about : make(new TFormABOUT);
    w.newPaper = make(new TFormNEWPAPER);
    w.product = make(new ProductChooser);
    w.scale = make(new TFormSCALE);
    w.layout = make(new TFormLAYOUT);
    w.calibration = make(new TFormCALIBPRN);
    w.settings = make(new TFormSETTINGS);
    w.setUnits = make(new TFormSETUNITS);
    w.format = make(new TFormFORMAT);
    w.help = make(new TFormHELP);
    w.rtfHelp = make(new TFormRTFHelp);
    main.setWindows(w);
    w.about->joinSplash(main.splashTimer(), [&main] { main.splashEnded(); });
    return owned;
}

int runDesktopProgram(const QStringList& commandLine)
{
    if (QScreen* screen = QGuiApplication::primaryScreen())
        ScreenPixelsPerInch = qRound(screen->logicalDotsPerInch());
    MessageBoxSeam seam;
    ScopedMessageSeam messages(seam);
    useStoredFormatDefaults();

    // The about window comes first and is painted before anything else is
    // made: it is the splash while the program starts.
    TFormABOUT about;
    about.showSplash();

    TFormMAIN main(commandLine);
    seam.setParent(&main);
    const auto windows = createProgramWindows(main, &about);

    // The program ends when its main window closes, even while the splash or
    // an instructions window is still up: those would otherwise keep Qt's
    // "last window closed" rule from ever ending it. Ending is done directly
    // (not through quit(), which would close every window again and ask the
    // main window a second time). The window may close before the loop runs,
    // while start-up still handles the pending events.
    QApplication::setQuitOnLastWindowClosed(false);
    bool ended = false;
    QObject::connect(&main, &TFormMAIN::closed, qApp, [&ended, &about] {
        ended = true;
        about.hide();
        QCoreApplication::exit(0);
    });
    main.show();
    return ended ? 0 : QApplication::exec();
}
