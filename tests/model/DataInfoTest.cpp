#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "model/DataInfo.h"
#include "model/JobInfo.h"

#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DataInfo, LoadsAndSplitsAFile)
{
    QTemporaryDir dir;
    TDATAINFO d;
    EXPECT_FALSE(d.LOADDATA()); // no file named: numbers normalised, no labels
    EXPECT_EQ(d.STARTLABNUM, 1);
    EXPECT_EQ(d.RepeatLabelNum, 1);
    EXPECT_EQ(d.LABELCOUNT(), 0);

    d.FULLFILENAME = WriteFile(dir.filePath(QStringLiteral("data.txt")), "A\r\nB\r\n\r\n\r\nC\r\n\r\n");
    d.RepeatLabelNum = 3;
    EXPECT_TRUE(d.LOADDATA());
    EXPECT_EQ(d.labelsInIndex(), 2);
    EXPECT_EQ(d.LABELCOUNT(), 6);
    QStringList lines(QStringLiteral("kept"));
    EXPECT_TRUE(d.GETLABEL(0, lines));
    EXPECT_EQ(lines, (QStringList{"kept", "A", "B"}));
    lines.clear();
    EXPECT_TRUE(d.GETLABEL(1, lines));
    EXPECT_EQ(lines, QStringList{"C"});
    EXPECT_FALSE(d.GETLABEL(-1, lines));
    EXPECT_FALSE(d.GETLABEL(2, lines));
    EXPECT_EQ(lines, QStringList{"C"});

    d.FULLFILENAME = dir.filePath(QStringLiteral("gone.txt"));
    EXPECT_FALSE(d.LOADDATA());
    EXPECT_EQ(d.LABELCOUNT(), 0);

    d.FULLFILENAME = dir.path(); // exists, cannot be read as a file
    EXPECT_THROW(d.LOADDATA(), EDataReadError);
}

// What a label can show of long lines and long labels: whole characters,
// never half of a surrogate pair, in both of the data file's encodings.
TEST(DataInfo, BoundedLabelKeepsWholeCharacters)
{
    QTemporaryDir dir;
    TDATAINFO d;
    const QByteArray face = "\xF0\x9F\x98\x80"; // one character, two UTF-16 units
    d.FULLFILENAME = WriteFile(dir.filePath(QStringLiteral("utf8.txt")),
                               "a" + face.repeated(1000) + "\n\xC3\xA9t\xC3\xA9\nthird\n\nnext\n");
    ASSERT_TRUE(d.LOADDATA());
    QStringList lines;
    EXPECT_TRUE(d.GETLABEL(0, lines, 2, 4));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("a\U0001F600"), QStringLiteral("\u00e9t\u00e9")}));
    lines.clear();
    EXPECT_TRUE(d.GETLABEL(0, lines, 1, 2000));
    EXPECT_EQ(lines.value(0).size(), 1999); // the pair that would pass the bound is left out
    lines.clear();
    EXPECT_TRUE(d.GETLABEL(1, lines, 0, 10)); // the label exists; nothing fetched
    EXPECT_TRUE(lines.isEmpty());
    EXPECT_FALSE(d.GETLABEL(2, lines, 5, 5));

    d.FULLFILENAME = WriteFile(dir.filePath(QStringLiteral("ansi.txt")), "caf\xE9 \x80 long\nx\n");
    ASSERT_TRUE(d.LOADDATA());
    EXPECT_TRUE(d.GETLABEL(0, lines, 5, 6));
    EXPECT_EQ(lines, (QStringList{QStringLiteral("caf\u00e9 \u20ac"), QStringLiteral("x")}));
}

TEST(DataInfo, LoadsBitmapAndSvgPictures)
{
    QTemporaryDir dir;
    TDATAINFO d;
    EXPECT_FALSE(d.LoadMainPic());
    QImage image(40, 20, QImage::Format_RGB32);
    image.fill(Qt::red);
    d.PicFileName = dir.filePath(QStringLiteral("logo.PNG"));
    ASSERT_TRUE(image.save(d.PicFileName, "PNG"));
    EXPECT_TRUE(d.LoadMainPic());
    EXPECT_EQ(d.picture().size(), QSize(40, 20));

    d.PicFileName = WriteFile(dir.filePath(QStringLiteral("mark.svg")),
                              "<svg xmlns='http://www.w3.org/2000/svg' width='30' height='10'>"
                              "<rect width='30' height='10' fill='blue'/></svg>");
    EXPECT_TRUE(d.LoadMainPic());
    EXPECT_TRUE(d.picture().isSvg());
    EXPECT_EQ(d.picture().size(), QSize(30, 10));

    d.PicFileName = WriteFile(dir.filePath(QStringLiteral("broken.png")), "not a picture");
    EXPECT_FALSE(d.LoadMainPic());
    EXPECT_FALSE(d.pictureLoaded());

    d.PicFileName = dir.filePath(QStringLiteral("absent.png")); // leaves the mark as it was
    EXPECT_FALSE(d.LoadMainPic());
}

TEST(JobInfo, FormatDefaultsWithFallbacks)
{
    setFormatValueReader(nullptr);
    TJOBINFO plain;
    EXPECT_EQ(plain.MUBORDERLEFT, 2000);
    EXPECT_EQ(plain.MUBORDERWIDTH, 100);
    EXPECT_EQ(plain.TEXTALIGNVERT, 1);
    EXPECT_EQ(plain.TEXTJUSTIFY, 0);
    EXPECT_TRUE(plain.TEXTSHRINKTOFIT);
    EXPECT_FALSE(plain.SHOWBORDER);
    EXPECT_EQ(plain.PicPCWidth, 100.0);
    EXPECT_EQ(plain.FONT, defaultLabelFont());
    EXPECT_EQ(plain.FONT.size(), 12);

    QMap<QString, QString> stored = {{"ShowBorder", "Tx"}, {"PicAlignVert", "2"}, {"BorderLeft", "abc"},
                                     {"PicPCTop", "12.5"}, {"KeepRatio", "Yes"},  {"Font", "not a font"}};
    setFormatValueReader([&](const QString& name, const QString& def) { return stored.value(name, def); });
    TJOBINFO custom;
    EXPECT_TRUE(custom.SHOWBORDER);
    EXPECT_FALSE(custom.KeepRatio);
    EXPECT_EQ(custom.PicAlignVert, 2);
    EXPECT_EQ(custom.PicAlignHoriz, 1);
    EXPECT_EQ(custom.MUBORDERLEFT, 2000); // not a number: the default text
    EXPECT_EQ(custom.PicPCTop, 12.5);
    EXPECT_EQ(custom.FONT, defaultLabelFont());

    StoredFont big = defaultLabelFont();
    big.setSize(20);
    stored[QStringLiteral("Font")] = FNFONTTOSTRING(big);
    TJOBINFO withFont;
    EXPECT_EQ(withFont.FONT.size(), 20);
    setFormatValueReader(nullptr);
}

// The file's name picks the kind of source: a table by its extension in any
// letter case, text lines for anything else.
TEST(DataInfo, SourceKindFollowsTheFileName)
{
    const struct {
        const char* name;
        bool table;
    } cases[] = {{"a.csv", true},      {"B.CSV", true}, {"c.Tsv", true}, {"d.TAB", true},  {"e.txt", false},
                 {"f.csv.txt", false}, {"csv", false},  {"", false},     {"g.tabs", false}};
    for (const auto& c : cases) {
        const std::unique_ptr<DataSource> source = makeDataSource(QString::fromLatin1(c.name));
        EXPECT_EQ(source->usesTableSettings(), c.table) << c.name;
        EXPECT_EQ(source->table() != nullptr, c.table) << c.name;
        EXPECT_EQ(source->labelCount(), 0) << c.name;
    }
}

// A table, then text under the same job: the labels follow the file read,
// the table settings stay the job's, and what a label shows is fetched by
// index within limits as the lines are.
TEST(DataInfo, LabelContentFollowsTheSourceRead)
{
    QTemporaryDir dir;
    TDATAINFO d;
    d.tableSettings().LabelLayout = QStringLiteral("{Name} of {Town}\n{Town}");
    d.FULLFILENAME = WriteFile(dir.filePath(QStringLiteral("people.CSV")), "Name,Town\nAnn,Oslo\nBob,Rome\n");
    ASSERT_TRUE(d.LOADDATA());
    EXPECT_TRUE(d.usesTableSettings());
    EXPECT_EQ(d.labelsInIndex(), 2);
    std::optional<LabelContent> label = d.labelContent(1, LabelLimits{});
    ASSERT_TRUE(label);
    EXPECT_EQ(label->lines, (QStringList{"Bob of Rome", "Rome"}));
    label = d.labelContent(0, LabelLimits{1, 5});
    ASSERT_TRUE(label);
    EXPECT_EQ(label->lines, QStringList{"Ann o"});
    EXPECT_FALSE(d.labelContent(2, LabelLimits{}));

    d.FULLFILENAME = WriteFile(dir.filePath(QStringLiteral("people.txt")), "Ann\nOslo\n\nBob\n");
    ASSERT_TRUE(d.LOADDATA());
    EXPECT_FALSE(d.usesTableSettings());
    EXPECT_EQ(d.table().rowCount(), 0);
    EXPECT_TRUE(d.keepsTableSettings()); // the layout is kept for the next table
    label = d.labelContent(0, LabelLimits{5, 2});
    ASSERT_TRUE(label);
    EXPECT_EQ(label->lines, (QStringList{"An", "Os"}));
    EXPECT_EQ(d.FILECONTENT.count(), 4);
    EXPECT_FALSE(d.labelContent(-1, LabelLimits{}));
}
