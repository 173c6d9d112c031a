// Printing through the real print system: the queue "LabelPDF" of the
// cups-pdf driver (set up by scripts/test) turns what it receives into a PDF
// file. Its text is re-encoded on the way and does not read back as words, so
// these tests compare where the ink lies with the program's own PDF output.
// Without a running cupsd or the queue they are skipped, never passed.

#include "app/PrintFixtures.h"
#include "common/TestEnv.h"
#include "render/PrintRun.h"
#include "render/PrinterCalibration.h"
#include "render/Canvas.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>

#include <cups/cups.h>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace {

const QString queueName = QStringLiteral("LabelPDF");
constexpr int inkDpi = 300;
constexpr double pxPerMm = inkDpi / 25.4;
constexpr double tolerancePx = 0.3 * pxPerMm;



// Why the print system cannot be used, or empty when it can.
QString cupsUnavailable()
{
    int code = 0;
    const QString scheduler = RunText(QStringLiteral("lpstat"), {QStringLiteral("-r")}, &code);
    if (code != 0 || !scheduler.contains(QStringLiteral("scheduler is running")))
        return QStringLiteral("cupsd is not running (lpstat -r: ") + scheduler.trimmed()
               + QStringLiteral("); scripts/test starts it");
    const QString queue = RunText(QStringLiteral("lpstat"), {QStringLiteral("-v"), queueName}, &code);
    if (code != 0)
        return QStringLiteral("no print queue \"LabelPDF\" (lpstat -v: ") + queue.trimmed()
               + QStringLiteral("); scripts/test adds it");
    return QString();
}

// Waits for the PDF that cups-pdf makes of the job titled with token.
QString waitForQueuedPdf(const QString& token, const QDateTime& since)
{
    const QDateTime deadline = QDateTime::currentDateTime().addSecs(90);
    while (QDateTime::currentDateTime() < deadline) {
        for (const QString& folder : CupsPdfFolders(queueName)) {
            const QFileInfoList files =
                QDir(folder).entryInfoList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time);
            for (const QFileInfo& f : files) {
                if (!f.fileName().contains(token, Qt::CaseInsensitive) || f.lastModified() < since.addSecs(-2))
                    continue;
                // cups-pdf writes the file and then renames nothing: wait
                // until its size stays put and poppler can read it.
                const qint64 size = f.size();
                QThread::msleep(500);
                if (size > 0 && QFileInfo(f.filePath()).size() == size && PdfPageCount(f.filePath()) > 0)
                    return f.filePath();
            }
        }
        QThread::msleep(300);
    }
    return QString();
}

// Whether the queue has, or had, a job whose title holds token.
bool queueHadJob(const QString& token)
{
    cups_job_t* jobs = nullptr;
    const int count = cupsGetJobs2(CUPS_HTTP_DEFAULT, &jobs, queueName.toUtf8().constData(), 0, CUPS_WHICHJOBS_ALL);
    bool found = false;
    for (int i = 0; i < count; ++i)
        found = found || QString::fromUtf8(jobs[i].title).contains(token, Qt::CaseInsensitive);
    cupsFreeJobs(count, jobs);
    return found;
}

class CupsPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QString reason = cupsUnavailable();
        if (!reason.isEmpty())
            GTEST_SKIP() << reason.toStdString();
        dir_ = TestEnv::root() + QStringLiteral("/cups/")
               + QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name());
        QDir(dir_).removeRecursively();
        QDir().mkpath(dir_);
        writeCalibration(queueName, TPRINTERCALIBRATION());
    }
    void TearDown() override
    {
        if (!dir_.isEmpty())
            writeCalibration(queueName, TPRINTERCALIBRATION());
    }

    // A job file whose name is unique, so that the queue's file can be told
    // from earlier ones.
    QString jobPath(const char* stem)
    {
        token_ = QString::fromLatin1(stem) + QString::number(QRandomGenerator::global()->bounded(100000, 999999));
        return dir_ + u'/' + token_ + QStringLiteral(".gvj");
    }

    // Prints the job through the queue and returns the PDF cups-pdf made.
    QString printThroughQueue(const QString& job, QStringList extra = {})
    {
        const QDateTime since = QDateTime::currentDateTime();
        const RunResult r = RunGorvin(QStringList{QStringLiteral("--print"), job, QStringLiteral("--printer"),
                                                   queueName}
                                       + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        if (r.exitCode != 0)
            return QString();
        const QString pdf = waitForQueuedPdf(token_, since);
        EXPECT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << CupsPdfFolders(queueName).join(", ").toStdString();
        return pdf;
    }

    QString printToFile(const QString& job, QStringList extra = {})
    {
        const QString pdf = dir_ + QStringLiteral("/direct.pdf");
        const RunResult r = RunGorvin(QStringList{QStringLiteral("--print"), job, QStringLiteral("--output"), pdf}
                                       + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return pdf;
    }

    QString dir_;
    QString token_;
};

// A landscape sheet goes to the printer as upright paper with the page
// turned a quarter anticlockwise onto it, as printers take landscape pages.
void expectSamePaper(const QString& direct, const QString& queued, bool turned = false)
{
    QSizeF a = PdfPageSize(direct);
    if (turned)
        a.transpose();
    const QSizeF b = PdfPageSize(queued);
    EXPECT_NEAR(a.width(), b.width(), 1.0);
    EXPECT_NEAR(a.height(), b.height(), 1.0);
}

// The ink of each page of queued lies where it lies on direct, moved by the
// shift in millimetres (turned with the page for a landscape sheet).
void expectInkShifted(const QString& direct, const QString& queued, int pages, double dxMm, double dyMm,
                      bool turned = false)
{
    const double paperWidthPx = PdfPageSize(direct).width() / 72.0 * inkDpi;
    for (int page = 1; page <= pages; ++page) {
        SCOPED_TRACE("page " + std::to_string(page));
        QRect a = PdfInkBox(direct, page, inkDpi);
        const QRect b = PdfInkBox(queued, page, inkDpi);
        ASSERT_FALSE(a.isNull());
        ASSERT_FALSE(b.isNull());
        if (turned) {
            // (x, y) on the sheet lands at (y, width - x) on the paper.
            const int w = static_cast<int>(std::lround(paperWidthPx));
            a = QRect(QPoint(a.top(), w - 1 - a.right()), QPoint(a.bottom(), w - 1 - a.left()));
        }
        const double dx = dxMm * pxPerMm;
        const double dy = dyMm * pxPerMm;
        EXPECT_NEAR(b.left() - a.left(), dx, tolerancePx);
        EXPECT_NEAR(b.top() - a.top(), dy, tolerancePx);
        EXPECT_NEAR(b.right() - a.right(), dx, tolerancePx);
        EXPECT_NEAR(b.bottom() - a.bottom(), dy, tolerancePx);
    }
}

} // namespace

TEST_F(CupsPrinting, QueuePrintMatchesTheFile)
{
    const QString job = jobPath("plain");
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir_ + "/d.txt", 30, 3), [](TJOB& j) {
        j.JOBINFO()->SHOWBORDER = true;
        j.JOBINFO()->MUBORDERWIDTH = 300;
    }));
    const QString direct = printToFile(job);
    const QString queued = printThroughQueue(job);
    ASSERT_FALSE(queued.isEmpty());
    EXPECT_EQ(PdfPageCount(queued), 2);
    EXPECT_EQ(PdfPageCount(direct), 2);
    expectSamePaper(direct, queued);
    expectInkShifted(direct, queued, 2, 0, 0);
}

TEST_F(CupsPrinting, StoredCalibrationMovesTheInk)
{
    const QString job = jobPath("shift");
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir_ + "/d.txt", 21, 3), [](TJOB& j) {
        j.JOBINFO()->SHOWBORDER = true;
        j.JOBINFO()->MUBORDERWIDTH = 300;
    }));
    const QString direct = printToFile(job);
    TPRINTERCALIBRATION shift;
    shift.LeftShift = 3000;
    shift.TopShift = -2000;
    writeCalibration(queueName, shift);
    const QString queued = printThroughQueue(job);
    ASSERT_FALSE(queued.isEmpty());
    expectSamePaper(direct, queued);
    expectInkShifted(direct, queued, 1, 3.0, -2.0);
}

TEST_F(CupsPrinting, LandscapeSheetAndCollatedCopies)
{
    const QString job = jobPath("landscape");
    TestSheet sheet;
    sheet.PaperWidth = 297000;
    sheet.PaperHeight = 210000;
    sheet.Landscape = true;
    sheet.Across = 4;
    sheet.Down = 4;
    sheet.LabelWidth = 70000;
    sheet.LabelHeight = 45000;
    sheet.HGap = 0;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir_ + "/d.txt", 16 * 4)));
    const QStringList range = {"--pages", "2-3", "--copies", "2", "--collate"};
    const QString direct = printToFile(job, range);
    const QString queued = printThroughQueue(job, range);
    ASSERT_FALSE(queued.isEmpty());
    EXPECT_EQ(PdfPageCount(queued), 4);
    expectSamePaper(direct, queued, true);
    expectInkShifted(direct, queued, 4, 0, 0, true);
}

TEST_F(CupsPrinting, AbortedDocumentNeverReachesTheQueue)
{
    // Two documents, one aborted and one ended; only the ended one may come
    // out of the queue.
    auto printOne = [this](const char* stem, bool end) {
        jobPath(stem);
        PrinterTarget target(queueName);
        EXPECT_TRUE(target.isValid());
        target.setDocumentName(token_);
        target.setPaperSize(QSizeF(210, 297));
        const PrinterGeometry g = target.geometry();
        EXPECT_GT(g.DpiX, 0);
        EXPECT_EQ(g.OffsetX, 0); // the whole sheet is the page
        EXPECT_EQ(g.OffsetY, 0);
        const QDateTime since = QDateTime::currentDateTime();
        target.beginDocument();
        EXPECT_TRUE(target.isPrinting()) << target.errorText().toStdString();
        if (!target.isPrinting())
            return std::make_pair(token_, since);
        target.canvas()->textRect(CanvasRect{0, 0, 2000, 2000}, 100, 100, "page");
        target.newPage();
        target.canvas()->textRect(CanvasRect{0, 0, 2000, 2000}, 100, 100, "page");
        if (end)
            EXPECT_TRUE(target.endDocument()) << target.errorText().toStdString();
        else
            target.abortDocument();
        EXPECT_FALSE(target.isPrinting());
        return std::make_pair(token_, since);
    };
    const auto aborted = printOne("aborted", false);
    const auto ended = printOne("ended", true);
    const QString endedPdf = waitForQueuedPdf(ended.first, ended.second);
    ASSERT_FALSE(endedPdf.isEmpty());
    EXPECT_EQ(PdfPageCount(endedPdf), 2);
    // The aborted one was handed over first; by now it would have come out.
    for (const QString& folder : CupsPdfFolders(queueName))
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files))
            EXPECT_FALSE(name.contains(aborted.first, Qt::CaseInsensitive)) << name.toStdString();
}

TEST_F(CupsPrinting, PaperOfNoStandardSize)
{
    // A roll label of 100 x 150 mm: the print system gets that size as it
    // is, not a standard sheet it would scale the page to.
    const QString job = jobPath("custom");
    TestSheet sheet;
    sheet.PaperWidth = 100000;
    sheet.PaperHeight = 150000;
    sheet.Across = 1;
    sheet.Down = 2;
    sheet.Left = 5000;
    sheet.Top = 5000;
    sheet.LabelWidth = 90000;
    sheet.LabelHeight = 65000;
    sheet.VGap = 10000;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir_ + "/d.txt", 2, 4), [](TJOB& j) {
        j.JOBINFO()->SHOWBORDER = true;
        j.JOBINFO()->MUBORDERWIDTH = 300;
    }));
    const QString direct = printToFile(job);
    const QString queued = printThroughQueue(job);
    ASSERT_FALSE(queued.isEmpty());
    EXPECT_NEAR(PdfPageSize(direct).width(), MuToPoints(100000), 0.5);
    EXPECT_NEAR(PdfPageSize(direct).height(), MuToPoints(150000), 0.5);
    expectSamePaper(direct, queued);
    expectInkShifted(direct, queued, 1, 0, 0);
}

// ---------------------------------------------------------------- faults

TEST_F(CupsPrinting, SpoolCutShortOrInterruptedIsNeverSubmitted)
{
    const QString tmp = dir_ + "/tmp";
    QDir().mkpath(tmp);
    // 48 pages spool to more than the 16 KiB the program may write.
    QString job = jobPath("cutshort");
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir_ + "/d.txt", 1000)));
    RunResult r = RunGorvin({"--print", job, "--printer", queueName}, 16, tmp);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("Printing failed: File too large")) << r.err.toStdString();
    EXPECT_FALSE(queueHadJob(token_));
    EXPECT_EQ(LeftInTemporaryFolder(tmp), QStringList());

    // 2 000 pages: long enough to be interrupted in the middle.
    job = jobPath("interrupted");
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir_ + "/d.txt", 2000 * 21)));
    r = InterruptGorvin({"--print", job, "--printer", queueName}, SIGTERM, tmp, tmp);
    EXPECT_EQ(r.exitCode, 143) << r.err.toStdString();
    EXPECT_FALSE(queueHadJob(token_));
    EXPECT_EQ(LeftInTemporaryFolder(tmp), QStringList());
}
