// The calibration window alone: filled from the stored calibration in the
// display unit, each box checked as it is left, the test page printed on a
// recording printer, and what OK and Cancel store.

#include "common/Controls.h"
#include "common/ModalDialog.h"
#include "common/RecordingPrinter.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "common/UnitGuard.h"
#include "dialogs/FormCALIBPRN.h"
#include "model/Units.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "render/RecordingCanvas.h"
#include "settings/RegistryStore.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSettings>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

namespace {

const QString printerName = QStringLiteral("Office Laser");

class CalibrationWindow : public ::testing::Test {
protected:
    void SetUp() override { clearSettingsStore(); }
    void TearDown() override { closeModals(); }

    QStringList boxes()
    {
        return {textOf(window, "EditWIDTH"), textOf(window, "EditHEIGHT"), textOf(window, "EditLEFT"),
                textOf(window, "EditTOP")};
    }

    // Runs the steps once the window shows modally.
    void whenShown(std::function<void()> steps)
    {
        whenModal<TFormCALIBPRN>([this, steps](TFormCALIBPRN& open) {
            ASSERT_EQ(&open, &window);
            // Focus moves as the user's does only in the active window.
            window.activateWindow();
            EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
            steps();
        });
    }

    QString stored(const char* name)
    {
        return FNREGREADSTRING(printerKey(printerName), QString::fromLatin1(name), QStringLiteral("absent"));
    }

    ScopedUnit unit{UnitMm};
    ScriptedMessages messages;
    TFormCALIBPRN window;
    RecordingPrinter printer{printerName};
};

} // namespace

TEST_F(CalibrationWindow, WindowAndControls)
{
    EXPECT_EQ(window.objectName(), QStringLiteral("FormCALIBPRN"));
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Calibrate printer"));
    EXPECT_TRUE(window.savesPlacement); // placed with the saved desktop
    for (const char* name :
         {"PanelINSTRUCTIONS", "PanelINSTRUCTIONS2", "Memo1",           "PanelCONTROLS",   "ButtonPRINTCALIBPAGE",
          "PanelDETAILS",      "LabelPRINTERNAME",   "EditPRINTERNAME", "LabelCALIBRATED", "PanelLTWH",
          "LabelWIDTH",        "EditWIDTH",          "LabelWIDTHUNITS", "LabelHEIGHT",     "EditHEIGHT",
          "LabelHEIGHTUNITS",  "LabelLEFT",          "EditLEFT",        "LabelLEFTUNITS",  "LabelTOP",
          "EditTOP",           "LabelTOPUNITS",      "PanelBOTTOMBAR",  "ButtonOK",        "ButtonCANCEL"})
        EXPECT_NE(window.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
    EXPECT_EQ(window.findChild<QPushButton*>("ButtonPRINTCALIBPAGE")->text(), QStringLiteral("Print calibration page"));
    EXPECT_EQ(textOf(window, "LabelPRINTERNAME"), QStringLiteral("Current printer:"));
    EXPECT_FALSE(child<QLineEdit>(window, "EditPRINTERNAME")->isEnabled());
    EXPECT_EQ(window.findChild<QWidget*>("PanelCONTROLS")->width(), 225);
    EXPECT_EQ(window.findChild<QWidget*>("PanelBOTTOMBAR")->height(), 41);
    // Left, Top, Width, Height in tab order, though Width is on top.
    auto nextTab = [](QWidget* w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled());
        return w;
    };
    EXPECT_EQ(nextTab(child<QLineEdit>(window, "EditLEFT")), child<QLineEdit>(window, "EditTOP"));
    EXPECT_EQ(nextTab(child<QLineEdit>(window, "EditTOP")), child<QLineEdit>(window, "EditWIDTH"));
    EXPECT_EQ(nextTab(child<QLineEdit>(window, "EditWIDTH")), child<QLineEdit>(window, "EditHEIGHT"));

    auto* memo = window.findChild<QPlainTextEdit*>("Memo1");
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_TRUE(memo->toPlainText().startsWith(QStringLiteral(
        "The BRIEF instructions:\n1. Print a test page.\n2. Measure width and height and enter measurements.\n"
        "3. Print another test page.\n4. Measure left and top (from edge of paper) and enter measurements.\n"
        "5. Press OK.\n\nFor a slightly more detailed description:\n")));

    whenShown([&] {
        EXPECT_EQ(window.focusWidget(), window.findChild<QWidget*>("ButtonPRINTCALIBPAGE"));
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        window.reject();
    });
    EXPECT_FALSE(window.execute(printer));
}

TEST_F(CalibrationWindow, UncalibratedPrinterInMillimetresAndInches)
{
    ASSERT_TRUE(window.FormShow(printerName));
    EXPECT_EQ(boxes(), (QStringList{"100", "100", "50", "50"}));
    EXPECT_EQ(textOf(window, "EditPRINTERNAME"), printerName);
    EXPECT_EQ(textOf(window, "LabelCALIBRATED"), QStringLiteral("Has not been calibrated yet."));
    for (const char* units : {"LabelWIDTHUNITS", "LabelHEIGHTUNITS", "LabelLEFTUNITS", "LabelTOPUNITS"})
        EXPECT_EQ(textOf(window, units), QStringLiteral("mm.")) << units;

    CurrentUnit = UnitInch;
    ASSERT_TRUE(window.FormShow(printerName));
    EXPECT_EQ(boxes(), (QStringList{"3.937", "3.937", "1.969", "1.969"}));
    EXPECT_EQ(textOf(window, "LabelTOPUNITS"), QStringLiteral("in."));
    enter(window, "EditWIDTH", QStringLiteral("7.9"));
    EXPECT_EQ(messages.texts(), QStringList{"Only 3.937 in. WIDTH adjustment allowed."});
    EXPECT_EQ(textOf(window, "EditWIDTH"), QStringLiteral("3.937"));
    const CalibrationTexts t = window.pageTexts();
    EXPECT_EQ(t.desiredWidth, QStringLiteral("3.937 in."));
    EXPECT_EQ(t.desiredLeft, QStringLiteral("1.969 in."));
}

TEST_F(CalibrationWindow, StoredCalibrationShowsAsTheMeasurementsThatMadeIt)
{
    TPRINTERCALIBRATION c;
    c.LeftShift = -2000;
    c.TopShift = 1500;
    c.ScaleX = 100000.0 / 99000.0;
    c.ScaleY = 1.25;
    const QDateTime when(QDate(2024, 3, 5), QTime(14, 30, 15));
    writeCalibration(printerName, c, when);
    ASSERT_TRUE(window.FormShow(printerName));
    EXPECT_EQ(boxes(), (QStringList{"99", "80", "52", "48.5"}));
    EXPECT_TRUE(textOf(window, "LabelCALIBRATED").startsWith(QStringLiteral("Last calibrated: ")));
    EXPECT_TRUE(textOf(window, "LabelCALIBRATED").contains(QStringLiteral("14:30:15"))
                || textOf(window, "LabelCALIBRATED").contains(QStringLiteral("2:30:15")))
        << textOf(window, "LabelCALIBRATED").toStdString();
    EXPECT_EQ(textOf(window, "LabelCALIBRATED"), QStringLiteral("Last calibrated: ") + window.lastCalibratedText());
    const CalibrationTexts t = window.pageTexts();
    EXPECT_EQ(t.lastWidth, QStringLiteral("99 mm."));
    EXPECT_EQ(t.lastTop, QStringLiteral("48.5 mm."));
    EXPECT_EQ(t.lastCalibrated, window.lastCalibratedText());

    // Another printer keeps its own values.
    ASSERT_TRUE(window.FormShow(QStringLiteral("Label Printer")));
    EXPECT_EQ(boxes(), (QStringList{"100", "100", "50", "50"}));
}

TEST_F(CalibrationWindow, UnreadableStoredValueKeepsTheWindowShut)
{
    FNREGWRITESTRING(printerKey(printerName), QStringLiteral("ScaleX"), QStringLiteral("1,5x"));
    EXPECT_FALSE(window.execute(printer)); // no modal steps: it must not show
    EXPECT_EQ(messages.texts(), QStringList{"'1,5x' is not a valid floating point value"});
    EXPECT_EQ(messages.shown.value(0).sign, MsgSign::Error);
}

TEST_F(CalibrationWindow, WidthAndHeightWithinAHundredMillimetres)
{
    ASSERT_TRUE(window.FormShow(printerName));
    enter(window, "EditWIDTH", QStringLiteral("200"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(textOf(window, "EditWIDTH"), QStringLiteral("200"));

    window.show();
    enter(window, "EditWIDTH", QStringLiteral("200.5"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Only 100 mm. WIDTH adjustment allowed."));
    EXPECT_EQ(messages.shown[0].sign, MsgSign::Error);
    EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(textOf(window, "EditWIDTH"), QStringLiteral("200")); // the previous accepted text
    EXPECT_EQ(window.focusWidget(), child<QLineEdit>(window, "EditWIDTH"));

    enter(window, "EditHEIGHT", QStringLiteral("-0.5"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Only 100 mm. HEIGHT adjustment allowed."));
    EXPECT_EQ(textOf(window, "EditHEIGHT"), QStringLiteral("100"));
    // Below half the desired size the scale would pass 2, which no print takes.
    enter(window, "EditHEIGHT", QStringLiteral("49.999"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("The HEIGHT must be at least 50 mm. (a smaller one means a "
                                                      "scale above 2).\n\rEnter the height of the solid box as "
                                                      "measured on the test page."));
    EXPECT_EQ(textOf(window, "EditHEIGHT"), QStringLiteral("100"));
    enter(window, "EditHEIGHT", QStringLiteral(" 50 "));
    EXPECT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(window.acceptedMeasures(), (CalibrationMeasures{200000, 50000, 50000, 50000}));
    window.hide();
}

TEST_F(CalibrationWindow, LeftAndTopFromMinusFiftyToAHundredAndFifty)
{
    ASSERT_TRUE(window.FormShow(printerName));
    enter(window, "EditLEFT", QStringLiteral("-50"));
    EXPECT_TRUE(messages.shown.isEmpty());
    enter(window, "EditLEFT", QStringLiteral("abc"));
    EXPECT_EQ(messages.texts(), QStringList{"abc is not a valid value."});
    EXPECT_EQ(textOf(window, "EditLEFT"), QStringLiteral("-50"));
    enter(window, "EditTOP", QStringLiteral("150"));
    enter(window, "EditTOP", QStringLiteral("150.001"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Only 100 mm. TOP adjustment allowed."));
    enter(window, "EditLEFT", QStringLiteral("99999999999999"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("Only 100 mm. LEFT adjustment allowed."));
    enter(window, "EditTOP", QStringLiteral("1.2.3"));
    EXPECT_EQ(messages.texts().last(), QStringLiteral("1.2.3 is not a valid value."));
    EXPECT_EQ(window.acceptedMeasures(), (CalibrationMeasures{100000, 100000, -50000, 150000}));
}

TEST_F(CalibrationWindow, ZeroWidthOrHeightRefused)
{
    ASSERT_TRUE(window.FormShow(printerName));
    enter(window, "EditWIDTH", QStringLiteral("0"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("The WIDTH cannot be 0.")));
    EXPECT_EQ(textOf(window, "EditWIDTH"), QStringLiteral("100"));
    // Less than a thousandth of a millimetre is 0 as well.
    enter(window, "EditHEIGHT", QStringLiteral("0.0004"));
    EXPECT_TRUE(messages.texts().last().startsWith(QStringLiteral("The HEIGHT cannot be 0.")));
    EXPECT_EQ(textOf(window, "EditHEIGHT"), QStringLiteral("100"));
    // Left and top may be 0.
    enter(window, "EditLEFT", QStringLiteral("0"));
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(CalibrationWindow, ZeroFromTheStoreIsNeitherPrintedNorStored)
{
    // Only a hand-edited store can hold a scale with no measured size.
    TPRINTERCALIBRATION c;
    c.ScaleX = 0;
    writeCalibration(printerName, c);
    const QString before = stored("DateTimeStamp");
    whenShown([&] {
        EXPECT_EQ(textOf(window, "EditWIDTH"), QStringLiteral("0"));
        window.ButtonPRINTCALIBPAGEClick();
        EXPECT_EQ(printer.count("begin"), 0);
        window.findChild<QPushButton*>("ButtonOK")->click();
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(messages.shown.size(), 2);
        EXPECT_TRUE(messages.texts().last().startsWith(QStringLiteral("The WIDTH cannot be 0.")));
        window.reject();
    });
    EXPECT_FALSE(window.execute(printer));
    EXPECT_EQ(stored("DateTimeStamp"), before);
}

TEST_F(CalibrationWindow, StoredScaleThatNoPrintTakesIsShownToBeOverwritten)
{
    TPRINTERCALIBRATION c;
    c.ScaleY = 3;
    writeCalibration(printerName, c);
    whenShown([&] {
        EXPECT_EQ(textOf(window, "EditHEIGHT"), QStringLiteral("33.333"));
        window.findChild<QPushButton*>("ButtonOK")->click();
        EXPECT_TRUE(window.isVisible());
        EXPECT_TRUE(messages.texts().value(0).startsWith(QStringLiteral("The HEIGHT must be at least 50 mm.")));
        enter(window, "EditHEIGHT", QStringLiteral("100"));
        window.findChild<QPushButton*>("ButtonOK")->click();
    });
    EXPECT_TRUE(window.execute(printer));
    EXPECT_EQ(stored("ScaleY"), QStringLiteral("1"));
}

TEST_F(CalibrationWindow, OkOnAnUncalibratedPrinterStoresTheIdentity)
{
    whenShown([&] { window.findChild<QPushButton*>("ButtonOK")->click(); });
    const QDateTime before = QDateTime::currentDateTime().addSecs(-1);
    EXPECT_TRUE(window.execute(printer));
    EXPECT_EQ(stored("LeftShift"), QStringLiteral("0"));
    EXPECT_EQ(stored("TopShift"), QStringLiteral("0"));
    EXPECT_EQ(stored("ScaleX"), QStringLiteral("1"));
    EXPECT_EQ(stored("ScaleY"), QStringLiteral("1"));
    const double stamp = calibrationStamp(printerName);
    EXPECT_GE(stamp, dateTimeToStamp(before));
    EXPECT_LE(stamp, dateTimeToStamp(QDateTime::currentDateTime().addSecs(1)));
    EXPECT_TRUE(messages.shown.isEmpty());

    // The next showing reads it back.
    ASSERT_TRUE(window.FormShow(printerName));
    EXPECT_TRUE(textOf(window, "LabelCALIBRATED").startsWith(QStringLiteral("Last calibrated: ")));
}

TEST_F(CalibrationWindow, OkStoresWhatTheMeasurementsGive)
{
    whenShown([&] {
        enter(window, "EditWIDTH", QStringLiteral("99"));
        enter(window, "EditHEIGHT", QStringLiteral("102.5"));
        enter(window, "EditLEFT", QStringLiteral("52"));
        enter(window, "EditTOP", QStringLiteral("47.25"));
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        EXPECT_FALSE(window.isVisible()) << messages.texts().join(" | ").toStdString();
    });
    EXPECT_TRUE(window.execute(printer));
    EXPECT_EQ(stored("LeftShift"), QStringLiteral("-2000"));
    EXPECT_EQ(stored("TopShift"), QStringLiteral("2750"));
    EXPECT_EQ(stored("ScaleX"), numberToStoredText(100000.0 / 99000.0));
    EXPECT_EQ(stored("ScaleY"), numberToStoredText(100000.0 / 102500.0));
    const TPRINTERCALIBRATION c = READCALIBRATION(printerName);
    EXPECT_EQ(c.LeftShift, -2000);
    EXPECT_DOUBLE_EQ(c.ScaleX, 100000.0 / 99000.0);
}

TEST_F(CalibrationWindow, OkWithARefusedEntryStaysOpen)
{
    whenShown([&] {
        QLineEdit* box = child<QLineEdit>(window, "EditLEFT");
        box->setFocus();
        box->selectAll();
        box->insert(QStringLiteral("12x"));
        // Return presses OK without leaving the box.
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(messages.texts(), QStringList{"12x is not a valid value."});
        EXPECT_EQ(printer.count("begin"), 0); // OK was pressed, not the test page
        EXPECT_EQ(textOf(window, "EditLEFT"), QStringLiteral("50"));
        window.reject();
    });
    EXPECT_FALSE(window.execute(printer));
    EXPECT_EQ(stored("LeftShift"), QStringLiteral("absent"));
}

TEST_F(CalibrationWindow, CancelStoresNothingEvenAfterATestPage)
{
    whenShown([&] {
        enter(window, "EditWIDTH", QStringLiteral("98"));
        window.ButtonPRINTCALIBPAGEClick();
        window.findChild<QPushButton*>("ButtonCANCEL")->click();
    });
    EXPECT_FALSE(window.execute(printer));
    EXPECT_EQ(printer.count("end"), 1);
    for (const char* name : {"LeftShift", "TopShift", "ScaleX", "ScaleY", "DateTimeStamp"})
        EXPECT_EQ(stored(name), QStringLiteral("absent")) << name;
}

TEST_F(CalibrationWindow, TestPagePrintsTheBoxesAsEntered)
{
    printer.copyCount = 3; // left by an earlier print
    whenShown([&] {
        enter(window, "EditWIDTH", QStringLiteral("99"));
        enter(window, "EditLEFT", QStringLiteral("52"));
        window.ButtonPRINTCALIBPAGEClick();
        window.reject();
    });
    window.execute(printer);
    ASSERT_EQ(printer.count("begin"), 1);
    EXPECT_EQ(printer.count("end"), 1);
    EXPECT_EQ(printer.copiesWhilePrinting, 1); // one sheet
    EXPECT_EQ(printer.copyCount, 3);           // and the printer's own count back

    const QStringList texts = printer.texts();
    for (const char* line : {"Width=100 mm. Height=100 mm. Left=50 mm. Top=50 mm.", "Width: 99 mm.", "Left: 52 mm.",
                             "Printer name: Office Laser", "Last calibrated: Has not been calibrated yet.",
                             "Width: 100 mm.", "Left: 50 mm."})
        EXPECT_TRUE(texts.contains(QString::fromLatin1(line))) << line;
    // The boxes are those of the entered measurements on this printer.
    const CalibrationLayout l = calibrationLayout(printer.device, CalibrationMeasures{99000, 100000, 52000, 50000});
    const QVector<CanvasOp> lines = printer.page.ops(CanvasOp::Polyline);
    ASSERT_GE(lines.size(), 3);
    EXPECT_EQ(lines[0].points.value(0), QPoint(l.dotted.left, l.dotted.top));
    EXPECT_EQ(lines[1].points.value(0), QPoint(l.dashed.left, l.dashed.top));
    EXPECT_EQ(lines[1].points.value(1), QPoint(l.dashed.right - 1, l.dashed.top));
}

TEST_F(CalibrationWindow, TestPageWaitsForAPrintRun)
{
    bool running = true;
    whenShown([&] {
        window.ButtonPRINTCALIBPAGEClick();
        EXPECT_EQ(printer.count("begin"), 0);
        running = false;
        window.ButtonPRINTCALIBPAGEClick();
        EXPECT_EQ(printer.count("begin"), 1);
        window.reject();
    });
    window.execute(printer, [&] { return running; });
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(CalibrationWindow, TestPageChecksTheBoxBeingTypedIn)
{
    whenShown([&] {
        QLineEdit* box = child<QLineEdit>(window, "EditHEIGHT");
        box->setFocus();
        box->selectAll();
        box->insert(QStringLiteral("250"));
        window.ButtonPRINTCALIBPAGEClick(); // as the keyboard presses it
        EXPECT_EQ(messages.texts(), QStringList{"Only 100 mm. HEIGHT adjustment allowed."});
        EXPECT_EQ(printer.count("begin"), 0);
        window.reject();
    });
    window.execute(printer);
}
