#include "support/BaseForm.h"
#include "support/Placement.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <gtest/gtest.h>

TEST(PlaceOnShow, WindowsComeWhollyOntoTheScreenCentredByTheirSize)
{
    const QRect screen(0, 0, 1024, 768);
    const QMargins frame(4, 24, 4, 4);
    struct Case {
        QRect bounds;
        bool firstTime;
        QMargins frame;
        QRect placed;
    };
    const Case cases[] = {
        {{700, 500, 300, 200}, true, {}, {362, 284, 300, 200}}, // first showing: centred
        {{0, 0, 301, 201}, true, {}, {361, 283, 301, 201}},
        {{700, 500, 300, 200}, false, {}, {700, 500, 300, 200}}, // wholly on the screen: kept
        {{0, 0, 300, 200}, false, frame, {362, 294, 300, 200}},  // its title bar would be above the top
        {{1, 24, 300, 200}, false, frame, {362, 294, 300, 200}}, // its left border would be off
        {{4, 24, 300, 200}, false, frame, {4, 24, 300, 200}},
        {{0, 0, 1200, 800}, true, frame, {4, 24, 1016, 740}},     // cut to the screen, frame included
        {{-500, 100, 400, 300}, false, {}, {312, 234, 400, 300}}, // partly off: centred
        {{1022, 100, 400, 300}, false, {}, {312, 234, 400, 300}},
        {{0, -32767, 600, 99999}, false, frame, {212, 24, 600, 740}},
        {{2000, 100, 600, 400}, false, frame, {212, 194, 600, 400}}, // on a monitor that is gone
        {{10, 10, 16777215, 400}, false, frame, {4, 194, 1016, 400}},
        {{3000, 2000, 1200, 800}, false, {}, {0, 0, 1024, 768}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(placeOnShow(c.bounds, screen, c.firstTime, c.frame), c.placed) << c.bounds.x() << ',' << c.bounds.y();
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
    TestDialog dialog;
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const int titleBar = dialog.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &dialog);
    const QRect centred(area.left() + (area.width() - 300) / 2,
                        area.top() + titleBar + (area.height() - titleBar - 200) / 2, 300, 200);
    dialog.move(7, 9);
    EXPECT_TRUE(dialog.firstShow);
    EXPECT_TRUE(dialog.DESKTOP);

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
