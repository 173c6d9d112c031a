#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "support/ErrorLog.h"
#include "support/ProgramFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
class ErrorLogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        setProgramFolderForTests(folder.path());
    }
    void TearDown() override { setProgramFolderForTests(QString()); }

    QString logPath() const { return folder.path() + QStringLiteral("/ERRFILE.TXT"); }

    QTemporaryDir folder;
};

const QDateTime noon(QDate(2024, 3, 7), QTime(13, 5, 9));
} // namespace

TEST_F(ErrorLogTest, NewLogStartsWithThreeHeaderLinesAndLaterEntriesAppendOneLineEach)
{
    appendErrorLogEntry(logPath(), 11, QStringLiteral("first"), noon);
    appendErrorLogEntry(logPath(), -8, QStringLiteral("Größe"), noon);

    const QByteArray stamp = errorLogTimeStamp(noon).toUtf8();
    const QStringList header = errorLogHeader();
    ASSERT_EQ(header.size(), 3);
    EXPECT_TRUE(header[0].contains(QStringLiteral("send this file to Mardo")));
    EXPECT_EQ(readFileBytes(logPath()), header.join(QStringLiteral("\r\n")).toUtf8() + "\r\n" + stamp
                                            + " Error[11]: first\r\n" + stamp
                                            + " Error[-8]: Gr\xC3\xB6\xC3\x9F"
                                              "e\r\n");

    // A log emptied by hand starts again with the header.
    WriteFile(logPath(), "");
    appendErrorLogEntry(logPath(), 4, QStringLiteral("y"), noon);
    EXPECT_EQ(readFileBytes(logPath()),
              header.join(QStringLiteral("\r\n")).toUtf8() + "\r\n" + stamp + " Error[4]: y\r\n");

    // A log that exists gets no header, even when it is not one of ours.
    WriteFile(logPath(), "old entry\r\n");
    appendErrorLogEntry(logPath(), 5, QStringLiteral("x"), noon);
    EXPECT_EQ(readFileBytes(logPath()), "old entry\r\n" + stamp + " Error[5]: x\r\n");
}

TEST_F(ErrorLogTest, EveryKindOfLineBreakBecomesCrLf)
{
    const QByteArray stamp = errorLogTimeStamp(noon).toUtf8();
    EXPECT_EQ(errorLogEntry(1, QStringLiteral("a\n\rb"), noon), stamp + " Error[1]: a\r\nb\r\n");
    EXPECT_EQ(errorLogEntry(1, QStringLiteral("a\r\nb\nc\rd"), noon), stamp + " Error[1]: a\r\nb\r\nc\r\nd\r\n");
    // Two breaks in a row stay two lines.
    EXPECT_EQ(errorLogEntry(1, QStringLiteral("a\n\r\n\rb"), noon), stamp + " Error[1]: a\r\n\r\nb\r\n");
}

TEST_F(ErrorLogTest, TimeStampIsShortDateAndLongTimeWithTheTimeLeftOutAtMidnight)
{
    const QLocale system = QLocale::system();
    const QString date = system.toString(noon.date(), QLocale::ShortFormat);
    EXPECT_EQ(errorLogTimeStamp(noon), date + u' ' + system.toString(noon.time(), QLocale::LongFormat));
    EXPECT_EQ(errorLogTimeStamp(QDateTime(noon.date(), QTime(0, 0))), date);
    EXPECT_NE(errorLogTimeStamp(QDateTime(noon.date(), QTime(0, 0, 0, 1))), date);
}

TEST_F(ErrorLogTest, LogErrorBeepsWritesInTheProgramFolderAndShowsThePlainBox)
{
    ScriptedMessages messages;
    const QString text = QStringLiteral("Could not write\n\rC:\\Jobs\\a.GVJ");
    FNLOGERROR(2, text, true, true);

    EXPECT_EQ(errorLogPath(), logPath());
    EXPECT_EQ(messages.beeps, 1);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].plain);
    EXPECT_EQ(messages.shown[0].text, text);

    const QByteArray bytes = readFileBytes(logPath());
    EXPECT_EQ(bytes.count('\n'), bytes.count("\r\n")); // no bare line feed
    const QStringList lines = QString::fromUtf8(bytes).split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 6); // three header lines, the entry over two, nothing after
    EXPECT_TRUE(lines[3].startsWith(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat)));
    EXPECT_TRUE(lines[3].endsWith(QStringLiteral(" Error[2]: Could not write"))) << lines[3].toStdString();
    EXPECT_EQ(lines[4], QStringLiteral("C:\\Jobs\\a.GVJ"));
    EXPECT_EQ(lines[5], QString());
}

TEST_F(ErrorLogTest, LogThatCannotBeWrittenStillTellsTheUserAndCarriesOn)
{
    // A folder in the log's place cannot be opened as a file, not even by root.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ERRFILE.TXT")));
    ScriptedMessages messages;
    bool logged = true;
    EXPECT_NO_THROW(logged = FNLOGERROR(8, QStringLiteral("Data file not loaded"), true, true));
    EXPECT_FALSE(logged);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Data file not loaded")});
    EXPECT_TRUE(QFileInfo(logPath()).isDir());
}

TEST_F(ErrorLogTest, FailureReachesStandardErrorWhenToolkitWarningsAreSilenced)
{
    // The batch printer drops the toolkit's warnings; the log's own failure
    // must get through all the same.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("ERRFILE.TXT")));
    const QtMessageHandler previous = qInstallMessageHandler(
        [](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QString captured = folder.path() + QStringLiteral("/stderr.txt");
    std::fflush(stderr);
    const int saved = dup(fileno(stderr));
    FILE* sink = std::fopen(captured.toLocal8Bit().constData(), "w");
    ASSERT_NE(sink, nullptr);
    dup2(fileno(sink), fileno(stderr));
    ScriptedMessages messages;
    const bool logged = FNLOGERROR(8, QStringLiteral("Data file not loaded"), false, false);
    std::fflush(stderr);
    dup2(saved, fileno(stderr));
    close(saved);
    std::fclose(sink);
    qInstallMessageHandler(previous);

    EXPECT_FALSE(logged);
    const QString said = QString::fromLocal8Bit(readFileBytes(captured));
    EXPECT_TRUE(said.contains(logPath())) << said.toStdString();
    EXPECT_TRUE(said.contains(QStringLiteral("could not be written"))) << said.toStdString();
}

TEST_F(ErrorLogTest, APipeIsNeverWaitedOnAndAFullDiskLeavesNoTornEntry)
{
    // A pipe with no reader would hold an ordinary open for good.
    ASSERT_EQ(::mkfifo(QFile::encodeName(logPath()).constData(), 0600), 0);
    EXPECT_THROW(appendErrorLogEntry(logPath(), 1, QStringLiteral("x"), noon), ErrorLogFailure);
    ASSERT_TRUE(QFile::remove(logPath()));

    appendErrorLogEntry(logPath(), 1, QStringLiteral("first"), noon);
    const QByteArray before = readFileBytes(logPath());
    // The disk fills up (here: the file size limit) halfway through the next
    // entry: the cause is named and the half entry taken back.
    ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    const rlimit saved = limit;
    limit.rlim_cur = static_cast<rlim_t>(before.size() + 10);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    QString reason;
    try {
        appendErrorLogEntry(logPath(), 2, QString(100, u'x'), noon);
    } catch (const ErrorLogFailure& e) {
        reason = QString::fromLocal8Bit(e.what());
    }
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ::signal(SIGXFSZ, SIG_DFL);
    EXPECT_TRUE(reason.endsWith(QStringLiteral("File too large"))) << reason.toStdString();
    EXPECT_EQ(readFileBytes(logPath()), before);
}
