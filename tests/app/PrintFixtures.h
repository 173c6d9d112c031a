#pragma once
// Jobs, data files and PDF readers for the printing tests: jobs are made with
// the model and saved as job files; printed PDFs are read back with the
// poppler tools (pdfinfo, pdftotext -bbox, pdftoppm).

#include "model/Job.h"

#include <QList>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/resource.h>

// A sheet of labels; lengths in MU.
struct TestSheet {
    MU PaperWidth = 210000;
    MU PaperHeight = 297000;
    qint32 Across = 3;
    qint32 Down = 7;
    MU Left = 7000;
    MU Top = 15000;
    MU LabelWidth = 63500;
    MU LabelHeight = 38100;
    MU HGap = 2500;
    MU VGap = 0;
    bool Landscape = false;
};

// Writes a data file of `labels` labels; label k (from 0) has the lines
// "<prefix><k>" and then "line 2" ... up to linesPerLabel lines.
QString WriteLabelData(const QString& path, int labels, int linesPerLabel = 2,
                       const QString& prefix = QStringLiteral("LBL"));

// Saves a job on the sheet with the data file named, after letting setup
// change anything. Returns false when the job file could not be written.
bool SaveTestJob(const QString& path, const TestSheet& sheet, const QString& dataFile,
                 const std::function<void(TJOB&)>& setup = {});

// The result of running the program.
struct RunResult {
    int exitCode = -1;
    QString out;
    QString err;
};
// Runs the gorvin executable with the arguments (60 s at most), with a file
// size limit (ulimit -f, in KiB; 0 for none) and its own temporary folder
// (TMPDIR; empty keeps the test's).
RunResult RunGorvin(const QStringList& arguments, int fileSizeKiB = 0, const QString& tmpDir = QString());
// Starts gorvin, waits until it has a file open under `folder` (its output
// or spool file), sends it the signal and waits for it to end.
RunResult InterruptGorvin(const QStringList& arguments, int signal, const QString& folder,
                           const QString& tmpDir);
// While it lives, files this test program writes stop at `bytes`: writes
// beyond fail as on a full disk ("File too large").
struct FileSizeLimit {
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    void (*previousHandler_)(int);
    rlimit previous_ {};
};

// What a run left in its temporary folder, apart from the toolkit's runtime
// folder.
QStringList LeftInTemporaryFolder(const QString& tmpDir);

// One word of pdftotext -bbox, in points from the page's top-left corner.
struct PdfWord {
    QString text;
    double xMin = 0, yMin = 0, xMax = 0, yMax = 0;
};
struct PdfPage {
    double width = 0, height = 0; // points
    QList<PdfWord> words;
};
QList<PdfPage> ReadPdfWords(const QString& pdf);
// pdfinfo's "Pages:" and the first page's size in points.
int PdfPageCount(const QString& pdf);
QSizeF PdfPageSize(const QString& pdf);

// The bounding box of the ink (pixels darker than mid grey) of one page
// rendered at dpi, in pixels; null when the page is blank.
QRect PdfInkBox(const QString& pdf, int page, int dpi);

constexpr double PointsPerMm = 72.0 / 25.4;
inline double MuToPoints(MU mu)
{
    return mu / 1000.0 * PointsPerMm;
}

// Runs a program and gives its output (standard output and error merged);
// *exitCode is -1 when it did not finish normally.
QString RunText(const QString& program, const QStringList& arguments, int* exitCode = nullptr);

// The folders cups-pdf may write this user's files of the queue to.
QStringList CupsPdfFolders(const QString& queueName);
