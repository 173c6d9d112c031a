#include "model/Job.h"

#include <QMap>
#include <gtest/gtest.h>
#include <limits>

namespace {

void gridOf(TTEMPLATE& t, int across, int down)
{
    t.PAPERMUWIDTH = 210000;
    t.PAPERMUHEIGHT = 297000;
    t.NUMACROSS = across;
    t.NUMDOWN = down;
    t.MULABELWIDTH = 60000;
    t.MULABELHEIGHT = 40000;
}

// A job whose data source holds `labels` one-line labels.
void withLabels(TJOB& job, int labels, int start, int repeat)
{
    QStringList lines;
    for (int i = 0; i < labels; ++i)
        lines << QStringLiteral("L%1").arg(i) << QString();
    job.DATAINFO()->FILECONTENT.setLines(lines);
    job.DATAINFO()->STARTLABNUM = start;
    job.DATAINFO()->RepeatLabelNum = repeat;
    job.DATAINFO()->FULLFILENAME.clear();
    // Index the lines set above without reading a file.
    job.DATAINFO()->reindex();
}

} // namespace

TEST(Template, HitTestIsStrictAndLastMatchWins)
{
    TTEMPLATE fresh;
    EXPECT_EQ(fresh.GetTemplateNumFromMuXY(0, 0), -1);
    EXPECT_EQ(fresh.GetTemplateNumFromMuXY(-1, 1), -1);

    TTEMPLATE t;
    t.NUMACROSS = 3;
    t.NUMDOWN = 2;
    t.MULEFT = 5000;
    t.MUTOP = 10000;
    t.MULABELWIDTH = 60000;
    t.MULABELHEIGHT = 40000;
    t.MUHGAP = 2000;
    EXPECT_EQ(t.GetTemplateNumFromMuXY(70000, 55000), 4);
    EXPECT_EQ(t.GetTemplateNumFromMuXY(65500, 55000), -1); // in the gap
    EXPECT_EQ(t.GetTemplateNumFromMuXY(5000, 10001), -1);  // on the edge
    EXPECT_EQ(t.slotRect(4), (SlotRect{67000, 50000, 127000, 90000}));

    t.NUMDOWN = 0;
    EXPECT_EQ(t.GetTemplateNumFromMuXY(70000, 15000), -1);

    // Overlapping labels: the greatest column, then the greatest row.
    TTEMPLATE o;
    o.NUMACROSS = 2;
    o.NUMDOWN = 2;
    o.MULABELWIDTH = 10000;
    o.MULABELHEIGHT = 10000;
    o.MUHGAP = -5000;
    o.MUVGAP = -5000;
    EXPECT_EQ(o.GetTemplateNumFromMuXY(7000, 7000), 3);
}

TEST(Template, LabelsFitOnlyWithinThirtyTwoBitExtents)
{
    const MU most = std::numeric_limits<MU>::max();
    EXPECT_TRUE(labelsFit({1, 1, 0, 0, most, most, 0, 0}, most, most));
    EXPECT_FALSE(labelsFit({2, 1, 0, 0, most, 1, 0, 0}, most, most));
    EXPECT_FALSE(labelsFit({most, most, most, most, most, most, most, most}, most, most));
    EXPECT_TRUE(labelsFit({1, 1, 0, 0, 0, 0, most, most}, 0, 0)); // no gap after the last label
}

TEST(Template, LandscapeMarksAlteredOnlyOnChange)
{
    TTEMPLATE t;
    t.SETLANDSCAPE(false);
    EXPECT_FALSE(t.ALTERED);
    t.SETLANDSCAPE(true);
    EXPECT_TRUE(t.ALTERED);
    EXPECT_TRUE(t.LANDSCAPE());
    EXPECT_EQ(t.PAPERMUWIDTH, 0); // the paper is not turned
}

TEST(Job, SlotsMapToLabelsWithStartAndRepeat)
{
    TJOB job;
    gridOf(*job.TEMPLATE(), 2, 2);
    withLabels(job, 3, 1, 1);
    EXPECT_EQ(job.PAGECOUNT(), 1);
    EXPECT_EQ(job.labelForSlot(0, 0), 0);
    EXPECT_EQ(job.labelForSlot(0, 2), 2);
    EXPECT_EQ(job.labelForSlot(0, 3), -1);

    withLabels(job, 3, 3, 2);
    EXPECT_EQ(job.DATAINFO()->LABELCOUNT(), 6);
    EXPECT_EQ(job.PAGECOUNT(), 2);
    const int expected[2][4] = {{-1, -1, 0, 0}, {1, 1, 2, 2}};
    for (int page = 0; page < 2; ++page)
        for (int slot = 0; slot < 4; ++slot)
            EXPECT_EQ(job.labelForSlot(page, slot), expected[page][slot]) << page << " " << slot;

    // Slot 3 of the sheet (x in the second column, y in the second row).
    EXPECT_EQ(job.GetLabelNumFromMuXY(90000, 60000), 1);
    EXPECT_EQ(job.GetLabelNumFromMuXY(90000, 60000) + 4, 5);
    job.TEMPLATE()->MUHGAP = 1000;
    EXPECT_EQ(job.GetLabelNumFromMuXY(60500, 20000), -6);

    withLabels(job, 3, 1, 0);
    EXPECT_EQ(job.labelForSlot(0, 0), -1);

    job.TEMPLATE()->NUMACROSS = 0;
    withLabels(job, 3, 1, 1);
    EXPECT_EQ(job.PAGECOUNT(), 0);
}

TEST(Job, AlteredFlagsAndQueries)
{
    TJOB job;
    EXPECT_FALSE(job.ALTERED());
    EXPECT_FALSE(job.TEMPLATEEXISTS());
    EXPECT_FALSE(job.DATAEXISTS());
    EXPECT_EQ(job.PAGECOUNT(), 0);

    job.MAKENEWTEMPLATE(210000, 297000);
    EXPECT_TRUE(job.TEMPLATEEXISTS());
    EXPECT_TRUE(job.ALTERED());
    EXPECT_EQ(job.TEMPLATE()->MULABELWIDTH, 0);
    EXPECT_EQ(job.TEMPLATE()->NUMACROSS, 1);

    // Clearing data that was never there changes nothing and clears no
    // change made before, neither the job's nor the template's.
    job.setALTERED(true);
    EXPECT_FALSE(job.CLEARDATA());
    EXPECT_TRUE(job.ALTERED());
    job.TEMPLATE()->ALTERED = false;
    EXPECT_TRUE(job.ALTERED());
    job.setALTERED(false);
    EXPECT_FALSE(job.CLEARDATA());
    EXPECT_FALSE(job.ALTERED());
    EXPECT_EQ(job.DATAINFO()->STARTLABNUM, 1);
    EXPECT_EQ(job.DATAINFO()->RepeatLabelNum, 1);

    job.DATAINFO()->FULLFILENAME = QStringLiteral("/nowhere/data.txt");
    EXPECT_TRUE(job.DATAEXISTS());
    EXPECT_FALSE(job.CLEARDATA());
    EXPECT_TRUE(job.ALTERED());
    EXPECT_FALSE(job.DATAEXISTS());
}

// Every format default is read back as the text it is written as, and a
// stored text that does not read gives the default's own value.
TEST(JobInfo, EveryFormatDefaultReadsBackItsStoredText)
{
    setFormatValueReader(nullptr);
    TJOBINFO changed;
    changed.MUBORDERTOP = 12345;
    changed.BORDERCOLOR = 0x00FF8000;
    changed.KeepRatio = true;
    changed.PicPCTop = -12.25;
    changed.PicAlignHoriz = 2;
    changed.FONT.setSize(20);
    const QList<QPair<QString, QString>> texts = formatDefaultTexts(changed);
    ASSERT_EQ(texts.size(), static_cast<qsizetype>(formatDefaultTable().size()));
    QMap<QString, QString> stored;
    for (const auto& [name, text] : texts)
        stored.insert(name, text);
    setFormatValueReader([&](const QString& name, const QString& def) { return stored.value(name, def); });
    EXPECT_EQ(formatDefaultTexts(TJOBINFO()), texts);

    const TJOBINFO plain = [] {
        setFormatValueReader(nullptr);
        return TJOBINFO();
    }();
    for (const FormatDefault& value : formatDefaultTable()) {
        TJOBINFO format = changed;
        value.setFrom(format, QStringLiteral("not a value"));
        EXPECT_EQ(value.textOf(format),
                  value.kind() == FormatValueKind::Flag ? QStringLiteral("False") : value.textOf(plain))
            << value.valueName;
    }
}
