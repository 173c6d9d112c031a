// Codes in the label format, serial numbers and chosen labels, as the user
// reaches them from the main window's menus and dialogs.

#include "common/MainWindowFixture.h"
#include "common/ModalDialog.h"
#include "common/TestEnv.h"
#include "model/Job.h"
#include "render/LabelCheck.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

QString firstLine(const TJOB& job, qint32 k)
{
    const std::optional<LabelContent> label = job.labelContent(k, LabelLimits{});
    return label && !label->lines.isEmpty() ? label->lines.constFirst() : QString();
}

} // namespace

TEST_F(MainWindowTest, CodeChosenInFormatLabelsIsSavedAndLeavesNoTraceOnceRemoved)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 4));
    const QByteArray before = readFileBytes(job);
    TFormMAIN& main = start({job});

    whenModal([](QWidget& d) {
        EXPECT_TRUE(::child<QCheckBox>(d, "CheckBoxShowPic")->isChecked()); // as new jobs have it
        ::child<QRadioButton>(d, "RadioButtonCode")->click();
        auto* kinds = ::child<QComboBox>(d, "ComboBoxCodeType");
        kinds->setCurrentIndex(kinds->findData(QStringLiteral("code128")));
        paste(d, "EditCodeText", "ITEM-{SKU}"); // no such field in text blocks
        EXPECT_TRUE(::child<QLabel>(d, "LabelFieldProblem")->isVisibleTo(&d));
        EXPECT_TRUE(textOf(d, "LabelFieldProblem").contains("SKU")) << textOf(d, "LabelFieldProblem").toStdString();
        paste(d, "EditCodeText", "ITEM-{1}");
        EXPECT_FALSE(::child<QLabel>(d, "LabelFieldProblem")->isVisibleTo(&d));
        click(d, "ButtonOK");
    });
    trigger("FORMATLABELS");
    EXPECT_TRUE(main.job().ALTERED());
    EXPECT_EQ(main.job().labelContent(1, LabelLimits{})->codeText, "ITEM-Label 2 line 1");
    trigger("Savejob");
    TJOB reopened;
    ASSERT_TRUE(reopened.LOADFROMFILE(job));
    EXPECT_EQ(reopened.JOBINFO()->CodeType, "code128");
    EXPECT_EQ(reopened.JOBINFO()->CodeText, "ITEM-{1}");

    // The dialog shows the code again; going back to the picture file
    // stores the job exactly as it was before.
    whenModal([](QWidget& d) {
        EXPECT_TRUE(::child<QRadioButton>(d, "RadioButtonCode")->isChecked());
        EXPECT_EQ(textOf(d, "EditCodeText"), "ITEM-{1}");
        EXPECT_EQ(::child<QComboBox>(d, "ComboBoxCodeType")->currentData().toString(), "code128");
        ::child<QRadioButton>(d, "RadioButtonPicFile")->click();
        click(d, "ButtonOK");
    });
    trigger("FORMATLABELS");
    trigger("Savejob");
    EXPECT_EQ(readFileBytes(job), before);
}

TEST_F(MainWindowTest, PictureNameWithFieldsIsTypedInFormatLabels)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 2))});
    whenModal([](QWidget& d) {
        paste(d, "EditPicFileName", "photos/{Photo}.png"); // text blocks name no fields
        EXPECT_TRUE(::child<QLabel>(d, "LabelFieldProblem")->isVisibleTo(&d));
        paste(d, "EditPicFileName", "photos/{2}.png");
        EXPECT_FALSE(::child<QLabel>(d, "LabelFieldProblem")->isVisibleTo(&d));
        click(d, "ButtonOK");
    });
    trigger("FORMATLABELS");
    EXPECT_EQ(main.job().DATAINFO()->PicFileName, "photos/{2}.png");
    EXPECT_TRUE(main.job().DATAINFO()->picturePerLabel());
    EXPECT_EQ(main.job().DATAINFO()->pictureNameFor(1), path("photos/Label 2 line 2.png"));
}

TEST_F(MainWindowTest, SerialNumbersReplaceTheDataFileUntilOneIsOpened)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 3));
    TFormMAIN& main = start({job});
    whenModal([this](QWidget& d) {
        paste(d, "EditSERIALFROM", "0012");
        paste(d, "EditSERIALTO", "0007");
        click(d, "ButtonOK"); // refused: the dialog stays
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(messages.shown.isEmpty());
        paste(d, "EditSERIALFROM", "0007");
        paste(d, "EditSERIALTO", "0012");
        click(d, "ButtonOK");
    });
    trigger("SerialNumbers");
    EXPECT_TRUE(main.job().DATAINFO()->FULLFILENAME.isEmpty());
    EXPECT_EQ(main.job().PAGECOUNT(), 2);
    EXPECT_EQ(firstLine(main.job(), 0), "0007");
    EXPECT_EQ(firstLine(main.job(), 5), "0012");
    EXPECT_TRUE(main.job().ALTERED());
    EXPECT_EQ(child<QLabel>("StatusBarDATAFILENAME")->text(), "Serial numbers 0007 to 0012");
    EXPECT_TRUE(actionEnabled("Data1", "FIELDS"));

    // The number is field {1} of the label's code.
    main.job().JOBINFO()->ShowPic = true;
    main.job().JOBINFO()->CodeType = QStringLiteral("qrcode");
    main.job().JOBINFO()->CodeText = QStringLiteral("ASSET-{1}");
    EXPECT_EQ(main.job().labelContent(2, LabelLimits{})->codeText, "ASSET-0009");

    trigger("Savejob");
    dialogs.answerFile(job);
    trigger("Openjob");
    const TDATAINFO& data = *main.job().DATAINFO();
    EXPECT_EQ(data.SerialFrom, "0007");
    EXPECT_EQ(data.labelsInIndex(), 6);

    dialogs.answerFile(writeData("other.txt", 5));
    trigger("OPENDATA");
    EXPECT_TRUE(data.SerialFrom.isEmpty());
    EXPECT_EQ(data.labelsInIndex(), 5);
    EXPECT_TRUE(child<QLabel>("StatusBarDATAFILENAME")->text().endsWith("other.txt"));
}

TEST_F(MainWindowTest, ChosenLabelsPrintPackedAreNotSavedAndGoWithNewData)
{
    const QString job = writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 10));
    const QByteArray before = readFileBytes(job);
    TFormMAIN& main = start({job});
    EXPECT_EQ(main.job().PAGECOUNT(), 3);
    whenModal([this](QWidget& d) {
        EXPECT_EQ(textOf(d, "LabelLABELCOUNT"), "The data hold 10 labels.");
        paste(d, "EditLABELS", "2-3,11");
        click(d, "ButtonOK"); // label 11 is not in the data: the dialog stays
        EXPECT_TRUE(d.isVisible());
        EXPECT_FALSE(messages.shown.isEmpty());
        paste(d, "EditLABELS", "9, 2-3");
        click(d, "ButtonOK");
    });
    trigger("SelectLabels");
    EXPECT_EQ(main.job().PAGECOUNT(), 1);
    EXPECT_EQ(main.job().DATAINFO()->LABELCOUNT(), 3);
    EXPECT_EQ(firstLine(main.job(), 0), "Label 2 line 1");
    EXPECT_EQ(firstLine(main.job(), 2), "Label 9 line 1");
    EXPECT_FALSE(main.job().ALTERED());
    trigger("Savejob");
    EXPECT_EQ(readFileBytes(job), before);

    // The dialog shows the choice; "All labels" lets it go.
    whenModal([](QWidget& d) {
        EXPECT_EQ(textOf(d, "EditLABELS"), "2-3, 9");
        click(d, "ButtonALLLABELS");
    });
    trigger("SelectLabels");
    EXPECT_EQ(main.job().PAGECOUNT(), 3);

    whenModal([](QWidget& d) {
        paste(d, "EditLABELS", "4");
        click(d, "ButtonOK");
    });
    trigger("SelectLabels");
    EXPECT_EQ(main.job().DATAINFO()->LABELCOUNT(), 1);
    click(*main_, "ButtonRELOADDATA");
    EXPECT_FALSE(main.job().DATAINFO()->chosenLabels().has_value());
    EXPECT_EQ(main.job().DATAINFO()->LABELCOUNT(), 10);
}

TEST_F(MainWindowTest, PrintAsksBeforeLeavingLabelsThatCannotBeMadeEmpty)
{
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, writeData("data.txt", 6))});
    TJOBINFO& format = *main.job().JOBINFO();
    format.ShowPic = true;
    format.CodeType = QStringLiteral("ean13");
    format.CodeText = QStringLiteral("{1}"); // "Label 1 line 1" is no EAN-13
    ASSERT_FALSE(checkLabels(main.job()).ok());
    messages.answer(MsgAnswer::Cancel);
    trigger("PRINTJOB");
    ASSERT_FALSE(messages.shown.isEmpty());
    const QString question = messages.shown.constLast().text;
    EXPECT_TRUE(question.startsWith("6 labels cannot be printed")) << question.toStdString();
    EXPECT_TRUE(question.contains("Label 1: ")) << question.toStdString();
    EXPECT_TRUE(question.contains("\n...")) << question.toStdString(); // five of six listed
    EXPECT_TRUE(dialogs.offered.isEmpty());                            // cancelled before the print dialog
}
