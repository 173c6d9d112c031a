// The main window under faults: data that turns unreadable or is far too
// large, saves into places that cannot be written, a corrupt or unreadable
// settings file, an error log that cannot be written, and job files with
// absurd numbers.

#include "common/MainWindowFixture.h"

#include "common/TestEnv.h"
#include "model/Job.h"
#include "model/Units.h"
#include "support/ErrorLog.h"
#include "support/ProgramFolder.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QPushButton>
#include <QSettings>

#include <malloc.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class FaultsTest : public MainWindowTest {
protected:
    void TearDown() override
    {
        MainWindowTest::TearDown();
        setProgramFolderForTests(QString());
        QDir(iniPath()).removeRecursively(); // a test may have put a folder there
        QFile::remove(iniPath());
    }

    static QString iniPath()
    {
        return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mardo"), QStringLiteral("Gorvin"))
            .fileName();
    }
    static long peakMegabytes()
    {
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        return usage.ru_maxrss / 1024;
    }
};

} // namespace

TEST_F(FaultsTest, ReloadingDataThatTurnedUnreadableKeepsTheLabelsAndWarns)
{
    const QString data = writeData("data.txt", 6);
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, data)});
    ASSERT_EQ(main.job().DATAINFO()->labelsInIndex(), 6);

    // Something else now stands under the data file's name.
    ASSERT_TRUE(QFile::remove(data));
    ASSERT_TRUE(QDir().mkdir(data));
    child<QPushButton>("ButtonRELOADDATA")->click();
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot load data file '%1'\n\r%1 is a folder, not a data file").arg(data));
    EXPECT_GE(messages.beeps, 1);
    EXPECT_TRUE(QString::fromUtf8(readFileBytes(errorLogPath())).contains(QStringLiteral(" Error[8]: Cannot load")));
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 6);
    EXPECT_EQ(main.job().PAGECOUNT(), 2);
    EXPECT_FALSE(main.job().ALTERED()); // the same file, so nothing changed

    // Once it is a file again, reloading reads it.
    ASSERT_TRUE(QDir().rmdir(data));
    writeData("data.txt", 3);
    child<QPushButton>("ButtonRELOADDATA")->click();
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 3);
}

// Opening a 1 GiB binary file as data: refused by its size before anything is
// read, with a message that names the file and the limit. The job keeps the
// name, as after any failed data load, but no labels of the file before.
TEST_F(FaultsTest, OpeningAHugeBinaryFileAsDataIsRefusedWithTheLimit)
{
    const QString data = writeData("data.txt", 6);
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, data)});
    const QString huge = path("huge.dat");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(1) << 30));
    }
    const long peakBefore = peakMegabytes();
    dialogs.answerFile(huge);
    trigger("OPENDATA");
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot load data file '%1'\n\rThe file %1 holds 1024 MB; data files larger "
                                          "than 256 MB are not read.")
                               .arg(huge));
    EXPECT_EQ(main.job().DATAINFO()->FULLFILENAME, huge);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 0);
    EXPECT_EQ(main.job().PAGECOUNT(), 0);
    EXPECT_LT(peakMegabytes() - peakBefore, 100);
}

// Root writes through permissions, but no one creates files in /proc.
TEST_F(FaultsTest, SaveIntoAPlaceThatCannotBeWrittenKeepsEverythingAsItWas)
{
    if (!QFileInfo(QStringLiteral("/proc/self")).exists())
        GTEST_SKIP() << "no /proc file system";
    const QString job = writeJob(path("a.GVJ"), 3, 7, QString());
    TFormMAIN& main = start({job});
    main.job().JOBINFO()->TEXTJUSTIFY = 2;
    main.job().setALTERED(true);
    main.job().TEMPLATE()->ALTERED = true;
    const QByteArray before = main.job().jobFileBytes();

    dialogs.answerFile(QStringLiteral("/proc/gorvin-order.GVJ"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(lastPlain(),
              QStringLiteral("Stream error occured with message\n\rCannot create file /proc/gorvin-order.GVJ"));
    EXPECT_EQ(main.JOBFILENAME(), job);

    dialogs.answerFile(QStringLiteral("/proc/gorvin-sheet.GVT"));
    trigger("SAVETEMPLATEAS");
    EXPECT_EQ(lastPlain(),
              QStringLiteral("Stream error occured with message\n\rCannot create file /proc/gorvin-sheet.GVT"));
    EXPECT_EQ(main.job().jobFileBytes(), before);
    EXPECT_TRUE(main.job().ALTERED());
    EXPECT_TRUE(main.job().TEMPLATE()->ALTERED);
}

TEST_F(FaultsTest, CorruptSettingsFileGivesTheDefaultsAndStartUpCompletes)
{
    QByteArray junk = QByteArray("\xff\xfe[Software/Mardo/Gorvin/v2/Settings\n") + QByteArray(3, '\0')
                      + "\x01garbage=\"unclosed\n";
    junk += "[Software/Mardo/Gorvin/v2/Settings]\nMainScale=not a number\nUnits=\xc3\x28\nShowLabel=\n"
            "[Software/Mardo/Gorvin/v2/Files/Closed]\nJobCOUNT=99999999999999\nJob0=@ByteArray(\\xff)\nData3=x\n"
            "[Software/Mardo/Gorvin/v2/DeskTop/FormMAIN]\nLeft=-99999999999\nWidth=abc\nState=7\n"
            "[Software/Mardo/Gorvin/v2/Format]\nFont=\"\"object TFONTWRAPPER\nBorderLeft=1e400\n";
    for (int i = 0; i < 256; ++i)
        junk += char(i);
    WriteFile(iniPath(), junk);

    TFormMAIN& main = start();
    EXPECT_TRUE(main.isVisible());
    EXPECT_EQ(main.preview().previewScale(), 1.0);
    EXPECT_EQ(CurrentUnit, UnitMm);
    EXPECT_TRUE(main.controller().reopenEntries(ReopenList::Jobs).size() <= 10);
    EXPECT_EQ(main.job().JOBINFO()->FONT, defaultLabelFont());
    EXPECT_EQ(main.job().JOBINFO()->MUBORDERLEFT, 2000);
    EXPECT_TRUE(closeMain());
}

TEST_F(FaultsTest, StoredScaleOutsideTheDialogsRangeIsKeptInIt)
{
    // Only a damaged or hand-edited file holds such a scale; taken as it
    // is, 50 would make a preview image of several gigabytes.
    for (const char* stored : {"50", "1e300", "-2", "0", "nan", "inf"}) {
        WriteFile(iniPath(), QByteArray("[Software/Mardo/Gorvin/v2/Settings]\nMainScale=") + stored + "\n");
        TFormMAIN& main = start();
        EXPECT_GE(main.preview().previewScale(), 0.1) << stored;
        EXPECT_LE(main.preview().previewScale(), 2.0) << stored;
        EXPECT_TRUE(closeMain());
    }
    WriteFile(iniPath(), "[Software/Mardo/Gorvin/v2/Settings]\nMainScale=1.5\n");
    EXPECT_EQ(start().preview().previewScale(), 1.5); // a scale the dialog can set is applied as stored
}

TEST_F(FaultsTest, SettingsFileThatCannotBeReadGivesTheDefaultsAndStartUpCompletes)
{
    // A folder where the settings file should be: neither root nor anyone
    // else reads or writes it.
    QFile::remove(iniPath());
    ASSERT_TRUE(QDir().mkpath(iniPath()));
    const QString job = writeJob(path("a.GVJ"), 2, 2, QString());
    TFormMAIN& main = start({job});
    EXPECT_EQ(main.preview().previewScale(), 1.0);
    EXPECT_EQ(main.JOBFILENAME(), job);
    EXPECT_TRUE(closeMain()); // the writes at exit are lost quietly
    EXPECT_TRUE(QFileInfo(iniPath()).isDir());
}

TEST_F(FaultsTest, SettingsFileEditedByHandLosesNothingThroughARun)
{
    // A stray quote in one value made the toolkit's reader drop every key
    // after it, and the exit wrote the file back without them: the scale and
    // the recent jobs were gone for good.
    const QString job = writeJob(path("a.GVJ"), 2, 2, QString());
    const QByteArray file = "[Software]\n"
                            "Mardo\\Gorvin\\v2\\Files\\AppLocation=/opt/x\"y\n"
                            "Mardo\\Gorvin\\v2\\Files\\Closed\\Job0="
                            + job.toUtf8()
                            + "\n"
                              "Mardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=1\n"
                              "Mardo\\Gorvin\\v2\\Settings\\MainScale=1.5\n"
                              "Mardo\\Gorvin\\v2\\Settings\\Note=\"never closed\n";
    WriteFile(iniPath(), file);
    TFormMAIN& main = start();
    EXPECT_EQ(main.preview().previewScale(), 1.5);
    EXPECT_TRUE(closeMain());
    const QByteArray after = readFileBytes(iniPath());
    EXPECT_TRUE(after.contains("Settings\\MainScale=1.5\n")) << after.toStdString();
    EXPECT_TRUE(after.contains("Closed\\Job0=" + job.toUtf8() + '\n'));
    EXPECT_TRUE(after.contains("Files\\AppLocation=/opt/x\"y\n"));
    EXPECT_TRUE(after.contains("Settings\\Note=\"never closed\n"));
    EXPECT_EQ(readFileBytes(iniPath() + QStringLiteral(".bad")), file);
    EXPECT_EQ(QString::fromUtf8(readFileBytes(errorLogPath())).count(QStringLiteral(" Error[15]: ")), 1);
    QFile::remove(iniPath() + QStringLiteral(".bad"));
}

// The log is written beside the program; when that folder cannot even be
// made, every command that logs still does its work and tells the user.
TEST_F(FaultsTest, ErrorLogThatCannotBeWrittenStopsNoCommand)
{
    WriteFile(path("plain-file"), "not a folder");
    setProgramFolderForTests(path("plain-file/program"));
    const QString data = writeData("data.txt", 4);
    const QString job = writeJob(path("a.GVJ"), 2, 2, data);
    TFormMAIN& main = start({job});

    WriteFile(path("corrupt.GVJ"), "TPF0\x08TJOBINFO\x00\x05WRONG\x02");
    dialogs.answerFile(path("corrupt.GVJ"));
    trigger("Openjob");
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Invalid or corrupt job file."));
    EXPECT_EQ(main.JOBFILENAME(), job);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 4);

    dialogs.answerFile(path("nowhere/b.GVJ"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot find path \"%1\"").arg(path("nowhere/")));

    main.job().JOBINFO()->TEXTJUSTIFY = 1;
    dialogs.answerFile(path("b.GVJ"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(main.JOBFILENAME(), path("b.GVJ"));
    EXPECT_FALSE(QFileInfo::exists(errorLogPath()));
    EXPECT_TRUE(closeMain());
}

// A job file that reads cleanly but holds numbers no dialog would allow: a
// sheet of ten metres and billions of labels. The window opens it, draws its
// page and answers a click on it without running out of memory or time.
TEST_F(FaultsTest, JobWithAbsurdNumbersOpensWithinBounds)
{
    const QString data = writeData("data.txt", 3);
    const QString job = path("absurd.GVJ");
    {
        ScriptedMessages quiet;
        TJOB absurd;
        absurd.MAKENEWTEMPLATE(10'000'000, 10'000'000);
        TTEMPLATE& t = *absurd.TEMPLATE();
        t.NUMACROSS = 100000;
        t.NUMDOWN = 100000;
        t.MULABELWIDTH = 50;
        t.MULABELHEIGHT = 50;
        absurd.DATAINFO()->FULLFILENAME = data;
        absurd.DATAINFO()->STARTLABNUM = INT32_MIN;
        absurd.DATAINFO()->RepeatLabelNum = INT32_MAX;
        ASSERT_TRUE(absurd.SAVETOFILE(job));
    }
    const long peakBefore = peakMegabytes();
    TFormMAIN& main = start({job});
    EXPECT_EQ(main.JOBFILENAME(), job);
    // Ten metres at 96 pixels per inch would be 37 795 pixels square (5.7 GB):
    // the page image is kept to 150 million pixels, drawn coarser.
    const QImage& page = main.preview().pageBitmap();
    EXPECT_LE(qint64(page.width()) * page.height(), 150'000'000);
    EXPECT_GT(page.width(), 10000);
    EXPECT_LT(peakMegabytes() - peakBefore, 1024);
    EXPECT_TRUE(closeMain());
}

// A job or template name that has turned into a pipe, a device or a folder
// is refused unopened wherever it comes from: the last job reopened at start
// (a pipe there would hang the program before its window shows), the open
// dialogs, the recent-file menus and "/T=" on the command line.
TEST_F(FaultsTest, JobAndTemplateNamesThatAreNoPlainFilesAreRefusedUnopened)
{
    const auto makePipe = [](const QString& name) {
        QFile::remove(name);
        ASSERT_EQ(mkfifo(QFile::encodeName(name).constData(), 0600), 0);
    };
    const QString data = writeData("data.txt", 4);
    const QString last = writeJob(path("last.GVJ"), 2, 2, data);
    start({last});
    ASSERT_TRUE(closeMain()); // remembers last.GVJ as the job to reopen
    makePipe(last);
    TFormMAIN& main = start();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot open file ") + last);
    EXPECT_TRUE(main.JOBFILENAME().isEmpty());

    const QString other = writeJob(path("other.GVJ"), 3, 3, data);
    const QString third = writeJob(path("third.GVJ"), 2, 4, data);
    for (const QString& name : {other, third}) {
        dialogs.answerFile(name);
        trigger("Openjob");
    }
    makePipe(other);
    ASSERT_EQ(main.controller().reopenEntries(ReopenList::Jobs).first(), other);
    main.findChild<QMenu*>(QStringLiteral("REOPENJOB"))->actions().first()->trigger();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot open file ") + other);
    EXPECT_EQ(main.JOBFILENAME(), third);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 4);

    const QString sheet = path("sheet.GVT");
    makePipe(sheet);
    const QByteArray before = main.job().templateFileBytes();
    for (const QString& name : {sheet, QStringLiteral("/dev/zero"), dir.path()}) {
        dialogs.answerFile(name);
        trigger("OPENTEMPLATE");
        EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot open file ") + name);
    }
    EXPECT_EQ(main.job().templateFileBytes(), before);

    start({QStringLiteral("/T=") + sheet, QStringLiteral("/D=") + data});
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot open file ") + sheet);
}

// Runs `f` with the address space held to what the process uses now plus
// `headroom`: larger allocations fail as on a machine out of memory.
template <typename F>
void WithMemoryLimit(qint64 headroom, F f)
{
    // Large blocks are mapped anew, not taken from free heap the limit does not count.
    mallopt(M_MMAP_THRESHOLD, 128 * 1024);
    malloc_trim(0);
    QFile statm(QStringLiteral("/proc/self/statm"));
    ASSERT_TRUE(statm.open(QIODevice::ReadOnly));
    const qint64 used = statm.readAll().split(' ').first().toLongLong() * sysconf(_SC_PAGESIZE);
    rlimit saved{};
    getrlimit(RLIMIT_AS, &saved);
    rlimit limit = saved;
    limit.rlim_cur = rlim_t(used + headroom);
    ASSERT_EQ(setrlimit(RLIMIT_AS, &limit), 0);
    f();
    setrlimit(RLIMIT_AS, &saved);
}

// Out of memory while a job, a data file or the preview's page is read or
// drawn: the command says so and is logged, the program stays up, and the
// job that was open is untouched.
TEST_F(FaultsTest, RunningOutOfMemoryEndsTheCommandNotTheProgram)
{
#if defined(__SANITIZE_ADDRESS__)
    GTEST_SKIP() << "the sanitizer reserves the address space that the limit counts";
#endif
    const QString data = writeData("data.txt", 4);
    const QString job = writeJob(path("a.GVJ"), 2, 2, data);
    TFormMAIN& main = start({job});
    const QString bigJob = WriteFile(path("big.GVJ"), QByteArray(15 << 20, 'x'));
    const QString bigData = path("big.txt");
    ASSERT_TRUE(QFile(bigData).open(QIODevice::WriteOnly) && QFile::resize(bigData, qint64(200) << 20));

    WithMemoryLimit(8 << 20, [&] {
        dialogs.answerFile(bigJob);
        trigger("Openjob");
    });
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot open the job '%1'\n\rThere is not enough memory.").arg(bigJob));
    EXPECT_EQ(main.JOBFILENAME(), job);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 4);
    EXPECT_TRUE(
        QString::fromUtf8(readFileBytes(errorLogPath())).contains(QStringLiteral(" Error[1]: Cannot open the job")));

    WithMemoryLimit(8 << 20, [&] {
        dialogs.answerFile(bigData);
        trigger("OPENDATA");
    });
    EXPECT_EQ(lastPlain(),
              QStringLiteral("Cannot load data file '%1'\n\rThere is not enough memory to read %1").arg(bigData));
    EXPECT_EQ(main.JOBFILENAME(), job);

    // One line of 40 MB is read, but its text for the label needs twice
    // that. A renderer that decodes only what fits the label draws it.
    messages.shown.clear();
    const QString longLine = WriteFile(path("long.txt"), QByteArray(40 << 20, 'w'));
    WithMemoryLimit(64 << 20, [&] {
        dialogs.answerFile(longLine);
        trigger("OPENDATA");
    });
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 1);
    if (!messages.shown.empty()) { // a renderer that decodes the whole line runs out here
        EXPECT_EQ(lastPlain(), QStringLiteral("Cannot draw page 1 of the preview\n\rThere is not enough memory."));
    }
    EXPECT_TRUE(main.isVisible());
}
