// The about box: its contents, the splash rule of its two timers, the
// picture cycling, the key word and the two links.

#include "common/ModalDialog.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "dialogs/FormABOUT.h"
#include "dialogs/SplashCloser.h"
#include "support/BaseForm.h"
#include "support/Maker.h"
#include "support/Utilities.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <gtest/gtest.h>

namespace {

// Timers that stay running for the whole test: they are only ever "fired"
// by calling the handlers.
struct TwoTimers {
    TwoTimers()
    {
        about.setSingleShot(true);
        main.setSingleShot(true);
        about.start(3600000);
        main.start(3600000);
    }
    QTimer about;
    QTimer main;
};

// Whether `front` is drawn over `back` (later siblings are on top).
bool inFront(QWidget* front, QWidget* back)
{
    const QObjectList siblings = front->parentWidget()->children();
    return siblings.indexOf(front) > siblings.indexOf(back);
}

class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

} // namespace

TEST(SplashCloser, EndsOnlyWhenTheLaterTimerFiresInEitherOrder)
{
    for (bool aboutFirst : {true, false}) {
        TwoTimers timers;
        int ended = 0;
        SplashCloser closer([&ended] { ++ended; });
        closer.setAboutTimer(&timers.about);
        closer.setMainTimer(&timers.main);

        if (aboutFirst)
            closer.aboutTimerFired();
        else
            closer.mainTimerFired();
        EXPECT_EQ(ended, 0) << aboutFirst;
        EXPECT_EQ(timers.about.isActive(), !aboutFirst); // the one that fired stopped itself
        EXPECT_EQ(timers.main.isActive(), aboutFirst);

        if (aboutFirst)
            closer.mainTimerFired();
        else
            closer.aboutTimerFired();
        EXPECT_EQ(ended, 1) << aboutFirst;
        EXPECT_FALSE(timers.about.isActive());
        EXPECT_FALSE(timers.main.isActive());
        EXPECT_EQ(closer.endings(), 1);
    }
}

TEST(SplashCloser, AMissingPartnerCountsAsStopped)
{
    QTimer about;
    about.start(3600000);
    int ended = 0;
    SplashCloser closer([&ended] { ++ended; });
    closer.setAboutTimer(&about);
    closer.aboutTimerFired();
    EXPECT_EQ(ended, 1);
}

TEST(AboutBox, SplashStaysUntilBothTimersHaveFiredThenAboutIsEnabled)
{
    TFormABOUT about;
    QTimer mainTimer;
    mainTimer.setSingleShot(true);
    mainTimer.start(3600000);
    int enabled = 0;
    about.joinSplash(&mainTimer, [&enabled] { ++enabled; });
    auto* closeTimer = about.findChild<QTimer*>(QStringLiteral("TimerCLOSE"));
    ASSERT_NE(closeTimer, nullptr);
    EXPECT_TRUE(closeTimer->isActive()); // running from creation
    EXPECT_EQ(closeTimer->interval(), 2000);
    EXPECT_TRUE(closeTimer->isSingleShot());

    about.showSplash();
    EXPECT_TRUE(about.isVisible());
    about.splashCloser().aboutTimerFired();
    EXPECT_TRUE(about.isVisible());
    EXPECT_EQ(enabled, 0);
    EXPECT_FALSE(closeTimer->isActive());

    about.splashCloser().mainTimerFired();
    EXPECT_FALSE(about.isVisible());
    EXPECT_EQ(enabled, 1);
    EXPECT_FALSE(mainTimer.isActive());
}

TEST(AboutBox, TheRealTimersAreWiredToTheRule)
{
    TFormABOUT about;
    QTimer mainTimer;
    mainTimer.setSingleShot(true);
    bool enabled = false;
    about.joinSplash(&mainTimer, [&enabled] { enabled = true; });
    about.showSplash();
    // Shortened so that the test does not sit through the splash.
    auto* closeTimer = about.findChild<QTimer*>(QStringLiteral("TimerCLOSE"));
    closeTimer->start(1);
    mainTimer.start(1);
    EXPECT_TRUE(QTest::qWaitFor([&] { return enabled; }, 10000));
    EXPECT_FALSE(about.isVisible());
}

TEST(AboutBox, HoldsTheProductNameVersionLinksAndPictures)
{
    TFormABOUT about;
    EXPECT_EQ(about.objectName(), QStringLiteral("FormABOUT"));
    EXPECT_EQ(about.windowTitle(), QStringLiteral("Gorvin About box"));
    EXPECT_TRUE(about.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(about.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_EQ(TBASEFORM::of(&about), nullptr); // not part of the saved desktop

    auto label = [&about](const char* name) { return about.findChild<QLabel*>(QString::fromLatin1(name)); };
    EXPECT_EQ(label("Label2")->text(), QStringLiteral("Gorvin"));
    EXPECT_TRUE(label("Label2")->font().bold());
    EXPECT_EQ(label("Label2")->font().pixelSize(), 24);
    EXPECT_EQ(label("LabelLINE1")->text(), QStringLiteral("A simple labelling solution"));
    EXPECT_EQ(label("LabelLINE1")->font().pixelSize(), 13);
    EXPECT_EQ(label("LabelLINE2")->text(),
              QStringLiteral("Please email us with any requests, comments or questions at:"));
    for (const char* name : {"Image1", "Image2", "Image3", "Image4"})
        EXPECT_EQ(label(name)->size(), QSize(32, 32)) << name;
    EXPECT_EQ(label("ImageMAIN")->size(), QSize(173, 173));
    EXPECT_FALSE(label("ImageMAIN")->pixmap().isNull());

    auto* mail = about.findChild<QLineEdit*>(QStringLiteral("EditEMAIL"));
    auto* web = about.findChild<QLineEdit*>(QStringLiteral("EditWEB"));
    EXPECT_EQ(mail->text(), makerSupportMail());
    EXPECT_EQ(web->text(), makerWebSite());
    EXPECT_TRUE(mail->isReadOnly() && web->isReadOnly());
    EXPECT_FALSE(mail->hasFrame());
    EXPECT_TRUE(mail->font().underline());
    EXPECT_EQ(mail->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_TRUE(about.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->isDefault());

    about.show();
    EXPECT_EQ(label("LabelVERSION")->text(), FNGETVERSIONTEXT());
    EXPECT_EQ(label("LabelVERSION")->text(), versionTextOfThisBuild());
    const QRect version = label("LabelVERSION")->geometry();
    const int panelWidth = label("LabelVERSION")->parentWidget()->width();
    const int textWidth = label("LabelVERSION")->fontMetrics().horizontalAdvance(label("LabelVERSION")->text());
    const int textLeft = version.left() + (version.width() - textWidth) / 2;
    EXPECT_LE(std::abs(textLeft - (panelWidth - textWidth) / 2), 1); // centred
    about.hide();
}

TEST(AboutBox, CornerPicturesSwapEveryTickAfterTheFirstWhileShown)
{
    TFormABOUT about;
    auto image = [&about](const char* name) { return about.findChild<QLabel*>(QString::fromLatin1(name)); };
    auto* timer = about.findChild<QTimer*>(QStringLiteral("TimerPICS"));
    EXPECT_FALSE(timer->isActive());
    EXPECT_TRUE(inFront(image("Image1"), image("Image2")));
    EXPECT_TRUE(inFront(image("Image4"), image("Image3")));

    about.show();
    EXPECT_TRUE(timer->isActive());
    EXPECT_EQ(timer->interval(), 600);
    about.TimerPICSTimer(); // the first tick changes nothing visible
    EXPECT_TRUE(inFront(image("Image1"), image("Image2")));
    about.TimerPICSTimer();
    EXPECT_TRUE(inFront(image("Image2"), image("Image1")));
    EXPECT_TRUE(inFront(image("Image3"), image("Image4")));
    about.TimerPICSTimer();
    EXPECT_TRUE(inFront(image("Image1"), image("Image2")));
    EXPECT_TRUE(inFront(image("Image4"), image("Image3")));

    about.hide();
    EXPECT_FALSE(timer->isActive());
    about.show(); // the flag is kept: the next tick swaps at once
    about.TimerPICSTimer();
    EXPECT_TRUE(inFront(image("Image2"), image("Image1")));
    about.hide();
}

TEST(AboutBox, TypingBriskShowsTheQuotationEachTime)
{
    ScriptedMessages messages;
    TFormABOUT about;
    about.show();
    auto* ok = about.findChild<QPushButton*>(QStringLiteral("ButtonOK"));

    QTest::keyClicks(ok, QStringLiteral("brisk"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].plain);
    EXPECT_EQ(messages.shown[0].text, TFormABOUT::quotation());
    EXPECT_EQ(messages.shown[0].text.count(QStringLiteral("\n\r")), 5); // four lines, a gap, the author
    EXPECT_TRUE(about.keyBuffer().isEmpty());

    QTest::keyClicks(&about, QStringLiteral("BRISK")); // the box itself has the focus
    EXPECT_EQ(messages.shown.size(), 2);

    QTest::keyClicks(ok, QStringLiteral("BR1 ISK")); // other keys do not break the word
    EXPECT_EQ(messages.shown.size(), 3);
    QTest::keyClicks(ok, QStringLiteral("BRXISK")); // letters do
    EXPECT_EQ(messages.shown.size(), 3);
    EXPECT_EQ(about.keyBuffer(), QStringLiteral("BRXISK"));

    QTest::keyClicks(ok, QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZ"));
    EXPECT_EQ(about.keyBuffer(), QStringLiteral("GHIJKLMNOPQRSTUVWXYZ")); // the last 20 letters
    about.hide();
}

TEST(AboutBox, MailAndWebLinesOpenThroughTheDesktop)
{
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("mailto"), &catcher, "open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    {
        TFormABOUT about;
        about.show();
        QTest::mouseClick(about.findChild<QLineEdit*>(QStringLiteral("EditEMAIL")), Qt::LeftButton);
        QTest::mouseClick(about.findChild<QLineEdit*>(QStringLiteral("EditWEB")), Qt::LeftButton);
        about.hide();
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("mailto"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(TFormABOUT::mailLink(), QStringLiteral("mailto:Gorvin <") + makerSupportMail() + u'>');
    EXPECT_EQ(catcher.urls[0], shellOpenUrl(TFormABOUT::mailLink()));
    EXPECT_EQ(catcher.urls[1], QUrl(makerWebSite()));
}

TEST(AboutBox, OkEndsTheModalBox)
{
    TFormABOUT about;
    whenModal([](QWidget& open) { open.findChild<QPushButton*>(QStringLiteral("ButtonOK"))->click(); });
    EXPECT_EQ(about.exec(), QDialog::Accepted);
    EXPECT_FALSE(about.isVisible());
}

#include "AboutSplashTest.moc"
