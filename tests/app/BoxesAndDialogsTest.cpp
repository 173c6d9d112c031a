#include "MainWindowFixture.h"

#include "common/ModalDialog.h"
#include "common/SampleSheet.h"
#include "common/TestEnv.h"
#include "common/UnitGuard.h"
#include "dialogs/FormNEWPAPER.h"
#include "dialogs/FormRTFHelp.h"
#include "settings/RegistryStore.h"

#include <QCheckBox>
#include <QDesktopServices>
#include <QFontDialog>
#include <QFontInfo>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

#include <climits>

namespace {
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl& url) { urls.append(url); }
};

void storeWindow(const char* name, const QList<std::pair<const char*, QString>>& values)
{
    for (const auto& [key, value] : values)
        FNREGWRITESTRING(QStringLiteral("DeskTop\\") + QLatin1String(name), QLatin1String(key), value);
}
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

TEST_F(MainWindowTest, StartAndRepeatFitEverySheetAndWhatIsTypedIsWhatCounts)
{
    TFormMAIN& main = start();
    auto* startBox = child<QLineEdit>("EditStartLabNum");
    const TDATAINFO* numbers = main.job().DATAINFO();
    typeInto("EditStartLabNum", QStringLiteral("500")); // no sheet yet: kept
    leave("EditStartLabNum");
    const QString data = writeData("data.txt", 5);
    const QString job37 = writeJob(path("a.GVJ"), 3, 7, data, 30, 50); // stored past its sheet
    TJOB read;
    ASSERT_TRUE(read.LOADFROMFILE(job37)); // read anywhere (batch printing too): held to the sheet
    EXPECT_TRUE(read.DATAINFO()->STARTLABNUM == 21 && read.DATAINFO()->RepeatLabelNum == 21);
    ASSERT_TRUE(read.SAVETEMPLATETOFILE(path("a.GVT")));
    ASSERT_TRUE(main.controller().FNOPENTEMPLATE(path("a.GVT")));
    ASSERT_TRUE(main.FNOPENDATA(data));
    EXPECT_TRUE(startBox->text() == "21" && numbers->STARTLABNUM == 21);
    EXPECT_EQ(main.job().PAGECOUNT(), 2); // slot 21 and four on the next sheet
    whenModal([](QWidget& layout) {
        paste(layout, "EditNUMACROSS", QStringLiteral("2"));
        paste(layout, "EditNUMDOWN", QStringLiteral("2"));
        click(layout, "OKBtn");
    });
    trigger("Editlayout1");
    EXPECT_TRUE(startBox->text() == "4" && main.job().DATAINFO()->STARTLABNUM == 4);
    messages.answer(MsgAnswer::No); // "Save current template first?"
    messages.answer(MsgAnswer::No); // "Save current job first?"
    ASSERT_TRUE(main.FNOPENJOB(job37));
    EXPECT_EQ(startBox->text() + child<QLineEdit>("EditRepeatLabelNum")->text(), "2121");

    // Emptied, the box waits while its timer runs out; the 5 typed next is 5.
    typeInto("EditStartLabNum", QString());
    auto* timer = main.findChild<QTimer*>(QStringLiteral("TimerStartAt"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timer->isActive(); }, 5000));
    EXPECT_EQ(startBox->text(), "");
    QTest::keyClick(startBox, Qt::Key_5);
    EXPECT_TRUE(startBox->text() == "5" && main.job().DATAINFO()->STARTLABNUM == 5);
    // A command reading the numbers first tidies the box being typed in.
    typeInto("EditStartLabNum", QString());
    trigger("Savejob");
    ASSERT_TRUE(read.LOADFROMFILE(job37));
    EXPECT_TRUE(startBox->text() == "1" && read.DATAINFO()->STARTLABNUM == 1);
    typeInto("EditStartLabNum", QStringLiteral("99"));
    QTest::keyClick(startBox, Qt::Key_Return);
    EXPECT_TRUE(startBox->text() == "21" && main.job().DATAINFO()->STARTLABNUM == 21);
}

TEST_F(MainWindowTest, UntouchedLengthsKeepTheirValueInInches)
{
    ScopedUnit inches(UnitInch);
    TestSheet sheet; // 69 999 MU is 2.7558661 in, which reads back as 70 000
    std::tie(sheet.Across, sheet.Down, sheet.Left, sheet.Top, sheet.LabelWidth, sheet.LabelHeight,
             sheet.HGap) = std::tuple(3, 8, 3, 0, 69999, 37125, 0);
    ASSERT_TRUE(SaveTestJob(path("a.GVJ"), sheet, QString(), [](TJOB& job) {
        job.JOBINFO()->MUBORDERLEFT = 1001;
        job.JOBINFO()->MUBORDERWIDTH = 7;
    }));
    TFormMAIN& main = start({path("a.GVJ")});
    whenModal([](QWidget& layout) { click(layout, "OKBtn"); });
    trigger("Editlayout1");
    whenModal([](QWidget& format) { click(format, "ButtonOK"); });
    trigger("FORMATLABELS");
    EXPECT_EQ(messages.texts(), QStringList());
    const TTEMPLATE& t = *main.job().TEMPLATE();
    EXPECT_TRUE(t.MULEFT == 3 && t.MULABELWIDTH == 69999 && t.MULABELHEIGHT == 37125);
    EXPECT_TRUE(main.job().JOBINFO()->MUBORDERLEFT == 1001 && main.job().JOBINFO()->MUBORDERWIDTH == 7);
    main.windows().newPaper->setPaperSize(209999, 297001);
    whenModal([](QWidget& paper) { click(paper, "OKBtn"); });
    messages.answer(MsgAnswer::No); // "Save current template first?"
    trigger("NEWTEMPLATE");
    EXPECT_TRUE(main.job().TEMPLATE()->PAPERMUWIDTH == 209999 && main.job().TEMPLATE()->PAPERMUHEIGHT == 297001);
}

TEST_F(MainWindowTest, WindowsComeBackWhollyOnTheScreenWhateverWasStored)
{
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QString right = QString::number(area.right() + 400); // a monitor that is gone
    const QList<QStringList> stored = {{"0", "-32767", "600", "99999"},
                                       {right, "100", "600", "400"},
                                       {"10", "10", QString::number(INT_MAX), "400"},
                                       {"10", "10", QString::number(INT_MIN), QString::number(INT_MIN)}};
    for (const QStringList& s : stored) {
        storeWindow("FormMAIN",
                    {{"Left", s[0]}, {"Top", s[1]}, {"Width", s[2]}, {"Height", s[3]}, {"FirstTime", "False"}});
        const QRect g = start().frameGeometry(); // title bar and borders included
        EXPECT_TRUE(area.contains(g)) << s.join(u' ').toStdString() << " at " << g.x() << ',' << g.y() << ' '
                                      << g.width() << 'x' << g.height();
        const QSize minimum = main_->minimumSizeHint();
        EXPECT_TRUE(main_->width() >= minimum.width() && main_->height() >= minimum.height());
        if (s[2].startsWith(u'-')) { // an unusable size gives the window's own
            EXPECT_EQ(main_->size(), QSize(696, 492));
        }
        if (s[1] != "10") { // off the screen: centred by the size it has now
            EXPECT_LE(std::abs((g.left() - area.left()) - (area.right() - g.right())), 1);
        }
    }
}

TEST_F(MainWindowTest, EnterPressesOkAfterARefusedValueInEveryDialog)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, QString())});
    whenModal([](QWidget& format) {
        EXPECT_TRUE(QTest::qWaitForWindowActive(&format));
        paste(format, "EditBLEFT", QStringLiteral("x"));
        QTest::mouseClick(::child<QPushButton>(format, "ButtonOK"), Qt::LeftButton); // refused
        EXPECT_EQ(QApplication::focusWidget(), ::child(format, "EditBLEFT"));        // back to the bad value
        paste(format, "EditBLEFT", QStringLiteral("3"));
        QTest::keyClick(::child(format, "EditBLEFT"), Qt::Key_Return);
        if (format.isVisible()) {
            ADD_FAILURE() << "Enter did not press OK";
            click(format, "ButtonCANCEL");
        }
    });
    trigger("FORMATLABELS");
    EXPECT_EQ(main.job().JOBINFO()->MUBORDERLEFT, 3000);
    EXPECT_EQ(messages.texts().size(), 1);
    // Every dialog gets its OK back as the default once the focus leaves
    // another button.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        auto* dialog = qobject_cast<QDialog*>(w);
        if (!dialog || dialog->objectName().isEmpty())
            continue;
        QPushButton* ok = nullptr;
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b->isDefault())
                ok = b;
        ASSERT_NE(ok, nullptr) << dialog->objectName().toStdString();
        dialog->show();
        dialog->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
        for (QPushButton* b : dialog->findChildren<QPushButton*>())
            if (b != ok && b->isVisible() && b->autoDefault())
                b->setFocus();
        for (QWidget* other : dialog->findChildren<QWidget*>()) // a box, a list, a switch
            if (!qobject_cast<QPushButton*>(other) && other->isVisible() && other->isEnabled()
                && (other->focusPolicy() & Qt::TabFocus))
                other->setFocus();
        EXPECT_TRUE(ok->isDefault()) << dialog->objectName().toStdString();
        dialog->hide();
    }
}

TEST_F(MainWindowTest, FontDialogOffersWhatTheLabelKeeps)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, QString())});
    QtDialogSeam real;
    ScopedDialogSeam useReal(real);
    QStringList offered;
    whenModal([&](QWidget& format) {
        whenModal<QFontDialog>([&](QFontDialog& fonts) {
            const QList<QListView*> lists = fonts.findChildren<QListView*>();
            for (const QString& family : {QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")}) {
                const QModelIndexList found = lists[0]->model()->match(lists[0]->model()->index(0, 0), Qt::DisplayRole,
                                                                       family, 1, Qt::MatchExactly);
                if (found.isEmpty())
                    continue;
                lists[0]->setCurrentIndex(found[0]);
                for (int row = 0; row < lists[1]->model()->rowCount(); ++row) {
                    if (lists[1]->isRowHidden(row))
                        continue;
                    lists[1]->setCurrentIndex(lists[1]->model()->index(row, 0));
                    const QFont chosen = fonts.currentFont();
                    QFont kept(family); // what the label keeps of the choice
                    kept.setBold(chosen.bold());
                    kept.setItalic(chosen.italic());
                    offered << lists[1]->model()->index(row, 0).data().toString();
                    EXPECT_EQ(QFontInfo(kept).styleName(), offered.last()) << family.toStdString();
                }
            }
            const QModelIndexList bold = lists[1]->model()->match(lists[1]->model()->index(0, 0), Qt::DisplayRole,
                                                                  QStringLiteral("Bold"), 1, Qt::MatchExactly);
            ASSERT_FALSE(bold.isEmpty());
            lists[1]->setCurrentIndex(bold[0]);
            for (QCheckBox* box : fonts.findChildren<QCheckBox*>())
                if (box->text().remove(u'&') == QLatin1String("Underline"))
                    box->click();
            QTest::keyClick(&fonts, Qt::Key_Return);
        });
        click(format, "ButtonFONT");
        click(format, "ButtonOK");
    });
    trigger("FORMATLABELS");
    EXPECT_GE(offered.size(), 4);
    EXPECT_FALSE(offered.contains(QStringLiteral("ExtraLight")) || offered.contains(QStringLiteral("Condensed")));
    EXPECT_EQ(main.job().JOBINFO()->FONT.Style, TFONT::fsBold | TFONT::fsUnderline);
}

TEST_F(MainWindowTest, StoredDesktopNeverOpensDialogsAndScaleAgreesWithItsBar)
{
    for (const char* name : {"FormFORMAT", "FormLAYOUT"})
        storeWindow(name, {{"Left", "50"}, {"Top", "50"}, {"Width", "300"}, {"Height", "300"}, {"Visible", "True"}});
    FNREGWRITESTRING(QStringLiteral("Settings"), QStringLiteral("MainScale"), QStringLiteral("5"));
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, QString())});
    EXPECT_FALSE(topLevelNamed(QStringLiteral("FormFORMAT"))->isVisible());
    EXPECT_FALSE(topLevelNamed(QStringLiteral("FormLAYOUT"))->isVisible());
    EXPECT_EQ(main.previewScale(), 2.0);
    whenModal([](QWidget& scale) {
        auto* bar = ::child<QSlider>(scale, "TrackBarSCALE");
        EXPECT_TRUE(bar->value() == 200 && textOf(scale, "EditSCALE") == "200");
        ::child<QLineEdit>(scale, "EditSCALE")->selectAll();
        QTest::keyClicks(::child(scale, "EditSCALE"), QStringLiteral("35"));
        EXPECT_EQ(bar->value(), 35);
        QTest::keyClicks(::child(scale, "EditSCALE"), QStringLiteral("0"));
        EXPECT_TRUE(bar->value() == 200 && textOf(scale, "EditSCALE") == "350"); // typing is not rewritten
        click(scale, "OKBtn");
    });
    trigger("Scale1");
    EXPECT_EQ(main.previewScale(), 2.0);
}

TEST_F(MainWindowTest, LinksInTheInstructionsOpenInTheBrowser)
{
    TFormMAIN& main = start();
    const QString rtf = WriteFile(path("help.rtf"), "{\\rtf1 See {\\field{\\*\\fldinst HYPERLINK "
                                                    "\"https://example.org/help\"}{\\fldrslt the help site}}.\\par}");
    TFormRTFHelp& help = *main.windows().rtfHelp;
    ASSERT_TRUE(help.loadDocument(rtf));
    help.show();
    QTextBrowser* box = help.richText();
    EXPECT_TRUE(box->isReadOnly() && (box->textInteractionFlags() & Qt::TextSelectableByMouse));
    QTextCursor onLink(box->document());
    onLink.setPosition(static_cast<int>(box->toPlainText().indexOf(QStringLiteral("help site"))));
    const QPoint at = box->cursorRect(onLink).center() + QPoint(2, 0);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, at);
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
    EXPECT_EQ(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://example.org/help"))});
    help.close();
}

#include "BoxesAndDialogsTest.moc"
