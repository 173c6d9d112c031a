#include "DataFile.h"

#include <QByteArrayView>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F. The five codes it
// leaves undefined map to the control characters of the same value, as
// Windows itself decodes them.
constexpr char16_t Windows1252High[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

// Line counts are int; anything past this many lines is not indexed.
constexpr qsizetype MaxLines = std::numeric_limits<int>::max();

inline bool IsBreak(char c)
{
    return c == '\r' || c == '\n';
}

// The first CR or LF in [p, end), or end.
inline const char* FindBreak(const char* p, const char* end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned mask = unsigned(_mm_movemask_epi8(
            _mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf))));
        if (mask != 0)
            return p + std::countr_zero(mask);
        p += 16;
    }
#endif
    while (p < end && !IsBreak(*p))
        ++p;
    return p;
}

// Calls visit(start) for the start of every line in [begin, end), in order,
// while it returns true. A line starts at begin and after every break: after
// each LF, and after each CR not directly followed by an LF (CR LF is one
// break). A break at the very end starts no line.
template <typename Visit>
void ForEachLineStart(const char* begin, const char* end, Visit&& visit)
{
    if (begin == end || !visit(begin))
        return;
    const char* p = begin;
#if defined(__SSE2__)
    // Sixteen bytes at a time, looking one byte ahead for the LF after a CR.
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p > 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const __m128i ahead = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + 1));
        const unsigned lfs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, lf)));
        const unsigned crs = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(block, cr)));
        const unsigned lfsAhead = unsigned(_mm_movemask_epi8(_mm_cmpeq_epi8(ahead, lf)));
        // Every bit is a break that ends at most at p + 16, before end.
        for (unsigned breaks = lfs | (crs & ~lfsAhead); breaks != 0; breaks &= breaks - 1) {
            if (!visit(p + std::countr_zero(breaks) + 1))
                return;
        }
        p += 16;
    }
#endif
    for (; p < end; ++p) {
        const bool breakEnds = *p == '\n' || (*p == '\r' && (p + 1 == end || p[1] != '\n'));
        if (breakEnds && p + 1 < end && !visit(p + 1))
            return;
    }
}

template <typename Offset>
void FillStarts(QList<Offset>& starts, qsizetype count, const char* data, const char* begin, const char* end)
{
    starts.resize(count);
    Offset* out = starts.data();
    qsizetype filled = 0;
    ForEachLineStart(begin, end, [&](const char* p) {
        out[filled++] = Offset(p - data);
        return filled < count;
    });
}

// QString::fromUtf8 drops a byte-order mark at the start of its input; inside
// the file's content that character belongs to the line and is kept.
QString DecodeUtf8(const char* p, qsizetype n)
{
    if (n >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
        return QChar(0xFEFF) + QString::fromUtf8(p + 3, n - 3);
    return QString::fromUtf8(p, n);
}

QString DecodeWindows1252(const char* p, qsizetype n)
{
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    for (qsizetype i = 0; i < n; ++i) {
        const auto byte = static_cast<unsigned char>(p[i]);
        out[i] = (byte >= 0x80 && byte < 0xA0) ? QChar(Windows1252High[byte - 0x80]) : QChar(char16_t(byte));
    }
    return text;
}

} // namespace

QString TLINES::line(int i) const
{
    if (i < 0 || i >= m_count)
        return QString();
    const char* const begin = m_bytes.constData() + lineStart(i);
    const char* const end = FindBreak(begin, m_bytes.constData() + m_end);
    if (m_utf8)
        return DecodeUtf8(begin, end - begin);
    return DecodeWindows1252(begin, end - begin);
}

bool TLINES::lineIsEmpty(int i) const
{
    if (i < 0 || i >= m_count)
        return true;
    const qsizetype start = lineStart(i);
    return start == m_end || IsBreak(m_bytes.constData()[start]);
}

void TLINES::clear()
{
    m_bytes = QByteArray();
    m_end = 0;
    m_count = 0;
    m_utf8 = true;
    m_wide = false;
    m_starts32 = QList<quint32>();
    m_starts64 = QList<quint64>();
}

void TLINES::setLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& text : lines) {
        bytes += text.toUtf8();
        bytes += '\n';
    }
    clear();
    m_bytes = std::move(bytes);
    m_end = m_bytes.size();
    index(0);
}

QStringList TLINES::toStringList() const
{
    QStringList lines;
    lines.reserve(m_count);
    for (int i = 0; i < m_count; ++i)
        lines.append(line(i));
    return lines;
}

bool TLINES::loadFromFile(const QString& path, QString* error)
{
    clear();
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    // A device or a pipe has no end to read to, and opening a pipe waits
    // for a writer that may never come.
    const QFileInfo info(path);
    if (info.exists() && !info.isFile() && !info.isDir())
        return fail(path + QStringLiteral(" is not a plain file"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Unbuffered))
        return fail(QStringLiteral("Cannot open file ") + path);
    const auto tooLarge = [&](qint64 size) {
        const auto mb = [](qint64 n) { return QString::number((n + (1 << 20) - 1) >> 20); };
        return fail(QStringLiteral("The file %1 holds %2 MB; data files larger than %3 MB are not read.")
                        .arg(path, mb(size), mb(MaxDataFileBytes)));
    };
    const qint64 size = file.size(); // 0 for files of the proc file system
    if (size > MaxDataFileBytes)
        return tooLarge(size);

    // Read in pieces up to the first NUL. The whole size is reserved once,
    // so an ordinary file is read without copying.
    constexpr qsizetype piece = qsizetype(4) << 20;
    QByteArray bytes;
    bytes.reserve(qsizetype(size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled > MaxDataFileBytes) // it grew while being read
            return tooLarge(filled);
        if (bytes.capacity() - filled < 1)
            bytes.reserve(filled + std::max(filled, piece));
        const qsizetype room = std::min(bytes.capacity() - filled, piece);
        bytes.resize(filled + room);
        const qint64 n = file.read(bytes.data() + filled, room);
        if (n < 0)
            return fail(QStringLiteral("Cannot read file ") + path);
        if (n == 0)
            break;
        const void* nul = std::memchr(bytes.constData() + filled, 0, size_t(n));
        if (nul) {
            filled = static_cast<const char*>(nul) - bytes.constData();
            break;
        }
        filled += qsizetype(n);
    }
    bytes.resize(filled);
    if (bytes.capacity() - filled > piece)
        bytes.squeeze(); // a binary file: give back what its NUL left unused
    loadFromBytes(std::move(bytes));
    return true;
}

void TLINES::loadFromBytes(QByteArray bytes)
{
    clear();
    m_bytes = std::move(bytes);
    const char* const data = m_bytes.constData();
    const void* const nul = std::memchr(data, 0, size_t(m_bytes.size()));
    m_end = nul ? static_cast<const char*>(nul) - data : m_bytes.size();

    m_utf8 = QByteArrayView(data, m_end).isValidUtf8();
    qsizetype begin = 0;
    if (m_utf8 && QByteArrayView(data, m_end).startsWith("\xEF\xBB\xBF"))
        begin = 3;
    index(begin);
}

void TLINES::index(qsizetype begin)
{
    const char* const data = m_bytes.constData();
    const char* const first = data + begin;
    const char* const end = data + m_end;

    // Count first, so the offsets take exactly the room they need.
    qsizetype count = 0;
    ForEachLineStart(first, end, [&count](const char*) { return ++count < MaxLines; });

    m_count = int(count);
    m_wide = m_end > qsizetype(std::numeric_limits<quint32>::max());
    if (m_wide)
        FillStarts(m_starts64, count, data, first, end);
    else
        FillStarts(m_starts32, count, data, first, end);
}

QVector<qint32> BuildLabelIndex(const TLINES& lines)
{
    QVector<qint32> starts;
    bool inLabel = false;
    const int count = lines.count();
    for (int i = 0; i < count; ++i) {
        const bool empty = lines.lineIsEmpty(i);
        if (!empty && !inLabel) {
            starts.append(i);
            inLabel = true;
        } else if (empty) {
            inLabel = false;
        }
    }
    return starts;
}

void AppendLabelLines(const TLINES& lines, qint32 first, QStringList& out)
{
    if (first < 0)
        return;
    for (int i = first; i < lines.count() && !lines.lineIsEmpty(i); ++i)
        out.append(lines.line(i));
}

QString TLINES::linePrefix(int i, qsizetype maxChars) const
{
    if (i < 0 || i >= m_count || maxChars <= 0)
        return QString();
    const char* const begin = m_bytes.constData() + lineStart(i);
    const char* const contentEnd = m_bytes.constData() + m_end;
    // A character takes at most three bytes per UTF-16 unit; the three more
    // make up for a character cut at the end.
    const qsizetype cap = m_utf8 ? 3 * maxChars + 3 : maxChars;
    const char* const end = FindBreak(begin, contentEnd - begin > cap ? begin + cap : contentEnd);
    QString text = m_utf8 ? DecodeUtf8(begin, end - begin) : DecodeWindows1252(begin, end - begin);
    if (text.size() > maxChars) {
        text.truncate(maxChars);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

void AppendLabelLines(const TLINES& lines, qint32 first, QStringList& out, int maxLines, qsizetype maxChars)
{
    if (first < 0)
        return;
    const qint64 last = std::min<qint64>(lines.count(), static_cast<qint64>(first) + std::max(maxLines, 0));
    for (int i = first; i < last && !lines.lineIsEmpty(i); ++i)
        out.append(lines.linePrefix(i, maxChars));
}
