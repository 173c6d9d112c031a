// Everyday sequences on the real main window, each crossing several commands.

#include "common/MainWindowFixture.h"

#include "app/ProgramWindows.h"
#include "common/ModalDialog.h"
#include "common/TestEnv.h"
#include "settings/RegistryStore.h"
#include "support/Dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>

namespace {

class SequencesTest : public MainWindowTest {};

} // namespace

// The program, run as its entry point runs it, ends when its main window
// closes while the splash or either instructions window is up.
TEST_F(SequencesTest, ProgramEndsWhenTheMainWindowClosesWhateverElseIsOpen)
{
    const QString rtf = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + "/Gorvin02Instructions.rtf";
    for (const QString other : {"FormABOUT", "FormHELP", "FormRTFHelp"}) {
        if (other == "FormRTFHelp")
            WriteFile(rtf, "{\\rtf1 Instructions\\par}");
        QTimer poll, guard; // the guard only ends a program that would never end
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* main = topLevelNamed("FormMAIN");
            if (!main || QThread::currentThread()->loopLevel() == 0 || !poll.isActive())
                return; // acts once, inside the message loop
            poll.stop();
            topLevelNamed("FormABOUT")->setVisible(other == "FormABOUT");
            if (other != "FormABOUT")
                main->findChild<QAction*>("Instructions1")->trigger();
            EXPECT_TRUE(topLevelNamed(other)->isVisible());
            QCloseEvent titleBarClose; // or File > Exit
            if (other == "FormHELP")
                QCoreApplication::sendEvent(main->windowHandle(), &titleBarClose);
            else
                main->findChild<QAction*>("Exit1")->trigger();
        });
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(1); });
        poll.start(10);
        guard.start(60000);
        EXPECT_EQ(runDesktopProgram({}), 0) << other.toStdString();
        QFile::remove(rtf);
        EXPECT_FALSE(FNREGREADSTRING("Files", "AppLocation", {}).isEmpty()); // saved as it closed
        FNREGWRITESTRING("Files", "AppLocation", {});
    }
}

TEST_F(SequencesTest, NamesDifferingInCaseAreTwoFilesAndAnUnconfirmedReplaceIsAsked)
{
    const QString upper = writeJob(path("Case.GVJ"), 3, 7, QString());
    const QString lower = writeJob(path("case.GVJ"), 2, 2, QString());
    const QByteArray upperBytes = readFileBytes(upper);
    TFormMAIN& main = start({upper});
    dialogs.answerFile(lower);
    trigger("Openjob");
    main.job().setALTERED(true);
    trigger("Savejob");
    EXPECT_EQ(readFileBytes(upper), upperBytes);
    main.findChild<QMenu*>(QStringLiteral("REOPENJOB"))->actions().constFirst()->trigger(); // Case.GVJ again
    EXPECT_TRUE(child<QLabel>("StatusBarJOBFILENAME")->text().endsWith("/Case.GVJ"));
    EXPECT_EQ(main.controller().reopenEntries(ReopenList::Jobs), QStringList{lower});

    // Save job as "case.gvj" in the real dialog is written as case.GVJ.
    QtDialogSeam qtDialogs;
    ScopedDialogSeam realDialogs(qtDialogs);
    const QByteArray lowerBytes = readFileBytes(lower);
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        whenModal([](QWidget& dialog) {
            auto* list = dialog.findChild<QAbstractItemView*>("listView");
            auto* name = dialog.findChild<QLineEdit*>("fileNameEdit");
            EXPECT_TRUE(QTest::qWaitFor([list] { return list->selectionModel()->hasSelection(); }));
            list->clearSelection(); // the offered name, typed over
            name->setText("case.gvj");
            QTest::keyClick(name, Qt::Key_Return);
        });
        messages.shown.clear();
        messages.answer(answer);
        trigger("SAVEJOBAS");
        EXPECT_EQ(messages.texts(), QStringList{"Overwrite '" + lower + "' ?"});
        EXPECT_EQ(main.JOBFILENAME(), answer == MsgAnswer::Yes ? lower : upper);
        EXPECT_EQ(readFileBytes(lower) == lowerBytes, answer == MsgAnswer::No);
    }
    ASSERT_TRUE(closeMain());
    EXPECT_EQ(start().JOBFILENAME(), lower); // the file written is the one reopened
}

TEST_F(SequencesTest, ChangesStayMarkedThroughReloadAndNewTemplateAsksFirst)
{
    const QString data = writeData("data.txt", 6);
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, data)});
    whenModal([](QWidget& format) { format.findChild<QPushButton*>("ButtonOK")->click(); });
    trigger("FORMATLABELS");
    child<QPushButton>("ButtonRELOADDATA")->click();
    dialogs.answerFile(data);
    trigger("OPENDATA");
    messages.answer(MsgAnswer::Cancel);
    trigger("CLOSEJOB");
    EXPECT_EQ(messages.texts(), QStringList{"Save current job first?"});

    main.job().TEMPLATE()->ALTERED = true; // as Edit layout leaves it
    messages.answer(MsgAnswer::Cancel);
    expectNoModal(); // no paper dialog after Cancel
    trigger("NEWTEMPLATE");
    QCoreApplication::processEvents(); // runs the check above
    messages.answer(MsgAnswer::No);
    whenModal([](QWidget& paper) { QTest::keyClick(&paper, Qt::Key_Return); });
    trigger("NEWTEMPLATE");
    EXPECT_EQ(messages.texts().mid(1), QStringList(2, "Save current template first?"));
    EXPECT_EQ(main.job().TEMPLATE()->NUMACROSS, 1);
}

TEST_F(SequencesTest, CommandLineNamesAreAbsoluteAndOpenWhatTheDesktopOffers)
{
    const QString job = writeJob(path("a.GVJ"), 2, 5, QString());
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    start({"a.GVJ"});
    ASSERT_TRUE(closeMain());
    QDir::setCurrent(before);
    EXPECT_EQ(start().JOBFILENAME(), job); // reopened from another folder

    ScriptedMessages quiet;
    ASSERT_TRUE(main_->job().SAVETEMPLATETOFILE(path("x.GVR")));
    start({path("x.GVR")}); // a locked template
    EXPECT_TRUE(main_->JOBFILENAME().isEmpty());
    EXPECT_EQ(main_->job().TEMPLATE()->FULLFILENAME, path("x.GVR"));
    start({writeData("notes.txt", 1)});
    EXPECT_TRUE(quiet.texts().join("|").startsWith("Cannot open '" + path("notes.txt") + "': Gorvin opens job files"));
}

TEST_F(SequencesTest, AJobNamedAtStartIsTheOnlyJobOpened)
{
    const QString last = writeJob(path("last.GVJ"), 2, 5, QString());
    const QString asked = writeJob(path("asked.GVJ"), 3, 4, QString());
    start({last});
    ASSERT_TRUE(closeMain());
    // The last job has been moved: naming another one at start never
    // speaks of it, and opens the one named.
    ASSERT_TRUE(QFile::rename(last, path("moved.GVJ")));
    ScriptedMessages quiet;
    EXPECT_EQ(start({asked}).JOBFILENAME(), asked);
    EXPECT_EQ(quiet.texts(), QStringList());
    ASSERT_TRUE(closeMain());
    EXPECT_EQ(start().JOBFILENAME(), asked); // the job of this run is the next run's last job
}

TEST_F(SequencesTest, TheEmptyWindowSaysHowToStartUntilAJobIsOpen)
{
    const QString job = writeJob(path("a.GVJ"), 2, 5, QString());
    TFormMAIN& main = start();
    const auto* hint = main.findChild<QLabel*>("LabelEMPTYHINT");
    ASSERT_NE(hint, nullptr);
    EXPECT_TRUE(hint->isVisible());
    EXPECT_TRUE(hint->text().contains("File > Open job ("
                                      + QKeySequence(QKeySequence::Open).toString(QKeySequence::NativeText) + ")"))
        << hint->text().toStdString();
    main.controller().FNOPENJOB(job);
    EXPECT_FALSE(hint->isVisible());
    trigger("CLOSEJOB");
    EXPECT_TRUE(hint->isVisible());
}
