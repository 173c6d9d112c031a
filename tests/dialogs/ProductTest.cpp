// The product chooser on its own, and Template > "New from product..." on
// the real main window: catalogues written here, and the installed catalogue
// when the glabels-data package is there.

#include "common/MainWindowFixture.h"
#include "app/ProgramWindows.h"
#include "common/ScriptedDialogs.h"
#include "common/ModalDialog.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "common/UnitGuard.h"
#include "dialogs/ProductChooser.h"
#include "model/Job.h"
#include "model/Template.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

QByteArray sheet(const char* brand, const char* part, const char* description, const char* size, const char* label,
                 const char* layout)
{
    return QByteArray("<Template brand=\"") + brand + "\" part=\"" + part + "\" size=\"" + size + "\" _description=\""
           + description + "\">\n  <Label-rectangle id=\"0\" " + label + ">\n    <Layout " + layout
           + "/>\n  </Label-rectangle>\n</Template>\n";
}

// A small catalogue of four sheets, two of one brand.
QString writeCatalogue(const QTemporaryDir& dir)
{
    WriteFile(dir.filePath(QStringLiteral("small-templates.xml")),
              QByteArray("<?xml version=\"1.0\"?>\n<Glabels-templates>\n")
                  + sheet("Acme", "100", "Address Labels", "A4", "width=\"70mm\" height=\"37mm\"",
                          "nx=\"3\" ny=\"8\" x0=\"0\" y0=\"0.5mm\" dx=\"70mm\" dy=\"37mm\"")
                  + sheet("Acme", "2100", "Shipping Labels", "US-Letter", "width=\"4in\" height=\"2in\"",
                          "nx=\"2\" ny=\"5\" x0=\"0.15625in\" y0=\"0.5in\" dx=\"4.1875in\" dy=\"2in\"")
                  + "<Template brand=\"Acme\" part=\"2100-W\" equiv=\"2100\"/>\n"
                  + sheet("Bolt", "B7", "Name Badges", "A4", "width=\"90mm\" height=\"55mm\"",
                          "nx=\"2\" ny=\"5\" x0=\"15mm\" y0=\"11mm\" dx=\"90mm\" dy=\"55mm\"")
                  + "</Glabels-templates>\n");
    return dir.path();
}

QString installedCatalogue()
{
    const QString folder = LabelCatalogue::defaultFolder();
    return QFileInfo::exists(folder + QStringLiteral("/avery-us-templates.xml")) ? folder : QString();
}

class ProductDialog : public ::testing::Test {
protected:
    void TearDown() override { closeModals(); }

    QString text(const char* name) const { return dialog.findChild<QLabel*>(QString::fromLatin1(name))->text(); }
    void search(const QString& words)
    {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("EditSEARCH"));
        edit->selectAll();
        edit->insert(words);
    }

    ScopedUnit unit{UnitMm};
    ScriptedMessages messages;
    QTemporaryDir dir;
    ProductChooser dialog;
};

} // namespace

TEST_F(ProductDialog, WithoutACatalogueSaysWhereItComesFrom)
{
    dialog.setCatalogueFolder(dir.filePath(QStringLiteral("templates")));
    LabelProduct chosen;
    EXPECT_FALSE(dialog.execute(chosen));
    EXPECT_FALSE(dialog.isVisible());
    ASSERT_EQ(messages.shown.size(), 1);
    const ShownMessage& m = messages.shown.constFirst();
    EXPECT_EQ(m.sign, MsgSign::Warning);
    EXPECT_TRUE(m.text.startsWith(QStringLiteral("No label catalogue was found in ")
                                  + dir.filePath(QStringLiteral("templates"))));
    EXPECT_TRUE(m.text.contains(QStringLiteral("package glabels-data installs in")));
    EXPECT_TRUE(m.text.contains(QStringLiteral("sudo apt install glabels-data")));

    // A catalogue that offers nothing says so; once one is there it is read.
    WriteFile(dir.filePath(QStringLiteral("templates/round.xml")),
              "<Glabels-templates><Template brand=\"R\" part=\"1\" size=\"A4\"><Label-round id=\"0\" radius=\"1in\">"
              "<Layout nx=\"1\" ny=\"1\" x0=\"0\" y0=\"0\"/></Label-round></Template></Glabels-templates>");
    EXPECT_FALSE(dialog.loadCatalogue());
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown.last().text.contains(QStringLiteral("holds no label sheet")));
    QDir(dir.filePath(QStringLiteral("templates"))).removeRecursively();
    dialog.setCatalogueFolder(writeCatalogue(dir));
    EXPECT_TRUE(dialog.loadCatalogue());
    EXPECT_EQ(messages.shown.size(), 2);
}

TEST_F(ProductDialog, SearchFiltersAndChoosesTheFirstMatch)
{
    dialog.setCatalogueFolder(writeCatalogue(dir));
    ASSERT_TRUE(dialog.loadCatalogue());
    EXPECT_EQ(dialog.shownCount(), 4);
    EXPECT_EQ(text("LabelCOUNT"), QStringLiteral("4 label sheets"));
    auto* ok = dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"));

    search(QStringLiteral("2100"));
    EXPECT_EQ(dialog.shownCount(), 2);
    EXPECT_EQ(text("LabelCOUNT"), QStringLiteral("2 of 4 label sheets"));
    ASSERT_NE(dialog.selectedProduct(), nullptr);
    EXPECT_EQ(dialog.selectedProduct()->part, QStringLiteral("2100"));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_TRUE(text("LabelDETAILS").contains(QStringLiteral("2 across, 5 down, labels 101.6 x 50.8 mm.")));

    // A selection that the search keeps stays selected.
    ASSERT_TRUE(dialog.selectProduct(QStringLiteral("acme"), QStringLiteral("2100-w")));
    search(QStringLiteral("acme ship"));
    EXPECT_EQ(dialog.selectedProduct()->part, QStringLiteral("2100-W"));
    EXPECT_TRUE(text("LabelDETAILS").contains(QStringLiteral("(the sheet of Acme 2100)")));

    search(QStringLiteral("badge"));
    EXPECT_EQ(dialog.selectedProduct()->title(), QStringLiteral("Bolt B7"));

    search(QStringLiteral("nothing like it"));
    EXPECT_EQ(dialog.shownCount(), 0);
    EXPECT_EQ(dialog.selectedProduct(), nullptr);
    EXPECT_FALSE(ok->isEnabled());
    EXPECT_TRUE(text("LabelDETAILS").isEmpty());
    dialog.show();
    dialog.accept(); // nothing chosen: stays open
    EXPECT_TRUE(dialog.isVisible());
    dialog.hide();
}

TEST_F(ProductDialog, OkGivesTheChosenSheetAndCancelNothing)
{
    dialog.setCatalogueFolder(writeCatalogue(dir));
    whenModal([this](QWidget& modal) {
        EXPECT_EQ(&modal, &dialog);
        search(QStringLiteral("badges"));
        QTest::keyClick(dialog.findChild<QLineEdit*>(QStringLiteral("EditSEARCH")), Qt::Key_Return);
    });
    LabelProduct chosen;
    ASSERT_TRUE(dialog.execute(chosen));
    EXPECT_EQ(chosen.title(), QStringLiteral("Bolt B7"));
    EXPECT_EQ(chosen.Left, 15000);
    EXPECT_EQ(chosen.labelHeight, 55000);

    // The arrow keys in the search box move through the list.
    whenModal([this](QWidget&) {
        search(QString());
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("EditSEARCH"));
        ASSERT_TRUE(dialog.selectProduct(QStringLiteral("Acme"), QStringLiteral("100")));
        QTest::keyClick(edit, Qt::Key_Down);
        EXPECT_EQ(dialog.selectedProduct()->part, QStringLiteral("2100"));
        dialog.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click();
    });
    chosen = LabelProduct();
    EXPECT_FALSE(dialog.execute(chosen));
    EXPECT_TRUE(chosen.brand.isEmpty());
}

TEST_F(ProductDialog, CatalogueIsReadOnceAndFollowsTheDisplayUnit)
{
    QTemporaryDir own;
    dialog.setCatalogueFolder(writeCatalogue(own));
    ASSERT_TRUE(dialog.loadCatalogue());
    const QString folder = own.path();
    own.remove(); // gone: the catalogue read is kept for the run
    whenModal([this](QWidget&) {
        EXPECT_EQ(dialog.shownCount(), 4);
        ASSERT_TRUE(dialog.selectProduct(QStringLiteral("Acme"), QStringLiteral("2100")));
        auto* list = dialog.findChild<QTreeView*>(QStringLiteral("ListPRODUCTS"));
        const QModelIndex size = list->model()->index(list->currentIndex().row(), 5);
        EXPECT_EQ(size.data().toString(), QStringLiteral("4 x 2 in."));
        EXPECT_TRUE(text("LabelDETAILS").contains(QStringLiteral("Left margin 0.156, top margin 0.5")));
        dialog.reject();
    });
    CurrentUnit = UnitInch;
    LabelProduct chosen;
    EXPECT_FALSE(dialog.execute(chosen));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(dialog.catalogueFolder(), folder);
}

TEST_F(ProductDialog, InstalledCatalogueFindsAvery5160)
{
    const QString folder = installedCatalogue();
    if (folder.isEmpty())
        GTEST_SKIP() << "no label catalogue in " << LabelCatalogue::defaultFolder().toStdString()
                     << ": install the package glabels-data";
    EXPECT_EQ(dialog.catalogueFolder(), folder);
    ASSERT_TRUE(dialog.loadCatalogue());
    search(QStringLiteral("5160"));
    EXPECT_GE(dialog.shownCount(), 1);
    EXPECT_EQ(dialog.selectedProduct()->title(), QStringLiteral("Avery 5160"));
    EXPECT_TRUE(text("LabelDETAILS")
                    .startsWith(QStringLiteral("Avery 5160: Address Labels\nPaper: US Letter, 215.9 x 279.4 mm.\n"
                                               "3 across, 10 down, labels 66.675 x 25.4 mm.\n"
                                               "Left margin 3.969, top margin 12.7, gaps 3.969 across and 0 down mm.")))
        << text("LabelDETAILS").toStdString();

    // Every sheet offered is one the layout dialog accepts as it is.
    for (const LabelProduct& p : dialog.catalogue().products()) {
        LayoutValues v{p.numAcross, p.numDown, p.Left, p.Top, p.labelWidth, p.labelHeight, p.hGap, p.vGap};
        EXPECT_TRUE(labelsFit(v, p.paperWidth, p.paperHeight)) << p.title().toStdString();
    }
}

// ---------------------------------------------------------------- the command

namespace {

class ProductCommand : public MainWindowTest {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        start();
        messages.shown.clear();
    }

    QAction* action(const char* name) const { return main_->findChild<QAction*>(QString::fromLatin1(name)); }
    // Chooses the sheet in the product chooser once it opens.
    void choose(const QString& words, const QString& brand, const QString& part)
    {
        whenModal<ProductChooser>([words, brand, part](ProductChooser& chooser) {
            auto* edit = chooser.findChild<QLineEdit*>(QStringLiteral("EditSEARCH"));
            edit->selectAll();
            edit->insert(words);
            ASSERT_TRUE(chooser.selectProduct(brand, part));
            chooser.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
        });
    }
};

} // namespace

TEST_F(ProductCommand, SitsBesideNewAndIsAlwaysThere)
{
    auto* menu = main_->findChild<QMenu*>(QStringLiteral("Template1"));
    const QList<QAction*> entries = menu->actions();
    const auto at = entries.indexOf(action("NEWTEMPLATE"));
    ASSERT_GE(at, 0);
    ASSERT_LT(at + 1, entries.size());
    EXPECT_EQ(entries[at + 1], action("NewTemplateFromProduct"));
    EXPECT_EQ(action("NewTemplateFromProduct")->text(), QStringLiteral("New from pro&duct..."));
    emit menu->aboutToShow();
    EXPECT_FALSE(main_->job().TEMPLATEEXISTS());
    EXPECT_TRUE(action("NewTemplateFromProduct")->isEnabled());
    EXPECT_FALSE(action("Editlayout1")->isEnabled());
    ASSERT_NE(main_->windows().product, nullptr);
    EXPECT_EQ(main_->windows().product->objectName(), QStringLiteral("FormPRODUCT"));
    EXPECT_FALSE(TBASEFORM::of(main_->windows().product)->savesPlacement);
}

TEST_F(ProductCommand, MakesTheWholeTemplateInOneStep)
{
    main_->windows().product->setCatalogueFolder(writeCatalogue(dir));
    const int drawn = main_->preview().refreshCount();
    choose(QStringLiteral("shipping"), QStringLiteral("Acme"), QStringLiteral("2100-W"));
    trigger("NewTemplateFromProduct");

    const TTEMPLATE& t = *main_->job().TEMPLATE();
    EXPECT_EQ(t.PAPERMUWIDTH, 215900);
    EXPECT_EQ(t.PAPERMUHEIGHT, 279400);
    EXPECT_EQ(t.NUMACROSS, 2);
    EXPECT_EQ(t.NUMDOWN, 5);
    EXPECT_EQ(t.MULEFT, 3969);
    EXPECT_EQ(t.MUTOP, 12700);
    EXPECT_EQ(t.MULABELWIDTH, 101600);
    EXPECT_EQ(t.MULABELHEIGHT, 50800);
    // The pitch 4.1875 in is 106 362.5 MU, to the even neighbour 106 362; less the label.
    EXPECT_EQ(t.MUHGAP, 4762);
    EXPECT_EQ(t.MUVGAP, 0);
    EXPECT_FALSE(t.LANDSCAPE());
    EXPECT_TRUE(t.FULLFILENAME.isEmpty());
    EXPECT_TRUE(t.ALTERED);
    EXPECT_TRUE(main_->job().ALTERED());
    EXPECT_GT(main_->preview().refreshCount(), drawn);
    EXPECT_TRUE(messages.shown.isEmpty());

    // The layout dialog takes the grid as it is.
    emit main_->findChild<QMenu*>(QStringLiteral("Template1"))->aboutToShow();
    EXPECT_TRUE(action("Editlayout1")->isEnabled());
    LayoutValues v{t.NUMACROSS, t.NUMDOWN, t.MULEFT, t.MUTOP, t.MULABELWIDTH, t.MULABELHEIGHT, t.MUHGAP, t.MUVGAP};
    EXPECT_TRUE(labelsFit(v, t.PAPERMUWIDTH, t.PAPERMUHEIGHT));

    // Cancel leaves the template as it is (unsaved, it is first offered for saving).
    messages.answer(MsgAnswer::No);
    whenModal([](QWidget& modal) { modal.findChild<QPushButton*>(QStringLiteral("CancelBtn"))->click(); });
    trigger("NewTemplateFromProduct");
    EXPECT_EQ(main_->job().TEMPLATE()->NUMACROSS, 2);
    EXPECT_EQ(main_->job().TEMPLATE()->MUHGAP, 4762);
}

TEST_F(ProductCommand, WithoutTheCatalogueLeavesTheJobAlone)
{
    main_->windows().product->setCatalogueFolder(dir.filePath(QStringLiteral("missing")));
    trigger("NewTemplateFromProduct");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.constFirst().text.contains(QStringLiteral("glabels-data")));
    EXPECT_FALSE(main_->job().TEMPLATEEXISTS());
    EXPECT_FALSE(main_->job().ALTERED());
}

TEST_F(ProductCommand, Avery5160FromTheInstalledCatalogue)
{
    if (installedCatalogue().isEmpty())
        GTEST_SKIP() << "no label catalogue in " << LabelCatalogue::defaultFolder().toStdString()
                     << ": install the package glabels-data";
    choose(QStringLiteral("5160"), QStringLiteral("Avery"), QStringLiteral("5160"));
    trigger("NewTemplateFromProduct");
    const TTEMPLATE& t = *main_->job().TEMPLATE();
    EXPECT_EQ(t.PAPERMUWIDTH, 215900);
    EXPECT_EQ(t.PAPERMUHEIGHT, 279400);
    EXPECT_EQ(t.NUMACROSS, 3);
    EXPECT_EQ(t.NUMDOWN, 10);
    EXPECT_EQ(t.MULABELWIDTH, 66675);
    EXPECT_EQ(t.MULABELHEIGHT, 25400);
    EXPECT_EQ(t.MULEFT, 3969);
    EXPECT_EQ(t.MUTOP, 12700);
    EXPECT_EQ(t.MUHGAP, 3969);
    EXPECT_EQ(t.MUVGAP, 0);
    EXPECT_TRUE(main_->job().ALTERED());
}
