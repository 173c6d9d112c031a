// Table data: reading CSV and TSV, the header row, the label layout, and a
// job that keeps them.

#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "model/ComponentStream.h"
#include "model/Job.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QList<QStringList> rows(const QByteArray& bytes, bool preferTabs = false)
{
    DataTable t;
    t.loadFromBytes(bytes, preferTabs);
    QList<QStringList> out;
    for (int i = 0; i < t.rowCount(); ++i)
        out << t.row(i);
    return out;
}

QStringList expand(const QString& layout, const QStringList& names, const QStringList& fields)
{
    return LabelLayout(layout, names, static_cast<int>(fields.size())).expand(fields);
}

} // namespace

TEST(DataTable, ReadsQuotedFieldsSeparatorsAndBreaks)
{
    // Quotes hold commas, doubled quotes and line breaks; empty rows and
    // rows of separators only are skipped; the last row has no break.
    EXPECT_EQ(rows("a,\"b, c\",\"say \"\"hi\"\"\"\r\n\r\n,,\n\"two\nlines\",x\"y,\nlast,row"),
              (QList<QStringList>{{"a", "b, c", "say \"hi\""}, {"two\nlines", "x\"y", ""}, {"last", "row"}}));
    // The separator is what cuts the first lines alike: a semicolon file
    // with decimal commas, a tab file with commas in its text.
    EXPECT_EQ(rows("Name;Price\nTea;1,50\nCake;2,75\n"),
              (QList<QStringList>{{"Name", "Price"}, {"Tea", "1,50"}, {"Cake", "2,75"}}));
    EXPECT_EQ(rows("Smith, Anna\tLeeds\nJones, Bob\tYork\n", true),
              (QList<QStringList>{{"Smith, Anna", "Leeds"}, {"Jones, Bob", "York"}}));
    // Encodings as for text data: a UTF-8 mark, Windows-1252, UTF-16.
    EXPECT_EQ(rows("\xEF\xBB\xBFName,City\nJos\xC3\xA9,M\xC3\xBCnster\n").value(1), (QStringList{"José", "Münster"}));
    EXPECT_EQ(rows("Caf\xE9,\x80 5\n").value(0), (QStringList{"Café", "€ 5"}));
    EXPECT_EQ(rows(QByteArray("\xFF\xFE"
                              "a\0,\0b\0\n\0",
                              10))
                  .value(0),
              (QStringList{"a", "b"}));
}

TEST(DataTable, MalformedInputHasADefinedResult)
{
    // A quote never closed is read as text, and the rows after it as usual.
    DataTable t;
    t.loadFromBytes("a,b\n\"broken,c\nd,e\n");
    EXPECT_EQ(t.rowCount(), 3);
    EXPECT_EQ(t.row(1), (QStringList{"\"broken", "c"}));
    EXPECT_EQ(t.row(2), (QStringList{"d", "e"}));
    EXPECT_EQ(t.note(), "Row 2 opens a quoted field that is never closed; its quote mark is read as text.");
    // A NUL ends the content, as in text data.
    t.loadFromBytes(QByteArray("a,b\nc,d\0e,f\n", 12));
    EXPECT_EQ(t.rowCount(), 2);
    EXPECT_EQ(t.row(1), (QStringList{"c", "d"}));
    // A huge field is cut where a label shows it.
    QByteArray huge = "x," + QByteArray(8 << 20, 'y') + ",z\n";
    t.loadFromBytes(huge);
    EXPECT_EQ(t.row(0, 5), (QStringList{"x", "yyyyy", "z"}));
    // Of the fields a layout uses only those are read, the row no further.
    const std::vector<bool> wanted{false, true};
    EXPECT_EQ(t.row(0, 5, &wanted), (QStringList{"", "yyyyy"}));
}

TEST(DataTable, FirstRowIsNamesWhenItLooksLikeThem)
{
    const auto names = [](const QByteArray& bytes) {
        DataTable t;
        t.loadFromBytes(bytes);
        return t.firstRowLooksLikeNames();
    };
    EXPECT_TRUE(names("Name,Zip\nAnna,12345\nBob,54321\n"));
    EXPECT_FALSE(names("Anna,12345\nBob,54321\n")); // a number over numbers
    EXPECT_FALSE(names("Name,Name\nAnna,Bob\n"));   // a name twice
    EXPECT_TRUE(names(",Name\n0,Anna\n1,Bob\n"));   // an index column without a name
    EXPECT_FALSE(names("Name,City\n"));             // no rows below
    EXPECT_TRUE(names("Year,Town\n2024,Leeds\n"));  // a word over numbers
    // A first row like the rows below (digits where its column has digits) is data.
    EXPECT_FALSE(names("Ann Lee,1 High Street,Leeds\nBob Fox,2 Low Road,York\n"));
    EXPECT_TRUE(names("Name,Street,City\nAnn Lee,1 High Street,Leeds\nBob Fox,2 Low Road,York\n"));
    EXPECT_FALSE(names("Zoe Ng,LS1 1AB\nAl Fox,YO1 7HH\nCy Hu,BD2 2PQ\n"));
}

TEST(LabelLayout, BuildsLinesFromFields)
{
    const QStringList names{"Name", "Company", "Street", "Zip", "City"};
    const QStringList row{"Anna Smith", "", "1 High St", "LS1", "Leeds"};
    // A line whose fields are all empty leaves no gap; literal lines stay.
    EXPECT_EQ(expand("{Name}\n{Company}\n{Street}\n{Zip} {city}\nUK", names, row),
              (QStringList{"Anna Smith", "1 High St", "LS1 Leeds", "UK"}));
    EXPECT_EQ(expand("{1} ({5})\n{{{3}}}", {}, row), (QStringList{"Anna Smith (Leeds)", "{1 High St}"}));
    // The default: every non-empty field, a field's own breaks kept.
    EXPECT_EQ(expand("", {}, {"a", " ", "b\r\nc"}), (QStringList{"a", "b", "c"}));
    // Unknown fields and open braces are told and shown as written.
    const LabelLayout unknown("{Name}\n{Phone}", names, 5);
    EXPECT_EQ(unknown.problem(), "The layout names the field {Phone}, which the data does not have.");
    EXPECT_EQ(unknown.expand(row), (QStringList{"Anna Smith", "{Phone}"}));
    EXPECT_EQ(LabelLayout("{Name}\n{Street", names, 5).problem(),
              "The '{' in line 2 of the layout is not closed by '}'.");
    EXPECT_EQ(LabelLayout("{6}", {}, 5).problem(), "The layout names the field {6}, which the data does not have.");
    EXPECT_EQ(layoutFromCommandLine("{A}\\n{B}\\\\n"), "{A}\n{B}\\n");
}

TEST(LabelLayout, LabelIsBuiltOnlyAsFarAsItShows)
{
    // Bounded expansion gives the first lines of the whole label, cut where
    // it shows: a layout of a million placeholders over one line, and a
    // field's breaks (CR LF split across two fields too) count as lines.
    const QStringList names{"A", "B", "C"};
    const QStringList row{QString(1000, u'a'), "x\r", "\ny"};
    QString wide;
    for (int i = 0; i < 1000000; ++i)
        wide += QStringLiteral("{A}");
    const LabelLayout big(wide + QStringLiteral("\n{B}{C}\n") + wide, names, 3);
    EXPECT_TRUE(big.problem().isEmpty());
    const QStringList shown = big.expand(row, 3, 2500);
    EXPECT_EQ(shown, (QStringList{QString(2500, u'a'), "x", "y"}));
    EXPECT_EQ(big.expand(row, 5, 10).size(), 4);
    EXPECT_TRUE(big.expand(row, 0, 10).isEmpty());
    // The bounded and the whole label agree where both reach, for lines
    // left out, literal runs, unknown names and braces.
    const QString layout = QStringLiteral("{B}{B}\n\nlit {{x}}\n{Nope}\n{c}\n{ A }{3}\n\n\nend\r\n{2");
    const QStringList cases[] = {row, {"", " ", ""}, {"1", "2\n3", "4"}, {}};
    for (const QStringList& fields : cases) {
        const LabelLayout l(layout, names, 3);
        const QStringList whole = l.expand(fields);
        for (int lines = 0; lines <= whole.size() + 1; ++lines)
            for (qsizetype chars : {qsizetype(0), qsizetype(1), qsizetype(3), qsizetype(5000)}) {
                QStringList expected = whole.mid(0, lines);
                for (QString& line : expected)
                    line.truncate(chars);
                EXPECT_EQ(l.expand(fields, lines, chars), expected) << lines << ' ' << chars;
            }
    }
    // A cut through a pair of UTF-16 units leaves the pair out and ends the
    // line: no half character, and nothing of the next field after it.
    const LabelLayout pair(QStringLiteral("{A}{B}"), names, 3);
    EXPECT_EQ(pair.expand({QString::fromUtf8("ab😀"), "c"}, 1, 3), QStringList{"ab"});
    EXPECT_EQ(LabelLayout(layout, names, 3).expand({"1", "2\n3", "4"}),
              (QStringList{"2", "32", "3", "", "lit {x}", "{Nope}", "4", "14", "", "", "end", "{2"}));
    // A million columns: names are found whatever their number.
    QStringList many;
    for (int i = 0; i < 1000000; ++i)
        many << QStringLiteral("N%1").arg(i);
    const LabelLayout far(QStringLiteral("{N999999} {n5}"), many, static_cast<int>(many.size()));
    EXPECT_TRUE(far.problem().isEmpty());
    QStringList fields = many;
    EXPECT_EQ(far.expand(fields), QStringList{"N999999 N5"});
}

TEST(LabelLayout, TextThatLooksLikeATableIsNoticed)
{
    DataLines lines;
    lines.setLines({"a,b,c", "d,e,f", "g,h,i", "j,k,l", "m,n,o", "p,q,r"});
    EXPECT_TRUE(looksLikeTable(lines, 1));
    lines.setLines({"a,b,c", "d,e", "g,h,i", "j,k,l", "m,n,o"});
    EXPECT_FALSE(looksLikeTable(lines, 1));
    lines.setLines({"a;b", "c;d", "e;f", "g;h", "i;j"});
    EXPECT_FALSE(looksLikeTable(lines, 5)); // as many labels as lines
}

TEST(DataTable, JobKeepsTheTableSettingsOnlyForTables)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    const QString csv = WriteFile(dir.filePath("people.CSV"), "Name,Town,Zip\nAnna,Leeds,1\nBob,,2\n");
    TJOB job;
    job.MAKENEWTEMPLATE(210000, 297000);
    TDATAINFO& data = *job.DATAINFO();
    data.FULLFILENAME = WriteFile(dir.filePath("people.txt"), "Name,Town,Zip\nAnna,Leeds,1\n");
    const QByteArray textJob = job.jobFileBytes();
    EXPECT_EQ(textJob.count("TPF0"), 3);         // text data: three streams, as ever
    data.tableSettings().LabelLayout = "{Name}"; // but a layout is never dropped
    EXPECT_EQ(job.jobFileBytes().count("TPF0"), 4);

    data.FULLFILENAME = csv;
    ASSERT_TRUE(data.LOADDATA());
    EXPECT_FALSE(data.looksLikeTableInDisguise());
    data.tableSettings().LabelLayout = "{Name}\n{Town}";
    data.tableSettings().HeaderRow = static_cast<qint32>(HeaderChoice::Yes);
    data.applyTableSettings();
    EXPECT_EQ(data.labelsInIndex(), 2);
    QStringList label;
    EXPECT_TRUE(data.GETLABEL(1, label));
    EXPECT_EQ(label, QStringList{"Bob"});
    const QString path = dir.filePath("people.GVJ");
    ASSERT_TRUE(job.SAVETOFILE(path));

    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(path));
    EXPECT_EQ(back.DATAINFO()->tableSettings().LabelLayout, "{Name}\n{Town}");
    EXPECT_EQ(back.DATAINFO()->tableSettings().header(), HeaderChoice::Yes);
    ASSERT_TRUE(back.DATAINFO()->LOADDATA());
    label.clear();
    EXPECT_TRUE(back.GETLABEL(0, label));
    EXPECT_EQ(label, (QStringList{"Anna", "Leeds"}));

    // A reader that knows three streams reads them and ignores the fourth.
    const QByteArray bytes = readFileBytes(path);
    TJOBINFO format;
    TTEMPLATE sheet;
    TDATAINFO source;
    qsizetype pos = 0;
    ReadObjectStream(bytes, pos, format);
    ReadObjectStream(bytes, pos, sheet);
    ReadObjectStream(bytes, pos, source);
    EXPECT_EQ(source.FULLFILENAME, csv);
    EXPECT_TRUE(objectBinaryToText(bytes.mid(pos)).contains("LabelLayout = '{Name}'#10'{Town}'"))
        << objectBinaryToText(bytes.mid(pos)).toStdString();
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(DataTable, ReadingKeepsItsPromises)
{
    // Rows of blanks are skipped; a separator between digits is a decimal comma.
    EXPECT_EQ(rows("a,b\n  ,\t\n\" \",\"\"\nc,d\n"), (QList<QStringList>{{"a", "b"}, {"c", "d"}}));
    EXPECT_EQ(rows("Apple;1,50\nPear;2,75\n"), (QList<QStringList>{{"Apple", "1,50"}, {"Pear", "2,75"}}));

    // A UTF-8 mark means UTF-8 however the rest is; a UTF-32 mark is refused by name.
    QTemporaryDir dir;
    DataTable t;
    ASSERT_TRUE(t.loadFromFile(WriteFile(dir.filePath("bom.csv"), "\xEF\xBB\xBFZo\xEB,Caf\xC3\xA9\n")));
    EXPECT_EQ(t.row(0), (QStringList{QString::fromUtf8("Zo\uFFFD"), QString::fromUtf8("Café")}));
    for (const QByteArray& mark : {QByteArray("\xFF\xFE\0\0", 4), QByteArray("\0\0\xFE\xFF", 4)}) {
        const QString file = WriteFile(dir.filePath("wide.csv"), mark + QByteArray("A\0\0\0", 4));
        QString error;
        EXPECT_FALSE(t.loadFromFile(file, &error));
        EXPECT_EQ(error, "The file " + file + " is UTF-32 text, which is not read; save it as UTF-8 (or UTF-16).");
    }
}
