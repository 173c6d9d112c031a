// The print run against a target that records what the printer is asked to
// do, and a page drawer that records the render record of every page.

#include "common/RecordingPrinter.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "model/Job.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "support/ErrorLog.h"
#include "support/ProgramFolder.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <limits>

namespace {

// A 3 x 7 sheet of A4 with 10 pages of labels.
struct JobFixture {
    JobFixture()
    {
        job.MAKENEWTEMPLATE(210000, 297000);
        TTEMPLATE& t = *job.TEMPLATE();
        t.NUMACROSS = 3;
        t.NUMDOWN = 7;
        t.MULABELWIDTH = 70000;
        t.MULABELHEIGHT = 42000;
        TDATAINFO& d = *job.DATAINFO();
        QStringList lines;
        for (int k = 0; k < 210; ++k)
            lines << QStringLiteral("label %1").arg(k) << QString();
        d.FILECONTENT.setLines(lines);
        d.reindex();
        d.STARTLABNUM = 1;
        d.RepeatLabelNum = 1;
    }
    TJOB job;
};

struct Page {
    TPRINTPARAMS params;
};

class PrintRunTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        run.drawPage = [this](const TJOB&, const TPRINTPARAMS& params, QString*) {
            pages.append(Page{params});
            target.events << QStringLiteral("page %1").arg(params.PageIndex + 1);
        };
    }

    PrintResult print(PrintCommand command, int from, int to, int copies, bool collate)
    {
        PrintRequest r;
        r.command = command;
        r.fromPage = from;
        r.toPage = to;
        r.copies = copies;
        r.collate = collate;
        return run.run(fixture.job, target, r);
    }

    ScriptedMessages messages;
    JobFixture fixture;
    RecordingPrinter target{QStringLiteral("Recorder"), {600, 600, 150, 75}};
    PrintRun run;
    QList<Page> pages;
};

} // namespace

TEST_F(PrintRunTest, CollatedCopiesRepeatTheRangeWithoutATrailingPage)
{
    const PrintResult r = print(PrintCommand::PRINTJOB, 2, 4, 3, true);
    EXPECT_EQ(r.outcome, PrintOutcome::Printed);
    EXPECT_EQ(r.pagesSent, 9);
    EXPECT_EQ(target.events, QStringList({"copies 1", "begin",  "page 2", "new",    "page 3", "new",    "page 4",
                                          "new",      "page 2", "new",    "page 3", "new",    "page 4", "new",
                                          "page 2",   "new",    "page 3", "new",    "page 4", "end",    "copies 3"}));
    EXPECT_EQ(target.copyCount, 3); // handed back as the dialog showed it
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(PrintRunTest, UncollatedCopiesAreThePrintersBusiness)
{
    print(PrintCommand::PRINTJOB, 2, 4, 3, false);
    EXPECT_EQ(target.events, QStringList({"copies 3", "begin", "page 2", "new", "page 3", "new", "page 4", "end"}));

    // A file cannot hold a copy count: the run sends each page that often.
    target.events.clear();
    target.canCopy = false;
    print(PrintCommand::PRINTJOB, 1, 2, 2, false);
    EXPECT_EQ(target.events,
              QStringList({"copies 2", "begin", "page 1", "new", "page 1", "new", "page 2", "new", "page 2", "end"}));
}

TEST_F(PrintRunTest, RenderRecordForThePrinter)
{
    TPRINTERCALIBRATION c;
    c.LeftShift = 1000;
    c.TopShift = -500;
    c.ScaleY = 2;
    writeCalibration(QStringLiteral("Recorder"), c);
    fixture.job.TEMPLATE()->SETLANDSCAPE(true);
    print(PrintCommand::PRINTJOB, 1, 1, 1, false);
    writeCalibration(QStringLiteral("Recorder"), TPRINTERCALIBRATION());

    EXPECT_TRUE(target.isLandscape);
    EXPECT_EQ(target.paper, QSizeF(210, 297));
    ASSERT_EQ(pages.size(), 1);
    const TPRINTPARAMS& p = pages[0].params;
    EXPECT_EQ(p.Canvas, &target.page);
    EXPECT_TRUE(p.ToPrinter);
    EXPECT_TRUE(p.ShowLabels);
    EXPECT_FALSE(p.ShowTemplate);
    EXPECT_EQ(p.MuOffsetX, 1000 - 6350); // 150 px at 600 dpi: a quarter inch
    EXPECT_EQ(p.MuOffsetY, -500 - 3175);
    EXPECT_DOUBLE_EQ(p.PixPerMuX, 4961.0 / 210000);
    EXPECT_DOUBLE_EQ(p.PixPerMuY, 7016.0 / 297000 * 2);
}

TEST_F(PrintRunTest, TemplatePrintIsOneOutlinePage)
{
    fixture.job.DATAINFO()->STARTLABNUM = 9;
    print(PrintCommand::PRINTTEMPLATE, 2, 5, 3, true);
    EXPECT_EQ(target.events, QStringList({"copies 3", "begin", "page 1", "end"}));
    ASSERT_EQ(pages.size(), 1);
    EXPECT_FALSE(pages[0].params.ShowLabels);
    EXPECT_TRUE(pages[0].params.ShowTemplate);
}

TEST_F(PrintRunTest, StartAndRepeatAreReadForEveryPage)
{
    // The window stays live during a run: a change of the start or repeat
    // box between pages shows on the next page.
    TDATAINFO& data = *fixture.job.DATAINFO();
    data.STARTLABNUM = 4;
    data.RepeatLabelNum = 2;
    run.progress = [&](qint32 sent, qint32) {
        if (sent == 1) {
            data.STARTLABNUM = 7;
            data.RepeatLabelNum = 3;
        }
    };
    print(PrintCommand::PRINTJOB, 1, 2, 1, false);
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].params.FirstSlot, 3);
    EXPECT_EQ(pages[0].params.RepeatCount, 2);
    EXPECT_EQ(pages[1].params.FirstSlot, 6);
    EXPECT_EQ(pages[1].params.RepeatCount, 3);
}

TEST_F(PrintRunTest, AbortRequestDiscardsTheDocumentAfterThePage)
{
    run.progress = [&](qint32 sent, qint32 total) {
        EXPECT_EQ(total, 5);
        EXPECT_TRUE(run.inProgress());
        if (sent == 2)
            run.requestAbort();
    };
    const PrintResult r = print(PrintCommand::PRINTJOB, 1, 5, 1, false);
    EXPECT_EQ(r.outcome, PrintOutcome::Aborted);
    EXPECT_EQ(r.pagesSent, 2);
    EXPECT_EQ(target.events, QStringList({"copies 1", "begin", "page 1", "new", "page 2", "new", "abort"}));
    EXPECT_FALSE(run.PrintAbortRequested);
    EXPECT_FALSE(run.inProgress());

    // Outside a run a request is ignored, and the next run starts afresh.
    run.requestAbort();
    EXPECT_FALSE(run.PrintAbortRequested);
    run.progress = nullptr;
    target.events.clear();
    EXPECT_EQ(print(PrintCommand::PRINTJOB, 1, 1, 1, false).outcome, PrintOutcome::Printed);
}

TEST_F(PrintRunTest, PrinterThatDoesNotStart)
{
    target.failBegin = true;
    const PrintResult r = print(PrintCommand::PRINTJOB, 1, 2, 1, false);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, "Not printing?");
    EXPECT_TRUE(messages.shown[0].plain);
    // The run goes on regardless; there is nothing to draw on.
    ASSERT_EQ(pages.size(), 2);
    EXPECT_EQ(pages[0].params.Canvas, nullptr);
    EXPECT_EQ(r.outcome, PrintOutcome::Failed);
    EXPECT_EQ(r.error, "recorder failed");
}

TEST_F(PrintRunTest, UnreadablePictureDiscardsTheDocument)
{
    run.drawPage = [this](const TJOB&, const TPRINTPARAMS& params, QString* pictureError) {
        target.events << QStringLiteral("page %1").arg(params.PageIndex + 1);
        if (params.PageIndex == 1)
            *pictureError = QStringLiteral("logo.png: unreadable");
    };
    const PrintResult r = print(PrintCommand::PRINTJOB, 1, 3, 1, false);
    EXPECT_EQ(r.outcome, PrintOutcome::PictureFailed);
    EXPECT_EQ(r.error, "logo.png: unreadable");
    EXPECT_EQ(target.events, QStringList({"copies 1", "begin", "page 1", "new", "page 2", "abort"}));
}

TEST_F(PrintRunTest, FailureInsideAPageDiscardsTheDocument)
{
    run.drawPage = [](const TJOB&, const TPRINTPARAMS&, QString*) { throw std::runtime_error("drawing failed"); };
    EXPECT_THROW(print(PrintCommand::PRINTJOB, 1, 3, 1, false), std::runtime_error);
    EXPECT_EQ(target.events, QStringList({"copies 1", "begin", "abort"}));
    EXPECT_FALSE(run.inProgress());
}

TEST_F(PrintRunTest, NoSecondRunWhilePrinting)
{
    run.drawPage = [this](const TJOB& job, const TPRINTPARAMS&, QString*) {
        PrintRequest again;
        EXPECT_THROW(run.run(job, target, again), EPrinterBusy);
        PrintRun other;
        EXPECT_THROW(other.run(job, target, again), EPrinterBusy); // the printer refuses
    };
    EXPECT_EQ(print(PrintCommand::PRINTJOB, 1, 1, 1, false).outcome, PrintOutcome::Printed);
}

TEST_F(PrintRunTest, EmptyRangePrintsNothing)
{
    target.copyCount = 2;
    const PrintResult r = print(PrintCommand::PRINTJOB, 1, 0, 3, true);
    EXPECT_EQ(r.outcome, PrintOutcome::NothingToPrint);
    EXPECT_TRUE(target.events.isEmpty()) << target.events.join(", ").toStdString();
    EXPECT_EQ(target.copyCount, 2);
}

// Beyond the print dialog's 65534 pages every page of the range is drawn
// and sent; a target that cannot hold them all gets no document at all.
TEST_F(PrintRunTest, EveryPageBeyondTheDialogsLimitIsPrinted)
{
    TDATAINFO& data = *fixture.job.DATAINFO();
    data.STARTLABNUM = 70000 * 21 - 20; // the one label on page 70 000
    ASSERT_EQ(printPageCount(fixture.job, PrintCommand::PRINTJOB), 70000 + 9);
    target.events.clear();
    PrintResult r = print(PrintCommand::PRINTJOB, 1, 70000, 1, false);
    EXPECT_EQ(r.outcome, PrintOutcome::Printed);
    EXPECT_EQ(r.pagesSent, 70000);
    ASSERT_EQ(pages.size(), 70000);
    EXPECT_EQ(pages.last().params.PageIndex, 69999);
    EXPECT_EQ(target.events.count(QStringLiteral("new")), 69999);

    pages.clear();
    target.events.clear();
    target.pageLimit = 69999;
    r = print(PrintCommand::PRINTJOB, 1, 70000, 1, false);
    EXPECT_EQ(r.outcome, PrintOutcome::Failed);
    EXPECT_EQ(r.error, QStringLiteral("the print has 70000 pages; one document can hold at most 69999."));
    EXPECT_TRUE(pages.isEmpty());
    EXPECT_FALSE(target.events.contains(QStringLiteral("begin")));
}

TEST(PrintPageLimit, HighestPageOffered)
{
    ScriptedMessages messages;
    JobFixture fixture;
    EXPECT_EQ(printMaxPage(fixture.job, PrintCommand::PRINTJOB), 10);
    EXPECT_EQ(printMaxPage(fixture.job, PrintCommand::PRINTTEMPLATE), 1);
    fixture.job.DATAINFO()->FILECONTENT.clear();
    fixture.job.DATAINFO()->reindex();
    EXPECT_EQ(printMaxPage(fixture.job, PrintCommand::PRINTJOB), 1);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(PrintPageLimit, MoreThan65534PagesIsError10)
{
    QTemporaryDir folder;
    setProgramFolderForTests(folder.path());
    ScriptedMessages messages;
    JobFixture fixture;
    fixture.job.TEMPLATE()->NUMACROSS = 1;
    fixture.job.TEMPLATE()->NUMDOWN = 1;
    TDATAINFO& d = *fixture.job.DATAINFO();
    QStringList lines;
    for (int k = 0; k < 70000; ++k)
        lines << QStringLiteral("x") << QString();
    d.FILECONTENT.setLines(lines);
    d.reindex();
    EXPECT_EQ(printMaxPage(fixture.job, PrintCommand::PRINTJOB), 65534);
    const QString text = QStringLiteral(
        "Your job contains 70000 pages.\n\rWindows print routine curently\n\rsupports a maximum of 65534 pages.");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, text);
    EXPECT_EQ(messages.beeps, 1);
    const QString log = QString::fromUtf8(readFileBytes(folder.path() + QStringLiteral("/ERRFILE.TXT")));
    EXPECT_TRUE(log.contains(QStringLiteral(" Error[10]: Your job contains 70000 pages.\r\n"))) << log.toStdString();
    setProgramFolderForTests(QString());
}
