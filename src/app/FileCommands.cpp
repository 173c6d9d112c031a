// The File, Template and Data menus' commands on the window: each runs the
// job controller's command and shows the result.

#include "app/FormMAIN.h"
#include "dialogs/FieldsDialog.h"
#include "dialogs/FormNEWPAPER.h"
#include "dialogs/SelectLabelsDialog.h"
#include "dialogs/SerialNumbersDialog.h"
#include "support/Messages.h"

void TFormMAIN::OpenjobClick()
{
    if (controller_->FNOPENJOB(QString()))
        preview_->REFRESHPAGE();
}

void TFormMAIN::CLOSEJOBClick()
{
    if (controller_->closeJob())
        preview_->GOTOFIRSTPAGE(true);
}

void TFormMAIN::NEWTEMPLATEClick()
{
    // The new template replaces the current one: unsaved changes to that
    // are offered for saving first, as when it is closed.
    if (!windows_.newPaper || !controller_->FNSAVETEMPLATEFIRST())
        return;
    MU width = defaultPaperWidth();
    MU height = defaultPaperHeight();
    if (!windows_.newPaper->execute(width, height))
        return;
    controller_->newTemplate(width, height);
    preview_->REFRESHPAGE();
}

void TFormMAIN::OPENTEMPLATEClick()
{
    if (controller_->FNOPENTEMPLATE(QString()))
        preview_->REFRESHPAGE();
}

void TFormMAIN::OPENDATAClick()
{
    controller_->FNOPENDATA(QString());
    preview_->REFRESHPAGE();
}

void TFormMAIN::FIELDSClick()
{
    FieldsDialog dialog(this);
    if (job().DATAINFO()->hasContent() && dialog.execute(*job().DATAINFO())) {
        job().setALTERED(true);
        preview_->REFRESHPAGE();
    }
}

void TFormMAIN::SerialNumbersClick()
{
    TDATAINFO& dataInfo = *job().DATAINFO();
    QString from = dataInfo.SerialFrom;
    QString to = dataInfo.SerialTo;
    SerialNumbersDialog dialog(this);
    if (!dialog.execute(from, to))
        return;
    controller_->useSerialNumbers(from, to);
    preview_->GOTOFIRSTPAGE(true);
}

void TFormMAIN::SelectLabelsClick()
{
    TDATAINFO& dataInfo = *job().DATAINFO();
    std::optional<LabelChoice> choice = dataInfo.chosenLabels();
    SelectLabelsDialog dialog(this);
    if (!dialog.execute(dataInfo.labelsInIndex(), choice))
        return;
    // The choice is for this print only: the job is not changed by it.
    dataInfo.chooseLabels(choice);
    showStatus(choice ? Messages::labelsChosenNote(choice->text(), choice->count(), dataInfo.labelsInIndex())
                      : Messages::allLabelsChosenNote());
    preview_->GOTOFIRSTPAGE(true);
}

void TFormMAIN::CLOSEDATAClick()
{
    controller_->closeData();
    preview_->REFRESHPAGE();
}

void TFormMAIN::ButtonRELOADDATAClick()
{
    controller_->reloadData();
    preview_->GOTOFIRSTPAGE(false);
    preview_->REFRESHPAGE();
}
