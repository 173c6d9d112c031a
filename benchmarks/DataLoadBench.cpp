// Reading a large data file: a million labels of four lines, about 60 MB;
// and a table of a million rows of the same size.
// Loading and indexing it must stay well under a second and its memory under
// three times the file's size; the counters report the process's peak
// resident memory next to the file's size.

#include "model/DataFile.h"
#include "model/DataInfo.h"

#include <QByteArray>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

constexpr int LabelCount = 1000000;

// A field of /proc/self/status such as "VmHWM:   123456 kB", in MB.
double StatusMegabytes(const char* field)
{
    std::FILE* status = std::fopen("/proc/self/status", "r");
    if (!status)
        return 0.0;
    const std::size_t fieldLength = std::strlen(field);
    char line[256];
    double kilobytes = 0.0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::strncmp(line, field, fieldLength) == 0 && line[fieldLength] == ':') {
            kilobytes = std::strtod(line + fieldLength + 1, nullptr);
            break;
        }
    }
    std::fclose(status);
    return kilobytes / 1024.0;
}

// The file's size, the memory before the run and the peak beside it, and
// the bytes read.
void ReportFileRun(benchmark::State& state, qint64 fileSize, double rssBefore)
{
    const double fileMB = double(fileSize) / (1024.0 * 1024.0);
    const double peakMB = StatusMegabytes("VmHWM");
    state.counters["file_MB"] = fileMB;
    state.counters["rss_before_MB"] = rssBefore;
    state.counters["peak_rss_MB"] = peakMB;
    state.counters["peak_per_file"] = peakMB / fileMB;
    state.SetBytesProcessed(state.iterations() * fileSize);
}

// Four lines of an address label, CR LF broken as a Windows editor saves
// them, with some non-ASCII text so that the UTF-8 check sees more than ASCII.
void AppendLabel(QByteArray& out, int n)
{
    char label[160];
    const char* town = (n % 10 == 0) ? "M\xC3\xBCnster" : "Northampton";
    const int length = std::snprintf(label, sizeof label, "Customer %07d\r\n%d Long Street\r\n%s\r\nNN%d %dAB\r\n\r\n",
                                     n, n % 997 + 1, town, n % 99 + 1, n % 9 + 1);
    out.append(label, length);
}

struct DataFileFixture {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    // The same labels in UTF-8, or as UTF-16 (little-endian, with its
    // byte-order mark) as a Windows editor saves "Unicode" text.
    explicit DataFileFixture(bool utf16)
    {
        path = dir.filePath(QStringLiteral("labels.txt"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        if (utf16)
            file.write("\xFF\xFE", 2);
        QByteArray chunk;
        for (int n = 1; n <= LabelCount; ++n) {
            AppendLabel(chunk, n);
            if (chunk.size() > (1 << 20) || n == LabelCount) {
                if (utf16) {
                    const QString text = QString::fromUtf8(chunk);
                    for (const QChar c : text) {
                        const char bytes[2] = {char(c.unicode() & 0xFF), char(c.unicode() >> 8)};
                        file.write(bytes, 2);
                    }
                } else {
                    file.write(chunk);
                }
                chunk.clear();
            }
        }
        file.close();
        size = QFile(path).size();
    }
};

// Written once, on first use, and removed when the program ends.
const DataFileFixture& DataFile(bool utf16 = false)
{
    if (utf16) {
        static const DataFileFixture wide(true);
        return wide;
    }
    static const DataFileFixture plain(false);
    return plain;
}

// Argument 1: the file in UTF-16, turned into UTF-8 as it is loaded. The
// peak is the process's, so it covers the runs before this one too.
void BM_LoadAndIndex(benchmark::State& state)
{
    const DataFileFixture& data = DataFile(state.range(0) != 0);
    const double rssBefore = StatusMegabytes("VmRSS");
    qsizetype labels = 0;
    for (auto _ : state) {
        DataLines lines;
        QString error;
        if (!lines.loadFromFile(data.path, &error)) {
            state.SkipWithError(error.toLocal8Bit().constData());
            return;
        }
        const LabelIndex index(lines);
        labels = index.count();
        benchmark::DoNotOptimize(&index);
    }
    if (labels != LabelCount)
        state.SkipWithError("wrong number of labels");
    ReportFileRun(state, data.size, rssBefore);
}
BENCHMARK(BM_LoadAndIndex)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Decoding every label's lines, as printing all pages of the file would.
void BM_ReadAllLabels(benchmark::State& state)
{
    DataLines lines;
    if (!lines.loadFromFile(DataFile().path)) {
        state.SkipWithError("cannot load the data file");
        return;
    }
    const LabelIndex index(lines);
    QStringList label;
    for (auto _ : state) {
        for (qint32 k = 0; k < index.count(); ++k) {
            label.clear();
            index.appendLabel(lines, k, label);
            benchmark::DoNotOptimize(label.constData());
        }
    }
    state.SetItemsProcessed(state.iterations() * index.count());
}
BENCHMARK(BM_ReadAllLabels)->Unit(benchmark::kMillisecond)->UseRealTime();

// A table of a million rows, about 57 MB, as a spreadsheet saves it: a
// header, CR LF breaks, a quoted field with a comma in every row.
struct TableFileFixture {
    QTemporaryDir dir;
    QString path;
    qint64 size = 0;

    TableFileFixture()
    {
        path = dir.filePath(QStringLiteral("labels.csv"));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            return;
        QByteArray chunk = "Name,Street,Town,Postcode\r\n";
        char row[160];
        for (int n = 1; n <= LabelCount; ++n) {
            const int length = std::snprintf(row, sizeof row,
                                             "Customer %07d,%d Long Street,\"%s, Yorks\",LS%d %dAB\r\n", n, n % 997 + 1,
                                             (n % 10 == 0) ? "M\xC3\xBCnster" : "Leeds", n % 99 + 1, n % 9 + 1);
            chunk.append(row, length);
            if (chunk.size() > (1 << 20) || n == LabelCount) {
                file.write(chunk);
                chunk.clear();
            }
        }
        file.close();
        size = QFile(path).size();
    }
};

const TableFileFixture& TableFile()
{
    static const TableFileFixture table;
    return table;
}

// The peak resident memory starts again from the current one, so the peak
// this run reports is its own, not that of the runs before it.
void ResetPeakMemory()
{
    if (std::FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

// Reading and indexing the table as Data > Open does: the rows are found,
// nothing is cut into fields until a label is drawn.
void BM_LoadAndIndexTable(benchmark::State& state)
{
    const TableFileFixture& table = TableFile();
    const double rssBefore = StatusMegabytes("VmRSS");
    ResetPeakMemory();
    int rows = 0;
    for (auto _ : state) {
        DataTable data;
        QString error;
        if (!data.loadFromFile(table.path, &error)) {
            state.SkipWithError(error.toLocal8Bit().constData());
            return;
        }
        // Read through a constant: the read-write form garbles a local int
        // under GCC's -O3.
        const int found = data.rowCount();
        benchmark::DoNotOptimize(found);
        rows = found;
    }
    if (rows != LabelCount + 1)
        state.SkipWithError("wrong number of rows");
    ReportFileRun(state, table.size, rssBefore);
}
BENCHMARK(BM_LoadAndIndexTable)->Unit(benchmark::kMillisecond)->UseRealTime();

// Every row made into its label through a layout, as printing all pages
// would.
void BM_ReadAllTableLabels(benchmark::State& state)
{
    TDATAINFO data;
    data.FULLFILENAME = TableFile().path;
    data.tableSettings().LabelLayout = QStringLiteral("{Name}\n{Street}\n{Town}\n{Postcode}");
    if (!data.LOADDATA()) {
        state.SkipWithError("cannot load the table");
        return;
    }
    QStringList label;
    for (auto _ : state) {
        for (qint32 i = 0; i < data.labelsInIndex(); ++i) {
            label.clear();
            data.GETLABEL(i, label);
            benchmark::DoNotOptimize(label.constData());
        }
    }
    state.SetItemsProcessed(state.iterations() * data.labelsInIndex());
}
BENCHMARK(BM_ReadAllTableLabels)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reading a layout as large as a job file holds (16 MB): a million
// placeholders against a table of a million column names, and four million
// lines in turn. Linear in the layout's length (about 1.6 s here, once per
// load, most of it the two tables of a million names); the placeholders
// against every column took minutes.
void BM_ReadLayoutOfJobFileSize(benchmark::State& state)
{
    QStringList names;
    for (int c = 0; c < 1000000; ++c)
        names << QStringLiteral("Column%1").arg(c);
    QString layout;
    layout.reserve(16 << 20);
    for (int i = 0; layout.size() < (16 << 20) - 32; ++i)
        layout += i % 4 == 3 ? QStringLiteral("{Column%1}\n").arg(i * 7919 % 1000000)
                             : QStringLiteral("{%1}\n").arg(i % 2 + 1);
    for (auto _ : state) {
        const LabelLayout parsed(layout, names, static_cast<int>(names.size()));
        benchmark::DoNotOptimize(&parsed);
    }
    state.counters["chars"] = static_cast<double>(layout.size());
}
BENCHMARK(BM_ReadLayoutOfJobFileSize)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace

BENCHMARK_MAIN();
