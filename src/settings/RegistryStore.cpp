#include "RegistryStore.h"

#include "settings/IniFormat.h"
#include "support/ErrorLog.h"
#include "support/Maker.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QSettings>
#include <QVariant>

#include <algorithm>
#include <memory>

namespace {
constexpr int ListCapacity = 100;

const QString countSuffix = QStringLiteral("COUNT");

// The opened store, kept for the whole run. Parsing the file is what costs
// (a hand-grown file of 100 000 entries takes a good part of a second), so
// the parsed contents are reused for as long as the file on disk is the one
// they came from: every session begins with the toolkit's own check of the
// file's size and time of change, which reads the file again when another
// copy of the program (or a hand edit) changed it. The file stays the single
// source of truth.
class Store {
public:
    static Store& instance()
    {
        static Store store;
        return store;
    }

    QSettings& settings() { return *settings_; }

    void begin()
    {
        if (depth_++ == 0)
            refresh();
    }

    // Ends a session; the outermost one writes what the group changed.
    // False when the store could not be written.
    bool end()
    {
        if (--depth_ > 0)
            return !failed_;
        const bool ok = flush();
        failed_ = false;
        return ok;
    }

    bool outermost() const { return depth_ == 1; }
    bool failed() const { return failed_; }
    void changed() { dirty_ = true; }

    // Writes the changes made so far; false when the file could not be
    // written (or, like a folder in its place, not even read).
    bool flush()
    {
        if (dirty_) {
            dirty_ = false;
            settings_->sync();
        }
        if (settings_->status() == QSettings::AccessError)
            failed_ = true;
        return !failed_;
    }

private:
    Store() = default;

    void refresh()
    {
        const QString organisation = makerShortName();
        const QString application = applicationTitle();
        // A store that failed is opened afresh: the toolkit keeps an error
        // until the object goes.
        if (settings_ && settings_->status() != QSettings::AccessError && organisation == organisation_
            && application == application_) {
            // Without changes of its own, a sync reads the file again when
            // it changed on disk, and only then.
            settings_->sync();
            return;
        }
        settings_.reset();
        organisation_ = organisation;
        application_ = application;
        // Closed with the application, while the toolkit's file caches are
        // still there; a later call opens it again.
        if (!closeRegistered_ && QCoreApplication::instance()) {
            closeRegistered_ = true;
            qAddPostRoutine([] {
                Store& store = instance();
                store.settings_.reset();
                store.closeRegistered_ = false;
            });
        }
        // The file is read and written line by line (see IniFormat.h): a
        // line spoilt by hand costs that line only.
        settings_ = std::make_unique<QSettings>(settingsFileFormat(), QSettings::UserScope, organisation, application);
        // The per-user store only: no organisation-wide or system-wide file
        // stands in for a missing value.
        settings_->setFallbacksEnabled(false);
    }

    std::unique_ptr<QSettings> settings_;
    QString organisation_;
    QString application_;
    bool dirty_ = false;
    bool failed_ = false;
    bool closeRegistered_ = false;
    int depth_ = 0;
};

// One opened key of the store, within a session of its own or the caller's.
// commit() writes the changes back when no outer session waits to do it.
class RegKey {
public:
    explicit RegKey(const QString& key) : store_(Store::instance())
    {
        store_.begin();
        store_.settings().beginGroup(registryGroup(key));
    }
    ~RegKey()
    {
        store_.settings().endGroup();
        store_.end();
    }
    RegKey(const RegKey&) = delete;
    RegKey& operator=(const RegKey&) = delete;

    bool hasValue(const QString& name) const { return settings().contains(name); }

    QString text(const QString& name) const
    {
        const QVariant value = settings().value(name);
        if (value.typeId() != QMetaType::QString)
            return QStringLiteral("");
        return value.toString();
    }

    void write(const QString& name, const QString& text)
    {
        // A null text would not round-trip as text; an empty one does.
        const QString value = text.isNull() ? QStringLiteral("") : text;
        // A value that is already there costs no write of the file.
        const QVariant stored = settings().value(name);
        if (stored.typeId() == QMetaType::QString && stored.toString() == value)
            return;
        settings().setValue(name, value);
        store_.changed();
    }

    void remove(const QString& name)
    {
        settings().remove(name);
        store_.changed();
    }

    QStringList values() const { return settings().childKeys(); }
    QStringList subKeys() const { return settings().childGroups(); }

    // A file that does not parse is read as far as it goes and may still be
    // written; only a file that cannot be accessed is a failure. Inside an
    // outer session the write waits for that session's end.
    bool commit()
    {
        if (store_.outermost())
            return store_.flush();
        return !store_.failed() && settings().status() != QSettings::AccessError;
    }

    // The count value of a list, kept within what a list can hold.
    int listCount(const QString& prefix) const
    {
        if (!hasValue(prefix + countSuffix))
            return 0;
        const std::optional<int> count = storedTextToInteger(text(prefix + countSuffix));
        return count ? std::clamp(*count, 0, ListCapacity) : 0;
    }

private:
    QSettings& settings() const { return store_.settings(); }

    Store& store_;
};

QString itemName(const QString& prefix, int index)
{
    return prefix + QString::number(index);
}

// An item name of the list: the prefix followed by digits only.
bool isListItem(const QString& name, const QString& prefix)
{
    if (name.size() <= prefix.size() || !name.startsWith(prefix))
        return false;
    for (const QChar c : QStringView(name).mid(prefix.size()))
        if (c < u'0' || c > u'9')
            return false;
    return true;
}

// An item name of the list at or past its capacity: the prefix followed by
// digits only, worth 100 or more ("Job100", "Job123456").
bool pastCapacity(const QString& name, const QString& prefix)
{
    if (name.size() <= prefix.size() || !name.startsWith(prefix))
        return false;
    const QStringView digits = QStringView(name).mid(prefix.size());
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return false;
    bool ok = false;
    const qint64 index = digits.toLongLong(&ok);
    return !ok || index >= ListCapacity;
}

QString withBackslashes(QString key)
{
    key.replace(u'/', u'\\');
    return key;
}
} // namespace

RegSession::RegSession()
{
    Store::instance().begin();
}

RegSession::~RegSession()
{
    Store::instance().end();
}

bool RegSession::commit()
{
    Store& store = Store::instance();
    return store.outermost() ? store.flush() : !store.failed();
}

QString regRootKey()
{
    return QStringLiteral("Software\\") + makerShortName() + u'\\' + applicationTitle() + QStringLiteral("\\v2");
}

QString registryGroup(const QString& key)
{
    QString group = regRootKey() + u'\\' + key;
    group.replace(u'\\', u'/');
    // Empty parts (a doubled or trailing separator) name no key of their own.
    return group.split(u'/', Qt::SkipEmptyParts).join(u'/');
}

void FNREGWRITESTRING(const QString& key, const QString& name, const QString& text)
{
    RegKey reg(key);
    reg.write(name, text);
    reg.commit();
}

QString FNREGREADSTRING(const QString& key, const QString& name, const QString& defaultText)
{
    const RegKey reg(key);
    if (!reg.hasValue(name))
        return defaultText;
    return reg.text(name);
}

bool FNREGLOADLIST(const QString& key, const QString& prefix, QStringList& list)
{
    list.clear();
    // A key that does not exist holds no count and no items: the list is
    // empty and complete.
    const RegKey reg(key);
    bool result = true;
    const int count = reg.listCount(prefix);
    for (int n = 0; n < count; ++n) {
        const QString name = itemName(prefix, n);
        if (reg.hasValue(name)) {
            list.append(reg.text(name));
        } else {
            result = false;
            FNLOGERROR(11,
                       Messages::settingsListItemMissing(regRootKey() + u'\\' + withBackslashes(key) + u'\\' + name),
                       false, false);
        }
    }
    return result;
}

bool FNREGDELETELIST(const QString& key, const QString& prefix)
{
    // A key that does not exist has nothing to delete: the loops below find
    // nothing and nothing is written.
    RegKey reg(key);
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
    // Items past the capacity (a list grown by hand) can never be loaded;
    // they go too, whatever the result.
    for (const QString& name : reg.values())
        if (pastCapacity(name, prefix))
            reg.remove(name);
    // The key itself goes with its last value.
    return reg.commit() && result;
}

bool FNREGADDTOLIST(const QString& key, const QString& prefix, const QStringList& list)
{
    if (list.isEmpty())
        return true;
    RegKey reg(key);
    const int base = reg.listCount(prefix);
    int i = 0;
    for (; i < list.size() && base + i < ListCapacity; ++i)
        reg.write(itemName(prefix, base + i), list.at(i));
    reg.write(prefix + countSuffix, QString::number(base + i));
    return reg.commit();
}

bool FNREGSAVELIST(const QString& key, const QString& prefix, const QStringList& list)
{
    // One write for the deletion and the new items.
    RegSession session;
    {
        // Every item of the stored list goes, also past a gap (an item
        // removed by hand, a list cut short): the new list is then written
        // whole from index 0, and nothing of the old one is left behind it.
        RegKey reg(key);
        for (const QString& name : reg.values())
            if (isListItem(name, prefix) || name == prefix + countSuffix)
                reg.remove(name);
    }
    const bool added = FNREGADDTOLIST(key, prefix, list);
    return session.commit() && added;
}

void FNREGKEYNAMES(const QString& key, QStringList& list)
{
    list = RegKey(key).subKeys();
}

std::uint8_t FNSTRINGTOUNITS(const QString& text)
{
    if (text.isEmpty())
        return UnitMm;
    const QChar first = text.front().toUpper();
    if (first == u'I')
        return UnitInch;
    if (first == u'C')
        return UnitCm;
    return UnitMm;
}
