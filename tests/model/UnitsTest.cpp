#include "common/ScriptedMessages.h"
#include "common/UnitGuard.h"
#include "model/Units.h"

#include <cmath>
#include <gtest/gtest.h>

TEST(Units, CurrentUnitConversionsFollowTheUnit)
{
    ScopedUnit unit(UnitMm);
    EXPECT_EQ(FNCURRENTUNITTOMU(2.5), 2500);
    EXPECT_DOUBLE_EQ(FNMUTOCURRENTUNIT(210000), 210.0);
    CurrentUnit = UnitInch;
    EXPECT_EQ(FNCURRENTUNITTOMU(2.5), 63500);
    EXPECT_DOUBLE_EQ(FNMUTOCURRENTUNIT(210000), 8.268);
    CurrentUnit = UnitCm;
    EXPECT_EQ(FNCURRENTUNITTOMU(2.5), 25000);
    EXPECT_DOUBLE_EQ(FNMUTOCURRENTUNIT(210000), 21.0);
}

TEST(Units, UnknownUnitIsReportedAndGivesZero)
{
    ScopedUnit unknown(3);
    ScriptedMessages messages;
    EXPECT_EQ(FNCURRENTUNITTOMU(2.5), 0);
    EXPECT_EQ(FNMUTOCURRENTUNIT(1000), 0.0);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(messages.shown[0].text,
              QStringLiteral("Current units not catered for in\n\rFUNCTION FNCURRENTUNITTOMU in UTILSMATH"));
    EXPECT_EQ(messages.shown[1].text,
              QStringLiteral("Current units not catered for in\n\rFUNCTION FNMUTOCURRENTUNIT in UTILSMATH"));
}

TEST(Units, InchesAreQuantised)
{
    EXPECT_EQ(FNINCHTOMU(1.0), 25400);
    EXPECT_EQ(FNINCHTOMU(0.5), 12700);
    EXPECT_EQ(FNINCHTOMU(0.03937), 1001);
    EXPECT_EQ(FNMUTOINCH(12), 0.0);
    EXPECT_EQ(FNMUTOINCH(13), 0.001);
    EXPECT_EQ(FNMUTOINCH(25400), 1.0);
    EXPECT_EQ(FNINCHTOMU(FNMUTOINCH(1)), 0);
    EXPECT_EQ(FNINCHTOMU(FNMUTOINCH(13)), 25);
    EXPECT_EQ(FNMUTOINCH(-13), -0.001);
}

TEST(Units, RoundingHalvesToEvenAndMulDivAwayFromZero)
{
    EXPECT_EQ(roundHalfEven(2.5L), 2);
    EXPECT_EQ(roundHalfEven(3.5L), 4);
    EXPECT_EQ(roundHalfEven(-2.5L), -2);
    EXPECT_EQ(roundHalfEven(-3.5L), -4);
    EXPECT_EQ(roundHalfEven(-0.4L), 0);
    EXPECT_EQ(MulDiv(1, 1, 2), 1);
    EXPECT_EQ(MulDiv(-1, 1, 2), -1);
    EXPECT_EQ(MulDiv(3, 1, 2), 2);
    EXPECT_EQ(MulDiv(2000000000, 3, 4), 1500000000); // no 32-bit overflow inside
    EXPECT_EQ(MulDiv(5, 5, 0), -1);
    EXPECT_EQ(FNMUTOSCREENPIXELS(25400), ScreenPixelsPerInch);
}

TEST(Units, NumberTextTests)
{
    for (const char* ok : {"12", "12.5", "  12.5 ", ".5", "5."})
        EXPECT_TRUE(FNISUNSIGNEDNUMBER(QString::fromLatin1(ok))) << ok;
    for (const char* bad : {"", ".", "1.2.3", "-1", "+1", "1,5", "1e3", "\t1", " "})
        EXPECT_FALSE(FNISUNSIGNEDNUMBER(QString::fromLatin1(bad))) << bad;
    EXPECT_TRUE(FNISSIGNEDNUMBER(QStringLiteral("-2.5")));
    EXPECT_TRUE(FNISSIGNEDNUMBER(QStringLiteral("  -  2.5")));
    EXPECT_TRUE(FNISSIGNEDNUMBER(QStringLiteral("7")));
    EXPECT_FALSE(FNISSIGNEDNUMBER(QStringLiteral("--2")));
    EXPECT_FALSE(FNISSIGNEDNUMBER(QStringLiteral("2-")));
    EXPECT_TRUE(FNISUNSIGNEDINTEGER(QStringLiteral(" 42 ")));
    EXPECT_FALSE(FNISUNSIGNEDINTEGER(QStringLiteral("42.")));
    EXPECT_FALSE(FNISUNSIGNEDINTEGER(QStringLiteral("4.2")));
}

TEST(Units, BooleanText)
{
    EXPECT_EQ(FNBOOLTOSTR(true), QStringLiteral("True"));
    EXPECT_EQ(FNBOOLTOSTR(false), QStringLiteral("False"));
    for (const char* t : {"TRUE", "True", "t", "Tx"})
        EXPECT_TRUE(FNSTRTOBOOL(QString::fromLatin1(t))) << t;
    for (const char* f : {"FALSE", "", "yes", "1", " True"})
        EXPECT_FALSE(FNSTRTOBOOL(QString::fromLatin1(f))) << f;
}

TEST(Units, TypedNumbersAreReadAsTheChecksAcceptThem)
{
    ScopedUnit unit(UnitMm);
    EXPECT_DOUBLE_EQ(decimalValue(QStringLiteral("2.")), 2.0);
    EXPECT_DOUBLE_EQ(decimalValue(QStringLiteral(" .5 ")), 0.5);
    EXPECT_DOUBLE_EQ(decimalValue(QStringLiteral(" - 5")), -5.0);
    EXPECT_DOUBLE_EQ(decimalValue(QStringLiteral("-.25")), -0.25);
    EXPECT_DOUBLE_EQ(decimalValue(QStringLiteral("0079")), 79.0);
    EXPECT_DOUBLE_EQ(decimalValue(QStringLiteral("1,5")), 0.0); // no number in any locale
    EXPECT_EQ(readTypedNumber(QStringLiteral("1,5")), std::nullopt);
    EXPECT_TRUE(std::isinf(*readTypedNumber(QString(400, QLatin1Char('9')))));
    // A length beyond a 32-bit count of MU is none, never a wrapped number.
    EXPECT_EQ(readLength(QStringLiteral(" 2.5 ")), 2500);
    EXPECT_EQ(readLength(QStringLiteral("2147484")), std::nullopt);
    EXPECT_EQ(readLength(QString(400, QLatin1Char('9'))), std::nullopt);
    EXPECT_EQ(numberText(1.0 / 3.0, 8), QStringLiteral("0.33333333"));
}
