#include "FormSETTINGS.h"

#include "dialogs/NamedWidgets.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QPushButton>
#include <QShowEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace {
constexpr int ButtonGap = 16;
constexpr int BarMargin = 8;
} // namespace

TFormSETTINGS::TFormSETTINGS(QWidget* parent)
    : BaseDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                             | Qt::WindowCloseButtonHint)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("FormSETTINGS"));
    setWindowTitle(QCoreApplication::translate("FormSETTINGS", "Software settings"));

    const auto checkBox = [](const char* name, const char* caption, QWidget* group) {
        auto* box = named(new QCheckBox(QCoreApplication::translate("FormSETTINGS", caption), group), name);
        box->setChecked(true);
        return box;
    };

    PageControlSETTINGS = named(new QTabWidget(this), "PageControlSETTINGS");

    TabSheetMAIN = named(new QWidget, "TabSheetMAIN");
    GroupBoxSAVE = named(new QGroupBox(QCoreApplication::translate("FormSETTINGS", "Save"), TabSheetMAIN),
                         "GroupBoxSAVE");
    CheckBoxSAVEDESKTOP = checkBox("CheckBoxSAVEDESKTOP", QT_TRANSLATE_NOOP("FormSETTINGS", "Save desktop"),
                                   GroupBoxSAVE);
    CheckBoxSAVESETTINGS = checkBox(
        "CheckBoxSAVESETTINGS", QT_TRANSLATE_NOOP("FormSETTINGS", "Save settings (scale, units, etc.)"), GroupBoxSAVE);
    CheckBoxSAVEFILEINFO = checkBox(
        "CheckBoxSAVEFILEINFO", QT_TRANSLATE_NOOP("FormSETTINGS", "Save file info (e.g. reopen list)"), GroupBoxSAVE);
    auto* save = new QVBoxLayout(GroupBoxSAVE);
    save->addWidget(CheckBoxSAVEDESKTOP);
    save->addWidget(CheckBoxSAVESETTINGS);
    save->addWidget(CheckBoxSAVEFILEINFO);
    auto* mainSheet = new QVBoxLayout(TabSheetMAIN);
    mainSheet->addWidget(GroupBoxSAVE);
    mainSheet->addStretch(1);

    TabSheetVIEW = named(new QWidget, "TabSheetVIEW");
    GroupBoxVIEW = named(new QGroupBox(QCoreApplication::translate("FormSETTINGS", "View options"), TabSheetVIEW),
                         "GroupBoxVIEW");
    CheckBoxSHOWLABEL = checkBox("CheckBoxSHOWLABEL", QT_TRANSLATE_NOOP("FormSETTINGS", "Show labels"), GroupBoxVIEW);
    CheckBoxSHOWTEMPLATE = checkBox("CheckBoxSHOWTEMPLATE", QT_TRANSLATE_NOOP("FormSETTINGS", "Show template"),
                                    GroupBoxVIEW);
    auto* view = new QVBoxLayout(GroupBoxVIEW);
    view->addWidget(CheckBoxSHOWLABEL);
    view->addWidget(CheckBoxSHOWTEMPLATE);
    auto* viewSheet = new QVBoxLayout(TabSheetVIEW);
    viewSheet->addWidget(GroupBoxVIEW);
    viewSheet->addStretch(1);

    PageControlSETTINGS->addTab(TabSheetMAIN, QCoreApplication::translate("FormSETTINGS", "Main"));
    PageControlSETTINGS->addTab(TabSheetVIEW, QCoreApplication::translate("FormSETTINGS", "View"));
    PageControlSETTINGS->setCurrentIndex(0);

    // One of the two view switches is always on.
    connect(CheckBoxSHOWLABEL, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            CheckBoxSHOWTEMPLATE->setChecked(true);
    });
    connect(CheckBoxSHOWTEMPLATE, &QCheckBox::toggled, this, [this](bool on) {
        if (!on)
            CheckBoxSHOWLABEL->setChecked(true);
    });

    // The buttons sit on a bar of their own, placed by hand so that they stay
    // centred as a pair whatever the bar's width.
    PanelBUTTONS = named(new QWidget(this), "PanelBUTTONS");
    std::tie(ButtonOK, ButtonCANCEL) = makeOkCancel(*this, PanelBUTTONS, "ButtonOK", "ButtonCANCEL");
    const QSize buttonSize(std::max({ButtonOK->sizeHint().width(), ButtonCANCEL->sizeHint().width(), 80}),
                           std::max(ButtonOK->sizeHint().height(), ButtonCANCEL->sizeHint().height()));
    ButtonOK->resize(buttonSize);
    ButtonCANCEL->resize(buttonSize);
    PanelBUTTONS->setMinimumSize(2 * buttonSize.width() + ButtonGap + 2 * BarMargin,
                                 buttonSize.height() + 2 * BarMargin);
    PanelBUTTONS->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    PanelBUTTONS->installEventFilter(this);

    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(8, 8, 8, 0);
    form->setSpacing(0);
    form->addWidget(PageControlSETTINGS);
    form->addWidget(PanelBUTTONS);
    form->setSizeConstraint(QLayout::SetFixedSize);
    PageControlSETTINGS->setMinimumWidth(300);
    centreButtons();
}

bool TFormSETTINGS::execute()
{
    return exec() == QDialog::Accepted;
}

void TFormSETTINGS::showEvent(QShowEvent* event)
{
    if (!event->spontaneous())
        snapshot_ = switches();
    BaseDialog::showEvent(event);
}

void TFormSETTINGS::done(int result)
{
    if (result == QDialog::Rejected)
        setSwitches(snapshot_);
    BaseDialog::done(result);
}

bool TFormSETTINGS::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == PanelBUTTONS && event->type() == QEvent::Resize)
        centreButtons();
    return BaseDialog::eventFilter(watched, event);
}

void TFormSETTINGS::centreButtons()
{
    const int pairWidth = ButtonOK->width() + ButtonGap + ButtonCANCEL->width();
    const int left = (PanelBUTTONS->width() - pairWidth) / 2;
    const int top = (PanelBUTTONS->height() - ButtonOK->height()) / 2;
    ButtonOK->move(left, top);
    ButtonCANCEL->move(left + ButtonOK->width() + ButtonGap, top);
}

std::array<bool, 5> TFormSETTINGS::switches() const
{
    return {CheckBoxSAVEDESKTOP->isChecked(), CheckBoxSAVESETTINGS->isChecked(), CheckBoxSAVEFILEINFO->isChecked(),
            CheckBoxSHOWLABEL->isChecked(), CheckBoxSHOWTEMPLATE->isChecked()};
}

void TFormSETTINGS::setSwitches(const std::array<bool, 5>& values)
{
    CheckBoxSAVEDESKTOP->setChecked(values[0]);
    CheckBoxSAVESETTINGS->setChecked(values[1]);
    CheckBoxSAVEFILEINFO->setChecked(values[2]);
    CheckBoxSHOWLABEL->setChecked(values[3]);
    CheckBoxSHOWTEMPLATE->setChecked(values[4]);
}

bool TFormSETTINGS::saveDesktop() const
{
    return CheckBoxSAVEDESKTOP->isChecked();
}
void TFormSETTINGS::setSaveDesktop(bool value)
{
    CheckBoxSAVEDESKTOP->setChecked(value);
}
bool TFormSETTINGS::saveSettings() const
{
    return CheckBoxSAVESETTINGS->isChecked();
}
void TFormSETTINGS::setSaveSettings(bool value)
{
    CheckBoxSAVESETTINGS->setChecked(value);
}
bool TFormSETTINGS::saveFileInfo() const
{
    return CheckBoxSAVEFILEINFO->isChecked();
}
void TFormSETTINGS::setSaveFileInfo(bool value)
{
    CheckBoxSAVEFILEINFO->setChecked(value);
}
bool TFormSETTINGS::showLabels() const
{
    return CheckBoxSHOWLABEL->isChecked();
}
void TFormSETTINGS::setShowLabels(bool value)
{
    CheckBoxSHOWLABEL->setChecked(value);
}
bool TFormSETTINGS::showTemplate() const
{
    return CheckBoxSHOWTEMPLATE->isChecked();
}
void TFormSETTINGS::setShowTemplate(bool value)
{
    CheckBoxSHOWTEMPLATE->setChecked(value);
}
