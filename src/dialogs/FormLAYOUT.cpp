#include "FormLAYOUT.h"

#include "dialogs/NamedWidgets.h"
#include "model/Template.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormLAYOUT::TFormLAYOUT(QWidget* parent) : BaseDialog(parent)
{
    setObjectName(QStringLiteral("FormLAYOUT"));
    setWindowTitle(QCoreApplication::translate("FormLAYOUT", "Edit layout"));

    PanelBASE = named(new QFrame(this), "PanelBASE");
    PanelBASE->setFrameShape(QFrame::StyledPanel);
    PanelBASE->setFrameShadow(QFrame::Raised);

    LabelUNITS = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Units = "), PanelBASE), "LabelUNITS");
    QFont bold = LabelUNITS->font();
    bold.setBold(true);
    LabelUNITS->setFont(bold);
    LabelPAPERWIDTH = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Paper width = "), PanelBASE),
                            "LabelPAPERWIDTH");
    LabelPAPERHEIGHT = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Paper height = "), PanelBASE),
                             "LabelPAPERHEIGHT");

    LabelNUMACROSS = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Labels across"), PanelBASE),
                           "LabelNUMACROSS");
    EditNUMACROSS = named(new QLineEdit(PanelBASE), "EditNUMACROSS");
    LabelNUMDOWN = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Labels down"), PanelBASE),
                         "LabelNUMDOWN");
    EditNUMDOWN = named(new QLineEdit(PanelBASE), "EditNUMDOWN");
    LabelLEFT = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Left margin"), PanelBASE), "LabelLEFT");
    EditLEFT = named(new QLineEdit(PanelBASE), "EditLEFT");
    LabelTOP = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Top margin"), PanelBASE), "LabelTOP");
    EditTOP = named(new QLineEdit(PanelBASE), "EditTOP");
    LabelLABELWIDTH = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Label width"), PanelBASE),
                            "LabelLABELWIDTH");
    EditLABELWIDTH = named(new QLineEdit(PanelBASE), "EditLABELWIDTH");
    LabelLABELHEIGHT = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Label height"), PanelBASE),
                             "LabelLABELHEIGHT");
    EditLABELHEIGHT = named(new QLineEdit(PanelBASE), "EditLABELHEIGHT");
    LabelHGAP = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Horizontal gap"), PanelBASE), "LabelHGAP");
    EditHGAP = named(new QLineEdit(PanelBASE), "EditHGAP");
    LabelVGAP = named(new QLabel(QCoreApplication::translate("FormLAYOUT", "Vertical gap"), PanelBASE), "LabelVGAP");
    EditVGAP = named(new QLineEdit(PanelBASE), "EditVGAP");

    std::tie(OKBtn, CancelBtn) = makeOkCancel(*this, this, "OKBtn", "CancelBtn");

    auto* grid = new QFormLayout;
    grid->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    grid->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const Field& field : fields()) {
        field.caption->setBuddy(field.edit);
        grid->addRow(field.caption, field.edit);
    }

    auto* panel = new QVBoxLayout(PanelBASE);
    panel->addWidget(LabelUNITS, 0, Qt::AlignHCenter);
    panel->addSpacing(4);
    panel->addWidget(LabelPAPERWIDTH);
    panel->addWidget(LabelPAPERHEIGHT);
    panel->addSpacing(8);
    panel->addLayout(grid);
    panel->addStretch(1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* form = new QVBoxLayout(this);
    form->addWidget(PanelBASE, 1);
    form->addLayout(buttons);

    QWidget* previous = nullptr;
    for (const Field& field : fields()) {
        if (previous)
            setTabOrder(previous, field.edit);
        previous = field.edit;
    }
    setTabOrder(previous, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    resize(sizeHint().expandedTo(QSize(320, 0)));
}

std::array<TFormLAYOUT::Field, 8> TFormLAYOUT::fields() const
{
    return {{{LabelNUMACROSS, EditNUMACROSS, true},
             {LabelNUMDOWN, EditNUMDOWN, true},
             {LabelLEFT, EditLEFT, false},
             {LabelTOP, EditTOP, false},
             {LabelLABELWIDTH, EditLABELWIDTH, false},
             {LabelLABELHEIGHT, EditLABELHEIGHT, false},
             {LabelHGAP, EditHGAP, false},
             {LabelVGAP, EditVGAP, false}}};
}

bool TFormLAYOUT::execute(TTEMPLATE& paper)
{
    fillFrom(paper);
    if (exec() != QDialog::Accepted)
        return false;
    applyTo(paper);
    return true;
}

void TFormLAYOUT::fillFrom(const TTEMPLATE& paper)
{
    // The units caption stays centred in the panel: its layout centres it.
    LabelUNITS->setText(QCoreApplication::translate("FormLAYOUT", "Units = ") + UnitAbbreviations[currentUnitIndex()]);
    LabelPAPERWIDTH->setText(QCoreApplication::translate("FormLAYOUT", "Paper width = ")
                             + muToCurrentUnitText(paper.PAPERMUWIDTH));
    LabelPAPERHEIGHT->setText(QCoreApplication::translate("FormLAYOUT", "Paper height = ")
                              + muToCurrentUnitText(paper.PAPERMUHEIGHT));
    paperWidth_ = paper.PAPERMUWIDTH;
    paperHeight_ = paper.PAPERMUHEIGHT;

    EditNUMACROSS->setText(QString::number(paper.NUMACROSS));
    EditNUMDOWN->setText(QString::number(paper.NUMDOWN));
    setLengthText(*EditLEFT, paper.MULEFT);
    setLengthText(*EditTOP, paper.MUTOP);
    setLengthText(*EditLABELWIDTH, paper.MULABELWIDTH);
    setLengthText(*EditLABELHEIGHT, paper.MULABELHEIGHT);
    setLengthText(*EditHGAP, paper.MUHGAP);
    setLengthText(*EditVGAP, paper.MUVGAP);
    EditNUMACROSS->setFocus();
}

void TFormLAYOUT::applyTo(TTEMPLATE& paper) const
{
    paper.NUMACROSS = values_.NUMACROSS;
    paper.NUMDOWN = values_.NUMDOWN;
    paper.MULEFT = values_.MULEFT;
    paper.MUTOP = values_.MUTOP;
    paper.MULABELWIDTH = values_.MULABELWIDTH;
    paper.MULABELHEIGHT = values_.MULABELHEIGHT;
    paper.MUHGAP = values_.MUHGAP;
    paper.MUVGAP = values_.MUVGAP;
    paper.ALTERED = true;
}

bool TFormLAYOUT::readField(const Field& field, qint32& value)
{
    const QString text = field.edit->text();
    if (field.isCount) {
        if (const auto count = storedTextToInteger(text)) {
            value = *count;
            return true;
        }
    } else if (const auto length = lengthOf(*field.edit)) {
        value = *length;
        return true;
    }
    return false;
}

QString TFormLAYOUT::refusal(const Field& field)
{
    return field.isCount ? Messages::notAValidPositiveInteger(field.caption->text(), field.edit->text())
                         : Messages::notAValidPositiveLength(field.caption->text(), field.edit->text());
}

bool TFormLAYOUT::FNNUMBERSMAKESENSE(QString& message)
{
    const auto all = fields();
    std::array<qint32, 8> read{};
    for (std::size_t i = 0; i < all.size(); ++i) {
        // Text that passes the check but is too large for a 32-bit count of
        // labels or of MU would wrap round into some other number: it is
        // refused as bad text is.
        if (!readField(all[i], read[i])) {
            all[i].edit->setFocus();
            message = refusal(all[i]);
            return false;
        }
    }
    values_ = {read[0], read[1], read[2], read[3], read[4], read[5], read[6], read[7]};
    if (labelsFit(values_, paperWidth_, paperHeight_))
        return true;
    message = Messages::labelsDoNotFit();
    return false;
}

void TFormLAYOUT::accept()
{
    for (const Field& field : fields()) {
        const QString text = field.edit->text();
        if (!(field.isCount ? FNISUNSIGNEDINTEGER(text) : FNISUNSIGNEDNUMBER(text))) {
            field.edit->setFocus();
            messageSeam().error(refusal(field));
            return;
        }
    }
    QString message;
    if (!FNNUMBERSMAKESENSE(message)) {
        messageSeam().error(message);
        return;
    }
    BaseDialog::accept();
}
