// Table data in the main window: Data > Fields... with the real dialog, the
// page it redraws, printing to a PDF file, and the job that keeps it.

#include "common/MainWindowFixture.h"
#include "common/PrintFixtures.h"
#include "common/Controls.h"
#include "common/ModalDialog.h"
#include "common/TestEnv.h"

#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QScopeGuard>
#include <QRegularExpression>
#include <QStatusBar>

TEST_F(MainWindowTest, FieldsDialogLaysOutTheReadmeExample)
{
    // The print system's "LabelPDF" queue is the default printer.
    qputenv("PRINTER", PrintQueue::name().toUtf8());
    qputenv("LPDEST", PrintQueue::name().toUtf8());
    const auto unset = qScopeGuard([] {
        qunsetenv("PRINTER");
        qunsetenv("LPDEST");
    });
    SKIP_WITHOUT_QUEUE(true);
    const QString csv = path("addresses.csv");
    ASSERT_TRUE(QFile::copy(QStringLiteral(GORVIN_SOURCE_DIR "/examples/addresses-100.csv"), csv));
    const QString job = writeJob(path("labels.GVJ"), 3, 10, csv);
    TFormMAIN& main = start({job});
    EXPECT_TRUE(actionEnabled("Data1", "FIELDS"));
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 100);

    // A field the data has not is told and the dialog stays; then a good
    // layout, its preview following the typing, and OK.
    QStringList previews;
    whenModal([&](QWidget& dialog) {
        EXPECT_TRUE(::child<QCheckBox>(dialog, "CheckBoxHEADER")->isChecked());
        auto* memo = ::child<QPlainTextEdit>(dialog, "MemoLAYOUT");
        memo->setPlainText("{Name}\n{Phone}");
        click(dialog, "OKBtn");
        EXPECT_TRUE(dialog.isVisible());
        memo->setPlainText("{Name}\n{Company}\n{Street}\n{Zip} {City}");
        previews << ::child<QLabel>(dialog, "PreviewLABEL1")->text();
        click(dialog, "OKBtn");
    });
    const int before = main.preview().refreshCount();
    trigger("FIELDS");
    EXPECT_EQ(messages.texts(), QStringList{"The layout names the field {Phone}, which the data does not have."});
    EXPECT_EQ(previews, QStringList{"Anna Smith\n1 High Street\nLS1 1AB Leeds"});
    EXPECT_GT(main.preview().refreshCount(), before);
    EXPECT_TRUE(main.job().ALTERED());
    QStringList label;
    ASSERT_TRUE(main.job().GETLABEL(3, label));
    EXPECT_EQ(label, (QStringList{"David Smith", "Acme Ltd", "4 Queens Walk", "CH1 4AB Chester"}));

    // Printed to a file through the print command: a hundred labels.
    const QString pdf = path("labels.pdf");
    PrintChoice choice;
    choice.maxPage = choice.toPage = 4;
    dialogs.answerPrint(choice, [&](QPrinter& printer) {
        printer.setPrinterName(QString());
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    });
    trigger("PRINTJOB");
    ASSERT_EQ(PdfPageCount(pdf), 4);
    const QString text = RunText(QStringLiteral("pdftotext"), {pdf, QStringLiteral("-")});
    EXPECT_EQ(text.count(QRegularExpression(QStringLiteral("[A-Z]{2}\\d \\d+AB [A-Z]"))), 100);
    EXPECT_TRUE(text.contains("CH1 4AB Chester"));

    // Saved and opened again, the job lays the rows out the same way.
    trigger("Savejob");
    TJOB reopened;
    ASSERT_TRUE(reopened.LOADFROMFILE(job));
    EXPECT_EQ(reopened.DATAINFO()->tableSettings().LabelLayout, "{Name}\n{Company}\n{Street}\n{Zip} {City}");
}

TEST_F(MainWindowTest, TextThatLooksLikeATableIsToldInTheStatusLine)
{
    QByteArray rows;
    for (int i = 0; i < 12; ++i)
        rows += "Name " + QByteArray::number(i) + ",Street,Town\n";
    const QString text = WriteFile(path("people.txt"), rows);
    TFormMAIN& main = start({writeJob(path("a.GVJ"), 2, 2, text)});
    EXPECT_EQ(main.statusBar()->currentMessage(),
              "This looks like a table: rename it to .csv to print one label a row");
    EXPECT_TRUE(actionEnabled("Data1", "FIELDS")); // text blocks are laid out by fields too
}
