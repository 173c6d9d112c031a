// Labels with codes of their own, printed into a PDF as the batch printer
// does (US Letter, 3 x 10 address labels, 1200 DPI), the labels from the
// record generator's text blocks.
//
// BM_QrCodePerLabel: 3 000 labels, each with a QR code of its own web
// address, checked (every code made once) and printed, against the same
// labels printed without codes; "ratio" is the time with codes over the
// time without, which must stay at most 2.
//
// BM_Code128Check/N: the check before printing over N labels each with a
// Code 128 of its own number; "perLabelUs" must stay alike for 100 000 and
// 1 000 000 labels (the check is linear), and "peakMB" bounded.
// BM_Code128LastPages/N: the last ten pages of the same N labels printed:
// a page costs the same however many labels come before it.

#include "BenchMain.h"
#include "model/Job.h"
#include "model/Units.h"
#include "render/LabelArt.h"
#include "render/LabelCheck.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"

#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr MU LetterWidth = 215900;
constexpr MU LetterHeight = 279400;
constexpr int Resolution = 1200;

QTemporaryDir& folder()
{
    static QTemporaryDir dir;
    return dir;
}

// The generator's text blocks of n records, written once per n.
QString records(int n)
{
    static QHash<int, QString> written;
    if (const auto it = written.constFind(n); it != written.cend())
        return it.value();
    const QString prefix = folder().filePath(QStringLiteral("records-%1").arg(n));
    const QString generator = qEnvironmentVariable("GORVIN_RECORD_GENERATOR", "/work/shared/bench/gen_records.py");
    if (QProcess::execute(QStringLiteral("python3"), {generator, QString::number(n), prefix}) != 0)
        qFatal("cannot run the record generator %s", qPrintable(generator));
    return written[n] = prefix + QStringLiteral(".txt");
}

std::unique_ptr<TJOB> AddressJob(int labels, const QString& codeKind, const QString& codeText)
{
    auto job = std::make_unique<TJOB>();
    TTEMPLATE& t = *job->TEMPLATE();
    t.PAPERMUWIDTH = LetterWidth;
    t.PAPERMUHEIGHT = LetterHeight;
    t.NUMACROSS = 3;
    t.NUMDOWN = 10;
    t.MULEFT = 4763;
    t.MUTOP = 12700;
    t.MULABELWIDTH = 66675; // 2 5/8 x 1 inch
    t.MULABELHEIGHT = 25400;
    t.MUHGAP = 3175;
    TDATAINFO& data = *job->DATAINFO();
    data.FULLFILENAME = records(labels);
    data.STARTLABNUM = 1;
    data.RepeatLabelNum = 1;
    if (!data.LOADDATA())
        qFatal("cannot load the records");
    TJOBINFO& format = *job->JOBINFO();
    format.TEXTSHRINKTOFIT = true;
    format.FONT = defaultLabelFont();
    format.FONT.setSize(10);
    format.MUBORDERLEFT = 2000;
    format.MUBORDERTOP = 1000;
    format.ShowPic = !codeKind.isEmpty();
    format.CodeType = codeKind;
    format.CodeText = codeText;
    // The code at the label's right end, as high as the label.
    format.FitToLabel = true;
    format.KeepRatio = true;
    format.PicAlignHoriz = 2;
    format.PicAlignVert = 1;
    return job;
}

// Prints pages first to last - 1 into a PDF; the seconds it took.
double PrintPages(const TJOB& job, qint32 first, qint32 last)
{
    QElapsedTimer timer;
    timer.start();
    QPdfWriter writer(folder().filePath(QStringLiteral("print.pdf")));
    writer.setResolution(Resolution);
    writer.setPageLayout(
        QPageLayout(QPageSize(QSizeF(FNMUTOMM(LetterWidth), FNMUTOMM(LetterHeight)), QPageSize::Millimeter),
                    QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    PainterCanvas canvas(&writer);
    TPRINTPARAMS params;
    params.Canvas = &canvas;
    params.PixPerMuX = params.PixPerMuY = Resolution / 25400.0;
    params.ToPrinter = true;
    for (qint32 page = first; page < last; ++page) {
        if (page > first)
            writer.newPage();
        params.PageIndex = page;
        PRINT(job, params);
    }
    return static_cast<double>(timer.nsecsElapsed()) / 1e9;
}

// The check before printing and the print, as a print of labels with codes
// goes; no code made before.
double CheckAndPrint(const TJOB& job)
{
    clearArtCaches();
    QElapsedTimer timer;
    timer.start();
    if (!checkLabels(job).ok())
        qFatal("a label cannot be printed");
    const double checked = static_cast<double>(timer.nsecsElapsed()) / 1e9;
    return checked + PrintPages(job, 0, job.PAGECOUNT());
}

double PeakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toDouble() / 1024.0;
    return 0;
}

void BM_QrCodePerLabel(benchmark::State& state)
{
    const std::unique_ptr<TJOB> plain = AddressJob(3000, QString(), QString());
    const std::unique_ptr<TJOB> coded = AddressJob(3000, QStringLiteral("qrcode"),
                                                   QStringLiteral("https://labels.example.com/customers/{#}"));
    double plainSeconds = 0;
    double codedSeconds = 0;
    for (auto _ : state) {
        const double without = CheckAndPrint(*plain);
        const double with = CheckAndPrint(*coded);
        plainSeconds += without;
        codedSeconds += with;
        state.SetIterationTime(with);
    }
    const double n = static_cast<double>(state.iterations());
    state.counters["withoutCodesS"] = plainSeconds / n;
    state.counters["ratio"] = codedSeconds / plainSeconds;
    state.counters["codesMade"] = static_cast<double>(codeCacheStatistics().made);
}
BENCHMARK(BM_QrCodePerLabel)->UseManualTime()->Iterations(3)->Unit(benchmark::kSecond);

const QString Code128Text = QStringLiteral("C{#0000001}");

void BM_Code128Check(benchmark::State& state)
{
    const int labels = static_cast<int>(state.range(0));
    const std::unique_ptr<TJOB> job = AddressJob(labels, QStringLiteral("code128"), Code128Text);
    for (auto _ : state) {
        clearArtCaches();
        const LabelCheck check = checkLabels(*job);
        if (!check.ok())
            qFatal("%lld labels cannot be printed, the first: %s", static_cast<long long>(check.failed),
                   qPrintable(check.first.value(0).reason));
    }
    state.counters["perLabelUs"] = benchmark::Counter(static_cast<double>(labels) * 1e-6,
                                                      benchmark::Counter::kIsIterationInvariantRate
                                                          | benchmark::Counter::kInvert);
    state.counters["peakMB"] = PeakMegabytes();
    state.counters["cachedMB"] = static_cast<double>(codeCacheStatistics().bytes) / (1 << 20);
}
BENCHMARK(BM_Code128Check)->Arg(100000)->Arg(1000000)->Iterations(1)->Unit(benchmark::kSecond);

void BM_Code128LastPages(benchmark::State& state)
{
    const int labels = static_cast<int>(state.range(0));
    const std::unique_ptr<TJOB> job = AddressJob(labels, QStringLiteral("code128"), Code128Text);
    const qint32 pages = job->PAGECOUNT();
    for (auto _ : state)
        state.SetIterationTime(PrintPages(*job, pages - 10, pages));
    state.counters["perPageMs"] = benchmark::Counter(10 * 1e-3, benchmark::Counter::kIsIterationInvariantRate
                                                                    | benchmark::Counter::kInvert);
}
BENCHMARK(BM_Code128LastPages)->Arg(100000)->Arg(1000000)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
