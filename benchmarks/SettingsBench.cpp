// Start-up and exit of the desktop program over a settings file of 100 000
// entries: a recent-jobs list grown by hand far past its 100 items. Start-up
// is the main window's first show (window placement, recent files, settings
// and the label-format defaults read from the store); exit is its close (the
// program folder, settings, file information and window placement written).
// Both must stay under a second. The first exit removes the items past the
// list's capacity, so the counter "entries_after" reports what is left.
// The real main window and its dialogs, on the offscreen platform.

#include "BenchMain.h"
#include "app/FormMAIN.h"
#include "app/ProgramWindows.h"
#include "support/Messages.h"
#include "support/Maker.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

constexpr int HandGrownEntries = 100000;

QString SettingsPath()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mardo"), QStringLiteral("Gorvin"))
        .fileName();
}

// The store as a hand edit leaves it: a count of 100 and 100 000 items.
void WriteHandGrownSettings()
{
    QByteArray bytes = "[Software]\n";
    bytes.reserve(HandGrownEntries * 64);
    bytes += "Mardo\\Gorvin\\v2\\Settings\\MainScale=1\n";
    bytes += "Mardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=100\n";
    for (int i = 0; i < HandGrownEntries; ++i)
        bytes += "Mardo\\Gorvin\\v2\\Files\\Closed\\Job" + QByteArray::number(i) + "=/home/user/Jobs/Addresses "
                 + QByteArray::number(i) + ".GVJ\n";
    QFile file(SettingsPath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        std::abort();
}

int StoredEntries()
{
    QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mardo"), QStringLiteral("Gorvin"));
    return static_cast<int>(store.allKeys().size());
}

struct Program {
    std::unique_ptr<TFormMAIN> main;
    std::vector<std::unique_ptr<QWidget>> others;

    void start()
    {
        main = std::make_unique<TFormMAIN>(QStringList());
        others = createProgramWindows(*main);
        main->show();
        QCoreApplication::processEvents();
    }
    void exit()
    {
        if (!main->close())
            std::abort();
        QCoreApplication::processEvents();
    }
};

void BM_StartWithHandGrownSettings(benchmark::State& state)
{
    for (auto _ : state) {
        state.PauseTiming();
        WriteHandGrownSettings();
        Program program;
        state.ResumeTiming();
        program.start();
        state.PauseTiming();
        program.main.reset();
        program.others.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartWithHandGrownSettings)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ExitWithHandGrownSettings(benchmark::State& state)
{
    int after = 0;
    for (auto _ : state) {
        state.PauseTiming();
        WriteHandGrownSettings();
        Program program;
        program.start();
        state.ResumeTiming();
        program.exit();
        state.PauseTiming();
        after = StoredEntries();
        program.main.reset();
        program.others.clear();
        state.ResumeTiming();
    }
    state.counters["entries_after"] = after;
}
BENCHMARK(BM_ExitWithHandGrownSettings)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace

int main(int argc, char** argv)
{
    // A settings file and program folder of the benchmark's own.
    QTemporaryDir home;
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + QStringLiteral("/config")));
    qputenv("GORVIN_PROGRAM_FOLDER", QFile::encodeName(home.path() + QStringLiteral("/program")));
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    nameApplication();
    QDir().mkpath(home.path() + QStringLiteral("/config/Mardo"));
    ConsoleMessageSeam console;
    ScopedMessageSeam messages(console);

    return runBenchmarks(argc, argv);
}
