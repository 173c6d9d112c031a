// The data-file loader, checked against a plain byte-by-byte reading of the
// data file rules: the content ends at the first NUL; lines break at CR, LF
// and CR LF; a break at the very end adds no line; the lines are UTF-8 when
// the whole content is (a leading byte-order mark then skipped), else
// Windows-1252 (UTF-16 text after its byte-order mark is read as UTF-8);
// every maximal run of non-empty lines is one label.

#include "FuzzTargets.h"

#include "model/DataFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QStringDecoder>

#include <cstring>
#include <utility>
#include <vector>

namespace {

struct Range {
    qsizetype begin;
    qsizetype end;
};

std::vector<Range> referenceLines(const QByteArray& content, qsizetype begin)
{
    std::vector<Range> lines;
    const qsizetype end = content.size();
    if (begin >= end)
        return lines;
    qsizetype start = begin;
    for (qsizetype i = begin; i < end; ++i) {
        const char c = content[i];
        if (c != '\n' && c != '\r')
            continue;
        lines.push_back({start, i});
        if (c == '\r' && i + 1 < end && content[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < end)
        lines.push_back({start, end});
    return lines;
}

QString referenceText(const QByteArray& content, Range r, bool utf8)
{
    const QByteArray bytes = content.mid(r.begin, r.end - r.begin);
    if (!utf8) {
        QString out;
        for (char c : bytes)
            out += QChar(char16_t(static_cast<unsigned char>(c)));
        return out;
    }
    if (bytes.startsWith("\xEF\xBB\xBF")) // inside the content a byte-order mark is text
        return QChar(0xFEFF) + QString::fromUtf8(bytes.mid(3));
    return QString::fromUtf8(bytes);
}

// Windows-1252 differs from Latin-1 only in 0x80 to 0x9F.
bool sameText(const QString& got, const QString& expected, bool utf8)
{
    if (utf8)
        return got == expected;
    if (got.size() != expected.size())
        return false;
    for (qsizetype i = 0; i < got.size(); ++i) {
        const char16_t e = expected[i].unicode();
        const char16_t g = got[i].unicode();
        if (e >= 0x80 && e < 0xA0) {
            // Decoded to its Windows character; the five codes Windows
            // leaves undefined stay the control character of that value.
            const bool undefined = e == 0x81 || e == 0x8D || e == 0x8F || e == 0x90 || e == 0x9D;
            if (undefined ? g != e : g < 0x100)
                return false;
        } else if (g != e) {
            return false;
        }
    }
    return true;
}

// A file that starts with a UTF-16 byte-order mark is UTF-16 text: its
// characters up to the first U+0000, with a surrogate out of its pair and an
// odd last byte read as U+FFFD, are the content, which is then read as UTF-8.
bool utf16Content(const QByteArray& file, QByteArray& content)
{
    const bool little = file.startsWith("\xFF\xFE");
    if (!little && !file.startsWith("\xFE\xFF"))
        return false;
    // The decoder drops the byte-order mark, and only the first one.
    QStringDecoder decoder(little ? QStringConverter::Utf16LE : QStringConverter::Utf16BE);
    QString text = decoder(file);
    if (file.size() % 2 == 1)
        text += QChar(0xFFFD);
    const qsizetype nul = text.indexOf(QChar(0));
    if (nul >= 0)
        text.truncate(nul);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        else if (text[i].isSurrogate())
            text[i] = QChar(0xFFFD);
    }
    content = text.toUtf8();
    return true;
}

} // namespace

int FuzzDataFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray file(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    DataLines lines;
    lines.loadFromBytes(file);

    const void* nul = std::memchr(file.constData(), 0, static_cast<std::size_t>(file.size()));
    QByteArray content = nul ? file.left(static_cast<const char*>(nul) - file.constData()) : file;
    const bool utf16 = utf16Content(file, content);
    FUZZ_CHECK("datafile", lines.fromUtf16() == utf16);
    // A UTF-8 byte-order mark says UTF-8 whatever follows it.
    const bool marked = !utf16 && content.startsWith("\xEF\xBB\xBF");
    const bool utf8 = marked || QByteArrayView(content).isValidUtf8();
    FUZZ_CHECK("datafile", lines.decodesAsUtf8() == utf8);
    const qsizetype begin = marked ? 3 : 0;
    const std::vector<Range> expected = referenceLines(content, begin);

    FUZZ_CHECK("datafile", lines.count() == static_cast<int>(expected.size()));
    QStringList texts;
    for (int i = 0; i < lines.count(); ++i) {
        const Range r = expected[static_cast<std::size_t>(i)];
        FUZZ_CHECK("datafile", lines.lineIsEmpty(i) == (r.begin == r.end));
        const QString text = lines.line(i);
        FUZZ_CHECK("datafile", sameText(text, referenceText(content, r, utf8), utf8));
        texts << text;
    }
    FUZZ_CHECK("datafile", lines.line(-1).isEmpty() && lines.line(lines.count()).isEmpty());
    FUZZ_CHECK("datafile", lines.lineIsEmpty(-1) && lines.lineIsEmpty(lines.count()));

    // Labels: every maximal run of non-empty lines, each read in full.
    const QVector<qint32> index = buildLabelIndex(lines);
    qsizetype label = 0;
    for (int i = 0; i < lines.count(); ++i) {
        if (texts[i].isEmpty() || (i > 0 && !texts[i - 1].isEmpty()))
            continue;
        FUZZ_CHECK("datafile", label < index.size() && index[label] == i);
        QStringList got;
        appendLabelLines(lines, index[label], got);
        int j = i;
        while (j < lines.count() && !texts[j].isEmpty())
            ++j;
        FUZZ_CHECK("datafile", got == texts.mid(i, j - i));
        ++label;
    }
    FUZZ_CHECK("datafile", label == index.size());
    QStringList none;
    appendLabelLines(lines, -1, none);
    appendLabelLines(lines, lines.count(), none);
    FUZZ_CHECK("datafile", none.isEmpty());
    FUZZ_CHECK("datafile", lines.toStringList() == texts);
    return 0;
}
