// Printing from the main window: File > Print and Template > Print through
// the print dialog, the printer set-up, the close question and the commands
// refused while a run is printing, and the calibration window with its test
// page, end to end through the print system's "LabelPDF" queue (cups-pdf,
// set up by scripts/test). The queue is the default printer here. Without a
// running cupsd or the queue the tests that print are skipped, never passed.

#include "common/MainWindowFixture.h"
#include "common/PrintFixtures.h"
#include "common/Controls.h"
#include "common/ModalDialog.h"
#include "common/TestEnv.h"
#include "dialogs/FormCALIBPRN.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "settings/RegistryStore.h"
#include "support/ErrorLog.h"
#include "print/PrinterOptions.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QImage>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QPrintDialog>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardPaths>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <cstdlib>
#include <functional>

#include <pwd.h>
#include <unistd.h>

namespace {

// A print dialog's answer: the pages offered and chosen, copies and collation.
PrintChoice printChoice(int minPage, int maxPage, int fromPage, int toPage, int copies, bool collate)
{
    PrintChoice choice;
    choice.minPage = minPage;
    choice.maxPage = maxPage;
    choice.fromPage = fromPage;
    choice.toPage = toPage;
    choice.copies = copies;
    choice.collate = collate;
    return choice;
}

constexpr double lineTolerance = 0.3; // millimetres

// A part of a printed page at 1200 pixels per inch, without smoothing, so
// that a line one printer pixel wide and the gaps of a dashed line show.
struct PageArea {
    QImage image;
    QPointF originMm;
    static constexpr double pxPerMm = 1200 / 25.4;
};

PageArea RenderArea(const QString& pdf, const QRectF& mm)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath(QStringLiteral("area"));
    const QRect px(qRound(mm.left() * PageArea::pxPerMm), qRound(mm.top() * PageArea::pxPerMm),
                   qRound(mm.width() * PageArea::pxPerMm), qRound(mm.height() * PageArea::pxPerMm));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"), {"-r",
                                         "1200",
                                         "-gray",
                                         "-aa",
                                         "no",
                                         "-aaVector",
                                         "no",
                                         "-f",
                                         "1",
                                         "-l",
                                         "1",
                                         "-x",
                                         QString::number(px.x()),
                                         "-y",
                                         QString::number(px.y()),
                                         "-W",
                                         QString::number(px.width()),
                                         "-H",
                                         QString::number(px.height()),
                                         "-singlefile",
                                         pdf,
                                         prefix});
    p.waitForFinished(60000);
    PageArea area;
    // A square of 125 mm at this resolution is larger than the reader's
    // usual limit.
    QImageReader::setAllocationLimit(1024);
    area.image = QImage(prefix + QStringLiteral(".pgm")).convertToFormat(QImage::Format_Grayscale8);
    area.originMm = QPointF(px.x() / PageArea::pxPerMm, px.y() / PageArea::pxPerMm);
    return area;
}

// A line of the page: where its middle lies from the paper's edge, how much
// of the searched stretch its ink covers and its longest unbroken piece.
struct PageLine {
    double atMm = 0;
    double coverage = 0;
    double longestMm = 0;
};

// The vertical lines (columns of ink over at least 40 % of the rows fromMm
// to toMm) or the horizontal ones, neighbouring pixel lines taken as one.
QList<PageLine> FindLines(const PageArea& area, Qt::Orientation direction, double fromMm, double toMm)
{
    const QImage& img = area.image;
    const bool vertical = direction == Qt::Vertical;
    const double origin = vertical ? area.originMm.y() : area.originMm.x();
    const int first = std::max(0, qRound((fromMm - origin) * PageArea::pxPerMm));
    const int last = std::min(vertical ? img.height() : img.width(), qRound((toMm - origin) * PageArea::pxPerMm));
    const int across = vertical ? img.width() : img.height();
    QList<PageLine> lines;
    int previous = -2;
    double sum = 0;
    int members = 0;
    for (int i = 0; i < across; ++i) {
        int dark = 0, run = 0, longest = 0;
        for (int j = first; j < last; ++j) {
            const uchar v = vertical ? img.constScanLine(j)[i] : img.constScanLine(i)[j];
            if (v < 128) {
                ++dark;
                longest = std::max(longest, ++run);
            } else {
                run = 0;
            }
        }
        const double coverage = last > first ? double(dark) / (last - first) : 0;
        if (coverage < 0.4)
            continue;
        const double at = (vertical ? area.originMm.x() : area.originMm.y()) + (i + 0.5) / PageArea::pxPerMm;
        if (previous == i - 1 && !lines.isEmpty()) {
            sum += at;
            ++members;
            PageLine& l = lines.last();
            l.atMm = sum / members;
            l.coverage = std::max(l.coverage, coverage);
            l.longestMm = std::max(l.longestMm, longest / PageArea::pxPerMm);
        } else {
            sum = at;
            members = 1;
            lines.append(PageLine{at, coverage, longest / PageArea::pxPerMm});
        }
        previous = i;
    }
    return lines;
}

QList<double> solidLines(const QList<PageLine>& lines)
{
    QList<double> at;
    for (const PageLine& l : lines)
        if (l.longestMm >= 95)
            at << l.atMm;
    return at;
}

QList<double> brokenLines(const QList<PageLine>& lines)
{
    QList<double> at;
    for (const PageLine& l : lines)
        if (l.longestMm < 5)
            at << l.atMm;
    return at;
}

std::string describe(const QList<PageLine>& lines)
{
    std::string s;
    for (const PageLine& l : lines)
        s += std::to_string(l.atMm) + " mm (" + std::to_string(int(l.coverage * 100)) + "%, "
             + std::to_string(l.longestMm) + " mm unbroken); ";
    return s;
}

class PrintCommands : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        // The queue is the default printer of the main window.
        qputenv("LPDEST", PrintQueue::name().toUtf8());
        qputenv("PRINTER", PrintQueue::name().toUtf8());
    }
    void TearDown() override
    {
        if (timer_)
            timer_->stop();
        MainWindowTest::TearDown();
        qunsetenv("LPDEST");
        qunsetenv("PRINTER");
    }

    // The main window on the command line, its documents numbered by the
    // queue: the "Label" option of cups-pdf, set as the print dialog's
    // Properties set options, puts the job's number in the PDF's name.
    void startPrinting(const QStringList& commandLine)
    {
        start(commandLine);
        setPrinterOptions(main_->printer().printer(), {{QStringLiteral("Label"), QStringLiteral("2")}});
    }
    int lastJob() { return main_->printer().lastJobId(); }

    // A job of one label per A4 sheet whose label k has k + 1 lines, so
    // that every page has its own height of ink.
    QString stairJob(int labels, const std::function<void(TJOB&)>& setup = {})
    {
        const QString job = SaveStairJob(dir.path(), labels, setup);
        EXPECT_FALSE(job.isEmpty());
        return job;
    }

    // Runs `steps` once, between two pages of the run the next command
    // starts (the run processes events after every page).
    void duringTheRun(std::function<void()> steps)
    {
        timer_ = new QTimer(main_.get());
        timer_->setInterval(0);
        QObject::connect(timer_, &QTimer::timeout, timer_, [this, steps] {
            if (!main_->printInProgress())
                return;
            timer_->stop();
            steps();
        });
        timer_->start();
    }

    QString storedCalibration(const char* name)
    {
        return FNREGREADSTRING(printerKey(PrintQueue::name()), QString::fromLatin1(name), QStringLiteral("absent"));
    }

    QTimer* timer_ = nullptr;
};

const QString busyText = QStringLiteral(
    "A print is in progress.\n\rWait for it to finish, or close the program to abort it.");
const QString closeQuestion = QStringLiteral("Printing in operation.\n\rDo you wish to abort print job?");

} // namespace

// ---------------------------------------------------------------- set-up

TEST_F(PrintCommands, ChangingTheOrientationInSetUpMarksTheJobAltered)
{
    start({stairJob(2)});
    ASSERT_FALSE(main_->job().ALTERED());
    ASSERT_FALSE(main_->job().TEMPLATE()->LANDSCAPE());

    // Left as it was: nothing changes.
    dialogs.answerPrinterSetup([](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Portrait); // from the template
    });
    trigger("Setupprinter1");
    EXPECT_FALSE(main_->job().ALTERED());
    EXPECT_FALSE(main_->job().TEMPLATE()->LANDSCAPE());

    dialogs.answerPrinterSetup([](QPrinter& printer) { printer.setPageOrientation(QPageLayout::Landscape); });
    trigger("Setupprinter1");
    EXPECT_TRUE(main_->job().ALTERED());
    EXPECT_TRUE(main_->job().TEMPLATE()->LANDSCAPE());

    // Back to portrait: the template follows, and the job stays altered.
    dialogs.answerPrinterSetup([](QPrinter& printer) {
        EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
        printer.setPageOrientation(QPageLayout::Portrait);
    });
    trigger("Setupprinter1");
    EXPECT_FALSE(main_->job().TEMPLATE()->LANDSCAPE());
    EXPECT_TRUE(main_->job().ALTERED());
}

// ---------------------------------------------------------------- print dialog

TEST_F(PrintCommands, DataWithoutLabelsIsAnsweredWithoutADialog)
{
    SKIP_WITHOUT_QUEUE(true);
    const QString data = WriteFile(path(QStringLiteral("blank.txt")), "\r\n\r\n\n\n");
    const QString job = path(QStringLiteral("blank.gvj"));
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), data));
    start({job});
    trigger("PRINTJOB");
    EXPECT_EQ(messages.texts().join(" | "),
              QStringLiteral("The data file holds no labels: there is nothing to print."));
    EXPECT_TRUE(dialogs.offered.isEmpty());
    EXPECT_FALSE(main_->printInProgress());
}

// ---------------------------------------------------------------- copies

// Copies and collation end to end, on every way a print goes out: the main
// window's print dialog and the batch printer, each to the queue and to a PDF
// file. The stair job's sheets tell their page by the height of their ink.
namespace {

enum class Route { WindowToQueue, WindowToFile, BatchToQueue, BatchToFile };

struct CopiesCase {
    const char* name;
    Route route;
    int from, to, copies;
    bool collate;
    QList<int> pages; // the pages that come out, in order
};

void PrintTo(const CopiesCase& c, std::ostream* os)
{
    *os << c.name;
}

const CopiesCase copiesCases[] = {
    {"WindowCollatedToQueue", Route::WindowToQueue, 2, 4, 3, true, {2, 3, 4, 2, 3, 4, 2, 3, 4}},
    // Printed to a file, uncollated copies cannot be left to the printer.
    {"WindowUncollatedToFile", Route::WindowToFile, 2, 3, 2, false, {2, 2, 3, 3}},
    {"BatchCollatedToQueue", Route::BatchToQueue, 2, 3, 2, true, {2, 3, 2, 3}},
    {"BatchCollatedToFile", Route::BatchToFile, 2, 4, 3, true, {2, 3, 4, 2, 3, 4, 2, 3, 4}},
    // A file cannot hold a copy count: each page comes as often as asked.
    {"BatchUncollatedToFile", Route::BatchToFile, 2, 3, 2, false, {2, 2, 3, 3}},
};

constexpr int jobPages = 5;
constexpr int inkDpi = 100;

// The ink height of each sheet of the PDF.
QList<int> inkHeights(const QString& pdf)
{
    QList<int> heights;
    for (int sheet = 1, count = PdfPageCount(pdf); sheet <= count; ++sheet)
        heights << PdfInkBox(pdf, sheet, inkDpi).height();
    return heights;
}

// The page of the job each sheet shows: the one whose ink is nearest in height.
QList<int> pagesShown(const QString& pdf, const QList<int>& pageHeights)
{
    QList<int> pages;
    for (const int height : inkHeights(pdf)) {
        qsizetype best = 0;
        for (qsizetype page = 1; page < pageHeights.size(); ++page)
            if (std::abs(pageHeights[page] - height) < std::abs(pageHeights[best] - height))
                best = page;
        pages << static_cast<int>(best) + 1;
    }
    return pages;
}

class Copies : public PrintCommands, public ::testing::WithParamInterface<CopiesCase> {
protected:
    // Prints the job's pages through the main window's print dialog; the
    // dialog offers every page and remembers the copies asked for.
    QString printFromWindow(const QString& job, const CopiesCase& c)
    {
        startPrinting({job});
        const QString file = path(QStringLiteral("window.pdf"));
        dialogs.answerPrint(printChoice(1, jobPages, c.from, c.to, c.copies, c.collate), [&](QPrinter& printer) {
            if (c.route == Route::WindowToFile) {
                printer.setOutputFormat(QPrinter::PdfFormat);
                printer.setOutputFileName(file);
            }
        });
        trigger("PRINTJOB");
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(QStringLiteral(" | ")).toStdString();
        EXPECT_EQ(dialogs.offered.value(0).minPage, 1);
        EXPECT_EQ(dialogs.offered.value(0).maxPage, jobPages);
        EXPECT_EQ(dialogs.offered.value(0).toPage, jobPages);
        EXPECT_EQ(main_->printer().copies(), c.copies); // handed back as the dialog showed it
        dialogs.cancelPrint();
        trigger("PRINTJOB");
        EXPECT_EQ(dialogs.offered.value(1).copies, c.copies);
        EXPECT_EQ(dialogs.offered.value(1).collate, c.collate);
        return c.route == Route::WindowToFile ? file : PrintQueue::waitForPdf(lastJob());
    }

    // Prints them with the batch printer; a job file of a name of its own
    // tells the queue's file from earlier ones.
    QString printInBatch(const QString& job, const CopiesCase& c)
    {
        QStringList arguments{QStringLiteral("--print"),  job,
                              QStringLiteral("--pages"),  QStringLiteral("%1-%2").arg(c.from).arg(c.to),
                              QStringLiteral("--copies"), QString::number(c.copies)};
        if (c.collate)
            arguments << QStringLiteral("--collate");
        if (c.route == Route::BatchToFile) {
            const QString file = path(QStringLiteral("batch.pdf"));
            const RunResult r = RunGorvin(arguments << QStringLiteral("--output") << file);
            EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
            return file;
        }
        const QString token = QStringLiteral("copies%1").arg(QRandomGenerator::global()->bounded(100000, 999999));
        const QString named = path(token + QStringLiteral(".gvj"));
        EXPECT_TRUE(QFile::copy(job, named));
        arguments[1] = named;
        const QDateTime since = QDateTime::currentDateTime();
        const RunResult r = RunGorvin(arguments << QStringLiteral("--printer") << PrintQueue::name());
        EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
        return PrintQueue::waitForPdf(token, since);
    }
};

TEST_P(Copies, ComeOutInTheOrderAsked)
{
    const CopiesCase& c = GetParam();
    if (c.route == Route::WindowToQueue || c.route == Route::BatchToQueue)
        SKIP_WITHOUT_QUEUE(c.route == Route::WindowToQueue);
    const QString job = stairJob(jobPages);
    const QString all = path(QStringLiteral("all.pdf"));
    const RunResult r = RunGorvin({QStringLiteral("--print"), job, QStringLiteral("--output"), all});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<int> pageHeights = inkHeights(all);
    ASSERT_EQ(pageHeights.size(), jobPages);
    for (qsizetype page = 1; page < pageHeights.size(); ++page)
        ASSERT_LT(pageHeights[page - 1], pageHeights[page]) << "the pages must tell themselves apart";

    const bool fromWindow = c.route == Route::WindowToQueue || c.route == Route::WindowToFile;
    const QString pdf = fromWindow ? printFromWindow(job, c) : printInBatch(job, c);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from cups-pdf in " << PrintQueue::pdfFolders().join(u',').toStdString();
    EXPECT_EQ(pagesShown(pdf, pageHeights), c.pages);
}

INSTANTIATE_TEST_SUITE_P(Routes, Copies, ::testing::ValuesIn(copiesCases),
                         [](const ::testing::TestParamInfo<CopiesCase>& row) { return row.param.name; });

} // namespace

// ---------------------------------------------------------------- during a run

// Closing is refused while a run prints, whatever the answer: No prints on,
// Yes stops the run and the window closes when asked again.
TEST_F(PrintCommands, ClosingDuringARunAsksWhetherToAbort)
{
    SKIP_WITHOUT_QUEUE(true);
    const QString job = stairJob(6);
    for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        SCOPED_TRACE(answer == MsgAnswer::Yes ? "Yes" : "No");
        startPrinting({job});
        messages.shown.clear();
        messages.answer(answer);
        bool closed = true;
        duringTheRun([&] { closed = main_->close(); });
        dialogs.answerPrint(printChoice(1, 6, 1, 6, 1, false));
        trigger("PRINTJOB");

        EXPECT_FALSE(closed);
        EXPECT_TRUE(main_->isVisible());
        EXPECT_FALSE(main_->printInProgress());
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, closeQuestion);
        EXPECT_EQ(messages.shown[0].sign, MsgSign::Warning);
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::YesNo);
        if (answer == MsgAnswer::No) {
            const QString pdf = PrintQueue::waitForPdf(lastJob());
            ASSERT_FALSE(pdf.isEmpty());
            EXPECT_EQ(PdfPageCount(pdf), 6);
            continue;
        }
        // The aborted document never reached the queue; the next one does.
        EXPECT_EQ(lastJob(), 0);
        trigger("PRINTTEMPLATE");
        ASSERT_FALSE(PrintQueue::waitForPdf(lastJob()).isEmpty());
        EXPECT_TRUE(closeMain());
        EXPECT_EQ(messages.shown.size(), 1); // no question once nothing prints
    }
}

TEST_F(PrintCommands, CommandsDuringARunAreRefusedAndTheRunGoesOn)
{
    SKIP_WITHOUT_QUEUE(true);
    startPrinting({stairJob(4)});
    duringTheRun([&] {
        trigger("PRINTJOB");
        trigger("PRINTTEMPLATE");
        trigger("Setupprinter1");
        // The calibration window opens, but its test page waits for the run.
        whenModal<TFormCALIBPRN>(
            [&](TFormCALIBPRN& window) {
                EXPECT_TRUE(main_->printer().isPrinting());
                click(window, "ButtonPRINTCALIBPAGE");
                click(window, "ButtonCANCEL");
            },
            AfterSteps::Cancel);
        trigger("Calibrateprinter1");
    });
    dialogs.answerPrint(printChoice(1, 4, 1, 4, 1, false));
    trigger("PRINTJOB");

    EXPECT_EQ(messages.texts().join(" | "), QStringList({busyText, busyText, busyText}).join(" | "));
    EXPECT_EQ(messages.shown.value(0).sign, MsgSign::Warning);
    EXPECT_EQ(dialogs.offered.size(), 1);
    const QString pdf = PrintQueue::waitForPdf(lastJob());
    ASSERT_FALSE(pdf.isEmpty());
    EXPECT_EQ(PdfPageCount(pdf), 4);
    EXPECT_EQ(storedCalibration("ScaleX"), QStringLiteral("absent"));
}

// ---------------------------------------------------------------- calibration

TEST_F(PrintCommands, CalibrationPageThroughTheQueue)
{
    SKIP_WITHOUT_QUEUE(true);
    startPrinting({stairJob(1)});
    int plain = 0, wider = 0;
    whenModal<TFormCALIBPRN>(
        [&](TFormCALIBPRN& window) {
            click(window, "ButtonPRINTCALIBPAGE");
            plain = lastJob();
            // The solid box printed 99 mm wide: the dashed box makes up for it.
            enter(window, "EditWIDTH", QStringLiteral("99"));
            click(window, "ButtonPRINTCALIBPAGE");
            wider = lastJob();
            click(window, "ButtonCANCEL");
        },
        AfterSteps::Cancel);
    trigger("Calibrateprinter1");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(storedCalibration("ScaleX"), QStringLiteral("absent")); // Cancel keeps nothing

    const QString plainPdf = PrintQueue::waitForPdf(plain);
    ASSERT_FALSE(plainPdf.isEmpty()) << "no PDF from cups-pdf in " << PrintQueue::pdfFolders().join(", ").toStdString();
    EXPECT_EQ(PdfPageCount(plainPdf), 1);
    {
        SCOPED_TRACE("the solid box");
        const PageArea area = RenderArea(plainPdf, QRectF(40, 40, 125, 125));
        const QList<PageLine> columns = FindLines(area, Qt::Vertical, 45, 155);
        const QList<PageLine> rows = FindLines(area, Qt::Horizontal, 45, 155);
        const QList<double> x = solidLines(columns);
        const QList<double> y = solidLines(rows);
        ASSERT_EQ(x.size(), 2) << describe(columns);
        ASSERT_EQ(y.size(), 2) << describe(rows);
        EXPECT_NEAR(x[0], 50, lineTolerance);
        EXPECT_NEAR(y[0], 50, lineTolerance);
        EXPECT_NEAR(x[1] - x[0], 100, lineTolerance);
        EXPECT_NEAR(y[1] - y[0], 100, lineTolerance);
    }

    const QString widerPdf = PrintQueue::waitForPdf(wider);
    ASSERT_FALSE(widerPdf.isEmpty());
    {
        SCOPED_TRACE("the dashed box");
        const PageArea area = RenderArea(widerPdf, QRectF(40, 40, 125, 125));
        const QList<PageLine> columns = FindLines(area, Qt::Vertical, 45, 155);
        const QList<double> solid = solidLines(columns);
        const QList<double> dashed = brokenLines(columns);
        ASSERT_EQ(solid.size(), 2) << describe(columns);
        EXPECT_NEAR(solid[1] - solid[0], 100, lineTolerance);
        ASSERT_EQ(dashed.size(), 2) << describe(columns);
        EXPECT_NEAR(dashed[0], 50.505, lineTolerance);
        EXPECT_NEAR(dashed[1] - dashed[0], 101.01, lineTolerance);
    }
}

TEST_F(PrintCommands, StoredCalibrationMovesTheNextJob)
{
    SKIP_WITHOUT_QUEUE(true);
    const QString job = stairJob(1, [](TJOB& j) {
        j.JOBINFO()->SHOWBORDER = true;
        j.JOBINFO()->MUBORDERWIDTH = 300;
    });
    startPrinting({job});

    // OK on an uncalibrated printer stores no correction, and the moment.
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    whenModal<TFormCALIBPRN>(
        [&](TFormCALIBPRN& window) {
            EXPECT_EQ(window.findChild<QLineEdit*>("EditPRINTERNAME")->text(), PrintQueue::name());
            click(window, "ButtonOK");
        },
        AfterSteps::Cancel);
    trigger("Calibrateprinter1");
    EXPECT_EQ(storedCalibration("LeftShift"), QStringLiteral("0"));
    EXPECT_EQ(storedCalibration("TopShift"), QStringLiteral("0"));
    EXPECT_EQ(storedCalibration("ScaleX"), QStringLiteral("1"));
    EXPECT_EQ(storedCalibration("ScaleY"), QStringLiteral("1"));
    EXPECT_GE(calibrationStamp(PrintQueue::name()), dateTimeToStamp(before));
    EXPECT_LE(calibrationStamp(PrintQueue::name()), dateTimeToStamp(QDateTime::currentDateTime().addSecs(1)));

    // A printer that prints 98 x 102 mm and puts the dashed box 53 mm from
    // the left and 47 mm from the top.
    whenModal<TFormCALIBPRN>(
        [&](TFormCALIBPRN& window) {
            enter(window, "EditWIDTH", QStringLiteral("98"));
            enter(window, "EditHEIGHT", QStringLiteral("102"));
            enter(window, "EditLEFT", QStringLiteral("53"));
            enter(window, "EditTOP", QStringLiteral("47"));
            click(window, "ButtonOK");
        },
        AfterSteps::Cancel);
    trigger("Calibrateprinter1");
    const TPRINTERCALIBRATION c = READCALIBRATION(PrintQueue::name());
    EXPECT_EQ(c.LeftShift, -3000);
    EXPECT_EQ(c.TopShift, 3000);
    // Stored to 15 significant digits.
    EXPECT_NEAR(c.ScaleX, 100000.0 / 98000.0, 1e-13);
    EXPECT_NEAR(c.ScaleY, 100000.0 / 102000.0, 1e-13);

    // The same job on a file, uncorrected, and through the queue.
    const QString direct = path(QStringLiteral("direct.pdf"));
    const RunResult r = RunGorvin({QStringLiteral("--print"), job, QStringLiteral("--output"), direct});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    dialogs.answerPrint(printChoice(1, 1, 1, 1, 1, false));
    trigger("PRINTJOB");
    const QString queued = PrintQueue::waitForPdf(lastJob());
    ASSERT_FALSE(queued.isEmpty());

    constexpr int dpi = 300;
    const double mmPerPx = 25.4 / dpi;
    const QRect a = PdfInkBox(direct, 1, dpi);
    const QRect b = PdfInkBox(queued, 1, dpi);
    ASSERT_FALSE(a.isNull());
    ASSERT_FALSE(b.isNull());
    // Every position x from the paper's edge lands at (x + LeftShift) x
    // ScaleX, and likewise down the page.
    auto across = [&](int px) { return (px * mmPerPx - 3.0) * c.ScaleX; };
    auto down = [&](int px) { return (px * mmPerPx + 3.0) * c.ScaleY; };
    EXPECT_NEAR(b.left() * mmPerPx, across(a.left()), lineTolerance);
    EXPECT_NEAR((b.right() + 1) * mmPerPx, across(a.right() + 1), lineTolerance);
    EXPECT_NEAR(b.top() * mmPerPx, down(a.top()), lineTolerance);
    EXPECT_NEAR((b.bottom() + 1) * mmPerPx, down(a.bottom() + 1), lineTolerance);
}

// ---------------------------------------------------------------- faults

TEST_F(PrintCommands, PrintToFileKeepsDevicesAndEarlierFilesAndSurvivesFailures)
{
    SKIP_WITHOUT_QUEUE(true);
    start({stairJob(3)});
    QString chosen;
    // "Print to File" with the chosen name, as the dialog sets it.
    const auto printAll = [&] {
        dialogs.answerPrint(printChoice(1, 3, 1, 3, 1, false), [&](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(chosen);
        });
        trigger("PRINTJOB");
    };

    // A device chosen as the file: refused, nothing written.
    chosen = QStringLiteral("/dev/null");
    printAll();
    EXPECT_EQ(messages.texts(),
              QStringList({QStringLiteral("Cannot print to '/dev/null': it is a device, not an ordinary file.")}));
    EXPECT_TRUE(QFileInfo(QStringLiteral("/dev/null")).exists() && !QFileInfo(QStringLiteral("/dev/null")).isFile());

    // Memory running out on the second page, then a file size limit: each
    // logged as error 13 and shown, the earlier file kept, the window up.
    const QByteArray earlier("%PDF-1.4 the earlier file\n");
    const QString pdf = WriteFile(path(QStringLiteral("chosen.pdf")), earlier);
    chosen = pdf;
    static bool failing = true;
    const PrintRun::PageDrawer renderer = PrintRun::defaultPageDrawer();
    PrintRun::defaultPageDrawer() = [renderer](const TJOB& job, const TPRINTPARAMS& params, QString* error) {
        if (failing && params.PageIndex == 1)
            throw std::bad_alloc();
        renderer(job, params, error);
    };
    printAll();
    PrintRun::defaultPageDrawer() = renderer;
    failing = false;
    {
        FileSizeLimit limit(4096);
        printAll();
    }
    EXPECT_EQ(messages.texts().mid(1), QStringList({QStringLiteral("Printing failed: out of memory"),
                                                    QStringLiteral("Printing failed: File too large")}));
    const QString log = QString::fromUtf8(readFileBytes(errorLogPath()));
    EXPECT_TRUE(log.contains(QStringLiteral(" Error[13]: Printing failed: out of memory\r\n"))) << log.toStdString();
    EXPECT_EQ(readFileBytes(pdf), earlier);
    printAll(); // and the window prints on
    EXPECT_EQ(PdfPageCount(pdf), 3);
}

// ---------------------------------------------------------------- sequences

namespace {

QString pdfTitle(const QString& pdf)
{
    for (const QString& line : RunText(QStringLiteral("pdfinfo"), {pdf}).split(u'\n'))
        if (line.startsWith(QStringLiteral("Title:")))
            return line.mid(6).trimmed();
    return QString();
}

// The label edges a 600 dpi black-and-white printer would not show: at the
// middle of each edge, two dark pixels in a row within 0.2 mm of it.
QStringList missingEdges(const QString& pdf, const TestSheet& sheet)
{
    QTemporaryDir dir;
    const QString pbm = dir.filePath(QStringLiteral("page.pbm"));
    RunText(QStringLiteral("gs"), {"-q", "-dNOPAUSE", "-dBATCH", "-dSAFER", "-sDEVICE=pbmraw", "-r600", "-dLastPage=1",
                                   "-sOutputFile=" + pbm, pdf});
    QImageReader::setAllocationLimit(1024); // an A4 page at 600 dpi
    const QImage page(pbm);
    const auto px = [](double mu) { return qRound(mu / 25400.0 * 600); };
    const auto lineNear = [&](bool vertical, int at, int along) {
        for (int d = -5, run = 0; d <= 5; ++d) {
            const QPoint p = vertical ? QPoint(at + d, along) : QPoint(along, at + d);
            run = page.valid(p) && qGray(page.pixel(p)) < 128 ? run + 1 : 0;
            if (run >= 2)
                return true;
        }
        return false;
    };
    QStringList missing;
    for (int r = 0; r < sheet.Down; ++r) {
        for (int c = 0; c < sheet.Across; ++c) {
            const double x0 = sheet.Left + c * double(sheet.labelWidth + sheet.hGap);
            const double y0 = sheet.Top + r * double(sheet.labelHeight + sheet.vGap);
            const int x = px(x0 + sheet.labelWidth / 2.0), y = px(y0 + sheet.labelHeight / 2.0);
            const QString slot = QStringLiteral("label %1,%2 ").arg(c).arg(r);
            if (!lineNear(false, px(y0), x) || !lineNear(false, px(y0 + sheet.labelHeight) - 1, x))
                missing << slot + QStringLiteral("top or bottom");
            if (!lineNear(true, px(x0), y) || !lineNear(true, px(x0 + sheet.labelWidth) - 1, y))
                missing << slot + QStringLiteral("left or right");
        }
    }
    return page.isNull() ? QStringList{QStringLiteral("no page rendered")} : missing;
}

} // namespace

TEST_F(PrintCommands, PrintToFileHoldsForItsRunAndEveryDocumentIsTitled)
{
    SKIP_WITHOUT_QUEUE(true);
    // A 100 x 60 mm sheet of one label.
    const TestSheet sheet{100000, 60000, 1, 1, 5000, 5000, 90000, 50000, 0, 0, false};
    const QString job = path(QStringLiteral("small.GVJ"));
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(path(QStringLiteral("small.txt")), 2)));
    startPrinting({job});

    const QString file = path(QStringLiteral("chosen.pdf"));
    dialogs.answerPrint(printChoice(1, 2, 1, 2, 1, false), [&](QPrinter& printer) {
        printer.setPrinterName(QString()); // as the dialog's "Print to File (PDF)" does
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(file);
    });
    trigger("PRINTJOB");
    ASSERT_EQ(PdfPageCount(file), 2);
    EXPECT_EQ(pdfTitle(file), QStringLiteral("small.GVJ"));
    EXPECT_EQ(lastJob(), 0);
    const QByteArray written = readFileBytes(file);

    // The template and the calibration page go to the printer, not the file.
    trigger("PRINTTEMPLATE");
    const int templateJob = lastJob();
    ASSERT_GT(templateJob, 0);
    whenModal<TFormCALIBPRN>(
        [&](TFormCALIBPRN& window) {
            click(window, "ButtonPRINTCALIBPAGE");
            click(window, "ButtonCANCEL");
        },
        AfterSteps::Cancel);
    trigger("Calibrateprinter1");
    const int calibrationJob = lastJob();
    ASSERT_GT(calibrationJob, templateJob);
    dialogs.answerPrint(printChoice(1, 2, 1, 2, 1, false));
    trigger("PRINTJOB");
    const int labelsJob = lastJob();
    ASSERT_GT(labelsJob, calibrationJob);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(readFileBytes(file), written);

    EXPECT_EQ(PrintQueue::job(templateJob).title, QStringLiteral("Gorvin template"));
    EXPECT_EQ(PrintQueue::job(calibrationJob).title, QStringLiteral("Gorvin calibration"));
    EXPECT_EQ(PrintQueue::job(labelsJob).title, QStringLiteral("small.GVJ"));
    const QString templatePdf = PrintQueue::waitForPdf(templateJob);
    const QString calibrationPdf = PrintQueue::waitForPdf(calibrationJob);
    ASSERT_FALSE(templatePdf.isEmpty());
    ASSERT_FALSE(calibrationPdf.isEmpty());
    EXPECT_TRUE(pdfTitle(templatePdf).contains(QStringLiteral("Gorvin template")));
    EXPECT_TRUE(pdfTitle(calibrationPdf).contains(QStringLiteral("Gorvin calibration")));
    EXPECT_NEAR(PdfPageSize(templatePdf).width(), MuToPoints(100000), 1);
    // The calibration page is on the printer's own paper, not the job's.
    const QSizeF own = QPrinterInfo::printerInfo(PrintQueue::name()).defaultPageSize().size(QPageSize::Point);
    EXPECT_NEAR(PdfPageSize(calibrationPdf).width(), own.width(), 1);
    EXPECT_NEAR(PdfPageSize(calibrationPdf).height(), own.height(), 1);
}

TEST_F(PrintCommands, PageListsAndOddOrEvenPagesAreTheRunsToPick)
{
    SKIP_WITHOUT_QUEUE(true);
    QPrinter printer;
    printer.setPrinterName(PrintQueue::name());
    // A page list and odd pages, left to the print system as the dialog
    // leaves them, with a tray chosen under Properties.
    setPrinterOptions(printer, {{QStringLiteral("page-ranges"), QStringLiteral("1-3,5-7")},
                                {QStringLiteral("page-set"), QStringLiteral("odd")},
                                {QStringLiteral("InputSlot"), QStringLiteral("Tray2")}});
    printer.setPageOrder(QPrinter::LastPageFirst);
    PrintChoice choice = printChoice(1, 6, 1, 6, 1, false);
    readPrintChoice(printer, choice);
    readPageOptions(printer, choice);
    EXPECT_EQ(chosenPages(choice), (QList<qint32>{5, 3, 1}));
    EXPECT_EQ(printerOptions(printer), (QList<QPair<QString, QString>>{{"InputSlot", "Tray2"}}));

    // For a range from an even page the dialog counts odd and even from that
    // page: its "even" stands for the odd page numbers.
    printer.setPageOrder(QPrinter::FirstPageFirst);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(2, 5);
    setPrinterOptions(printer, {{QStringLiteral("page-set"), QStringLiteral("even")}});
    readPrintChoice(printer, choice);
    readPageOptions(printer, choice);
    EXPECT_EQ(chosenPages(choice), (QList<qint32>{3, 5}));
}

TEST_F(PrintCommands, RealPrintDialogPrintsOddPagesOfARangeLastFirstWithItsOptions)
{
    SKIP_WITHOUT_QUEUE(true);
    // A job name of its own, to find its PDF by.
    const QString token = QStringLiteral("odd%1").arg(QRandomGenerator::global()->bounded(100000, 999999));
    const QString job = path(token + QStringLiteral(".GVJ"));
    ASSERT_TRUE(QFile::copy(stairJob(6), job));
    start({job});
    QtDialogSeam qtDialogs;
    ScopedDialogSeam real(qtDialogs);
    whenModal<QPrintDialog>([](QPrintDialog& dialog) {
        // Properties: a job priority of 42.
        whenModal<QDialog>([](QDialog& properties) {
            if (auto* priority = properties.findChild<QSpinBox*>(QStringLiteral("jobPrioritySpinBox")))
                priority->setValue(42);
            properties.accept();
        });
        dialog.findChild<QPushButton*>(QStringLiteral("properties"))->click();
        dialog.findChild<QRadioButton*>(QStringLiteral("printRange"))->setChecked(true);
        dialog.findChild<QSpinBox*>(QStringLiteral("from"))->setValue(2);
        dialog.findChild<QSpinBox*>(QStringLiteral("to"))->setValue(5);
        dialog.findChild<QComboBox*>(QStringLiteral("pageSetCombo"))->setCurrentIndex(1); // "Odd Pages"
        dialog.findChild<QCheckBox*>(QStringLiteral("reverse"))->setChecked(true);
        dialog.accept();
    });
    trigger("PRINTJOB");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join(" | ").toStdString();
    EXPECT_EQ(PrintQueue::job(lastJob()).priority, 42);
    const QString pdf = PrintQueue::waitForPdf(token);
    ASSERT_FALSE(pdf.isEmpty());
    // Pages 5 and 3, in that order: page n carries n lines.
    ASSERT_EQ(PdfPageCount(pdf), 2);
    const QRect five = PdfInkBox(pdf, 1, 100);
    const QRect three = PdfInkBox(pdf, 2, 100);
    EXPECT_NEAR(double(five.height()) / three.height(), 5.0 / 3.0, 0.15);
}

TEST_F(PrintCommands, OutlinePageShowsEveryEdgeOnA600DpiPrinter)
{
    SKIP_WITHOUT_QUEUE(true);
    if (QStandardPaths::findExecutable(QStringLiteral("gs")).isEmpty())
        GTEST_SKIP() << "ghostscript not installed";
    const TestSheet sheet; // 3 x 7 labels, rows touching
    const QString job = path(QStringLiteral("sheet.GVJ"));
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(path(QStringLiteral("sheet.txt")), 30)));
    startPrinting({job});
    trigger("PRINTTEMPLATE");
    const QString queued = PrintQueue::waitForPdf(lastJob());
    ASSERT_FALSE(queued.isEmpty());
    EXPECT_EQ(missingEdges(queued, sheet).join(", "), QString());

    const QString file = path(QStringLiteral("outline.pdf"));
    const RunResult r = RunGorvin(
        {QStringLiteral("--print"), job, QStringLiteral("--outline"), QStringLiteral("--output"), file});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(pdfTitle(file), QStringLiteral("Gorvin template"));
    EXPECT_EQ(missingEdges(file, sheet).join(", "), QString());
}
