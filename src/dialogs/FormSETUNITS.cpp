#include "FormSETUNITS.h"

#include "model/Units.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TFormSETUNITS::TFormSETUNITS(QWidget* parent)
    : TBaseDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    DESKTOP = false;
    setObjectName(QStringLiteral("FormSETUNITS"));
    setWindowTitle(QStringLiteral("Set units"));

    GroupBoxUNITS = new QGroupBox(QStringLiteral("Units of measurement"), this);
    GroupBoxUNITS->setObjectName(QStringLiteral("GroupBoxUNITS"));
    RBINCHES = new QRadioButton(GroupBoxUNITS);
    RBINCHES->setObjectName(QStringLiteral("RBINCHES"));
    RBCENTIMETERS = new QRadioButton(GroupBoxUNITS);
    RBCENTIMETERS->setObjectName(QStringLiteral("RBCENTIMETERS"));
    RBMILIMETERS = new QRadioButton(GroupBoxUNITS);
    RBMILIMETERS->setObjectName(QStringLiteral("RBMILIMETERS"));
    auto* choices = new QVBoxLayout(GroupBoxUNITS);
    choices->addWidget(RBINCHES);
    choices->addWidget(RBCENTIMETERS);
    choices->addWidget(RBMILIMETERS);

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TFormSETUNITS::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TFormSETUNITS::reject);

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
    RBINCHES->setText(UnitNames[UNIT_INCH]);
    RBCENTIMETERS->setText(UnitNames[UNIT_CM]);
    RBMILIMETERS->setText(UnitNames[UNIT_MM]);
    switch (CurrentUnit) {
    case UNIT_MM: RBMILIMETERS->setChecked(true); break;
    case UNIT_INCH: RBINCHES->setChecked(true); break;
    case UNIT_CM: RBCENTIMETERS->setChecked(true); break;
    default: break;
    }
    OKBtn->setFocus();
    TBaseDialog::showEvent(event);
}

void TFormSETUNITS::accept()
{
    if (RBCENTIMETERS->isChecked())
        CurrentUnit = UNIT_CM;
    else if (RBMILIMETERS->isChecked())
        CurrentUnit = UNIT_MM;
    else
        CurrentUnit = UNIT_INCH;
    TBaseDialog::accept();
}
