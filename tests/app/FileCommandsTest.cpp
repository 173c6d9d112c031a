#include "MainWindowFixture.h"

#include "common/TestEnv.h"
#include "model/ComponentStream.h"
#include "support/ErrorLog.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QApplication>
#include <QPushButton>
#include <QTimer>

namespace {

class FileCommandsTest : public MainWindowTest {
protected:
    QString logText() const { return QString::fromUtf8(readFileBytes(errorLogPath())); }
};

} // namespace

TEST_F(FileCommandsTest, SaveChecksNamesAndExtensions)
{
    TFormMAIN& main = start();
    main.job().MAKENEWTEMPLATE(210000, 297000);

    dialogs.answerFile(path("order.gvj"));
    trigger("SAVEJOBAS");
    EXPECT_TRUE(QFileInfo(path("order.GVJ")).isFile());
    EXPECT_EQ(main.JOBFILENAME(), path("order.GVJ"));
    EXPECT_EQ(dialogs.requests.last().kind, QStringLiteral("save"));

    dialogs.answerFile(path("order.doc"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(lastPlain(), QStringLiteral("Invalid job file extension \".DOC\""));
    EXPECT_TRUE(logText().contains(QStringLiteral(" Error[6]: Invalid job file extension \".DOC\"")));
    EXPECT_FALSE(QFile::exists(path("order.doc")));

    dialogs.answerFile(path("nowhere/order.GVJ"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot find path \"%1\"").arg(path("nowhere/")));
    EXPECT_TRUE(logText().contains(QStringLiteral(" Error[4]: Cannot find path")));

    dialogs.answerFile(path(".GVJ"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot save file with no name."));

    // A new locked job is written once, then never again.
    dialogs.answerFile(path("order.GVL"));
    trigger("SAVEJOBAS");
    EXPECT_TRUE(QFileInfo(path("order.GVL")).isFile());
    const QByteArray locked = readFileBytes(path("order.GVL"));
    main.job().JOBINFO()->TEXTJUSTIFY = 2;
    dialogs.answerFile(QString()); // the save dialog that follows is cancelled
    trigger("Savejob");
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot overwrite a locked job."));
    EXPECT_EQ(dialogs.requests.last().file.fileName, QStringLiteral("order.GVJ"));
    EXPECT_EQ(readFileBytes(path("order.GVL")), locked);
}

TEST_F(FileCommandsTest, LockedJobClosedWithYesAndWithNo)
{
    const QString job = writeJob(path("order.GVL"), 2, 2, QString());
    TFormMAIN& main = start({});
    ASSERT_TRUE(main.FNOPENJOB(job));
    main.job().setALTERED(true);
    messages.answer(MsgAnswer::Yes);
    trigger("CLOSEJOB");
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot overwrite a locked job."));
    EXPECT_EQ(main.JOBFILENAME(), job); // the close was cancelled

    messages.answer(MsgAnswer::No);
    trigger("CLOSEJOB");
    EXPECT_TRUE(main.JOBFILENAME().isEmpty());
    EXPECT_FALSE(main.job().TEMPLATEEXISTS());
    const QStringList questions = messages.texts().filter(QStringLiteral("Save current job first?"));
    EXPECT_EQ(questions.size(), 2);
}

TEST_F(FileCommandsTest, QuestionsComeTemplateFirstAndCancelKeepsEverything)
{
    TFormMAIN& main = start();
    main.job().MAKENEWTEMPLATE(210000, 297000); // template and job altered
    for (MsgAnswer first : {MsgAnswer::Cancel, MsgAnswer::No}) {
        messages.shown.clear();
        messages.answer(first);
        if (first == MsgAnswer::No)
            messages.answer(MsgAnswer::Cancel);
        trigger("CLOSEJOB");
        EXPECT_TRUE(main.job().TEMPLATEEXISTS());
        QStringList expected{QStringLiteral("Save current template first?")};
        if (first == MsgAnswer::No)
            expected << QStringLiteral("Save current job first?");
        EXPECT_EQ(messages.texts(), expected);
        for (const auto& m : messages.shown) {
            EXPECT_EQ(m.sign, MsgSign::Question);
            EXPECT_EQ(m.buttons, MsgButtons::YesNoCancel);
        }
    }
}

TEST_F(FileCommandsTest, CancelledTemplateOpenLeavesTheTemplateAsItWas)
{
    const QString job = writeJob(path("a.GVJ"), 3, 7, QString());
    TFormMAIN& main = start({job});
    main.job().TEMPLATE()->SETLANDSCAPE(true);
    main.job().TEMPLATE()->ALTERED = false;
    main.job().setALTERED(false);
    QByteArray before;
    WriteObjectStream(before, *main.job().TEMPLATE());
    dialogs.answerFile(QString());
    trigger("OPENTEMPLATE");
    QByteArray after;
    WriteObjectStream(after, *main.job().TEMPLATE());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(main.job().TEMPLATE()->ALTERED);
    EXPECT_FALSE(main.job().ALTERED());

    // A template file that fails to load puts the snapshot back too.
    WriteFile(path("bad.GVT"), "TPF0 garbage");
    dialogs.answerFile(path("bad.GVT"));
    trigger("OPENTEMPLATE");
    QByteArray afterBad;
    WriteObjectStream(afterBad, *main.job().TEMPLATE());
    EXPECT_EQ(afterBad, before);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Invalid or corrupt job file."));
}

TEST_F(FileCommandsTest, ReloadAfterTheDataFileWasDeleted)
{
    const QString data = writeData("data.txt", 6);
    const QString job = writeJob(path("a.GVJ"), 2, 2, data);
    TFormMAIN& main = start({job});
    ASSERT_EQ(main.job().DATAINFO()->labelsInIndex(), 6);
    QFile::remove(data);
    child<QPushButton>("ButtonRELOADDATA")->click();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot find data file '") + data + QStringLiteral("'"));
    EXPECT_EQ(messages.shown.last().sign, MsgSign::Warning);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 6); // the labels already loaded stay
    EXPECT_EQ(main.job().PAGECOUNT(), 2);
}

TEST_F(FileCommandsTest, ElevenJobsLeaveTheTenNewestInTheMenu)
{
    QStringList jobs;
    for (int i = 0; i < 11; ++i)
        jobs << writeJob(path(QStringLiteral("job%1.GVJ").arg(i)), 2, 2, QString());
    TFormMAIN& main = start();
    for (const QString& job : jobs)
        ASSERT_TRUE(main.FNOPENJOB(job));
    QStringList expected;
    for (int i = 9; i >= 0; --i)
        expected << jobs[i];
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), expected);
    EXPECT_FALSE(main.reopenEntries(main.reopenJobMenu()).contains(main.JOBFILENAME()));

    // Choosing an entry reopens it and puts the job it replaces on top.
    main.reopenJobMenu()->actions().at(3)->trigger();
    EXPECT_EQ(main.JOBFILENAME(), jobs[6]);
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()).constFirst(), jobs[10]);
    EXPECT_FALSE(main.reopenEntries(main.reopenJobMenu()).contains(jobs[6]));
}

TEST_F(FileCommandsTest, PathsDifferingInCaseAreTwoEntries)
{
    const QString a = writeJob(path("Case.GVJ"), 2, 2, QString());
    const QString b = writeJob(path("case.GVJ"), 2, 2, QString());
    TFormMAIN& main = start();
    main.ADDREOPENITEM(main.reopenJobMenu(), a);
    main.ADDREOPENITEM(main.reopenJobMenu(), b);
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), (QStringList{b, a}));
    main.ADDREOPENITEM(main.reopenJobMenu(), a); // the same path once, on top
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), (QStringList{a, b}));
    main.ADDREOPENITEM(main.reopenJobMenu(), path("gone.GVJ")); // only files that exist
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), (QStringList{a, b}));
    // A path with an ampersand shows it and keeps it.
    const QString amp = writeJob(path("Smith & Sons.GVJ"), 2, 2, QString());
    main.ADDREOPENITEM(main.reopenJobMenu(), amp);
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()).constFirst(), amp);
    EXPECT_EQ(main.reopenJobMenu()->actions().constFirst()->text(), QString(amp).replace("&", "&&"));
}

TEST_F(FileCommandsTest, DeletedRecentFileReportsAndStays)
{
    const QString job = writeJob(path("gone.GVJ"), 2, 2, QString());
    TFormMAIN& main = start();
    main.ADDREOPENITEM(main.reopenJobMenu(), job);
    QFile::remove(job);
    main.reopenJobMenu()->actions().constFirst()->trigger();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot open file ") + job);
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), QStringList{job});
}

TEST_F(FileCommandsTest, FirstJobDialogStartsInTheJobsFolder)
{
    start();
    dialogs.answerFile(QString());
    trigger("Openjob");
    const QString folder = dialogs.requests.last().file.startFolder;
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/Jobs/"))) << folder.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(dialogs.requests.last().file.filter.contains(QStringLiteral("*.gvj")));
}

TEST_F(FileCommandsTest, NewJobWizardRunsEveryStep)
{
    TFormMAIN& main = start();
    const QString data = writeData("d.txt", 3);
    TJOB sheet;
    sheet.MAKENEWTEMPLATE(210000, 297000);
    sheet.TEMPLATE()->NUMACROSS = 2;
    sheet.TEMPLATE()->MULABELWIDTH = 90000;
    sheet.TEMPLATE()->MULABELHEIGHT = 30000;
    {
        ScriptedMessages quiet;
        ASSERT_TRUE(sheet.SAVETEMPLATETOFILE(path("t.GVT")));
    }
    dialogs.answerFile(path("t.GVT")); // open template
    dialogs.answerFile(data);          // open data
    // The format dialog is modal: close it with Cancel once it shows.
    QTimer::singleShot(0, [] {
        if (QWidget* w = QApplication::activeModalWidget())
            w->close();
    });
    trigger("Newjobwizard1");
    EXPECT_EQ(main.job().TEMPLATE()->NUMACROSS, 2);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 3);
    EXPECT_TRUE(main.job().ALTERED());
}
