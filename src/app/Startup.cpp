#include "Startup.h"

#include "app/BatchPrint.h"
#include "app/CommandLine.h"
#include "app/FormMAIN.h"
#include "app/ProgramWindows.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/Translations.h"

#include <QApplication>

#include <cstdio>
#include <stdexcept>

namespace {

// Every command catches what it expects to fail where it started, and says
// what failed. This is the last net under all of them: an exception that
// would leave an event handler (and end the program, with the user's work)
// is logged and told instead, and the program goes on.
class GorvinApplication : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& e) {
            reportCommandFailure(ErrorUnexpectedFailure, Messages::lastCommandUnfinished(), e);
        } catch (...) {
            reportCommandFailure(ErrorUnexpectedFailure, Messages::lastCommandUnfinished(),
                                 std::runtime_error(Messages::unknownErrorKind().toStdString()));
        }
        return false;
    }
};

} // namespace

int gorvinMain(int argc, char* argv[])
{
    // "--print" and "--help" make the batch printer: no window, no display.
    if (isBatchCommand(argc, argv))
        return batchPrintMain(argc, argv);
    // A mistyped option is told before any window or display is needed,
    // not taken for a file name.
    QStringList params;
    for (int i = 1; i < argc; ++i)
        params.append(QString::fromLocal8Bit(argv[i]));
    if (const QString option = unknownWindowOption(params); !option.isEmpty()) {
        // An application only for the translations of the message.
        QCoreApplication console(argc, argv);
        installTranslations();
        const QString text = Messages::unknownWindowOption(option) + batchUsage();
        std::fputs(text.toLocal8Bit().constData(), stderr);
        return BatchUsageError;
    }

    GorvinApplication app(argc, argv);
    nameApplication();
    // The desktop matches the windows to the installed entry (and its icon).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.mardo_software.gorvin"));
    installTranslations();
    return runDesktopProgram(QApplication::arguments().mid(1));
}
