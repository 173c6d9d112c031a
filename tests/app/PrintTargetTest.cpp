// The two real print targets without the print system: the PDF file of the
// batch printer, and a printer whose print dialog chose "print to file".

#include "common/PrintFixtures.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "print/PrintRun.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <gtest/gtest.h>

namespace {

// A job of 3 pages of 21 labels, read from its data file.
struct LoadedJob {
    explicit LoadedJob(const QString& dir)
    {
        const QString jobFile = dir + QStringLiteral("/job.gvj");
        EXPECT_TRUE(SaveTestJob(jobFile, TestSheet(), WriteLabelData(dir + QStringLiteral("/d.txt"), 63)));
        EXPECT_TRUE(job.LOADFROMFILE(jobFile));
        EXPECT_TRUE(job.DATAINFO()->LOADDATA());
    }
    TJOB job;
};

PrintRequest pages(int from, int to)
{
    PrintRequest r;
    r.fromPage = from;
    r.toPage = to;
    return r;
}

} // namespace

TEST(PdfFileTarget, AbortKeepsTheEarlierFile)
{
    ScriptedMessages messages;
    const QString dir = TestEnv::freshFolder(QStringLiteral("targets/pdfabort"));
    LoadedJob loaded(dir);
    const QString pdf = dir + QStringLiteral("/labels.pdf");
    PrintRun run;
    {
        PdfFileTarget target(pdf);
        EXPECT_EQ(run.run(loaded.job, target, pages(1, 3)).outcome, PrintOutcome::Printed);
    }
    ASSERT_EQ(PdfPageCount(pdf), 3);
    const QDateTime written = QFileInfo(pdf).lastModified();

    run.progress = [&run](qint32 sent, qint32) {
        if (sent == 1)
            run.requestAbort();
    };
    PdfFileTarget again(pdf);
    EXPECT_EQ(run.run(loaded.job, again, pages(1, 2)).outcome, PrintOutcome::Aborted);
    EXPECT_EQ(PdfPageCount(pdf), 3);
    EXPECT_EQ(QFileInfo(pdf).lastModified(), written);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files).size(), 3) << "no temporary file left behind";

    // A file that cannot be created: the printer does not start.
    PdfFileTarget nowhere(dir + QStringLiteral("/no/such/folder/x.pdf"));
    run.progress = nullptr;
    const PrintResult failed = run.run(loaded.job, nowhere, pages(1, 1));
    EXPECT_EQ(failed.outcome, PrintOutcome::Failed);
    EXPECT_TRUE(failed.error.startsWith(QStringLiteral("Cannot create file "))) << failed.error.toStdString();
    EXPECT_EQ(messages.texts(), QStringList({QStringLiteral("Not printing?")}));
}

TEST(PrinterTarget, PrintToFileChosenInTheDialog)
{
    ScriptedMessages messages;
    const QString dir = TestEnv::freshFolder(QStringLiteral("targets/printtofile"));
    LoadedJob loaded(dir);
    const QString pdf = dir + QStringLiteral("/chosen.pdf");
    PrinterTarget target;
    target.printer().setOutputFormat(QPrinter::PdfFormat);
    target.printer().setOutputFileName(pdf);
    PrintRun run;
    const PrintResult r = run.run(loaded.job, target, pages(2, 3));
    EXPECT_EQ(r.outcome, PrintOutcome::Printed) << r.error.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 2);
    const QSizeF size = PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), MuToPoints(210000), 0.5);
    EXPECT_NEAR(size.height(), MuToPoints(297000), 0.5);
    // The file keeps the name the dialog gave it for the next run.
    EXPECT_EQ(target.printer().outputFileName(), pdf);
    EXPECT_TRUE(messages.shown.isEmpty());
}
