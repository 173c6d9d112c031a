#include "app/CommandLine.h"
#include "common/TestEnv.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(CommandLine, FindsJobTemplateAndData)
{
    QTemporaryDir dir;
    const QString job = WriteFile(dir.filePath(QStringLiteral("my job.GVJ")), "x");
    EXPECT_EQ(parseCommandLine(job.split(QLatin1Char(' '))).jobFile, job);
    EXPECT_EQ(parseCommandLine({QStringLiteral("-x"), job}).jobFile, QString()); // must come first
    EXPECT_EQ(parseCommandLine({dir.filePath(QStringLiteral("gone.GVJ"))}).jobFile, QString());
    const CommandLine both = parseCommandLine({QStringLiteral("/d=data.txt"), QStringLiteral("/T=t.GVT")});
    EXPECT_EQ(both.templateFile, QDir::current().absoluteFilePath(QStringLiteral("t.GVT"))); // made absolute
    EXPECT_EQ(both.dataFile, QDir::current().absoluteFilePath(QStringLiteral("data.txt")));
    EXPECT_EQ(parseCommandLine({QStringLiteral("/D=data.txt")}).dataFile, QString()); // needs a template
    EXPECT_EQ(parseCommandLine({}).templateFile, QString());
    const QString longName = "/" + QString(300, 'x') + "/" + QString(300, 'y') + ".txt"; // not cut at 255
    EXPECT_EQ(parseCommandLine({"/T=/t.GVT", "/D=" + longName}).dataFile, longName);
}
