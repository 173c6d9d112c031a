#include "DataTable.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

constexpr int SampleRows = 20;

inline bool isBreak(char c)
{
    return c == '\n' || c == '\r';
}

// Past the line break at p (CR, LF or CR LF).
inline qsizetype afterBreak(const char* data, qsizetype p, qsizetype end)
{
    return data[p] == '\r' && p + 1 < end && data[p + 1] == '\n' ? p + 2 : p + 1;
}

// Where the scan of a table ended: at the end, or at a quote that opens a
// field and is never closed (and the start of its row).
struct ScanEnd {
    qsizetype unclosedQuote = -1;
    qsizetype rowStart = -1;
};

// Appends to starts the offset of every row in [from, end) that holds more
// than separators. A quote at the start of a field opens a quoted field,
// except the one at literalQuote, which is text. Stops at a quoted field
// that runs to the end without being closed.
ScanEnd indexRows(const char* data, qsizetype from, qsizetype end, char delimiter, qsizetype literalQuote,
                  QList<qsizetype>& starts)
{
    qsizetype i = from;
    while (i < end) {
        const qsizetype rowStart = i;
        bool content = false;
        bool fieldStart = true;
        while (i < end) {
            const char c = data[i];
            if (c == '"' && fieldStart && i != literalQuote) {
                const qsizetype quote = i++;
                for (;;) {
                    const void* next = std::memchr(data + i, '"', size_t(end - i));
                    if (!next)
                        return ScanEnd{quote, rowStart};
                    i = static_cast<const char*>(next) - data + 1;
                    if (i < end && data[i] == '"') {
                        ++i;
                        continue;
                    }
                    break;
                }
                content = content || i - quote > 2;
                fieldStart = false;
            } else if (c == delimiter) {
                fieldStart = true;
                ++i;
            } else if (isBreak(c)) {
                i = afterBreak(data, i, end);
                break;
            } else {
                content = true;
                fieldStart = false;
                ++i;
            }
        }
        if (content)
            starts.append(rowStart);
    }
    return ScanEnd{};
}

// The fields of the row at start, as bytes, each at most maxBytes long
// (all of it when maxBytes is negative). A quoted field never closed runs
// to the end.
QList<QByteArray> cutRow(QByteArrayView text, qsizetype start, char delimiter, qsizetype literalQuote,
                         qsizetype maxBytes)
{
    const char* const data = text.data();
    const qsizetype end = text.size();
    QList<QByteArray> fields;
    QByteArray field;
    const auto add = [&field, maxBytes](const char* p, qsizetype n) {
        if (maxBytes >= 0)
            n = std::min(n, maxBytes - field.size());
        if (n > 0)
            field.append(p, n);
    };
    qsizetype i = start;
    bool fieldStart = true;
    while (i < end) {
        const char c = data[i];
        if (c == '"' && fieldStart && i != literalQuote) {
            ++i;
            for (;;) {
                const void* next = std::memchr(data + i, '"', size_t(end - i));
                const qsizetype stop = next ? static_cast<const char*>(next) - data : end;
                add(data + i, stop - i);
                i = stop + 1;
                if (i < end && data[i] == '"') {
                    add("\"", 1);
                    ++i;
                    continue;
                }
                break;
            }
            fieldStart = false;
        } else if (c == delimiter) {
            fields.append(std::exchange(field, QByteArray()));
            fieldStart = true;
            ++i;
        } else if (isBreak(c)) {
            break;
        } else {
            qsizetype stop = i + 1;
            while (stop < end && data[stop] != delimiter && !isBreak(data[stop]))
                ++stop;
            add(data + i, stop - i); // a quote inside an unquoted field is text
            i = stop;
            fieldStart = false;
        }
    }
    fields.append(field);
    return fields;
}

// A number as a spreadsheet writes one: a sign, digits and at most one
// decimal point or comma.
bool isNumber(const QString& text)
{
    const QString t = text.trimmed();
    qsizetype i = t.startsWith(u'+') || t.startsWith(u'-') ? 1 : 0;
    bool digits = false;
    bool separator = false;
    for (; i < t.size(); ++i) {
        const QChar c = t[i];
        if (c.isDigit())
            digits = true;
        else if ((c == u'.' || c == u',') && !separator)
            separator = true;
        else
            return false;
    }
    return digits;
}

// How often each separator appears outside quotes in each of the first
// lines, and which one cuts them alike. The most fields a consistent
// separator gives wins; without one, the most separators in all.
char detectDelimiter(QByteArrayView text, bool preferTabs)
{
    const std::array<char, 3> candidates = preferTabs ? std::array<char, 3>{'\t', ',', ';'}
                                                      : std::array<char, 3>{',', ';', '\t'};
    std::array<QList<int>, 3> counts;
    const char* const data = text.data();
    const qsizetype end = std::min<qsizetype>(text.size(), qsizetype(64) << 10);
    qsizetype i = 0;
    bool quoted = false;
    std::array<int, 3> line{};
    while (i < end && counts[0].size() < SampleRows) {
        const char c = data[i];
        if (c == '"') {
            quoted = !quoted;
        } else if (!quoted && isBreak(c)) {
            for (std::size_t k = 0; k < 3; ++k)
                counts[k].append(std::exchange(line[k], 0));
            i = afterBreak(data, i, end);
            continue;
        } else if (!quoted) {
            for (std::size_t k = 0; k < 3; ++k)
                line[k] += c == candidates[k] ? 1 : 0;
        }
        ++i;
    }
    if (std::any_of(line.begin(), line.end(), [](int n) { return n > 0; }))
        for (std::size_t k = 0; k < 3; ++k)
            counts[k].append(line[k]);

    int best = -1;
    int bestFields = 0;
    qint64 bestTotal = 0;
    bool bestConsistent = false;
    for (std::size_t k = 0; k < 3; ++k) {
        const QList<int>& c = counts[k];
        if (c.isEmpty() || *std::max_element(c.begin(), c.end()) == 0)
            continue;
        const bool consistent = std::all_of(c.begin(), c.end(), [&c](int n) { return n == c.front(); });
        qint64 total = 0;
        for (const int n : c)
            total += n;
        const bool better = best < 0 || (consistent && !bestConsistent)
                            || (consistent == bestConsistent
                                && (consistent ? c.front() > bestFields : total > bestTotal));
        if (better) {
            best = int(k);
            bestFields = c.front();
            bestTotal = total;
            bestConsistent = consistent;
        }
    }
    return candidates[std::size_t(std::max(best, 0))];
}

} // namespace

bool isTableFileName(const QString& path)
{
    for (const char* suffix : {".csv", ".tsv", ".tab"})
        if (path.endsWith(QLatin1StringView(suffix), Qt::CaseInsensitive))
            return true;
    return false;
}

bool DataTable::loadFromFile(const QString& path, QString* error)
{
    clear();
    QString failure;
    if (!text_.loadFromFile(path, &failure, false)) {
        if (error)
            *error = failure;
        return false;
    }
    const bool tabs = !path.endsWith(QLatin1StringView(".csv"), Qt::CaseInsensitive);
    delimiter_ = detectDelimiter(text_.content(), tabs);
    index();
    detect();
    return true;
}

void DataTable::loadFromBytes(QByteArray bytes, bool preferTabs)
{
    clear();
    text_.loadFromBytes(std::move(bytes), false);
    delimiter_ = detectDelimiter(text_.content(), preferTabs);
    index();
    detect();
}

void DataTable::clear()
{
    text_.clear();
    starts_ = QList<qsizetype>();
    delimiter_ = ',';
    literalQuote_ = -1;
    namesDetected_ = false;
    columns_ = 0;
    note_.clear();
}

void DataTable::index()
{
    const QByteArrayView content = text_.content();
    const char* const data = content.data();
    const qsizetype end = content.size();
    // The rows are counted first, so the offsets take the room they need.
    // A quote that opens a field and is never closed is most likely a
    // stray mark in a name: it is read as text and the rows after it are
    // read as usual. Should another such quote follow, its field runs to
    // the end of the file, so the work stays linear.
    QList<qsizetype> starts;
    ScanEnd stop = indexRows(data, 0, end, delimiter_, -1, starts);
    if (stop.unclosedQuote >= 0) {
        literalQuote_ = stop.unclosedQuote;
        note_ = QStringLiteral("Row %1 opens a quoted field that is never closed; its quote mark is read as text.")
                    .arg(starts.size() + 1);
        stop = indexRows(data, stop.rowStart, end, delimiter_, literalQuote_, starts);
        if (stop.unclosedQuote >= 0) {
            note_ += QStringLiteral(" Row %1 opens another, which runs to the end of the file.").arg(starts.size() + 1);
            starts.append(stop.rowStart);
        }
    }
    starts.squeeze();
    starts_ = std::move(starts);
}

QStringList DataTable::row(int i, qsizetype maxChars) const
{
    QStringList fields;
    if (i < 0 || i >= starts_.size())
        return fields;
    // A character takes at most three bytes for each of its UTF-16 units;
    // the three more make up for a character cut at the end.
    const qsizetype maxBytes = maxChars < 0 ? -1 : text_.decodesAsUtf8() ? 3 * maxChars + 3 : maxChars;
    for (const QByteArray& bytes : cutRow(text_.content(), starts_[i], delimiter_, literalQuote_, maxBytes)) {
        QString field = text_.decode(bytes);
        if (maxChars >= 0 && field.size() > maxChars) {
            field.truncate(maxChars);
            if (field.back().isHighSurrogate())
                field.chop(1);
        }
        fields.append(field);
    }
    return fields;
}

void DataTable::detect()
{
    // Only the first rows are looked at, each field cut short: a table of a
    // million rows or a field of a hundred megabytes costs no more.
    constexpr qsizetype sampleChars = 256;
    QList<QStringList> sample;
    for (int i = 0; i < std::min(rowCount(), SampleRows); ++i)
        sample.append(row(i, sampleChars));
    columns_ = 0;
    for (const QStringList& r : sample)
        columns_ = std::max(columns_, static_cast<int>(r.size()));
    namesDetected_ = false;
    if (sample.size() < 2)
        return;
    const QStringList& names = sample.front();
    QSet<QString> seen;
    for (const QString& name : names) {
        const QString trimmed = name.trimmed();
        if (trimmed.isEmpty() || seen.contains(trimmed))
            return;
        seen.insert(trimmed);
    }
    for (qsizetype column = 0; column < names.size(); ++column) {
        if (!isNumber(names[column]))
            continue;
        bool numbersBelow = false;
        bool allNumbers = true;
        for (qsizetype r = 1; r < sample.size(); ++r) {
            const QString value = sample[r].value(column).trimmed();
            if (value.isEmpty())
                continue;
            numbersBelow = true;
            allNumbers = allNumbers && isNumber(value);
        }
        if (numbersBelow && allNumbers)
            return;
    }
    namesDetected_ = true;
}

bool looksLikeTable(const DataLines& lines, qsizetype labelCount)
{
    const int count = lines.count();
    if (count == 0 || labelCount * 5 >= count)
        return false;
    // The separators are single bytes in every encoding held, so the bytes
    // are counted without decoding a line.
    const QByteArrayView content = lines.content();
    std::array<int, 3> first{-1, -1, -1};
    std::array<bool, 3> same{true, true, true};
    std::array<int, 3> n{};
    const auto endLine = [&] {
        for (std::size_t k = 0; k < 3; ++k) {
            if (first[k] < 0)
                first[k] = n[k];
            same[k] = same[k] && n[k] == first[k];
        }
        n = {};
    };
    bool empty = true;
    for (const char c : content) {
        if (isBreak(c)) {
            if (!empty)
                endLine();
            empty = true;
            continue;
        }
        empty = false;
        n[0] += c == ',' ? 1 : 0;
        n[1] += c == ';' ? 1 : 0;
        n[2] += c == '\t' ? 1 : 0;
    }
    if (!empty)
        endLine();
    for (std::size_t k = 0; k < 3; ++k)
        if (same[k] && first[k] >= 1)
            return true;
    return false;
}
