// Loading a picture file named by a job, for the worst files within the size
// limits: each must be loaded or refused in well under 2 s and 512 MB. Each
// load runs in a child process of its own, so that its peak memory (peak MB,
// the child's whole peak) is its own; the time is that of the load alone.

#include "BenchMain.h"
#include "model/Picture.h"

#include <QBuffer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <QElapsedTimer>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <functional>

namespace {

QTemporaryDir* Folder = nullptr;

long PeakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

QByteArray Svg(const QByteArray& body)
{
    return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
           "width='100' height='100'>"
           + body + "</svg>";
}

// Repeats piece until the file is about `bytes` long.
QByteArray Filled(const QByteArray& piece, qint64 bytes)
{
    return piece.repeated(static_cast<qsizetype>(bytes / piece.size()));
}

constexpr qint64 NearLimit = SvgLimits::MaxBytes - 4096;

void LoadBench(benchmark::State& state, const char* name, const std::function<QByteArray()>& make)
{
    const QString path = Folder->filePath(QString::fromLatin1(name));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(make()) < 0) {
            state.SkipWithError("cannot write the picture file");
            return;
        }
    }
    struct Result {
        double seconds = 0;
        long peakMegabytes = 0;
        bool loaded = false;
    } result;
    for (auto _ : state) {
        int fds[2];
        if (pipe(fds) != 0) {
            state.SkipWithError("no pipe");
            return;
        }
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            Result r;
            QElapsedTimer timer;
            timer.start();
            Picture picture;
            r.loaded = loadPictureFile(path, picture);
            // A loaded drawing is drawn once too, as the first label would.
            if (r.loaded && picture.isSvg()) {
                QImage image(300, 300, QImage::Format_ARGB32_Premultiplied);
                QPainter painter(&image);
                QSvgRenderer(picture.svg).render(&painter);
            }
            r.seconds = static_cast<double>(timer.nsecsElapsed()) / 1e9;
            r.peakMegabytes = PeakMegabytes();
            const bool written = write(fds[1], &r, sizeof r) == static_cast<ssize_t>(sizeof r);
            _exit(written ? 0 : 1);
        }
        close(fds[1]);
        const bool read = ::read(fds[0], &result, sizeof result) == static_cast<ssize_t>(sizeof result);
        close(fds[0]);
        int status = 0;
        waitpid(child, &status, 0);
        if (!read) {
            state.SkipWithError("the loading process failed");
            return;
        }
        state.SetIterationTime(result.seconds);
    }
    state.counters["loaded"] = result.loaded ? 1 : 0;
    state.counters["peak MB"] = static_cast<double>(result.peakMegabytes);
    QFile::remove(path);
}

#define PICTURE_BENCH(Name, file, ...)                                                                                 \
    void BM_Load##Name(benchmark::State& state)                                                                        \
    {                                                                                                                  \
        LoadBench(state, file, [] { return __VA_ARGS__; });                                                            \
    }                                                                                                                  \
    BENCHMARK(BM_Load##Name)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1)

PICTURE_BENCH(OrdinaryLogo, "logo.svg",
              Svg("<circle cx='50' cy='50' r='40' fill='red'/><text x='10' y='90'>Mardo</text>"));
// 16 MB of compressed zeros would inflate to gigabytes: refused at once.
PICTURE_BENCH(CompressedBomb, "bomb.svgz", QByteArray("\x1f\x8b\x08\x00", 4) + QByteArray(NearLimit, '\0'));
PICTURE_BENCH(UseBomb, "uses.svg", [] {
    QByteArray body = "<defs><g id='l0'><rect width='1' height='1'/></g>";
    for (int level = 1; level <= 12; ++level) {
        body += "<g id='l" + QByteArray::number(level) + "'>";
        body += ("<use xlink:href='#l" + QByteArray::number(level - 1) + "'/>").repeated(10);
        body += "</g>";
    }
    return Svg(body + "</defs><use xlink:href='#l12'/>");
}());
PICTURE_BENCH(ElementsUpToTheLimit, "elements.svg",
              Svg(QByteArray("<rect x='1' y='2' width='3' height='4'/>").repeated(SvgLimits::MaxElements - 2)));
PICTURE_BENCH(UsesUpToTheLimit, "uses-limit.svg", [] {
    const qint64 uses = SvgLimits::MaxDrawnElements / 102 - 10;
    return Svg("<defs><g id='r'>" + QByteArray("<rect x='1' y='2' width='3' height='4'/>").repeated(100) + "</g></defs>"
               + QByteArray("<use xlink:href='#r'/>").repeated(uses));
}());
PICTURE_BENCH(TooManyElements, "too-many.svg", Svg(Filled("<g/>", NearLimit)));
PICTURE_BENCH(OnePathOf16MB, "path.svg", Svg("<path d='M0 0" + Filled(" L1 2", NearLimit) + "'/>"));
PICTURE_BENCH(TextUpToTheLimit, "text.svg",
              Svg("<text x='0' y='50'>" + QByteArray("Mardo ").repeated(SvgLimits::MaxTextCharacters / 6) + "</text>"));
PICTURE_BENCH(TextOf16MB, "text16.svg", Svg("<text x='0' y='50'>" + Filled("Mardo ", NearLimit) + "</text>"));
PICTURE_BENCH(DeepNesting, "deep.svg", Svg(Filled("<g>", NearLimit / 2) + Filled("</g>", NearLimit / 2)));
PICTURE_BENCH(EmbeddedBitmapsAtTheLimit, "embedded.svg", [] {
    QImage image(2896, 2896, QImage::Format_RGB32); // 8 million pixels, twice
    image.fill(Qt::blue);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const QByteArray tag = "<image width='100' height='100' xlink:href='data:image/png;base64," + png.toBase64()
                           + "'/>";
    return Svg(tag + tag);
}());
PICTURE_BENCH(BitmapAtTheReaderLimit, "big.png", [] {
    QImage image(5792, 5792, QImage::Format_RGB32); // 128 MB
    image.fill(Qt::green);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return png;
}());

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTemporaryDir folder;
    Folder = &folder;
    return runBenchmarks(argc, argv);
}
