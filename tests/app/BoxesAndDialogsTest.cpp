#include "common/MainWindowFixture.h"

#include "common/ModalDialog.h"
#include "common/SampleSheet.h"
#include "common/TestEnv.h"
#include "common/UnitGuard.h"
#include "dialogs/FormNEWPAPER.h"
#include "dialogs/FormRTFHelp.h"
#include "settings/RegistryStore.h"

#include <QDesktopServices>
#include <QFontDialog>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

namespace {
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};
} // namespace

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
    EXPECT_TRUE(main.preview().pageIndex() == 1 && page->text() == "2");
    QTest::keyClick(page, Qt::Key_PageUp); // up is the page before, as on the arrows
    EXPECT_TRUE(main.preview().pageIndex() == 0 && page->text() == "1");
    QTest::keyClick(page, Qt::Key_Down);
    EXPECT_TRUE(main.preview().pageIndex() == 1 && page->text() == "2");
    // Saved before any data was read (0 and 0), its data file missing; then
    // Close job after one that starts at 4: the boxes hold what prints.
    ASSERT_TRUE(main.controller().FNOPENJOB(writeJob(path("b.GVJ"), 2, 2, path("missing.txt"), 0, 0)));
    EXPECT_TRUE(numbers() == "11" && main.job().DATAINFO()->STARTLABNUM == 1);
    ASSERT_TRUE(main.controller().FNOPENJOB(writeJob(path("c.GVJ"), 2, 2, path("data.txt"), 4, 3))); // five pages
    typeInto("EditPAGENUM", QStringLiteral("5"));
    QTest::mouseClick(child<QWidget>("ImagePAPER"), Qt::RightButton, {}, QPoint(2, 2)); // top-left margin
    EXPECT_FALSE(child<QMenu>("PopupMenu1")->isVisible());
    trigger("CLOSEJOB");
    EXPECT_EQ(numbers(), "11");
}

TEST_F(MainWindowTest, StartAndRepeatFitEverySheetAndWhatIsTypedIsWhatCounts)
{
    TFormMAIN& main = start();
    auto* box = child<QLineEdit>("EditStartLabNum");
    const auto shows = [&](const char* n) { return box->text() == n && main.job().DATAINFO()->STARTLABNUM == atoi(n); };
    typeInto("EditStartLabNum", QStringLiteral("500")); // no sheet yet: kept
    leave("EditStartLabNum");
    const QString data = writeData("data.txt", 5), job = writeJob(path("a.GVJ"), 3, 7, data, 30, 50);
    TJOB read; // read anywhere (batch printing too), a job keeps to its sheet
    ASSERT_TRUE(read.LOADFROMFILE(job) && read.SAVETEMPLATETOFILE(path("a.GVT")) && read.DATAINFO()->STARTLABNUM == 21);
    ASSERT_TRUE(main.controller().FNOPENTEMPLATE(path("a.GVT")) && main.controller().FNOPENDATA(data));
    EXPECT_TRUE(shows("21") && main.job().PAGECOUNT() == 2); // slot 21, then four on the next sheet
    whenModal([](QWidget& layout) {
        paste(layout, "EditNUMACROSS", QStringLiteral("2"));
        click(layout, "OKBtn");
    });
    trigger("Editlayout1"); // 2 x 7
    EXPECT_TRUE(shows("14"));
    messages.answer(MsgAnswer::No); // save the template, the job first?
    messages.answer(MsgAnswer::No);
    ASSERT_TRUE(main.controller().FNOPENJOB(job) && shows("21")
                && child<QLineEdit>("EditRepeatLabelNum")->text() == "21");
    typeInto("EditStartLabNum", QString()); // emptied, the box waits while its timer runs out
    const auto* timer = main.findChild<QTimer*>(QStringLiteral("TimerStartAt"));
    EXPECT_TRUE(QTest::qWaitFor([=] { return !timer->isActive(); }, 5000) && box->text().isEmpty());
    QTest::keyClick(box, Qt::Key_5);
    EXPECT_TRUE(shows("5"));
    typeInto("EditStartLabNum", QString()); // a command reading the numbers first tidies the box
    trigger("Savejob");
    EXPECT_TRUE(shows("1") && read.LOADFROMFILE(job) && read.DATAINFO()->STARTLABNUM == 1);
    typeInto("EditStartLabNum", QStringLiteral("99"));
    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(shows("21"));
}

TEST_F(MainWindowTest, UntouchedLengthsKeepTheirValueInInchesAndEnterPressesOk)
{
    TestSheet sheet; // 69 999 MU is 2.7558661 in, which reads back as 70 000: too wide
    std::tie(sheet.Across, sheet.Down, sheet.Left, sheet.labelWidth, sheet.hGap) = std::tuple(3, 7, 3, 69999, 0);
    ASSERT_TRUE(SaveTestJob(path("a.GVJ"), sheet, QString(), [](TJOB& job) { job.JOBINFO()->MUBORDERLEFT = 1001; }));
    TFormMAIN& main = start({path("a.GVJ")});
    const ScopedUnit inches(UnitInch); // after the start, which reads the unit from the settings
    whenModal([](QWidget& layout) { click(layout, "OKBtn"); });
    trigger("Editlayout1");
    whenModal(
        [](QWidget& format) {
            EXPECT_TRUE(QTest::qWaitForWindowActive(&format));
            paste(format, "EditBTOP", QStringLiteral("x"));
            QTest::mouseClick(::child<QPushButton>(format, "ButtonOK"), Qt::LeftButton); // refused: OK had the focus
            paste(format, "EditBTOP", QStringLiteral("0.1"));
            QTest::keyClick(::child(format, "EditBTOP"), Qt::Key_Return); // OK, or the dialog is cancelled
        },
        AfterSteps::Cancel);
    trigger("FORMATLABELS");
    EXPECT_EQ(messages.texts(), QStringList{"Top: 'x' is not a valid positive number."});
    EXPECT_TRUE(main.job().TEMPLATE()->MULABELWIDTH == 69999 && main.job().JOBINFO()->MUBORDERLEFT == 1001);
    EXPECT_EQ(main.job().JOBINFO()->MUBORDERTOP, 2540);
}

TEST_F(MainWindowTest, FontDialogOffersWhatTheLabelKeeps)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, QString())});
    QtDialogSeam real;
    ScopedDialogSeam useReal(real);
    QStringList offered;
    whenModal([&](QWidget& format) {
        whenModal<QFontDialog>([&](QFontDialog& fonts) {
            const QList<QListView*> lists = fonts.findChildren<QListView*>(); // families, styles, sizes
            const auto pick = [](QListView* list, const QString& text) {
                const QModelIndexList at = list->model()->match(list->model()->index(0, 0), Qt::DisplayRole, text);
                return !at.isEmpty() && (list->setCurrentIndex(at[0]), true);
            };
            pick(lists[0], QStringLiteral("DejaVu Sans")); // Condensed, ExtraLight... where installed
            for (int row = 0; row < lists[1]->model()->rowCount(); ++row)
                if (!lists[1]->isRowHidden(row))
                    offered << lists[1]->model()->index(row, 0).data().toString();
            ASSERT_TRUE(pick(lists[0], QStringLiteral("Liberation Sans")) && pick(lists[1], QStringLiteral("Bold")));
            QTest::keyClick(&fonts, Qt::Key_Return);
        });
        click(format, "ButtonFONT");
        click(format, "ButtonOK");
    });
    trigger("FORMATLABELS");
    EXPECT_TRUE(offered.size() <= 4 && !offered.join(u' ').contains(QStringLiteral("Light"))) << offered.size();
    EXPECT_EQ(main.job().JOBINFO()->FONT.Style, StoredFont::fsBold);
}

TEST_F(MainWindowTest, StoredDesktopComesBackOnTheScreenWithoutDialogsScaleHeldAndLinksOpen)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QString gone = QString::number(area.right() + 400), min = QString::number(INT_MIN);
    const QStringList keys{"Left", "Top", "Width", "Height", "FirstTime", "Visible"};
    const auto store = [&](const char* window, const QStringList& values) {
        for (qsizetype i = 0; i < values.size(); ++i)
            FNREGWRITESTRING(QStringLiteral("DeskTop\\") + QLatin1String(window), keys[i], values[i]);
    };
    FNREGWRITESTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), QStringLiteral("5"));
    store("FormFORMAT", {"50", "50", "300", "300", "False", "True"});
    store("FormLAYOUT", {"50", "50", "300", "300", "False", "True"});
    for (const QStringList& s : {QStringList{"0", "-32767", "600", "99999"},
                                 {gone, "-9", QString::number(INT_MAX), "400"},
                                 {"10", "10", min, min}}) {
        store("FormMAIN", s + QStringList{"False"});
        const QRect g = start().frameGeometry(); // title bar and borders included
        EXPECT_TRUE(area.contains(g)) << s.join(u' ').toStdString();
        const bool centred = std::abs((g.left() - area.left()) - (area.right() - g.right())) <= 1;
        EXPECT_TRUE(s[1] == "10" ? main_->size() == QSize(696, 492) : centred); // its own size when unusable
        EXPECT_FALSE(topLevelNamed("FormFORMAT")->isVisible() || topLevelNamed("FormLAYOUT")->isVisible());
    }
    EXPECT_EQ(main_->preview().previewScale(), 2.0);
    whenModal([](QWidget& scale) {
        auto* bar = ::child<QSlider>(scale, "TrackBarSCALE");
        EXPECT_TRUE(bar->value() == 200 && textOf(scale, "EditSCALE") == "200");
        paste(scale, "EditSCALE", QStringLiteral("350"));
        EXPECT_TRUE(bar->value() == 200 && textOf(scale, "EditSCALE") == "350"); // typing is not rewritten
        click(scale, "OKBtn");
    });
    trigger("Scale1");
    TFormRTFHelp& help = *main_->windows().rtfHelp;
    ASSERT_TRUE(help.loadDocument(WriteFile(path("help.rtf"), "{\\rtf1 See {\\field{\\*\\fldinst HYPERLINK "
                                                              "\"https://example.org/\"}{\\fldrslt the site}}.}")));
    help.show();
    QTextBrowser* text = help.richText(); // read-only: an editable box only moves its caret on a link
    QTextCursor onLink(text->document());
    onLink.setPosition(static_cast<int>(text->toPlainText().indexOf(QStringLiteral("site"))));
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, text->cursorRect(onLink).center() + QPoint(2, 0));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/"))});
}

#include "BoxesAndDialogsTest.moc"
