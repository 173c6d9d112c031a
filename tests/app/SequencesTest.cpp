// Everyday sequences on the real main window, each crossing several commands:
// quitting with other windows open, files whose names differ only in letter
// case, saving under a typed lower-case extension, reloading after a change,
// a new template over a changed one, and what the command line opens.

#include "MainWindowFixture.h"

#include "app/ProgramWindows.h"
#include "common/TestEnv.h"
#include "dialogs/FormABOUT.h"
#include "settings/RegistryStore.h"
#include "support/Dialogs.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <functional>

namespace {

class TSequencesTest : public TMainWindowTest {};

QWidget* topLevel(const char* name)
{
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String(name))
            return w;
    return nullptr;
}

// Runs `act` on the next modal dialog once it shows.
void whenModal(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            act(dialog);
    });
}

// Runs the desktop program as its entry point does. `act` is called once,
// on the main window, when the message loop runs; `splash` keeps the
// start-up splash up until then, otherwise it is ended at once. The result
// is the program's, or -1 when it did not end after its main window closed.
int runProgram(bool splash, const std::function<void(TFormMAIN&)>& act)
{
    bool splashHandled = false, acted = false, hung = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* about = qobject_cast<TFormABOUT*>(topLevel("FormABOUT"));
        auto* main = qobject_cast<TFormMAIN*>(topLevel("FormMAIN"));
        if (!splashHandled && about && main) {
            splashHandled = true;
            if (splash) { // neither timer fires: the splash stays
                about->findChild<QTimer*>(QStringLiteral("TimerCLOSE"))->stop();
                main->splashTimer()->stop();
            } else {
                about->splashCloser().aboutTimerFired();
                about->splashCloser().mainTimerFired();
            }
        }
        if (!acted && main && main->isVisible() && QThread::currentThread()->loopLevel() >= 1) {
            acted = true;
            act(*main);
        }
    });
    poll.start(10);
    // Not a time limit on anything: only a way out of a program that would
    // otherwise never end, so that the failure is told.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [&] {
        hung = true;
        for (QWidget* w : QApplication::topLevelWidgets())
            w->hide();
        QCoreApplication::exit(1);
    });
    guard.start(60000);
    const int result = RunDesktopProgram({});
    return hung || !acted ? -1 : result;
}

// The title-bar close: the window system's close request to the window.
void closeFromTitleBar(QWidget& window)
{
    QCloseEvent event;
    QCoreApplication::sendEvent(window.windowHandle(), &event);
}

QString writeTemplate(const QString& path, int across)
{
    TScriptedMessages quiet;
    TJOB sheet;
    sheet.MAKENEWTEMPLATE(210000, 297000);
    sheet.TEMPLATE()->NUMACROSS = across;
    EXPECT_TRUE(sheet.SAVETEMPLATETOFILE(path));
    return path;
}

} // namespace

TEST_F(TSequencesTest, ProgramEndsWhenTheMainWindowClosesWhateverElseIsOpen)
{
    const QString rtf = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) + u'/'
        + QStringLiteral("Gorvin02Instructions.rtf");
    enum TOther { Splash, PlainHelp, FormattedHelp };
    for (TOther other : {Splash, PlainHelp, FormattedHelp}) {
        for (bool titleBar : {false, true}) {
            SCOPED_TRACE(testing::Message() << "other window " << other << ", title bar " << titleBar);
            FNREGWRITESTRING(QStringLiteral("Files"), QStringLiteral("AppLocation"), QString());
            if (other == FormattedHelp)
                WriteFile(rtf, "{\\rtf1\\ansi Instructions\\par}");
            const char* otherName = other == Splash ? "FormABOUT" : other == PlainHelp ? "FormHELP" : "FormRTFHelp";
            bool otherShown = false;
            const int result = runProgram(other == Splash, [&](TFormMAIN& main) {
                if (other != Splash)
                    main.findChild<QAction*>(QStringLiteral("Instructions1"))->trigger();
                otherShown = topLevel(otherName) && topLevel(otherName)->isVisible();
                if (titleBar)
                    closeFromTitleBar(main);
                else
                    main.findChild<QAction*>(QStringLiteral("Exit1"))->trigger();
            });
            QFile::remove(rtf);
            EXPECT_TRUE(otherShown);
            EXPECT_EQ(result, 0);
            // The state was saved as the window closed.
            EXPECT_FALSE(FNREGREADSTRING(QStringLiteral("Files"), QStringLiteral("AppLocation"), {}).isEmpty());
            for (QWidget* w : QApplication::topLevelWidgets())
                EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
        }
    }
}

TEST_F(TSequencesTest, NamesDifferingOnlyInCaseAreDifferentFiles)
{
    const QString upper = writeJob(path("Case.GVJ"), 3, 7, QString());
    const QString lower = writeJob(path("case.GVJ"), 2, 2, QString());
    const QByteArray upperBytes = ReadFileBytes(upper);
    TFormMAIN& main = start({upper});
    dialogs.answerFile(lower);
    trigger("Openjob");
    EXPECT_EQ(main.JOBFILENAME(), lower);
    EXPECT_TRUE(child<QLabel>("StatusBarJOBFILENAME")->text().endsWith(QStringLiteral("/case.GVJ")));
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), QStringList{upper});
    main.job().TEMPLATE()->NUMDOWN = 9;
    main.job().setALTERED(true);
    trigger("Savejob");
    EXPECT_EQ(ReadFileBytes(upper), upperBytes);
    ASSERT_TRUE(main.FNOPENJOB(lower));
    EXPECT_EQ(main.job().TEMPLATE()->NUMDOWN, 9);

    // Templates and data files: each name its own file and its own entry.
    const QString sheetUpper = writeTemplate(path("Sheet.GVT"), 3);
    const QString sheetLower = writeTemplate(path("sheet.GVT"), 4);
    for (const QString& t : {sheetUpper, sheetLower}) {
        dialogs.answerFile(t);
        trigger("OPENTEMPLATE");
    }
    EXPECT_EQ(main.job().TEMPLATE()->FULLFILENAME, sheetLower);
    EXPECT_EQ(main.job().TEMPLATE()->NUMACROSS, 4);
    dialogs.answerFile(writeTemplate(path("other.GVT"), 2));
    trigger("OPENTEMPLATE");
    EXPECT_EQ(main.reopenEntries(main.reopenTemplateMenu()), (QStringList{sheetLower, sheetUpper}));
    const QString dataUpper = writeData("Data.txt", 3);
    const QString dataLower = writeData("data.txt", 5);
    for (const QString& d : {dataUpper, dataLower}) {
        dialogs.answerFile(d);
        trigger("OPENDATA");
    }
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 5);
    dialogs.answerFile(writeData("other.txt", 1));
    trigger("OPENDATA");
    EXPECT_EQ(main.reopenEntries(main.reopenDataMenu()), (QStringList{dataLower, dataUpper}));
}

TEST_F(TSequencesTest, SaveAsWithALowerCaseExtensionAsksBeforeReplacing)
{
    const QString keep = writeJob(path("keep.GVJ"), 3, 7, QString());
    const QByteArray kept = ReadFileBytes(keep);
    const QString job = writeJob(path("a.GVJ"), 2, 2, QString());
    TFormMAIN& main = start({job});
    // The program's own file dialog, the name typed as a user does.
    TQtDialogSeam qtDialogs;
    TScopedDialogSeam realDialogs(qtDialogs);
    const QString question = QStringLiteral("Overwrite '") + keep + QStringLiteral("' ?");
    for (MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
        whenModal([](QWidget* dialog) {
            auto* fileDialog = qobject_cast<QFileDialog*>(dialog);
            ASSERT_NE(fileDialog, nullptr);
            // Once the folder is read the offered name is selected; then the
            // user types over it.
            auto* list = fileDialog->findChild<QAbstractItemView*>(QStringLiteral("listView"));
            auto* name = fileDialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_TRUE(list && name);
            EXPECT_TRUE(QTest::qWaitFor([list] { return list->selectionModel()->hasSelection(); }));
            list->clearSelection();
            name->setFocus();
            name->setText(QStringLiteral("keep.gvj"));
            QTest::keyClick(name, Qt::Key_Return);
        });
        messages.shown.clear();
        messages.answer(answer);
        trigger("SAVEJOBAS");
        EXPECT_EQ(messages.texts(), QStringList{question});
        EXPECT_TRUE(messages.shown.empty() || messages.shown.last().buttons == MsgButtons::YesNo);
        EXPECT_FALSE(QFile::exists(path("keep.gvj")));
        if (answer == MsgAnswer::No) {
            EXPECT_EQ(ReadFileBytes(keep), kept);
            EXPECT_EQ(main.JOBFILENAME(), job);
        }
    }
    EXPECT_NE(ReadFileBytes(keep), kept);
    EXPECT_EQ(main.JOBFILENAME(), keep);
    EXPECT_TRUE(child<QLabel>("StatusBarJOBFILENAME")->text().endsWith(QStringLiteral("/keep.GVJ")));
    ASSERT_TRUE(closeMain());
    EXPECT_EQ(start().JOBFILENAME(), keep); // the file written is the one reopened

    // The same for templates, through the scripted dialog.
    const QString sheet = writeTemplate(path("sheet.GVT"), 4);
    const QByteArray sheetBytes = ReadFileBytes(sheet);
    TScopedDialogSeam scripted(dialogs);
    dialogs.answerFile(path("sheet.gvt"));
    messages.shown.clear();
    messages.answer(MsgAnswer::No);
    trigger("SAVETEMPLATEAS");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Overwrite '") + sheet + QStringLiteral("' ?")});
    EXPECT_EQ(ReadFileBytes(sheet), sheetBytes);
}

TEST_F(TSequencesTest, ReloadingTheSameDataKeepsTheChangeMark)
{
    const QString data = writeData("data.txt", 6);
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, data)});
    ASSERT_FALSE(main.job().ALTERED());
    whenModal([](QWidget* dialog) { dialog->findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click(); });
    trigger("FORMATLABELS");
    ASSERT_TRUE(main.job().ALTERED());
    child<QPushButton>("ButtonRELOADDATA")->click();
    dialogs.answerFile(data);
    trigger("OPENDATA");
    messages.answer(MsgAnswer::Cancel);
    trigger("CLOSEJOB");
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Save current job first?")});
    EXPECT_EQ(main.JOBFILENAME(), path("a.GVJ")); // cancelled: the job stays
}

TEST_F(TSequencesTest, NewTemplateOffersToSaveTheChangedOne)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 3, 7, QString())});
    int papers = 0;
    auto pressOk = [&papers](QWidget* dialog) {
        ++papers;
        QTest::keyClick(dialog, Qt::Key_Return);
    };
    whenModal(pressOk);
    trigger("NEWTEMPLATE"); // an unaltered template is replaced without a question
    EXPECT_TRUE(messages.texts().isEmpty());
    main.job().TEMPLATE()->NUMACROSS = 5; // as the layout dialog changes it
    main.job().TEMPLATE()->ALTERED = true;

    messages.answer(MsgAnswer::Cancel);
    whenModal(pressOk);
    trigger("NEWTEMPLATE");
    QCoreApplication::processEvents(); // no paper dialog: nothing for pressOk
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Save current template first?")});
    EXPECT_EQ(papers, 1); // cancelled before the paper dialog
    EXPECT_EQ(main.job().TEMPLATE()->NUMACROSS, 5);

    messages.answer(MsgAnswer::No);
    whenModal(pressOk);
    trigger("NEWTEMPLATE");
    EXPECT_EQ(papers, 2);
    EXPECT_EQ(main.job().TEMPLATE()->NUMACROSS, 1);
}

TEST_F(TSequencesTest, CommandLineNamesAreAbsoluteAndOpenWhatTheDesktopOffers)
{
    const QString job = writeJob(path("a.GVJ"), 2, 5, QString());
    const QString data = writeData("y.txt", 4);
    writeTemplate(path("x.GVT"), 3);
    const QString before = QDir::currentPath();
    QDir::setCurrent(dir.path());
    start({QStringLiteral("a.GVJ")});
    EXPECT_EQ(main_->JOBFILENAME(), job);
    ASSERT_TRUE(closeMain());
    start({QStringLiteral("/T=x.GVT"), QStringLiteral("/D=y.txt")});
    EXPECT_EQ(main_->job().TEMPLATE()->FULLFILENAME, path("x.GVT"));
    EXPECT_EQ(main_->job().DATAINFO()->FULLFILENAME, data);
    QDir::setCurrent(before);
    main_.reset();
    EXPECT_EQ(start().JOBFILENAME(), job); // reopened from another folder
    EXPECT_EQ(main_->job().TEMPLATE()->NUMDOWN, 5);

    // A template, locked or not, opens as the template of a new job.
    QFile::copy(path("x.GVT"), path("locked.gvr"));
    for (const QString& t : {path("x.GVT"), path("locked.gvr")}) {
        start({t});
        EXPECT_TRUE(main_->JOBFILENAME().isEmpty()) << t.toStdString();
        EXPECT_EQ(main_->job().TEMPLATE()->FULLFILENAME, t);
        EXPECT_EQ(main_->job().TEMPLATE()->NUMACROSS, 3);
    }
}
