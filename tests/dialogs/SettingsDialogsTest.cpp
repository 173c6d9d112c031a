#include "common/Controls.h"
#include "common/ModalDialog.h"
#include "common/ScriptedMessages.h"
#include "common/UnitGuard.h"
#include "dialogs/FormLAYOUT.h"
#include "dialogs/FormNEWPAPER.h"
#include "dialogs/FormSCALE.h"
#include "dialogs/FormSETTINGS.h"
#include "dialogs/FormSETUNITS.h"
#include "model/Template.h"
#include "model/Units.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTabWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

namespace {
// Clicks a radio button or check box on its indicator, which a click always
// hits however wide the box is laid out.
void tick(QWidget& dialog, const char* name)
{
    auto* box = child<QAbstractButton>(dialog, name);
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
}

void type(QWidget& dialog, const char* edit, const QString& text)
{
    auto* box = child<QLineEdit>(dialog, edit);
    box->clear();
    QTest::keyClicks(box, text);
}

class DialogTest : public ::testing::Test {
protected:
    void TearDown() override { closeModals(); }
    ScopedUnit unit{CurrentUnit};
    ScriptedMessages messages;
};
} // namespace

using UnitsDialog = DialogTest;

TEST_F(UnitsDialog, ShowsTheCurrentUnitOkSetsTheChoiceCancelKeepsIt)
{
    TFormSETUNITS dialog;
    EXPECT_FALSE(dialog.savesPlacement);
    CurrentUnit = UnitInch;
    whenModal<QDialog>([](QDialog& d) {
        EXPECT_EQ(child<QAbstractButton>(d, "RBINCHES")->text(), QStringLiteral("inches"));
        EXPECT_EQ(child<QAbstractButton>(d, "RBCENTIMETERS")->text(), QStringLiteral("centimeters"));
        EXPECT_EQ(child<QAbstractButton>(d, "RBMILIMETERS")->text(), QStringLiteral("milimeters"));
        EXPECT_TRUE(child<QAbstractButton>(d, "RBINCHES")->isChecked());
        EXPECT_EQ(d.focusWidget(), child(d, "OKBtn"));
        tick(d, "RBCENTIMETERS");
        click(d, "CancelBtn");
    });
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(CurrentUnit, UnitInch);

    whenModal<QDialog>([](QDialog& d) {
        EXPECT_TRUE(child<QAbstractButton>(d, "RBINCHES")->isChecked()); // refilled
        tick(d, "RBMILIMETERS");
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.execute());
    EXPECT_EQ(CurrentUnit, UnitInch);

    whenModal<QDialog>([](QDialog& d) {
        tick(d, "RBCENTIMETERS");
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.execute());
    EXPECT_EQ(CurrentUnit, UnitCm);
}

class ScaleDialog : public DialogTest {
protected:
    void expectShows(int position, const char* text)
    {
        EXPECT_EQ(child<QSlider>(dialog, "TrackBarSCALE")->value(), position);
        EXPECT_EQ(textOf(dialog, "EditSCALE"), QString::fromLatin1(text));
    }
    TFormSCALE dialog;
};

TEST_F(ScaleDialog, StoredScalesShowAsPerCent)
{
    EXPECT_FALSE(dialog.savesPlacement);
    expectShows(100, "100");
    dialog.setScale(1.5);
    expectShows(150, "150");
    dialog.setScale(1.005); // 100.4999... per cent
    expectShows(100, "100");
    // Beyond the track bar both show the scale held in its range.
    dialog.setScale(5.0);
    expectShows(200, "200");
    dialog.setScale(0.05);
    expectShows(10, "10");
}

TEST_F(ScaleDialog, EditTrackBarAndArrowsKeepInStep)
{
    dialog.show();
    auto* track = child<QSlider>(dialog, "TrackBarSCALE");
    auto* upDown = child<UpDown>(dialog, "UpDownSCALE");
    paste(dialog, "EditSCALE", QStringLiteral("abc"));
    expectShows(100, ""); // typing goes on: kept as typed until the box is left
    paste(dialog, "EditSCALE", QStringLiteral("350"));
    expectShows(200, "350"); // the bar follows as far as it goes
    emit child<QLineEdit>(dialog, "EditSCALE")->editingFinished();
    expectShows(200, "200");
    paste(dialog, "EditSCALE", QStringLiteral("1x2"));
    expectShows(12, "12");
    for (const char* typed : {"50", "150", "5"}) { // typed over the selected number
        child<QLineEdit>(dialog, "EditSCALE")->selectAll();
        QTest::keyClicks(child(dialog, "EditSCALE"), QString::fromLatin1(typed));
        EXPECT_EQ(textOf(dialog, "EditSCALE"), QString::fromLatin1(typed));
    }
    expectShows(10, "5"); // the box keeps what is typed until it is left

    track->setValue(75);
    expectShows(75, "75");
    QTest::keyClick(track, Qt::Key_PageUp);
    expectShows(100, "100");

    // The arrows and the arrow keys step the edit box's number.
    upDown->stepUp();
    expectShows(101, "101");
    QTest::keyClick(child(dialog, "EditSCALE"), Qt::Key_Down);
    QTest::keyClick(child(dialog, "EditSCALE"), Qt::Key_Down);
    expectShows(99, "99");
    track->setValue(200);
    paste(dialog, "EditSCALE", QStringLiteral("499"));
    upDown->stepUp();
    upDown->stepUp();
    expectShows(200, "200");
    paste(dialog, "EditSCALE", QStringLiteral("11"));
    upDown->stepDown();
    upDown->stepDown();
    expectShows(10, "10");
    // An emptied box with the bar at its end holds no number: the arrows
    // start from the bar.
    child<QLineEdit>(dialog, "EditSCALE")->clear();
    expectShows(10, "");
    upDown->stepUp();
    expectShows(11, "11");
}

TEST_F(ScaleDialog, OkTakesTheTrackBarWithinTheLimitsCancelNothing)
{
    double scale = 5.0;
    whenModal<QDialog>([](QDialog& d) { click(d, "OKBtn"); });
    EXPECT_TRUE(dialog.execute(scale, 0.1, 3.0));
    EXPECT_DOUBLE_EQ(scale, 2.0);

    scale = 1.0;
    whenModal<QDialog>([](QDialog& d) {
        paste(d, "EditSCALE", QStringLiteral("350"));
        paste(d, "EditSCALE", QStringLiteral("350"));
        click(d, "OKBtn");
    });
    EXPECT_TRUE(dialog.execute(scale, 0.1, 3.0));
    EXPECT_DOUBLE_EQ(scale, 2.0);

    whenModal<QDialog>([](QDialog& d) { click(d, "OKBtn"); });
    EXPECT_TRUE(dialog.execute(scale, 0.5, 1.5));
    EXPECT_DOUBLE_EQ(scale, 1.5);
    scale = 0.1;
    whenModal<QDialog>([](QDialog& d) { click(d, "OKBtn"); });
    EXPECT_TRUE(dialog.execute(scale, 0.5, 1.5));
    EXPECT_DOUBLE_EQ(scale, 0.5);

    whenModal<QDialog>([](QDialog& d) {
        child<QSlider>(d, "TrackBarSCALE")->setValue(30);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.execute(scale, 0.1, 3.0));
    EXPECT_DOUBLE_EQ(scale, 0.5);
}

using SettingsDialog = DialogTest;

TEST_F(SettingsDialog, ViewSwitchesAreCoupled)
{
    TFormSETTINGS dialog;
    EXPECT_FALSE(dialog.savesPlacement);
    EXPECT_TRUE(dialog.saveDesktop() && dialog.saveSettings() && dialog.saveFileInfo());
    dialog.show();
    child<QTabWidget>(dialog, "PageControlSETTINGS")->setCurrentIndex(1);
    tick(dialog, "CheckBoxSHOWTEMPLATE");
    EXPECT_TRUE(dialog.showLabels());
    EXPECT_FALSE(dialog.showTemplate());
    // Clearing labels while the template is clear sets the template.
    tick(dialog, "CheckBoxSHOWLABEL");
    EXPECT_FALSE(dialog.showLabels());
    EXPECT_TRUE(dialog.showTemplate());
    // Setting one changes nothing else.
    tick(dialog, "CheckBoxSHOWLABEL");
    EXPECT_TRUE(dialog.showLabels() && dialog.showTemplate());
    // The setters obey the rule too: switches from the store never hide everything.
    dialog.setShowLabels(false);
    dialog.setShowTemplate(false);
    EXPECT_TRUE(dialog.showLabels());
    EXPECT_FALSE(dialog.showTemplate());
}

TEST_F(SettingsDialog, CancelEscapeAndClosingRestoreTheBoxesOkKeepsThem)
{
    TFormSETTINGS dialog;
    dialog.setShowTemplate(false);
    dialog.setSaveFileInfo(false);
    const auto changeAll = [](QDialog& d) {
        tick(d, "CheckBoxSAVEDESKTOP");
        tick(d, "CheckBoxSAVESETTINGS");
        tick(d, "CheckBoxSAVEFILEINFO");
        tick(d, "CheckBoxSHOWLABEL"); // sets the template too
    };
    const auto expectAsBefore = [&] {
        EXPECT_TRUE(dialog.saveDesktop() && dialog.saveSettings() && dialog.showLabels());
        EXPECT_FALSE(dialog.saveFileInfo() || dialog.showTemplate());
    };
    whenModal<QDialog>([&](QDialog& d) {
        changeAll(d);
        click(d, "ButtonCANCEL");
    });
    EXPECT_FALSE(dialog.execute());
    expectAsBefore();
    whenModal<QDialog>([&](QDialog& d) {
        changeAll(d);
        QTest::keyClick(&d, Qt::Key_Escape);
    });
    EXPECT_FALSE(dialog.execute());
    expectAsBefore();
    whenModal<QDialog>([&](QDialog& d) {
        changeAll(d);
        d.close();
    });
    EXPECT_FALSE(dialog.execute());
    expectAsBefore();

    whenModal<QDialog>([&](QDialog& d) {
        changeAll(d);
        click(d, "ButtonOK");
    });
    EXPECT_TRUE(dialog.execute());
    EXPECT_FALSE(dialog.saveDesktop() || dialog.saveSettings() || dialog.showLabels());
    EXPECT_TRUE(dialog.saveFileInfo() && dialog.showTemplate());
}

TEST_F(SettingsDialog, MainTabFirstThenTheLastChosenButtonsCentred)
{
    TFormSETTINGS dialog;
    auto* pages = child<QTabWidget>(dialog, "PageControlSETTINGS");
    whenModal<QDialog>([&](QDialog& d) {
        EXPECT_EQ(pages->tabText(pages->currentIndex()), QStringLiteral("Main"));
        pages->setCurrentIndex(1);
        click(d, "ButtonOK");
    });
    dialog.execute();
    whenModal<QDialog>([&](QDialog& d) {
        EXPECT_EQ(pages->tabText(pages->currentIndex()), QStringLiteral("View"));
        click(d, "ButtonCANCEL");
    });
    dialog.execute();

    dialog.show();
    QWidget* bar = child(dialog, "PanelBUTTONS");
    QWidget* ok = child(dialog, "ButtonOK");
    QWidget* cancel = child(dialog, "ButtonCANCEL");
    for (int width : {bar->width(), 401, 640}) {
        bar->resize(width, bar->height());
        EXPECT_EQ(cancel->x() - (ok->x() + ok->width()), 16);
        EXPECT_LE(std::abs(ok->x() - (width - cancel->x() - cancel->width())), 1) << width;
    }
}

class PaperDialog : public DialogTest {
protected:
    void choose(QDialog& d, int entry)
    {
        auto* list = child<QComboBox>(d, "ComboBoxPAPER");
        list->setCurrentIndex(entry);
        emit list->activated(entry);
    }
    QStringList entries()
    {
        auto* list = child<QComboBox>(dialog, "ComboBoxPAPER");
        QStringList out;
        for (int i = 0; i < list->count(); ++i)
            out << list->itemText(i);
        return out;
    }
    TFormNEWPAPER dialog;
};

TEST_F(PaperDialog, ListAndSizeFollowTheDisplayUnit)
{
    EXPECT_FALSE(dialog.savesPlacement);
    CurrentUnit = UnitMm;
    dialog.show();
    EXPECT_EQ(entries(),
              (QStringList{"A4 Portrait 210 x 297 mm.", "A4 Landscape 297 x 210 mm.",
                           "Letter Portrait 215.9 x 279.4 mm.", "Letter Landscape 279.4 x 215.9 mm.", "Custom"}));
    EXPECT_EQ(child<QComboBox>(dialog, "ComboBoxPAPER")->currentIndex(), -1);
    EXPECT_EQ(textOf(dialog, "EditWIDTH") + textOf(dialog, "EditHEIGHT"), QStringLiteral("210297"));
    EXPECT_EQ(textOf(dialog, "Label2UNITS"), QStringLiteral("milimeters"));
    dialog.hide();

    CurrentUnit = UnitInch;
    dialog.show();
    EXPECT_EQ(entries().first(), QStringLiteral("A4 Portrait 8.268 x 11.693 in."));
    EXPECT_EQ(textOf(dialog, "EditWIDTH"), QStringLiteral("8.268"));
    EXPECT_EQ(textOf(dialog, "Label1UNITS"), QStringLiteral("inches"));
    choose(dialog, 3);
    EXPECT_EQ(textOf(dialog, "EditWIDTH") + QLatin1Char('/') + textOf(dialog, "EditHEIGHT"), QStringLiteral("11/8.5"));
    // Custom keeps the size and puts it back over what was typed.
    type(dialog, "EditWIDTH", QStringLiteral("100"));
    choose(dialog, 4);
    EXPECT_EQ(textOf(dialog, "EditWIDTH"), QStringLiteral("11"));
    EXPECT_EQ(dialog.paperWidth(), 279400);
}

TEST_F(PaperDialog, LimitsAndInvalidDimensions)
{
    dialog.show();
    const auto pressOk = [&](const char* width, const char* height) {
        messages.shown.clear();
        type(dialog, "EditWIDTH", QString::fromLatin1(width));
        type(dialog, "EditHEIGHT", QString::fromLatin1(height));
        click(dialog, "OKBtn");
        return !dialog.isVisible();
    };
    // The last is 2^32 MU more than 210 mm: a count that wraps round to 210 mm.
    for (auto [width, height] : {std::pair{"900.001", "297"},
                                 {"0", "297"},
                                 {"210", "0"},
                                 {"210", "1200.001"},
                                 {"abc", "297"},
                                 {"210", ""},
                                 {"-210", "297"},
                                 {"4295177.296", "297"}}) {
        EXPECT_FALSE(pressOk(width, height)) << width << " x " << height;
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, QStringLiteral("Invalid dimensions."));
        EXPECT_TRUE(messages.shown[0].plain);
        EXPECT_EQ(dialog.paperWidth(), 210000);
        EXPECT_EQ(dialog.paperHeight(), 297000);
    }
    EXPECT_TRUE(pressOk("900", "1200"));
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(dialog.paperWidth(), 900000);
    EXPECT_EQ(dialog.paperHeight(), 1200000);
}

TEST_F(PaperDialog, ExecuteStartsFromTheGivenSizeAndKeepsAChosenSheetAfterCancel)
{
    MU width = 210000, height = 297000;
    whenModal<QDialog>([this](QDialog& d) {
        choose(d, 2);
        click(d, "CancelBtn");
    });
    EXPECT_FALSE(dialog.execute(width, height));
    EXPECT_EQ(std::pair(width, height), std::pair(215900, 279400));

    whenModal<QDialog>([](QDialog& d) {
        EXPECT_EQ(textOf(d, "EditWIDTH"), QStringLiteral("215.9"));
        type(d, "EditWIDTH", QStringLiteral("100.5"));
        type(d, "EditHEIGHT", QStringLiteral(" 50 "));
        QTest::keyClick(&d, Qt::Key_Return);
    });
    EXPECT_TRUE(dialog.execute(width, height));
    EXPECT_EQ(std::pair(width, height), std::pair(100500, 50000));

    // A size held elsewhere is brought within the limits when shown.
    width = -5;
    height = 2000000;
    whenModal<QDialog>([](QDialog& d) { click(d, "CancelBtn"); });
    EXPECT_FALSE(dialog.execute(width, height));
    EXPECT_EQ(std::pair(width, height), std::pair(210000, 1200000));
}

namespace {
TTEMPLATE a4Template()
{
    TTEMPLATE t;
    t.PAPERMUWIDTH = 210000;
    t.PAPERMUHEIGHT = 297000;
    t.NUMACROSS = 3;
    t.NUMDOWN = 7;
    t.MULEFT = 5000;
    t.MUTOP = 12500;
    t.MULABELWIDTH = 66000;
    t.MULABELHEIGHT = 38100;
    t.MUHGAP = 2500;
    return t;
}
} // namespace

class LayoutDialog : public DialogTest {
protected:
    // Fills the eight boxes and presses OK: true when the dialog closed.
    bool pressOk(const std::array<const char*, 8>& texts)
    {
        static const std::array<const char*, 8> names = {"EditNUMACROSS",  "EditNUMDOWN",     "EditLEFT", "EditTOP",
                                                         "EditLABELWIDTH", "EditLABELHEIGHT", "EditHGAP", "EditVGAP"};
        if (!dialog.isVisible()) {
            dialog.fillFrom(paper);
            dialog.show();
        }
        for (std::size_t i = 0; i < names.size(); ++i)
            type(dialog, names[i], QString::fromUtf8(texts[i]));
        messages.shown.clear();
        click(dialog, "OKBtn");
        return !dialog.isVisible();
    }
    void expectRefusal(const char* focused, const QString& text)
    {
        EXPECT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.shown[0].text, text);
        EXPECT_EQ(messages.shown[0].sign, MsgSign::Error);
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
        if (focused) { // a grid that does not fit names no one field
            EXPECT_EQ(dialog.focusWidget(), child(dialog, focused));
        }
    }
    TTEMPLATE paper = a4Template();
    TFormLAYOUT dialog;
};

TEST_F(LayoutDialog, IsFilledFromTheTemplateInTheDisplayUnit)
{
    EXPECT_TRUE(dialog.savesPlacement); // the layout dialog is part of the saved desktop
    CurrentUnit = UnitMm;
    dialog.fillFrom(paper);
    dialog.show();
    QStringList shown;
    for (const char* name : {"LabelUNITS", "LabelPAPERWIDTH", "LabelPAPERHEIGHT", "EditNUMACROSS", "EditNUMDOWN",
                             "EditLEFT", "EditTOP", "EditLABELWIDTH", "EditLABELHEIGHT", "EditHGAP", "EditVGAP"})
        shown << textOf(dialog, name);
    EXPECT_EQ(shown, (QStringList{"Units = mm.", "Paper width = 210", "Paper height = 297", "3", "7", "5", "12.5", "66",
                                  "38.1", "2.5", "0"}));
    // The units caption stays in the middle of its panel.
    QWidget* units = child(dialog, "LabelUNITS");
    QWidget* panel = child(dialog, "PanelBASE");
    dialog.resize(dialog.width() + 101, dialog.height());
    QApplication::processEvents();
    EXPECT_LE(std::abs(units->x() - (panel->width() - units->width()) / 2), 1);
    dialog.hide();

    CurrentUnit = UnitInch;
    dialog.fillFrom(paper);
    EXPECT_EQ(textOf(dialog, "LabelUNITS"), QStringLiteral("Units = in."));
    EXPECT_EQ(textOf(dialog, "LabelPAPERWIDTH"), QStringLiteral("Paper width = 8.268"));
    EXPECT_EQ(textOf(dialog, "EditLABELHEIGHT"), QStringLiteral("1.5"));
}

TEST_F(LayoutDialog, FitTestOnA4)
{
    EXPECT_TRUE(pressOk({"3", "1", "0", "0", "70", "297", "0", "0"}));
    EXPECT_EQ(dialog.values(), (LayoutValues{3, 1, 0, 0, 70000, 297000, 0, 0}));
    EXPECT_FALSE(pressOk({"3", "1", "0.1", "0", "70", "297", "0", "0"}));
    expectRefusal(nullptr, QStringLiteral("Labels do not fit on page."));
    // No gap after the last column or row.
    EXPECT_TRUE(pressOk({"2", "2", "0", "0", "100", "143.5", "10", "10"}));
    EXPECT_FALSE(pressOk({"2", "2", "0", "0", "100", "143.501", "10", "10"}));
    // No labels at all fit while the margin is within the paper and one gap.
    EXPECT_TRUE(pressOk({"0", "0", "215", "0", "70", "70", "5", "0"}));
    EXPECT_FALSE(pressOk({"0", "0", "215.001", "0", "70", "70", "5", "0"}));
}

TEST_F(LayoutDialog, FieldsAreCheckedInOrderWithTheirOwnMessages)
{
    EXPECT_FALSE(pressOk({"x", "y", "1", "1", "1", "1", "1", "1"}));
    expectRefusal("EditNUMACROSS", QStringLiteral("Labels across: 'x' is not a valid positive integer"));
    EXPECT_FALSE(pressOk({"1", "2.0", "1", "1", "1", "1", "1", "1"}));
    expectRefusal("EditNUMDOWN", QStringLiteral("Labels down: '2.0' is not a valid positive integer"));
    EXPECT_FALSE(pressOk({"1", "1", "abc", "1", "1", "1", "1", "1"}));
    expectRefusal("EditLEFT", QStringLiteral("Left margin: 'abc' is not a valid positive number"));
    for (const char* bad : {"12,5", "-3", "1e2", ""}) {
        EXPECT_FALSE(pressOk({"1", "1", "1", "1", "1", "1", "1", bad}));
        expectRefusal(
            "EditVGAP",
            QStringLiteral("Vertical gap: '%1' is not a valid positive number").arg(QString::fromLatin1(bad)));
    }
    EXPECT_TRUE(pressOk({" 7 ", "1", " 7 ", "5.", ".5", "12.5", "0", "0"}));
    EXPECT_EQ(dialog.values(), (LayoutValues{7, 1, 7000, 5000, 500, 12500, 0, 0}));
}

TEST_F(LayoutDialog, NumbersTooLargeForThirtyTwoBitsAreRefused)
{
    EXPECT_FALSE(pressOk({"4294967297", "1", "0", "0", "0", "0", "0", "0"}));
    expectRefusal("EditNUMACROSS", QStringLiteral("Labels across: '4294967297' is not a valid positive integer"));
    EXPECT_FALSE(pressOk({"1", "1", "0", "0", "0", "0", "4294967.296", "0"}));
    expectRefusal("EditHGAP", QStringLiteral("Horizontal gap: '4294967.296' is not a valid positive number"));
    // In inches the ten-thousandths fit in 32 bits but the MU do not.
    CurrentUnit = UnitInch;
    EXPECT_FALSE(pressOk({"1", "1", "0", "0", "84550", "0", "0", "0"}));
    expectRefusal("EditLABELWIDTH", QStringLiteral("Label width: '84550' is not a valid positive number"));
    CurrentUnit = UnitMm;
    // 65 536 labels of 65.536 mm span exactly 2^32 MU, nothing in 32-bit sums.
    EXPECT_FALSE(pressOk({"65536", "1", "0", "0", "65.536", "1", "0", "0"}));
    expectRefusal(nullptr, QStringLiteral("Labels do not fit on page."));
    EXPECT_FALSE(paper.ALTERED);
}

TEST_F(LayoutDialog, ExecuteWritesTheGridOnOkOnly)
{
    whenModal<QDialog>([](QDialog& d) {
        type(d, "EditNUMACROSS", QStringLiteral("2"));
        click(d, "CancelBtn");
    });
    EXPECT_FALSE(dialog.execute(paper));
    EXPECT_EQ(paper.NUMACROSS, 3);
    EXPECT_FALSE(paper.ALTERED);

    whenModal<QDialog>([](QDialog& d) {
        EXPECT_EQ(textOf(d, "EditNUMACROSS"), QStringLiteral("3")); // refilled
        type(d, "EditNUMACROSS", QStringLiteral("4"));              // 4 x 68.5 mm do not fit
        click(d, "OKBtn");
        type(d, "EditNUMACROSS", QStringLiteral("2"));
        type(d, "EditVGAP", QStringLiteral("1.5"));
        click(d, "OKBtn");
    });
    EXPECT_TRUE(dialog.execute(paper));
    EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Labels do not fit on page.")});
    EXPECT_EQ(LayoutValues({paper.NUMACROSS, paper.NUMDOWN, paper.MULEFT, paper.MUTOP, paper.MULABELWIDTH,
                            paper.MULABELHEIGHT, paper.MUHGAP, paper.MUVGAP}),
              LayoutValues({2, 7, 5000, 12500, 66000, 38100, 2500, 1500}));
    EXPECT_EQ(paper.PAPERMUWIDTH, 210000);
    EXPECT_TRUE(paper.ALTERED);
}
