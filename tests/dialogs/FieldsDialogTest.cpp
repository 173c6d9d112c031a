// The Fields dialog on its own: the header box, the preview, what OK stores.

#include "common/Controls.h"
#include "common/ModalDialog.h"
#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "dialogs/FieldsDialog.h"
#include "model/DataInfo.h"

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(FieldsDialog, HeaderBoxSwitchesNamesAndOkStoresTheChoice)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    TDATAINFO data;
    data.FULLFILENAME = WriteFile(dir.filePath("people.csv"), "Name,Town\nAnna,Leeds\nBob,York\n");
    ASSERT_TRUE(data.LOADDATA());
    FieldsDialog dialog;

    // Cancel changes nothing.
    whenModal<FieldsDialog>([](FieldsDialog& d) {
        child<QPlainTextEdit>(d, "MemoLAYOUT")->setPlainText("{Town}");
        click(d, "CancelBtn");
    });
    EXPECT_FALSE(dialog.execute(data));
    EXPECT_TRUE(data.tableSettings().LabelLayout.isEmpty());

    // Without names the fields go by position and the first row is a label.
    whenModal<FieldsDialog>([](FieldsDialog& d) {
        EXPECT_EQ(child<QListWidget>(d, "ListFIELDS")->item(1)->text(), "{Town}");
        child<QCheckBox>(d, "CheckBoxHEADER")->setChecked(false);
        EXPECT_EQ(child<QListWidget>(d, "ListFIELDS")->item(1)->text(), "{2}");
        child<QPlainTextEdit>(d, "MemoLAYOUT")->setPlainText("{2}: {1}");
        EXPECT_EQ(child<QLabel>(d, "PreviewLABEL1")->text(), "Town: Name");
        EXPECT_EQ(child<QLabel>(d, "PreviewLABEL3")->text(), "York: Bob");
        click(d, "OKBtn");
    });
    EXPECT_TRUE(dialog.execute(data));
    EXPECT_EQ(data.tableSettings().header(), HeaderChoice::No);
    EXPECT_EQ(data.labelsInIndex(), 3);
    QStringList label;
    ASSERT_TRUE(data.GETLABEL(1, label));
    EXPECT_EQ(label, QStringList{"Leeds: Anna"});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(FieldsDialog, WideTableShowsItsFirstColumnsAndUsesAnyOther)
{
    // A spreadsheet's 16 384 columns and more: the first ones are shown and
    // listed, the count is told, and a column past them is used by typing it.
    QTemporaryDir dir;
    ScriptedMessages messages;
    QByteArray names;
    QByteArray row;
    for (int c = 0; c < 20000; ++c) {
        names += (c ? ",Col" : "Col") + QByteArray::number(c);
        row += (c ? ",v" : "v") + QByteArray::number(c);
    }
    TDATAINFO data;
    data.FULLFILENAME = WriteFile(dir.filePath("wide.csv"), names + '\n' + row + '\n');
    ASSERT_TRUE(data.LOADDATA());
    ASSERT_EQ(data.table().columnCount(), 20000);
    FieldsDialog dialog;
    whenModal<FieldsDialog>([](FieldsDialog& d) {
        const auto* more = child<QLabel>(d, "LabelMORE");
        EXPECT_FALSE(more->isHidden());
        EXPECT_TRUE(more->text().startsWith("The first 200 of the 20000 columns are shown"))
            << more->text().toStdString();
        EXPECT_EQ(child<QTableWidget>(d, "GridROWS")->columnCount(), FieldsDialog::ShownColumns);
        auto* list = child<QListWidget>(d, "ListFIELDS");
        EXPECT_EQ(list->count(), FieldsDialog::ShownColumns);
        // The header box switches the names back and forth.
        auto* header = child<QCheckBox>(d, "CheckBoxHEADER");
        header->setChecked(true);
        EXPECT_EQ(list->item(199)->text(), "{Col199}");
        header->setChecked(false);
        EXPECT_EQ(list->item(199)->text(), "{200}");
        header->setChecked(true);
        child<QPlainTextEdit>(d, "MemoLAYOUT")->setPlainText("{Col19999} {20000}");
        EXPECT_EQ(child<QLabel>(d, "PreviewLABEL1")->text(), "v19999 v19999");
        click(d, "OKBtn");
    });
    EXPECT_TRUE(dialog.execute(data));
    QStringList label;
    ASSERT_TRUE(data.GETLABEL(0, label));
    EXPECT_EQ(label, QStringList{"v19999 v19999"});
    EXPECT_TRUE(messages.shown.isEmpty());

    // A narrow table says nothing of more columns.
    TDATAINFO narrow;
    narrow.FULLFILENAME = WriteFile(dir.filePath("narrow.csv"), "Name,Town\nAnna,Leeds\nBob,York\n");
    ASSERT_TRUE(narrow.LOADDATA());
    whenModal<FieldsDialog>([](FieldsDialog& d) {
        EXPECT_TRUE(child<QLabel>(d, "LabelMORE")->isHidden());
        click(d, "CancelBtn");
    });
    EXPECT_FALSE(dialog.execute(narrow));
}
