// The libFuzzer entry of one target; GORVIN_FUZZ_ENTRY names its function.

#include "FuzzTargets.h"

#include <QGuiApplication>

#include <cstdlib>

#ifndef GORVIN_FUZZ_ENTRY
#error "GORVIN_FUZZ_ENTRY must name the target's function"
#endif

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    // Fonts and text documents need a GUI application; no window is shown.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    // Qt would take its own options out of libFuzzer's: give it none.
    static int qtArgc = 1;
    static char* qtArgv[] = {(*argv)[0], nullptr};
    (void)argc;
    static QGuiApplication app(qtArgc, qtArgv);
    // Qt's notes about fonts and odd input would drown libFuzzer's report.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    return GORVIN_FUZZ_ENTRY(data, size);
}
