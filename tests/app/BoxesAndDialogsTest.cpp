#include "MainWindowFixture.h"

#include "common/ModalDialog.h"
#include "dialogs/FormNEWPAPER.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

TEST_F(MainWindowTest, PaperDialogStartsWhereTheLastChoiceLeftIt)
{
    TFormMAIN& main = start();
    main.windows().newPaper->setPaperSize(215900, 279400); // Letter, chosen before a Cancel
    whenModal([](QWidget& paper) { QTest::keyClick(&paper, Qt::Key_Return); });
    trigger("NEWTEMPLATE");
    EXPECT_EQ(main.job().TEMPLATE()->PAPERMUWIDTH, 215900);
}

TEST_F(MainWindowTest, BoxesPagesAndRightClickDoWhatWasTyped)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 5), 1, 2)});
    auto* page = child<QLineEdit>("EditPAGENUM");
    auto* startBox = child<QLineEdit>("EditStartLabNum");
    auto numbers = [&] { return startBox->text() + child<QLineEdit>("EditRepeatLabelNum")->text(); };
    typeInto("EditStartLabNum", QString());
    for (Qt::FocusReason over : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) { // a menu, a dialog
        QFocusEvent out(QEvent::FocusOut, over);
        QCoreApplication::sendEvent(startBox, &out);
    }
    EXPECT_EQ(startBox->text(), "");
    // Ten slots on three pages; one repeat fewer leaves two, and the box follows.
    child<QPushButton>("ButtonLASTPAGE")->click();
    typeInto("EditRepeatLabelNum", QStringLiteral("1"));
    EXPECT_TRUE(main.pageIndex() == 1 && page->text() == "2");
    QTest::keyClick(page, Qt::Key_PageUp); // up is the page before, as on the arrows
    EXPECT_TRUE(main.pageIndex() == 0 && page->text() == "1");
    QTest::keyClick(page, Qt::Key_Down);
    EXPECT_TRUE(main.pageIndex() == 1 && page->text() == "2");
    // Saved before any data was read (0 and 0), its data file missing; then
    // Close job after one that starts at 4: the boxes hold what prints.
    ASSERT_TRUE(main.FNOPENJOB(writeJob(path("b.GVJ"), 2, 2, path("missing.txt"), 0, 0)));
    EXPECT_TRUE(numbers() == "11" && main.job().DATAINFO()->STARTLABNUM == 1);
    ASSERT_TRUE(main.FNOPENJOB(writeJob(path("c.GVJ"), 2, 2, path("data.txt"), 4, 3))); // five pages
    typeInto("EditPAGENUM", QStringLiteral("5"));
    QTest::mouseClick(child<QWidget>("ImagePAPER"), Qt::RightButton, {}, QPoint(2, 2)); // top-left margin
    EXPECT_FALSE(child<QMenu>("PopupMenu1")->isVisible());
    trigger("CLOSEJOB");
    EXPECT_EQ(numbers(), "11");
}
