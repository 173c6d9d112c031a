// The main window's boxes, keys and dialogs doing what the user typed.
#include "MainWindowFixture.h"

#include "model/Job.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

namespace {
// Runs `steps` on the modal dialog that the next command opens.
void whenModal(std::function<void(QWidget&)> steps)
{
    QTimer::singleShot(0, [steps] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        steps(*dialog);
    });
}

template <class T>
T* in(QWidget& dialog, const char* name)
{
    return dialog.findChild<T*>(QString::fromLatin1(name));
}
} // namespace

TEST_F(TMainWindowTest, PaperDialogStartsWhereTheLastChoiceLeftIt)
{
    TFormMAIN& main = start();
    // Letter chosen, then Cancel: no template, but the next New starts there.
    whenModal([](QWidget& d) {
        emit in<QComboBox>(d, "ComboBoxPAPER")->activated(2);
        in<QPushButton>(d, "CancelBtn")->click();
    });
    trigger("NEWTEMPLATE");
    EXPECT_FALSE(main.job().TEMPLATEEXISTS());
    whenModal([](QWidget& d) {
        EXPECT_EQ(in<QLineEdit>(d, "EditWIDTH")->text(), "215.9");
        EXPECT_EQ(in<QLineEdit>(d, "EditHEIGHT")->text(), "279.4");
        in<QLineEdit>(d, "EditWIDTH")->setText(QStringLiteral("100"));
        in<QLineEdit>(d, "EditHEIGHT")->setText(QStringLiteral("150"));
        in<QPushButton>(d, "OKBtn")->click();
    });
    trigger("NEWTEMPLATE");
    EXPECT_EQ(main.job().TEMPLATE()->PAPERMUWIDTH, 100000);
    EXPECT_EQ(main.job().TEMPLATE()->PAPERMUHEIGHT, 150000);
    EXPECT_EQ(main.defaultPaperWidth(), 100000);
    EXPECT_EQ(main.defaultPaperHeight(), 150000);
}

TEST_F(TMainWindowTest, BoxesAreTidiedOnlyWhenReallyLeftAndShowWhatPrints)
{
    const QString data = writeData("data.txt", 5);
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, data, 1, 2)});
    auto* start = child<QLineEdit>("EditStartLabNum");
    auto* repeat = child<QLineEdit>("EditRepeatLabelNum");
    auto* page = child<QLineEdit>("EditPAGENUM");

    // A menu or a dialog opened over the box leaves the typing alone.
    typeInto("EditStartLabNum", QString());
    for (Qt::FocusReason reason : {Qt::PopupFocusReason, Qt::ActiveWindowFocusReason}) {
        QFocusEvent over(QEvent::FocusOut, reason);
        QCoreApplication::sendEvent(start, &over);
        EXPECT_EQ(start->text(), "");
    }
    leave("EditStartLabNum");
    EXPECT_EQ(start->text(), "1");

    // Ten slots make three pages; one repeat fewer makes two, and the page
    // box follows to the last page drawn.
    child<QPushButton>("ButtonLASTPAGE")->click();
    ASSERT_EQ(page->text(), "3");
    typeInto("EditRepeatLabelNum", QStringLiteral("1"));
    EXPECT_EQ(main.job().PAGECOUNT(), 2);
    EXPECT_EQ(main.pageIndex(), 1);
    EXPECT_EQ(page->text(), "2");

    // A job saved before any data was read holds 0 for both; its data file
    // is missing. The boxes show what printing uses, and the job holds it.
    trigger("CLOSEJOB");
    const QString bare = writeJob(path("b.GVJ"), 2, 2, path("missing.txt"), 0, 0);
    ASSERT_TRUE(main.FNOPENJOB(bare));
    EXPECT_EQ(start->text(), "1");
    EXPECT_EQ(repeat->text(), "1");
    EXPECT_EQ(main.job().DATAINFO()->STARTLABNUM, 1);
    EXPECT_EQ(main.job().DATAINFO()->RepeatLabelNum, 1);

    // Close job leaves no stale number behind.
    ASSERT_TRUE(main.FNOPENJOB(writeJob(path("c.GVJ"), 2, 2, data, 4, 3)));
    EXPECT_EQ(start->text(), "4");
    trigger("CLOSEJOB");
    EXPECT_EQ(start->text(), "1");
    EXPECT_EQ(repeat->text(), "1");
}

TEST_F(TMainWindowTest, RightClickInAMarginOpensNothingOnAnyPage)
{
    // Start at slot 4 of a 2 x 2 sheet: three labels fill two pages.
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 3), 4)});
    auto* image = child<QWidget>("ImagePAPER");
    auto* popup = child<QMenu>("PopupMenu1");
    const QPoint margin(2, 2); // the top-left corner of the sheet
    for (int pageNumber : {1, 2}) {
        typeInto("EditPAGENUM", QString::number(pageNumber));
        ASSERT_EQ(main.pageIndex(), pageNumber - 1);
        QTest::mouseClick(image, Qt::RightButton, {}, margin);
        EXPECT_FALSE(popup->isVisible()) << "page " << pageNumber;
        popup->hide();
    }
}

TEST_F(TMainWindowTest, PageKeysAndDistinctMnemonics)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 12))});
    auto* page = child<QLineEdit>("EditPAGENUM");
    const int drawn = main.refreshCount();
    const struct {
        Qt::Key key;
        int page;
    } steps[] = {{Qt::Key_Down, 2}, {Qt::Key_PageDown, 3}, {Qt::Key_PageDown, 3}, {Qt::Key_PageUp, 2},
                 {Qt::Key_Up, 1},   {Qt::Key_Up, 1}};
    for (const auto& step : steps) {
        QTest::keyClick(page, step.key);
        EXPECT_EQ(page->text(), QString::number(step.page)) << step.key;
        EXPECT_EQ(main.pageIndex(), step.page - 1) << step.key;
    }
    EXPECT_EQ(main.refreshCount(), drawn + 6);

    // Each menu's entries are reached by different letters.
    for (const char* name : {"File1", "Template1", "Data1"}) {
        QStringList letters;
        for (QAction* a : child<QMenu>(name)->actions()) {
            const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("&([^&])")).match(a->text());
            if (m.hasMatch())
                letters << m.captured(1).toLower();
        }
        EXPECT_EQ(letters.size(), QSet<QString>(letters.begin(), letters.end()).size())
            << name << ": " << letters.join(u' ').toStdString();
    }
}
