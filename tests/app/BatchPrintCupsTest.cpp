// Printing through the real print system: the queue "LabelPDF" of the
// cups-pdf driver (set up by scripts/test) turns what it receives into a PDF
// file. Its text is re-encoded on the way and does not read back as words, so
// these tests compare where the ink lies with the program's own PDF output.
// Without a running cupsd or the queue they are skipped, never passed.

#include "common/PrintFixtures.h"
#include "common/TestEnv.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "render/Canvas.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QThread>
#include <cmath>
#include <gtest/gtest.h>

#include <csignal>
#include <pwd.h>
#include <unistd.h>

namespace {

constexpr int inkDpi = 300;
constexpr double pxPerMm = inkDpi / 25.4;
constexpr double tolerancePx = 0.3 * pxPerMm;

class CupsPrinting : public ::testing::Test {
protected:
    void SetUp() override
    {
        SKIP_WITHOUT_QUEUE();
        dir_ = TestEnv::freshFolder(
            QStringLiteral("cups/")
            + QString::fromLatin1(::testing::UnitTest::GetInstance()->current_test_info()->name()));
        writeCalibration(PrintQueue::name(), TPRINTERCALIBRATION());
    }
    void TearDown() override
    {
        if (!dir_.isEmpty())
            writeCalibration(PrintQueue::name(), TPRINTERCALIBRATION());
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
        const RunResult r = RunGorvin(
            QStringList{QStringLiteral("--print"), job, QStringLiteral("--printer"), PrintQueue::name()} + extra);
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        if (r.exitCode != 0)
            return QString();
        const QString pdf = PrintQueue::waitForPdf(token_, since);
        EXPECT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << PrintQueue::pdfFolders().join(", ").toStdString();
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
    writeCalibration(PrintQueue::name(), shift);
    const QString queued = printThroughQueue(job);
    ASSERT_FALSE(queued.isEmpty());
    expectSamePaper(direct, queued);
    expectInkShifted(direct, queued, 1, 3.0, -2.0);
}

TEST_F(CupsPrinting, LandscapeSheetIsTurnedOntoUprightPaper)
{
    const QString job = jobPath("landscape");
    TestSheet sheet;
    sheet.paperWidth = 297000;
    sheet.paperHeight = 210000;
    sheet.Landscape = true;
    sheet.Across = 4;
    sheet.Down = 4;
    sheet.labelWidth = 70000;
    sheet.labelHeight = 45000;
    sheet.hGap = 0;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir_ + "/d.txt", 16 * 4)));
    const QString direct = printToFile(job);
    const QString queued = printThroughQueue(job);
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
        PrinterTarget target(PrintQueue::name());
        EXPECT_TRUE(target.isValid());
        target.setDocumentName(token_);
        target.setPaperSize(QSizeF(210, 297));
        const PrinterGeometry g = target.geometry();
        EXPECT_GT(g.dpiX, 0);
        EXPECT_EQ(g.offsetX, 0); // the whole sheet is the page
        EXPECT_EQ(g.offsetY, 0);
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
    const QString endedPdf = PrintQueue::waitForPdf(ended.first, ended.second);
    ASSERT_FALSE(endedPdf.isEmpty());
    EXPECT_EQ(PdfPageCount(endedPdf), 2);
    // The aborted one was handed over first; by now it would have come out.
    for (const QString& folder : PrintQueue::pdfFolders())
        for (const QString& name : QDir(folder).entryList({QStringLiteral("*.pdf")}, QDir::Files))
            EXPECT_FALSE(name.contains(aborted.first, Qt::CaseInsensitive)) << name.toStdString();
}

TEST_F(CupsPrinting, PaperOfNoStandardSize)
{
    // A roll label of 100 x 150 mm: the print system gets that size as it
    // is, not a standard sheet it would scale the page to.
    const QString job = jobPath("custom");
    TestSheet sheet;
    sheet.paperWidth = 100000;
    sheet.paperHeight = 150000;
    sheet.Across = 1;
    sheet.Down = 2;
    sheet.Left = 5000;
    sheet.Top = 5000;
    sheet.labelWidth = 90000;
    sheet.labelHeight = 65000;
    sheet.vGap = 10000;
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
    RunResult r = RunGorvin({"--print", job, "--printer", PrintQueue::name()}, 16, tmp);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("Printing failed: File too large")) << r.err.toStdString();
    EXPECT_FALSE(PrintQueue::hadJobTitled(token_));
    EXPECT_EQ(LeftInTemporaryFolder(tmp), QStringList());

    // 2 000 pages: long enough to be interrupted in the middle.
    job = jobPath("interrupted");
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir_ + "/d.txt", 2000 * 21)));
    // The terminal closed (SIGHUP) cleans up as SIGINT and SIGTERM do.
    r = InterruptGorvin({"--print", job, "--printer", PrintQueue::name()}, SIGHUP, tmp, tmp);
    EXPECT_EQ(r.exitCode, 129) << r.err.toStdString();
    EXPECT_FALSE(PrintQueue::hadJobTitled(token_));
    EXPECT_EQ(LeftInTemporaryFolder(tmp), QStringList());
}
