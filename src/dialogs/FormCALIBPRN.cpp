#include "FormCALIBPRN.h"

#include "dialogs/NamedWidgets.h"
#include "model/Units.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "support/Maker.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

MU clampToMU(std::int64_t value)
{
    return static_cast<MU>(
        std::clamp<std::int64_t>(value, std::numeric_limits<MU>::min(), std::numeric_limits<MU>::max()));
}

// The measured size that gives a stored scale factor: 100000 / scale to the
// nearest MU. A scale with no such size (0, or not a number) gives 0, which
// the window will not print or store.
MU sizeFromScale(double scale)
{
    const long double size = static_cast<long double>(CalibrationBoxSizeMU) / scale;
    if (!std::isfinite(static_cast<double>(size)) || std::fabs(static_cast<double>(size)) > 4.0e9)
        return 0;
    return clampToMU(roundHalfEven(size));
}

// Why a measured size of the solid box cannot be taken: the scale is the
// desired size divided by this one, and it must be one the print run can use.
// Empty when the size can be taken.
QString sizeRefusal(const char* word, MU size, const QString& abbreviation)
{
    const QString caption = QCoreApplication::translate("FormCALIBPRN", word);
    const QString measureAgain = Messages::measureAgain(caption.toLower());
    if (size == 0)
        return Messages::measuredSizeZero(caption) + measureAgain;
    if (isUsableScale(static_cast<double>(CalibrationBoxSizeMU) / size))
        return QString();
    const MU smallest = static_cast<MU>(std::ceil(CalibrationBoxSizeMU / CalibrationScaleMax));
    return Messages::measuredSizeTooSmall(caption, muToCurrentUnitText(smallest), abbreviation,
                                          numberText(CalibrationScaleMax))
           + measureAgain;
}

// The short date and the long time of the user's locale. The long time
// format of the locale names the time zone as well; a moment recorded on
// this machine is shown without it.
QString formatMoment(const QDateTime& when)
{
    const QLocale locale;
    QString timeFormat;
    bool quoted = false;
    for (const QChar c : locale.timeFormat(QLocale::LongFormat)) {
        if (c == u'\'')
            quoted = !quoted;
        if (!quoted && c == u't')
            continue;
        timeFormat += c;
    }
    return locale.toString(when.date(), QLocale::ShortFormat) + u' '
           + locale.toString(when.time(), timeFormat.simplified());
}

} // namespace

QString TFormCALIBPRN::instructionsText()
{
    return QCoreApplication::translate(
               "FormCALIBPRN", "The BRIEF instructions:\n"
                               "1. Print a test page.\n"
                               "2. Measure width and height and enter measurements.\n"
                               "3. Print another test page.\n"
                               "4. Measure left and top (from edge of paper) and enter measurements.\n"
                               "5. Press OK.\n"
                               "\n"
                               "For a slightly more detailed description:\n"
                               "\n"
                               "Few printers put a page exactly where they are told to. Most stretch or shrink the "
                               "image a little, and move it a little across or down the paper. Once it knows by how "
                               "much, %1 makes up for it: it rescales and repositions everything it prints on "
                               "this printer.\n"
                               "\n"
                               "The test page has three boxes. The solid box is the reference: it is drawn with no "
                               "adjustment at all. The dashed box is the solid box rescaled by the width and height "
                               "you measured of the solid box. The dotted box is rescaled in the same way and also "
                               "moved by the left and top you measured of the dashed box. Where two boxes fall on "
                               "the same place, one hides under the other.\n"
                               "\n"
                               "The measurements the boxes should have are printed on the page, in the units you "
                               "have chosen for %1.\n"
                               "\n"
                               "Step by step:\n"
                               "1. Print a test page.\n"
                               "2. Put the scale right first: measure the width and height of the solid box as "
                               "accurately as you can and enter them.\n"
                               "3. Print another test page. The dashed box should now have the desired width and "
                               "height.\n"
                               "4. Measure the left and top of the dashed box, from the edge of the paper, even if "
                               "your printer does not print right up to the edge, and enter them.\n"
                               "5. Print another test page. The dotted box should now sit where it should, at the "
                               "desired size.\n"
                               "6. If it is not quite right, make small changes to your measurements and print "
                               "again until it is; then press OK.\n"
                               "\n"
                               "OK keeps your measurements and uses them whenever %1 prints on this printer "
                               "from now on. Cancel throws them away and leaves the printer as it was. Entering the "
                               "desired measurements themselves takes away any adjustment.\n"
                               "\n"
                               "Paper of another kind, such as a sheet of labels, may travel through the printer a "
                               "little differently from plain paper, so a last test page on the stock you will "
                               "really use is worth the sheet.\n"
                               "\n"
                               "None of this changes anything in the printer itself: only the way %1 prints "
                               "on it.\n")
        .arg(applicationTitle());
}

TFormCALIBPRN::TFormCALIBPRN(QWidget* parent) : BaseDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("FormCALIBPRN"));
    setWindowTitle(QCoreApplication::translate("FormCALIBPRN", "Calibrate printer"));

    // The instructions on the left.
    PanelINSTRUCTIONS = named(new QFrame(this), "PanelINSTRUCTIONS");
    PanelINSTRUCTIONS2 = named(
        new QLabel(QCoreApplication::translate("FormCALIBPRN", "INSTRUCTIONS"), PanelINSTRUCTIONS),
        "PanelINSTRUCTIONS2");
    QFont bold = PanelINSTRUCTIONS2->font();
    bold.setBold(true);
    PanelINSTRUCTIONS2->setFont(bold);
    PanelINSTRUCTIONS2->setAlignment(Qt::AlignCenter);
    PanelINSTRUCTIONS2->setFrameShape(QFrame::Panel);
    PanelINSTRUCTIONS2->setFrameShadow(QFrame::Raised);
    PanelINSTRUCTIONS2->setMinimumHeight(24);
    Memo1 = named(new QPlainTextEdit(PanelINSTRUCTIONS), "Memo1");
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo1->setLineWrapMode(QPlainTextEdit::NoWrap); // wrapped when the window shows
    Memo1->setPlainText(instructionsText());
    auto* instructions = new QVBoxLayout(PanelINSTRUCTIONS);
    instructions->setContentsMargins(0, 0, 0, 0);
    instructions->setSpacing(2);
    instructions->addWidget(PanelINSTRUCTIONS2);
    instructions->addWidget(Memo1, 1);

    // The controls on the right.
    PanelCONTROLS = named(new QFrame(this), "PanelCONTROLS");
    PanelCONTROLS->setFixedWidth(225);
    ButtonPRINTCALIBPAGE = named(
        new QPushButton(QCoreApplication::translate("FormCALIBPRN", "Print calibration page"), PanelCONTROLS),
        "ButtonPRINTCALIBPAGE");
    connect(ButtonPRINTCALIBPAGE, &QPushButton::clicked, this, &TFormCALIBPRN::ButtonPRINTCALIBPAGEClick);

    PanelDETAILS = named(new QFrame(PanelCONTROLS), "PanelDETAILS");
    PanelDETAILS->setFrameShape(QFrame::StyledPanel);
    LabelPRINTERNAME = named(new QLabel(QCoreApplication::translate("FormCALIBPRN", "Current printer:"), PanelDETAILS),
                             "LabelPRINTERNAME");
    EditPRINTERNAME = named(new QLineEdit(PanelDETAILS), "EditPRINTERNAME");
    EditPRINTERNAME->setReadOnly(true);
    EditPRINTERNAME->setEnabled(false);
    LabelCALIBRATED = named(new QLabel(Messages::notCalibrated(), PanelDETAILS), "LabelCALIBRATED");
    LabelCALIBRATED->setWordWrap(true);
    auto* details = new QVBoxLayout(PanelDETAILS);
    details->setContentsMargins(6, 4, 6, 4);
    details->setSpacing(2);
    details->addWidget(LabelPRINTERNAME);
    details->addWidget(EditPRINTERNAME);
    details->addWidget(LabelCALIBRATED);

    PanelLTWH = named(new QFrame(PanelCONTROLS), "PanelLTWH");
    PanelLTWH->setFrameShape(QFrame::StyledPanel);
    auto* grid = new QGridLayout(PanelLTWH);
    grid->setContentsMargins(6, 4, 6, 4);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(3);
    const struct {
        const char *caption, *edit, *units, *word;
        const QString text;
        MU desired;
    } rows[4] = {
        {"LabelWIDTH", "EditWIDTH", "LabelWIDTHUNITS", QT_TRANSLATE_NOOP("FormCALIBPRN", "WIDTH"),
         QCoreApplication::translate("FormCALIBPRN", "Width:"), CalibrationBoxSizeMU},
        {"LabelHEIGHT", "EditHEIGHT", "LabelHEIGHTUNITS", QT_TRANSLATE_NOOP("FormCALIBPRN", "HEIGHT"),
         QCoreApplication::translate("FormCALIBPRN", "Height:"), CalibrationBoxSizeMU},
        {"LabelLEFT", "EditLEFT", "LabelLEFTUNITS", QT_TRANSLATE_NOOP("FormCALIBPRN", "LEFT"),
         QCoreApplication::translate("FormCALIBPRN", "Left:"), CalibrationBoxLeftMU},
        {"LabelTOP", "EditTOP", "LabelTOPUNITS", QT_TRANSLATE_NOOP("FormCALIBPRN", "TOP"),
         QCoreApplication::translate("FormCALIBPRN", "Top:"), CalibrationBoxTopMU},
    };
    for (int i = 0; i < 4; ++i) {
        MeasureBox& b = boxes_[static_cast<std::size_t>(i)];
        b.caption = named(new QLabel(rows[i].text, PanelLTWH), rows[i].caption);
        b.edit = named(new QLineEdit(PanelLTWH), rows[i].edit);
        b.edit->setFixedWidth(90);
        b.edit->installEventFilter(this);
        b.units = named(new QLabel(UnitAbbreviations[UnitMm], PanelLTWH), rows[i].units);
        b.word = rows[i].word;
        b.desired = rows[i].desired;
        b.caption->setBuddy(b.edit);
        grid->addWidget(b.caption, i, 0);
        grid->addWidget(b.edit, i, 1);
        grid->addWidget(b.units, i, 2);
    }
    grid->setColumnStretch(2, 1);
    setTabOrder(boxes_[Left].edit, boxes_[Top].edit);
    setTabOrder(boxes_[Top].edit, boxes_[Width].edit);
    setTabOrder(boxes_[Width].edit, boxes_[Height].edit);

    auto* controls = new QVBoxLayout(PanelCONTROLS);
    controls->setContentsMargins(4, 4, 4, 4);
    controls->setSpacing(6);
    controls->addWidget(ButtonPRINTCALIBPAGE);
    controls->addWidget(PanelDETAILS);
    controls->addWidget(PanelLTWH);
    controls->addStretch(1);

    // OK and Cancel along the bottom.
    PanelBOTTOMBAR = named(new QFrame(this), "PanelBOTTOMBAR");
    PanelBOTTOMBAR->setFixedHeight(41);
    std::tie(ButtonOK, ButtonCANCEL) = makeOkCancel(*this, PanelBOTTOMBAR, "ButtonOK", "ButtonCANCEL");
    // Cancel does not take the focus when clicked: leaving a box that holds
    // a refused entry would otherwise complain on the way out.
    ButtonCANCEL->setFocusPolicy(Qt::TabFocus);
    auto* bar = new QHBoxLayout(PanelBOTTOMBAR);
    bar->setContentsMargins(8, 6, 8, 6);
    bar->addStretch(1);
    bar->addWidget(ButtonOK);
    bar->addWidget(ButtonCANCEL);

    auto* middle = new QHBoxLayout;
    middle->setContentsMargins(0, 0, 0, 0);
    middle->setSpacing(4);
    middle->addWidget(PanelINSTRUCTIONS, 1);
    middle->addWidget(PanelCONTROLS);
    auto* form = new QVBoxLayout(this);
    form->setContentsMargins(4, 4, 4, 0);
    form->setSpacing(0);
    form->addLayout(middle, 1);
    form->addWidget(PanelBOTTOMBAR);

    // The client area is 459 x 308 where the fonts allow it.
    setFixedSize(QSize(459, 308).expandedTo(minimumSizeHint()));
}

QString TFormCALIBPRN::unitText(const QString& text) const
{
    return text + u' ' + abbreviation_;
}

bool TFormCALIBPRN::FormShow(const QString& printerName)
{
    TPRINTERCALIBRATION c;
    double stamp = 0;
    try {
        c = READCALIBRATION(printerName);
        stamp = calibrationStamp(printerName);
    } catch (const ECalibrationError& e) {
        messageSeam().error(e.message());
        return false;
    }
    printerName_ = printerName;
    abbreviation_ = UnitAbbreviations[currentUnitIndex()];

    // The measurements that would give the stored calibration: an
    // uncalibrated printer shows the desired ones.
    MU values[4];
    values[Width] = sizeFromScale(c.ScaleX);
    values[Height] = sizeFromScale(c.ScaleY);
    values[Left] = clampToMU(std::int64_t{CalibrationBoxLeftMU} - c.LeftShift);
    values[Top] = clampToMU(std::int64_t{CalibrationBoxTopMU} - c.TopShift);
    for (int i = 0; i < 4; ++i) {
        MeasureBox& b = boxes_[static_cast<std::size_t>(i)];
        b.allowed = 100000;
        setLengthText(*b.edit, values[i]);
        b.units->setText(abbreviation_);
        b.accepted = b.edit->text();
        b.lastCalibration = unitText(b.accepted);
    }

    EditPRINTERNAME->setText(printerName);
    if (stamp != 0) {
        lastCalibrated_ = formatMoment(stampToDateTime(stamp));
        LabelCALIBRATED->setText(QCoreApplication::translate("FormCALIBPRN", "Last calibrated: ") + lastCalibrated_);
    } else {
        lastCalibrated_ = Messages::notCalibrated();
        LabelCALIBRATED->setText(Messages::notCalibrated());
    }
    return true;
}

void TFormCALIBPRN::showEvent(QShowEvent* event)
{
    ButtonPRINTCALIBPAGE->setFocus();
    Memo1->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    BaseDialog::showEvent(event);
}

bool TFormCALIBPRN::execute(PrintTarget& printer, std::function<bool()> printInProgress)
{
    if (!FormShow(printer.printerName()))
        return false;
    printer_ = &printer;
    printInProgress_ = std::move(printInProgress);
    const bool ok = exec() == QDialog::Accepted;
    printer_ = nullptr;
    printInProgress_ = nullptr;
    if (!ok)
        return false;
    writeCalibration(printerName_, calibrationFromMeasures(acceptedMeasures()));
    return true;
}

bool TFormCALIBPRN::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::FocusOut) {
        // A box is left when the focus moves to another control; not when
        // the window itself loses the focus (to a message box, say) or a
        // context menu opens on the box.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            for (MeasureBox& b : boxes_)
                if (b.edit == watched && !checking_) {
                    checking_ = true;
                    EditExit(b);
                    checking_ = false;
                }
        }
    }
    return BaseDialog::eventFilter(watched, event);
}

bool TFormCALIBPRN::EditExit(MeasureBox& box)
{
    const QString text = box.edit->text();
    if (text == box.accepted)
        return true;
    QString refusal;
    if (!FNISSIGNEDNUMBER(text)) {
        refusal = Messages::notAValidValue(text);
    } else {
        // A number too large for a length lies beyond the allowed deviation.
        const std::optional<MU> value = readLength(text);
        if (!value || std::llabs(std::int64_t{*value} - box.desired) > box.allowed) {
            refusal = Messages::adjustmentAllowed(muToCurrentUnitText(box.allowed), abbreviation_,
                                                  QCoreApplication::translate("FormCALIBPRN", box.word));
        } else if (box.desired == CalibrationBoxSizeMU) {
            refusal = sizeRefusal(box.word, *value, abbreviation_);
        }
    }
    if (refusal.isEmpty()) {
        box.accepted = text;
        return true;
    }
    messageSeam().error(refusal);
    box.edit->setText(box.accepted);
    box.edit->setFocus();
    return false;
}

bool TFormCALIBPRN::checkBoxes()
{
    if (checking_)
        return false;
    checking_ = true;
    bool ok = true;
    for (MeasureBox& b : boxes_)
        if (!EditExit(b)) {
            ok = false;
            break;
        }
    checking_ = false;
    return ok;
}

bool TFormCALIBPRN::usable(const CalibrationMeasures& measures)
{
    // Only a stored calibration can bring a size here that the boxes would
    // refuse (0, or one that makes an unusable scale).
    for (int i : {Width, Height}) {
        const QString refusal = sizeRefusal(boxes_[static_cast<std::size_t>(i)].word,
                                            i == Width ? measures.Width : measures.Height, abbreviation_);
        if (refusal.isEmpty())
            continue;
        messageSeam().error(refusal);
        boxes_[static_cast<std::size_t>(i)].edit->setFocus();
        return false;
    }
    return true;
}

CalibrationMeasures TFormCALIBPRN::acceptedMeasures() const
{
    CalibrationMeasures m;
    m.Width = lengthIn(*boxes_[Width].edit, boxes_[Width].accepted).value_or(0);
    m.Height = lengthIn(*boxes_[Height].edit, boxes_[Height].accepted).value_or(0);
    m.Left = lengthIn(*boxes_[Left].edit, boxes_[Left].accepted).value_or(0);
    m.Top = lengthIn(*boxes_[Top].edit, boxes_[Top].accepted).value_or(0);
    return m;
}

CalibrationTexts TFormCALIBPRN::pageTexts() const
{
    CalibrationTexts t;
    t.desiredWidth = unitText(muToCurrentUnitText(boxes_[Width].desired));
    t.desiredHeight = unitText(muToCurrentUnitText(boxes_[Height].desired));
    t.desiredLeft = unitText(muToCurrentUnitText(boxes_[Left].desired));
    t.desiredTop = unitText(muToCurrentUnitText(boxes_[Top].desired));
    t.enteredWidth = unitText(boxes_[Width].edit->text());
    t.enteredHeight = unitText(boxes_[Height].edit->text());
    t.enteredLeft = unitText(boxes_[Left].edit->text());
    t.enteredTop = unitText(boxes_[Top].edit->text());
    t.printerName = printerName_;
    t.lastCalibrated = lastCalibrated_;
    t.lastWidth = boxes_[Width].lastCalibration;
    t.lastHeight = boxes_[Height].lastCalibration;
    t.lastLeft = boxes_[Left].lastCalibration;
    t.lastTop = boxes_[Top].lastCalibration;
    return t;
}

void TFormCALIBPRN::ButtonPRINTCALIBPAGEClick()
{
    // One document at a time: nothing while a print run is under way.
    if (!printer_ || printer_->isPrinting() || (printInProgress_ && printInProgress_()))
        return;
    if (!checkBoxes())
        return;
    const CalibrationMeasures measures = acceptedMeasures();
    if (!usable(measures))
        return;
    const CalibrationTexts texts = pageTexts();

    // The page is one sheet of the printer's own paper, whatever copy count
    // and paper the last print left with the printer.
    PrintTarget& printer = *printer_;
    const int copies = printer.copies();
    printer.setCopies(1);
    printer.usePrinterPaper();
    printer.setDocumentName(applicationTitle() + QStringLiteral(" calibration"));
    const PrinterGeometry geometry = printer.geometry();
    printer.beginDocument();
    if (!printer.isPrinting()) {
        printer.setCopies(copies);
        const QString why = printer.errorText();
        messageSeam().error(why.isEmpty() ? Messages::notPrinting() : why);
        return;
    }
    bool ended = false;
    try {
        drawCalibrationPage(*printer.canvas(), geometry, measures, texts);
        ended = printer.endDocument();
    } catch (...) {
        printer.abortDocument();
        printer.setCopies(copies);
        throw;
    }
    printer.setCopies(copies);
    if (!ended)
        messageSeam().error(printer.errorText().isEmpty() ? Messages::printerRefusedPage() : printer.errorText());
}

void TFormCALIBPRN::accept()
{
    if (!checkBoxes() || !usable(acceptedMeasures()))
        return;
    BaseDialog::accept();
}
