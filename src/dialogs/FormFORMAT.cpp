#include "FormFORMAT.h"

#include "dialogs/FontConvert.h"
#include "dialogs/NamedWidgets.h"
#include "model/Job.h"
#include "model/Picture.h"
#include "model/Units.h"
#include "render/Barcode.h"
#include "render/Renderer.h"
#include "settings/StoredSettings.h"
#include "support/Dialogs.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"
#include "text/ShortFileName.h"

#include <QCoreApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

namespace {

QLineEdit* numberEdit(const char* name, const QString& text)
{
    auto* edit = named(new QLineEdit(text), name);
    edit->setFixedWidth(72);
    edit->setAlignment(Qt::AlignRight);
    return edit;
}

// Three radio buttons stacked in a titled box.
QGroupBox* radioBox(const QString& title, QRadioButton* first, QRadioButton* middle, QRadioButton* last)
{
    auto* box = new QGroupBox(title);
    auto* column = new QVBoxLayout(box);
    column->setSpacing(4);
    column->addWidget(first);
    column->addWidget(middle);
    column->addWidget(last);
    column->addStretch(1);
    return box;
}

void selectByCode(qint32 code, QRadioButton* first, QRadioButton* middle, QRadioButton* last)
{
    // Any other code selects nothing new: the group keeps what it had.
    if (code == 0)
        first->setChecked(true);
    else if (code == 1)
        middle->setChecked(true);
    else if (code == 2)
        last->setChecked(true);
}

qint32 codeOf(const QRadioButton* first, const QRadioButton* last)
{
    if (first->isChecked())
        return 0;
    if (last->isChecked())
        return 2;
    return 1;
}

// The picture kinds the program reads, each with its suffixes in both letter
// cases, and "All" as their union in front.
QString pictureFilter()
{
    struct Kind {
        const char* name;
        QStringList suffixes;
    };
    const Kind kinds[] = {
        {QT_TRANSLATE_NOOP("FormFORMAT", "Bitmaps"), {QStringLiteral("bmp")}},
        {QT_TRANSLATE_NOOP("FormFORMAT", "Icons"), {QStringLiteral("ico")}},
        {QT_TRANSLATE_NOOP("FormFORMAT", "PNG images"), {QStringLiteral("png")}},
        {QT_TRANSLATE_NOOP("FormFORMAT", "JPEG images"), {QStringLiteral("jpg"), QStringLiteral("jpeg")}},
        {QT_TRANSLATE_NOOP("FormFORMAT", "GIF images"), {QStringLiteral("gif")}},
        {QT_TRANSLATE_NOOP("FormFORMAT", "SVG drawings"), {QStringLiteral("svg")}},
    };
    auto patterns = [](const QStringList& suffixes) {
        QStringList out;
        for (const QString& s : suffixes)
            out << QStringLiteral("*.") + s.toLower() << QStringLiteral("*.") + s.toUpper();
        return out.join(QLatin1Char(' '));
    };
    QStringList filters{QCoreApplication::translate("FormFORMAT", "All (%1)").arg(patterns(pictureSuffixes()))};
    for (const Kind& kind : kinds)
        filters << QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("FormFORMAT", kind.name),
                                                 patterns(kind.suffixes));
    return filters.join(QStringLiteral(";;"));
}

QString withTrailingSeparator(const QString& folder)
{
    const QString clean = QDir::cleanPath(folder);
    return clean.endsWith(QLatin1Char('/')) ? clean : clean + QLatin1Char('/');
}

// An inset box's length, once its text has passed the checks: the stored one
// while the text is unchanged, else the typed number in the display unit.
MU insetOf(const QLineEdit& edit)
{
    if (const std::optional<MU> mu = lengthOf(edit))
        return *mu;
    return FNCURRENTUNITTOMU(decimalValue(edit.text()));
}

} // namespace

TFormFORMAT::TFormFORMAT(QWidget* parent) : BaseDialog(parent)
{
    setObjectName(QStringLiteral("FormFORMAT"));
    setWindowTitle(QCoreApplication::translate("FormFORMAT", "Format labels"));
    buildControls();
}

void TFormFORMAT::buildControls()
{
    // Borders: the four insets and the line width, each with its unit.
    EditBLEFT = numberEdit("EditBLEFT", QStringLiteral("2"));
    EditBRIGHT = numberEdit("EditBRIGHT", QStringLiteral("2"));
    EditBTOP = numberEdit("EditBTOP", QStringLiteral("2"));
    EditBBOTTOM = numberEdit("EditBBOTTOM", QStringLiteral("2"));
    EditBWIDTH = numberEdit("EditBWIDTH", QStringLiteral("2"));
    LabelBLEFT = named(new QLabel(QCoreApplication::translate("FormFORMAT", "Left")), "LabelBLEFT");
    LabelBRIGHT = named(new QLabel(QCoreApplication::translate("FormFORMAT", "Right")), "LabelBRIGHT");
    LabelBTOP = named(new QLabel(QCoreApplication::translate("FormFORMAT", "Top")), "LabelBTOP");
    LabelBBOTTOM = named(new QLabel(QCoreApplication::translate("FormFORMAT", "Bottom")), "LabelBBOTTOM");
    LabelBWIDTH = named(new QLabel(QCoreApplication::translate("FormFORMAT", "Width")), "LabelBWIDTH");
    for (int i = 0; i < 5; ++i)
        LabelUNITS[i] = named(new QLabel(QStringLiteral("mm.")),
                              QStringLiteral("LabelUNITS%1").arg(i + 1).toLatin1().constData());
    CheckBoxSHOWBORDER = named(new QCheckBox(QCoreApplication::translate("FormFORMAT", "Show border")),
                               "CheckBoxSHOWBORDER");
    ButtonBORDERCOLOR = named(new QPushButton(QCoreApplication::translate("FormFORMAT", "Color...")),
                              "ButtonBORDERCOLOR");
    PanelBCOLOR = named(new QFrame, "PanelBCOLOR");
    PanelBCOLOR->setFrameShape(QFrame::Box);
    PanelBCOLOR->setFrameShadow(QFrame::Sunken);
    PanelBCOLOR->setFixedSize(44, 24);
    PanelBCOLOR->setAutoFillBackground(true);
    PanelBCOLOR->setToolTip(QCoreApplication::translate("FormFORMAT", "Colour of the border line"));
    setSwatch(0);

    auto* borders = named(new QGroupBox(QCoreApplication::translate("FormFORMAT", "Borders")), "GroupBoxBORDERS");
    auto* borderGrid = new QGridLayout(borders);
    borderGrid->setHorizontalSpacing(6);
    borderGrid->setVerticalSpacing(6);
    auto addLength = [&](int row, int column, QLabel* label, QLineEdit* edit, QLabel* unit) {
        label->setBuddy(edit);
        borderGrid->addWidget(label, row, column * 4);
        borderGrid->addWidget(edit, row, column * 4 + 1);
        borderGrid->addWidget(unit, row, column * 4 + 2);
    };
    addLength(0, 0, LabelBLEFT, EditBLEFT, LabelUNITS[0]);
    addLength(0, 1, LabelBRIGHT, EditBRIGHT, LabelUNITS[1]);
    addLength(1, 0, LabelBTOP, EditBTOP, LabelUNITS[2]);
    addLength(1, 1, LabelBBOTTOM, EditBBOTTOM, LabelUNITS[3]);
    addLength(2, 0, LabelBWIDTH, EditBWIDTH, LabelUNITS[4]);
    borderGrid->setColumnMinimumWidth(3, 14);
    borderGrid->setColumnStretch(7, 1);
    auto* colourRow = new QHBoxLayout;
    colourRow->addWidget(CheckBoxSHOWBORDER);
    colourRow->addStretch(1);
    colourRow->addWidget(ButtonBORDERCOLOR);
    colourRow->addWidget(PanelBCOLOR);
    borderGrid->addLayout(colourRow, 3, 0, 1, 8);

    // Text alignment and justification.
    RadioButtonVTOP = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Top")), "RadioButtonVTOP");
    RadioButtonVCENTRE = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Centre")),
                               "RadioButtonVCENTRE");
    RadioButtonVBOTTOM = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Bottom")),
                               "RadioButtonVBOTTOM");
    RadioButtonHLEFT = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Left")), "RadioButtonHLEFT");
    RadioButtonHCENTRE = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Centre")),
                               "RadioButtonHCENTRE");
    RadioButtonHRIGHT = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Right")),
                              "RadioButtonHRIGHT");
    RadioButtonJLEFT = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Left")), "RadioButtonJLEFT");
    RadioButtonJCENTRE = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Centre")),
                               "RadioButtonJCENTRE");
    RadioButtonJRIGHT = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Right")),
                              "RadioButtonJRIGHT");
    RadioButtonVCENTRE->setChecked(true);
    RadioButtonHCENTRE->setChecked(true);
    RadioButtonJLEFT->setChecked(true);

    auto* alignment = named(new QGroupBox(QCoreApplication::translate("FormFORMAT", "Text alignment")),
                            "GroupBoxTEXTALIGN");
    auto* alignRow = new QHBoxLayout(alignment);
    alignRow->addWidget(named(radioBox(QCoreApplication::translate("FormFORMAT", "Vertical"), RadioButtonVTOP,
                                       RadioButtonVCENTRE, RadioButtonVBOTTOM),
                              "GroupBoxVERTICAL"));
    alignRow->addWidget(named(radioBox(QCoreApplication::translate("FormFORMAT", "Horizontal"), RadioButtonHLEFT,
                                       RadioButtonHCENTRE, RadioButtonHRIGHT),
                              "GroupBoxHORIZONTAL"));

    auto* justification = named(new QGroupBox(QCoreApplication::translate("FormFORMAT", "Text justification")),
                                "GroupBoxJUSTIFICATION");
    auto* justifyRow = new QHBoxLayout(justification);
    justifyRow->addWidget(named(radioBox(QCoreApplication::translate("FormFORMAT", "Justify"), RadioButtonJLEFT,
                                         RadioButtonJCENTRE, RadioButtonJRIGHT),
                                "GroupBoxJUSTIFY"));

    // Font and shrink-to-fit.
    ButtonFONT = named(new QPushButton(QCoreApplication::translate("FormFORMAT", "Font settings...")), "ButtonFONT");
    LabelFONTNAME = named(new QLabel, "LabelFONTNAME");
    LabelFONTNAME->setTextInteractionFlags(Qt::NoTextInteraction);
    CheckBoxSHRINKTEXTTOFIT = named(
        new QCheckBox(QCoreApplication::translate("FormFORMAT", "Shrink text to fit in label")),
        "CheckBoxSHRINKTEXTTOFIT");
    CheckBoxSHRINKTEXTTOFIT->setChecked(true);
    auto* fontBox = new QGridLayout;
    fontBox->addWidget(ButtonFONT, 0, 0);
    fontBox->addWidget(LabelFONTNAME, 0, 1);
    fontBox->addWidget(CheckBoxSHRINKTEXTTOFIT, 1, 0, 1, 2);
    fontBox->setColumnStretch(1, 1);

    // Saving the defaults.
    Buttonsaveformat = named(new QPushButton(QCoreApplication::translate("FormFORMAT", "Save format defaults")),
                             "Buttonsaveformat");
    auto* saveText = new QVBoxLayout;
    saveText->setSpacing(0);
    saveText->addWidget(
        named(new QLabel(QCoreApplication::translate("FormFORMAT", "Save these format settings")), "LabelSAVE1"));
    saveText->addWidget(
        named(new QLabel(QCoreApplication::translate("FormFORMAT", "as default for new jobs.")), "LabelSAVE2"));
    auto* saveRow = new QHBoxLayout;
    saveRow->addLayout(saveText);
    saveRow->addStretch(1);
    saveRow->addWidget(Buttonsaveformat);

    auto* textSide = new QVBoxLayout;
    textSide->addWidget(borders);
    auto* alignRowBoth = new QHBoxLayout;
    alignRowBoth->addWidget(alignment, 2);
    alignRowBoth->addWidget(justification, 1);
    textSide->addLayout(alignRowBoth);
    auto* fontFrame = named(new QGroupBox(QCoreApplication::translate("FormFORMAT", "Font")), "GroupBoxFONT");
    fontFrame->setLayout(fontBox);
    textSide->addWidget(fontFrame);
    auto* line = new QFrame;
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    textSide->addWidget(line);
    textSide->addLayout(saveRow);
    textSide->addStretch(1);

    // The picture.
    CheckBoxShowPic = named(new QCheckBox(QCoreApplication::translate("FormFORMAT", "Show Picture")),
                            "CheckBoxShowPic");
    StatusBarPic = named(new QLabel, "StatusBarPic");
    StatusBarPic->setFrameShape(QFrame::Panel);
    StatusBarPic->setFrameShadow(QFrame::Sunken);
    StatusBarPic->setMinimumWidth(220);
    StatusBarPic->setMinimumHeight(24);
    StatusBarPic->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    StatusBarPic->setIndent(4);
    StatusBarPic->installEventFilter(this);
    ButtonPicBrowse = named(new QPushButton(QCoreApplication::translate("FormFORMAT", "Browse...")), "ButtonPicBrowse");
    CheckBoxFitToLabel = named(new QCheckBox(QCoreApplication::translate("FormFORMAT", "Fit to label")),
                               "CheckBoxFitToLabel");
    CheckBoxKeepRatio = named(new QCheckBox(QCoreApplication::translate("FormFORMAT", "Keep ratio")),
                              "CheckBoxKeepRatio");
    EditPicLeft = numberEdit("EditPicLeft", QStringLiteral("0"));
    EditPicTop = numberEdit("EditPicTop", QStringLiteral("0"));
    EditPicWidth = numberEdit("EditPicWidth", QStringLiteral("0"));
    EditPicHeight = numberEdit("EditPicHeight", QStringLiteral("0"));
    auto percentBox = [](const char* name, const QString& caption) {
        auto* box = named(new QCheckBox(caption), name);
        box->setLayoutDirection(Qt::RightToLeft); // caption at the left of the box
        return box;
    };
    CheckBoxPicLeft = percentBox("CheckBoxPicLeft", QCoreApplication::translate("FormFORMAT", "Left %"));
    CheckBoxPicTop = percentBox("CheckBoxPicTop", QCoreApplication::translate("FormFORMAT", "Top %"));
    CheckBoxPicWidth = percentBox("CheckBoxPicWidth", QCoreApplication::translate("FormFORMAT", "Width %"));
    CheckBoxPicHeight = percentBox("CheckBoxPicHeight", QCoreApplication::translate("FormFORMAT", "Height %"));
    RadioButtonPicTop = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Top")), "RadioButtonPicTop");
    RadioButtonPicVCentre = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Centre")),
                                  "RadioButtonPicVCentre");
    RadioButtonPicBottom = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Bottom")),
                                 "RadioButtonPicBottom");
    RadioButtonPicLeft = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Left")),
                               "RadioButtonPicLeft");
    RadioButtonPicHCentre = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Centre")),
                                  "RadioButtonPicHCentre");
    RadioButtonPicRight = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Right")),
                                "RadioButtonPicRight");
    RadioButtonPicVCentre->setChecked(true);
    RadioButtonPicHCentre->setChecked(true);

    auto* picture = named(new QGroupBox(QCoreApplication::translate("FormFORMAT", "Picture Controls")),
                          "GroupBoxPICTURE");
    auto* pictureColumn = new QVBoxLayout(picture);
    pictureColumn->addWidget(CheckBoxShowPic);
    pictureColumn->addSpacing(4);
    // What the picture part shows: the picture file (its name may hold
    // fields, a picture per label) or a code made from a text with fields.
    radioPicFile_ = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Picture file")),
                          "RadioButtonPicFile");
    radioCode_ = named(new QRadioButton(QCoreApplication::translate("FormFORMAT", "Code")), "RadioButtonCode");
    auto* pictureOrCode = new QButtonGroup(this);
    pictureOrCode->addButton(radioPicFile_);
    pictureOrCode->addButton(radioCode_);
    radioPicFile_->setChecked(true);
    editPicName_ = named(new QLineEdit, "EditPicFileName");
    editPicName_->setPlaceholderText(
        QCoreApplication::translate("FormFORMAT", "or type a name, with fields: photos/{Photo}"));
    editPicName_->setToolTip(QStringLiteral("A name with fields in braces gives each label a picture of its own; "
                                            "a relative name is taken from the data file's folder"));
    comboCodeType_ = named(new QComboBox, "ComboBoxCodeType");
    for (const SymbologyInfo& kind : symbologies())
        comboCodeType_->addItem(QString::fromUtf8(kind.caption), QString::fromLatin1(kind.name));
    editCodeText_ = named(new QLineEdit, "EditCodeText");
    editCodeText_->setPlaceholderText(QStringLiteral("https://example.org/item/{SKU}"));
    editCodeText_->setToolTip(QStringLiteral("What the code holds; fields in braces ({SKU}, {1}, {#}) are filled "
                                             "from each label's data"));
    labelFieldProblem_ = named(new QLabel, "LabelFieldProblem");
    labelFieldProblem_->setWordWrap(true);
    labelFieldProblem_->setTextFormat(Qt::PlainText);
    labelFieldProblem_->hide();

    pictureColumn->addWidget(radioPicFile_);
    auto* fileColumn = new QVBoxLayout;
    fileColumn->setContentsMargins(20, 0, 0, 0);
    fileColumn->addWidget(
        named(new QLabel(QCoreApplication::translate("FormFORMAT", "Picture File Name:")), "LabelPICFILENAME"));
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(StatusBarPic, 1);
    fileRow->addWidget(ButtonPicBrowse);
    fileColumn->addLayout(fileRow);
    fileColumn->addWidget(editPicName_);
    pictureColumn->addLayout(fileColumn);
    pictureColumn->addWidget(radioCode_);
    auto* codeRow = new QHBoxLayout;
    codeRow->setContentsMargins(20, 0, 0, 0);
    codeRow->addWidget(comboCodeType_);
    codeRow->addWidget(editCodeText_, 1);
    pictureColumn->addLayout(codeRow);
    pictureColumn->addWidget(labelFieldProblem_);
    auto* fitRow = new QHBoxLayout;
    fitRow->addWidget(CheckBoxFitToLabel);
    fitRow->addSpacing(16);
    fitRow->addWidget(CheckBoxKeepRatio);
    fitRow->addStretch(1);
    pictureColumn->addLayout(fitRow);

    auto* percentGrid = new QGridLayout;
    percentGrid->setHorizontalSpacing(8);
    const std::pair<QCheckBox*, QLineEdit*> percents[] = {{CheckBoxPicLeft, EditPicLeft},
                                                          {CheckBoxPicTop, EditPicTop},
                                                          {CheckBoxPicWidth, EditPicWidth},
                                                          {CheckBoxPicHeight, EditPicHeight}};
    int row = 0;
    for (const auto& [box, edit] : percents) {
        percentGrid->addWidget(box, row, 0, Qt::AlignRight);
        percentGrid->addWidget(edit, row, 1);
        ++row;
    }
    auto* note = named(
        new QLabel(QCoreApplication::translate("FormFORMAT", "To use these values check the relevent checkboxes")),
        "LabelPICNOTE");
    note->setWordWrap(true);
    note->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    percentGrid->addWidget(note, 0, 2, 4, 1);
    percentGrid->setColumnStretch(2, 1);
    percentGrid->setColumnMinimumWidth(2, 120);
    pictureColumn->addSpacing(4);
    pictureColumn->addLayout(percentGrid);

    auto* pictureAlign = new QHBoxLayout;
    pictureAlign->addWidget(named(radioBox(QCoreApplication::translate("FormFORMAT", "Vertical"), RadioButtonPicTop,
                                           RadioButtonPicVCentre, RadioButtonPicBottom),
                                  "GroupBoxPICVERTICAL"));
    pictureAlign->addWidget(named(radioBox(QCoreApplication::translate("FormFORMAT", "Horizontal"), RadioButtonPicLeft,
                                           RadioButtonPicHCentre, RadioButtonPicRight),
                                  "GroupBoxPICHORIZONTAL"));
    pictureColumn->addSpacing(4);
    pictureColumn->addLayout(pictureAlign);
    pictureColumn->addStretch(1);

    // OK and Cancel, centred as a pair 16 pixels apart at any width. OK is
    // made in the dialog: a default button only becomes the dialog's own
    // (the one Enter presses again after another button had the focus) when
    // it has the dialog as an ancestor as it is made the default.
    ButtonOK = named(new QPushButton(QCoreApplication::translate("FormFORMAT", "OK"), this), "ButtonOK");
    ButtonCANCEL = named(new QPushButton(QCoreApplication::translate("FormFORMAT", "Cancel"), this), "ButtonCANCEL");
    ButtonOK->setDefault(true);
    ButtonOK->setAutoDefault(true);
    ButtonOK->setMinimumWidth(88);
    ButtonCANCEL->setMinimumWidth(88);
    auto* bottomBar = named(new QWidget, "PanelBOTTOM");
    auto* bottomRow = new QHBoxLayout(bottomBar);
    bottomRow->setContentsMargins(0, 6, 0, 0);
    bottomRow->addStretch(1);
    bottomRow->addWidget(ButtonOK);
    bottomRow->addSpacing(16 - bottomRow->spacing());
    bottomRow->addWidget(ButtonCANCEL);
    bottomRow->addStretch(1);

    auto* columns = new QHBoxLayout;
    columns->setSpacing(12);
    columns->addLayout(textSide, 1);
    columns->addWidget(picture, 1);
    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(12, 12, 12, 12);
    page->addLayout(columns);
    page->addWidget(bottomBar);
    page->setSizeConstraint(QLayout::SetMinimumSize);

    // Cancel ends the dialog by the ordinary reject; Escape does the same.
    connect(ButtonOK, &QPushButton::clicked, this, &TFormFORMAT::ButtonOKClick);
    connect(ButtonCANCEL, &QPushButton::clicked, this, &QDialog::reject);
    connect(ButtonFONT, &QPushButton::clicked, this, &TFormFORMAT::ButtonFONTClick);
    connect(ButtonBORDERCOLOR, &QPushButton::clicked, this, &TFormFORMAT::ButtonBORDERCOLORClick);
    connect(ButtonPicBrowse, &QPushButton::clicked, this, &TFormFORMAT::ButtonPicBrowseClick);
    connect(Buttonsaveformat, &QPushButton::clicked, this, &TFormFORMAT::ButtonsaveformatClick);
    connect(radioPicFile_, &QRadioButton::toggled, this, &TFormFORMAT::showPictureChoice);
    connect(editPicName_, &QLineEdit::textEdited, this, [this](const QString& text) {
        pictureName_ = text;
        showPictureName();
        showFieldProblems();
    });
    connect(editCodeText_, &QLineEdit::textChanged, this, &TFormFORMAT::showFieldProblems);
    connect(comboCodeType_, &QComboBox::currentIndexChanged, this, &TFormFORMAT::showFieldProblems);
    // Only OK is a default button; the others must not take Enter over.
    for (QPushButton* b : {ButtonCANCEL, ButtonFONT, ButtonBORDERCOLOR, ButtonPicBrowse, Buttonsaveformat})
        b->setAutoDefault(false);
    showFontName();
}

bool TFormFORMAT::execute(TJOB& job, QString& picDir)
{
    job_ = &job;
    picDir_ = &picDir;
    fillControls();
    const bool accepted = exec() == QDialog::Accepted;
    job_ = nullptr;
    picDir_ = nullptr;
    return accepted;
}

void TFormFORMAT::fillControls()
{
    const TJOBINFO& format = *job_->JOBINFO();
    const QString unit = CurrentUnit < UnitAbbreviations.size() ? UnitAbbreviations[CurrentUnit] : QString();
    for (QLabel* label : LabelUNITS)
        label->setText(unit);

    setLengthText(*EditBLEFT, format.MUBORDERLEFT);
    setLengthText(*EditBRIGHT, format.MUBORDERRIGHT);
    setLengthText(*EditBTOP, format.MUBORDERTOP);
    setLengthText(*EditBBOTTOM, format.MUBORDERBOTTOM);
    setLengthText(*EditBWIDTH, format.MUBORDERWIDTH);

    EditPicLeft->setText(numberText(format.PicPCLeft));
    EditPicTop->setText(numberText(format.PicPCTop));
    EditPicWidth->setText(numberText(format.PicPCWidth));
    EditPicHeight->setText(numberText(format.PicPCHeight));
    CheckBoxPicLeft->setChecked(format.UsePicPCLeft);
    CheckBoxPicTop->setChecked(format.UsePicPCTop);
    CheckBoxPicWidth->setChecked(format.UsePicPCWidth);
    CheckBoxPicHeight->setChecked(format.UsePicPCHeight);

    selectByCode(format.PicAlignVert, RadioButtonPicTop, RadioButtonPicVCentre, RadioButtonPicBottom);
    selectByCode(format.PicAlignHoriz, RadioButtonPicLeft, RadioButtonPicHCentre, RadioButtonPicRight);
    setSwatch(format.BORDERCOLOR);
    selectByCode(format.TEXTALIGNVERT, RadioButtonVTOP, RadioButtonVCENTRE, RadioButtonVBOTTOM);
    selectByCode(format.TEXTALIGNHORIZ, RadioButtonHLEFT, RadioButtonHCENTRE, RadioButtonHRIGHT);
    selectByCode(format.TEXTJUSTIFY, RadioButtonJLEFT, RadioButtonJCENTRE, RadioButtonJRIGHT);

    workingFont_ = format.FONT;
    showFontName();
    CheckBoxSHRINKTEXTTOFIT->setChecked(format.TEXTSHRINKTOFIT);
    CheckBoxSHOWBORDER->setChecked(format.SHOWBORDER);
    CheckBoxShowPic->setChecked(format.ShowPic);
    CheckBoxFitToLabel->setChecked(format.FitToLabel);
    CheckBoxKeepRatio->setChecked(format.KeepRatio);

    pictureName_ = job_->DATAINFO()->PicFileName;
    editPicName_->setText(pictureName_);
    const SymbologyInfo* kind = findSymbology(format.CodeType);
    const int kindIndex = kind ? comboCodeType_->findData(QString::fromLatin1(kind->name)) : -1;
    comboCodeType_->setCurrentIndex(kindIndex >= 0 ? kindIndex : 0);
    editCodeText_->setText(format.CodeText);
    (format.CodeType.isEmpty() ? radioPicFile_ : radioCode_)->setChecked(true);
    showPictureChoice();
    // The status line's width is known only once the dialog is laid out.
    if (QLayout* l = layout())
        l->activate();
    showPictureName();
    EditBLEFT->setFocus();
}

void TFormFORMAT::showPictureName()
{
    const int room = StatusBarPic->contentsRect().width() - StatusBarPic->indent() - 8;
    const QString shown = shortFileName(pictureName_, StatusBarPic->fontMetrics(), room);
    StatusBarPic->setText(shown);
    StatusBarPic->setToolTip(shown != pictureName_ ? pictureName_ : QString());
}

void TFormFORMAT::showPictureChoice()
{
    const bool file = radioPicFile_->isChecked();
    for (QWidget* control : std::initializer_list<QWidget*>{StatusBarPic, ButtonPicBrowse, editPicName_})
        control->setEnabled(file);
    comboCodeType_->setEnabled(!file);
    editCodeText_->setEnabled(!file);
    showFieldProblems();
}

// Fields the data lack, a brace left open, a code's content its kind cannot
// take: said under the controls as the user types. They do not stop OK, as
// the data may be opened afterwards; the preview crosses out what cannot be
// made.
void TFormFORMAT::showFieldProblems()
{
    QString problem;
    if (job_) {
        const TDATAINFO& dataInfo = *job_->DATAINFO();
        if (radioCode_->isChecked()) {
            const QString text = editCodeText_->text();
            if (text.isEmpty()) {
                problem = Messages::codeNeedsContent();
            } else if (const QString fields = dataInfo.fieldsProblem(text); !fields.isEmpty()) {
                problem = Messages::codeContentProblem(fields);
            } else if (!text.contains(u'{')) {
                const SymbologyInfo* kind = findSymbology(comboCodeType_->currentData().toString());
                if (kind)
                    if (const QString taken = codeTextProblem(kind->symbology, text); !taken.isEmpty())
                        problem = Messages::codeContentProblem(taken);
            }
        } else if (editPicName_->text().contains(u'{')) {
            if (const QString fields = dataInfo.fieldsProblem(editPicName_->text()); !fields.isEmpty())
                problem = Messages::pictureNameProblem(fields);
        }
    }
    labelFieldProblem_->setText(problem);
    labelFieldProblem_->setVisible(!problem.isEmpty());
}

void TFormFORMAT::showFontName()
{
    QStringList parts{workingFont_.Name,
                      QCoreApplication::translate("FormFORMAT", "%1 pt").arg(std::abs(workingFont_.size()))};
    if (workingFont_.Style & StoredFont::fsBold)
        parts << QCoreApplication::translate("FormFORMAT", "bold");
    if (workingFont_.Style & StoredFont::fsItalic)
        parts << QCoreApplication::translate("FormFORMAT", "italic");
    if (workingFont_.Style & StoredFont::fsUnderline)
        parts << QCoreApplication::translate("FormFORMAT", "underlined");
    if (workingFont_.Style & StoredFont::fsStrikeOut)
        parts << QCoreApplication::translate("FormFORMAT", "struck out");
    LabelFONTNAME->setText(parts.join(QStringLiteral(", ")));
    QFont sample = fontToQFont(workingFont_);
    sample.setPointSizeF(font().pointSizeF() > 0 ? font().pointSizeF() : 9);
    LabelFONTNAME->setFont(sample);
}

void TFormFORMAT::setSwatch(qint32 color)
{
    borderColor_ = color;
    QPalette palette = PanelBCOLOR->palette();
    palette.setColor(QPalette::Window, colorToQColor(color));
    PanelBCOLOR->setPalette(palette);
}

bool TFormFORMAT::validate()
{
    // The largest length the format can hold, in the display unit.
    const double longest = FNMUTOCURRENTUNIT(std::numeric_limits<MU>::max());
    const std::pair<QLabel*, QLineEdit*> lengths[] = {{LabelBLEFT, EditBLEFT},
                                                      {LabelBRIGHT, EditBRIGHT},
                                                      {LabelBTOP, EditBTOP},
                                                      {LabelBBOTTOM, EditBBOTTOM},
                                                      {LabelBWIDTH, EditBWIDTH}};
    for (const auto& [label, edit] : lengths) {
        const QString text = edit->text();
        if (!FNISUNSIGNEDNUMBER(text) || !(decimalValue(text) <= longest)) {
            edit->setFocus();
            edit->selectAll();
            messageSeam().error(Messages::notAValidPositiveNumber(label->text(), text));
            return false;
        }
    }

    auto refuse = [](QCheckBox* box, QLineEdit* edit) {
        edit->setFocus();
        edit->selectAll();
        messageSeam().error(Messages::notAValidNumber(box->text(), edit->text()));
        return false;
    };
    const std::pair<QCheckBox*, QLineEdit*> percents[] = {{CheckBoxPicLeft, EditPicLeft},
                                                          {CheckBoxPicTop, EditPicTop},
                                                          {CheckBoxPicWidth, EditPicWidth},
                                                          {CheckBoxPicHeight, EditPicHeight}};
    for (const auto& [box, edit] : percents)
        if (!FNISSIGNEDNUMBER(edit->text()) || !std::isfinite(decimalValue(edit->text())))
            return refuse(box, edit);
    if (decimalValue(EditPicHeight->text()) == 0.0)
        return refuse(CheckBoxPicHeight, EditPicHeight);
    if (decimalValue(EditPicWidth->text()) == 0.0)
        return refuse(CheckBoxPicWidth, EditPicWidth);
    return true;
}

void TFormFORMAT::writeTo(TJOBINFO& format) const
{
    format.MUBORDERLEFT = insetOf(*EditBLEFT);
    format.MUBORDERRIGHT = insetOf(*EditBRIGHT);
    format.MUBORDERTOP = insetOf(*EditBTOP);
    format.MUBORDERBOTTOM = insetOf(*EditBBOTTOM);
    format.MUBORDERWIDTH = insetOf(*EditBWIDTH);
    format.BORDERCOLOR = borderColor_;
    format.TEXTALIGNVERT = codeOf(RadioButtonVTOP, RadioButtonVBOTTOM);
    format.TEXTALIGNHORIZ = codeOf(RadioButtonHLEFT, RadioButtonHRIGHT);
    format.TEXTJUSTIFY = RadioButtonJCENTRE->isChecked() ? 1 : RadioButtonJRIGHT->isChecked() ? 2 : 0;
    format.FONT = workingFont_;
    format.TEXTSHRINKTOFIT = CheckBoxSHRINKTEXTTOFIT->isChecked();
    format.SHOWBORDER = CheckBoxSHOWBORDER->isChecked();
    format.ShowPic = CheckBoxShowPic->isChecked();
    format.FitToLabel = CheckBoxFitToLabel->isChecked();
    format.KeepRatio = CheckBoxKeepRatio->isChecked();
    format.PicPCLeft = decimalValue(EditPicLeft->text());
    format.PicPCTop = decimalValue(EditPicTop->text());
    format.PicPCWidth = decimalValue(EditPicWidth->text());
    format.PicPCHeight = decimalValue(EditPicHeight->text());
    format.UsePicPCLeft = CheckBoxPicLeft->isChecked();
    format.UsePicPCTop = CheckBoxPicTop->isChecked();
    format.UsePicPCWidth = CheckBoxPicWidth->isChecked();
    format.UsePicPCHeight = CheckBoxPicHeight->isChecked();
    format.PicAlignVert = codeOf(RadioButtonPicTop, RadioButtonPicBottom);
    format.PicAlignHoriz = codeOf(RadioButtonPicLeft, RadioButtonPicRight);
    // The picture file leaves no code behind: a job without one is stored
    // as it always was.
    if (radioCode_->isChecked()) {
        format.CodeType = comboCodeType_->currentData().toString();
        format.CodeText = editCodeText_->text();
    } else {
        format.CodeType.clear();
        format.CodeText.clear();
    }
}

QList<QPair<QString, QString>> TFormFORMAT::formatValues() const
{
    TJOBINFO format = job_ ? *job_->JOBINFO() : TJOBINFO();
    writeTo(format);
    QList<QPair<QString, QString>> values = formatDefaultTexts(format);
    // A percentage is kept as typed, less any blanks, so that it reads back
    // as the number that passed the checks.
    const std::pair<double TJOBINFO::*, const QLineEdit*> typed[] = {{&TJOBINFO::PicPCLeft, EditPicLeft},
                                                                     {&TJOBINFO::PicPCTop, EditPicTop},
                                                                     {&TJOBINFO::PicPCWidth, EditPicWidth},
                                                                     {&TJOBINFO::PicPCHeight, EditPicHeight}};
    const auto table = formatDefaultTable();
    for (std::size_t i = 0; i < table.size(); ++i)
        for (const auto& [member, edit] : typed)
            if (table[i].member == FormatDefault::Member(member))
                values[static_cast<qsizetype>(i)].second = edit->text().remove(QLatin1Char(' '));
    return values;
}

void TFormFORMAT::ButtonOKClick()
{
    if (!job_ || !validate())
        return;
    writeTo(*job_->JOBINFO());
    // A name typed in place of the one chosen with "Browse..." becomes the
    // job's picture; one with fields is read label by label as they draw.
    TDATAINFO& dataInfo = *job_->DATAINFO();
    if (editPicName_->text() != dataInfo.PicFileName) {
        dataInfo.PicFileName = editPicName_->text().trimmed();
        if (!dataInfo.picturePerLabel())
            dataInfo.LoadMainPic();
    }
    job_->setALTERED(true);
    accept();
}

void TFormFORMAT::ButtonsaveformatClick()
{
    if (!validate())
        return;
    writeFormatDefaults(formatValues());
    messageSeam().show(Messages::defaultsSaved());
}

void TFormFORMAT::ButtonFONTClick()
{
    QFont font = fontForDialog(workingFont_);
    if (dialogSeam().chooseFont(this, font)) {
        qFontToFont(font, workingFont_);
        showFontName();
    }
}

void TFormFORMAT::ButtonBORDERCOLORClick()
{
    QColor color = colorToQColor(borderColor_);
    if (dialogSeam().chooseColor(this, color))
        setSwatch(qColorToColor(color));
}

void TFormFORMAT::ButtonPicBrowseClick()
{
    if (!job_)
        return;
    if (pictureStartFolder_.isEmpty()) {
        if (picDir_ && !picDir_->isEmpty()) {
            pictureStartFolder_ = *picDir_;
        } else {
            pictureStartFolder_ = QDir(programFolder()).filePath(QStringLiteral("Pics"));
            QDir().mkpath(pictureStartFolder_);
        }
    }
    FileRequest request;
    request.caption = QCoreApplication::translate("FormFORMAT", "Choose a picture for the labels");
    request.startFolder = pictureStartFolder_;
    request.fileName = lastPicture_;
    request.filter = pictureFilter();
    request.mustExist = true;
    const QString chosen = dialogSeam().openFile(this, request);
    if (chosen.isEmpty())
        return;

    const QFileInfo info(chosen);
    lastPicture_ = info.absoluteFilePath();
    if (picDir_)
        *picDir_ = withTrailingSeparator(info.absolutePath());
    TDATAINFO& dataInfo = *job_->DATAINFO();
    dataInfo.PicFileName = lastPicture_;
    pictureName_ = dataInfo.PicFileName;
    editPicName_->setText(pictureName_);
    showPictureName();
    showFieldProblems();
    dataInfo.LoadMainPic();
}

bool TFormFORMAT::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StatusBarPic && event->type() == QEvent::Resize)
        showPictureName();
    return BaseDialog::eventFilter(watched, event);
}
