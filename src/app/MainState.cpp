// The main window's first show and its close: restoring and saving the
// desktop, the file information and the settings.

#include "app/CommandLine.h"
#include "app/FormMAIN.h"
#include "dialogs/FormSETTINGS.h"
#include "settings/StoredSettings.h"
#include "support/ErrorLog.h"
#include "support/Placement.h"
#include "support/ProgramFolder.h"
#include "support/Messages.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QScreen>
#include <QMenu>
#include <QTimer>

#include <algorithm>
#include <cmath>
#include <cstdio>

void TFormMAIN::showEvent(QShowEvent* event)
{
    BaseMainWindow::showEvent(event);
    if (!firstShown_) {
        firstShown_ = true;
        FormShow();
    }
}

void TFormMAIN::FormShow()
{
    preview_->FITPAPER();
    FNLOADDESKTOP();
    FNLOADFILEINFO();
    FNLOADSETTINGS();
    // A job, a template, or a template with its data named on the command
    // line is what the user asked for: the last job is not opened first
    // (it might be gone, and would cost a second load).
    const CommandLine cl = parseCommandLine(commandLine_);
    const bool namesAJob = !cl.jobFile.isEmpty() || !cl.templateDocument.isEmpty()
                           || (!cl.templateFile.isEmpty() && !cl.dataFile.isEmpty());
    if (!namesAJob && !controller_->LASTJOBFILENAME().isEmpty())
        controller_->FNOPENJOB(controller_->LASTJOBFILENAME());
    applyCommandLine();
    updateMenus();
    preview_->EditStartLabNumExit();
    preview_->EditRepeatLabelNumExit();
    preview_->GOTOFIRSTPAGE(true);
    PanelJOBNAMEResize();
    QCoreApplication::processEvents();
    // The start-up benchmark measures the time to this point: a painted main
    // window with the last job reopened. It asks the program to end here.
    if (qEnvironmentVariableIsSet("GORVIN_EXIT_AFTER_START")) {
        repaint();
        std::fprintf(stderr, "started with job '%s', %d pages\n", qPrintable(JOBFILENAME()), job().PAGECOUNT());
        QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
}

void TFormMAIN::applyCommandLine()
{
    if (commandLine_.isEmpty())
        return;
    const CommandLine cl = parseCommandLine(commandLine_);
    if (!cl.jobFile.isEmpty()) {
        controller_->FNOPENJOB(cl.jobFile);
        return;
    }
    // A template handed over alone starts a new job on that sheet.
    if (!cl.templateDocument.isEmpty()) {
        CLOSEJOBClick();
        controller_->FNOPENTEMPLATE(cl.templateDocument);
        return;
    }
    // A name that is not opened is told, so that the user does not take the
    // empty window for the file (a file manager may hand over any file).
    const auto refuse = [](const QString& text) { FNLOGERROR(1, text, true, true); };
    const auto missing = [](const QString& name) { return !name.isEmpty() && !QFileInfo::exists(name); };
    if (!cl.unopened.isEmpty()) {
        if (missing(cl.unopened))
            refuse(Messages::cannotFindFile(cl.unopened));
        else
            refuse(Messages::notAJobOrTemplate(cl.unopened));
        return;
    }
    if (cl.templateFile.isEmpty())
        return;
    for (const QString& name : {cl.templateFile, cl.dataFile})
        if (missing(name)) {
            refuse(Messages::cannotFindFile(name));
            return;
        }
    if (cl.dataFile.isEmpty()) {
        refuse(Messages::templateNeedsData(cl.templateFile));
        return;
    }
    CLOSEJOBClick();
    if (controller_->FNOPENTEMPLATE(cl.templateFile))
        controller_->FNOPENDATA(cl.dataFile);
}

void TFormMAIN::closeEvent(QCloseEvent* event)
{
    if (FormCloseQuery()) {
        event->accept();
        emit closed();
    } else {
        event->ignore();
    }
}

bool TFormMAIN::FormCloseQuery()
{
    if (!controller_->FNSAVEJOBFIRST())
        return false;
    if (!printCloseQuestion())
        return false;
    const RegSession store; // the four groups below in one write of the settings file
    writeAppLocation(executableFolder());
    FNSAVESETTINGS();
    FNSAVEFILEINFO();
    FNSAVEDESKTOP();
    return true;
}

// ---------------------------------------------------------------- settings

void TFormMAIN::FNLOADSETTINGS()
{
    SoftwareSettings s;
    if (windows_.settings) {
        s.ShowLabels = windows_.settings->showLabels();
        s.ShowTemplate = windows_.settings->showTemplate();
    }
    s.MainScale = preview_->previewScale();
    ::FNLOADSETTINGS(s);
    // Only the scale dialog sets the scale, always within its range; a
    // stored scale outside it comes from a damaged or hand-edited file and
    // could ask for a preview image of gigabytes. It is kept in the range.
    if (std::isfinite(s.MainScale) && s.MainScale > 0)
        preview_->setPreviewScale(std::clamp(s.MainScale, minScale_, maxScale_));
    if (windows_.settings) {
        windows_.settings->setSaveSettings(s.saveSettings);
        windows_.settings->setShowTemplate(s.ShowTemplate);
        windows_.settings->setShowLabels(s.ShowLabels);
    }
    if (s.saveSettings)
        preview_->FITPAPER(); // the stored scale
}

void TFormMAIN::FNSAVESETTINGS()
{
    SoftwareSettings s;
    if (windows_.settings) {
        s.saveSettings = windows_.settings->saveSettings();
        s.ShowLabels = windows_.settings->showLabels();
        s.ShowTemplate = windows_.settings->showTemplate();
    }
    s.MainScale = preview_->previewScale();
    ::FNSAVESETTINGS(s);
}

void TFormMAIN::FNLOADFILEINFO()
{
    FileInfo info;
    ::FNLOADFILEINFO(info);
    if (windows_.settings)
        windows_.settings->setSaveFileInfo(info.saveFileInfo);
    if (!info.saveFileInfo)
        return;
    controller_->loadFileInfo(info);
}

void TFormMAIN::FNSAVEFILEINFO()
{
    FileInfo info;
    if (windows_.settings)
        info.saveFileInfo = windows_.settings->saveFileInfo();
    controller_->fillFileInfo(info);
    ::FNSAVEFILEINFO(info);
}

// ---------------------------------------------------------------- desktop

QList<QWidget*> TFormMAIN::placedWindows() const
{
    // Creation order: the main window first, then the dialogs.
    QList<QWidget*> all{const_cast<TFormMAIN*>(this)};
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && TBASEFORM::of(w))
            all << w;
    QList<QWidget*> placed;
    for (QWidget* w : all)
        if (TBASEFORM* base = TBASEFORM::of(w); base && base->savesPlacement && !w->objectName().isEmpty())
            placed << w;
    return placed;
}

void TFormMAIN::FNLOADDESKTOP()
{
    const bool save = readSaveDesktopSwitch();
    if (windows_.settings)
        windows_.settings->setSaveDesktop(save);
    if (!save)
        return;
    const QList<QWidget*> windows = placedWindows();
    for (const QString& name : desktopWindowNames()) {
        QWidget* window = nullptr;
        for (QWidget* w : windows)
            if (w->objectName() == name)
                window = w;
        if (!window)
            continue;
        const auto record = readWindowRecord(name);
        if (!record)
            continue;
        TBASEFORM::of(window)->firstShow = record->FirstTime;
        // A stored size too small to use (0, negative, from a damaged file)
        // leaves the window its own size, and none is larger than the
        // screen; the showing below brings the window wholly onto it.
        const QSize usable = window->minimumSizeHint().expandedTo(window->minimumSize());
        QSize size(record->Width < usable.width() ? window->width() : record->Width,
                   record->Height < usable.height() ? window->height() : record->Height);
        if (const QScreen* screen = QGuiApplication::primaryScreen())
            size = size.boundedTo(screen->availableSize());
        window->setGeometry(record->Left, record->Top, size.width(), size.height());
        if (!(record->MinLeft == -1 && record->MinTop == -1))
            FNSETMINPOSITION(*window, record->MinLeft, record->MinTop);
        if (record->State == 2)
            window->setWindowState(Qt::WindowMaximized);
        else if (record->State == 1)
            window->setWindowState(Qt::WindowMinimized);
        // A dialog is only ever shown modally, filled by the command that
        // opens it: one stored as open is not opened empty at start.
        if (window != this && !qobject_cast<QDialog*>(window))
            window->setVisible(record->Visible);
        // A window placed from the store is not centred again; it is only
        // pulled back when it lies off the screen.
        TBASEFORM::of(window)->DOSHOW();
        window->update();
    }
}

void TFormMAIN::FNSAVEDESKTOP()
{
    writeSaveDesktopSwitch(windows_.settings ? windows_.settings->saveDesktop() : true);
    for (QWidget* w : placedWindows()) {
        WindowRecord r;
        FNGETNORMALBOUNDS(*w, r.Left, r.Top, r.Width, r.Height);
        FNGETMINPOSITION(*w, r.MinLeft, r.MinTop);
        r.Visible = w->isVisible() && !qobject_cast<QDialog*>(w); // dialogs are not restored open
        r.State = w->isMinimized() ? 1 : w->isMaximized() ? 2 : 0;
        r.FirstTime = TBASEFORM::of(w)->firstShow;
        writeWindowRecord(w->objectName(), r);
    }
}
