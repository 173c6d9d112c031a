// Data > Fields... over a table as wide as a spreadsheet saves: 16 384
// columns and ten rows. Opening the dialog (rows, list of fields, preview,
// painted) must take under a second; switching the header box back and
// forth must not freeze it either.

#include "BenchMain.h"
#include "dialogs/FieldsDialog.h"
#include "model/DataInfo.h"

#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

#include <functional>

namespace {

constexpr int Columns = 16384;

const QString& WideTable()
{
    static QTemporaryDir folder;
    static const QString path = [] {
        const QString name = folder.filePath(QStringLiteral("wide.csv"));
        QByteArray bytes;
        for (int r = 0; r < 11; ++r) {
            for (int c = 0; c < Columns; ++c) {
                if (c)
                    bytes += ',';
                bytes += (r ? "value " : "Column ") + QByteArray::number(c);
            }
            bytes += '\n';
        }
        QFile file(name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the table");
        return name;
    }();
    return path;
}

// Opens the dialog, does what is asked once it shows, and closes it.
void OpenFields(benchmark::State& state, const std::function<void(FieldsDialog&)>& whileOpen)
{
    TDATAINFO data;
    data.FULLFILENAME = WideTable();
    if (!data.LOADDATA() || data.table().columnCount() != Columns) {
        state.SkipWithError("cannot read the table");
        return;
    }
    for (auto _ : state) {
        FieldsDialog dialog;
        QTimer::singleShot(0, &dialog, [&dialog, &whileOpen] {
            dialog.repaint();
            if (whileOpen)
                whileOpen(dialog);
            dialog.reject();
        });
        dialog.execute(data);
    }
    state.counters["columns"] = Columns;
}

void BM_FieldsOpen16384Columns(benchmark::State& state)
{
    OpenFields(state, nullptr);
}
BENCHMARK(BM_FieldsOpen16384Columns)->Unit(benchmark::kMillisecond);

void BM_FieldsOpenAndToggleHeader(benchmark::State& state)
{
    OpenFields(state, [](FieldsDialog& dialog) {
        auto* header = dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxHEADER"));
        for (int i = 0; i < 4; ++i) {
            header->toggle();
            dialog.repaint();
        }
    });
}
BENCHMARK(BM_FieldsOpenAndToggleHeader)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
