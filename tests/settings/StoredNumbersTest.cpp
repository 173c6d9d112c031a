// Qt takes LC_ALL's number format from the environment, installed locale or not.
#include "model/JobInfo.h"
#include "model/Units.h"
#include "settings/StoredSettings.h"

#include <QCoreApplication>
#include <QLocale>
#include <QProcess>
#include <gtest/gtest.h>

TEST(StoredNumbers, ReadBackUnderCommaAndGroupingLocales)
{
    if (const QString mark = qEnvironmentVariable("GORVIN_DECIMAL_MARK"); !mark.isEmpty()) {
        ASSERT_EQ(QLocale().decimalPoint(), mark); // the child's locale is in force
        for (const char* bad : {"1,5", "1.500,25", "nan", "inf", "1e999", "0x10", "12mm"})
            EXPECT_FALSE(storedTextToNumber(QString::fromLatin1(bad))) << bad;
        FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("PicPCWidth"), QStringLiteral("12.500"));
        FNREGWRITESTRING(QStringLiteral("Format"), QStringLiteral("PicPCHeight"), QStringLiteral("1,500"));
        useStoredFormatDefaults();
        EXPECT_EQ(TJOBINFO().PicPCWidth, 12.5);
        EXPECT_EQ(TJOBINFO().PicPCHeight, 100.0); // refused: the built-in default
        return;
    }
    for (const auto& [locale, mark] : {std::pair{"de_DE.UTF-8", ","}, std::pair{"en_US.UTF-8", "."}}) {
        qputenv("LC_ALL", locale); // for the child only: this process read its locale at start
        qputenv("GORVIN_DECIMAL_MARK", mark);
        EXPECT_EQ(QProcess::execute(QCoreApplication::applicationFilePath(), {"--gtest_filter=StoredNumbers.*"}), 0);
    }
    qunsetenv("LC_ALL");
    qunsetenv("GORVIN_DECIMAL_MARK");
}
