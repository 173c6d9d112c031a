#include "common/MainWindowFixture.h"

#include "common/ModalDialog.h"
#include "dialogs/FormSETTINGS.h"
#include "model/Units.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace {

void chooseMenu(TFormMAIN& main, const char* name)
{
    auto* action = main.findChild<QAction*>(QString::fromLatin1(name));
    ASSERT_NE(action, nullptr);
    ASSERT_TRUE(action->isEnabled());
    action->trigger();
}

} // namespace

TEST_F(MainWindowTest, ScaleDialogRefitsThePreview)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 4));
    TFormMAIN& main = start({job});
    const int fullWidth = main.preview().pageBitmap().width();
    whenModal([](QWidget& dialog) {
        auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("EditSCALE"));
        edit->selectAll();
        edit->insert(QStringLiteral("50"));
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    chooseMenu(main, "Scale1");
    EXPECT_EQ(main.preview().previewScale(), 0.5);
    EXPECT_EQ(main.preview().pageBitmap().width(), qRound(fullWidth * 0.5));
}

TEST_F(MainWindowTest, SoftwareSettingsSwitchTheLabelsOff)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 4));
    TFormMAIN& main = start({job});
    const int before = main.preview().refreshCount();
    whenModal([](QWidget& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxSHOWLABEL"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click();
    });
    chooseMenu(main, "Softwaresettings1");
    EXPECT_EQ(main.preview().refreshCount(), before + 1);
    EXPECT_FALSE(main.preview().previewParams().ShowLabels);
    EXPECT_TRUE(main.preview().previewParams().ShowTemplate);

    // Cancel puts the boxes back and draws nothing.
    whenModal([](QWidget& dialog) {
        dialog.findChild<QCheckBox*>(QStringLiteral("CheckBoxSHOWTEMPLATE"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("ButtonCANCEL"))->click();
    });
    chooseMenu(main, "Softwaresettings1");
    EXPECT_EQ(main.preview().refreshCount(), before + 1);
    EXPECT_FALSE(main.windows().settings->showLabels());
}

TEST_F(MainWindowTest, UnitsDialogChangesOnlyTheUnit)
{
    TFormMAIN& main = start();
    const int before = main.preview().refreshCount();
    whenModal([](QWidget& dialog) {
        dialog.findChild<QRadioButton*>(QStringLiteral("RBCENTIMETERS"))->click();
        dialog.findChild<QPushButton*>(QStringLiteral("OKBtn"))->click();
    });
    chooseMenu(main, "Setunits1");
    EXPECT_EQ(CurrentUnit, UnitCm);
    EXPECT_EQ(main.preview().refreshCount(), before);
}

TEST_F(MainWindowTest, NewTemplateFromThePaperDialog)
{
    TFormMAIN& main = start();
    whenModal([](QWidget& dialog) { QTest::keyClick(&dialog, Qt::Key_Return); });
    chooseMenu(main, "NEWTEMPLATE");
    EXPECT_TRUE(main.job().TEMPLATEEXISTS());
    EXPECT_EQ(main.job().TEMPLATE()->PAPERMUWIDTH, 210000);
    EXPECT_TRUE(main.job().ALTERED());
    EXPECT_EQ(main.preview().pageBitmap().width(), FNMUTOSCREENPIXELS(210000));
}

TEST_F(MainWindowTest, RightClickOnALabelOpensTheMenu)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 3), 2);
    TFormMAIN& main = start({job});
    auto* image = main.findChild<QWidget*>(QStringLiteral("ImagePAPER"));
    auto* popup = main.findChild<QMenu*>(QStringLiteral("PopupMenu1"));
    const SlotRect first = main.job().TEMPLATE()->slotRect(0);
    const SlotRect second = main.job().TEMPLATE()->slotRect(1);
    auto centre = [&](const SlotRect& r) {
        return QPoint(int((r.left + r.right) / 2 * main.preview().previewParams().PixPerMuX),
                      int((r.top + r.bottom) / 2 * main.preview().previewParams().PixPerMuY));
    };
    QTest::mouseClick(image, Qt::RightButton, {}, centre(first)); // before the start position
    EXPECT_FALSE(popup->isVisible());
    QTest::mouseClick(image, Qt::RightButton, {}, centre(second));
    EXPECT_TRUE(popup->isVisible());
    emit popup->aboutToShow();
    EXPECT_TRUE(popup->actions().constFirst()->isEnabled());
    popup->hide();
}
