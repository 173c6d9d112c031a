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
