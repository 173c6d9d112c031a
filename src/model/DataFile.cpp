#include "DataFile.h"

#include "text/Windows1252.h"
#include "support/Messages.h"

#include <QByteArrayView>
#include <QFile>
#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>
#include <utility>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

// Line counts are int; anything past this many lines is not indexed.
constexpr qsizetype MaxLines = std::numeric_limits<int>::max();

inline bool isBreak(char c)
{
    return c == '\r' || c == '\n';
}

// The first CR or LF in [p, end), or end.
inline const char* findBreak(const char* p, const char* end)
{
#if defined(__SSE2__)
    const __m128i cr = _mm_set1_epi8('\r');
    const __m128i lf = _mm_set1_epi8('\n');
    while (end - p >= 16) {
        const __m128i block = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
        const unsigned mask = unsigned(
            _mm_movemask_epi8(_mm_or_si128(_mm_cmpeq_epi8(block, cr), _mm_cmpeq_epi8(block, lf))));
        if (mask != 0)
            return p + std::countr_zero(mask);
        p += 16;
    }
#endif
    while (p < end && !isBreak(*p))
        ++p;
    return p;
}

// Calls visit(start) for the start of every line in [begin, end), in order,
// while it returns true. A line starts at begin and after every break: after
// each LF, and after each CR not directly followed by an LF (CR LF is one
// break). A break at the very end starts no line.
template <typename Visit>
void forEachLineStart(const char* begin, const char* end, Visit&& visit)
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

// Counts the lines in [begin, end), up to MaxLines, and puts where every
// stride-th one starts into marks.
template <typename Offset>
qsizetype markLines(QList<Offset>& marks, int stride, const char* data, const char* begin, const char* end)
{
    qsizetype count = 0;
    int sinceMark = 0;
    forEachLineStart(begin, end, [&](const char* p) {
        if (sinceMark == 0)
            marks.append(Offset(p - data));
        if (++sinceMark == stride)
            sinceMark = 0;
        return ++count < MaxLines;
    });
    marks.squeeze();
    return count;
}

// Appends the lines from line `line`, which starts at `start`, up to the
// next empty line or the end: at most maxLines of them, each whole or, with
// maxChars >= 0, at most maxChars characters of it.
// Returns the line at which it stopped and where that line starts.
std::pair<qint64, qsizetype> appendLinesFrom(const DataLines& lines, qint64 line, qsizetype start, QStringList& out,
                                             qint64 maxLines, qsizetype maxChars)
{
    const qint64 last = std::min<qint64>(lines.count(), line + std::max<qint64>(maxLines, 0));
    for (; line < last && !lines.emptyAt(start); ++line)
        out.append(maxChars < 0 ? lines.lineAt(start, &start) : lines.linePrefixAt(start, maxChars, &start));
    return {line, start};
}

// Calls visit(line, start) for the first line of every label, in order.
template <typename Visit>
void forEachLabelStart(const DataLines& lines, Visit&& visit)
{
    bool inLabel = false;
    const int count = lines.count();
    qsizetype start = count > 0 ? lines.startOf(0) : 0;
    for (int i = 0; i < count; ++i, start = lines.startAfter(start)) {
        const bool empty = lines.emptyAt(start);
        if (!empty && !inLabel)
            visit(i, start);
        inLabel = !empty;
    }
}

// QString::fromUtf8 drops a byte-order mark at the start of its input; inside
// the file's content that character belongs to the line and is kept.
QString decodeUtf8(const char* p, qsizetype n)
{
    if (n >= 3 && std::memcmp(p, "\xEF\xBB\xBF", 3) == 0)
        return QChar(0xFEFF) + QString::fromUtf8(p + 3, n - 3);
    return QString::fromUtf8(p, n);
}

// The UTF-32 byte-order marks: FF FE 00 00 (little-endian, which begins as
// the UTF-16 mark does) and 00 00 FE FF.
bool isUtf32Mark(const char* p)
{
    return std::memcmp(p, "\xFF\xFE\0\0", 4) == 0 || std::memcmp(p, "\0\0\xFE\xFF", 4) == 0;
}

enum class Utf16ByteOrder { None, Little, Big };

Utf16ByteOrder utf16Order(const char* p, qsizetype n)
{
    if (n < 2)
        return Utf16ByteOrder::None;
    const auto b0 = static_cast<unsigned char>(p[0]);
    const auto b1 = static_cast<unsigned char>(p[1]);
    if (b0 == 0xFF && b1 == 0xFE)
        return Utf16ByteOrder::Little;
    if (b0 == 0xFE && b1 == 0xFF)
        return Utf16ByteOrder::Big;
    return Utf16ByteOrder::None;
}

// Whether the eight UTF-16 units at p are all ASCII (U+0001 to U+007F); if
// so, their bytes go to out (when given).
template <bool Little>
inline bool eightAsciiUnits(const unsigned char* p, unsigned char* out)
{
#if defined(__SSE2__)
    __m128i units = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    if (!Little)
        units = _mm_or_si128(_mm_slli_epi16(units, 8), _mm_srli_epi16(units, 8));
    const __m128i zero = _mm_setzero_si128();
    const __m128i above = _mm_and_si128(units, _mm_set1_epi16(short(0xFF80)));
    if (_mm_movemask_epi8(_mm_cmpeq_epi16(above, zero)) != 0xFFFF
        || _mm_movemask_epi8(_mm_cmpeq_epi16(units, zero)) != 0)
        return false;
    if (out)
        _mm_storel_epi64(reinterpret_cast<__m128i*>(out), _mm_packus_epi16(units, units));
    return true;
#else
    (void)p;
    (void)out;
    return false;
#endif
}

// Goes through the UTF-16 text after the byte-order mark, up to the first
// U+0000 (where the content ends, as at a NUL byte in other files): runs of
// eight ASCII units go to ascii(p), where p is their first unit, every other
// character to visit(c). A surrogate without its partner and an odd last
// byte are given as U+FFFD.
template <bool Little, typename Ascii, typename Visit>
void forEachUtf16Char(const QByteArray& bytes, Ascii&& ascii, Visit&& visit)
{
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.constData());
    const qsizetype n = bytes.size();
    const auto unitAt = [p](qsizetype i) -> char32_t {
        return Little ? char32_t(p[i] | (p[i + 1] << 8)) : char32_t((p[i] << 8) | p[i + 1]);
    };
    qsizetype i = 2;
    while (i + 1 < n) {
        if (i + 16 <= n && eightAsciiUnits<Little>(p + i, nullptr)) {
            ascii(p + i);
            i += 16;
            continue;
        }
        const char32_t unit = unitAt(i);
        i += 2;
        if (unit - 1 < 0xD7FF) { // neither U+0000 nor a surrogate
            visit(unit);
            continue;
        }
        if (unit == 0)
            return;
        if (unit < 0xDC00 && i + 1 < n) {
            const char32_t low = unitAt(i);
            if (low >= 0xDC00 && low < 0xE000) {
                visit(0x10000 + ((unit - 0xD800) << 10) + (low - 0xDC00));
                i += 2;
                continue;
            }
        }
        visit(unit < 0xE000 ? char32_t(0xFFFD) : unit);
    }
    if (i < n)
        visit(char32_t(0xFFFD));
}

constexpr int utf8Length(char32_t c)
{
    return c < 0x80 ? 1 : c < 0x800 ? 2 : c < 0x10000 ? 3 : 4;
}

// UTF-16 text as UTF-8, always valid. Measured first, so the result takes
// exactly its size: at most one and a half times the input.
template <bool Little>
QByteArray utf16ToUtf8(const QByteArray& bytes)
{
    qsizetype length = 0;
    forEachUtf16Char<Little>(
        bytes, [&length](const unsigned char*) { length += 8; }, [&length](char32_t c) { length += utf8Length(c); });
    QByteArray out(length, Qt::Uninitialized);
    auto* o = reinterpret_cast<unsigned char*>(out.data());
    forEachUtf16Char<Little>(
        bytes,
        [&o](const unsigned char* units) {
            eightAsciiUnits<Little>(units, o);
            o += 8;
        },
        [&o](char32_t c) {
            if (c < 0x80) {
                *o++ = static_cast<unsigned char>(c);
            } else if (c < 0x800) {
                *o++ = static_cast<unsigned char>(0xC0 | (c >> 6));
                *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
            } else if (c < 0x10000) {
                *o++ = static_cast<unsigned char>(0xE0 | (c >> 12));
                *o++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
                *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
            } else {
                *o++ = static_cast<unsigned char>(0xF0 | (c >> 18));
                *o++ = static_cast<unsigned char>(0x80 | ((c >> 12) & 0x3F));
                *o++ = static_cast<unsigned char>(0x80 | ((c >> 6) & 0x3F));
                *o++ = static_cast<unsigned char>(0x80 | (c & 0x3F));
            }
        });
    return out;
}

} // namespace

PlainFileOpen openPlainFile(const QString& path, QFile& file, qint64& size)
{
    size = 0;
    const QByteArray native = QFile::encodeName(path);
    if (native.isEmpty())
        return PlainFileOpen::Missing;
    const auto kindOf = [](const struct stat& st) {
        if (S_ISDIR(st.st_mode))
            return PlainFileOpen::Folder;
        return S_ISREG(st.st_mode) ? PlainFileOpen::Opened : PlainFileOpen::NotPlain;
    };
    struct stat st {};
    if (::stat(native.constData(), &st) != 0)
        return errno == ENOENT || errno == ENOTDIR ? PlainFileOpen::Missing : PlainFileOpen::Failed;
    if (const PlainFileOpen kind = kindOf(st); kind != PlainFileOpen::Opened)
        return kind;
    // Without waiting: should a pipe have taken the file's place since the
    // check, opening it returns at once, and the check below refuses it.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return errno == ENOENT ? PlainFileOpen::Missing : PlainFileOpen::Failed;
    if (::fstat(fd, &st) != 0) {
        ::close(fd);
        return PlainFileOpen::Failed;
    }
    if (const PlainFileOpen kind = kindOf(st); kind != PlainFileOpen::Opened) {
        ::close(fd);
        return kind;
    }
    // Reads of a plain file never wait, so the flag changes nothing for
    // them; it is cleared all the same.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return PlainFileOpen::Failed;
    }
    size = qint64(st.st_size);
    return PlainFileOpen::Opened;
}

QString plainFileRefusal(PlainFileOpen result, const QString& path, const QString& wanted)
{
    switch (result) {
    case PlainFileOpen::Opened: return QString();
    case PlainFileOpen::Folder:
        if (!wanted.isEmpty())
            return Messages::fileIsAFolder(path, wanted);
        [[fallthrough]];
    case PlainFileOpen::NotPlain: return Messages::notAPlainFile(path);
    case PlainFileOpen::Missing:
    case PlainFileOpen::Failed: break;
    }
    return Messages::cannotOpenFile(path);
}

qsizetype DataLines::startOf(int i) const
{
    qsizetype start = wide_ ? qsizetype(marks64_[i / MarkStride]) : qsizetype(marks32_[i / MarkStride]);
    for (int k = i % MarkStride; k > 0; --k)
        start = startAfter(start);
    return start;
}

qsizetype DataLines::startAfter(qsizetype start) const
{
    const char* const data = bytes_.constData();
    const char* const end = data + end_;
    const char* p = findBreak(data + std::min(start, end_), end);
    if (p == end)
        return end_;
    p += *p == '\r' && p + 1 < end && p[1] == '\n' ? 2 : 1;
    return p - data;
}

QString DataLines::line(int i) const
{
    return i < 0 || i >= count_ ? QString() : lineAt(startOf(i));
}

qsizetype DataLines::startAfterBreak(const char* p) const
{
    const char* const data = bytes_.constData();
    const char* const end = data + end_;
    if (p >= end)
        return end_;
    if (!isBreak(*p))
        return startAfter(p - data);
    p += *p == '\r' && p + 1 < end && p[1] == '\n' ? 2 : 1;
    return p - data;
}

QString DataLines::lineAt(qsizetype start, qsizetype* next) const
{
    const char* const begin = bytes_.constData() + std::min(start, end_);
    const char* const end = findBreak(begin, bytes_.constData() + end_);
    if (next)
        *next = startAfterBreak(end);
    if (utf8_)
        return decodeUtf8(begin, end - begin);
    return decodeWindows1252(QByteArrayView(begin, end - begin));
}

QString DataLines::decode(QByteArrayView bytes) const
{
    return utf8_ ? decodeUtf8(bytes.data(), bytes.size()) : decodeWindows1252(bytes);
}

bool DataLines::lineIsEmpty(int i) const
{
    return i < 0 || i >= count_ || emptyAt(startOf(i));
}

void DataLines::clear()
{
    bytes_ = QByteArray();
    begin_ = 0;
    end_ = 0;
    count_ = 0;
    utf8_ = true;
    utf16_ = false;
    wide_ = false;
    marks32_ = QList<quint32>();
    marks64_ = QList<quint64>();
}

void DataLines::setLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& text : lines) {
        bytes += text.toUtf8();
        bytes += '\n';
    }
    clear();
    bytes_ = std::move(bytes);
    end_ = bytes_.size();
    index(0);
}

QStringList DataLines::toStringList() const
{
    QStringList lines;
    lines.reserve(count_);
    qsizetype start = count_ > 0 ? startOf(0) : 0;
    for (int i = 0; i < count_; ++i)
        lines.append(lineAt(start, &start));
    return lines;
}

bool DataLines::loadFromFile(const QString& path, QString* error, bool cutLines)
{
    clear();
    const auto fail = [error](const QString& text) {
        if (error)
            *error = text;
        return false;
    };
    QFile file;
    qint64 size = 0;
    if (const PlainFileOpen opened = openPlainFile(path, file, size); opened != PlainFileOpen::Opened)
        return fail(plainFileRefusal(opened, path, Messages::aDataFile()));
    const auto tooLarge = [&](qint64 bytes) {
        const auto mb = [](qint64 n) { return QString::number((n + (1 << 20) - 1) >> 20); };
        return fail(Messages::dataFileTooLarge(path, mb(bytes), mb(MaxDataFileBytes)));
    };
    if (size > MaxDataFileBytes)
        return tooLarge(size);

    // Read in pieces up to the first NUL. The whole size is reserved once,
    // so an ordinary file is read without copying.
    constexpr qsizetype Piece = qsizetype(4) << 20;
    QByteArray bytes;
    bytes.reserve(qsizetype(size) + 1);
    qsizetype filled = 0;
    bool utf16 = false; // zero bytes are part of UTF-16 text: it is read whole
    for (;;) {
        if (filled > MaxDataFileBytes) // it grew while being read
            return tooLarge(filled);
        if (bytes.capacity() - filled < 1)
            bytes.reserve(filled + std::max(filled, Piece));
        const qsizetype room = std::min(bytes.capacity() - filled, Piece);
        bytes.resize(filled + room);
        const qint64 n = file.read(bytes.data() + filled, room);
        if (n < 0)
            return fail(Messages::cannotReadFile(path));
        if (n == 0)
            break;
        if (filled == 0 && n >= 4 && isUtf32Mark(bytes.constData()))
            return fail(Messages::utf32NotRead(path));
        if (filled < 2 && filled + n >= 2)
            utf16 = utf16Order(bytes.constData(), 2) != Utf16ByteOrder::None;
        const void* nul = utf16 ? nullptr : std::memchr(bytes.constData() + filled, 0, size_t(n));
        if (nul) {
            filled = static_cast<const char*>(nul) - bytes.constData();
            break;
        }
        filled += qsizetype(n);
    }
    bytes.resize(filled);
    if (bytes.capacity() - filled > Piece)
        bytes.squeeze(); // a binary file: give back what its NUL left unused
    loadFromBytes(std::move(bytes), cutLines);
    return true;
}

void DataLines::loadFromBytes(QByteArray bytes, bool cutLines)
{
    clear();
    if (const Utf16ByteOrder order = utf16Order(bytes.constData(), bytes.size()); order != Utf16ByteOrder::None) {
        bytes_ = order == Utf16ByteOrder::Little ? utf16ToUtf8<true>(bytes) : utf16ToUtf8<false>(bytes);
        bytes = QByteArray(); // the UTF-16 bytes go before the offsets are made
        end_ = bytes_.size();
        utf16_ = true;
        if (cutLines)
            index(0); // a mark after the first is text, as in a UTF-8 file
        return;
    }
    bytes_ = std::move(bytes);
    const char* const data = bytes_.constData();
    const void* const nul = std::memchr(data, 0, size_t(bytes_.size()));
    end_ = nul ? static_cast<const char*>(nul) - data : bytes_.size();

    // A UTF-8 byte-order mark says what the file is: a stray byte that is
    // not UTF-8 then reads as U+FFFD, not the whole file as Windows-1252.
    const bool marked = QByteArrayView(data, end_).startsWith("\xEF\xBB\xBF");
    utf8_ = marked || QByteArrayView(data, end_).isValidUtf8();
    if (marked)
        begin_ = 3;
    if (cutLines)
        index(begin_);
}

void DataLines::index(qsizetype begin)
{
    const char* const data = bytes_.constData();
    const char* const first = data + begin;
    const char* const end = data + end_;

    wide_ = end_ > qsizetype(std::numeric_limits<quint32>::max());
    count_ = int(wide_ ? markLines(marks64_, MarkStride, data, first, end)
                       : markLines(marks32_, MarkStride, data, first, end));
}

QVector<qint32> buildLabelIndex(const DataLines& lines)
{
    QVector<qint32> starts;
    forEachLabelStart(lines, [&starts](int line, qsizetype) { starts.append(line); });
    return starts;
}

void appendLabelLines(const DataLines& lines, qint32 first, QStringList& out)
{
    if (first >= 0 && first < lines.count())
        appendLinesFrom(lines, first, lines.startOf(first), out, lines.count(), -1);
}

QString DataLines::linePrefix(int i, qsizetype maxChars) const
{
    if (i < 0 || i >= count_)
        return QString();
    return linePrefixAt(startOf(i), maxChars);
}

QString DataLines::linePrefixAt(qsizetype start, qsizetype maxChars, qsizetype* next) const
{
    if (maxChars <= 0) {
        if (next)
            *next = startAfter(start);
        return QString();
    }
    const char* const begin = bytes_.constData() + std::min(start, end_);
    const char* const contentEnd = bytes_.constData() + end_;
    // A character takes at most three bytes per UTF-16 unit; the three more
    // make up for a character cut at the end.
    // Callers without a bound pass the largest size; the rest of the file is
    // then the cap.
    const qsizetype rest = contentEnd - begin;
    const qsizetype cap = maxChars >= rest ? rest : (utf8_ ? std::min(rest, 3 * maxChars + 3) : maxChars);
    const char* const end = findBreak(begin, begin + cap);
    if (next)
        *next = startAfterBreak(end);
    QString text = utf8_ ? decodeUtf8(begin, end - begin) : decodeWindows1252(QByteArrayView(begin, end - begin));
    if (text.size() > maxChars) {
        text.truncate(maxChars);
        if (text.back().isHighSurrogate())
            text.chop(1);
    }
    return text;
}

void appendLabelLines(const DataLines& lines, qint32 first, QStringList& out, int maxLines, qsizetype maxChars)
{
    if (first >= 0 && first < lines.count())
        appendLinesFrom(lines, first, lines.startOf(first), out, maxLines, std::max<qsizetype>(maxChars, 0));
}

LabelIndex::LabelIndex(const DataLines& lines)
{
    forEachLabelStart(lines, [this](int line, qsizetype start) {
        if (count_ % MarkStride == 0)
            marks_.append(Mark{line, start});
        ++count_;
    });
    marks_.squeeze();
}

LabelIndex::Mark LabelIndex::find(const DataLines& lines, qint32 k) const
{
    if (k == nextLabel_)
        return next_;
    Mark at = marks_[k / MarkStride];
    const int count = lines.count();
    for (int skip = k % MarkStride; skip > 0; --skip) {
        // Past this label's lines, then past the empty lines after it.
        while (at.line < count && !lines.emptyAt(at.start)) {
            ++at.line;
            at.start = lines.startAfter(at.start);
        }
        while (at.line < count && lines.emptyAt(at.start)) {
            ++at.line;
            at.start = lines.startAfter(at.start);
        }
    }
    return at;
}

void LabelIndex::appendLabel(const DataLines& lines, qint32 k, QStringList& out) const
{
    if (k < 0 || k >= count_)
        return;
    const Mark at = find(lines, k);
    const auto [line, start] = appendLinesFrom(lines, at.line, at.start, out, lines.count(), -1);
    rememberNext(lines, k, Mark{qint32(line), start});
}

void LabelIndex::rememberNext(const DataLines& lines, qint32 k, Mark at) const
{
    // The lines in order are the common case: printing, a preview page.
    // From the empty line after label k, past the empty lines.
    nextLabel_ = -1;
    if (k + 1 >= count_ || (k + 1) % MarkStride == 0 || !lines.emptyAt(at.start))
        return;
    const int count = lines.count();
    while (at.line < count && lines.emptyAt(at.start)) {
        ++at.line;
        at.start = lines.startAfter(at.start);
    }
    nextLabel_ = k + 1;
    next_ = at;
}

void LabelIndex::appendLabel(const DataLines& lines, qint32 k, QStringList& out, int maxLines, qsizetype maxChars) const
{
    if (k < 0 || k >= count_)
        return;
    const Mark at = find(lines, k);
    const auto [line, start] = appendLinesFrom(lines, at.line, at.start, out, maxLines,
                                               std::max<qsizetype>(maxChars, 0));
    rememberNext(lines, k, Mark{qint32(line), start});
}
