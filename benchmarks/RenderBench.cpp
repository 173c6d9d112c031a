// Drawing one page: a US Letter sheet of 3 x 10 address labels, four lines
// each, shrink-to-fit on, into the 100 % preview image (96 pixels per inch,
// outlines and placeholders on as the preview shows them) and into a 600 DPI
// page image as the printer gets it. The images are made once; each
// iteration draws the page anew on top.
//
// Then the worst pages a job within the data limits can ask for, each of
// which must be drawn in under 100 ms: a data file of one line of 100 MB on
// every label, a label of a million lines, every label full of long lines,
// font heights of billions of pixels with shrink-to-fit, and table layouts
// near the job file's limit: a million placeholders on one line over fields
// of 1 000 characters, four million lines left out as empty (alike and in turn), and 12 KB of
// placeholders against a table of a million columns. The table pages report
// the process's peak resident memory ("peakMB"), which must stay under 256 MB.

#include "BenchMain.h"
#include "model/Job.h"
#include "render/PainterCanvas.h"
#include "render/Renderer.h"

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <functional>
#include <memory>

namespace {

constexpr MU LetterWidth = 215900;
constexpr MU LetterHeight = 279400;

std::unique_ptr<TJOB> AddressJob()
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

    QStringList lines;
    for (int i = 0; i < 60; ++i) {
        lines << QStringLiteral("Customer %1 of the Northern Region").arg(1000 + i)
              << QStringLiteral("%1 Long Street").arg(i * 7 + 1) << QStringLiteral("Northampton, Northamptonshire")
              << QStringLiteral("NN%1 %2AB").arg(i % 99 + 1).arg(i % 9 + 1) << QString();
    }
    TDATAINFO& data = *job->DATAINFO();
    data.FILECONTENT.setLines(lines);
    data.STARTLABNUM = 1;
    data.RepeatLabelNum = 1;
    data.reindex();

    TJOBINFO& format = *job->JOBINFO();
    format.TEXTSHRINKTOFIT = true;
    format.SHOWBORDER = true;
    format.ShowPic = false;
    format.FONT = defaultLabelFont();
    format.FONT.setSize(14);
    return job;
}

// The process's peak resident memory so far, from /proc/self/status.
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

void RenderPage(benchmark::State& state, double dpi, bool toPrinter, const std::function<void(TJOB&)>& change = nullptr)
{
    const std::unique_ptr<TJOB> job = AddressJob();
    if (change)
        change(*job);
    const int width = qRound(LetterWidth / 25400.0 * dpi);
    const int height = qRound(LetterHeight / 25400.0 * dpi);
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(qRound(dpi / 0.0254));
    image.setDotsPerMeterY(qRound(dpi / 0.0254));
    image.fill(Qt::white);
    TPRINTPARAMS params;
    params.PixPerMuX = static_cast<double>(width) / LetterWidth;
    params.PixPerMuY = static_cast<double>(height) / LetterHeight;
    params.FontScale = 1.0;
    params.ShowLabels = true;
    params.ShowTemplate = !toPrinter;
    params.ToPrinter = toPrinter;
    params.FirstSlot = job->DATAINFO()->STARTLABNUM - 1;
    params.RepeatCount = job->DATAINFO()->RepeatLabelNum;
    for (auto _ : state) {
        // A fresh canvas each time, as the preview and the print run make one.
        PainterCanvas canvas(&image);
        params.Canvas = &canvas;
        PRINT(*job, params);
    }
    state.counters["pixels"] = static_cast<double>(width) * height;
    state.counters["peakMB"] = PeakMegabytes();
}

void BM_PreviewPage100Percent(benchmark::State& state)
{
    RenderPage(state, 96.0, false);
}
BENCHMARK(BM_PreviewPage100Percent)->Unit(benchmark::kMillisecond);

void BM_PrinterPage600Dpi(benchmark::State& state)
{
    RenderPage(state, 600.0, true);
}
BENCHMARK(BM_PrinterPage600Dpi)->Unit(benchmark::kMillisecond);

// The job's labels from a data file written with these bytes.
void LoadData(TJOB& job, const QByteArray& bytes, const QString& name = QStringLiteral("data.txt"))
{
    static QTemporaryDir folder;
    const QString path = folder.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write the data file");
    file.close();
    job.DATAINFO()->FULLFILENAME = path;
    if (!job.DATAINFO()->LOADDATA())
        qFatal("cannot load the data file");
}

void OneLineOf100MB(TJOB& job)
{
    LoadData(job, QByteArray("Northampton ").repeated((100 << 20) / 12));
    job.DATAINFO()->RepeatLabelNum = 30; // on every label of the page
}

void MillionLines(TJOB& job)
{
    LoadData(job, QByteArray("NN1 2AB\n").repeated(1000000));
    job.DATAINFO()->RepeatLabelNum = 30;
}

void LongLinesEverywhere(TJOB& job)
{
    QByteArray label = QByteArray("Customer of the Northern Region ").repeated(200) + '\n';
    LoadData(job, (label.repeated(60) + '\n').repeated(30));
}

// A table with the layout given; the labels repeat to fill the page.
void LoadTable(TJOB& job, const QByteArray& table, const QString& layout)
{
    job.DATAINFO()->tableSettings().LabelLayout = layout;
    LoadData(job, table, QStringLiteral("data.csv"));
    job.DATAINFO()->RepeatLabelNum = 30;
}

void MillionPlaceholders(TJOB& job)
{
    QByteArray table = "A,B\n";
    for (int r = 0; r < 48; ++r)
        table += QByteArray(1000, char('a' + r % 26)) + ",x\n";
    LoadTable(job, table, QStringLiteral("{A}").repeated(1000000));
}

void FourMillionEmptyLines(TJOB& job)
{
    QString layout;
    layout.reserve(16000003);
    for (int i = 0; i < 4000000; ++i)
        layout += QStringLiteral("{A}\n");
    layout += QStringLiteral("{B}");
    LoadTable(job, "A,B\n,name\n,name\n", layout);
}

// Lines alike one after the other cost one line; these differ.
void TwoMillionLinesInTurn(TJOB& job)
{
    QString layout;
    layout.reserve(16000003);
    for (int i = 0; i < 2000000; ++i)
        layout += QStringLiteral("{A}\n{B}\n");
    layout += QStringLiteral("{C}");
    LoadTable(job, "A,B,C\n,,name\n,,name\n", layout);
}

void MillionColumns(TJOB& job)
{
    QByteArray names;
    QByteArray row;
    for (int c = 0; c < 1000000; ++c) {
        names += (c ? ",C" : "C") + QByteArray::number(c);
        row += c ? ",v" : "v";
    }
    QString layout;
    for (int c = 999999; layout.size() < 12 * 1024; c -= 797)
        layout += QStringLiteral("{C%1} ").arg(c);
    LoadTable(job, names + '\n' + row + '\n', layout);
}

void AbsurdFontHeight(TJOB& job)
{
    job.JOBINFO()->FONT.Height = -2000000000;
}

#define HOSTILE_PAGE(Name)                                                                                             \
    void BM_##Name##Preview(benchmark::State& state)                                                                   \
    {                                                                                                                  \
        RenderPage(state, 96.0, false, Name);                                                                          \
    }                                                                                                                  \
    BENCHMARK(BM_##Name##Preview)->Unit(benchmark::kMillisecond);                                                      \
    void BM_##Name##Printer600Dpi(benchmark::State& state)                                                             \
    {                                                                                                                  \
        RenderPage(state, 600.0, true, Name);                                                                          \
    }                                                                                                                  \
    BENCHMARK(BM_##Name##Printer600Dpi)->Unit(benchmark::kMillisecond)

HOSTILE_PAGE(OneLineOf100MB);
HOSTILE_PAGE(MillionLines);
HOSTILE_PAGE(LongLinesEverywhere);
HOSTILE_PAGE(AbsurdFontHeight);
HOSTILE_PAGE(MillionPlaceholders);
HOSTILE_PAGE(FourMillionEmptyLines);
HOSTILE_PAGE(TwoMillionLinesInTurn);
HOSTILE_PAGE(MillionColumns);

} // namespace

// Fonts and images need a GUI application; the offscreen platform serves
// where there is no display.
int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return runBenchmarks(argc, argv);
}
