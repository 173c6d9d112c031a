// The batch printer: its arguments, and the real program printing jobs to
// PDF files that are read back with the poppler tools.

#include "app/BatchPrint.h"
#include "common/PrintFixtures.h"
#include "common/TestEnv.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <map>

#include <csignal>
#include <sys/stat.h> // mkfifo

namespace {

constexpr double halfMm = 0.5 * PointsPerMm;

BatchOptions parsed(const QStringList& arguments)
{
    BatchOptions o;
    QString error;
    EXPECT_TRUE(parseBatchArguments(arguments, o, error)) << error.toStdString();
    return o;
}

QString parseError(const QStringList& arguments)
{
    BatchOptions o;
    QString error;
    EXPECT_FALSE(parseBatchArguments(arguments, o, error)) << arguments.join(u' ').toStdString();
    return error;
}

SlotRect slotRect(const TestSheet& s, int slot)
{
    SlotRect r;
    r.left = s.Left + (slot % s.Across) * (s.labelWidth + s.hGap);
    r.top = s.Top + (slot / s.Across) * (s.labelHeight + s.vGap);
    r.right = r.left + s.labelWidth;
    r.bottom = r.top + s.labelHeight;
    return r;
}

} // namespace

// ---------------------------------------------------------------- arguments

TEST(BatchArguments, ReadsEveryOption)
{
    const BatchOptions o = parsed({"--print", "a.gvj", "--output", "o.pdf", "--pages", "2-4", "--copies", "3",
                                   "--collate", "--outline", "--data", "d.txt", "--start", "5", "--repeat=2"});
    EXPECT_EQ(o.jobFile, "a.gvj");
    EXPECT_EQ(o.outputFile, "o.pdf");
    EXPECT_EQ(o.fromPage, 2);
    EXPECT_EQ(o.toPage, 4);
    EXPECT_EQ(o.copies, 3);
    EXPECT_TRUE(o.collate);
    EXPECT_TRUE(o.outline);
    EXPECT_EQ(o.dataFile, "d.txt");
    EXPECT_EQ(o.start.value_or(0), 5);
    EXPECT_EQ(o.repeat.value_or(0), 2);

    const BatchOptions single = parsed({"--print", "a.gvj", "--pages", "7", "--printer", "Office/2"});
    EXPECT_EQ(single.fromPage, 7);
    EXPECT_EQ(single.toPage, 7);
    EXPECT_TRUE(single.hasPrinter);
    EXPECT_EQ(single.printerName, "Office/2");
    EXPECT_TRUE(parsed({"--help"}).help);

    const BatchOptions labels = parsed(
        {"--print", "a.gvj", "--code", "GS1-128:(01){1}", "--serial", "007-9", "--rows", "2-3,5"});
    EXPECT_EQ(labels.codeType, "gs1-128");
    EXPECT_EQ(labels.codeText, "(01){1}");
    EXPECT_EQ(labels.serialFrom + "|" + labels.serialTo, "007|9");
    EXPECT_EQ(labels.rows.value_or(""), "2-3,5");
    EXPECT_EQ(parsed({"--print", "a.gvj", "--data", "-", "--data-format", "TSV"}).dataFormat, StdinFormat::Tsv);
}

TEST(BatchArguments, RejectsWhatItCannotUse)
{
    EXPECT_FALSE(parseError({"--print"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--output", "o.pdf", "--printer", "P"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--pages", "4-2"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--pages", "0-2"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--copies", "0"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--copies", "x"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--start"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--collate=yes"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "--bogus"}).isEmpty());
    EXPECT_FALSE(parseError({"--print", "a.gvj", "b.gvj"}).isEmpty());
    EXPECT_EQ(parseError({"--print", "a.gvj", "--output="}), "--output needs a file name.");
    EXPECT_EQ(parseError({"--print", "a.gvj", "--printer", ""}), "--printer needs a printer name.");
}

TEST(BatchProgram, HelpAndUsageErrors)
{
    const RunResult help = RunGorvin({"--help"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.out.contains("gorvin --print JOB.GVJ")) << help.out.toStdString();
    EXPECT_EQ(RunGorvin({"-h"}).out, help.out); // on standard output, with no window to wait for
    EXPECT_TRUE(RunGorvin({"--version"}).out.startsWith("Gorvin Version "));

    const RunResult bad = RunGorvin({"--print", "job.gvj", "--copies", "none"});
    EXPECT_EQ(bad.exitCode, 2);
    EXPECT_TRUE(bad.err.contains("--copies")) << bad.err.toStdString();
    EXPECT_TRUE(bad.err.contains("Usage: gorvin --print")) << bad.err.toStdString();

    for (const char* platform : {"offscreen", ""}) { // a mistyped option of the window program
        QProcess gorvin;
        gorvin.setEnvironment({QStringLiteral("QT_QPA_PLATFORM=") + QLatin1String(platform)}); // no DISPLAY
        gorvin.start(QStringLiteral(GORVIN_EXECUTABLE), {QStringLiteral("--verison"), QStringLiteral("a.GVJ")});
        const bool ended = gorvin.waitForFinished(60000) && gorvin.exitStatus() == QProcess::NormalExit;
        EXPECT_TRUE(ended && gorvin.exitCode() == 2) << platform; // no abort without a display
        EXPECT_TRUE(gorvin.readAllStandardError().startsWith("gorvin: Unknown option --verison.\nUsage:"));
    }
}

// The program started in a German or French session speaks its language: the
// usage, the mistakes in the arguments and the errors of a print.
TEST(BatchProgram, SpeaksTheLanguageOfTheSession)
{
    struct Case {
        const char* variable;
        const char* locale;
        const char* usage;
        const char* unknownOption;
        const char* cannotOpen;
    };
    const Case cases[] = {
        {"LC_ALL", "de_DE.UTF-8", "Aufruf: gorvin --print AUFTRAG.GVJ",
         "gorvin: Unbekannte Option --verison.\nAufruf:", "Die Datei %1 kann nicht geöffnet werden"},
        {"LANG", "fr_FR.UTF-8", "Usage : gorvin --print TRAVAIL.GVJ",
         "gorvin : option inconnue --verison.\nUsage :", "Impossible d’ouvrir le fichier %1"},
        {"LANG", "C.UTF-8", "Usage: gorvin --print JOB.GVJ",
         "gorvin: Unknown option --verison.\nUsage:", "Cannot open file %1"},
    };
    const QString missing = TestEnv::freshFolder("batch/language") + QStringLiteral("/nothing.gvj");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.locale);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG", "LANGUAGE"})
            environment.remove(QString::fromLatin1(name));
        environment.insert(QString::fromLatin1(c.variable), QString::fromLatin1(c.locale));
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        auto run = [&](const QStringList& arguments) {
            QProcess gorvin;
            gorvin.setProcessEnvironment(environment);
            gorvin.start(QStringLiteral(GORVIN_EXECUTABLE), arguments);
            EXPECT_TRUE(gorvin.waitForFinished(60000));
            return std::pair{QString::fromUtf8(gorvin.readAllStandardOutput()),
                             QString::fromUtf8(gorvin.readAllStandardError())};
        };
        EXPECT_TRUE(run({"--help"}).first.startsWith(QString::fromUtf8(c.usage)));
        EXPECT_TRUE(run({"--verison", "a.GVJ"}).second.startsWith(QString::fromUtf8(c.unknownOption)));
        const QString printError = run({"--print", missing, "--output", missing + ".pdf"}).second;
        EXPECT_TRUE(printError.contains(QString::fromUtf8(c.cannotOpen).arg(missing))) << printError.toStdString();
    }
}

// ---------------------------------------------------------------- input faults

TEST(BatchProgram, MissingDataFilePrintsNothing)
{
    const QString dir = TestEnv::freshFolder("batch/missingdata");
    const QString job = dir + "/job.gvj";
    const QString data = dir + "/gone.txt";
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), data));
    const QString pdf = dir + "/out.pdf";
    const RunResult r = RunGorvin({"--print", job, "--output", pdf});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Cannot find data file '" + data + "'")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));

    // --data in place of the job's file.
    const RunResult other = RunGorvin({"--print", job, "--output", pdf, "--data", dir + "/other.txt"});
    EXPECT_EQ(other.exitCode, 1);
    EXPECT_TRUE(other.err.contains("other.txt")) << other.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));
}

TEST(BatchProgram, CorruptJobFile)
{
    const QString dir = TestEnv::freshFolder("batch/corrupt");
    const QString job = WriteFile(dir + "/bad.gvj", QByteArray("TPF0\x05JUNK!", 10));
    const QString pdf = dir + "/out.pdf";
    const RunResult r = RunGorvin({"--print", job, "--output", pdf});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Invalid or corrupt job file.")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(pdf));

    const RunResult missing = RunGorvin({"--print", dir + "/nothing.gvj", "--output", pdf});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("Cannot open file")) << missing.err.toStdString();
}

TEST(BatchProgram, UnknownPrinterFailsToPrint)
{
    const QString dir = TestEnv::freshFolder("batch/noprinter");
    const QString job = dir + "/job.gvj";
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 3)));
    const RunResult r = RunGorvin({"--print", job, "--printer", "No Such Printer 8127"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("No Such Printer 8127")) << r.err.toStdString();
}

// ---------------------------------------------------------------- PDF output

TEST(BatchPdf, PageRangesAreCutToTheJob)
{
    const QString dir = TestEnv::freshFolder("batch/ranges");
    const QString job = dir + "/job.gvj";
    // 6 pages of 21 labels.
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 6 * 21)));
    const QString pdf = dir + "/out.pdf";

    // All pages; a range beyond the last page is cut to it.
    RunResult r = RunGorvin({"--print", job, "--output", pdf, "--pages", "5-99"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 2);
    r = RunGorvin({"--print", job, "--output", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(PdfPageCount(pdf), 6);
    r = RunGorvin({"--print", job, "--output", pdf, "--pages", "7-8"});
    EXPECT_EQ(r.exitCode, 2);
}

// Past the print dialog's 65534 pages the batch printer prints every page;
// a print no PDF document can hold fails before anything is written.
TEST(BatchPdf, EveryPageOfALongJobIsPrinted)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "70 000 pages take minutes in the sanitizer build; there the page loop is checked by "
                    "PrintRunTest.EveryPageBeyondTheDialogsLimitIsPrinted with a drawer of its own";
#endif
    const QString dir = TestEnv::freshFolder("batch/longjob");
    const QString job = dir + "/job.gvj";
    TestSheet sheet;
    sheet.Across = sheet.Down = 1;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir + "/d.txt", 70000, 1)));
    RunResult r = RunGorvin({"--print", job, "--output", dir + "/long.pdf"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(PdfPageCount(dir + "/long.pdf"), 70000);

    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir + "/d.txt", 2000000, 1)));
    r = RunGorvin({"--print", job, "--output", dir + "/too-long.pdf"});
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("Printing failed: the print has 2000000 pages; one document can hold at most 1677521."))
        << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir + "/too-long.pdf"));
}

TEST(BatchPdf, LabelTextLiesWhereTheTemplatePutsIt)
{
    const QString dir = TestEnv::freshFolder("batch/geometry");
    const QString job = dir + "/job.gvj";
    TestSheet sheet;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir + "/d.txt", 30)));
    const QString pdf = dir + "/out.pdf";
    // Start at the fourth position, every label twice.
    const RunResult r = RunGorvin({"--print", job, "--output", pdf, "--start", "4", "--repeat", "2"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();

    const QSizeF size = PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), MuToPoints(sheet.paperWidth), 0.5);
    EXPECT_NEAR(size.height(), MuToPoints(sheet.paperHeight), 0.5);
    EXPECT_EQ(PdfPageCount(pdf), 3); // 3 + 60 slots: three sheets of 21

    const QList<PdfPage> pages = ReadPdfWords(pdf);
    ASSERT_FALSE(pages.isEmpty());
    // Slot s of page 0 holds label (s - 3) / 2.
    std::map<int, int> seen;
    for (const PdfWord& w : pages[0].words) {
        if (!w.text.startsWith("LBL"))
            continue;
        const int label = w.text.mid(3).toInt();
        const int slot = 3 + 2 * label + seen[label]++;
        const SlotRect box = slotRect(sheet, slot);
        SCOPED_TRACE(w.text.toStdString() + " in slot " + std::to_string(slot));
        EXPECT_NEAR(w.xMin, MuToPoints(box.left + 2000), halfMm);
        EXPECT_NEAR(w.yMin, MuToPoints(box.top + 2000), halfMm);
    }
    EXPECT_EQ(seen.size(), 9u); // 18 slots: labels 0 to 8, twice each
    for (const auto& [label, count] : seen)
        EXPECT_EQ(count, 2) << label;
}

TEST(BatchPdf, OutlinePageNamesEverySlot)
{
    const QString dir = TestEnv::freshFolder("batch/outline");
    const QString job = dir + "/job.gvj";
    TestSheet sheet;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir + "/d.txt", 50), [](TJOB& j) {
        j.JOBINFO()->SHOWBORDER = true;
        j.JOBINFO()->MUBORDERWIDTH = 500;
    }));
    const QString pdf = dir + "/out.pdf";
    for (const char* start : {"1", "9"}) {
        SCOPED_TRACE(start);
        const RunResult r = RunGorvin({"--print", job, "--output", pdf, "--outline", "--start", start});
        ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
        const QList<PdfPage> pages = ReadPdfWords(pdf);
        ASSERT_EQ(pages.size(), 1);
        const QList<PdfWord>& words = pages[0].words;
        int found = 0;
        for (qsizetype i = 0; i + 1 < words.size(); ++i) {
            EXPECT_FALSE(words[i].text.startsWith("LBL")) << "label text on the outline page";
            if (words[i].text != "Label")
                continue;
            const PdfWord& number = words[i + 1];
            ASSERT_TRUE(number.text.startsWith('[') && number.text.endsWith(']'));
            const int n = number.text.mid(1, number.text.size() - 2).toInt();
            EXPECT_EQ(n, found + 1);
            const SlotRect box = slotRect(sheet, n - 1);
            const double cx = (words[i].xMin + number.xMax) / 2;
            const double cy = (words[i].yMin + number.yMax) / 2;
            EXPECT_NEAR(cx, MuToPoints((box.left + box.right) / 2), halfMm) << n;
            EXPECT_NEAR(cy, MuToPoints((box.top + box.bottom) / 2), halfMm) << n;
            ++found;
        }
        EXPECT_EQ(found, 21);
    }
}

TEST(BatchPdf, LandscapeSheetKeepsItsPaper)
{
    const QString dir = TestEnv::freshFolder("batch/landscape");
    const QString job = dir + "/job.gvj";
    TestSheet sheet;
    sheet.paperWidth = 297000;
    sheet.paperHeight = 210000;
    sheet.Landscape = true;
    sheet.Across = 4;
    sheet.Down = 4;
    sheet.labelWidth = 70000;
    sheet.labelHeight = 45000;
    sheet.hGap = 0;
    ASSERT_TRUE(SaveTestJob(job, sheet, WriteLabelData(dir + "/d.txt", 5)));
    const QString pdf = dir + "/out.pdf";
    const RunResult r = RunGorvin({"--print", job, "--output", pdf});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QSizeF size = PdfPageSize(pdf);
    EXPECT_NEAR(size.width(), MuToPoints(297000), 0.5);
    EXPECT_NEAR(size.height(), MuToPoints(210000), 0.5);
    const QList<PdfPage> pages = ReadPdfWords(pdf);
    ASSERT_EQ(pages.size(), 1);
    for (const PdfWord& w : pages[0].words) {
        if (!w.text.startsWith("LBL"))
            continue;
        const SlotRect box = slotRect(sheet, w.text.mid(3).toInt());
        EXPECT_NEAR(w.xMin, MuToPoints(box.left + 2000), halfMm) << w.text.toStdString();
        EXPECT_NEAR(w.yMin, MuToPoints(box.top + 2000), halfMm) << w.text.toStdString();
    }
}

TEST(BatchPdf, FontsAreEmbeddedSubsets)
{
    const QString dir = TestEnv::freshFolder("batch/fonts");
    const QString job = dir + "/job.gvj";
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 4)));
    const QString pdf = dir + "/out.pdf";
    ASSERT_EQ(RunGorvin({"--print", job, "--output", pdf}).exitCode, 0);
    QProcess fonts;
    fonts.start("pdffonts", {pdf});
    ASSERT_TRUE(fonts.waitForFinished(30000));
    const QString table = QString::fromUtf8(fonts.readAllStandardOutput());
    // Every font is embedded ...
    int fontsListed = 0;
    for (const QString& line : table.split('\n').mid(2)) {
        const QStringList cells = line.simplified().split(' ');
        if (cells.size() < 6)
            continue;
        ++fontsListed;
        EXPECT_EQ(cells[cells.size() - 5], "yes") << line.toStdString();
    }
    EXPECT_GE(fontsListed, 1) << table.toStdString();
    // ... as the few glyphs the labels use: the whole PDF is much smaller
    // than the label font's file alone.
    QProcess match;
    match.start("fc-match", {"-f", "%{file}", "COURIER NEW:bold"});
    ASSERT_TRUE(match.waitForFinished(30000));
    const qint64 fontFileSize = QFileInfo(QString::fromLocal8Bit(match.readAllStandardOutput())).size();
    ASSERT_GT(fontFileSize, 0);
    EXPECT_LT(QFileInfo(pdf).size(), fontFileSize / 2);
}

// ---------------------------------------------------------------- outputs

TEST(BatchOutput, OnlyAnOrdinaryFileIsReplaced)
{
    const QString dir = TestEnv::freshFolder("batch/devices");
    const QString job = dir + "/job.gvj";
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 3)));
    const QString fifo = dir + "/pipe";
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    ASSERT_TRUE(QFile::link(fifo, dir + "/link-to-pipe.pdf"));
    ASSERT_TRUE(QDir().mkpath(dir + "/folder.pdf"));
    // A pipe opened for writing would wait for a reader: the program hangs.
    for (const QString& target : {QStringLiteral("/dev/null"), fifo, dir + "/link-to-pipe.pdf", dir + "/folder.pdf"}) {
        SCOPED_TRACE(target.toStdString());
        const RunResult r = RunGorvin({"--print", job, "--output", target});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(QRegularExpression("Cannot print to '" + QRegularExpression::escape(target)
                                                      + "': it is a [a-z ]+, not an ordinary file.")))
            << r.err.toStdString();
    }
    EXPECT_FALSE(QFileInfo("/dev/null").isFile()) << "/dev/null was replaced";
    EXPECT_FALSE(QFileInfo(fifo).isFile());

    // A link planted under the name is not followed, to a file or to
    // nowhere; nor does the PDF take the place of what the job is made of.
    const QString victim = WriteFile(dir + "/victim", "keep me\n");
    ASSERT_TRUE(QFile::link(victim, dir + "/planted.pdf"));
    ASSERT_TRUE(QFile::link(dir + "/nowhere", dir + "/dangling.pdf"));
    const QByteArray jobBytes = readFileBytes(job);
    for (const QString& target : {dir + "/planted.pdf", dir + "/dangling.pdf", job, dir + "/d.txt"}) {
        SCOPED_TRACE(target.toStdString());
        const RunResult r = RunGorvin({"--print", job, "--output", target});
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains("Cannot print to '" + target + "': it is ")) << r.err.toStdString();
    }
    EXPECT_EQ(readFileBytes(victim), "keep me\n");
    EXPECT_FALSE(QFileInfo::exists(dir + "/nowhere"));
    EXPECT_TRUE(QFileInfo(dir + "/planted.pdf").isSymLink());
    EXPECT_EQ(readFileBytes(job), jobBytes);
}

// Without any font (a container, a print server) every label would print as
// a black bar: nothing is written.
TEST(BatchOutput, NoUsableFontPrintsNothing)
{
    const QString dir = TestEnv::freshFolder("batch/nofont");
    const QString job = dir + "/job.gvj";
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 3)));
    WriteFile(dir + "/fonts.conf", "<?xml version=\"1.0\"?>\n<fontconfig></fontconfig>\n");
    const QByteArray saved = qgetenv("FONTCONFIG_FILE");
    qputenv("FONTCONFIG_FILE", QFile::encodeName(dir + "/fonts.conf"));
    const RunResult r = RunGorvin({"--print", job, "--output", dir + "/out.pdf"});
    qputenv("FONTCONFIG_FILE", saved);
    if (saved.isNull())
        qunsetenv("FONTCONFIG_FILE");
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("no usable font: neither 'COURIER NEW'")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir + "/out.pdf"));
}

TEST(BatchOutput, WriteFailureKeepsTheEarlierFile)
{
    const QString dir = TestEnv::freshFolder("batch/fsize");
    const QString job = dir + "/job.gvj";
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 1000)));
    const QByteArray earlier("%PDF-1.4 the earlier file\n");
    const QString pdf = WriteFile(dir + "/out.pdf", earlier);
    // The PDF of 48 pages is larger than the 16 KiB the program may write.
    const RunResult r = RunGorvin({"--print", job, "--output", pdf}, 16);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_TRUE(r.err.contains("Printing failed: File too large")) << r.err.toStdString();
    EXPECT_EQ(readFileBytes(pdf), earlier);
    EXPECT_EQ(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 3) << "a temporary file was left behind";
}

TEST(BatchOutput, InterruptedPrintLeavesNothing)
{
    const QString dir = TestEnv::freshFolder("batch/interrupt");
    const QString job = dir + "/job.gvj";
    // 2 000 pages: long enough to be interrupted in the middle.
    ASSERT_TRUE(SaveTestJob(job, TestSheet(), WriteLabelData(dir + "/d.txt", 2000 * 21)));
    const QString out = dir + "/out";
    QDir().mkpath(out);
    for (const auto& [signal, status] : {std::pair{SIGINT, 130}, std::pair{SIGTERM, 143}, std::pair{SIGHUP, 129}}) {
        SCOPED_TRACE(status);
        const RunResult r = InterruptGorvin({"--print", job, "--output", out + "/labels.pdf"}, signal, out, QString());
        EXPECT_EQ(r.exitCode, status) << r.err.toStdString();
        EXPECT_TRUE(r.err.contains("Printing interrupted: nothing was printed.")) << r.err.toStdString();
        EXPECT_TRUE(QDir(out).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot))
            << "the temporary PDF was left behind";
    }
}
