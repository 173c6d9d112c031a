// The printer calibration store and the arithmetic of a print on a printer.

#include "model/Template.h"
#include "render/PrinterCalibration.h"
#include "settings/RegistryStore.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace {

TTEMPLATE a4()
{
    TTEMPLATE t;
    t.PAPERMUWIDTH = 210000;
    t.PAPERMUHEIGHT = 297000;
    return t;
}

// Restores the process's default locale when a test changed it.
struct TLocaleGuard {
    QLocale saved;
    ~TLocaleGuard() { QLocale::setDefault(saved); }
};

} // namespace

TEST(PrinterGeometry, UncalibratedPrinterWithoutMargins)
{
    TPRINTPARAMS p;
    FNAPPLYPRINTERGEOMETRY(p, TPRINTERCALIBRATION(), TPRINTERGEOMETRY{600, 600, 0, 0}, a4());
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
    FNAPPLYPRINTERGEOMETRY(p, c, TPRINTERGEOMETRY{600, 300, 150, 50}, a4());
    EXPECT_EQ(p.MuOffsetX, 1000 - 6350);
    EXPECT_EQ(p.MuOffsetY, -200 - 4234);
    EXPECT_DOUBLE_EQ(p.PixPerMuX, 4961.0 / 210000 * 1.5);
    EXPECT_DOUBLE_EQ(p.PixPerMuY, 3508.0 / 297000);
    EXPECT_EQ(p.PageIndex, 7);
}

TEST(PrinterGeometry, PaperWithoutSizeGivesNoScale)
{
    TPRINTPARAMS p;
    FNAPPLYPRINTERGEOMETRY(p, TPRINTERCALIBRATION(), TPRINTERGEOMETRY{600, 600, 0, 0}, TTEMPLATE());
    EXPECT_EQ(p.PixPerMuX, 0.0);
    EXPECT_EQ(p.PixPerMuY, 0.0);
}

TEST(CalibrationStore, DefaultsAndRoundTrip)
{
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Never Calibrated")), TPRINTERCALIBRATION());
    EXPECT_EQ(READCALIBRATIONSTAMP(QStringLiteral("Never Calibrated")), 0.0);

    TPRINTERCALIBRATION c;
    c.LeftShift = -1234;
    c.TopShift = 567;
    c.ScaleX = 1.0123456789;
    c.ScaleY = 0.5;
    const QDateTime when(QDate(2000, 1, 1), QTime(12, 0));
    WRITECALIBRATION(QStringLiteral("Desk Jet"), c, when);
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Desk Jet")), c);
    EXPECT_EQ(READCALIBRATIONSTAMP(QStringLiteral("Desk Jet")), 36526.5);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Desk Jet"), QStringLiteral("LeftShift"), QString()),
              "-1234");

    // Another printer keeps its own values.
    WRITECALIBRATION(QStringLiteral("Laser"), TPRINTERCALIBRATION(), when);
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Desk Jet")), c);
}

TEST(CalibrationStore, NamesWithKeySeparatorsStayOneKey)
{
    const QStringList names = {QStringLiteral("\\\\server\\Label Writer"), QStringLiteral("ipp/queue/1"),
                               QStringLiteral("100% black"), QStringLiteral("a%5Cb")};
    TPRINTERCALIBRATION c;
    for (const QString& name : names) {
        ++c.LeftShift;
        EXPECT_EQ(FNUNESCAPEPRINTERNAME(FNESCAPEPRINTERNAME(name)), name);
        WRITECALIBRATION(name, c);
    }
    QStringList keys;
    FNREGKEYNAMES(QStringLiteral("Printers"), keys);
    c = TPRINTERCALIBRATION();
    for (const QString& name : names) {
        ++c.LeftShift;
        EXPECT_TRUE(keys.contains(FNESCAPEPRINTERNAME(name))) << name.toStdString();
        EXPECT_EQ(READCALIBRATION(name).LeftShift, c.LeftShift) << name.toStdString();
    }
    EXPECT_EQ(FNESCAPEPRINTERNAME(QStringLiteral("Office Laser")), "Office Laser");
    EXPECT_EQ(FNUNESCAPEPRINTERNAME(FNESCAPEPRINTERNAME(QString())), QString());
}

TEST(CalibrationStore, NumbersFollowTheUsersDecimalSeparator)
{
    TLocaleGuard guard;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    TPRINTERCALIBRATION c;
    c.ScaleX = 1.5;
    c.ScaleY = 12345.25;
    WRITECALIBRATION(QStringLiteral("Comma"), c);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Comma"), QStringLiteral("ScaleX"), QString()), "1,5");
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Comma"), QStringLiteral("ScaleY"), QString()), "12345,25");
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Comma")), c);

    // Read under a full stop, "1,5" is no number at all, never 15.
    QLocale::setDefault(QLocale::c());
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
    EXPECT_EQ(FNDATETIMETOSTAMP(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_EQ(FNDATETIMETOSTAMP(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    const QDateTime when(QDate(2026, 3, 14), QTime(9, 26, 53, 589));
    EXPECT_EQ(FNSTAMPTODATETIME(FNDATETIMETOSTAMP(when)), when);
}
