#include "support/BaseForm.h"
#include "support/Placement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <gtest/gtest.h>

TEST(PlaceOnShow, WindowsComeWhollyOntoTheScreenCentredByTheirSize)
{
    const QRect screen(0, 0, 1024, 768);
    const QMargins frame(4, 24, 4, 4);                                                      // the title bar above
    EXPECT_EQ(placeOnShow({700, 500, 300, 200}, screen, true), QRect(362, 284, 300, 200));  // first showing: centred
    EXPECT_EQ(placeOnShow({700, 500, 300, 200}, screen, false), QRect(700, 500, 300, 200)); // on the screen: kept
    EXPECT_EQ(placeOnShow({1, 24, 300, 200}, screen, false, frame), QRect(362, 294, 300, 200));      // a border off
    EXPECT_EQ(placeOnShow({0, -32767, 600, 99999}, screen, false, frame), QRect(212, 24, 600, 740)); // cut
    // A second screen keeps its offset.
    EXPECT_EQ(placeOnShow(QRect(0, 0, 300, 200), QRect(1024, 0, 1280, 1024), true), QRect(1514, 412, 300, 200));
}

namespace {
// A dialog of the program's kind, with its own show handler.
class TestDialog : public BaseDialog {
    Q_OBJECT
public:
    TestDialog() { resize(300, 200); }
    QList<QRect> seenInShowEvent;

protected:
    void showEvent(QShowEvent* event) override
    {
        seenInShowEvent.append(geometry());
        BaseDialog::showEvent(event);
    }
};
} // namespace

TEST(BaseForm, RealWindowIsCentredFirstThenLeftAloneThenPulledBack)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry(); // an even frame all round
    const QRect centred(screen.left() + (screen.width() - 300) / 2, screen.top() + (screen.height() - 200) / 2, 300,
                        200);
    TestDialog dialog;
    dialog.move(7, 9);
    EXPECT_TRUE(dialog.firstShow);
    EXPECT_TRUE(dialog.savesPlacement);

    dialog.show();
    EXPECT_FALSE(dialog.firstShow);
    EXPECT_EQ(dialog.geometry(), centred);
    // Placed before the window's own show handler ran.
    EXPECT_EQ(dialog.seenInShowEvent, QList<QRect>{centred});

    dialog.hide();
    dialog.setGeometry(20, 30, 300, 200);
    dialog.show();
    EXPECT_EQ(dialog.geometry(), QRect(20, 30, 300, 200));

    dialog.hide();
    dialog.setGeometry(-5000, 30, 300, 200);
    dialog.show();
    EXPECT_EQ(dialog.geometry(), centred);
    dialog.hide();

    QDialog plain;
    EXPECT_EQ(TBASEFORM::of(&dialog), static_cast<TBASEFORM*>(&dialog));
    EXPECT_EQ(TBASEFORM::of(&plain), nullptr);
    EXPECT_EQ(qobject_cast<TestDialog*>(static_cast<QObject*>(&dialog)), &dialog);
}

TEST(Placement, NormalBoundsSurviveMaximising)
{
    BaseMainWindow window;
    window.firstShow = false; // as restored from a saved desktop
    window.setGeometry(30, 40, 320, 240);
    std::int32_t left = 0, top = 0, width = 0, height = 0;
    FNGETNORMALBOUNDS(window, left, top, width, height);
    EXPECT_EQ(QRect(left, top, width, height), QRect(30, 40, 320, 240));

    window.showMaximized();
    QCoreApplication::processEvents(); // the window system's answer comes as an event
    EXPECT_TRUE(window.isMaximized());
    EXPECT_NE(window.geometry(), QRect(30, 40, 320, 240));
    FNGETNORMALBOUNDS(window, left, top, width, height);
    EXPECT_EQ(QRect(left, top, width, height), QRect(30, 40, 320, 240));
    window.hide();
}

TEST(Placement, MinimisedPositionIsKeptAndReportedWithoutOtherEffect)
{
    TestDialog dialog;
    dialog.setGeometry(30, 40, 300, 200);
    std::int32_t x = 0, y = 0;
    FNGETMINPOSITION(dialog, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(-1, -1));

    FNSETMINPOSITION(dialog, 160, -32000);
    FNGETMINPOSITION(dialog, x, y);
    EXPECT_EQ(QPoint(x, y), QPoint(160, -32000));
    EXPECT_EQ(dialog.geometry(), QRect(30, 40, 300, 200));
    EXPECT_FALSE(dialog.isVisible());
}

#include "BaseFormTest.moc"
