#include "FormSETUNITS.h"

#include "dialogs/NamedWidgets.h"
#include "model/Units.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFormSETUNITS::TFormSETUNITS(QWidget* parent)
    : BaseDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("FormSETUNITS"));
    setWindowTitle(QCoreApplication::translate("FormSETUNITS", "Set units"));

    GroupBoxUNITS = named(new QGroupBox(QCoreApplication::translate("FormSETUNITS", "Units of measurement"), this),
                          "GroupBoxUNITS");
    RBINCHES = named(new QRadioButton(GroupBoxUNITS), "RBINCHES");
    RBCENTIMETERS = named(new QRadioButton(GroupBoxUNITS), "RBCENTIMETERS");
    RBMILIMETERS = named(new QRadioButton(GroupBoxUNITS), "RBMILIMETERS");
    auto* choices = new QVBoxLayout(GroupBoxUNITS);
    choices->addWidget(RBINCHES);
    choices->addWidget(RBCENTIMETERS);
    choices->addWidget(RBMILIMETERS);

    std::tie(OKBtn, CancelBtn) = makeOkCancel(*this, this, "OKBtn", "CancelBtn");

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);
    buttons->addStretch(1);

    auto* form = new QVBoxLayout(this);
    form->addWidget(GroupBoxUNITS);
    form->addSpacing(4);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);
    GroupBoxUNITS->setMinimumWidth(200);
}

bool TFormSETUNITS::execute()
{
    return exec() == QDialog::Accepted;
}

void TFormSETUNITS::showEvent(QShowEvent* event)
{
    RBINCHES->setText(unitCaption(UnitInch));
    RBCENTIMETERS->setText(unitCaption(UnitCm));
    RBMILIMETERS->setText(unitCaption(UnitMm));
    switch (CurrentUnit) {
    case UnitMm: RBMILIMETERS->setChecked(true); break;
    case UnitInch: RBINCHES->setChecked(true); break;
    case UnitCm: RBCENTIMETERS->setChecked(true); break;
    default: break;
    }
    OKBtn->setFocus();
    BaseDialog::showEvent(event);
}

void TFormSETUNITS::accept()
{
    if (RBCENTIMETERS->isChecked())
        CurrentUnit = UnitCm;
    else if (RBMILIMETERS->isChecked())
        CurrentUnit = UnitMm;
    else
        CurrentUnit = UnitInch;
    BaseDialog::accept();
}
