// The label catalogue reader: lengths in the catalogue's units, real
// catalogue files as the glabels-data package installs them, and broken or
// odd catalogue files written here.

#include "common/TestEnv.h"
#include "model/LabelCatalogue.h"
#include "model/Template.h"
#include "support/ErrorLog.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The installed catalogue, or empty (with the reason) when it is missing.
QString installedCatalogue(QString& reason)
{
    const QString folder = LabelCatalogue::defaultFolder();
    if (!QFileInfo::exists(folder + QStringLiteral("/avery-us-templates.xml"))) {
        reason = QStringLiteral("no label catalogue in ") + folder
                 + QStringLiteral(": install the package glabels-data");
        return QString();
    }
    return folder;
}

#define REQUIRE_CATALOGUE(folder)                                                                                      \
    QString folder;                                                                                                    \
    {                                                                                                                  \
        QString reason;                                                                                                \
        folder = installedCatalogue(reason);                                                                           \
        if (folder.isEmpty())                                                                                          \
            GTEST_SKIP() << reason.toStdString();                                                                      \
    }

QByteArray errorLog()
{
    return readFileBytes(errorLogPath());
}

int logEntries12()
{
    return static_cast<int>(errorLog().count("Error[12]: "));
}

const QByteArray header = "<?xml version=\"1.0\"?>\n<Glabels-templates>\n";
const QByteArray footer = "</Glabels-templates>\n";

// A product with one rectangular layout, lengths as written.
QByteArray product(const char* brand, const char* part, const char* size, const char* label, const char* layout,
                   const char* extra = "")
{
    return QByteArray("<Template brand=\"") + brand + "\" part=\"" + part + "\" size=\"" + size + "\" " + extra
           + " _description=\"Test sheet\">\n  <Meta category=\"label\"/>\n  <Label-rectangle id=\"0\" " + label
           + " round=\"3mm\">\n    <Markup-margin size=\"1mm\"/>\n    <Layout " + layout
           + "/>\n  </Label-rectangle>\n</Template>\n";
}

LabelCatalogue readFolder(const QString& folder)
{
    LabelCatalogue c;
    EXPECT_TRUE(c.read(folder)) << folder.toStdString();
    return c;
}

} // namespace

TEST(CatalogueLength, ConvertsEachUnitStraightToTheNearestMu)
{
    EXPECT_EQ(catalogueLengthToMu(u"2.625in"), 66675);
    // 3 968.75 MU: the nearest MU, not 3 967 as ten-thousandths of an inch would give.
    EXPECT_EQ(catalogueLengthToMu(u"0.15625in"), 3969);
    EXPECT_EQ(catalogueLengthToMu(u"72pt"), 25400);
    EXPECT_EQ(catalogueLengthToMu(u"72"), 25400); // a bare number is in points
    EXPECT_EQ(catalogueLengthToMu(u"136.913"), 48300);
    EXPECT_EQ(catalogueLengthToMu(u"6pc"), 25400);
    EXPECT_EQ(catalogueLengthToMu(u"12.7mm"), 12700);
    EXPECT_EQ(catalogueLengthToMu(u"1.27cm"), 12700);
    EXPECT_EQ(catalogueLengthToMu(u" 3 mm "), 3000);
    EXPECT_EQ(catalogueLengthToMu(u"-2mm"), -2000);
    // Halves go to the even neighbour.
    EXPECT_EQ(catalogueLengthToMu(u"0.0005mm"), 0);
    EXPECT_EQ(catalogueLengthToMu(u"0.0015mm"), 2);
}

TEST(CatalogueLength, RefusesWhatIsNoLength)
{
    for (const char16_t* text : {u"", u"in", u"abc", u"3furlongs", u"3 m m", u"nan", u"inf mm", u"1e12in"})
        EXPECT_FALSE(catalogueLengthToMu(text).has_value()) << QString::fromUtf16(text).toStdString();
}

TEST(CatalogueMatch, EveryWordInBrandPartOrDescription)
{
    LabelProduct p;
    p.brand = QStringLiteral("Avery");
    p.part = QStringLiteral("5160");
    p.description = QStringLiteral("Address Labels");
    EXPECT_TRUE(productMatches(p, QString()));
    EXPECT_TRUE(productMatches(p, QStringLiteral("5160")));
    EXPECT_TRUE(productMatches(p, QStringLiteral("  avery   516 ")));
    EXPECT_TRUE(productMatches(p, QStringLiteral("ADDRESS")));
    EXPECT_FALSE(productMatches(p, QStringLiteral("5160 herma")));
    EXPECT_FALSE(productMatches(p, QStringLiteral("5161")));
}

TEST(CatalogueInstalled, Avery5160IsAUsLetterSheetOfThreeByTen)
{
    REQUIRE_CATALOGUE(folder);
    const LabelCatalogue c = readFolder(folder);
    const LabelProduct* p = c.find(QStringLiteral("avery"), QStringLiteral("5160"));
    ASSERT_NE(p, nullptr);
    EXPECT_EQ(p->brand, QStringLiteral("Avery"));
    EXPECT_EQ(p->description, QStringLiteral("Address Labels"));
    EXPECT_EQ(p->paperId, QStringLiteral("US-Letter"));
    EXPECT_EQ(p->paperWidth, 215900);
    EXPECT_EQ(p->paperHeight, 279400);
    EXPECT_EQ(p->numAcross, 3);
    EXPECT_EQ(p->numDown, 10);
    EXPECT_EQ(p->labelWidth, 66675);
    EXPECT_EQ(p->labelHeight, 25400);
    EXPECT_EQ(p->Left, 3969);
    EXPECT_EQ(p->Top, 12700);
    EXPECT_EQ(p->hGap, 3969);
    EXPECT_EQ(p->vGap, 0);
    EXPECT_TRUE(p->equivalentOf.isEmpty());

    TTEMPLATE t;
    p->applyGrid(t);
    EXPECT_EQ(t.slotRect(29),
              (SlotRect{3969 + 2 * 70644, 12700 + 9 * 25400, 3969 + 2 * 70644 + 66675, 279400 - 12700}));
}

TEST(CatalogueInstalled, EquivalentProductsHaveTheOtherProductsSheet)
{
    REQUIRE_CATALOGUE(folder);
    const LabelCatalogue c = readFolder(folder);
    const LabelProduct* original = c.find(QStringLiteral("Avery"), QStringLiteral("5160"));
    const LabelProduct* equivalent = c.find(QStringLiteral("Avery"), QStringLiteral("8160"));
    ASSERT_NE(original, nullptr);
    ASSERT_NE(equivalent, nullptr);
    EXPECT_EQ(equivalent->part, QStringLiteral("8160"));
    EXPECT_EQ(equivalent->equivalentOf, QStringLiteral("5160"));
    EXPECT_EQ(equivalent->description, original->description);
    TTEMPLATE a, b;
    original->applyGrid(a);
    equivalent->applyGrid(b);
    EXPECT_EQ(a.slotRect(17), b.slotRect(17));
    EXPECT_EQ(equivalent->paperWidth, original->paperWidth);
    EXPECT_EQ(equivalent->paperHeight, original->paperHeight);

    // Herma 10801 is the same as 4608, which is the same as 4102: points.
    const LabelProduct* chained = c.find(QStringLiteral("Herma"), QStringLiteral("10801"));
    ASSERT_NE(chained, nullptr);
    EXPECT_EQ(chained->equivalentOf, QStringLiteral("4102"));
    EXPECT_EQ(chained->paperWidth, 210000);
    EXPECT_EQ(chained->numAcross, 4);
    EXPECT_EQ(chained->numDown, 11);
    EXPECT_EQ(chained->labelWidth, 48300);
    EXPECT_EQ(chained->labelHeight, 25400);
    EXPECT_EQ(chained->Left, 8500);
}

TEST(CatalogueInstalled, OffersOnlyGridsTheLayoutDialogCanHold)
{
    REQUIRE_CATALOGUE(folder);
    const LabelCatalogue c = readFolder(folder);
    EXPECT_EQ(c.filesSkipped(), 0);
    EXPECT_TRUE(c.problems().isEmpty()) << c.problems().join(u'\n').toStdString();
    EXPECT_GT(c.products().size(), 1000u);
    EXPECT_GT(c.notOffered(), 0); // round, CD and elliptical labels, several layouts
    // A round label is listed in the catalogue but not offered.
    EXPECT_EQ(c.find(QStringLiteral("Avery"), QStringLiteral("3274.2")), nullptr);
    // Zweckform 3490 writes x0="": no offset.
    const LabelProduct* zweckform = c.find(QStringLiteral("Zweckform"), QStringLiteral("3490"));
    ASSERT_NE(zweckform, nullptr);
    EXPECT_EQ(zweckform->Left, 0);
    EXPECT_EQ(zweckform->numAcross * (zweckform->labelWidth + zweckform->hGap) - zweckform->hGap, 210000);

    for (const LabelProduct& p : c.products()) {
        SCOPED_TRACE(p.title().toStdString());
        EXPECT_GE(p.numAcross, 1);
        EXPECT_GE(p.numDown, 1);
        EXPECT_GT(p.labelWidth, 0);
        EXPECT_GT(p.labelHeight, 0);
        EXPECT_GE(p.Left, 0);
        EXPECT_GE(p.Top, 0);
        EXPECT_GE(p.hGap, 0);
        EXPECT_GE(p.vGap, 0);
        EXPECT_LE(p.Left + qint64(p.numAcross) * (p.labelWidth + p.hGap) - p.hGap, p.paperWidth);
        EXPECT_LE(p.Top + qint64(p.numDown) * (p.labelHeight + p.vGap) - p.vGap, p.paperHeight);
    }
    // Brands in order, parts in number order within a brand.
    const auto at = [&c](const char* part) {
        for (std::size_t i = 0; i < c.products().size(); ++i)
            if (c.products()[i].brand == QStringLiteral("Avery") && c.products()[i].part == QLatin1String(part))
                return static_cast<long>(i);
        return -1L;
    };
    EXPECT_LT(at("5160"), at("8160"));
    EXPECT_LT(at("8160"), at("15160"));
}

TEST(CatalogueInstalled, MalformedFileAmongRealOnesIsSkippedWithALogLine)
{
    REQUIRE_CATALOGUE(folder);
    QTemporaryDir copy;
    for (const char* name : {"avery-us-templates.xml", "paper-sizes.xml", "vendors.xml"})
        ASSERT_TRUE(QFile::copy(folder + u'/' + QLatin1String(name), copy.filePath(QLatin1String(name))));
    QByteArray herma = readFileBytes(folder + QStringLiteral("/herma-iso-templates.xml"));
    WriteFile(copy.filePath(QStringLiteral("herma-cut-short.xml")), herma.left(herma.size() / 2));
    WriteFile(copy.filePath(QStringLiteral("empty.xml")), QByteArray());
    WriteFile(copy.filePath(QStringLiteral("binary.xml")), QByteArray("\x00\xff\xfe<<<\x01", 8));
    const int logged = logEntries12();

    const LabelCatalogue c = readFolder(copy.path());
    EXPECT_EQ(c.filesRead(), 2);
    EXPECT_EQ(c.filesSkipped(), 3);
    ASSERT_EQ(c.problems().size(), 3);
    EXPECT_TRUE(c.problems().join(u'\n').contains(QStringLiteral("herma-cut-short.xml")));
    EXPECT_EQ(logEntries12(), logged + 3);
    EXPECT_TRUE(
        errorLog().contains("Label catalogue file skipped: " + copy.filePath(QStringLiteral("empty.xml")).toUtf8()));
    // Nothing of the broken file comes through, all of the good one does.
    EXPECT_EQ(c.find(QStringLiteral("Herma"), QStringLiteral("4102")), nullptr);
    ASSERT_NE(c.find(QStringLiteral("Avery"), QStringLiteral("5160")), nullptr);
    EXPECT_NE(c.find(QStringLiteral("Avery"), QStringLiteral("8160")), nullptr);
}

TEST(CatalogueFiles, FolderWithoutCatalogueReadsNothing)
{
    QTemporaryDir empty;
    LabelCatalogue c;
    EXPECT_FALSE(c.read(empty.path()));
    EXPECT_FALSE(c.read(empty.filePath(QStringLiteral("not-there"))));
    WriteFile(empty.filePath(QStringLiteral("vendors.xml")), "<Glabels-vendors><Vendor name=\"X\"/></Glabels-vendors>");
    EXPECT_FALSE(c.read(empty.path()));
    EXPECT_TRUE(c.products().empty());
    EXPECT_TRUE(c.problems().isEmpty());
}

TEST(CatalogueFiles, UnitsPaperAndEquivalents)
{
    QTemporaryDir dir;
    // No paper-sizes.xml: the built-in sizes serve.
    WriteFile(dir.filePath(QStringLiteral("test-templates.xml")),
              header
                  + product("Acme", "P1", "A4", "width=\"70mm\" height=\"1.5in\"",
                            "nx=\"3\" ny=\"7\" x0=\"0\" y0=\"2cm\" dx=\"70mm\" dy=\"108pt\"")
                  + product("Acme", "P2", "Other", "width=\"2in\" height=\"12pc\"",
                            "nx=\"1\" ny=\"2\" x0=\"36\" y0=\"0.25in\" dx=\"0\" dy=\"2.5in\"",
                            "width=\"3in\" height=\"6in\"")
                  + "<Template brand=\"Acme\" part=\"P1-B\" equiv=\"P1\"/>\n"
                  + "<Template brand=\"Acme\" part=\"P1-C\" equiv=\"P1-B\" _description=\"Own words\"/>\n" + footer);
    const LabelCatalogue c = readFolder(dir.path());
    EXPECT_TRUE(c.problems().isEmpty()) << c.problems().join(u'\n').toStdString();
    ASSERT_EQ(c.products().size(), 4u);

    const LabelProduct* p1 = c.find(QStringLiteral("Acme"), QStringLiteral("P1"));
    ASSERT_NE(p1, nullptr);
    EXPECT_EQ(p1->paperWidth, 210000);
    EXPECT_EQ(p1->paperHeight, 297000);
    EXPECT_EQ(p1->labelWidth, 70000);
    EXPECT_EQ(p1->labelHeight, 38100);
    EXPECT_EQ(p1->Top, 20000);
    EXPECT_EQ(p1->hGap, 0);
    EXPECT_EQ(p1->vGap, 0); // 108pt = 1.5in

    const LabelProduct* p2 = c.find(QStringLiteral("Acme"), QStringLiteral("P2"));
    ASSERT_NE(p2, nullptr);
    EXPECT_EQ(p2->paperId, QStringLiteral("Other"));
    EXPECT_EQ(p2->paperWidth, 76200);
    EXPECT_EQ(p2->paperHeight, 152400);
    EXPECT_EQ(p2->labelWidth, 50800);
    EXPECT_EQ(p2->labelHeight, 50800);
    EXPECT_EQ(p2->Left, 12700);
    EXPECT_EQ(p2->hGap, 0); // one column: no gap, whatever the pitch says
    EXPECT_EQ(p2->vGap, 12700);

    const LabelProduct* b = c.find(QStringLiteral("Acme"), QStringLiteral("P1-B"));
    const LabelProduct* cc = c.find(QStringLiteral("Acme"), QStringLiteral("P1-C"));
    ASSERT_NE(b, nullptr);
    ASSERT_NE(cc, nullptr);
    EXPECT_EQ(b->description, QStringLiteral("Test sheet"));
    EXPECT_EQ(cc->description, QStringLiteral("Own words"));
    EXPECT_EQ(cc->equivalentOf, QStringLiteral("P1"));
    for (const LabelProduct* e : {b, cc}) {
        EXPECT_EQ(e->numAcross, 3);
        EXPECT_EQ(e->numDown, 7);
        EXPECT_EQ(e->labelHeight, 38100);
        EXPECT_EQ(e->Top, 20000);
    }
}

TEST(CatalogueFiles, CataloguePaperListComesFirst)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("paper-sizes.xml")),
              "<?xml version=\"1.0\"?>\n<Glabels-paper-sizes>\n"
              "  <Paper-size id=\"A4\" _name=\"A4\" width=\"200mm\" height=\"280mm\"/>\n"
              "  <Paper-size id=\"Card\" _name=\"Index card\" width=\"5in\" height=\"3in\"/>\n"
              "</Glabels-paper-sizes>\n");
    WriteFile(
        dir.filePath(QStringLiteral("t.xml")),
        header
            + product("Acme", "A", "A4", "width=\"50mm\" height=\"50mm\"",
                      "nx=\"2\" ny=\"2\" x0=\"0\" y0=\"0\" dx=\"60mm\" dy=\"60mm\"")
            + product("Acme", "C", "Card", "width=\"1in\" height=\"1in\"", "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"")
            + product("Acme", "L", "US-Letter", "width=\"1in\" height=\"1in\"", "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"")
            + footer);
    const LabelCatalogue c = readFolder(dir.path());
    ASSERT_EQ(c.products().size(), 3u);
    EXPECT_EQ(c.find(QStringLiteral("Acme"), QStringLiteral("A"))->paperWidth, 200000);
    EXPECT_EQ(c.find(QStringLiteral("Acme"), QStringLiteral("A"))->hGap, 10000);
    EXPECT_EQ(c.find(QStringLiteral("Acme"), QStringLiteral("C"))->paperName, QStringLiteral("Index card"));
    EXPECT_EQ(c.find(QStringLiteral("Acme"), QStringLiteral("C"))->paperHeight, 76200);
    EXPECT_EQ(c.find(QStringLiteral("Acme"), QStringLiteral("L"))->paperHeight, 279400); // built in
}

TEST(CatalogueFiles, OtherShapesSeveralLayoutsAndMisfitsAreNotOffered)
{
    QTemporaryDir dir;
    const QByteArray round = "<Template brand=\"Acme\" part=\"R\" size=\"A4\" _description=\"Round\">\n"
                             "  <Label-round id=\"0\" radius=\"20mm\">\n"
                             "    <Layout nx=\"4\" ny=\"6\" x0=\"5mm\" y0=\"5mm\" dx=\"50mm\" dy=\"45mm\"/>\n"
                             "  </Label-round>\n</Template>\n";
    const QByteArray twoLayouts = "<Template brand=\"Acme\" part=\"2L\" size=\"A4\" _description=\"Two\">\n"
                                  "  <Label-rectangle id=\"0\" width=\"50mm\" height=\"20mm\">\n"
                                  "    <Layout nx=\"1\" ny=\"5\" x0=\"5mm\" y0=\"5mm\" dx=\"0\" dy=\"30mm\"/>\n"
                                  "    <Layout nx=\"1\" ny=\"5\" x0=\"100mm\" y0=\"5mm\" dx=\"0\" dy=\"30mm\"/>\n"
                                  "  </Label-rectangle>\n</Template>\n";
    WriteFile(
        dir.filePath(QStringLiteral("t.xml")),
        header + round
            + twoLayouts
            // 3 x 80 mm across an A4 sheet: 240 mm wide.
            + product("Acme", "WIDE", "A4", "width=\"80mm\" height=\"20mm\"",
                      "nx=\"3\" ny=\"1\" x0=\"0\" y0=\"0\" dx=\"80mm\" dy=\"0\"")
            + product("Acme", "NEG", "A4", "width=\"80mm\" height=\"20mm\"", "nx=\"1\" ny=\"1\" x0=\"-1mm\" y0=\"0\"")
            + product("Acme", "OK", "A4", "width=\"80mm\" height=\"20mm\"", "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"")
            + "<Template brand=\"Acme\" part=\"R2\" equiv=\"R\"/>\n" + footer);
    const LabelCatalogue c = readFolder(dir.path());
    EXPECT_TRUE(c.problems().isEmpty());
    ASSERT_EQ(c.products().size(), 1u);
    EXPECT_EQ(c.products()[0].part, QStringLiteral("OK"));
    EXPECT_EQ(c.notOffered(), 5);
}

TEST(CatalogueFiles, OverlapsAndRoundingAreMadeToFit)
{
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("t.xml")),
              header
                  // Labels 2 mm wider than their pitch: taken as wide as the pitch.
                  + product("Acme", "OVER", "A4", "width=\"72mm\" height=\"20mm\"",
                            "nx=\"3\" ny=\"2\" x0=\"0\" y0=\"0\" dx=\"70mm\" dy=\"20mm\"")
                  // Three columns that end exactly at the edge of A4 in the catalogue's own
                  // numbers, but 1 MU past it once rounded: the labels give that MU up.
                  + product("Acme", "EDGE", "A4", "width=\"69.9998mm\" height=\"20mm\"",
                            "nx=\"3\" ny=\"1\" x0=\"0.0006mm\" y0=\"0\" dx=\"69.9998mm\" dy=\"0\"")
                  + footer);
    const LabelCatalogue c = readFolder(dir.path());
    const LabelProduct* over = c.find(QStringLiteral("Acme"), QStringLiteral("OVER"));
    ASSERT_NE(over, nullptr);
    EXPECT_EQ(over->labelWidth, 70000);
    EXPECT_EQ(over->hGap, 0);
    const LabelProduct* edge = c.find(QStringLiteral("Acme"), QStringLiteral("EDGE"));
    ASSERT_NE(edge, nullptr);
    EXPECT_EQ(edge->Left, 1);
    EXPECT_EQ(edge->labelWidth, 69999);
    EXPECT_EQ(edge->hGap, 1); // the pitch stays 70 000
    EXPECT_EQ(edge->Left + 3 * (edge->labelWidth + edge->hGap) - edge->hGap, 210000);
}

TEST(CatalogueFiles, BrokenProductsAreSkippedAloneWithALogLine)
{
    QTemporaryDir dir;
    WriteFile(
        dir.filePath(QStringLiteral("t.xml")),
        header + product("Acme", "BADW", "A4", "width=\"wide\" height=\"20mm\"", "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"")
            + product("Acme", "NOH", "A4", "width=\"20mm\"", "nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"")
            + product("Acme", "BADN", "A4", "width=\"20mm\" height=\"20mm\"", "nx=\"three\" ny=\"1\" x0=\"0\" y0=\"0\"")
            + product("Acme", "PAPER", "Tabloid-X", "width=\"20mm\" height=\"20mm\"", "nx=\"1\" ny=\"1\"")
            + product("Acme", "GOOD", "A4", "width=\"20mm\" height=\"20mm\"", "nx=\"1\" ny=\"1\"")
            + "<Template brand=\"Acme\" part=\"LOST\" equiv=\"NOWHERE\"/>\n"
            + "<Template brand=\"Acme\" part=\"X\" equiv=\"Y\"/>\n<Template brand=\"Acme\" part=\"Y\" equiv=\"X\"/>\n"
            + "<Template brand=\"Acme\" part=\"BADW2\" equiv=\"BADW\"/>\n" + "<Template part=\"NOBRAND\"/>\n" + footer);
    const int logged = logEntries12();
    const LabelCatalogue c = readFolder(dir.path());
    ASSERT_EQ(c.products().size(), 1u);
    EXPECT_EQ(c.products()[0].part, QStringLiteral("GOOD"));
    const QString problems = c.problems().join(u'\n');
    // One line each; the equivalent of a broken product adds none.
    EXPECT_EQ(c.problems().size(), 8) << problems.toStdString();
    EXPECT_EQ(logEntries12(), logged + c.problems().size());
    EXPECT_TRUE(problems.contains(QStringLiteral("Acme BADW: the label width 'wide' is not a length")));
    EXPECT_TRUE(problems.contains(QStringLiteral("Acme NOH: the label height is missing")));
    EXPECT_TRUE(problems.contains(QStringLiteral("Acme BADN: the number across nx 'three' is not a whole number")));
    EXPECT_TRUE(problems.contains(QStringLiteral("Acme PAPER: the paper size 'Tabloid-X' is not known")));
    EXPECT_TRUE(
        problems.contains(QStringLiteral("Acme LOST: 'equiv' names Acme NOWHERE, which is not in the catalogue")));
    EXPECT_TRUE(problems.contains(QStringLiteral("Acme X: its 'equiv' products name each other in a circle")));
    EXPECT_TRUE(problems.contains(QStringLiteral("the brand or part number is missing")));
    EXPECT_TRUE(problems.contains(dir.filePath(QStringLiteral("t.xml")) + QStringLiteral(" line ")));
}
