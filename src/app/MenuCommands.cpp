// The reopen menus, which show the job controller's lists, and the
// commands that open the program's dialogs.

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
#include "print/PrintRun.h"
#include "support/Maker.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"
#include "support/Utilities.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QMenu>

// ---------------------------------------------------------------- reopen menus

ReopenList TFormMAIN::listOf(const QMenu* menu) const
{
    if (menu == reopenTemplate_)
        return ReopenList::Templates;
    return menu == reopenData_ ? ReopenList::Data : ReopenList::Jobs;
}

void TFormMAIN::reopenListChanged(ReopenList list)
{
    QMenu* menu = list == ReopenList::Jobs ? reopenJob_ : list == ReopenList::Templates ? reopenTemplate_ : reopenData_;
    const QStringList& entries = controller_->reopenEntries(list);
    const QList<QAction*> actions = menu->actions();
    // The entries are relabelled in place: the one being chosen may be the
    // one whose file moves. Each keeps its path as data; the caption
    // doubles any "&" so that it shows as written.
    for (qsizetype i = 0; i < entries.size(); ++i) {
        QAction* entry = i < actions.size() ? actions.at(i) : nullptr;
        if (!entry) {
            entry = menu->addAction(QString());
            connect(entry, &QAction::triggered, this, [this, list, entry, menu] {
                runCommand(menu->title(), [this, list, entry] {
                    if (controller_->reopen(list, entry->data().toString()))
                        preview_->REFRESHPAGE();
                });
            });
        }
        entry->setText(QString(entries.at(i)).replace(QLatin1Char('&'), QStringLiteral("&&")));
        entry->setData(entries.at(i));
    }
    for (qsizetype i = entries.size(); i < actions.size(); ++i) {
        menu->removeAction(actions.at(i));
        actions.at(i)->deleteLater();
    }
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
    if (windows_.format && windows_.format->execute(job(), controller_->picturesFolder()))
        preview_->REFRESHPAGE();
}

void TFormMAIN::Editlayout1Click()
{
    if (windows_.layout && windows_.layout->execute(*job().TEMPLATE())) {
        job().setALTERED(true);
        preview_->showDataNumbers(); // fewer labels may leave the start past the sheet
        preview_->REFRESHPAGE();
    }
}

void TFormMAIN::Scale1Click()
{
    if (!windows_.scale)
        return;
    double scale = preview_->previewScale();
    if (windows_.scale->execute(scale, minScale_, maxScale_)) {
        preview_->setPreviewScale(scale);
        preview_->FITPAPER();
        preview_->REFRESHPAGE();
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
        preview_->REFRESHPAGE();
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
        messageSeam().error(Messages::noPrinterInstalledAddOne());
        return;
    }
    // The window stores the new calibration itself; the next print reads it.
    windows_.calibration->execute(target, [this] { return printInProgress(); });
}
