// The RTF reader on documents that real word processors wrote, on a table of
// small inputs, and on malformed and arbitrary bytes.
//
// tests/data/rtf holds sample.md written out three ways:
//   pandoc -s -t rtf sample.md -o pandoc-sample.rtf
//   pandoc sample.md -o sample.odt; soffice --headless --convert-to rtf sample.odt
//   pandoc sample.md -o sample.docx; soffice --headless --convert-to rtf sample.docx

#include "text/RtfReader.h"

#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

namespace {

QByteArray fixture(const char* name)
{
    QFile file(QStringLiteral(GORVIN_TEST_DATA "/rtf/") + QString::fromLatin1(name));
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "missing fixture " << name;
        return {};
    }
    return file.readAll();
}

// The document as text, one line per paragraph, with bold as *...*, italic
// as _..._ and underline as ~...~ around each fragment that has them.
QString marked(const QTextDocument& document)
{
    QStringList paragraphs;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QString line;
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            QString text = fragment.text();
            const QTextCharFormat f = fragment.charFormat();
            if (f.fontUnderline())
                text = QLatin1Char('~') + text + QLatin1Char('~');
            if (f.fontItalic())
                text = QLatin1Char('_') + text + QLatin1Char('_');
            if (f.fontWeight() >= QFont::Bold)
                text = QLatin1Char('*') + text + QLatin1Char('*');
            line += text;
        }
        paragraphs << line;
    }
    return paragraphs.join(QLatin1Char('\n'));
}

QString read(const QByteArray& rtf)
{
    QTextDocument document;
    EXPECT_TRUE(readRtf(rtf, document));
    return marked(document);
}

} // namespace

// The sample as the three writers wrote it: the same text, runs and
// characters come out of each.
class RtfFixture : public ::testing::TestWithParam<const char*> {};

TEST_P(RtfFixture, TextRunsParagraphsAndCharactersComeOut)
{
    QTextDocument document;
    ASSERT_TRUE(readRtf(fixture(GetParam()), document));
    QStringList blocks;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next())
        blocks << b.text();
    QStringList withoutListText;
    for (const QString& b : blocks) // a writer may put a tab or a blank before a paragraph's mark
        withoutListText << QString(b).remove(QRegularExpression(QStringLiteral("^[\\t ]+")));

    EXPECT_TRUE(withoutListText.contains(QStringLiteral("Label sheets"))) << blocks.join(u'|').toStdString();
    EXPECT_TRUE(
        withoutListText.contains(QStringLiteral("Plain text, then bold words, then italic words, and both at once.")));
    EXPECT_TRUE(withoutListText.contains(QString::fromUtf8(
        "Prices: 5 \u20AC or 4,50 \u00A3 \u2014 \u201Cquoted\u201D caf\u00E9, na\u00EFve, Stra\u00DFe, "
        "\u0391\u0392\u0393 \u03B1\u03B2\u03B3, \u65E5\u672C\u8A9E and \U0001F642.")));
    EXPECT_TRUE(withoutListText.contains(QStringLiteral("Second paragraph with a link to the site inside.")));
    EXPECT_TRUE(withoutListText.contains(QStringLiteral("\u2022\tFirst point")));
    EXPECT_TRUE(withoutListText.contains(QStringLiteral("\u2022\tSecond point with code")));
    EXPECT_TRUE(withoutListText.contains(QStringLiteral("A line\u2028broken in two.")));
    EXPECT_TRUE(withoutListText.contains(QStringLiteral("L7160\t21")));
    EXPECT_TRUE(withoutListText.contains(QStringLiteral("5160\t30")));
    // Nothing of the tables, styles or document information shows.
    const QString all = document.toPlainText();
    for (const char* hidden : {"Helvetica", "Courier", "Liberation", "Default Page Style", "LibreOffice", "Heading",
                               "Author", "Bibliography", "AppVersion", "HYPERLINK"})
        EXPECT_FALSE(all.contains(QString::fromLatin1(hidden))) << hidden;

    // The runs of the first paragraph with bold and italic.
    QString runs;
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (!b.text().startsWith(QLatin1String("Plain text")))
            continue;
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            const QTextFragment f = it.fragment();
            const bool bold = f.charFormat().fontWeight() >= QFont::Bold;
            const bool italic = f.charFormat().fontItalic();
            if (f.text().trimmed().isEmpty() || (!bold && !italic))
                continue;
            runs += QStringLiteral("[%1%2:%3]")
                        .arg(QLatin1String(bold ? "b" : "-"), QLatin1String(italic ? "i" : "-"), f.text());
        }
    }
    EXPECT_EQ(runs, QStringLiteral("[b-:bold words][-i:italic words][bi:both at once]"));

    // The heading is bold and larger than the body; the link is a link.
    for (QTextBlock b = document.begin(); b.isValid(); b = b.next()) {
        if (b.text().endsWith(QLatin1String("Label sheets"))) {
            const QTextCharFormat heading = (--b.end()).fragment().charFormat();
            EXPECT_GE(heading.fontWeight(), QFont::Bold);
            EXPECT_GT(heading.fontPointSize(), 13.0);
        }
        for (auto it = b.begin(); !it.atEnd(); ++it) {
            if (it.fragment().text().contains(QLatin1String("link to the site"))) {
                EXPECT_EQ(it.fragment().charFormat().anchorHref(),
                          QStringLiteral("https://www.mardo-software.example/gorvin"));
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Writers, RtfFixture,
                         ::testing::Values("pandoc-sample.rtf", "libreoffice-from-odt.rtf",
                                           "libreoffice-from-docx.rtf"));

struct RtfCase {
    const char* name;
    QByteArray rtf;
    QString expected; // marked(): *bold*, _italic_, ~underline~, a line per paragraph
};

TEST(RtfReader, SmallDocumentsReadAsWordProcessorsShowThem)
{
    const RtfCase cases[] = {
        {"plain text", R"({\rtf1 Hello})", QStringLiteral("Hello")},
        {"paragraphs", R"({\rtf1 A\par B})", QStringLiteral("A\nB")},
        {"no empty paragraph after the last mark", R"({\rtf1 A\par})", QStringLiteral("A")},
        {"an empty paragraph between", R"({\rtf1 A\par\par B})", QStringLiteral("A\n\nB")},
        {"escaped newline is a paragraph", "{\\rtf1 A\\\nB}", QStringLiteral("A\nB")},
        {"line ends in the source are nothing", "{\\rtf1 A\r\nB\nC}", QStringLiteral("ABC")},
        {"bold on and off", R"({\rtf1 a\b b\b0 c})", QStringLiteral("a*b*c")},
        {"a group keeps its formatting", R"({\rtf1 {\i x}y})", QStringLiteral("_x_y")},
        {"underline and none", R"({\rtf1 \ul u\ulnone n})", QStringLiteral("~u~n")},
        {"plain resets", R"({\rtf1 \b\i x\plain y})", QStringLiteral("*_x_*y")},
        {"tab and line break", R"({\rtf1 a\tab b\line c})", QStringLiteral("a\tb\u2028c")},
        {"literal tab", "{\\rtf1 a\tb}", QStringLiteral("a\tb")},
        {"Windows-1252 bytes", R"({\rtf1\ansi caf\'e9 \'80 \'93x\'94 \'8a})",
         QStringLiteral("caf\u00E9 \u20AC \u201Cx\u201D \u0160")},
        {"upper-case hex", R"({\rtf1 \'C9})", QStringLiteral("\u00C9")},
        {"document code page", R"({\rtf1\ansi\ansicpg1251 \'c0\'e1})", QStringLiteral("\u0410\u0431")},
        {"font character set", R"({\rtf1{\fonttbl{\f0\fcharset204 Arial;}{\f1 Times;}}\f0 \'c0\f1 \'c0})",
         QStringLiteral("\u0410\u00C0")},
        {"unicode with fallback", R"({\rtf1 \u233?x})", QStringLiteral("\u00E9x")},
        {"two fallback characters", R"({\rtf1\uc2 \u233??x})", QStringLiteral("\u00E9x")},
        {"no fallback", R"({\rtf1\uc0 \u233 x})", QStringLiteral("\u00E9x")},
        {"fallback given as a hex byte", R"({\rtf1 \u233\'e9x})", QStringLiteral("\u00E9x")},
        {"a brace ends the fallback", R"({\rtf1 {\uc3\u233}x})", QStringLiteral("\u00E9x")},
        {"negative unicode", R"({\rtf1 \u-4064?})", QStringLiteral("\uF020")},
        {"surrogate pair", R"({\rtf1 \u-10179?\u-8638?})", QString::fromUtf8("\U0001F642")},
        {"lone surrogate", R"({\rtf1 \u-10179?x})", QStringLiteral("\uFFFDx")},
        {"escaped specials", R"({\rtf1 a\{b\}c\\d})", QStringLiteral("a{b}c\\d")},
        {"control symbols", R"({\rtf1 a\~b\-c\_d})", QStringLiteral("a\u00A0bc\u2011d")},
        {"typographic words", R"({\rtf1 \emdash\endash\bullet\lquote\rquote\ldblquote\rdblquote})",
         QStringLiteral("\u2014\u2013\u2022\u2018\u2019\u201C\u201D")},
        {"hidden text", R"({\rtf1 a{\v hidden}b})", QStringLiteral("ab")},
        {"unknown words are ignored", R"({\rtf1 \foo12 a\bar-3 b})", QStringLiteral("ab")},
        {"destinations are skipped",
         R"({\rtf1{\fonttbl{\f0 Arial;}}{\colortbl;\red255\green0\blue0;}{\stylesheet{\s1 Heading;}})"
         R"({\info{\title T}{\author A}}{\*\generator G;}{\*\unknown{nested {deeper}} words})"
         R"({\pict\pngblip 89504e47}{\header H}{\footer F}{\footnote N}Body})",
         QStringLiteral("Body")},
        {"binary data is skipped", "{\\rtf1{\\pict\\bin6 {}\\}\\}}Body}", QStringLiteral("Body")},
        {"a field shows its result", R"({\rtf1 {\field{\*\fldinst HYPERLINK "http://x.example"}{\fldrslt go}}!})",
         QStringLiteral("go!")},
        {"table cells and rows", R"({\rtf1\trowd\cellx1000\cellx2000 a\cell b\cell\row\trowd c\cell d\cell\row})",
         QStringLiteral("a\tb\nc\td")},
        {"list text stays", R"({\rtf1{\listtext\pard\plain \u8226\'95\tab}Item\par})", QStringLiteral("\u2022\tItem")},
    };
    for (const RtfCase& c : cases)
        EXPECT_EQ(read(c.rtf), c.expected) << c.name;
}

TEST(RtfReader, FormattingOfCharactersAndParagraphs)
{
    QTextDocument document;
    ASSERT_TRUE(readRtf(R"({\rtf1\ansi\deff0{\fonttbl{\f0\fswiss Arial;}{\f1\fmodern Courier New;}})"
                        R"({\colortbl;\red255\green0\blue0;\red0\green0\blue255;\red255\green255\blue0;})"
                        R"(\pard\qc\sa180 \fs36 Big \cf1 red\cf0  \highlight3 marked\highlight0\par)"
                        R"(\pard\li720\ri360\fi-360\sb120\tx2160\tx1440 \f1\fs20 x\super 2\nosupersub\tab y\par)"
                        R"(\pard\qr right\par\pard\qj justified})",
                        document));
    ASSERT_EQ(document.blockCount(), 4);

    QTextBlock first = document.begin();
    EXPECT_EQ(first.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_DOUBLE_EQ(first.blockFormat().bottomMargin(), 12.0); // 180 twips
    auto fragments = [](const QTextBlock& b) {
        QList<QTextFragment> out;
        for (auto it = b.begin(); !it.atEnd(); ++it)
            out << it.fragment();
        return out;
    };
    const auto big = fragments(first);
    ASSERT_EQ(big.size(), 4);
    EXPECT_DOUBLE_EQ(big[0].charFormat().fontPointSize(), 18.0);
    EXPECT_EQ(big[0].charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("Arial")});
    EXPECT_FALSE(big[0].charFormat().hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(big[1].text(), QStringLiteral("red"));
    EXPECT_EQ(big[1].charFormat().foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(big[3].text(), QStringLiteral("marked"));
    EXPECT_EQ(big[3].charFormat().background().color(), QColor(255, 255, 0));

    const QTextBlock second = first.next();
    const QTextBlockFormat indented = second.blockFormat();
    EXPECT_DOUBLE_EQ(indented.leftMargin(), 48.0);
    EXPECT_DOUBLE_EQ(indented.rightMargin(), 24.0);
    EXPECT_DOUBLE_EQ(indented.textIndent(), -24.0);
    EXPECT_DOUBLE_EQ(indented.topMargin(), 8.0);
    // Counted from where the first line starts (720 - 360 twips), sorted,
    // with the hanging indent as a stop.
    ASSERT_EQ(indented.tabPositions().size(), 3);
    EXPECT_DOUBLE_EQ(indented.tabPositions()[0].position, 24.0);
    EXPECT_DOUBLE_EQ(indented.tabPositions()[1].position, 72.0);
    EXPECT_DOUBLE_EQ(indented.tabPositions()[2].position, 120.0);
    const auto small = fragments(second);
    ASSERT_GE(small.size(), 2);
    EXPECT_EQ(small[0].charFormat().fontFamilies().toStringList(), QStringList{QStringLiteral("Courier New")});
    EXPECT_DOUBLE_EQ(small[0].charFormat().fontPointSize(), 10.0);
    EXPECT_EQ(small[1].text(), QStringLiteral("2"));
    EXPECT_EQ(small[1].charFormat().verticalAlignment(), QTextCharFormat::AlignSuperScript);

    EXPECT_EQ(second.next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
}

TEST(RtfReader, RefusesWhatIsNotRtf)
{
    QTextDocument document;
    document.setPlainText(QStringLiteral("old"));
    EXPECT_FALSE(readRtf("Hello, world", document));
    EXPECT_TRUE(document.isEmpty());
    EXPECT_FALSE(readRtf(QByteArray(), document));
    EXPECT_FALSE(isRtf("{\\rt"));
    EXPECT_TRUE(isRtf(" \r\n{\\rtf1}"));
}

TEST(RtfReader, MalformedDocumentsReadWhatTheyCan)
{
    const RtfCase cases[] = {
        {"unterminated", R"({\rtf1 abc)", QStringLiteral("abc")},
        {"text after the end", R"({\rtf1 a}}b{c})", QStringLiteral("a")},
        {"truncated hex", R"({\rtf1 a\')", QStringLiteral("a")},
        {"one hex digit", R"({\rtf1 \'4)", QStringLiteral("\u0004")},
        {"bad hex", R"({\rtf1 \'zz})", QStringLiteral("zz")},
        {"backslash at the end", "{\\rtf1 a\\", QStringLiteral("a")},
        {"unicode without number", R"({\rtf1 \u x})", QStringLiteral("x")},
        {"huge numbers", R"({\rtf1 \fs99999999999999999 a\u99999999999 b\cf-5 c\cf999999 d\li-999999999 e})",
         QString()},
        {"binary longer than the input", R"({\rtf1 a\bin99999999999)", QStringLiteral("a")},
        {"negative binary", R"({\rtf1 a\bin-5 b})", QStringLiteral("ab")},
        {"colour table without entries", R"({\rtf1{\colortbl\red300}\cf1 x})", QStringLiteral("x")},
        {"font table without names", R"({\rtf1{\fonttbl\f0\f1{\f2}}\f2 x})", QStringLiteral("x")},
        {"star before a brace", R"({\rtf1 \*{a}b})", QStringLiteral("ab")},
        {"very long control word", "{\\rtf1 \\" + QByteArray(5000, 'a') + " x}", QStringLiteral("x")},
        {"very long number", "{\\rtf1 \\fs" + QByteArray(5000, '9') + " x}", QStringLiteral("x")},
    };
    for (const RtfCase& c : cases) {
        QTextDocument document;
        ASSERT_TRUE(readRtf(c.rtf, document)) << c.name;
        if (!c.expected.isNull()) {
            EXPECT_EQ(document.toPlainText(), c.expected) << c.name;
        }
    }
}

TEST(RtfReader, DeepNestingIsFlattenedNotFollowed)
{
    const int depth = 100000;
    QTextDocument document;
    ASSERT_TRUE(readRtf("{\\rtf1 " + QByteArray(depth, '{') + "\\b x" + QByteArray(depth, '}') + "y}", document));
    EXPECT_EQ(marked(document), QStringLiteral("*x*y"));
    // Never closed at all.
    ASSERT_TRUE(readRtf("{\\rtf1 " + QByteArray(depth, '{') + "z", document));
    EXPECT_EQ(document.toPlainText(), QStringLiteral("z"));
}

TEST(RtfReader, ArbitraryBytesNeverBreakIt)
{
    // Pieces of RTF put together at random, and plain random bytes, behind
    // the header that makes them RTF.
    const QByteArray pieces[] = {"{",          "}",         "\\",         "\\par ",       "\\b",
                                 "\\b0",       "\\u",       "\\u-",       "\\u233",       "\\uc",
                                 "\\uc5",      "?",         "\\'",        "\\'e9",        "\\'z",
                                 "\\*",        "\\fonttbl", "\\colortbl", "\\red",        "\\f",
                                 "\\fcharset", "128",       ";",          "\\bin",        "\\bin3 ",
                                 "\\field",    "\\fldinst", "\\fldrslt",  "HYPERLINK \"", "\\cell",
                                 "\\row",      "\\trowd",   "\\cellx",    "\\tx",         "-",
                                 "9999999999", " ",         "a",          "\xC3",         "\x80",
                                 "\r\n",       "\\pict",    "\\listtext", "\\pard",       "\\plain",
                                 "\\v",        "\\ansicpg", "932",        "65001",        "\\cf",
                                 "\\fs0"};
    QRandomGenerator random(20261207);
    for (int round = 0; round < 3000; ++round) {
        QByteArray rtf = "{\\rtf1 ";
        const int count = random.bounded(1, 80);
        for (int i = 0; i < count; ++i) {
            if (random.bounded(8) == 0)
                rtf.append(static_cast<char>(random.bounded(256)));
            else
                rtf.append(pieces[random.bounded(int(std::size(pieces)))]);
        }
        QTextDocument document;
        ASSERT_TRUE(readRtf(rtf, document)) << rtf.toHex().constData();
        // Whatever came out is whole text.
        const QString text = document.toPlainText();
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i).isHighSurrogate()) {
                ASSERT_TRUE(i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) << rtf.toHex().constData();
                ++i;
            } else {
                ASSERT_FALSE(text.at(i).isLowSurrogate()) << rtf.toHex().constData();
            }
        }
    }
}
