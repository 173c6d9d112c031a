// The recent-file menus and the commands that open the program's dialogs.

#include "app/FormMAIN.h"
#include "dialogs/FormABOUT.h"
#include "dialogs/FormCALIBPRN.h"
#include "dialogs/FormFORMAT.h"
#include "dialogs/FormHELP.h"
#include "dialogs/FormRTFHelp.h"
#include "dialogs/FormLAYOUT.h"
#include "dialogs/FormSCALE.h"
#include "dialogs/FormSETTINGS.h"
#include "dialogs/FormSETUNITS.h"
#include "render/PrintRun.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"
#include "support/Utilities.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

// ---------------------------------------------------------------- recent files

QStringList TFormMAIN::reopenEntries(QMenu* menu) const
{
    QStringList entries;
    for (QAction* a : menu->actions())
        entries << a->data().toString();
    return entries;
}

void TFormMAIN::REMOVEREOPENITEM(QMenu* menu, const QString& name)
{
    // Entries keep their path as data; the caption doubles any "&" so that
    // it shows as written. File names on this system are told apart by
    // letter case, and an "&" is part of a name: paths compare exactly.
    for (QAction* a : menu->actions())
        if (a->data().toString() == name) {
            menu->removeAction(a);
            delete a;
        }
}

void TFormMAIN::ADDREOPENITEM(QMenu* menu, const QString& name)
{
    REMOVEREOPENITEM(menu, name);
    if (!name.isEmpty() && QFileInfo::exists(name)) {
        auto* entry = new QAction(QString(name).replace(QLatin1Char('&'), QStringLiteral("&&")), menu);
        entry->setData(name);
        connect(entry, &QAction::triggered, this, &TFormMAIN::REOPENCLICK);
        const QList<QAction*> existing = menu->actions();
        menu->insertAction(existing.isEmpty() ? nullptr : existing.constFirst(), entry);
    }
    while (menu->actions().size() > 10) {
        QAction* eleventh = menu->actions().at(10);
        menu->removeAction(eleventh);
        delete eleventh;
    }
}

void TFormMAIN::REOPENCLICK()
{
    auto* entry = qobject_cast<QAction*>(sender());
    if (!entry || entry->menu())
        return;
    auto* parentMenu = qobject_cast<QMenu*>(entry->parent());
    if (!parentMenu)
        return;
    const QString name = entry->data().toString();
    const QString parentName = parentMenu->objectName();
    if (parentName == QLatin1String("REOPENJOB")) {
        if (FNOPENJOB(name))
            REFRESHPAGE();
    } else if (parentName == QLatin1String("REOPENTEMPLATE")) {
        if (FNOPENTEMPLATE(name)) {
            REFRESHPAGE();
            job_->setALTERED(true);
        }
    } else if (parentName == QLatin1String("REOPENDATA")) {
        if (FNOPENDATA(name)) {
            REFRESHPAGE();
            job_->setALTERED(true);
        }
    }
}

void TFormMAIN::SETJOBFILENAME(const QString& name)
{
    // Exact: "Case.GVJ" and "case.GVJ" are two files.
    if (name == jobFileName_)
        return;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        jobDir_ = name.left(slash + 1);
    REMOVEREOPENITEM(reopenJob_, name);
    if (!jobFileName_.isEmpty() && QFileInfo::exists(jobFileName_))
        ADDREOPENITEM(reopenJob_, jobFileName_);
    jobFileName_ = name;
}

// ---------------------------------------------------------------- commands

void TFormMAIN::Newjobwizard1Click()
{
    // Every step runs whatever the one before it did.
    CLOSEJOBClick();
    OPENTEMPLATEClick();
    OPENDATAClick();
    FORMATLABELSClick();
}

void TFormMAIN::FORMATLABELSClick()
{
    if (windows_.format && windows_.format->execute(*job_, picDir_))
        REFRESHPAGE();
}

void TFormMAIN::Editlayout1Click()
{
    if (windows_.layout && windows_.layout->execute(*job_->TEMPLATE())) {
        job_->setALTERED(true);
        REFRESHPAGE();
    }
}

void TFormMAIN::Scale1Click()
{
    if (!windows_.scale)
        return;
    double scale = params_.FontScale;
    if (windows_.scale->execute(scale, minScale_, maxScale_)) {
        params_.FontScale = scale;
        FITPAPER();
        REFRESHPAGE();
    }
}

void TFormMAIN::Setunits1Click()
{
    if (windows_.setUnits)
        windows_.setUnits->execute();
}

void TFormMAIN::Softwaresettings1Click()
{
    if (windows_.settings && windows_.settings->execute())
        REFRESHPAGE();
}

void TFormMAIN::Gotowebsite1Click()
{
    FNSHELLOPEN(makerWebSite());
}

void TFormMAIN::emailus1Click()
{
    FNSHELLOPEN(supportMailLink());
}

void TFormMAIN::Exit1Click()
{
    close();
}

void TFormMAIN::splashEnded()
{
    about_->setEnabled(true);
}

void TFormMAIN::About1Click()
{
    if (windows_.about)
        windows_.about->exec();
}

void TFormMAIN::Instructions1Click()
{
    if (windows_.rtfHelp && windows_.help)
        showInstructions(*windows_.rtfHelp, *windows_.help);
}

void TFormMAIN::Calibrateprinter1Click()
{
    if (!windows_.calibration)
        return;
    PrinterTarget& target = printer();
    if (!target.isValid()) {
        Messages().error(QStringLiteral("No printer is installed. Add a printer to the print system first."));
        return;
    }
    // The window stores the new calibration itself; the next print reads it.
    windows_.calibration->execute(target, [this] { return printInProgress(); });
}
