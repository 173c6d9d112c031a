#pragma once
// Running the program for the printing tests, with the sample sheet, the PDF
// readers and the print queue they use.

#include "common/PdfReading.h"
#include "common/PrintQueue.h"
#include "common/SampleSheet.h"

#include <QList>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>

#include <sys/resource.h>

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
RunResult InterruptGorvin(const QStringList& arguments, int signal, const QString& folder, const QString& tmpDir);
// While it lives, files this test program writes stop at `bytes`: writes
// beyond fail as on a full disk ("File too large").
struct FileSizeLimit {
    explicit FileSizeLimit(qint64 bytes);
    ~FileSizeLimit();
    void (*previousHandler_)(int);
    rlimit previous_{};
};

// What a run left in its temporary folder, apart from the toolkit's runtime
// folder.
QStringList LeftInTemporaryFolder(const QString& tmpDir);
