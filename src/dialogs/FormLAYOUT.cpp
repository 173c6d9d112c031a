#include "FormLAYOUT.h"

#include "model/Template.h"
#include "support/Messages.h"

#include <QFormLayout>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFormLAYOUT::TFormLAYOUT(QWidget* parent) : TBaseDialog(parent)
{
    setObjectName(QStringLiteral("FormLAYOUT"));
    setWindowTitle(QStringLiteral("Edit layout"));

    PanelBASE = new QFrame(this);
    PanelBASE->setObjectName(QStringLiteral("PanelBASE"));
    PanelBASE->setFrameShape(QFrame::StyledPanel);
    PanelBASE->setFrameShadow(QFrame::Raised);

    const auto label = [this](const char* name, const char* caption) {
        auto* l = new QLabel(QString::fromLatin1(caption), PanelBASE);
        l->setObjectName(QString::fromLatin1(name));
        return l;
    };
    const auto edit = [this](const char* name) {
        auto* e = new QLineEdit(PanelBASE);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };

    LabelUNITS = label("LabelUNITS", "Units = ");
    QFont bold = LabelUNITS->font();
    bold.setBold(true);
    LabelUNITS->setFont(bold);
    LabelPAPERWIDTH = label("LabelPAPERWIDTH", "Paper width = ");
    LabelPAPERHEIGHT = label("LabelPAPERHEIGHT", "Paper height = ");

    LabelNUMACROSS = label("LabelNUMACROSS", "Labels across");
    EditNUMACROSS = edit("EditNUMACROSS");
    LabelNUMDOWN = label("LabelNUMDOWN", "Labels down");
    EditNUMDOWN = edit("EditNUMDOWN");
    LabelLEFT = label("LabelLEFT", "Left margin");
    EditLEFT = edit("EditLEFT");
    LabelTOP = label("LabelTOP", "Top margin");
    EditTOP = edit("EditTOP");
    LabelLABELWIDTH = label("LabelLABELWIDTH", "Label width");
    EditLABELWIDTH = edit("EditLABELWIDTH");
    LabelLABELHEIGHT = label("LabelLABELHEIGHT", "Label height");
    EditLABELHEIGHT = edit("EditLABELHEIGHT");
    LabelHGAP = label("LabelHGAP", "Horizontal gap");
    EditHGAP = edit("EditHGAP");
    LabelVGAP = label("LabelVGAP", "Vertical gap");
    EditVGAP = edit("EditVGAP");

    OKBtn = new QPushButton(QStringLiteral("OK"), this);
    OKBtn->setObjectName(QStringLiteral("OKBtn"));
    OKBtn->setDefault(true);
    CancelBtn = new QPushButton(QStringLiteral("Cancel"), this);
    CancelBtn->setObjectName(QStringLiteral("CancelBtn"));
    connect(OKBtn, &QPushButton::clicked, this, &TFormLAYOUT::accept);
    connect(CancelBtn, &QPushButton::clicked, this, &TFormLAYOUT::reject);

    auto* grid = new QFormLayout;
    grid->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    grid->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
    for (const TFIELD& field : fields()) {
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
    for (const TFIELD& field : fields()) {
        if (previous)
            setTabOrder(previous, field.edit);
        previous = field.edit;
    }
    setTabOrder(previous, OKBtn);
    setTabOrder(OKBtn, CancelBtn);

    resize(sizeHint().expandedTo(QSize(320, 0)));
}

std::array<TFormLAYOUT::TFIELD, 8> TFormLAYOUT::fields() const
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
    LabelUNITS->setText(QStringLiteral("Units = ") + UnitAbbreviations[FNCURRENTUNITINDEX()]);
    LabelPAPERWIDTH->setText(QStringLiteral("Paper width = ") + FNMUTOCURRENTUNITTEXT(paper.PAPERMUWIDTH));
    LabelPAPERHEIGHT->setText(QStringLiteral("Paper height = ") + FNMUTOCURRENTUNITTEXT(paper.PAPERMUHEIGHT));
    paperWidth_ = paper.PAPERMUWIDTH;
    paperHeight_ = paper.PAPERMUHEIGHT;

    EditNUMACROSS->setText(QString::number(paper.NUMACROSS));
    EditNUMDOWN->setText(QString::number(paper.NUMDOWN));
    EditLEFT->setText(FNMUTOCURRENTUNITTEXT(paper.MULEFT));
    EditTOP->setText(FNMUTOCURRENTUNITTEXT(paper.MUTOP));
    EditLABELWIDTH->setText(FNMUTOCURRENTUNITTEXT(paper.MULABELWIDTH));
    EditLABELHEIGHT->setText(FNMUTOCURRENTUNITTEXT(paper.MULABELHEIGHT));
    EditHGAP->setText(FNMUTOCURRENTUNITTEXT(paper.MUHGAP));
    EditVGAP->setText(FNMUTOCURRENTUNITTEXT(paper.MUVGAP));
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

bool TFormLAYOUT::readField(const TFIELD& field, qint32& value)
{
    const QString text = field.edit->text();
    if (field.isCount) {
        if (const auto count = FNSTOREDTEXTTOINTEGER(text)) {
            value = *count;
            return true;
        }
    } else if (const auto length = FNREADLENGTH(text)) {
        value = *length;
        return true;
    }
    return false;
}

QString TFormLAYOUT::refusal(const TFIELD& field)
{
    return field.caption->text() + QStringLiteral(": '") + field.edit->text()
           + QStringLiteral("' is not a valid positive ")
           + (field.isCount ? QStringLiteral("integer") : QStringLiteral("number"));
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
    if (FNLABELSFIT(values_, paperWidth_, paperHeight_))
        return true;
    message = QStringLiteral("Labels do not fit on page.");
    return false;
}

void TFormLAYOUT::accept()
{
    for (const TFIELD& field : fields()) {
        const QString text = field.edit->text();
        if (!(field.isCount ? FNISUNSIGNEDINTEGER(text) : FNISUNSIGNEDNUMBER(text))) {
            field.edit->setFocus();
            Messages().error(refusal(field));
            return;
        }
    }
    QString message;
    if (!FNNUMBERSMAKESENSE(message)) {
        Messages().error(message);
        return;
    }
    TBaseDialog::accept();
}
