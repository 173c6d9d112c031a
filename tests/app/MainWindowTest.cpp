#include "common/MainWindowFixture.h"

#include "app/ProgramWindows.h"
#include "common/TestEnv.h"
#include "model/Units.h"
#include "settings/RegistryStore.h"
#include "support/Messages.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScreen>
#include <QTest>
#include <QToolButton>
#include <QWindow>

TEST_F(MainWindowTest, MenusFollowTheJob)
{
    TFormMAIN& main = start();
    EXPECT_EQ(main.windowTitle(), QStringLiteral("Gorvin"));
    // An empty job: only the commands that need nothing.
    EXPECT_TRUE(actionEnabled("File1", "Openjob"));
    EXPECT_FALSE(actionEnabled("File1", "Savejob"));
    EXPECT_FALSE(actionEnabled("File1", "SAVEJOBAS"));
    EXPECT_FALSE(actionEnabled("File1", "PRINTJOB"));
    EXPECT_FALSE(actionEnabled("File1", "REOPENJOB"));
    EXPECT_TRUE(actionEnabled("Template1", "NEWTEMPLATE"));
    EXPECT_FALSE(actionEnabled("Template1", "Editlayout1"));
    EXPECT_FALSE(actionEnabled("Data1", "OPENDATA"));
    EXPECT_FALSE(actionEnabled("Data1", "CLOSEDATA"));

    const QString data = writeData("data.txt", 10);
    const QString job = writeJob(path("a.GVJ"), 3, 7, data);
    ASSERT_TRUE(main.controller().FNOPENJOB(job));
    EXPECT_TRUE(actionEnabled("File1", "Savejob"));
    EXPECT_TRUE(actionEnabled("File1", "PRINTJOB"));
    EXPECT_TRUE(actionEnabled("Template1", "SAVETEMPLATEAS"));
    EXPECT_TRUE(actionEnabled("Data1", "OPENDATA"));
    EXPECT_TRUE(actionEnabled("Data1", "CLOSEDATA"));
    EXPECT_FALSE(actionEnabled("Data1", "REOPENDATA"));
    EXPECT_EQ(child<QLabel>("StatusBarJOBFILENAME")->text().right(5), QStringLiteral("a.GVJ"));
}

TEST_F(MainWindowTest, PageBox)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 20)); // 5 pages
    TFormMAIN& main = start({job});
    auto* page = child<QLineEdit>("EditPAGENUM");
    EXPECT_EQ(page->text(), QStringLiteral("1"));

    typeInto("EditPAGENUM", QStringLiteral("3"));
    EXPECT_EQ(main.preview().pageIndex(), 2);

    typeInto("EditPAGENUM", QStringLiteral("abc"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("abc is not a valid value."));
    EXPECT_EQ(messages.shown.last().sign, MsgSign::Error);
    EXPECT_EQ(page->text(), QStringLiteral("3"));

    typeInto("EditPAGENUM", QStringLiteral("-2"));
    EXPECT_EQ(main.preview().pageIndex(), 1);
    EXPECT_EQ(page->text(), QStringLiteral("2"));

    const int shown = static_cast<int>(messages.shown.size());
    typeInto("EditPAGENUM", QStringLiteral("9"));
    EXPECT_EQ(page->text(), QStringLiteral("2")); // beyond the last page: no message
    EXPECT_EQ(messages.shown.size(), shown);

    typeInto("EditPAGENUM", QString());
    EXPECT_EQ(page->text(), QString());
    EXPECT_EQ(main.preview().pageIndex(), 0);
    leave("EditPAGENUM");
    EXPECT_EQ(page->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, SpinnerRunsWithoutDrawingAndDrawsOnRelease)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 20)); // 5 pages
    TFormMAIN& main = start({job});
    auto* down = child<QToolButton>("UpDownPAGENUMDown");
    auto* up = child<QToolButton>("UpDownPAGENUMUp");
    const int before = main.preview().refreshCount();
    for (int i = 0; i < 8; ++i) // the auto-repeat of a held arrow
        emit down->clicked();
    EXPECT_EQ(child<QLineEdit>("EditPAGENUM")->text(), QStringLiteral("5"));
    EXPECT_EQ(main.preview().pageIndex(), 4);
    EXPECT_EQ(main.preview().refreshCount(), before);
    QTest::mouseRelease(down, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(main.preview().refreshCount(), before + 1);

    emit up->clicked(); // the upper arrow goes one page back
    EXPECT_EQ(main.preview().pageIndex(), 3);
    for (int i = 0; i < 6; ++i)
        emit up->clicked();
    EXPECT_EQ(child<QLineEdit>("EditPAGENUM")->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, SpinnerWithoutDataStaysOnPageOne)
{
    start();
    emit child<QToolButton>("UpDownPAGENUMDown")->clicked();
    emit child<QToolButton>("UpDownPAGENUMUp")->clicked();
    EXPECT_EQ(child<QLineEdit>("EditPAGENUM")->text(), QStringLiteral("1"));
}

TEST_F(MainWindowTest, StartBoxOnAThreeBySevenSheet)
{
    const QString job = writeJob(path("a.GVJ"), 3, 7, writeData("data.txt", 30));
    TFormMAIN& main = start({job});
    auto* box = child<QLineEdit>("EditStartLabNum");
    EXPECT_EQ(box->text(), QStringLiteral("1"));

    int before = main.preview().refreshCount();
    typeInto("EditStartLabNum", QStringLiteral("5"));
    EXPECT_EQ(main.job().DATAINFO()->STARTLABNUM, 5);
    EXPECT_GT(main.preview().refreshCount(), before); // drawn at once

    typeInto("EditStartLabNum", QStringLiteral("25"));
    EXPECT_EQ(main.job().DATAINFO()->STARTLABNUM, 5); // not stored while out of range
    leave("EditStartLabNum");
    EXPECT_EQ(box->text(), QStringLiteral("21"));
    EXPECT_EQ(main.job().DATAINFO()->STARTLABNUM, 21);

    for (const char* typed : {"0", "x"}) {
        typeInto("EditStartLabNum", QString::fromLatin1(typed));
        leave("EditStartLabNum");
        EXPECT_EQ(box->text(), QStringLiteral("1")) << typed;
        EXPECT_EQ(main.job().DATAINFO()->STARTLABNUM, 1);
    }

    typeInto("EditRepeatLabelNum", QStringLiteral("-3"));
    leave("EditRepeatLabelNum");
    EXPECT_EQ(main.job().DATAINFO()->RepeatLabelNum, 3);
    EXPECT_EQ(main.job().PAGECOUNT(), 5); // 90 slots on sheets of 21
}

TEST_F(MainWindowTest, CommandLineJobFromSplitParameters)
{
    QDir(dir.path()).mkpath(QStringLiteral("My Jobs"));
    const QString job = writeJob(path("My Jobs/a b.GVJ"), 2, 2, QString());
    const QStringList split = QString(job).split(QLatin1Char(' '));
    ASSERT_EQ(split.size(), 3);
    TFormMAIN& main = start(split);
    EXPECT_EQ(main.JOBFILENAME(), job);
}

TEST_F(MainWindowTest, CommandLineOpensLockedJobsAndTakesSwitches)
{
    // A locked job, as the desktop entry offers one, opens as a job.
    const QString locked = writeJob(path("a.GVL"), 2, 2, QString());
    start({locked});
    EXPECT_EQ(main_->JOBFILENAME(), locked);
    EXPECT_TRUE(main_->job().TEMPLATEEXISTS());

    TJOB sheet;
    sheet.MAKENEWTEMPLATE(210000, 297000);
    sheet.TEMPLATE()->NUMACROSS = 3;
    {
        ScriptedMessages quiet;
        ASSERT_TRUE(sheet.SAVETEMPLATETOFILE(path("x.GVT")));
    }
    const QString data = writeData("y.TXT", 4);
    for (const QStringList& args :
         {QStringList{"/t=" + path("x.GVT"), "/d=" + data}, QStringList{"/D=" + data, "/T=" + path("x.GVT")}}) {
        start(args);
        EXPECT_EQ(main_->job().TEMPLATE()->FULLFILENAME, path("x.GVT"));
        EXPECT_EQ(main_->job().DATAINFO()->FULLFILENAME, data);
        EXPECT_EQ(main_->job().DATAINFO()->labelsInIndex(), 4);
    }
    start({"/T=" + path("x.GVT")}); // a template alone opens nothing, and says so
    EXPECT_FALSE(main_->job().TEMPLATEEXISTS());
    EXPECT_TRUE(lastPlain().startsWith(QStringLiteral("The template '") + path("x.GVT")));

    const QString job = writeJob(path("j.GVJ"), 2, 5, QString());
    start({job, "/T=" + path("x.GVT"), "/D=" + data}); // the job wins
    EXPECT_EQ(main_->JOBFILENAME(), job);
    EXPECT_EQ(main_->job().TEMPLATE()->NUMDOWN, 5);
}

TEST_F(MainWindowTest, SettingsWrittenAtExitApplyAtTheNextStart)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 5));
    TFormMAIN& main = start({job});
    main.preview().setPreviewScale(0.5);
    CurrentUnit = UnitInch;
    ASSERT_TRUE(closeMain());
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Settings"), QStringLiteral("Units"), {}), QStringLiteral("inches"));
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Files\\Current"), QStringLiteral("Job"), {}), job);
    EXPECT_FALSE(FNREGREADSTRING(QStringLiteral("Files"), QStringLiteral("AppLocation"), {}).isEmpty());
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("DeskTop\\FormMAIN"), QStringLiteral("FirstTime"), {}),
              QStringLiteral("False"));

    CurrentUnit = UnitMm;
    TFormMAIN& again = start();
    EXPECT_EQ(again.preview().previewScale(), 0.5);
    EXPECT_EQ(CurrentUnit, UnitInch);
    EXPECT_EQ(again.JOBFILENAME(), job); // the last job reopened
    EXPECT_EQ(again.preview().pageBitmap().width(), qRound(FNMUTOSCREENPIXELS(210000) * 0.5));
}

TEST_F(MainWindowTest, WindowStoredOffScreenComesBackCentred)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    FNREGWRITESTRING(QStringLiteral("DeskTop\\FormMAIN"), QStringLiteral("Left"), QString::number(-5000));
    FNREGWRITESTRING(QStringLiteral("DeskTop\\FormMAIN"), QStringLiteral("Top"), QStringLiteral("40"));
    FNREGWRITESTRING(QStringLiteral("DeskTop\\FormMAIN"), QStringLiteral("Width"), QStringLiteral("600"));
    FNREGWRITESTRING(QStringLiteral("DeskTop\\FormMAIN"), QStringLiteral("Height"), QStringLiteral("400"));
    FNREGWRITESTRING(QStringLiteral("DeskTop\\FormMAIN"), QStringLiteral("FirstTime"), QStringLiteral("False"));
    TFormMAIN& main = start();
    const QRect g = main.geometry();
    EXPECT_EQ(g.size(), QSize(600, 400));
    EXPECT_EQ(g.left(), screen.left() + (screen.width() - 600) / 2);
    EXPECT_TRUE(screen.contains(g));
}

TEST_F(MainWindowTest, AlteredJobAskedAtCloseAndCancelKeepsRunning)
{
    TFormMAIN& main = start();
    main.job().MAKENEWTEMPLATE(210000, 297000);
    messages.answer(MsgAnswer::Cancel); // "Save current template first?"
    EXPECT_FALSE(closeMain());
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Save current template first?")});
    EXPECT_TRUE(FNREGREADSTRING(QStringLiteral("Files"), QStringLiteral("AppLocation"), {}).isEmpty());
    messages.answer(MsgAnswer::No);
    messages.answer(MsgAnswer::No);
    EXPECT_TRUE(closeMain());
}

TEST_F(MainWindowTest, LongPathsAreShortenedWithTheirToolTip)
{
    QDir(dir.path()).mkpath(QStringLiteral("a very long folder name/another long folder name/and yet another one"));
    const QString job = writeJob(path("a very long folder name/another long folder name/and yet another one/job.GVJ"),
                                 2, 2, QString());
    TFormMAIN& main = start({job});
    main.resize(500, 400);
    QCoreApplication::processEvents();
    main.PanelJOBNAMEResize();
    auto* bar = child<QLabel>("StatusBarJOBFILENAME");
    EXPECT_NE(bar->text(), job);
    EXPECT_TRUE(bar->text().endsWith(QStringLiteral("/job.GVJ")));
    EXPECT_TRUE(bar->text().contains(QStringLiteral("...")));
    EXPECT_EQ(bar->toolTip(), job);
}

// The title names the job's file with the desktop's changed mark while it has
// unsaved changes; the status line counts its labels and pages.
TEST_F(MainWindowTest, TitleAndStatusLineFollowTheJob)
{
    TFormMAIN& main = start();
    auto* count = child<QLabel>("LabelJOBCOUNT");
    const auto shown = [&main] { return main.windowHandle()->title(); };
    EXPECT_EQ(shown(), QStringLiteral("Gorvin"));
    EXPECT_TRUE(count->text().isEmpty());
    // Every window bears the program's icon.
    const QImage icon = programIcon().pixmap(32).toImage();
    ASSERT_FALSE(icon.isNull());
    EXPECT_EQ(main.windowIcon().pixmap(32).toImage(), icon);
    for (const auto& window : others_)
        EXPECT_EQ(window->windowIcon().pixmap(32).toImage(), icon) << window->objectName().toStdString();

    const QString job = writeJob(path("address labels.GVJ"), 3, 7, writeData("data.txt", 50));
    dialogs.answerFile(job);
    trigger("Openjob");
    EXPECT_EQ(shown(), QStringLiteral("address labels.GVJ — Gorvin"));
    EXPECT_EQ(count->text(), QStringLiteral("50 labels on 3 pages"));

    typeInto("EditRepeatLabelNum", QStringLiteral("2"));
    leave("EditRepeatLabelNum");
    EXPECT_EQ(count->text(), QStringLiteral("100 labels on 5 pages"));

    trigger("CLOSEDATA");
    EXPECT_EQ(shown(), QStringLiteral("address labels.GVJ* — Gorvin"));
    EXPECT_TRUE(count->text().isEmpty());
    trigger("Savejob");
    EXPECT_EQ(shown(), QStringLiteral("address labels.GVJ — Gorvin"));

    trigger("CLOSEJOB");
    EXPECT_EQ(shown(), QStringLiteral("Gorvin"));
    main.controller().newTemplate(210000, 297000);
    EXPECT_EQ(shown(), QStringLiteral("Untitled* — Gorvin"));
    messages.answer(MsgAnswer::No); // "Save current template first?"
    messages.answer(MsgAnswer::No); // "Save current job first?"
    trigger("CLOSEJOB");
    EXPECT_EQ(shown(), QStringLiteral("Gorvin"));
    EXPECT_EQ(messages.texts().size(), 2);

    // A name holding the mark's own characters shows them as they are.
    dialogs.answerFile(writeJob(path("draft [*].GVJ"), 3, 7, QString()));
    trigger("Openjob");
    EXPECT_EQ(shown(), QStringLiteral("draft [*].GVJ — Gorvin"));
}

TEST(MainWindowTexts, LabelsAndPagesAreCountedInTheLocalesDigits)
{
    const QLocale saved, english(QLocale::English, QLocale::UnitedStates);
    const std::tuple<QLocale, qint64, qint64, const char*> cases[] = {
        {english, 2316, 78, "2,316 labels on 78 pages"},
        {QLocale(QLocale::German), 2316, 78, "2.316 labels on 78 pages"},
        {english, 1, 1, "1 label on 1 page"},
        {english, 1, 2, "1 label on 2 pages"},
        {english, 21, 1, "21 labels on 1 page"}};
    for (const auto& [locale, labels, pages, shown] : cases) {
        QLocale::setDefault(locale);
        EXPECT_EQ(Messages::labelsOnPages(labels, pages), QString::fromUtf8(shown));
    }
    QLocale::setDefault(saved);
}
