// The Fields dialog on its own: the header box, the preview, what OK stores.

#include "common/ScriptedMessages.h"
#include "common/TestEnv.h"
#include "dialogs/FieldsDialog.h"
#include "model/DataInfo.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

namespace {

// Shows the dialog for the data and runs the script on it once it is up.
bool run(FieldsDialog& dialog, TDATAINFO& data, const std::function<void(FieldsDialog&)>& script)
{
    QTimer::singleShot(0, &dialog, [&dialog, script] { script(dialog); });
    return dialog.execute(data);
}

template <class W>
W* in(QWidget& dialog, const char* name)
{
    return dialog.findChild<W*>(QString::fromLatin1(name));
}

} // namespace

TEST(FieldsDialog, HeaderBoxSwitchesNamesAndOkStoresTheChoice)
{
    QTemporaryDir dir;
    ScriptedMessages messages;
    TDATAINFO data;
    data.FULLFILENAME = WriteFile(dir.filePath("people.csv"), "Name,Town\nAnna,Leeds\nBob,York\n");
    ASSERT_TRUE(data.LOADDATA());
    FieldsDialog dialog;

    // Cancel changes nothing.
    EXPECT_FALSE(run(dialog, data, [](FieldsDialog& d) {
        in<QPlainTextEdit>(d, "MemoLAYOUT")->setPlainText("{Town}");
        in<QPushButton>(d, "CancelBtn")->click();
    }));
    EXPECT_TRUE(data.tableSettings().LabelLayout.isEmpty());

    // Without names the fields go by position and the first row is a label.
    EXPECT_TRUE(run(dialog, data, [](FieldsDialog& d) {
        EXPECT_EQ(in<QListWidget>(d, "ListFIELDS")->item(1)->text(), "{Town}");
        in<QCheckBox>(d, "CheckBoxHEADER")->setChecked(false);
        EXPECT_EQ(in<QListWidget>(d, "ListFIELDS")->item(1)->text(), "{2}");
        in<QPlainTextEdit>(d, "MemoLAYOUT")->setPlainText("{2}: {1}");
        EXPECT_EQ(in<QLabel>(d, "PreviewLABEL1")->text(), "Town: Name");
        EXPECT_EQ(in<QLabel>(d, "PreviewLABEL3")->text(), "York: Bob");
        in<QPushButton>(d, "OKBtn")->click();
    }));
    EXPECT_EQ(data.tableSettings().header(), HeaderChoice::No);
    EXPECT_EQ(data.labelsInIndex(), 3);
    QStringList label;
    ASSERT_TRUE(data.GETLABEL(1, label));
    EXPECT_EQ(label, QStringList{"Leeds: Anna"});
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST(FieldsDialog, Screenshot)
{
    const QString folder = qEnvironmentVariable("GORVIN_SCREENSHOTS");
    if (folder.isEmpty())
        GTEST_SKIP() << "set GORVIN_SCREENSHOTS to a folder to take the pictures";
    TDATAINFO data;
    data.FULLFILENAME = QStringLiteral(GORVIN_SOURCE_DIR "/examples/addresses-100.csv");
    data.tableSettings().LabelLayout = "{Name}\n{Company}\n{Street}\n{Zip} {City}";
    ASSERT_TRUE(data.LOADDATA());
    FieldsDialog dialog;
    run(dialog, data, [&folder](FieldsDialog& d) {
        QCoreApplication::processEvents();
        EXPECT_TRUE(d.grab().save(QDir(folder).filePath(QStringLiteral("fields-dialog.png"))));
        d.reject();
    });
}
