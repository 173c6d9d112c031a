// Numbers kept as text in the store read back the same under any locale.
// The locale comes from LC_ALL, as for a user, so each locale runs in a
// child process of this test program; Qt takes the locale's number format
// from the environment itself, whether or not the C library has the locale.
#include "model/JobInfo.h"
#include "model/Units.h"
#include "render/PrinterCalibration.h"
#include "settings/RegistryStore.h"
#include "settings/StoredSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

namespace {
const char* const childVariable = "GORVIN_STORED_NUMBERS_CHILD";
}

TEST(StoredNumbers, OneFormWhateverTheLocale)
{
    EXPECT_EQ(FNSTOREDTEXTTONUMBER(QStringLiteral(" 12.500 ")), 12.5);
    EXPECT_EQ(FNSTOREDTEXTTONUMBER(QStringLiteral(".5")), 0.5);
    EXPECT_EQ(FNSTOREDTEXTTONUMBER(QStringLiteral("5.")), 5.0);
    EXPECT_EQ(FNSTOREDTEXTTONUMBER(QStringLiteral("-2.5e-3")), -0.0025);
    for (const char* bad : {"", "1,5", "1,500", "1.500,25", "12 500", "nan", "NaN", "inf", "-inf", "1e999", "+",
                            "0x10", "1.2.3", "12mm"})
        EXPECT_FALSE(FNSTOREDTEXTTONUMBER(QString::fromLatin1(bad))) << bad;
    EXPECT_EQ(FNNUMBERTOSTOREDTEXT(12345.25), "12345.25");
    EXPECT_EQ(FNNUMBERTOSTOREDTEXT(1.0 / 3), "0.333333333333333");
}

// Run by the case below in a child process under one locale.
TEST(StoredNumbers, ChildUnderItsLocale)
{
    const QByteArray expected = qgetenv(childVariable);
    if (expected.isEmpty())
        GTEST_SKIP() << "run by StoredNumbers.ReadBackUnderCommaAndGroupingLocales";
    // The locale really is in force: its decimal mark is the one asked for.
    ASSERT_EQ(QLocale().decimalPoint(), QString::fromLatin1(expected));

    FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("PicPCWidth"), QStringLiteral("12.500"));
    FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("PicPCHeight"), QStringLiteral("1,500"));
    FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("PicPCLeft"), QStringLiteral("nan"));
    FNUSESTOREDFORMATDEFAULTS();
    const TJOBINFO format;
    SetFormatValueReader(nullptr);
    EXPECT_EQ(format.PicPCWidth, 12.5);
    EXPECT_EQ(format.PicPCHeight, 100.0); // refused: the built-in default
    EXPECT_EQ(format.PicPCLeft, 0.0);

    TSOFTWARESETTINGS s;
    s.MainScale = 1.25;
    FNSAVESETTINGS(s);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), QString()), "1.25");
    s.MainScale = 0;
    FNLOADSETTINGS(s);
    EXPECT_EQ(s.MainScale, 1.25);
    FNREGWRITESTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), QStringLiteral("inf"));
    FNLOADSETTINGS(s);
    EXPECT_EQ(s.MainScale, 1.25); // kept

    TPRINTERCALIBRATION c;
    c.ScaleX = 1.5;
    c.ScaleY = 1234.75;
    WRITECALIBRATION(QStringLiteral("Shelf"), c);
    EXPECT_EQ(FNREGREADSTRING(QStringLiteral("Printers\\Shelf"), QStringLiteral("ScaleX"), QString()), "1.5");
    EXPECT_EQ(READCALIBRATION(QStringLiteral("Shelf")), c);
}

TEST(StoredNumbers, ReadBackUnderCommaAndGroupingLocales)
{
    if (!qgetenv(childVariable).isEmpty())
        GTEST_SKIP();
    // German: comma decimal mark, full stop grouping. English (US): full stop
    // decimal mark, comma grouping. French: comma mark, space grouping.
    const struct {
        const char* locale;
        const char* decimalPoint;
    } cases[] = {{"de_DE.UTF-8", ","}, {"en_US.UTF-8", "."}, {"fr_FR.UTF-8", ","}};
    for (const auto& c : cases) {
        QProcess child;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(c.locale));
        env.insert(QString::fromLatin1(childVariable), QString::fromLatin1(c.decimalPoint));
        child.setProcessEnvironment(env);
        child.setProcessChannelMode(QProcess::MergedChannels);
        child.start(QCoreApplication::applicationFilePath(),
                    {QStringLiteral("--gtest_filter=StoredNumbers.ChildUnderItsLocale")});
        ASSERT_TRUE(child.waitForFinished(60000)) << c.locale;
        const QString output = QString::fromLocal8Bit(child.readAll());
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit) << c.locale;
        EXPECT_EQ(child.exitCode(), 0) << c.locale << "\n" << output.toStdString();
        EXPECT_TRUE(output.contains(QStringLiteral("[  PASSED  ] 1 test"))) << output.toStdString();
    }
}
