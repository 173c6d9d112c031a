// The settings file's reader and writer. The input is the file. Checked: a
// value changed and written back leaves every other value as it was read,
// and every line that was not a value (a comment, a line that cannot be
// read) is still in the file.

#include "FuzzTargets.h"

#include "settings/IniFormat.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

bool Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

QSettings::SettingsMap ReadAll(const QString& path)
{
    QSettings settings(path, settingsFileFormat());
    QSettings::SettingsMap values;
    for (const QString& key : settings.allKeys())
        values.insert(key, settings.value(key));
    return values;
}

} // namespace

int FuzzSettingsFile(const std::uint8_t* data, std::size_t size)
{
    static QTemporaryDir folder;
    static int run = 0;
    // A name of its own each time: the toolkit keeps what it read of a
    // file by name and size and time, which a rewrite may not change.
    const QString path = folder.filePath(QStringLiteral("s%1.ini").arg(run++));
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    FUZZ_CHECK("settings", Write(path, bytes));
    QSettings::SettingsMap before = ReadAll(path);
    {
        QSettings settings(path, settingsFileFormat());
        settings.setValue(QStringLiteral("Software/Mardo/Gorvin/v2/Fuzz/Value"), QStringLiteral("a \"b\", c\n"));
        settings.sync();
        FUZZ_CHECK("settings", settings.status() == QSettings::NoError);
    }
    before.insert(QStringLiteral("Software/Mardo/Gorvin/v2/Fuzz/Value"), QStringLiteral("a \"b\", c\n"));
    FUZZ_CHECK("settings", ReadAll(path) == before);
    QFile written(path);
    FUZZ_CHECK("settings", written.open(QIODevice::ReadOnly));
    const QByteArray after = written.readAll();
    for (const QByteArray& line : bytes.split('\n')) {
        const QByteArray text = line.trimmed();
        if (text.isEmpty() || text.contains('=') || text.startsWith('[') || text.startsWith("\xEF\xBB\xBF"))
            continue; // values, section heads and blank lines are written anew
        FUZZ_CHECK("settings", after.contains(line));
    }
    QFile::remove(path);
    QFile::remove(path + QStringLiteral(".bad"));
    return 0;
}
