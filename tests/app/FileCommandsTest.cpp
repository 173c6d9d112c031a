#include "common/MainWindowFixture.h"

#include "app/JobController.h"
#include "common/ModalDialog.h"
#include "common/TestEnv.h"
#include "model/ComponentStream.h"
#include "support/ErrorLog.h"

#include <QAction>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace {

// Forwards the controller's file choices to the dialog seam and counts
// what it is told to show anew.
class RecordingView : public JobView {
public:
    QString openFile(const FileRequest& request) override { return dialogSeam().openFile(nullptr, request); }
    QString saveFile(const FileRequest& request) override { return dialogSeam().saveFile(nullptr, request); }
    void namesChanged() override { ++names; }
    void jobReplaced() override { ++replaced; }
    int names = 0;
    int replaced = 0;
};

// The job controller on its own, without a window.
class FileCommandsTest : public MainWindowTest {
protected:
    QString logText() const { return QString::fromUtf8(readFileBytes(errorLogPath())); }
    QStringList jobs() const { return files.reopenEntries(ReopenList::Jobs); }

    RecordingView view;
    JobController files{view};
};

// The File menu's commands on the window.
class FileMenusTest : public MainWindowTest {};

} // namespace

TEST_F(FileCommandsTest, SaveChecksNamesAndExtensions)
{
    files.job().MAKENEWTEMPLATE(210000, 297000);

    dialogs.answerFile(path("order.gvj"));
    EXPECT_TRUE(files.FNSAVEJOBAS());
    EXPECT_TRUE(QFileInfo(path("order.GVJ")).isFile());
    EXPECT_EQ(files.JOBFILENAME(), path("order.GVJ"));
    EXPECT_EQ(dialogs.requests.last().kind, QStringLiteral("save"));

    dialogs.answerFile(path("order.doc"));
    EXPECT_FALSE(files.FNSAVEJOBAS());
    EXPECT_EQ(lastPlain(), QStringLiteral("Invalid job file extension \".DOC\""));
    EXPECT_TRUE(logText().contains(QStringLiteral(" Error[6]: Invalid job file extension \".DOC\"")));
    EXPECT_FALSE(QFile::exists(path("order.doc")));

    dialogs.answerFile(path("nowhere/order.GVJ"));
    EXPECT_FALSE(files.FNSAVEJOBAS());
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot find path \"%1\"").arg(path("nowhere/")));
    EXPECT_TRUE(logText().contains(QStringLiteral(" Error[4]: Cannot find path")));

    dialogs.answerFile(path(".GVJ"));
    EXPECT_FALSE(files.FNSAVEJOBAS());
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot save file with no name."));

    // A new locked job is written once, then never again.
    dialogs.answerFile(path("order.GVL"));
    EXPECT_TRUE(files.FNSAVEJOBAS());
    EXPECT_TRUE(QFileInfo(path("order.GVL")).isFile());
    const QByteArray locked = readFileBytes(path("order.GVL"));
    files.job().JOBINFO()->TEXTJUSTIFY = 2;
    dialogs.answerFile(QString()); // the save dialog that follows is cancelled
    files.saveJob();
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot overwrite a locked job."));
    EXPECT_EQ(dialogs.requests.last().file.fileName, QStringLiteral("order.GVJ"));
    EXPECT_EQ(readFileBytes(path("order.GVL")), locked);
}

TEST_F(FileCommandsTest, LockedJobClosedWithYesAndWithNo)
{
    const QString job = writeJob(path("order.GVL"), 2, 2, QString());
    ASSERT_TRUE(files.FNOPENJOB(job));
    EXPECT_EQ(view.replaced, 1);
    files.job().setALTERED(true);
    messages.answer(MsgAnswer::Yes);
    EXPECT_FALSE(files.closeJob());
    EXPECT_EQ(lastPlain(), QStringLiteral("Cannot overwrite a locked job."));
    EXPECT_EQ(files.JOBFILENAME(), job); // the close was cancelled
    EXPECT_EQ(view.replaced, 1);

    messages.answer(MsgAnswer::No);
    EXPECT_TRUE(files.closeJob());
    EXPECT_EQ(view.replaced, 2);
    EXPECT_TRUE(files.JOBFILENAME().isEmpty());
    EXPECT_FALSE(files.job().TEMPLATEEXISTS());
    const QStringList questions = messages.texts().filter(QStringLiteral("Save current job first?"));
    EXPECT_EQ(questions.size(), 2);
}

TEST_F(FileCommandsTest, QuestionsComeTemplateFirstAndCancelKeepsEverything)
{
    files.job().MAKENEWTEMPLATE(210000, 297000); // template and job altered
    for (MsgAnswer first : {MsgAnswer::Cancel, MsgAnswer::No}) {
        messages.shown.clear();
        messages.answer(first);
        if (first == MsgAnswer::No)
            messages.answer(MsgAnswer::Cancel);
        EXPECT_FALSE(files.closeJob());
        EXPECT_TRUE(files.job().TEMPLATEEXISTS());
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
    ASSERT_TRUE(files.FNOPENJOB(job));
    files.job().TEMPLATE()->SETLANDSCAPE(true);
    files.job().TEMPLATE()->ALTERED = false;
    files.job().setALTERED(false);
    QByteArray before;
    WriteObjectStream(before, *files.job().TEMPLATE());
    dialogs.answerFile(QString());
    EXPECT_FALSE(files.FNOPENTEMPLATE(QString()));
    QByteArray after;
    WriteObjectStream(after, *files.job().TEMPLATE());
    EXPECT_EQ(after, before);
    EXPECT_FALSE(files.job().TEMPLATE()->ALTERED);
    EXPECT_FALSE(files.job().ALTERED());

    // A template file that fails to load puts the snapshot back too.
    WriteFile(path("bad.GVT"), "TPF0 garbage");
    dialogs.answerFile(path("bad.GVT"));
    EXPECT_FALSE(files.FNOPENTEMPLATE(QString()));
    QByteArray afterBad;
    WriteObjectStream(afterBad, *files.job().TEMPLATE());
    EXPECT_EQ(afterBad, before);
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Invalid or corrupt job file."));
}

TEST_F(FileCommandsTest, ReloadAfterTheDataFileWasDeleted)
{
    const QString data = writeData("data.txt", 6);
    const QString job = writeJob(path("a.GVJ"), 2, 2, data);
    ASSERT_TRUE(files.FNOPENJOB(job));
    ASSERT_EQ(files.job().DATAINFO()->labelsInIndex(), 6);
    QFile::remove(data);
    files.reloadData();
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot find data file '") + data + QStringLiteral("'"));
    EXPECT_EQ(messages.shown.last().sign, MsgSign::Warning);
    EXPECT_EQ(files.job().DATAINFO()->labelsInIndex(), 6); // the labels already loaded stay
    EXPECT_EQ(files.job().PAGECOUNT(), 2);
}

TEST_F(FileCommandsTest, ElevenJobsLeaveTheTenNewest)
{
    QStringList written;
    for (int i = 0; i < 11; ++i)
        written << writeJob(path(QStringLiteral("job%1.GVJ").arg(i)), 2, 2, QString());
    for (const QString& job : written)
        ASSERT_TRUE(files.FNOPENJOB(job));
    QStringList expected;
    for (int i = 9; i >= 0; --i)
        expected << written[i];
    EXPECT_EQ(jobs(), expected);

    // Reopening an entry puts the job it replaces on top.
    ASSERT_TRUE(files.reopen(ReopenList::Jobs, written[6]));
    EXPECT_EQ(files.JOBFILENAME(), written[6]);
    EXPECT_EQ(jobs().constFirst(), written[10]);
    EXPECT_FALSE(jobs().contains(written[6]));
}

TEST_F(FileCommandsTest, ReplacedTemplatesAndDataGoOnTheirLists)
{
    const QString a = writeJob(path("a.GVJ"), 2, 2, QString());
    const QString data1 = writeData("one.txt", 2);
    const QString data2 = writeData("two.txt", 2);
    TJOB sheet;
    ASSERT_TRUE(sheet.LOADFROMFILE(a));
    {
        ScriptedMessages quiet;
        ASSERT_TRUE(sheet.SAVETEMPLATETOFILE(path("a.GVT")));
        ASSERT_TRUE(sheet.SAVETEMPLATETOFILE(path("b.GVT")));
    }
    ASSERT_TRUE(files.FNOPENJOB(a));
    ASSERT_TRUE(files.reopen(ReopenList::Templates, path("a.GVT")));
    ASSERT_TRUE(files.FNOPENTEMPLATE(path("b.GVT")));
    ASSERT_TRUE(files.FNOPENDATA(data1));
    ASSERT_TRUE(files.FNOPENDATA(data2));
    EXPECT_EQ(files.reopenEntries(ReopenList::Templates), QStringList{path("a.GVT")});
    EXPECT_EQ(files.reopenEntries(ReopenList::Data), QStringList{data1});
    EXPECT_TRUE(files.job().ALTERED());
    files.closeData();
    EXPECT_EQ(files.reopenEntries(ReopenList::Data), (QStringList{data2, data1}));
    EXPECT_GE(view.names, 5);
}

TEST_F(FileCommandsTest, PathsDifferingInCaseAreTwoEntries)
{
    const QString a = writeJob(path("Case.GVJ"), 2, 2, QString());
    const QString b = writeJob(path("case.GVJ"), 2, 2, QString());
    files.ADDREOPENITEM(ReopenList::Jobs, a);
    files.ADDREOPENITEM(ReopenList::Jobs, b);
    EXPECT_EQ(jobs(), (QStringList{b, a}));
    files.ADDREOPENITEM(ReopenList::Jobs, a); // the same path once, on top
    EXPECT_EQ(jobs(), (QStringList{a, b}));
    files.ADDREOPENITEM(ReopenList::Jobs, path("gone.GVJ")); // only files that exist
    EXPECT_EQ(jobs(), (QStringList{a, b}));
}

TEST_F(FileCommandsTest, DeletedRecentFileReportsAndStays)
{
    const QString job = writeJob(path("gone.GVJ"), 2, 2, QString());
    files.ADDREOPENITEM(ReopenList::Jobs, job);
    QFile::remove(job);
    EXPECT_FALSE(files.reopen(ReopenList::Jobs, job));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Cannot open file ") + job);
    EXPECT_EQ(jobs(), QStringList{job});
}

TEST_F(FileCommandsTest, FirstJobDialogStartsInTheJobsFolder)
{
    dialogs.answerFile(QString());
    EXPECT_FALSE(files.FNOPENJOB(QString()));
    const QString folder = dialogs.requests.last().file.startFolder;
    EXPECT_TRUE(folder.endsWith(QStringLiteral("/Jobs/"))) << folder.toStdString();
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(dialogs.requests.last().file.filter.contains(QStringLiteral("*.gvj")));
}

TEST_F(FileMenusTest, ReopenMenuShowsTheListAndOpensItsEntries)
{
    const QString a = writeJob(path("a.GVJ"), 2, 2, QString());
    const QString amp = writeJob(path("Smith & Sons.GVJ"), 2, 2, QString());
    const QString c = writeJob(path("c.GVJ"), 2, 2, QString());
    TFormMAIN& main = start();
    for (const QString& job : {a, amp, c})
        ASSERT_TRUE(main.controller().FNOPENJOB(job));
    QMenu* menu = main.findChild<QMenu*>(QStringLiteral("REOPENJOB"));
    ASSERT_EQ(menu->actions().size(), 2);
    // A path with an ampersand shows it and keeps it.
    const QString ampCaption = QString(amp).replace(QLatin1Char('&'), QStringLiteral("&&"));
    EXPECT_EQ(menu->actions().constFirst()->text(), ampCaption);
    EXPECT_EQ(main.controller().reopenEntries(ReopenList::Jobs), (QStringList{amp, a}));

    const int drawn = main.preview().refreshCount();
    menu->actions().at(1)->trigger();
    EXPECT_EQ(main.JOBFILENAME(), a);
    EXPECT_GT(main.preview().refreshCount(), drawn);
    EXPECT_EQ(main.controller().reopenEntries(ReopenList::Jobs), (QStringList{c, amp}));
    EXPECT_EQ(menu->actions().at(1)->text(), ampCaption);
}

TEST_F(FileMenusTest, NewJobWizardRunsEveryStep)
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
    whenModal([](QWidget&) {}, AfterSteps::Cancel);
    trigger("Newjobwizard1");
    EXPECT_EQ(main.job().TEMPLATE()->NUMACROSS, 2);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 3);
    EXPECT_TRUE(main.job().ALTERED());
}
