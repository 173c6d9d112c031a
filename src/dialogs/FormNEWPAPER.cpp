#include "FormNEWPAPER.h"

#include "dialogs/NamedWidgets.h"
#include "model/Units.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>
#include <array>
#include <optional>

namespace {
struct StandardSheet {
    const char* name;
    MU width;
    MU height;
};

constexpr std::array<StandardSheet, 4> StandardSheets = {{
    {QT_TRANSLATE_NOOP("FormNEWPAPER", "A4 Portrait "), 210000, 297000},
    {QT_TRANSLATE_NOOP("FormNEWPAPER", "A4 Landscape "), 297000, 210000},
    {QT_TRANSLATE_NOOP("FormNEWPAPER", "Letter Portrait "), 215900, 279400},
    {QT_TRANSLATE_NOOP("FormNEWPAPER", "Letter Landscape "), 279400, 215900},
}};

// A paper dimension typed into an edit box, or none when it is not a number.
std::optional<MU> readDimension(const QLineEdit& edit)
{
    if (!FNISUNSIGNEDNUMBER(edit.text()))
        return std::nullopt;
    return lengthOf(edit);
}
} // namespace

TFormNEWPAPER::TFormNEWPAPER(QWidget* parent) : BaseDialog(parent)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("FormNEWPAPER"));
    setWindowTitle(QCoreApplication::translate("FormNEWPAPER", "Select paper type"));

    ComboBoxPAPER = named(new QComboBox(this), "ComboBoxPAPER");
    ComboBoxPAPER->setEditable(false);
    ComboBoxPAPER->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    ComboBoxPAPER->setMinimumContentsLength(32);

    LabelWIDTH = named(new QLabel(QCoreApplication::translate("FormNEWPAPER", "Width"), this), "LabelWIDTH");
    EditWIDTH = named(new QLineEdit(QStringLiteral("210"), this), "EditWIDTH");
    Label1UNITS = named(new QLabel(unitCaption(UnitMm), this), "Label1UNITS");
    LabelHEIGHT = named(new QLabel(QCoreApplication::translate("FormNEWPAPER", "Height"), this), "LabelHEIGHT");
    EditHEIGHT = named(new QLineEdit(QStringLiteral("297"), this), "EditHEIGHT");
    Label2UNITS = named(new QLabel(unitCaption(UnitMm), this), "Label2UNITS");
    LabelWIDTH->setBuddy(EditWIDTH);
    LabelHEIGHT->setBuddy(EditHEIGHT);

    std::tie(OKBtn, CancelBtn) = makeOkCancel(*this, this, "OKBtn", "CancelBtn");
    connect(ComboBoxPAPER, &QComboBox::activated, this, &TFormNEWPAPER::ComboBoxPAPERChange);

    auto* size = new QGridLayout;
    size->addWidget(LabelWIDTH, 0, 0);
    size->addWidget(EditWIDTH, 0, 1);
    size->addWidget(Label1UNITS, 0, 2);
    size->addWidget(LabelHEIGHT, 1, 0);
    size->addWidget(EditHEIGHT, 1, 1);
    size->addWidget(Label2UNITS, 1, 2);
    size->setColumnStretch(3, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* form = new QVBoxLayout(this);
    form->addWidget(ComboBoxPAPER);
    form->addSpacing(8);
    form->addLayout(size);
    form->addSpacing(8);
    form->addLayout(buttons);
    form->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(ComboBoxPAPER, EditWIDTH);
    setTabOrder(EditWIDTH, EditHEIGHT);
    setTabOrder(EditHEIGHT, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
}

bool TFormNEWPAPER::execute(MU& paperWidth, MU& paperHeight)
{
    setPaperSize(paperWidth, paperHeight);
    const bool accepted = exec() == QDialog::Accepted;
    paperWidth = paperWidth_;
    paperHeight = paperHeight_;
    return accepted;
}

void TFormNEWPAPER::setPaperSize(MU width, MU height)
{
    paperWidth_ = width;
    paperHeight_ = height;
}

void TFormNEWPAPER::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        Label1UNITS->setText(unitCaption(currentUnitIndex()));
        Label2UNITS->setText(Label1UNITS->text());

        if (paperWidth_ < 0)
            paperWidth_ = 210000;
        else if (paperWidth_ > MaxPaperMuWidth)
            paperWidth_ = MaxPaperMuWidth;
        if (paperHeight_ < 0)
            paperHeight_ = 297000;
        else if (paperHeight_ > MaxPaperMuHeight)
            paperHeight_ = MaxPaperMuHeight;

        // Rebuilt at every showing so that the sizes follow the display unit.
        const QString abbreviation = UnitAbbreviations[currentUnitIndex()];
        ComboBoxPAPER->clear();
        for (const StandardSheet& sheet : StandardSheets)
            ComboBoxPAPER->addItem(QCoreApplication::translate("FormNEWPAPER", sheet.name)
                                   + muToCurrentUnitText(sheet.width) + QStringLiteral(" x ")
                                   + muToCurrentUnitText(sheet.height) + QLatin1Char(' ') + abbreviation);
        ComboBoxPAPER->addItem(QCoreApplication::translate("FormNEWPAPER", "Custom"));
        ComboBoxPAPER->setCurrentIndex(-1);

        writeEdits();
        EditWIDTH->setFocus();
    }
    BaseDialog::showEvent(event);
}

void TFormNEWPAPER::ComboBoxPAPERChange(int index)
{
    if (index >= 0 && index < static_cast<int>(StandardSheets.size())) {
        const StandardSheet& sheet = StandardSheets[static_cast<std::size_t>(index)];
        paperWidth_ = sheet.width;
        paperHeight_ = sheet.height;
    }
    writeEdits();
}

void TFormNEWPAPER::writeEdits()
{
    setLengthText(*EditWIDTH, paperWidth_, 8);
    setLengthText(*EditHEIGHT, paperHeight_, 8);
}

void TFormNEWPAPER::accept()
{
    const std::optional<MU> width = readDimension(*EditWIDTH);
    const std::optional<MU> height = readDimension(*EditHEIGHT);
    if (!width || !height || *width <= 0 || *width > MaxPaperMuWidth || *height <= 0 || *height > MaxPaperMuHeight) {
        messageSeam().show(Messages::invalidDimensions());
        return;
    }
    paperWidth_ = *width;
    paperHeight_ = *height;
    BaseDialog::accept();
}
