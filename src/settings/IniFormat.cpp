#include "IniFormat.h"

#include "support/ErrorLog.h"
#include "support/Messages.h"

#include <QFile>
#include <QFileDevice>
#include <QMutex>
#include <QSaveFile>
#include <QSet>

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

namespace {

// One line of the file as read, without its line feed.
struct IniLine {
    enum Kind { Other, Section, Key };
    QByteArray raw;
    Kind kind = Other;
    bool blank = false;
    QString section;         // the name of the section it is in ("" for the general one)
    QString key;             // Key: the full key, "section/key"
    QVariant value;          // Key: the value as read
    bool superseded = false; // Key: a later line gives the same key
};

struct IniFile {
    std::vector<IniLine> lines;
    QList<int> unreadable; // line numbers, from 1
};

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmedLine(QByteArrayView line)
{
    while (!line.isEmpty() && isBlank(line.front()))
        line = line.sliced(1);
    while (!line.isEmpty() && isBlank(line.back()))
        line.chop(1);
    return line;
}

bool isBlankLine(QByteArrayView line)
{
    if (line.endsWith('\r'))
        line.chop(1);
    return trimmedLine(line).isEmpty();
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// A key as the file spells it: "\" for "/", "%XX" and "%UXXXX" for other
// characters; a "%" that starts no such code stands for itself.
QString unescapedKey(QByteArrayView bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QString key;
    key.reserve(text.size());
    for (qsizetype i = 0; i < text.size();) {
        const QChar c = text[i];
        if (c == u'\\') {
            key += u'/';
            ++i;
            continue;
        }
        if (c == u'%' && i + 1 < text.size()) {
            const bool wide = text[i + 1] == u'U';
            const qsizetype digits = wide ? 4 : 2;
            const qsizetype first = i + 1 + (wide ? 1 : 0);
            bool ok = false;
            const ushort code = first + digits <= text.size() ? text.sliced(first, digits).toUShort(&ok, 16) : 0;
            if (ok) {
                key += QChar(code);
                i = first + digits;
                continue;
            }
        }
        key += c;
        ++i;
    }
    return key;
}

void appendEscapedKey(QByteArray& out, const QString& key)
{
    static const char hex[] = "0123456789ABCDEF";
    for (const QChar qc : key) {
        const char16_t c = qc.unicode();
        if (c == u'/') {
            out += '\\';
        } else if ((c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || (c >= u'0' && c <= u'9') || c == u'_'
                   || c == u'-' || c == u'.') {
            out += static_cast<char>(c);
        } else if (c <= 0xFF) {
            out += '%';
            out += hex[c >> 4];
            out += hex[c & 0xF];
        } else {
            out += "%U";
            for (int shift = 12; shift >= 0; shift -= 4)
                out += hex[(c >> shift) & 0xF];
        }
    }
}

// A value's text: blanks before it skipped; C escapes (\n, \t, \", \\, \x
// with hex digits, octal digits; any other escaped character is dropped);
// quoted parts kept as they are, blanks after the last unquoted character
// dropped. False when a quote is not closed on the line.
bool unescapedValue(QByteArrayView bytes, QString& text)
{
    qsizetype i = 0;
    const auto skipBlanks = [&] {
        while (i < bytes.size() && isBlank(bytes[i]))
            ++i;
    };
    skipBlanks();
    bool quoted = false;
    bool inQuotes = false;
    qsizetype keep = 0; // blanks before this are never dropped
    while (i < bytes.size()) {
        const char c = bytes[i];
        if (c == '\\') {
            if (++i >= bytes.size())
                break;
            const char e = bytes[i++];
            switch (e) {
            case 'a': text += u'\a'; break;
            case 'b': text += u'\b'; break;
            case 'f': text += u'\f'; break;
            case 'n': text += u'\n'; break;
            case 'r': text += u'\r'; break;
            case 't': text += u'\t'; break;
            case 'v': text += u'\v'; break;
            case '"':
            case '?':
            case '\'':
            case '\\': text += QChar(char16_t(e)); break;
            case 'x': {
                if (i >= bytes.size() || hexValue(bytes[i]) < 0)
                    break;
                char16_t code = 0;
                while (i < bytes.size() && hexValue(bytes[i]) >= 0)
                    code = static_cast<char16_t>((code << 4) + hexValue(bytes[i++]));
                text += QChar(code);
                break;
            }
            default:
                if (e >= '0' && e <= '7') {
                    char16_t code = static_cast<char16_t>(e - '0');
                    while (i < bytes.size() && bytes[i] >= '0' && bytes[i] <= '7')
                        code = static_cast<char16_t>((code << 3) + (bytes[i++] - '0'));
                    text += QChar(code);
                }
                break; // any other escaped character is dropped
            }
            keep = text.size();
        } else if (c == '"') {
            ++i;
            quoted = true;
            inQuotes = !inQuotes;
            if (!inQuotes)
                skipBlanks();
        } else {
            qsizetype j = i + 1;
            while (j < bytes.size() && bytes[j] != '\\' && bytes[j] != '"')
                ++j;
            text += QString::fromUtf8(bytes.sliced(i, j - i));
            i = j;
        }
    }
    if (inQuotes)
        return false;
    if (!quoted)
        while (text.size() > keep && (text.back() == u' ' || text.back() == u'\t'))
            text.chop(1);
    return true;
}

// The value as the program reads it: text, or for the toolkit's typed values
// ("@ByteArray(...)", "@Invalid()" and the like) something that is not text.
QVariant valueOf(const QString& text, QByteArrayView written)
{
    if (!text.startsWith(u'@'))
        return text;
    if (text.startsWith(QLatin1StringView("@@")))
        return text.mid(1);
    static const char* const typed[] = {"@ByteArray(", "@Variant(", "@DateTime(", "@Rect(",
                                        "@Size(",      "@Point(",   "@Invalid("};
    if (text.endsWith(u')'))
        for (const char* prefix : typed)
            if (text.startsWith(QLatin1StringView(prefix)))
                return written.toByteArray();
    return text;
}

void appendEscapedValue(QByteArray& out, const QVariant& value)
{
    QString text = value.toString();
    if (text.startsWith(u'@'))
        text.prepend(u'@');
    const qsizetype start = out.size();
    bool quotes = false;
    bool hexBefore = false; // a \x or \0 escape before: a hex digit next would join it
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c == u';' || c == u',' || c == u'=')
            quotes = true;
        if (hexBefore && c < 0x80 && hexValue(static_cast<char>(c)) >= 0) {
            out += "\\x" + QByteArray::number(c, 16);
            continue;
        }
        hexBefore = false;
        switch (c) {
        case u'\0':
            out += "\\0";
            hexBefore = true;
            break;
        case u'\a': out += "\\a"; break;
        case u'\b': out += "\\b"; break;
        case u'\f': out += "\\f"; break;
        case u'\n': out += "\\n"; break;
        case u'\r': out += "\\r"; break;
        case u'\t': out += "\\t"; break;
        case u'\v': out += "\\v"; break;
        case u'"':
        case u'\\':
            out += '\\';
            out += static_cast<char>(c);
            break;
        default:
            if (c <= 0x1F) {
                out += "\\x" + QByteArray::number(c, 16);
                hexBefore = true;
            } else {
                out += QString(qc).toUtf8();
            }
        }
    }
    if (quotes || (out.size() > start && (out.at(start) == ' ' || out.back() == ' '))) {
        out.insert(start, '"');
        out += '"';
    }
}

// The section a full key is written in: its first part ("" for none).
QString sectionOf(const QString& key)
{
    const qsizetype slash = key.indexOf(u'/');
    return slash < 0 ? QString() : key.left(slash);
}

IniFile parseIni(const QByteArray& data)
{
    IniFile file;
    QString section;
    QHash<QString, std::size_t> keyLines;
    qsizetype start = 0;
    for (int number = 1; start < data.size(); ++number) {
        const qsizetype feed = data.indexOf('\n', start);
        const qsizetype end = feed < 0 ? data.size() : feed;
        IniLine line;
        line.raw = data.sliced(start, end - start);
        start = end + 1;
        QByteArrayView text = line.raw;
        if (text.endsWith('\r'))
            text.chop(1);
        const bool mark = number == 1 && text.startsWith("\xEF\xBB\xBF");
        if (mark)
            text = text.sliced(3);
        text = trimmedLine(text);
        if (text.isEmpty() || text.front() == ';' || text.front() == '#') {
            line.blank = text.isEmpty();
        } else if (text.front() == '[') {
            const qsizetype close = text.indexOf(']');
            if (close < 0) {
                file.unreadable.append(number);
            } else {
                const QByteArrayView name = trimmedLine(text.sliced(1, close - 1));
                line.kind = IniLine::Section;
                if (name.compare("general", Qt::CaseInsensitive) == 0)
                    section.clear();
                else if (name.compare("%general", Qt::CaseInsensitive) == 0)
                    section = QString::fromUtf8(name.sliced(1));
                else
                    section = unescapedKey(name);
            }
        } else {
            const qsizetype equals = text.indexOf('=');
            const QByteArrayView name = equals < 0 ? QByteArrayView() : trimmedLine(text.first(equals));
            QString value;
            if (name.isEmpty() || !unescapedValue(text.sliced(equals + 1), value)) {
                file.unreadable.append(number);
            } else {
                line.kind = IniLine::Key;
                line.key = section.isEmpty() ? unescapedKey(name) : section + u'/' + unescapedKey(name);
                line.value = valueOf(value, text.sliced(equals + 1));
                // The last of equal keys counts; the ones before are never read.
                if (const auto seen = keyLines.constFind(line.key); seen != keyLines.cend())
                    file.lines[seen.value()].superseded = true;
                keyLines.insert(line.key, file.lines.size());
            }
        }
        line.section = section;
        if (mark && line.kind != IniLine::Other)
            line.raw.remove(0, 3); // the line may move: the mark stays first
        file.lines.push_back(std::move(line));
    }
    return file;
}

// The file as last read: a write soon after finds it unchanged on disk
// and need not read its lines again (a hand-grown file of 100 000 lines).
struct LastRead {
    QMutex mutex;
    QString path;
    QByteArray data;
    std::shared_ptr<const IniFile> file;
};

LastRead& lastRead()
{
    static LastRead last;
    return last;
}

std::shared_ptr<const IniFile> parsed(const QString& path, const QByteArray& data)
{
    LastRead& last = lastRead();
    {
        const QMutexLocker lock(&last.mutex);
        if (last.file && last.path == path && last.data == data)
            return last.file;
    }
    auto file = std::make_shared<const IniFile>(parseIni(data));
    const QMutexLocker lock(&last.mutex);
    last.path = path;
    last.data = data;
    last.file = file;
    return file;
}

QString fileNameOf(const QIODevice& device)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file ? file->fileName() : QString();
}

bool readIni(QIODevice& device, QSettings::SettingsMap& map)
{
    const std::shared_ptr<const IniFile> file = parsed(fileNameOf(device), device.readAll());
    for (const IniLine& line : file->lines)
        if (line.kind == IniLine::Key && !line.superseded)
            map.insert(line.key, line.value);
    return true;
}

// Keeps a copy of a file with unreadable lines before it is first rewritten
// in this run, and says so. False when the copy cannot be made.
bool keepCopy(const QString& path, const QByteArray& data, const QList<int>& unreadable)
{
    static QMutex mutex;
    static QSet<QString> kept;
    const QMutexLocker lock(&mutex);
    if (kept.contains(path))
        return true;
    const QString copy = path + QStringLiteral(".bad");
    QSaveFile out(copy);
    if (!out.open(QIODevice::WriteOnly) || out.write(data) != data.size() || !out.commit())
        return false;
    kept.insert(path);
    QStringList numbers;
    for (int n : unreadable.mid(0, 10))
        numbers << QString::number(n);
    FNLOGERROR(SettingsLinesLogNumber,
               Messages::settingsLinesUnreadable(path, numbers.join(QStringLiteral(", ")),
                                                 unreadable.size() > 10 ? Messages::andMore() : QString(), copy),
               false, false);
    return true;
}

bool writeIni(QIODevice& device, const QSettings::SettingsMap& map)
{
    // The file as it is now: its lines are written back as they stand, but
    // for values the program changed or removed.
    std::shared_ptr<const IniFile> onFile = std::make_shared<const IniFile>();
    if (const QString path = fileNameOf(device); !path.isEmpty()) {
        QFile onDisk(path);
        if (onDisk.exists()) {
            if (!onDisk.open(QIODevice::ReadOnly))
                return false;
            const QByteArray data = onDisk.readAll();
            if (onDisk.error() != QFileDevice::NoError)
                return false;
            onFile = parsed(path, data);
            if (!onFile->unreadable.isEmpty() && !keepCopy(path, data, onFile->unreadable))
                return false;
        }
    }
    const IniFile& file = *onFile;

    // The toolkit writes each section's keys in name order, sections after
    // a blank line. A line that is no key (a comment, a line that cannot be
    // read) goes with the key after it in its section, or to the section's
    // end; lines before the first section stay first. Blank lines that only
    // end a section are the separator, written anew.
    struct Section {
        QByteArray header;                      // as the file has it, or empty
        QHash<QString, QByteArrayList> leading; // a key's lines before it
        QByteArrayList trailing;
    };
    QByteArrayList preamble;
    QHash<QString, const IniLine*> fileKeys;
    QList<QString> order; // sections in the order the file has them
    QHash<QString, Section> sections;
    {
        QByteArrayList waiting;
        QString current;
        bool inSection = false;
        const auto flush = [&] {
            while (!waiting.isEmpty() && isBlankLine(waiting.back()))
                waiting.removeLast();
            if (inSection)
                sections[current].trailing += waiting;
            else
                preamble += waiting;
            waiting.clear();
        };
        for (const IniLine& line : file.lines) {
            if (line.kind == IniLine::Section) {
                flush();
                current = line.section;
                inSection = true;
                if (!sections.contains(current)) {
                    order.append(current);
                    sections[current].header = line.raw;
                }
            } else if (line.kind == IniLine::Key) {
                if (line.superseded)
                    continue;
                const QString keySection = sectionOf(line.key);
                if (!sections.contains(keySection))
                    order.append(keySection);
                sections[keySection].leading[line.key] += std::exchange(waiting, {});
                fileKeys.insert(line.key, &line);
            } else {
                waiting.append(line.raw);
            }
        }
        flush();
    }
    // Every key of the map and of the file, by section in name order; a key
    // the program removed keeps the lines that went with it.
    struct Entry {
        QString key;
        const QVariant* value; // null: removed
    };
    QHash<QString, QList<Entry>> keysOf;
    QSet<QString> withValues;
    QSet<QString> unsorted;
    QHash<QString, const QVariant*> values;
    values.reserve(map.size());
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        const QString name = sectionOf(it.key());
        keysOf[name].append(Entry{it.key(), &it.value()}); // the map is in name order
        withValues.insert(name);
        values.insert(it.key(), &it.value());
    }
    for (auto it = fileKeys.cbegin(); it != fileKeys.cend(); ++it) {
        if (values.contains(it.key()))
            continue;
        const QString name = sectionOf(it.key());
        keysOf[name].append(Entry{it.key(), nullptr});
        unsorted.insert(name);
    }
    for (const QString& name : std::as_const(unsorted)) {
        QList<Entry>& entries = keysOf[name];
        std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) { return a.key < b.key; });
    }
    QStringList added;
    for (auto it = keysOf.cbegin(); it != keysOf.cend(); ++it)
        if (!sections.contains(it.key()))
            added.append(it.key());
    std::sort(added.begin(), added.end());
    order += added; // new sections, in name order

    QByteArray out;
    for (const QByteArray& line : std::as_const(preamble))
        out += line + '\n';
    bool first = true;
    for (const QString& name : std::as_const(order)) {
        const Section& section = sections[name];
        const QList<Entry>& keys = keysOf[name];
        const bool anyKey = withValues.contains(name);
        const bool anyLine = !section.trailing.isEmpty()
                             || std::any_of(section.leading.cbegin(), section.leading.cend(),
                                            [](const QByteArrayList& lines) { return !lines.isEmpty(); });
        if (!anyKey && !anyLine)
            continue; // a section left empty goes, as the toolkit drops it
        if (!std::exchange(first, false))
            out += '\n';
        if (!section.header.isEmpty()) {
            out += section.header + '\n';
        } else {
            QByteArray header;
            appendEscapedKey(header, name);
            if (header.isEmpty())
                header = "General";
            else if (header.compare("general", Qt::CaseInsensitive) == 0)
                header.prepend('%');
            out += '[' + header + "]\n";
        }
        for (const Entry& entry : keys) {
            if (const auto lines = section.leading.constFind(entry.key); lines != section.leading.cend())
                for (const QByteArray& line : lines.value())
                    out += line + '\n';
            if (!entry.value)
                continue;
            // A line read is written as it stands while it says the same
            // in the same section.
            const IniLine* read = fileKeys.value(entry.key);
            if (read && read->value == *entry.value && read->section == name) {
                out += read->raw + '\n';
            } else {
                appendEscapedKey(out, name.isEmpty() ? entry.key : entry.key.mid(name.size() + 1));
                out += '=';
                appendEscapedValue(out, *entry.value);
                out += '\n';
            }
        }
        for (const QByteArray& line : section.trailing)
            out += line + '\n';
    }
    return device.write(out) == out.size();
}

} // namespace

QSettings::Format settingsFileFormat()
{
    static const QSettings::Format format = QSettings::registerFormat(QStringLiteral("ini"), readIni, writeIni,
                                                                      Qt::CaseSensitive);
    return format;
}
