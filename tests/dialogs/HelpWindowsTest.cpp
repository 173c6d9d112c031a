// The two instructions windows, the shipped instructions document and the
// "&Instructions" command's choice between them.

#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "dialogs/FormHELP.h"
#include "dialogs/FormRTFHelp.h"
#include "text/RtfReader.h"
#include "support/BaseForm.h"
#include "support/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

const QString shippedDocument = QStringLiteral(GORVIN_DOCS_DIR "/Gorvin02Instructions.rtf");

// The installed data folder of the test run: ~/.local/share/Mardo/Gorvin.
QString dataFolder()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
}

} // namespace

TEST(PlainHelp, ShowsTheBuiltInInstructionsWordWrapped)
{
    TFormHELP help;
    EXPECT_EQ(help.objectName(), QStringLiteral("FormHELP"));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("FormHELP"));
    EXPECT_NE(TBASEFORM::of(&help), nullptr); // part of the saved desktop
    auto* memo = help.findChild<QPlainTextEdit*>(QStringLiteral("Memo1"));
    ASSERT_NE(memo, nullptr);
    EXPECT_TRUE(memo->isReadOnly());
    EXPECT_EQ(memo->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    help.show();
    EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth); // switched on at every showing
    help.hide();

    const QString text = memo->toPlainText();
    EXPECT_TRUE(text.contains(QLatin1String("GORVIN")));
    EXPECT_TRUE(text.contains(QLatin1String("\"New job wizard...\" on the \"File\" menu")));
    for (int step = 1; step <= 10; ++step)
        EXPECT_TRUE(text.contains(QStringLiteral("\n%1. ").arg(step))) << step;
    for (const char* part : {"Template/New", "Template/Edit layout", "Data/Open", "File/Format labels", "Reload data",
                             "2 mm", "plain paper", "Email us"})
        EXPECT_TRUE(text.contains(QString::fromLatin1(part))) << part;
}

TEST(FormattedHelp, CloseButtonStaysCentredInItsBarAndClosesTheWindow)
{
    TFormRTFHelp help;
    EXPECT_EQ(help.objectName(), QStringLiteral("FormRTFHelp"));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Instructions"));
    EXPECT_EQ(TBASEFORM::of(&help), nullptr);
    EXPECT_EQ(help.richText()->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    auto* close = help.findChild<QPushButton*>(QStringLiteral("ButtonClose"));
    ASSERT_NE(close, nullptr);
    EXPECT_EQ(close->text(), QStringLiteral("Close"));
    help.show();
    for (int width : {300, 641, 900}) {
        help.resize(width, 500);
        QCoreApplication::processEvents();
        QWidget* bar = close->parentWidget();
        EXPECT_EQ(bar->height(), 41);
        EXPECT_EQ(close->x(), (bar->width() - close->width()) / 2) << width;
    }
    close->click();
    EXPECT_FALSE(help.isVisible());
}

TEST(FormattedHelp, TheShippedDocumentReadsAsAGuide)
{
    QFile file(shippedDocument);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << shippedDocument.toStdString();
    const QByteArray rtf = file.readAll();
    ASSERT_TRUE(isRtf(rtf));
    QTextDocument document;
    ASSERT_TRUE(readRtf(rtf, document));
    const QString text = document.toPlainText();
    for (const char* part : {"What Gorvin does", "New job wizard", "Template \u2192 Edit layout", "Data files",
                             "Format labels", "Save format defaults", "Calibrating the printer", "CUPS",
                             "gorvin --print JOB.GVJ", "--output FILE.pdf", "Reload data", ".GVJ", ".GVR"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(part))) << part;
    // Nothing of the markup shows through.
    EXPECT_FALSE(text.contains(u'\\'));
    EXPECT_FALSE(text.contains(QLatin1String("Liberation Sans")));
    EXPECT_FALSE(text.contains(QLatin1String("Mardo Software Ltd"))); // the document information
    EXPECT_FALSE(text.contains(QChar::ReplacementCharacter));
    // The first paragraph is the centred title, in bold and large.
    const QTextBlock title = document.begin();
    EXPECT_EQ(title.text(), QStringLiteral("Gorvin"));
    EXPECT_EQ(title.blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    const QTextCharFormat titleFormat = title.begin().fragment().charFormat();
    EXPECT_GE(titleFormat.fontWeight(), QFont::Bold);
    EXPECT_DOUBLE_EQ(titleFormat.fontPointSize(), 22.0);
}

TEST(FormattedHelp, LoadsRtfAndPlainTextAndReportsAFileItCannotOpen)
{
    ScriptedMessages messages;
    TFormRTFHelp help;
    ASSERT_TRUE(help.loadDocument(shippedDocument));
    EXPECT_TRUE(help.richText()->toPlainText().startsWith(QLatin1String("Gorvin\n")));
    EXPECT_TRUE(messages.shown.isEmpty());

    const QString plain = WriteFile(TestEnv::root() + QStringLiteral("/plain.rtf"), "Just text, not RTF.");
    ASSERT_TRUE(help.loadDocument(plain));
    EXPECT_EQ(help.richText()->toPlainText(), QStringLiteral("Just text, not RTF."));

    const QString missing = TestEnv::root() + QStringLiteral("/no/such.rtf");
    EXPECT_FALSE(help.loadDocument(missing));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(messages.shown[0].sign, MsgSign::Error);
    EXPECT_TRUE(messages.shown[0].text.startsWith(QStringLiteral("Cannot open file \"%1\"").arg(missing)));
    EXPECT_EQ(help.richText()->toPlainText(), QStringLiteral("Just text, not RTF.")); // left as it was
}

TEST(FormattedHelp, InstructionsCommandShowsTheDocumentWhenThereIsOneElseThePlainWindow)
{
    ScriptedMessages messages;
    QDir(dataFolder()).removeRecursively();
    ASSERT_TRUE(instructionsFile().isEmpty()) << "a document beside the test program";

    TFormRTFHelp formatted;
    TFormHELP plain;
    EXPECT_TRUE(showInstructions(formatted, plain));
    EXPECT_TRUE(plain.isVisible());
    EXPECT_FALSE(formatted.isVisible());
    plain.hide();

    // Installed in the data folder.
    QDir().mkpath(dataFolder());
    ASSERT_TRUE(QFile::copy(shippedDocument, QDir(dataFolder()).filePath(instructionsFileName())));
    EXPECT_EQ(QFileInfo(instructionsFile()).fileName(), QStringLiteral("Gorvin02Instructions.rtf"));
    EXPECT_TRUE(showInstructions(formatted, plain));
    EXPECT_TRUE(formatted.isVisible());
    EXPECT_FALSE(plain.isVisible());
    // It tells what the program does now: tables, products, the batch printer.
    for (const char* topic : {"Calibrating the printer", "from a spreadsheet", "New from product", "--header yes|no"})
        EXPECT_TRUE(formatted.richText()->toPlainText().contains(QLatin1String(topic))) << topic;
    formatted.hide();
    QDir(dataFolder()).removeRecursively();
    EXPECT_TRUE(messages.shown.isEmpty());
}
