#include "common/MainWindowFixture.h"

#include "app/ProgramWindows.h"
#include "common/ModalDialog.h"
#include "common/SampleSheet.h"
#include "common/TestEnv.h"
#include "model/Job.h"
#include "model/Units.h"

#include <QLineEdit>
#include <QMenu>
#include <QTest>

void MainWindowTest::SetUp()
{
    clearSettingsStore();
    CurrentUnit = UnitMm;
}

void MainWindowTest::TearDown()
{
    closeModals();
    main_.reset();
    others_.clear();
}

TFormMAIN& MainWindowTest::start(const QStringList& commandLine)
{
    main_.reset();
    others_.clear();
    main_ = std::make_unique<TFormMAIN>(commandLine);
    others_ = createProgramWindows(*main_);
    main_->show();
    QCoreApplication::processEvents();
    return *main_;
}

bool MainWindowTest::closeMain()
{
    const bool closed = main_->close();
    QCoreApplication::processEvents();
    return closed;
}

QString MainWindowTest::path(const QString& name) const
{
    return dir.filePath(name);
}

QString MainWindowTest::writeData(const char* name, int labels, int lines)
{
    QByteArray bytes;
    for (int i = 0; i < labels; ++i) {
        for (int l = 0; l < lines; ++l)
            bytes += QByteArray("Label ") + QByteArray::number(i + 1) + " line " + QByteArray::number(l + 1) + "\n";
        bytes += "\n";
    }
    return WriteFile(path(QString::fromLatin1(name)), bytes);
}

QString MainWindowTest::writeJob(const QString& jobPath, int across, int down, const QString& dataFile, int start,
                                 int repeat)
{
    ScriptedMessages quiet;
    TestSheet sheet;
    sheet.Across = across;
    sheet.Down = down;
    sheet.Left = 5000;
    sheet.Top = 10000;
    sheet.labelWidth = 200000 / across;
    sheet.labelHeight = 277000 / down;
    sheet.hGap = 0;
    EXPECT_TRUE(SaveTestJob(jobPath, sheet, dataFile, [&](TJOB& job) {
        job.JOBINFO()->loadFormatDefaults(); // the format of a new job
        job.DATAINFO()->STARTLABNUM = start;
        job.DATAINFO()->RepeatLabelNum = repeat;
    }));
    return jobPath;
}

bool MainWindowTest::actionEnabled(const char* menu, const char* action)
{
    auto* m = main_->findChild<QMenu*>(QString::fromLatin1(menu));
    emit m->aboutToShow(); // the enabled states are computed as the menu opens
    auto* a = main_->findChild<QAction*>(QString::fromLatin1(action));
    if (!a) {
        auto* sub = main_->findChild<QMenu*>(QString::fromLatin1(action));
        return sub && sub->menuAction()->isEnabled();
    }
    return a->isEnabled();
}

void MainWindowTest::typeInto(const char* box, const QString& text)
{
    // One edit, as a paste is: the box's handler sees the whole text once.
    auto* edit = child<QLineEdit>(box);
    edit->setFocus();
    edit->selectAll();
    if (text.isEmpty())
        edit->del();
    else
        edit->insert(text);
}

void MainWindowTest::leave(const char* box)
{
    auto* edit = child<QLineEdit>(box);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(edit, &out);
}
