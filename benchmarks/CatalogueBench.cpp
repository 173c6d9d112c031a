// The product chooser's first opening: the whole label catalogue read, the
// list filled and the dialog painted. Target: under 300 ms. Needs the label
// catalogue of the glabels-data package.

#include "BenchMain.h"
#include "dialogs/ProductChooser.h"
#include "model/LabelCatalogue.h"
#include "support/Maker.h"

#include <QApplication>
#include <QFileInfo>
#include <QLineEdit>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

bool catalogueMissing(benchmark::State& state)
{
    if (QFileInfo(LabelCatalogue::defaultFolder()).isDir())
        return false;
    state.SkipWithError("no label catalogue: install the package glabels-data");
    return true;
}

// A fresh dialog each time, so that every opening reads the catalogue.
void BM_ProductChooserFirstOpen(benchmark::State& state)
{
    if (catalogueMissing(state))
        return;
    std::size_t products = 0;
    for (auto _ : state) {
        ProductChooser dialog;
        if (!dialog.loadCatalogue()) {
            state.SkipWithError("the catalogue could not be read");
            return;
        }
        dialog.show();
        QCoreApplication::processEvents();
        dialog.repaint();
        products = dialog.catalogue().products().size();
        state.PauseTiming();
        dialog.hide();
        state.ResumeTiming();
    }
    state.counters["sheets"] = static_cast<double>(products);
}
BENCHMARK(BM_ProductChooserFirstOpen)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_CatalogueRead(benchmark::State& state)
{
    if (catalogueMissing(state))
        return;
    const QString folder = LabelCatalogue::defaultFolder();
    for (auto _ : state) {
        LabelCatalogue catalogue;
        catalogue.read(folder);
        benchmark::DoNotOptimize(catalogue.products().data());
    }
}
BENCHMARK(BM_CatalogueRead)->Unit(benchmark::kMillisecond);

// Typing a part number into the search box of an open chooser.
void BM_ProductSearch(benchmark::State& state)
{
    if (catalogueMissing(state))
        return;
    ProductChooser dialog;
    dialog.loadCatalogue();
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("EditSEARCH"));
    for (auto _ : state) {
        edit->setText(QStringLiteral("5160"));
        edit->clear();
        QCoreApplication::processEvents();
    }
}
BENCHMARK(BM_ProductSearch)->Unit(benchmark::kMillisecond);

} // namespace

// Widgets need an application; the offscreen platform serves where there is
// no display. Catalogue problems would go to an error log in a temporary
// folder, never beside the program.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The offscreen platform notes every window shown; the figures are what matter here.
    static const QtMessageHandler standard = qInstallMessageHandler(nullptr);
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (!text.contains(QLatin1String("propagateSizeHints")))
            standard(type, context, text);
    });
    QTemporaryDir programFolder;
    qputenv("GORVIN_PROGRAM_FOLDER", programFolder.path().toUtf8());
    QApplication app(argc, argv);
    nameApplication();
    return runBenchmarks(argc, argv);
}
