// The batch printer's labels from serial numbers, standard input and chosen
// rows, with codes: the real program printing to PDF, read back as text.

#include "common/PrintFixtures.h"
#include "common/TestEnv.h"

#include <QDeadlineTimer>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

#include <csignal>

namespace {

struct BatchFiles {
    QString dir, job, data, pdf;
};

// A job on the sample sheet whose text data hold the labels LBL0 to LBL9.
BatchFiles setUp(const QString& name)
{
    BatchFiles s;
    s.dir = TestEnv::freshFolder("batch/labels/" + name);
    s.data = WriteLabelData(s.dir + "/d.txt", 10, 1);
    s.job = s.dir + "/job.gvj";
    s.pdf = s.dir + "/out.pdf";
    EXPECT_TRUE(SaveTestJob(s.job, TestSheet(), s.data));
    return s;
}

QStringList pdfWords(const QString& pdf)
{
    QStringList words;
    for (const PdfPage& page : ReadPdfWords(pdf))
        for (const PdfWord& w : page.words)
            words << w.text;
    return words;
}

// Runs the program with `input` on standard input, in `tmp`, which is also
// its temporary folder. With `interrupt` the input stays open, and the program is sent
// SIGTERM once it keeps the input in a temporary file.
RunResult runWithInput(const QStringList& arguments, const QByteArray& input, const QString& tmp, bool interrupt)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("TMPDIR", tmp);
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(tmp);
    process.start(GORVIN_EXECUTABLE, arguments);
    process.waitForStarted();
    process.write(input);
    process.waitForBytesWritten();
    if (interrupt) {
        const QDeadlineTimer deadline(30000);
        while (LeftInTemporaryFolder(tmp).isEmpty() && !deadline.hasExpired() && !process.waitForFinished(5)) {
        }
        ::kill(static_cast<pid_t>(process.processId()), SIGTERM);
    } else {
        process.closeWriteChannel();
    }
    RunResult r;
    process.waitForFinished(60000);
    r.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : 128 + SIGTERM;
    r.err = QString::fromLocal8Bit(process.readAllStandardError());
    return r;
}

} // namespace

TEST(BatchLabels, BadOptionsAreUsageErrorsAndPrintNothing)
{
    const BatchFiles s = setUp("usage");
    const struct {
        QStringList options;
        const char* says;
    } cases[] = {
        {{"--code", "QRcode:x", "--code", "barcode:{1}"},
         "there is no kind of code called 'barcode'; the kinds are qrcode"},
        {{"--code", "ean13"}, "--code takes TYPE:TEXT"},
        {{"--code", "qrcode:{Phone}"}, "--code: The layout names the field {Phone}"},
        {{"--serial", "12-7"}, "--serial: The serial numbers run from 12 to 7"},
        {{"--serial", "1-10000001"}, "The range holds 10000001 numbers; at most 10000000"},
        {{"--serial", "5"}, "--serial takes FROM-TO"},
        {{"--serial", "1-5", "--data", "d.txt"}, "it cannot go with --data"},
        {{"--serial", "1-5", "--header", "yes"}, "serial numbers have no header row"},
        {{"--header", "no"}, "--header is for table data"},
        {{"--rows", "2-11"}, "--rows: Label 2-11 is not in the data, which holds labels 1 to 10."},
        {{"--serial", "1-3", "--rows", "4"}, "Label 4 is not in the data, which holds labels 1 to 3."},
        {{"--rows", "3-2"}, "'3-2' is not a label number"},
        {{"--rows", "0,5"}, "Label 0 is not in the data, which holds labels 1 to 10."},
        {{"--rows", "1,x"}, "'x' is not a label number"},
        {{"--rows", ","}, "No labels are chosen"},
        {{"--data-format", "csv"}, "--data-format is for data read from standard input"},
        {{"--data", "-", "--data-format", "xls"}, "--data-format takes csv, tsv or text, not 'xls'."},
        {{"--code", "qrcode:x", "--picture", "p.png"}, "--code and --picture both"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const RunResult r = RunGorvin(QStringList{"--print", s.job, "--output", s.pdf} + c.options);
        EXPECT_EQ(r.exitCode, 2);
        EXPECT_TRUE(r.err.contains(c.says)) << r.err.toStdString();
        EXPECT_FALSE(QFileInfo::exists(s.pdf));
    }
}

TEST(BatchLabels, SerialNumbersAndChosenLabelsPrintPackedFromTheStart)
{
    const BatchFiles s = setUp("serial");
    RunResult r = RunGorvin({"--print", s.job, "--output", s.pdf, "--serial", "0007-0012", "--layout", "ASSET-{1}"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(pdfWords(s.pdf),
              (QStringList{"ASSET-0007", "ASSET-0008", "ASSET-0009", "ASSET-0010", "ASSET-0011", "ASSET-0012"}));

    // A picture for every label that is not there would leave them all without.
    r = RunGorvin({"--print", s.job, "--output", s.pdf, "--picture", s.dir + "/logo.png"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("--picture: Cannot find picture file '" + s.dir + "/logo.png'.")) << r.err.toStdString();

    // Labels 2, 3 and 9 of the data (LBL1, LBL2, LBL8) in the first three slots.
    r = RunGorvin({"--print", s.job, "--output", s.pdf, "--rows", "9, 2-3"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    const QList<PdfPage> pages = ReadPdfWords(s.pdf);
    ASSERT_EQ(pages.size(), 1);
    ASSERT_EQ(pdfWords(s.pdf), (QStringList{"LBL1", "LBL2", "LBL8"}));
    const TestSheet sheet;
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_NEAR(pages[0].words[slot].xMin, MuToPoints(sheet.Left + slot * (sheet.labelWidth + sheet.hGap) + 2000),
                    1.5);
        EXPECT_NEAR(pages[0].words[slot].yMin, MuToPoints(sheet.Top + 2000), 1.5);
    }
}

TEST(BatchLabels, StandardInputIsReadAndItsTemporaryFileRemoved)
{
    const BatchFiles s = setUp("stdin");
    const QString tmp = TestEnv::freshFolder("batch/labels/stdin-tmp");
    const QStringList options{"--print", s.job,      "--output",          s.pdf,    "--data", "-", "--data-format",
                              "CSV",     "--layout", "{Name}/{City}/{#}", "--rows", "2-3"};
    RunResult r = runWithInput(options, "Name,City\nAnn,Leeds\nBob,York\nCid,Hull\n", tmp, false);
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(pdfWords(s.pdf), (QStringList{"Bob/York/2", "Cid/Hull/3"}));
    EXPECT_EQ(LeftInTemporaryFolder(tmp), QStringList());

    // Nothing on standard input: no labels, nothing printed.
    QFile::remove(s.pdf);
    r = runWithInput(QStringList{"--print", s.job, "--output", s.pdf, "--data", "-"}, "", tmp, false);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("Standard input holds no labels.")) << r.err.toStdString();

    // Ended by a signal while the input is still open.
    r = runWithInput(options, "Name,City\nAnn,Leeds\n", tmp, true);
    EXPECT_EQ(r.exitCode, 143);
    EXPECT_TRUE(r.err.contains("Printing interrupted: nothing was printed.")) << r.err.toStdString();
    EXPECT_EQ(LeftInTemporaryFolder(tmp), QStringList());
    EXPECT_FALSE(QFileInfo::exists(s.pdf));
}

TEST(BatchLabels, LabelsThatCannotBePrintedStopThePrint)
{
    const BatchFiles s = setUp("check");
    WriteFile(s.data, "5901234123457\n\nAB12\n\n1\n\n2\n\n3\n\n4\n\n5\n");
    RunResult r = RunGorvin({"--print", s.job, "--output", s.pdf, "--code", "ean13:{1}"});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.startsWith("6 labels cannot be printed, so nothing was printed:\nLabel 2: EAN-13"))
        << r.err.toStdString();
    EXPECT_TRUE(r.err.contains("\nLabel 6: ") && r.err.endsWith("\n... and 1 more.\n")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(s.pdf));

    // Pictures named by data from standard input come from the current folder.
    QFile::copy(GORVIN_SOURCE_DIR "/docs/fields-dialog.png", s.dir + "/Ann.png");
    r = runWithInput({"--print", s.job, "--output", s.pdf, "--data", "-", "--picture", "{1}.png"}, "Ann\n\nBob\n",
                     s.dir, false);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.err.contains("\nLabel 2: The picture " + s.dir + "/Bob.png")) << r.err.toStdString();
    EXPECT_FALSE(r.err.contains("Label 1")) << r.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(s.pdf));

    // A code's own line of text repeats the label's number beneath its bars.
    r = RunGorvin(
        {"--print", s.job, "--output", s.pdf, "--serial", "8-9", "--layout", "N{1}", "--code", "Code128:N{1}"});
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(pdfWords(s.pdf), (QStringList{"N8", "N9", "N8", "N9"}));
}

TEST(BatchLabels, TheReadmeAssetTagsPrintFromTheJobAlone)
{
    const QString dir = TestEnv::freshFolder("batch/labels/readme");
    const QString job = QStringLiteral(GORVIN_SOURCE_DIR "/examples/asset-tags.GVJ");
    const RunResult told = RunGorvin({"--print", job, "--serial", "0001-0030", "--layout", "ASSET-{1}\\nIT department",
                                      "--code", "qrcode:https://example.org/asset/{1}", "--output", dir + "/a.pdf"});
    const RunResult stored = RunGorvin({"--print", job, "--output", dir + "/b.pdf"});
    ASSERT_EQ(told.exitCode, 0) << told.err.toStdString();
    ASSERT_EQ(stored.exitCode, 0) << stored.err.toStdString();
    const QStringList words = pdfWords(dir + "/a.pdf");
    EXPECT_EQ(words.filter(QRegularExpression("^ASSET-00[0-3]\\d$")).size(), 30);
    EXPECT_EQ(words.first(), "ASSET-0001");
    EXPECT_EQ(pdfWords(dir + "/b.pdf"), words);
}
