#include "RegistryStore.h"

#include "support/ErrorLog.h"
#include "support/Maker.h"

#include <QSettings>
#include <QVariant>
#include <algorithm>

namespace {
constexpr int listCapacity = 100;

const QString countSuffix = QStringLiteral("COUNT");

// One opened key of the store. The settings file is read when the key is
// opened; commit() writes the changes back and tells whether that worked.
class TRegKey {
public:
    explicit TRegKey(const QString& key)
        : settings_(QSettings::IniFormat, QSettings::UserScope, MakerShortName(), ApplicationTitle())
    {
        // The per-user store only: no organisation-wide or system-wide file
        // stands in for a missing value.
        settings_.setFallbacksEnabled(false);
        settings_.beginGroup(RegistryGroup(key));
    }

    bool exists() const
    {
        return !settings_.childKeys().isEmpty() || !settings_.childGroups().isEmpty();
    }

    bool hasValue(const QString& name) const { return settings_.contains(name); }

    QString text(const QString& name) const
    {
        const QVariant value = settings_.value(name);
        if (value.typeId() != QMetaType::QString)
            return QStringLiteral("");
        return value.toString();
    }

    void write(const QString& name, const QString& text)
    {
        // A null text would not round-trip as text; an empty one does.
        settings_.setValue(name, text.isNull() ? QStringLiteral("") : text);
    }

    void remove(const QString& name) { settings_.remove(name); }

    QStringList subKeys() const { return settings_.childGroups(); }

    // A file that does not parse is read as far as it goes and may still be
    // written; only a file that cannot be accessed is a failure.
    bool commit()
    {
        settings_.sync();
        return settings_.status() != QSettings::AccessError;
    }

    // The count value of a list, kept within what a list can hold.
    int listCount(const QString& prefix) const
    {
        if (!hasValue(prefix + countSuffix))
            return 0;
        bool ok = false;
        const int count = text(prefix + countSuffix).trimmed().toInt(&ok);
        return ok ? std::clamp(count, 0, listCapacity) : 0;
    }

private:
    mutable QSettings settings_;
};

QString itemName(const QString& prefix, int index)
{
    return prefix + QString::number(index);
}

QString withBackslashes(QString key)
{
    key.replace(u'/', u'\\');
    return key;
}
} // namespace

QString FNREGROOTKEY()
{
    return QStringLiteral("Software\\") + MakerShortName() + u'\\' + ApplicationTitle()
           + QStringLiteral("\\v2");
}

QString RegistryGroup(const QString& key)
{
    QString group = FNREGROOTKEY() + u'\\' + key;
    group.replace(u'\\', u'/');
    // Empty parts (a doubled or trailing separator) name no key of their own.
    return group.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

void FNREGWRITESTRING(const QString& key, const QString& name, const QString& text)
{
    TRegKey reg(key);
    reg.write(name, text);
    reg.commit();
}

QString FNREGREADSTRING(const QString& key, const QString& name, const QString& defaultText)
{
    const TRegKey reg(key);
    if (!reg.hasValue(name))
        return defaultText;
    return reg.text(name);
}

bool FNREGLOADLIST(const QString& key, const QString& prefix, QStringList& list)
{
    list.clear();
    const TRegKey reg(key);
    if (!reg.exists())
        return true;
    bool result = true;
    const int count = reg.listCount(prefix);
    for (int n = 0; n < count; ++n) {
        const QString name = itemName(prefix, n);
        if (reg.hasValue(name)) {
            list.append(reg.text(name));
        } else {
            result = false;
            FNLOGERROR(11,
                       QStringLiteral("Value (") + FNREGROOTKEY() + u'\\' + withBackslashes(key)
                           + u'\\' + name + QStringLiteral(") missing in registry list of items."),
                       false, false);
        }
    }
    return result;
}

bool FNREGDELETELIST(const QString& key, const QString& prefix)
{
    TRegKey reg(key);
    if (!reg.exists())
        return true;
    bool result = true;
    const int count = reg.listCount(prefix);
    for (int n = 0; n < count; ++n) {
        const QString name = itemName(prefix, n);
        if (!reg.hasValue(name))
            result = false;
        else if (result)
            reg.remove(name);
    }
    if (reg.hasValue(prefix + countSuffix))
        reg.remove(prefix + countSuffix);
    // The key itself goes with its last value.
    return reg.commit() && result;
}

bool FNREGADDTOLIST(const QString& key, const QString& prefix, const QStringList& list)
{
    if (list.isEmpty())
        return true;
    TRegKey reg(key);
    const int base = reg.listCount(prefix);
    int i = 0;
    for (; i < list.size() && base + i < listCapacity; ++i)
        reg.write(itemName(prefix, base + i), list.at(i));
    reg.write(prefix + countSuffix, QString::number(base + i));
    return reg.commit();
}

bool FNREGSAVELIST(const QString& key, const QString& prefix, const QStringList& list)
{
    if (!FNREGDELETELIST(key, prefix))
        return false;
    return FNREGADDTOLIST(key, prefix, list);
}

void FNREGKEYNAMES(const QString& key, QStringList& list)
{
    list = TRegKey(key).subKeys();
}

std::uint8_t FNSTRINGTOUNITS(const QString& text)
{
    if (text.isEmpty())
        return UNIT_MM;
    const QChar first = text.front().toUpper();
    if (first == u'I')
        return UNIT_INCH;
    if (first == u'C')
        return UNIT_CM;
    return UNIT_MM;
}
