#include "common/TestEnv.h"
#include "model/DataFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <random>

namespace {

QStringList Lines(const QByteArray& bytes)
{
    DataLines lines;
    lines.loadFromBytes(bytes);
    return lines.toStringList();
}

QStringList Label(const DataLines& lines, qint32 first)
{
    QStringList out;
    appendLabelLines(lines, first, out);
    return out;
}

DataLines FromBytes(const QByteArray& bytes)
{
    DataLines lines;
    lines.loadFromBytes(bytes);
    return lines;
}

// The plain byte-by-byte reading of an ASCII data file, to hold the
// indexed reader against.
QStringList ReferenceLines(const QByteArray& bytes)
{
    const QByteArray content = bytes.left(bytes.indexOf('\0') < 0 ? bytes.size() : bytes.indexOf('\0'));
    QStringList lines;
    QString current;
    for (qsizetype i = 0; i < content.size(); ++i) {
        const char c = content[i];
        if (c == '\r' || c == '\n') {
            lines.append(current);
            current.clear();
            if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n')
                ++i;
        } else {
            current += QLatin1Char(c);
        }
    }
    if (!content.isEmpty() && content.back() != '\r' && content.back() != '\n')
        lines.append(current);
    return lines;
}

} // namespace

TEST(DataFile, AgreesWithAPlainReadingOnRandomContent)
{
    // Short lines and breaks of every kind at every position of the
    // sixteen-byte blocks the reader scans, CR LF across block edges included.
    std::mt19937 random(20240611);
    const char alphabet[] = {'a', ' ', '\r', '\n', '\r', '\n', 'b', '\0'};
    for (int round = 0; round < 3000; ++round) {
        QByteArray bytes;
        const int length = int(random() % 80);
        const unsigned kinds = round % 4 == 0 ? 8 : 7; // a NUL in one round of four
        for (int i = 0; i < length; ++i)
            bytes += alphabet[random() % kinds];
        const QStringList expected = ReferenceLines(bytes);
        const DataLines lines = FromBytes(bytes);
        ASSERT_EQ(lines.toStringList(), expected) << bytes.toHex(' ').toStdString();
        QVector<qint32> labels;
        for (int i = 0; i < expected.size(); ++i) {
            ASSERT_EQ(lines.lineIsEmpty(i), expected[i].isEmpty()) << bytes.toHex(' ').toStdString();
            if (!expected[i].isEmpty() && (i == 0 || expected[i - 1].isEmpty()))
                labels.append(i);
        }
        ASSERT_EQ(buildLabelIndex(lines), labels) << bytes.toHex(' ').toStdString();
    }
}

TEST(DataFile, CutsAtEveryKindOfBreak)
{
    // LF CR is two breaks with an empty line between; CR LF is one break.
    EXPECT_EQ(Lines("A\rB\nC\r\nD\n\rE"), (QStringList{"A", "B", "C", "D", "", "E"}));
    EXPECT_EQ(Lines("A\r\r\nB"), (QStringList{"A", "", "B"}));
    EXPECT_EQ(Lines("A\n\r\nB"), (QStringList{"A", "", "B"}));
    // Long lines take the block-wise search for breaks beyond its first block.
    const QByteArray longLine(100, 'x');
    EXPECT_EQ(Lines(longLine + "\r\n" + longLine + "\r" + longLine),
              (QStringList{QString(longLine), QString(longLine), QString(longLine)}));
}

TEST(DataFile, BreakAtTheEndAddsNoLineAndNulEndsTheContent)
{
    EXPECT_EQ(Lines(""), QStringList{});
    EXPECT_EQ(Lines("A"), QStringList{"A"});
    EXPECT_EQ(Lines("A\n"), QStringList{"A"});
    EXPECT_EQ(Lines("A\r"), QStringList{"A"});
    EXPECT_EQ(Lines("A\r\n"), QStringList{"A"});
    EXPECT_EQ(Lines("A\n\n"), (QStringList{"A", ""}));
    EXPECT_EQ(Lines("\n"), QStringList{""});
    EXPECT_EQ(Lines("\r\n\r\n\n"), (QStringList{"", "", ""}));
    EXPECT_EQ(Lines(QByteArray("A\nB\0C\nD", 7)), (QStringList{"A", "B"}));
    EXPECT_EQ(Lines(QByteArray("\0A\nB", 4)), QStringList{});
    EXPECT_EQ(Lines(QByteArray("A\n\0", 3)), QStringList{"A"});
}

TEST(DataFile, OnlyLinesWithoutCharactersAreEmpty)
{
    const DataLines lines = FromBytes("A\n \n\n\t\r\n\r");
    ASSERT_EQ(lines.count(), 5);
    EXPECT_FALSE(lines.lineIsEmpty(0));
    EXPECT_FALSE(lines.lineIsEmpty(1));
    EXPECT_TRUE(lines.lineIsEmpty(2));
    EXPECT_FALSE(lines.lineIsEmpty(3));
    EXPECT_TRUE(lines.lineIsEmpty(4));
    EXPECT_EQ(lines.line(1), QStringLiteral(" "));
    // Out of range: no text, and empty, so label scans stop there.
    EXPECT_EQ(lines.line(5), QString());
    EXPECT_TRUE(lines.lineIsEmpty(-1));
    EXPECT_TRUE(lines.lineIsEmpty(5));
}

TEST(DataFile, DecodesUtf8OrElseWindows1252)
{
    DataLines utf8 = FromBytes("Gr\xC3\xBC\xC3\x9F\n\xE2\x82\xAC 5");
    EXPECT_TRUE(utf8.decodesAsUtf8());
    EXPECT_EQ(utf8.toStringList(), (QStringList{QString::fromUtf8("Grüß"), QString::fromUtf8("€ 5")}));

    DataLines cp1252 = FromBytes("\xE9t\xE9\n\x80 \x9F \x81 \x8D \xA0\xFF");
    EXPECT_FALSE(cp1252.decodesAsUtf8());
    EXPECT_EQ(cp1252.line(0), QString::fromUtf8("été"));
    EXPECT_EQ(cp1252.line(1), QString::fromUtf8("€ Ÿ \u0081 \u008D \u00A0ÿ"));

    // One stray byte anywhere makes the whole file Windows-1252.
    DataLines mixed = FromBytes("\xC3\xBC\n\xFC");
    EXPECT_FALSE(mixed.decodesAsUtf8());
    EXPECT_EQ(mixed.toStringList(), (QStringList{QString::fromUtf8("Ã¼"), QString::fromUtf8("ü")}));

    // Bytes after a NUL do not count.
    EXPECT_TRUE(FromBytes(QByteArray("\xC3\xBC\0\xFF", 4)).decodesAsUtf8());
    // Encoded surrogates and overlong forms are not valid UTF-8.
    EXPECT_FALSE(FromBytes("\xED\xA0\x80").decodesAsUtf8());
    EXPECT_FALSE(FromBytes("\xC0\xAF").decodesAsUtf8());
}

TEST(DataFile, ByteOrderMarkIsSkippedOnlyInUtf8)
{
    EXPECT_EQ(Lines("\xEF\xBB\xBF"
                    "A\nB"),
              (QStringList{"A", "B"}));
    EXPECT_EQ(Lines("\xEF\xBB\xBF"), QStringList{});
    EXPECT_EQ(Lines("\xEF\xBB\xBF\n\nX"), (QStringList{"", "", "X"}));
    // Only the first mark is skipped; one further on is part of the text.
    EXPECT_EQ(Lines("\xEF\xBB\xBF\xEF\xBB\xBF"
                    "A\n\xEF\xBB\xBF"
                    "B"),
              (QStringList{QString(QChar(0xFEFF)) + "A", QString(QChar(0xFEFF)) + "B"}));
    // A byte-order mark says UTF-8: a byte that is not UTF-8 reads as U+FFFD.
    EXPECT_EQ(Lines("\xEF\xBB\xBF\xE9t\xC3\xA9"), QStringList{QString::fromUtf8("\uFFFDté")});
}

// "Unicode" text files of Windows editors: UTF-16 after a byte-order mark,
// little- or big-endian. Lines break as in any data file; U+0000 ends the
// content; a lone surrogate or an odd last byte shows as U+FFFD.
TEST(DataFile, Utf16WithAByteOrderMarkIsDecoded)
{
    const QString text = QString::fromUtf8("Grüß\r\n\r\n€ 5 \U0001F600\nZ");
    const QStringList expected{QString::fromUtf8("Grüß"), "", QString::fromUtf8("€ 5 \U0001F600"), "Z"};
    for (const bool little : {true, false}) {
        QByteArray bytes(little ? "\xFF\xFE" : "\xFE\xFF", 2);
        for (const QChar c : text + QChar(0) + QStringLiteral("after")) {
            const char lo = char(c.unicode() & 0xFF), hi = char(c.unicode() >> 8);
            bytes += little ? lo : hi;
            bytes += little ? hi : lo;
        }
        const DataLines lines = FromBytes(bytes);
        EXPECT_TRUE(lines.fromUtf16());
        EXPECT_EQ(lines.toStringList(), expected) << little;
        EXPECT_EQ(buildLabelIndex(lines), (QVector<qint32>{0, 2}));

        // Read from a file, the zero bytes of the text do not end it.
        QTemporaryDir dir;
        DataLines read;
        ASSERT_TRUE(read.loadFromFile(WriteFile(dir.filePath("unicode.txt"), bytes)));
        EXPECT_EQ(read.toStringList(), expected);
    }
    EXPECT_EQ(Lines(QByteArray("\xFF\xFE"
                               "A\0\x00\xD8"
                               "B\0\xFF\xFE"
                               "C",
                               11)),
              QStringList{QString::fromUtf8("A\uFFFDB\uFEFF\uFFFD")});
    EXPECT_EQ(Lines(QByteArray("\xFF\xFE", 2)), QStringList{});
    EXPECT_FALSE(FromBytes("\xFF\xFD").fromUtf16());
}

TEST(DataFile, SetLinesKeepsEveryTextAsOneLine)
{
    const QStringList texts{"", QString::fromUtf8("Grüß €"), " ", "", QString(QChar(0xFEFF)) + "X", ""};
    DataLines lines;
    lines.setLines(texts);
    EXPECT_EQ(lines.count(), texts.size());
    EXPECT_EQ(lines.toStringList(), texts);
    EXPECT_TRUE(lines.lineIsEmpty(5));

    // Text holding breaks is split as a file holding it would be.
    lines.setLines({"A\r\nB", "C"});
    EXPECT_EQ(lines.toStringList(), (QStringList{"A", "B", "C"}));

    lines.setLines({});
    EXPECT_TRUE(lines.isEmpty());
}

TEST(DataFile, LoadsAFile)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = WriteFile(dir.filePath("data.txt"), "\r\n\r\nName\r\nStreet \xE9\r\n\r\nTown\r\n");
    DataLines lines;
    QString error = "untouched";
    ASSERT_TRUE(lines.loadFromFile(path, &error));
    EXPECT_EQ(error, "untouched");
    EXPECT_EQ(lines.toStringList(), (QStringList{"", "", "Name", QString::fromUtf8("Street é"), "", "Town"}));

    const QString empty = WriteFile(dir.filePath("empty.txt"), "");
    EXPECT_TRUE(lines.loadFromFile(empty));
    EXPECT_TRUE(lines.isEmpty());
}

TEST(DataFile, UnreadableFileFailsAndLeavesNoLines)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    DataLines lines = FromBytes("old\ncontent");
    QString error;

    // A folder exists but is no data file.
    EXPECT_FALSE(lines.loadFromFile(dir.path(), &error));
    EXPECT_EQ(error, dir.path() + QStringLiteral(" is a folder, not a data file"));
    EXPECT_TRUE(lines.isEmpty());

    const QString missing = dir.filePath("missing.txt");
    lines.loadFromBytes("old");
    EXPECT_FALSE(lines.loadFromFile(missing, &error));
    EXPECT_EQ(error, QStringLiteral("Cannot open file ") + missing);
    EXPECT_TRUE(lines.isEmpty());

    // Opens, but every read of its first page fails.
    const QString failsToRead = QStringLiteral("/proc/self/mem");
    if (!QFile::exists(failsToRead))
        GTEST_SKIP() << "no " << failsToRead.toStdString();
    lines.loadFromBytes("old");
    EXPECT_FALSE(lines.loadFromFile(failsToRead, &error));
    EXPECT_EQ(error, QStringLiteral("Cannot read file ") + failsToRead);
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(lines.loadFromFile(failsToRead)); // no place for the message is fine
}

TEST(LabelIndex, EveryRunOfNonEmptyLinesIsOneLabel)
{
    const DataLines lines = FromBytes("A\nB\n\n\nC\n\n");
    ASSERT_EQ(buildLabelIndex(lines), (QVector<qint32>{0, 4}));
    EXPECT_EQ(Label(lines, 0), (QStringList{"A", "B"}));
    EXPECT_EQ(Label(lines, 4), QStringList{"C"});

    EXPECT_EQ(buildLabelIndex(FromBytes("\n\nX")), QVector<qint32>{2});
    EXPECT_EQ(buildLabelIndex(FromBytes("\r\n\n\r\r")), QVector<qint32>{});
    EXPECT_EQ(buildLabelIndex(DataLines()), QVector<qint32>{});

    const DataLines spaced = FromBytes("A\n \nB");
    ASSERT_EQ(buildLabelIndex(spaced), QVector<qint32>{0});
    EXPECT_EQ(Label(spaced, 0), (QStringList{"A", " ", "B"}));

    EXPECT_EQ(buildLabelIndex(FromBytes("A\n\rB")), (QVector<qint32>{0, 2}));
    EXPECT_EQ(buildLabelIndex(FromBytes("A\r\nB")), QVector<qint32>{0});
}

TEST(LabelIndex, AppendLabelLinesAppendsAndStopsAtTheEnd)
{
    const DataLines lines = FromBytes("A\nB\n\nC\nD");
    QStringList out{"kept"};
    appendLabelLines(lines, 3, out);
    EXPECT_EQ(out, (QStringList{"kept", "C", "D"}));

    // From the middle of a label, its remaining lines.
    EXPECT_EQ(Label(lines, 1), QStringList{"B"});
    EXPECT_EQ(Label(lines, 2), QStringList{});
    EXPECT_EQ(Label(lines, -1), QStringList{});
    EXPECT_EQ(Label(lines, 5), QStringList{});
}

TEST(LabelIndex, FindsEveryLineAndLabelPastTheMarks)
{
    // Content of hundreds of lines and labels, so that lines and labels are
    // found from marks many lines or labels before them, in any order.
    std::mt19937 random(20261207);
    const char alphabet[] = {'a', 'b', ' ', '\r', '\n', '\n', '\r', 'c'};
    for (int round = 0; round < 60; ++round) {
        QByteArray bytes;
        const int length = 500 + int(random() % 3000);
        for (int i = 0; i < length; ++i)
            bytes += alphabet[random() % 8];
        const QStringList expected = ReferenceLines(bytes);
        const DataLines lines = FromBytes(bytes);
        ASSERT_EQ(lines.count(), expected.size());
        for (int n = 0; n < 200; ++n) {
            const int i = int(random() % unsigned(expected.size()));
            ASSERT_EQ(lines.line(i), expected[i]) << i;
            ASSERT_EQ(lines.lineIsEmpty(i), expected[i].isEmpty()) << i;
        }
        const QVector<qint32> firsts = buildLabelIndex(lines);
        const LabelIndex index(lines);
        ASSERT_EQ(index.count(), firsts.size());
        const auto whole = [&](qint32 k) {
            QStringList got{"kept"};
            index.appendLabel(lines, k, got);
            return got == QStringList{"kept"} + Label(lines, firsts[k]);
        };
        // Backwards each label is found from its mark; forwards, from where
        // the label before ended, also when that one was cut short.
        for (qint32 k = index.count() - 1; k >= 0; --k)
            ASSERT_TRUE(whole(k)) << k;
        for (qint32 k = 0; k < index.count(); ++k) {
            ASSERT_TRUE(whole(k)) << k;
            QStringList cut;
            index.appendLabel(lines, k, cut, 2, 1);
            QStringList expectedCut = Label(lines, firsts[k]).mid(0, 2);
            for (QString& line : expectedCut)
                line.truncate(1);
            ASSERT_EQ(cut, expectedCut) << k;
        }
        QStringList none;
        index.appendLabel(lines, -1, none);
        index.appendLabel(lines, index.count(), none);
        EXPECT_TRUE(none.isEmpty());
    }
}
