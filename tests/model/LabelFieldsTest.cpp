#include "common/TestEnv.h"
#include "model/Job.h"
#include "model/JobExtras.h"
#include "model/SerialSource.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

QStringList linesOf(const TDATAINFO& d, qint32 k)
{
    const std::optional<LabelContent> c = d.labelContent(k, LabelLimits{});
    return c ? c->lines : QStringList{QStringLiteral("<none>")};
}

} // namespace

// The same placeholders lay out every kind of data: a table's columns, a
// text block's lines, a serial number; {#...} is always the label's number
// in its data, whatever the columns are named and wherever printing starts.
TEST(LabelFields, EveryKindOfDataFillsTheSamePlaceholders)
{
    QTemporaryDir dir;
    const QString table = WriteFile(dir.filePath("t.csv"), "Name,#,City\nAnn,x,Oslo\nBob,y,\n");
    const QString text = WriteFile(dir.filePath("t.txt"), "Ann\nOslo\n\nBob\n");
    const struct {
        QString file, from, to, layout;
        qint32 label;
        QStringList lines;
    } cases[] = {
        {table, {}, {}, "{#} {Name}\n{City}", 1, {"2 Bob"}},
        {table, {}, {}, "{#0001}-{#1000}: {2}", 0, {"0001-1000: x"}},
        {text, {}, {}, "{2}, {1}\nno. {#}\n{3}", 0, {"Oslo, Ann", "no. 1"}},
        {text, {}, {}, "{2}, {1}\nno. {#}\n{3}", 1, {", Bob", "no. 2"}},
        {text, {}, {}, "", 0, {"Ann", "Oslo"}},
        {{}, "0007", "0012", "ASSET-{1} ({#})", 5, {"ASSET-0012 (6)"}},
        {{}, "0007", "0012", "", 0, {"0007"}},
    };
    for (const auto& c : cases) {
        TDATAINFO d;
        d.FULLFILENAME = c.file;
        d.SerialFrom = c.from;
        d.SerialTo = c.to;
        d.STARTLABNUM = 7;
        d.tableSettings().LabelLayout = c.layout;
        ASSERT_TRUE(d.LOADDATA()) << c.layout.toStdString();
        EXPECT_EQ(d.layoutProblem(), QString());
        EXPECT_EQ(linesOf(d, c.label), c.lines) << c.layout.toStdString();
        EXPECT_EQ(d.labelContent(c.label, LabelLimits{})->number, c.label + 1);
    }
    TDATAINFO d;
    d.FULLFILENAME = text;
    d.tableSettings().LabelLayout = QStringLiteral("{#A1} {Name}");
    ASSERT_TRUE(d.LOADDATA());
    EXPECT_FALSE(d.layoutProblem().isEmpty());
    EXPECT_EQ(linesOf(d, 0), (QStringList{"Ann", "Oslo"})); // laid out as if no layout were set
    EXPECT_EQ(d.fillFields(QStringLiteral("{1}/{9}/{#01}"), 1, 100), QStringLiteral("Bob//02"));
    EXPECT_FALSE(d.fieldsProblem(QStringLiteral("{1")).isEmpty());
}

TEST(LabelFields, SerialRangesAreCheckedAsTyped)
{
    const struct {
        const char *from, *to;
        bool ok;
        qint32 count;
    } cases[] = {{"0007", "0012", true, 6},
                 {"12", "7", false, 0},
                 {"1", "10000000", true, 10000000},
                 {"0", "10000000", false, 0},
                 {"a1", "5", false, 0},
                 {"", "5", false, 0},
                 {" 3 ", "3", true, 1},
                 {"1234567890123456789", "1", false, 0}};
    for (const auto& c : cases) {
        const QString from = QString::fromLatin1(c.from);
        const QString to = QString::fromLatin1(c.to);
        EXPECT_EQ(SerialSource::rangeProblem(from, to).isEmpty(), c.ok) << c.from << "-" << c.to;
        TDATAINFO d;
        d.SerialFrom = from;
        d.SerialTo = to;
        EXPECT_EQ(d.LOADDATA(), c.ok);
        EXPECT_EQ(d.labelsInIndex(), c.count);
    }
    EXPECT_EQ(SerialSource(QStringLiteral("0998"), QStringLiteral("1002")).numberText(4), QStringLiteral("1002"));
}

// Chosen labels print packed, in data order, from the start position; the
// data's own count and the labels' numbers stay as the data count them.
TEST(LabelFields, ChosenLabelsArePackedFromTheStart)
{
    const struct {
        const char* list;
        qint32 count;
        QList<qint32> numbers;
    } good[] = {{"2-5,9", 5, {2, 3, 4, 5, 9}}, {" 9 , 2-3,3-4", 4, {2, 3, 4, 9}}, {"10", 1, {10}}};
    for (const auto& c : good) {
        QString error;
        const std::optional<LabelChoice> choice = LabelChoice::parse(QString::fromLatin1(c.list), 10, &error);
        ASSERT_TRUE(choice) << c.list << error.toStdString();
        ASSERT_EQ(choice->count(), c.count);
        for (qint32 k = 0; k < c.count; ++k)
            EXPECT_EQ(choice->labelAt(k) + 1, c.numbers[k]) << c.list;
    }
    for (const char* bad : {"", " , ", "0", "11", "5-3", "2-", "x", "1-99999999999", "-3"}) {
        QString error;
        EXPECT_FALSE(LabelChoice::parse(QString::fromLatin1(bad), 10, &error)) << bad;
        EXPECT_FALSE(error.isEmpty()) << bad;
    }

    TJOB job;
    job.MAKENEWTEMPLATE(215900, 279400);
    job.TEMPLATE()->NUMACROSS = 2;
    job.TEMPLATE()->NUMDOWN = 2;
    job.TEMPLATE()->MULABELWIDTH = 50000;
    job.TEMPLATE()->MULABELHEIGHT = 20000;
    TDATAINFO& d = *job.DATAINFO();
    d.SerialFrom = QStringLiteral("1");
    d.SerialTo = QStringLiteral("10");
    ASSERT_TRUE(d.LOADDATA());
    d.STARTLABNUM = 4;
    d.chooseLabels(LabelChoice::parse(QStringLiteral("2-3,9"), d.labelsInIndex(), nullptr));
    EXPECT_EQ(d.labelsInIndex(), 10);
    EXPECT_EQ(d.LABELCOUNT(), 3);
    EXPECT_EQ(job.PAGECOUNT(), 2);
    EXPECT_EQ(job.labelForSlot(0, 3), 0);
    EXPECT_EQ(job.labelForSlot(1, 1), 2);
    EXPECT_EQ(job.labelForSlot(1, 2), -1);
    EXPECT_EQ(job.labelContent(2, LabelLimits{})->lines, QStringList{"9"});
    EXPECT_EQ(job.labelContent(2, LabelLimits{})->number, 9);
    ASSERT_TRUE(d.LOADDATA()); // data read again: every label again
    EXPECT_EQ(d.LABELCOUNT(), 10);
}

// The code and the serial numbers go in a stream of their own after the
// job's others, only when set: a job without them is written as before,
// and one with them reads back whole. A picture name with placeholders is
// kept as written and taken, label by label, from the data file's folder.
TEST(LabelFields, CodeSerialAndPictureNamesSurviveTheJobFile)
{
    QTemporaryDir dir;
    TJOB plain;
    plain.MAKENEWTEMPLATE(215900, 279400);
    const QByteArray before = plain.jobFileBytes();
    plain.JOBINFO()->CodeType = QStringLiteral("qrcode");
    EXPECT_TRUE(plain.jobFileBytes().startsWith(before));
    EXPECT_TRUE(plain.jobFileBytes().contains("JobExtras"));
    plain.JOBINFO()->CodeType.clear();
    EXPECT_EQ(plain.jobFileBytes(), before);

    TJOB job;
    job.MAKENEWTEMPLATE(215900, 279400);
    job.JOBINFO()->ShowPic = true;
    job.JOBINFO()->CodeType = QStringLiteral("code128");
    job.JOBINFO()->CodeText = QStringLiteral("ASSET-{1}");
    job.DATAINFO()->SerialFrom = QStringLiteral("0099");
    job.DATAINFO()->SerialTo = QStringLiteral("0101");
    job.DATAINFO()->tableSettings().LabelLayout = QStringLiteral("Asset {1}");
    job.fitNumbersToSheet();
    const QString path = dir.filePath("tags.GVJ");
    ASSERT_TRUE(job.SAVETOFILE(path));

    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(path));
    EXPECT_TRUE(back.loadNotes().isEmpty());
    EXPECT_EQ(back.jobFileBytes(), job.jobFileBytes());
    EXPECT_EQ(JobExtras::of(*back.JOBINFO(), *back.DATAINFO()).CodeText, QStringLiteral("ASSET-{1}"));
    ASSERT_TRUE(back.DATAINFO()->LOADDATA());
    EXPECT_TRUE(back.DATAEXISTS());
    const std::optional<LabelContent> last = back.labelContent(2, LabelLimits{});
    ASSERT_TRUE(last);
    EXPECT_EQ(last->lines, QStringList{"Asset 0101"});
    EXPECT_EQ(last->codeText, QStringLiteral("ASSET-0101"));
    EXPECT_TRUE(last->pictureName.isEmpty());

    TJOB photos;
    photos.MAKENEWTEMPLATE(215900, 279400);
    photos.JOBINFO()->ShowPic = true;
    photos.DATAINFO()->FULLFILENAME = WriteFile(dir.filePath("people/list.csv"), "Name,Photo\nAnn,ann.png\n");
    photos.DATAINFO()->PicFileName = QStringLiteral("photos/{Photo}");
    ASSERT_TRUE(photos.SAVETOFILE(dir.filePath("badges.GVJ")));
    TJOB reopened;
    ASSERT_TRUE(reopened.LOADFROMFILE(dir.filePath("badges.GVJ")));
    EXPECT_EQ(reopened.DATAINFO()->PicFileName, QStringLiteral("photos/{Photo}"));
    ASSERT_TRUE(reopened.DATAINFO()->LOADDATA());
    EXPECT_EQ(reopened.labelContent(0, LabelLimits{})->pictureName, dir.filePath("people/photos/ann.png"));
    reopened.DATAINFO()->pictureFolder = QStringLiteral("/elsewhere");
    EXPECT_EQ(reopened.labelContent(0, LabelLimits{})->pictureName, QStringLiteral("/elsewhere/photos/ann.png"));
}
