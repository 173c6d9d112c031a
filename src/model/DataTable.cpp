#include "DataTable.h"

#include "support/Messages.h"

#include <QHash>
#include <QSet>

#include <algorithm>
#include <array>
#include <cstring>
#include <tuple>
#include <utility>

namespace {

constexpr int SampleRows = 20;

inline bool isBreak(char c)
{
    return c == '\n' || c == '\r';
}

inline bool isBlank(char c)
{
    return c == ' ' || c == '\t';
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
// than separators and blanks (spaces, tabs, quotes around nothing else). A quote at the start of a field opens a quoted
// field, except the one at literalQuote, which is text. Stops at a quoted field that runs to the end without being
// closed.
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
                content = content || std::any_of(data + quote + 1, data + i - 1, [](char q) {
                              return !isBlank(q) && q != '"' && !isBreak(q);
                          });
                fieldStart = false;
            } else if (c == delimiter) {
                fieldStart = true;
                ++i;
            } else if (isBreak(c)) {
                i = afterBreak(data, i, end);
                break;
            } else {
                content = content || !isBlank(c);
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
// (all of it when maxBytes is negative). With a list of the fields wanted,
// no more fields than it lists are cut, and those it does not want are left
// empty. A quoted field never closed runs to the end.
QList<QByteArray> cutRow(QByteArrayView text, qsizetype start, char delimiter, qsizetype literalQuote,
                         qsizetype maxBytes, const std::vector<bool>* wanted = nullptr)
{
    if (wanted && wanted->empty())
        return {};
    const char* const data = text.data();
    const qsizetype end = text.size();
    QList<QByteArray> fields;
    QByteArray field;
    bool keep = !wanted || (*wanted)[0];
    const auto add = [&field, &keep, maxBytes](const char* p, qsizetype n) {
        if (!keep)
            return;
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
            if (wanted) {
                if (static_cast<std::size_t>(fields.size()) >= wanted->size())
                    return fields;
                keep = (*wanted)[static_cast<std::size_t>(fields.size())];
            }
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
// lines, and which one cuts them alike. A separator that gives every line
// the same number of fields goes before one that does not; one that stands
// only between digits ("1,50") goes after one that does not, as it is most
// likely a decimal comma; then the most fields a consistent separator
// gives wins, or without one, the most separators in all.
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
    std::array<bool, 3> onlyBetweenDigits{true, true, true};
    const auto digitAt = [&](qsizetype at) { return at >= 0 && at < end && data[at] >= '0' && data[at] <= '9'; };
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
            for (std::size_t k = 0; k < 3; ++k) {
                if (c != candidates[k])
                    continue;
                ++line[k];
                onlyBetweenDigits[k] = onlyBetweenDigits[k] && digitAt(i - 1) && digitAt(i + 1);
            }
        }
        ++i;
    }
    if (std::any_of(line.begin(), line.end(), [](int n) { return n > 0; }))
        for (std::size_t k = 0; k < 3; ++k)
            counts[k].append(line[k]);

    int best = -1;
    std::tuple<bool, bool, qint64> bestRank;
    for (std::size_t k = 0; k < 3; ++k) {
        const QList<int>& c = counts[k];
        if (c.isEmpty() || *std::max_element(c.begin(), c.end()) == 0)
            continue;
        const bool consistent = std::all_of(c.begin(), c.end(), [&c](int n) { return n == c.front(); });
        qint64 total = 0;
        for (const int n : c)
            total += n;
        const std::tuple<bool, bool, qint64> rank{consistent, !onlyBetweenDigits[k], consistent ? c.front() : total};
        if (best < 0 || rank > bestRank) {
            best = int(k);
            bestRank = rank;
        }
    }
    return candidates[std::size_t(std::max(best, 0))];
}

bool hasDigit(const QString& text)
{
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

// Whether the first row of the sample holds column names. Each first-row
// cell is set against the cells below it: a cell without digits over a
// column whose every cell has digits ("Street" over "1 High Street"), or
// with digits over a column without any, or of another length than a
// column of codes of one length, looks like a name; a cell with digits over
// a column of digits looks like data. The row is data when it has more of
// the latter, and names when more of the former. Where no cell tells, the
// row is names when its filled cells (at least one) are all different and
// none is a number over a column of numbers. An empty cell tells nothing:
// the first column of an exported index often has no name.
bool firstRowIsNames(const QList<QStringList>& sample)
{
    const QStringList& first = sample.front();
    int likeData = 0;
    int likeNames = 0;
    bool numberOverNumbers = false;
    for (qsizetype column = 0; column < first.size(); ++column) {
        const QString cell = first[column].trimmed();
        if (cell.isEmpty())
            continue;
        int values = 0;
        int withDigits = 0;
        int numbers = 0;
        qsizetype shortest = -1;
        qsizetype longest = 0;
        for (qsizetype r = 1; r < sample.size(); ++r) {
            const QString value = sample[r].value(column).trimmed();
            if (value.isEmpty())
                continue;
            ++values;
            withDigits += hasDigit(value) ? 1 : 0;
            numbers += isNumber(value) ? 1 : 0;
            shortest = shortest < 0 ? value.size() : std::min(shortest, value.size());
            longest = std::max(longest, value.size());
        }
        if (values == 0)
            continue;
        const bool digits = hasDigit(cell);
        if (withDigits == values) {
            ++(digits ? likeData : likeNames);
            // A column of codes of one length: postcodes, numbers of a kind.
            if (digits && longest - shortest <= 1 && values >= 2
                && (cell.size() < shortest - 1 || cell.size() > longest + 1))
                ++likeNames;
        } else if (withDigits == 0 && digits) {
            ++likeNames;
        }
        numberOverNumbers = numberOverNumbers || (isNumber(cell) && numbers == values);
    }
    if (likeData != likeNames)
        return likeNames > likeData;
    if (likeData > 0)
        return false; // a tie keeps the row: a label too many is seen, a row lost is not
    QSet<QString> seen;
    for (const QString& name : first) {
        const QString trimmed = name.trimmed();
        if (trimmed.isEmpty())
            continue;
        if (seen.contains(trimmed))
            return false;
        seen.insert(trimmed);
    }
    return !seen.isEmpty() && !numberOverNumbers;
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
        note_ = Messages::unclosedQuote(starts.size() + 1);
        stop = indexRows(data, stop.rowStart, end, delimiter_, literalQuote_, starts);
        if (stop.unclosedQuote >= 0) {
            note_ += Messages::anotherUnclosedQuote(starts.size() + 1);
            starts.append(stop.rowStart);
        }
    }
    starts.squeeze();
    starts_ = std::move(starts);
}

QStringList DataTable::row(int i, qsizetype maxChars, const std::vector<bool>* wanted) const
{
    QStringList fields;
    if (i < 0 || i >= starts_.size())
        return fields;
    // A character takes at most three bytes for each of its UTF-16 units;
    // the three more make up for a character cut at the end.
    const qsizetype maxBytes = maxChars < 0 ? -1 : text_.decodesAsUtf8() ? 3 * maxChars + 3 : maxChars;
    for (const QByteArray& bytes : cutRow(text_.content(), starts_[i], delimiter_, literalQuote_, maxBytes, wanted)) {
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
    constexpr qsizetype SampleChars = 256;
    QList<QStringList> sample;
    for (int i = 0; i < std::min(rowCount(), SampleRows); ++i)
        sample.append(row(i, SampleChars));
    columns_ = 0;
    for (const QStringList& r : sample)
        columns_ = std::max(columns_, static_cast<int>(r.size()));
    namesDetected_ = sample.size() >= 2 && firstRowIsNames(sample);
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
