// Undo and redo of the job's changes, and the keys of the menu commands, on
// the real window.

#include "app/JobHistory.h"
#include "common/MainWindowFixture.h"
#include "common/ModalDialog.h"
#include "common/TestEnv.h"
#include "model/Job.h"

#include <QApplication>
#include <QLineEdit>
#include <QMenuBar>
#include <QRadioButton>
#include <QTest>

namespace {

QString pageShown(TFormMAIN& main)
{
    return child<QLineEdit>(main, "EditPAGENUM")->text();
}

void press(TFormMAIN& main, QKeySequence keys)
{
    QTest::keySequence(&main, keys);
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(MainWindowTest, UndoAndRedoFollowTheChangesAndTheSavedJob)
{
    const QString a = writeData("a.txt", 4);
    const QString b = writeData("b.txt", 9);
    const QString job = writeJob(path("j.GVJ"), 2, 2, a);
    TFormMAIN& main = start({job});
    EXPECT_FALSE(actionEnabled("Edit1", "Undo1"));
    EXPECT_FALSE(actionEnabled("Edit1", "Redo1"));
    const auto dataNow = [&main] { return main.job().DATAINFO()->FULLFILENAME; };

    dialogs.answerFile(b);
    trigger("OPENDATA");
    trigger("CLOSEDATA");
    typeInto("EditStartLabNum", QStringLiteral("3")); // not a change to undo
    trigger("Savejob");
    const QByteArray saved = readFileBytes(job);
    EXPECT_FALSE(main.job().ALTERED());

    trigger("Undo1"); // the data file b again, read, the start kept
    EXPECT_EQ(dataNow(), b);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 9);
    EXPECT_EQ(main.job().DATAINFO()->STARTLABNUM, 3);
    EXPECT_TRUE(main.job().ALTERED());
    trigger("Undo1");
    EXPECT_EQ(dataNow(), a);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 4);
    EXPECT_FALSE(actionEnabled("Edit1", "Undo1"));
    EXPECT_EQ(readFileBytes(job), saved); // the file is as saved
    trigger("Redo1");
    trigger("Redo1"); // back where it was saved
    EXPECT_TRUE(dataNow().isEmpty());
    EXPECT_FALSE(main.job().ALTERED());
    EXPECT_FALSE(actionEnabled("Edit1", "Redo1"));

    // A change after an undo lets the undone one go.
    trigger("Undo1");
    dialogs.answerFile(a);
    trigger("OPENDATA");
    EXPECT_FALSE(actionEnabled("Edit1", "Redo1"));
    trigger("Undo1");
    EXPECT_EQ(dataNow(), b);
    trigger("Savejob");
    trigger("Undo1");
    trigger("Redo1");
    EXPECT_FALSE(main.job().ALTERED());

    // The code chosen in the format dialog comes and goes with its change.
    whenModal([](QWidget& d) {
        ::child<QRadioButton>(d, "RadioButtonCode")->click();
        paste(d, "EditCodeText", "X{1}");
        click(d, "ButtonOK");
    });
    trigger("FORMATLABELS");
    trigger("Undo1");
    EXPECT_TRUE(main.job().JOBINFO()->CodeText.isEmpty());
    trigger("Redo1");
    EXPECT_EQ(main.job().JOBINFO()->CodeText, "X{1}");

    // Another job leaves nothing to undo.
    messages.answer(MsgAnswer::No);
    trigger("CLOSEJOB");
    EXPECT_FALSE(actionEnabled("Edit1", "Undo1"));
    EXPECT_FALSE(main.job().ALTERED());
}

TEST_F(MainWindowTest, UndoPutsTheTemplateBackAndMarksItAgainstItsFile)
{
    TFormMAIN& main = start();
    const int emptyWidth = main.preview().pageBitmap().width();
    whenModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    trigger("NEWTEMPLATE");
    ASSERT_TRUE(main.job().TEMPLATEEXISTS());
    trigger("Undo1");
    EXPECT_FALSE(main.job().TEMPLATEEXISTS());
    EXPECT_FALSE(main.job().ALTERED()); // as the program started
    EXPECT_EQ(main.preview().pageBitmap().width(), emptyWidth);
    trigger("Redo1");
    EXPECT_TRUE(main.job().TEMPLATEEXISTS());
    EXPECT_TRUE(main.job().TEMPLATE()->ALTERED);

    dialogs.answerFile(path("t.GVT"));
    trigger("SAVETEMPLATEAS");
    EXPECT_FALSE(main.job().TEMPLATE()->ALTERED);
    trigger("Undo1"); // differs from the template file now
    EXPECT_TRUE(main.job().TEMPLATE()->ALTERED);
    trigger("Redo1");
    EXPECT_FALSE(main.job().TEMPLATE()->ALTERED);
    EXPECT_EQ(main.job().TEMPLATE()->FULLFILENAME, path("t.GVT"));
}

TEST_F(MainWindowTest, MenuCommandsHaveTheDesktopsKeys)
{
    const QString job = writeJob(path("j.GVJ"), 2, 2, writeData("a.txt", 13));
    TFormMAIN& main = start();
    const struct {
        const char* action;
        QKeySequence::StandardKey key;
    } standard[] = {
        {"Openjob", QKeySequence::Open},
        {"Savejob", QKeySequence::Save},
        {"PRINTJOB", QKeySequence::Print},
        {"CLOSEJOB", QKeySequence::Close},
        {"Undo1", QKeySequence::Undo},
        {"Redo1", QKeySequence::Redo},
        {"Zoomin1", QKeySequence::ZoomIn},
        {"Zoomout1", QKeySequence::ZoomOut},
        {"Firstpage1", QKeySequence::MoveToStartOfDocument},
        {"Lastpage1", QKeySequence::MoveToEndOfDocument},
    };
    for (const auto& s : standard)
        EXPECT_EQ(main.findChild<QAction*>(QString::fromLatin1(s.action))->shortcuts(),
                  QKeySequence::keyBindings(s.key))
            << s.action;
    // Every command has its own keys, none a menu's Alt key and none a key
    // that the page box or the page takes without Ctrl.
    const QList<Qt::Key> boxKeys = {Qt::Key_Up,   Qt::Key_Down, Qt::Key_PageUp, Qt::Key_PageDown,
                                    Qt::Key_Home, Qt::Key_End,  Qt::Key_Return};
    QList<QKeySequence> taken;
    for (QAction* action : main.findChildren<QAction*>())
        for (const QKeySequence& keys : action->shortcuts()) {
            const std::string shown = keys.toString().toStdString();
            EXPECT_FALSE(taken.contains(keys)) << shown;
            taken << keys;
            const QKeyCombination first = keys[0];
            const Qt::KeyboardModifiers mods = first.keyboardModifiers();
            EXPECT_FALSE(mods == Qt::AltModifier && first.key() >= Qt::Key_A && first.key() <= Qt::Key_Z) << shown;
            EXPECT_FALSE(!(mods & Qt::ControlModifier) && boxKeys.contains(first.key())) << shown;
        }
    for (const char* name : {"SAVEJOBAS", "Exit1", "Instructions1", "Nextpage1", "Previouspage1"})
        EXPECT_FALSE(main.findChild<QAction*>(QString::fromLatin1(name))->shortcut().isEmpty()) << name;
    EXPECT_EQ(main.findChild<QAction*>(QStringLiteral("Exit1"))->text(), QStringLiteral("E&xit"));
    // The Edit menu sits between File and Template.
    const QList<QAction*> menus = main.menuBar()->actions();
    ASSERT_GE(menus.size(), 3);
    EXPECT_EQ(menus.at(1)->menu()->objectName(), QStringLiteral("Edit1"));
    EXPECT_EQ(menus.at(1)->text(), QStringLiteral("&Edit"));

    // Pressed on the window, as the user does.
    QApplication::setActiveWindow(&main);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&main));
    main.setFocus();
    // Keys reach commands whose menus were never opened since the job came.
    dialogs.answerFile(job);
    press(main, QKeySequence::keyBindings(QKeySequence::Open).constFirst());
    ASSERT_EQ(main.JOBFILENAME(), job);
    press(main, QKeySequence(Qt::CTRL | Qt::Key_PageDown));
    EXPECT_EQ(pageShown(main), "2");
    press(main, QKeySequence::keyBindings(QKeySequence::MoveToEndOfDocument).constFirst());
    EXPECT_EQ(pageShown(main), "4");
    press(main, QKeySequence(Qt::CTRL | Qt::Key_PageUp));
    EXPECT_EQ(pageShown(main), "3");
    press(main, QKeySequence::keyBindings(QKeySequence::MoveToStartOfDocument).constFirst());
    EXPECT_EQ(pageShown(main), "1");
    const double scale = main.preview().previewScale();
    press(main, QKeySequence::keyBindings(QKeySequence::ZoomOut).constFirst());
    EXPECT_DOUBLE_EQ(main.preview().previewScale(), scale - 0.1);
    press(main, QKeySequence::keyBindings(QKeySequence::ZoomIn).constFirst());
    EXPECT_DOUBLE_EQ(main.preview().previewScale(), scale);

    trigger("CLOSEDATA");
    press(main, QKeySequence::keyBindings(QKeySequence::Undo).constFirst());
    EXPECT_FALSE(main.job().DATAINFO()->FULLFILENAME.isEmpty());
    // In the start box the keys undo the typing, not the job.
    typeInto("EditStartLabNum", QStringLiteral("2"));
    QTest::keySequence(child<QLineEdit>("EditStartLabNum"), QKeySequence::keyBindings(QKeySequence::Undo).constFirst());
    EXPECT_EQ(child<QLineEdit>("EditStartLabNum")->text(), "1");
    EXPECT_TRUE(actionEnabled("Edit1", "Redo1"));
    press(main, QKeySequence::keyBindings(QKeySequence::Close).constFirst());
    EXPECT_TRUE(main.JOBFILENAME().isEmpty());
}
