// The printer calibration store and the arithmetic of a print on a printer.

#include "common/RecordingPrinter.h"
#include "model/Job.h"
#include "model/Template.h"
#include "print/PrintRun.h"
#include "print/PrinterCalibration.h"
#include "settings/RegistryStore.h"

#include <QLocale>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

TTEMPLATE a4()
{
    TTEMPLATE t;
    t.PAPERMUWIDTH = 210000;
    t.PAPERMUHEIGHT = 297000;
    return t;
}

// Restores the process's default locale when a test changed it.
struct LocaleGuard {
    QLocale saved;
    ~LocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

TEST(PrinterGeometry, UncalibratedPrinterWithoutMargins)
{
    TPRINTPARAMS p;
    applyPrinterGeometry(p, TPRINTERCALIBRATION(), PrinterGeometry{600, 600, 0, 0}, a4());
    // 8.268 inches at 600 dpi is 4960.8, to the nearest 4961.
    EXPECT_DOUBLE_EQ(p.PixPerMuX, 4961.0 / 210000);
    EXPECT_DOUBLE_EQ(p.PixPerMuY, 7016.0 / 297000);
    EXPECT_EQ(p.MuOffsetX, 0);
    EXPECT_EQ(p.MuOffsetY, 0);
    EXPECT_TRUE(p.ToPrinter);
}

TEST(PrinterGeometry, ShiftsMarginsAndScales)
{
    TPRINTERCALIBRATION c;
    c.LeftShift = 1000;
    c.TopShift = -200;
    c.ScaleX = 1.5;
    TPRINTPARAMS p;
    p.PageIndex = 7; // left for the caller
    // A quarter inch on the left, a sixth on top, at 600 x 300 dpi.
    applyPrinterGeometry(p, c, PrinterGeometry{600, 300, 150, 50}, a4());
    EXPECT_EQ(p.MuOffsetX, 1000 - 6350);
    EXPECT_EQ(p.MuOffsetY, -200 - 4234);
    EXPECT_DOUBLE_EQ(p.PixPerMuX, 4961.0 / 210000 * 1.5);
    EXPECT_DOUBLE_EQ(p.PixPerMuY, 3508.0 / 297000);
    EXPECT_EQ(p.PageIndex, 7);
}

TEST(PrinterGeometry, PaperWithoutSizeGivesNoScale)
{
    TPRINTPARAMS p;
    applyPrinterGeometry(p, TPRINTERCALIBRATION(), PrinterGeometry{600, 600, 0, 0}, TTEMPLATE());
    EXPECT_EQ(p.PixPerMuX, 0.0);
    EXPECT_EQ(p.PixPerMuY, 0.0);
}

TEST(CalibrationStore, DefaultsAndRoundTrip)
{
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Never Calibrated")), TPRINTERCALIBRATION());
    EXPECT_EQ(calibrationStamp(QStringLiteral("Never Calibrated")), 0.0);

    TPRINTERCALIBRATION c;
    c.LeftShift = -1234;
    c.TopShift = 567;
    c.ScaleX = 1.0123456789;
    c.ScaleY = 0.5;
    const QDateTime when(QDate(2000, 1, 1), QTime(12, 0));
    writeCalibration(QStringLiteral("Desk Jet"), c, when);
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Desk Jet")), c);
    EXPECT_EQ(calibrationStamp(QStringLiteral("Desk Jet")), 36526.5);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Desk Jet"), QStringLiteral("LeftShift"), QString()), "-1234");

    // Another printer keeps its own values.
    writeCalibration(QStringLiteral("Laser"), TPRINTERCALIBRATION(), when);
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Desk Jet")), c);
}

TEST(CalibrationStore, NamesWithKeySeparatorsStayOneKey)
{
    const QStringList names = {QStringLiteral("\\\\server\\Label Writer"), QStringLiteral("ipp/queue/1"),
                               QStringLiteral("100% black"), QStringLiteral("a%5Cb")};
    TPRINTERCALIBRATION c;
    for (const QString& name : names) {
        ++c.LeftShift;
        EXPECT_EQ(unescapePrinterName(escapePrinterName(name)), name);
        writeCalibration(name, c);
    }
    QStringList keys;
    FNREGKEYNAMES(QStringLiteral("Printers"), keys);
    c = TPRINTERCALIBRATION();
    for (const QString& name : names) {
        ++c.LeftShift;
        EXPECT_TRUE(keys.contains(escapePrinterName(name))) << name.toStdString();
        EXPECT_EQ(READCALIBRATION(name).LeftShift, c.LeftShift) << name.toStdString();
    }
    EXPECT_EQ(escapePrinterName(QStringLiteral("Office Laser")), "Office Laser");
    EXPECT_EQ(unescapePrinterName(escapePrinterName(QString())), QString());
}

TEST(CalibrationStore, NumbersAreStoredWithAFullStopInEveryLocale)
{
    LocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TPRINTERCALIBRATION c;
    c.ScaleX = 1.5;
    c.ScaleY = 12345.25;
    writeCalibration(QStringLiteral("Comma"), c);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Comma"), QStringLiteral("ScaleX"), QString()), "1.5");
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Comma"), QStringLiteral("ScaleY"), QString()), "12345.25");
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Comma")), c);

    // "1,5" is no number at all, never 15, whatever the locale.
    FNREGWRITESTRING(QStringLiteral("Printers\\Comma"), QStringLiteral("ScaleX"), QStringLiteral("1,5"));
    try {
        READCALIBRATION(QStringLiteral("Comma"));
        FAIL() << "no error";
    } catch (const ECalibrationError& e) {
        EXPECT_EQ(e.message(), "'1,5' is not a valid floating point value");
    }
}

TEST(CalibrationStore, UnreadableValuesStopTheRead)
{
    FNREGWRITESTRING(QStringLiteral("Printers\\Edited"), QStringLiteral("TopShift"), QStringLiteral("12mm"));
    try {
        READCALIBRATION(QStringLiteral("Edited"));
        FAIL() << "no error";
    } catch (const ECalibrationError& e) {
        EXPECT_EQ(e.message(), "'12mm' is not a valid integer value");
    }
}

TEST(CalibrationStore, TimeStamps)
{
    EXPECT_EQ(dateTimeToStamp(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_EQ(dateTimeToStamp(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    const QDateTime when(QDate(2026, 3, 14), QTime(9, 26, 53, 589));
    EXPECT_EQ(stampToDateTime(dateTimeToStamp(when)), when);
}

TEST(CalibrationFault, ScalesFromHalfToTwiceAndShiftsWithinThePaper)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    for (double scale : {nan, inf, -inf, 0.0, -1.0, 0.4999, 2.0001, 1e300}) {
        TPRINTERCALIBRATION c;
        c.ScaleY = scale;
        EXPECT_TRUE(calibrationFault(c, a4()).startsWith(QStringLiteral("ScaleY is "))) << scale;
    }
    TPRINTERCALIBRATION c;
    c.ScaleX = 0;
    EXPECT_EQ(calibrationFault(c, a4()), QStringLiteral("ScaleX is 0, and a scale must lie between 0.5 and 2."));
    for (double scale : {0.5, 1.0, 2.0}) {
        c.ScaleX = c.ScaleY = scale;
        EXPECT_EQ(calibrationFault(c, a4()), QString()) << scale;
    }

    c = TPRINTERCALIBRATION();
    c.LeftShift = -209999;
    c.TopShift = 296999;
    EXPECT_EQ(calibrationFault(c, a4()), QString());
    c.LeftShift = 210000;
    EXPECT_EQ(calibrationFault(c, a4()),
              QStringLiteral("LeftShift is 210000 (210 mm), which moves the print off the paper, 210 mm wide."));
    c.LeftShift = std::numeric_limits<MU>::min();
    EXPECT_TRUE(calibrationFault(c, a4()).startsWith(QStringLiteral("LeftShift is -2147483648 ")));
    c.LeftShift = 0;
    c.TopShift = -297000;
    EXPECT_TRUE(calibrationFault(c, a4()).startsWith(QStringLiteral("TopShift is -297000 ")));
}

TEST(CalibrationFault, PrintIsRefusedBeforeItBeginsAndNamesThePrinter)
{
    TJOB job;
    job.MAKENEWTEMPLATE(100000, 50000);
    RecordingPrinter printer(QStringLiteral("Shelf Printer"));
    PrintRun run;
    PrintRequest request;
    request.command = PrintCommand::PRINTTEMPLATE;

    // A shift that fits A4 but not this small paper.
    TPRINTERCALIBRATION c;
    c.TopShift = 60000;
    writeCalibration(printer.printerName(), c);
    try {
        run.run(job, printer, request);
        ADD_FAILURE() << "printed";
    } catch (const ECalibrationError& e) {
        EXPECT_EQ(e.message(), QStringLiteral("The calibration stored for printer 'Shelf Printer' cannot be used: "
                                              "TopShift is 60000 (60 mm), which moves the print off the paper, "
                                              "50 mm high.\n\rCalibrate the printer again with File > Calibrate "
                                              "printer."));
    }
    FNREGWRITESTRING(printerKey(printer.printerName()), QStringLiteral("ScaleX"), QStringLiteral("nan"));
    EXPECT_THROW(run.run(job, printer, request), ECalibrationError);
    EXPECT_EQ(printer.count("begin"), 0);
    EXPECT_FALSE(run.inProgress());
}
