#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "model/ComponentStream.h"
#include "model/Job.h"
#include "support/ErrorLog.h"

#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/stat.h>
#include <sys/resource.h>

namespace {

class JobFiles : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFile::remove(errorLogPath());
        setFormatValueReader(nullptr);
    }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    static QString logText() { return QString::fromUtf8(readFileBytes(errorLogPath())); }

    static void fillJob(TJOB& job)
    {
        job.MAKENEWTEMPLATE(215900, 279400);
        TTEMPLATE& t = *job.TEMPLATE();
        t.NUMACROSS = 3;
        t.NUMDOWN = 10;
        t.MULEFT = 4826;
        t.MUTOP = 12700;
        t.MULABELWIDTH = 66675;
        t.MULABELHEIGHT = 25400;
        t.MUHGAP = 3175;
        t.SETLANDSCAPE(true);
        TJOBINFO& f = *job.JOBINFO();
        f.MUBORDERLEFT = 1500;
        f.BORDERCOLOR = 0x00FF8000;
        f.TEXTJUSTIFY = 2;
        f.SHOWBORDER = true;
        f.PicPCLeft = 12.5;
        f.PicPCHeight = 40;
        f.UsePicPCTop = true;
        f.FONT.Name = QStringLiteral("Liberation Sans");
        f.FONT.Style = StoredFont::fsItalic | StoredFont::fsUnderline;
        f.FONT.Pitch = StoredFont::fpVariable;
        TDATAINFO& d = *job.DATAINFO();
        d.FULLFILENAME = QStringLiteral("/data/addresses \u00e9t\u00e9.txt");
        d.STARTLABNUM = 4;
        d.RepeatLabelNum = 2;
        d.PicFileName = QStringLiteral("/pics/logo.png");
    }

    QTemporaryDir dir;
};

} // namespace

TEST_F(JobFiles, NewJobFormatStreamHasTheKnownSize)
{
    TJOB job;
    job.CLEARDATA();
    const QByteArray bytes = job.jobFileBytes();
    QByteArray info;
    WriteObjectStream(info, *job.JOBINFO());
    EXPECT_EQ(info.size(), 461);
    EXPECT_TRUE(bytes.startsWith(info));
    EXPECT_TRUE(bytes.endsWith(FromHex("54 50 46 30 09 54 44 41 54 41 49 4E 46 4F 00 00 00")));
}

TEST_F(JobFiles, SavedJobLoadsBackEqual)
{
    ScriptedMessages messages;
    TJOB job;
    fillJob(job);
    ASSERT_TRUE(job.SAVETOFILE(path("job.GVJ")));
    EXPECT_TRUE(job.ALTERED()); // the template keeps its own flag
    job.TEMPLATE()->ALTERED = false;
    EXPECT_FALSE(job.ALTERED());

    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(path("job.GVJ")));
    EXPECT_EQ(back.jobFileBytes(), job.jobFileBytes());
    EXPECT_EQ(back.JOBINFO()->FONT, job.JOBINFO()->FONT);
    EXPECT_EQ(back.JOBINFO()->PicPCLeft, 12.5);
    EXPECT_EQ(back.TEMPLATE()->MUHGAP, 3175);
    EXPECT_TRUE(back.TEMPLATE()->LANDSCAPE());
    EXPECT_EQ(back.DATAINFO()->FULLFILENAME, job.DATAINFO()->FULLFILENAME);
    EXPECT_EQ(back.DATAINFO()->STARTLABNUM, 4);
    EXPECT_EQ(back.DATAINFO()->FILECONTENT.count(), 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// A job written by hand names its files relative to itself, wherever the
// program was started; full names and names from Windows stay as written.
TEST_F(JobFiles, RelativeNamesAreTakenFromTheJobsFolder)
{
    const struct {
        QString written, read;
    } cases[] = {
        {QStringLiteral("people.csv"), path("people.csv")},
        {QStringLiteral("../shared/./logo.png"), QDir::cleanPath(path("../shared/logo.png"))},
        {QStringLiteral("/data/a.txt"), QStringLiteral("/data/a.txt")},
        {QStringLiteral("C:\\Labels\\a.txt"), QStringLiteral("C:\\Labels\\a.txt")},
    };
    for (const auto& c : cases) {
        TJOB job;
        job.DATAINFO()->FULLFILENAME = c.written;
        job.DATAINFO()->PicFileName = c.written;
        ASSERT_TRUE(job.SAVETOFILE(path("hand.GVJ")));
        TJOB back;
        ASSERT_TRUE(back.LOADFROMFILE(path("hand.GVJ")));
        EXPECT_EQ(back.DATAINFO()->FULLFILENAME, c.read);
        EXPECT_EQ(back.DATAINFO()->PicFileName, c.read);
    }
}

TEST_F(JobFiles, AbsentPropertiesTakeTheFormatDefaults)
{
    ScriptedMessages messages;
    TJOB job;
    job.JOBINFO()->PicPCLeft = 0; // not written
    job.DATAINFO()->STARTLABNUM = 1;
    job.DATAINFO()->RepeatLabelNum = 1;
    ASSERT_TRUE(job.SAVETOFILE(path("job.GVJ")));
    setFormatValueReader([](const QString& name, const QString& def) {
        return name == QLatin1String("PicPCLeft") ? QStringLiteral("33") : def;
    });
    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(path("job.GVJ")));
    setFormatValueReader(nullptr);
    EXPECT_EQ(back.JOBINFO()->PicPCLeft, 33.0);
    EXPECT_EQ(back.DATAINFO()->STARTLABNUM, 1); // as printing uses it, from the moment it is read
    back.DATAINFO()->LOADDATA();
    EXPECT_EQ(back.DATAINFO()->STARTLABNUM, 1);
}

TEST_F(JobFiles, TemplateFilesRecordTheirPath)
{
    ScriptedMessages messages;
    TJOB job;
    fillJob(job);
    ASSERT_TRUE(job.SAVETEMPLATETOFILE(path("sheet.GVT")));
    EXPECT_EQ(job.TEMPLATE()->FULLFILENAME, path("sheet.GVT"));
    EXPECT_FALSE(job.TEMPLATE()->ALTERED);
    EXPECT_TRUE(job.ALTERED()); // the job's own flag is untouched

    TJOB other;
    ASSERT_TRUE(other.LOADTEMPLATEFROMFILE(path("sheet.GVT")));
    EXPECT_EQ(other.TEMPLATE()->FULLFILENAME, path("sheet.GVT"));
    EXPECT_EQ(other.TEMPLATE()->NUMDOWN, 10);
    EXPECT_TRUE(other.TEMPLATE()->ALTERED); // read landscape through its setter
    ASSERT_TRUE(other.SAVETOFILE(path("other.GVJ")));
    EXPECT_TRUE(readFileBytes(path("other.GVJ")).contains(path("sheet.GVT").toUtf8()));
}

TEST_F(JobFiles, WrongKindOfFileIsReportedExactly)
{
    TJOB job;
    fillJob(job);
    {
        ScriptedMessages messages;
        ASSERT_TRUE(job.SAVETEMPLATETOFILE(path("sheet.GVT")));
        ASSERT_TRUE(job.SAVETOFILE(path("job.GVJ")));
    }
    ScriptedMessages messages;
    TJOB target;
    EXPECT_FALSE(target.LOADFROMFILE(path("sheet.GVT")));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Invalid or corrupt job file.")});
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_TRUE(logText().contains(QStringLiteral(
        " Error[1]: FUNCTION TJOB.LOADFROMFILE raised EFilerError [classname=EReadError] with message:\"Error "
        "reading TJOBINFO.PAPERMUWIDTH: Property PAPERMUWIDTH does not exist\"\r\n")));

    EXPECT_FALSE(target.LOADTEMPLATEFROMFILE(path("job.GVJ")));
    EXPECT_TRUE(logText().contains(
        QStringLiteral(" Error[1]: FUNCTION TJOB.LOADTEMPLATEFROMFILE raised EFilerError [classname=EReadError] with "
                       "message:\"Error reading TTEMPLATE.MUBORDERLEFT: Property MUBORDERLEFT does not exist\"\r\n")));
}

TEST_F(JobFiles, MissingCutAndRandomFilesNeverCrash)
{
    TJOB job;
    fillJob(job);
    const QByteArray whole = job.jobFileBytes();
    {
        ScriptedMessages messages;
        TJOB target;
        EXPECT_FALSE(target.LOADFROMFILE(path("missing.GVJ")));
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Cannot open file ") + path("missing.GVJ")});
        EXPECT_FALSE(QFile::exists(errorLogPath())); // nothing logged
    }
    for (qsizetype cut : {qsizetype(0), qsizetype(3), whole.size() / 2, whole.size() - 1}) {
        ScriptedMessages messages;
        WriteFile(path("cut.GVJ"), whole.left(cut));
        TJOB target;
        EXPECT_FALSE(target.LOADFROMFILE(path("cut.GVJ"))) << cut;
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Invalid or corrupt job file.")});
        EXPECT_TRUE(logText().trimmed().endsWith(QStringLiteral("Stream read error\""))) << cut;
    }
    {
        ScriptedMessages messages;
        WriteFile(path("extra.GVJ"), whole + QByteArray("tail bytes"));
        TJOB target;
        EXPECT_TRUE(target.LOADFROMFILE(path("extra.GVJ")));
    }
    // Random bytes, and random damage to a good file.
    QRandomGenerator rng(20261207);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = round % 2 ? whole : QByteArray(int(rng.bounded(1, 600)), '\0');
        for (int k = 0; k < (round % 2 ? 3 : bytes.size()); ++k)
            bytes[int(rng.bounded(bytes.size()))] = char(rng.bounded(256));
        WriteFile(path("random.GVJ"), bytes);
        ScriptedMessages messages;
        TJOB target;
        if (!target.LOADFROMFILE(path("random.GVJ"))) {
            EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Invalid or corrupt job file.")});
        }
    }
}

TEST_F(JobFiles, FailedSaveKeepsTheOldFileAndTheChanges)
{
    TJOB job;
    fillJob(job);
    {
        ScriptedMessages messages;
        ASSERT_TRUE(job.SAVETOFILE(path("job.GVJ")));
    }
    const QByteArray before = readFileBytes(path("job.GVJ"));
    job.JOBINFO()->TEXTJUSTIFY = 1;
    job.setALTERED(true);
    job.TEMPLATE()->ALTERED = false;

    // A folder that does not exist.
    {
        ScriptedMessages messages;
        const QString target = path("nowhere/job.GVJ");
        EXPECT_FALSE(job.SAVETOFILE(target));
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral("Stream error occured with message\n\rCannot create file ") + target});
        EXPECT_TRUE(
            logText().contains(QStringLiteral(" Error[2]: Stream error occured with message\r\nCannot create file ")));
        EXPECT_TRUE(job.ALTERED()); // the changes are not saved anywhere
    }
    // The target is replaced only when the new content is complete: a save
    // that cannot write its temporary file leaves the old file as it was.
    {
        ScriptedMessages messages;
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        const bool folderLocked = !QFile(path("probe")).open(QIODevice::WriteOnly);
        if (folderLocked) {
            EXPECT_FALSE(job.SAVETOFILE(path("job.GVJ")));
            EXPECT_EQ(readFileBytes(path("job.GVJ")), before);
        }
        QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        if (!folderLocked)
            messages.shown.clear(); // root writes anywhere; the device test below covers this case
    }
    // The same through a target that is a folder: QSaveFile cannot replace it.
    {
        ScriptedMessages messages;
        QDir(dir.path()).mkpath(QStringLiteral("folder.GVJ"));
        EXPECT_FALSE(job.SAVETOFILE(path("folder.GVJ")));
        EXPECT_TRUE(QFileInfo(path("folder.GVJ")).isDir());
        EXPECT_EQ(messages.shown.size(), 1);
    }
    // A write that fails half way (the file size limit stands in for a full
    // disk): the old file stays whole.
    {
        ScriptedMessages messages;
        struct rlimit saved {};
        getrlimit(RLIMIT_FSIZE, &saved);
        signal(SIGXFSZ, SIG_IGN);
        struct rlimit small = saved;
        QFile::remove(errorLogPath()); // the log must still fit under the limit
        small.rlim_cur = static_cast<rlim_t>(job.jobFileBytes().size() - 100);
        setrlimit(RLIMIT_FSIZE, &small);
        const bool saved_ok = job.SAVETOFILE(path("job.GVJ"));
        setrlimit(RLIMIT_FSIZE, &saved);
        EXPECT_FALSE(saved_ok);
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral("Stream error occured with message\n\rStream write error")});
        EXPECT_TRUE(job.ALTERED());
    }
    EXPECT_EQ(readFileBytes(path("job.GVJ")), before);
}

// Only a plain file is opened: a pipe (which would wait for a writer), a
// device (/dev/zero has no end) and a folder are refused by their kind, as
// a missing file is. A file larger than any job, such as a sparse file of
// 100 GB, is refused unread as corrupt, with the log line of a bad file.
TEST_F(JobFiles, OnlyPlainFilesWithinTheBoundAreOpened)
{
    TJOB job;
    fillJob(job);
    const QByteArray before = job.jobFileBytes();
    const QString fifo = path("pipe.GVJ");
    ASSERT_EQ(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    QDir(dir.path()).mkpath(QStringLiteral("folder.GVT"));
    for (const QString& name : {fifo, QStringLiteral("/dev/zero"), path("folder.GVT")}) {
        ScriptedMessages messages;
        EXPECT_FALSE(job.LOADFROMFILE(name));
        EXPECT_FALSE(job.LOADTEMPLATEFROMFILE(name));
        const QString text = QStringLiteral("Cannot open file ") + name;
        EXPECT_EQ(messages.texts(), (QStringList{text, text}));
    }
    EXPECT_FALSE(QFile::exists(errorLogPath()));

    const QString huge = path("huge.GVJ");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(100) << 30));
    }
    ScriptedMessages messages;
    EXPECT_FALSE(job.LOADFROMFILE(huge));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Invalid or corrupt job file.")});
    EXPECT_TRUE(logText().contains(QStringLiteral(
        " Error[1]: FUNCTION TJOB.LOADFROMFILE raised EFilerError [classname=EReadError] with message:\"The file "
        "holds 102400 MB; job and template files larger than 16 MB are not read\"")));
    EXPECT_EQ(job.jobFileBytes(), before); // nothing was replaced

    // A file just over the bound is refused; one within it is read.
    ASSERT_TRUE(QFile::resize(huge, (qint64(16) << 20) + 1));
    EXPECT_FALSE(job.LOADTEMPLATEFROMFILE(huge));
    EXPECT_TRUE(logText().trimmed().endsWith(
        QStringLiteral("holds 17 MB; job and template files larger than 16 MB are not read\"")));
    WriteFile(huge, before + QByteArray((qint64(16) << 20) - before.size(), '\0'));
    EXPECT_TRUE(job.LOADFROMFILE(huge));
}
