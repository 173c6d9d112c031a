// Every stored fuzz input, the regression cases of faults found by fuzzing
// among them, read again by its reader, with the same checks as the fuzz
// targets make. This runs in the ordinary and in the sanitizer build.

#include "FuzzTargets.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>

TEST(FuzzCorpus, EveryStoredInputReadsCleanly)
{
    for (const FuzzTarget& target : FuzzTargetTable) {
        const QDir folder(QStringLiteral(GORVIN_FUZZ_CORPUS "/") + QString::fromLatin1(target.name));
        const QStringList inputs = folder.entryList(QDir::Files, QDir::Name);
        EXPECT_FALSE(inputs.isEmpty()) << "no seeds for " << target.name;
        for (const QString& name : inputs) {
            QFile file(folder.filePath(name));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << name.toStdString();
            const QByteArray bytes = file.readAll();
            SCOPED_TRACE(folder.filePath(name).toStdString());
            EXPECT_EQ(target.run(reinterpret_cast<const std::uint8_t*>(bytes.constData()),
                                 static_cast<std::size_t>(bytes.size())),
                      0);
        }
    }
}
