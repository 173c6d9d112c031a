// The format labels dialog driven through its named controls, as a user
// would: filling, the checks and their messages, OK, Cancel, the saved
// defaults, the font and colour dialogs and the picture browser.

#include "common/Controls.h"
#include "common/ModalDialog.h"
#include "common/ScriptedDialogs.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "common/UnitGuard.h"
#include "dialogs/FontConvert.h"
#include "dialogs/FormFORMAT.h"
#include "model/Job.h"
#include "settings/RegistryStore.h"
#include "settings/StoredSettings.h"
#include "support/ProgramFolder.h"

#include <QCheckBox>
#include <QApplication>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QTest>
#include <QDir>
#include <QFileInfo>
#include <QFontInfo>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSettings>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace {

// Runs the dialog modally on the job; the script acts once it is shown and
// whatever is still open afterwards is cancelled.
bool run(TFormFORMAT& dialog, TJOB& job, QString& picDir, const std::function<void(TFormFORMAT&)>& script)
{
    whenModal<TFormFORMAT>(
        [&dialog, &script](TFormFORMAT& open) {
            EXPECT_EQ(&open, &dialog);
            script(dialog);
        },
        AfterSteps::Cancel);
    return dialog.execute(job, picDir);
}

// Each test starts from an empty store, millimetres and the built-in defaults.
class FormatDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        clearSettingsStore();
        setFormatValueReader({});
    }
    void TearDown() override { setFormatValueReader({}); }
    ScopedUnit unit{UnitMm};

    ScriptedMessages messages;
    TJOB job;
    QString picDir;
};

// A colour dialog that also remembers the colour it was opened with.
class RecordingDialogs : public ScriptedDialogs {
public:
    bool chooseColor(QWidget* parent, QColor& color) override
    {
        startColours.append(color);
        return ScriptedDialogs::chooseColor(parent, color);
    }
    bool chooseFont(QWidget* parent, QFont& font) override
    {
        startFonts.append(font);
        return ScriptedDialogs::chooseFont(parent, font);
    }
    QList<QColor> startColours;
    QList<QFont> startFonts;
};

} // namespace

TEST_F(FormatDialog, FillsFromTheJobInInchesAndOkWritesTheRoundTrip)
{
    CurrentUnit = UnitInch;
    TJOBINFO& format = *job.JOBINFO();
    format.MUBORDERLEFT = 2000;
    format.MUBORDERRIGHT = 25400;
    format.TEXTALIGNVERT = 2;
    format.TEXTALIGNHORIZ = 0;
    format.TEXTJUSTIFY = 1;
    format.PicAlignVert = 0;
    format.PicAlignHoriz = 2;
    format.PicPCWidth = 37.5;
    format.UsePicPCTop = true;
    format.SHOWBORDER = true;
    format.BORDERCOLOR = 0x00FF8000; // blue 255, green 128
    TFormFORMAT dialog;

    const bool accepted = run(dialog, job, picDir, [](TFormFORMAT& d) {
        EXPECT_EQ(textOf(d, "EditBLEFT"), QStringLiteral("0.079"));
        EXPECT_EQ(textOf(d, "EditBRIGHT"), QStringLiteral("1"));
        EXPECT_EQ(textOf(d, "EditBWIDTH"), QStringLiteral("0.004"));
        for (int i = 1; i <= 5; ++i)
            EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelUNITS%1").arg(i))->text(), QStringLiteral("in."));
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonVBOTTOM")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonHLEFT")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonJCENTRE")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonPicTop")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonPicRight")->isChecked());
        EXPECT_EQ(textOf(d, "EditPicWidth"), QStringLiteral("37.5"));
        EXPECT_EQ(textOf(d, "EditPicHeight"), QStringLiteral("100"));
        EXPECT_TRUE(child<QCheckBox>(d, "CheckBoxPicTop")->isChecked());
        EXPECT_FALSE(child<QCheckBox>(d, "CheckBoxPicLeft")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(d, "CheckBoxSHOWBORDER")->isChecked());
        EXPECT_TRUE(child<QCheckBox>(d, "CheckBoxSHRINKTEXTTOFIT")->isChecked());
        EXPECT_EQ(d.findChild<QFrame*>(QStringLiteral("PanelBCOLOR"))->palette().color(QPalette::Window),
                  QColor(0, 128, 255));
        EXPECT_EQ(d.workingFont(), defaultLabelFont());
        click(d, "ButtonOK");
    });

    ASSERT_TRUE(accepted);
    EXPECT_TRUE(job.ALTERED());
    // Untouched, 0.079 in stays the 2000 MU it came from.
    EXPECT_EQ(format.MUBORDERLEFT, 2000);
    EXPECT_EQ(format.MUBORDERRIGHT, 25400);
    EXPECT_EQ(format.MUBORDERWIDTH, 100);
    EXPECT_EQ(format.TEXTALIGNVERT, 2);
    EXPECT_EQ(format.TEXTALIGNHORIZ, 0);
    EXPECT_EQ(format.TEXTJUSTIFY, 1);
    EXPECT_EQ(format.PicAlignVert, 0);
    EXPECT_EQ(format.PicAlignHoriz, 2);
    EXPECT_EQ(format.BORDERCOLOR, 0x00FF8000);
    EXPECT_DOUBLE_EQ(format.PicPCWidth, 37.5);
}

TEST_F(FormatDialog, OkWritesEveryControlIntoTheFormat)
{
    TFormFORMAT dialog;
    ASSERT_TRUE(run(dialog, job, picDir, [](TFormFORMAT& d) {
        child<QLineEdit>(d, "EditBLEFT")->setText(QStringLiteral("1"));
        child<QLineEdit>(d, "EditBRIGHT")->setText(QStringLiteral(" 2.5 "));
        child<QLineEdit>(d, "EditBTOP")->setText(QStringLiteral(".5"));
        child<QLineEdit>(d, "EditBBOTTOM")->setText(QStringLiteral("4."));
        child<QLineEdit>(d, "EditBWIDTH")->setText(QStringLiteral("0.25"));
        child<QCheckBox>(d, "CheckBoxSHOWBORDER")->setChecked(true);
        child<QRadioButton>(d, "RadioButtonVTOP")->setChecked(true);
        child<QRadioButton>(d, "RadioButtonHRIGHT")->setChecked(true);
        child<QRadioButton>(d, "RadioButtonJRIGHT")->setChecked(true);
        child<QCheckBox>(d, "CheckBoxSHRINKTEXTTOFIT")->setChecked(false);
        child<QCheckBox>(d, "CheckBoxShowPic")->setChecked(false);
        child<QCheckBox>(d, "CheckBoxFitToLabel")->setChecked(false);
        child<QCheckBox>(d, "CheckBoxKeepRatio")->setChecked(true);
        child<QLineEdit>(d, "EditPicLeft")->setText(QStringLiteral("-5"));
        child<QLineEdit>(d, "EditPicTop")->setText(QStringLiteral("12.5"));
        child<QLineEdit>(d, "EditPicWidth")->setText(QStringLiteral("50"));
        child<QLineEdit>(d, "EditPicHeight")->setText(QStringLiteral("-.5"));
        for (const char* name : {"CheckBoxPicLeft", "CheckBoxPicTop", "CheckBoxPicWidth", "CheckBoxPicHeight"})
            child<QCheckBox>(d, name)->setChecked(true);
        child<QRadioButton>(d, "RadioButtonPicBottom")->setChecked(true);
        child<QRadioButton>(d, "RadioButtonPicLeft")->setChecked(true);
        click(d, "ButtonOK");
    }));
    const TJOBINFO& f = *job.JOBINFO();
    EXPECT_EQ(f.MUBORDERLEFT, 1000);
    EXPECT_EQ(f.MUBORDERRIGHT, 2500);
    EXPECT_EQ(f.MUBORDERTOP, 500);
    EXPECT_EQ(f.MUBORDERBOTTOM, 4000);
    EXPECT_EQ(f.MUBORDERWIDTH, 250);
    EXPECT_TRUE(f.SHOWBORDER);
    EXPECT_EQ(f.TEXTALIGNVERT, 0);
    EXPECT_EQ(f.TEXTALIGNHORIZ, 2);
    EXPECT_EQ(f.TEXTJUSTIFY, 2);
    EXPECT_FALSE(f.TEXTSHRINKTOFIT);
    EXPECT_FALSE(f.ShowPic);
    EXPECT_FALSE(f.FitToLabel);
    EXPECT_TRUE(f.KeepRatio);
    EXPECT_DOUBLE_EQ(f.PicPCLeft, -5.0);
    EXPECT_DOUBLE_EQ(f.PicPCTop, 12.5);
    EXPECT_DOUBLE_EQ(f.PicPCWidth, 50.0);
    EXPECT_DOUBLE_EQ(f.PicPCHeight, -0.5);
    EXPECT_TRUE(f.UsePicPCLeft && f.UsePicPCTop && f.UsePicPCWidth && f.UsePicPCHeight);
    EXPECT_EQ(f.PicAlignVert, 2);
    EXPECT_EQ(f.PicAlignHoriz, 0);
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(FormatDialog, EachBadFieldIsReportedInOrderWithTheFocusOnIt)
{
    struct Case {
        QList<std::pair<const char*, QString>> typed;
        QString message;
        const char* focus;
    };
    const Case cases[] = {
        {{{"EditBLEFT", QString()}}, QStringLiteral("Left: '' is not a valid positive number."), "EditBLEFT"},
        {{{"EditBLEFT", QStringLiteral("abc")}},
         QStringLiteral("Left: 'abc' is not a valid positive number."),
         "EditBLEFT"},
        {{{"EditBRIGHT", QStringLiteral("-5")}, {"EditBTOP", QStringLiteral("x")}},
         QStringLiteral("Right: '-5' is not a valid positive number."),
         "EditBRIGHT"},
        {{{"EditBTOP", QStringLiteral("1,5")}},
         QStringLiteral("Top: '1,5' is not a valid positive number."),
         "EditBTOP"},
        {{{"EditBBOTTOM", QStringLiteral("1e3")}},
         QStringLiteral("Bottom: '1e3' is not a valid positive number."),
         "EditBBOTTOM"},
        {{{"EditBWIDTH", QStringLiteral(".")}},
         QStringLiteral("Width: '.' is not a valid positive number."),
         "EditBWIDTH"},
        // A border the format cannot hold (over two kilometres) is refused too.
        {{{"EditBLEFT", QStringLiteral("99999999")}},
         QStringLiteral("Left: '99999999' is not a valid positive number."),
         "EditBLEFT"},
        // Borders come before the picture.
        {{{"EditPicLeft", QStringLiteral("x")}, {"EditBWIDTH", QStringLiteral("-1")}},
         QStringLiteral("Width: '-1' is not a valid positive number."),
         "EditBWIDTH"},
        {{{"EditPicLeft", QStringLiteral("-5")}, {"EditPicTop", QStringLiteral("1-")}},
         QStringLiteral("Top %: '1-' is not a valid number."),
         "EditPicTop"},
        {{{"EditPicLeft", QStringLiteral("--5")}},
         QStringLiteral("Left %: '--5' is not a valid number."),
         "EditPicLeft"},
        {{{"EditPicWidth", QStringLiteral("0")}, {"EditPicHeight", QStringLiteral("0")}},
         QStringLiteral("Height %: '0' is not a valid number."),
         "EditPicHeight"},
        {{{"EditPicWidth", QStringLiteral("0")}},
         QStringLiteral("Width %: '0' is not a valid number."),
         "EditPicWidth"},
        {{{"EditPicHeight", QStringLiteral("-0.0")}},
         QStringLiteral("Height %: '-0.0' is not a valid number."),
         "EditPicHeight"},
    };
    TFormFORMAT dialog;
    const TJOBINFO before = *job.JOBINFO();
    for (const Case& c : cases) {
        messages.shown.clear();
        QString focus;
        bool stillOpen = false;
        const bool accepted = run(dialog, job, picDir, [&](TFormFORMAT& d) {
            for (const auto& [name, value] : c.typed)
                child<QLineEdit>(d, name)->setText(value);
            click(d, "ButtonOK");
            stillOpen = d.isVisible();
            if (QWidget* w = d.focusWidget())
                focus = w->objectName();
        });
        EXPECT_FALSE(accepted) << c.message.toStdString();
        EXPECT_TRUE(stillOpen) << c.message.toStdString();
        ASSERT_EQ(messages.shown.size(), 1) << c.message.toStdString();
        EXPECT_EQ(messages.shown[0].text, c.message);
        EXPECT_EQ(messages.shown[0].sign, MsgSign::Error);
        EXPECT_EQ(messages.shown[0].buttons, MsgButtons::Ok);
        EXPECT_EQ(focus, QString::fromLatin1(c.focus)) << c.message.toStdString();
    }
    // Nothing was written by any of them.
    EXPECT_EQ(job.JOBINFO()->MUBORDERLEFT, before.MUBORDERLEFT);
    EXPECT_DOUBLE_EQ(job.JOBINFO()->PicPCLeft, before.PicPCLeft);
    EXPECT_FALSE(job.ALTERED());
}

TEST_F(FormatDialog, SaveFormatDefaultsWritesTheValuesInOrderAndCancelKeepsThem)
{
    TFormFORMAT dialog;
    ScriptedDialogs dialogs;
    QFont chosen(QStringLiteral("Liberation Serif"));
    chosen.setPointSize(20);
    chosen.setItalic(true);
    dialogs.answerFont(chosen);
    dialogs.answerColor(QColor(255, 0, 0));
    QList<QPair<QString, QString>> values;
    const TJOBINFO before = *job.JOBINFO();

    const bool accepted = run(dialog, job, picDir, [&](TFormFORMAT& d) {
        child<QLineEdit>(d, "EditBLEFT")->setText(QStringLiteral("2.5"));
        child<QLineEdit>(d, "EditBTOP")->setText(QStringLiteral("3"));
        child<QLineEdit>(d, "EditBWIDTH")->setText(QStringLiteral("0.5"));
        child<QLineEdit>(d, "EditPicLeft")->setText(QStringLiteral(" -5"));
        child<QLineEdit>(d, "EditPicWidth")->setText(QStringLiteral("12.50"));
        child<QCheckBox>(d, "CheckBoxKeepRatio")->setChecked(true);
        child<QCheckBox>(d, "CheckBoxPicWidth")->setChecked(true);
        child<QRadioButton>(d, "RadioButtonJCENTRE")->setChecked(true);
        child<QRadioButton>(d, "RadioButtonPicBottom")->setChecked(true);
        click(d, "ButtonFONT");
        click(d, "ButtonBORDERCOLOR");
        click(d, "Buttonsaveformat");
        EXPECT_TRUE(d.isVisible()); // the dialog stays open
        values = d.formatValues();
        click(d, "ButtonCANCEL");
    });

    EXPECT_FALSE(accepted);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("Defaults saved."));
    EXPECT_TRUE(messages.shown[0].plain);

    // Written in the order of the format's value table, with these texts.
    const auto table = formatDefaultTable();
    ASSERT_EQ(values.size(), static_cast<qsizetype>(table.size()));
    for (qsizetype i = 0; i < values.size(); ++i)
        EXPECT_EQ(values[i].first, QString::fromLatin1(table[static_cast<std::size_t>(i)].valueName)) << i;
    const std::pair<const char*, const char*> expected[] = {
        {"BorderLeft", "2500"},    {"BorderTop", "3000"},       {"BorderRight", "2000"},   {"BorderBottom", "2000"},
        {"BorderWidth", "500"},    {"BorderColor", "255"},      {"TextAlignVert", "1"},    {"TextAlignHoriz", "1"},
        {"TextJustify", "1"},      {"ShrinkToFit", "True"},     {"ShowBorder", "False"},   {"ShowPic", "True"},
        {"FitToLabel", "True"},    {"KeepRatio", "True"},       {"PicPCLeft", "-5"},       {"PicPCTop", "0"},
        {"PicPCWidth", "12.50"},   {"PicPCHeight", "100"},      {"UsePicPCLeft", "False"}, {"UsePicPCTop", "False"},
        {"UsePicPCWidth", "True"}, {"UsePicPCHeight", "False"}, {"PicAlignVert", "2"},     {"PicAlignHoriz", "1"}};
    for (const auto& [name, value] : expected)
        EXPECT_EQ(readFormatDefault(QString::fromLatin1(name), QStringLiteral("?")), QString::fromLatin1(value))
            << name;
    StoredFont savedFont;
    ASSERT_TRUE(FNSTRINGTOFONT(readFormatDefault(QStringLiteral("Font"), QString()), savedFont));
    EXPECT_EQ(savedFont.Name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(savedFont.size(), 20);
    EXPECT_EQ(savedFont.Style, StoredFont::fsItalic);

    // Cancel left the job as it was.
    const TJOBINFO& after = *job.JOBINFO();
    EXPECT_FALSE(job.ALTERED());
    EXPECT_EQ(after.MUBORDERLEFT, before.MUBORDERLEFT);
    EXPECT_EQ(after.BORDERCOLOR, before.BORDERCOLOR);
    EXPECT_EQ(after.FONT, before.FONT);
    EXPECT_EQ(after.KeepRatio, before.KeepRatio);

    // A new job's format takes the saved defaults.
    useStoredFormatDefaults();
    TJOB fresh;
    EXPECT_EQ(fresh.JOBINFO()->MUBORDERLEFT, 2500);
    EXPECT_DOUBLE_EQ(fresh.JOBINFO()->PicPCLeft, -5.0);
    EXPECT_DOUBLE_EQ(fresh.JOBINFO()->PicPCWidth, 12.5);
    EXPECT_EQ(fresh.JOBINFO()->BORDERCOLOR, 255);
    EXPECT_EQ(fresh.JOBINFO()->FONT, savedFont);
}

TEST_F(FormatDialog, SaveFormatDefaultsChecksFirstAndWritesNothingOnABadField)
{
    TFormFORMAT dialog;
    run(dialog, job, picDir, [](TFormFORMAT& d) {
        child<QLineEdit>(d, "EditBLEFT")->setText(QStringLiteral("7"));
        child<QLineEdit>(d, "EditPicHeight")->setText(QStringLiteral("0"));
        click(d, "Buttonsaveformat");
        EXPECT_EQ(d.focusWidget(), child<QLineEdit>(d, "EditPicHeight"));
    });
    ASSERT_EQ(messages.texts(), QStringList{QStringLiteral("Height %: '0' is not a valid number.")});
    for (const FormatDefault& value : formatDefaultTable())
        EXPECT_EQ(readFormatDefault(QString::fromLatin1(value.valueName), QStringLiteral("none")),
                  QStringLiteral("none"))
            << value.valueName;
}

TEST_F(FormatDialog, FontAndColourDialogsWorkOnCopiesUntilOk)
{
    TFormFORMAT dialog;
    RecordingDialogs dialogs;
    job.JOBINFO()->BORDERCOLOR = 0x00336699;
    QFont big(QStringLiteral("Liberation Sans"));
    big.setPointSize(18);
    big.setBold(false);
    big.setUnderline(true);

    // Chosen, then cancelled: the job keeps its font and colour.
    dialogs.answerFont(big);
    dialogs.answerColor(QColor(0, 255, 0));
    run(dialog, job, picDir, [](TFormFORMAT& d) {
        click(d, "ButtonFONT");
        click(d, "ButtonBORDERCOLOR");
        EXPECT_EQ(d.workingColor(), 0x0000FF00);
        EXPECT_EQ(d.workingFont().Name, QStringLiteral("Liberation Sans"));
        click(d, "ButtonCANCEL");
    });
    ASSERT_EQ(dialogs.startColours.size(), 1);
    EXPECT_EQ(dialogs.startColours[0], QColor(0x99, 0x66, 0x33)); // the swatch's colour
    ASSERT_EQ(dialogs.startFonts.size(), 1);
    EXPECT_EQ(dialogs.startFonts[0].pointSize(), 12);
    EXPECT_TRUE(dialogs.startFonts[0].bold());
    EXPECT_EQ(job.JOBINFO()->FONT, defaultLabelFont());
    EXPECT_EQ(job.JOBINFO()->BORDERCOLOR, 0x00336699);

    // Cancelled inside the font dialog: nothing changes; then chosen and OK.
    dialogs.cancelFont();
    dialogs.cancelColor();
    dialogs.answerFont(big);
    dialogs.answerColor(QColor(0, 0, 255));
    ASSERT_TRUE(run(dialog, job, picDir, [](TFormFORMAT& d) {
        EXPECT_EQ(d.workingFont(), defaultLabelFont()); // refilled from the job
        click(d, "ButtonFONT");
        click(d, "ButtonBORDERCOLOR");
        EXPECT_EQ(d.workingFont(), defaultLabelFont());
        EXPECT_EQ(d.workingColor(), 0x00336699);
        click(d, "ButtonFONT");
        click(d, "ButtonBORDERCOLOR");
        click(d, "ButtonOK");
    }));
    const StoredFont& font = job.JOBINFO()->FONT;
    EXPECT_EQ(font.Name, QStringLiteral("Liberation Sans"));
    EXPECT_EQ(font.size(), 18);
    EXPECT_EQ(font.Height, -24);
    EXPECT_EQ(font.Style, StoredFont::fsUnderline);
    EXPECT_EQ(font.Color, 0); // the font dialog has no colour: kept
    EXPECT_EQ(font.Charset, 1);
    EXPECT_EQ(job.JOBINFO()->BORDERCOLOR, 0x00FF0000);
}

TEST_F(FormatDialog, BrowseTakesThePictureAtOnceAndCancelKeepsIt)
{
    const QString pics = QDir(programFolder()).filePath(QStringLiteral("Pics"));
    QDir(pics).removeRecursively();
    QTemporaryDir folder;
    const QString picture = folder.filePath(QStringLiteral("logo.PNG"));
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    ASSERT_TRUE(image.save(picture, "PNG"));

    TFormFORMAT dialog;
    ScriptedDialogs dialogs;
    dialogs.answerFile(picture);
    const bool accepted = run(dialog, job, picDir, [&](TFormFORMAT& d) {
        click(d, "ButtonPicBrowse");
        EXPECT_EQ(job.DATAINFO()->PicFileName, QFileInfo(picture).absoluteFilePath());
        click(d, "ButtonCANCEL");
    });
    EXPECT_FALSE(accepted);
    // The first browse of the run starts in "Pics" beside the program, made for it.
    EXPECT_TRUE(QFileInfo(pics).isDir());
    ASSERT_EQ(dialogs.requests.size(), 1);
    const FileRequest request = dialogs.requests[0].file;
    EXPECT_EQ(QDir(request.startFolder).canonicalPath(), QDir(pics).canonicalPath());
    EXPECT_TRUE(request.mustExist);
    EXPECT_TRUE(request.filter.startsWith(QLatin1String("All (")));
    for (const char* pattern :
         {"*.bmp", "*.BMP", "*.ico", "*.png", "*.PNG", "*.jpg", "*.jpeg", "*.JPEG", "*.gif", "*.svg", "*.SVG"})
        EXPECT_TRUE(request.filter.contains(QString::fromLatin1(pattern))) << pattern;
    EXPECT_FALSE(request.filter.contains(QLatin1String("emf")));

    // Cancel did not undo it, and it did not mark the job altered.
    EXPECT_EQ(job.DATAINFO()->PicFileName, QFileInfo(picture).absoluteFilePath());
    EXPECT_TRUE(job.DATAINFO()->pictureLoaded());
    EXPECT_FALSE(job.ALTERED());
    EXPECT_EQ(picDir, QFileInfo(picture).absolutePath() + QLatin1Char('/'));

    // The next browse starts from the last choice; the start folder stays.
    dialogs.answerFile(QString()); // the user cancels this time
    run(dialog, job, picDir, [](TFormFORMAT& d) {
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("StatusBarPic"))->text().section(u'/', -1),
                  QStringLiteral("logo.PNG"));
        click(d, "ButtonPicBrowse");
    });
    ASSERT_EQ(dialogs.requests.size(), 2);
    EXPECT_EQ(dialogs.requests[1].file.startFolder, request.startFolder);
    EXPECT_EQ(dialogs.requests[1].file.fileName, QFileInfo(picture).absoluteFilePath());
    EXPECT_EQ(job.DATAINFO()->PicFileName, QFileInfo(picture).absoluteFilePath());
}

TEST_F(FormatDialog, BrowseStartsInThePictureFolderWhenOneIsKnown)
{
    TFormFORMAT dialog;
    ScriptedDialogs dialogs;
    dialogs.answerFile(QString());
    picDir = QStringLiteral("/srv/pictures/");
    run(dialog, job, picDir, [](TFormFORMAT& d) { click(d, "ButtonPicBrowse"); });
    ASSERT_EQ(dialogs.requests.size(), 1);
    EXPECT_EQ(dialogs.requests[0].file.startFolder, QStringLiteral("/srv/pictures/"));
    EXPECT_EQ(picDir, QStringLiteral("/srv/pictures/")); // nothing chosen: unchanged
    EXPECT_TRUE(job.DATAINFO()->PicFileName.isEmpty());
}

TEST_F(FormatDialog, PictureNameIsShortenedToItsLineWithTheFullNameAsHint)
{
    TFormFORMAT dialog;
    const QString longName = QStringLiteral("/home/someone/Documents/Company/Marketing/Logos/2026/spring/"
                                            "very/deep/folders/logo-final.png");
    job.DATAINFO()->PicFileName = longName;
    run(dialog, job, picDir, [&](TFormFORMAT& d) {
        auto* line = d.findChild<QLabel*>(QStringLiteral("StatusBarPic"));
        EXPECT_NE(line->text(), longName);
        EXPECT_TRUE(line->text().endsWith(QLatin1String("/logo-final.png")));
        EXPECT_TRUE(line->text().contains(QLatin1String("...")));
        EXPECT_LE(line->fontMetrics().horizontalAdvance(line->text()), line->contentsRect().width() - 8);
        EXPECT_EQ(line->toolTip(), longName);
    });
    job.DATAINFO()->PicFileName = QStringLiteral("/p/a.png");
    run(dialog, job, picDir, [](TFormFORMAT& d) {
        auto* line = d.findChild<QLabel*>(QStringLiteral("StatusBarPic"));
        EXPECT_EQ(line->text(), QStringLiteral("/p/a.png"));
        EXPECT_TRUE(line->toolTip().isEmpty());
    });
}

TEST_F(FormatDialog, CodesOutsideTheRangeKeepTheGroupsSelection)
{
    TFormFORMAT dialog;
    job.JOBINFO()->TEXTALIGNVERT = 2;
    run(dialog, job, picDir, [](TFormFORMAT&) {});
    job.JOBINFO()->TEXTALIGNVERT = 7;
    job.JOBINFO()->PicAlignHoriz = -1;
    ASSERT_TRUE(run(dialog, job, picDir, [](TFormFORMAT& d) {
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonVBOTTOM")->isChecked());
        EXPECT_TRUE(child<QRadioButton>(d, "RadioButtonPicHCentre")->isChecked());
        click(d, "ButtonOK");
    }));
    EXPECT_EQ(job.JOBINFO()->TEXTALIGNVERT, 2);
    EXPECT_EQ(job.JOBINFO()->PicAlignHoriz, 1);
}

TEST_F(FormatDialog, OkAndCancelStayCentredAsAPairSixteenPixelsApart)
{
    TFormFORMAT dialog;
    run(dialog, job, picDir, [](TFormFORMAT& d) {
        for (int extra : {0, 137, 400}) {
            d.resize(d.minimumSizeHint().width() + extra, d.height());
            QCoreApplication::processEvents();
            auto* ok = d.findChild<QPushButton*>(QStringLiteral("ButtonOK"));
            auto* cancel = d.findChild<QPushButton*>(QStringLiteral("ButtonCANCEL"));
            ASSERT_EQ(ok->parentWidget(), cancel->parentWidget());
            const QRect a = ok->geometry();
            const QRect b = cancel->geometry();
            EXPECT_EQ(b.left() - (a.right() + 1), 16) << extra;
            const int bar = ok->parentWidget()->width();
            EXPECT_LE(std::abs((a.left() + b.right() + 1) - bar), 1) << extra; // centred
            EXPECT_TRUE(ok->isDefault());
        }
    });
}

TEST_F(FormatDialog, RealFontDialogKeepsTheLabelFontUnlessChanged)
{
    TFormFORMAT dialog;
    const QFontInfo used(fontToQFont(defaultLabelFont())); // "COURIER NEW"'s stand-in, bold
    ASSERT_TRUE(run(dialog, job, picDir, [&](TFormFORMAT& d) {
        for (const char* size : {"", "14"}) { // Qt's own dialog: OK without a change, then a new size
            whenModal<QFontDialog>([&](QFontDialog& fonts) {
                EXPECT_TRUE(fonts.currentFont().family() == used.family() && fonts.currentFont().bold());
                for (QLineEdit* e : fonts.findChildren<QLineEdit*>())
                    if (e->validator() && *size) // the size box, the one taking numbers only
                        e->setText(QString::fromLatin1(size));
                QTest::mouseClick(fonts.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok), Qt::LeftButton);
            });
            click(d, "ButtonFONT");
        }
        click(d, "ButtonOK");
    }));
    EXPECT_EQ(job.JOBINFO()->FONT.Name + QString::number(job.JOBINFO()->FONT.size()), "COURIER NEW14");
    EXPECT_EQ(job.JOBINFO()->FONT.Style, StoredFont::fsBold);
}

TEST(FontConvert, ModelFontAndQtFontRoundTrip)
{
    StoredFont font = defaultLabelFont();
    const QFont q = fontToQFont(font);
    EXPECT_EQ(q.pointSize(), 12);
    EXPECT_TRUE(q.bold());
    EXPECT_FALSE(q.italic());
    StoredFont back = font;
    qFontToFont(q, back);
    EXPECT_EQ(back, font); // "COURIER NEW" stays, even if it resolves to another family
    qFontToFont(QFont(QFontInfo(q).family(), 12, QFont::Bold), back);
    EXPECT_EQ(back.Name, QStringLiteral("COURIER NEW"));

    font.Style = StoredFont::fsItalic | StoredFont::fsStrikeOut;
    font.Height = -15; // 11.25 points at 96 pixels per inch
    font.Pitch = StoredFont::fpFixed;
    const QFont odd = fontToQFont(font);
    EXPECT_DOUBLE_EQ(odd.pointSizeF(), 11.25);
    EXPECT_TRUE(odd.italic() && odd.strikeOut() && !odd.bold());
    EXPECT_TRUE(odd.fixedPitch());
    StoredFont again = font;
    qFontToFont(odd, again);
    EXPECT_EQ(again.Height, -15);
    EXPECT_EQ(again.Style, font.Style);
    EXPECT_EQ(again.Pitch, StoredFont::fpFixed);

    EXPECT_EQ(qColorToColor(QColor(0x12, 0x34, 0x56)), 0x00563412);
}
