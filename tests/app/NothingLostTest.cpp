// Sequences on the real main window in which nothing may be lost without a
// word: the file opened is the file saved, a job folder that moved still
// opens, a table keeps every row and its layout, and table settings a newer
// version wrote never make a job unreadable.

#include "common/MainWindowFixture.h"

#include "common/ModalDialog.h"
#include "common/TestEnv.h"
#include "model/ComponentStream.h"

#include <QCheckBox>
#include <QDir>
#include <QImage>
#include <QPlainTextEdit>
#include <QStatusBar>

namespace {

class NothingLostTest : public MainWindowTest {
protected:
    QString status() const { return main_->statusBar()->currentMessage(); }
    QStringList label(qint32 index) const
    {
        QStringList lines;
        main_->job().GETLABEL(index, lines);
        return lines;
    }
    qint32 labels() const { return main_->job().DATAINFO()->labelsInIndex(); }
    void openData(const QString& file)
    {
        dialogs.answerFile(file);
        trigger("OPENDATA");
    }
};

} // namespace

TEST_F(NothingLostTest, SavingWritesTheFileOpenedOrConfirmed)
{
    const QString job = writeJob(path("order.gvj"), 2, 2, QString());
    TFormMAIN& main = start({job});
    TJOB back;
    for (qint32 justify : {2, 1}) { // File > Save job, then Save as onto the same file
        main.job().JOBINFO()->TEXTJUSTIFY = justify;
        if (justify == 2) {
            trigger("Savejob");
        } else {
            dialogs.answerFile(job);
            messages.answer(MsgAnswer::Yes);
            trigger("SAVEJOBAS");
            EXPECT_EQ(dialogs.requests.last().file.fileName, "order.gvj");
            EXPECT_EQ(messages.texts(), QStringList{"Overwrite '" + job + "' ?"}); // asked once
        }
        ASSERT_TRUE(back.LOADFROMFILE(job));
        EXPECT_EQ(back.JOBINFO()->TEXTJUSTIFY, justify);
        EXPECT_EQ(main.JOBFILENAME(), job);
        EXPECT_FALSE(QFile::exists(path("order.GVJ")));
    }

    // A new name typed in small letters gets the capital extension.
    dialogs.answerFile(path("copy.gvj"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(main.JOBFILENAME(), path("copy.GVJ"));
    EXPECT_EQ(main.controller().reopenEntries(ReopenList::Jobs), QStringList{job});

    // A locked job, its extension in any case, is refused before any question.
    const QString locked = writeJob(path("keep.gvl"), 2, 2, QString());
    const QByteArray lockedBytes = readFileBytes(locked);
    messages.shown.clear();
    dialogs.answerFile(path("keep.GVL"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(messages.texts(), QStringList{"Cannot overwrite a locked job."});
    EXPECT_EQ(readFileBytes(locked), lockedBytes);
    EXPECT_FALSE(QFile::exists(path("keep.GVL")));

    // Templates alike: "sheet.gvt" is saved as itself; a locked one is
    // refused before the question whether to replace it.
    ASSERT_TRUE(main.job().SAVETEMPLATETOFILE(path("sheet.gvt")));
    dialogs.answerFile(path("sheet.gvt"));
    trigger("OPENTEMPLATE");
    main.job().TEMPLATE()->ALTERED = true;
    trigger("SAVETEMPLATE");
    EXPECT_FALSE(main.job().TEMPLATE()->ALTERED);
    EXPECT_EQ(main.job().TEMPLATE()->FULLFILENAME, path("sheet.gvt")); // the file written
    ASSERT_TRUE(main.job().SAVETEMPLATETOFILE(path("sheet.gvr")));
    main.job().TEMPLATE()->ALTERED = true;
    messages.shown.clear();
    messages.answer(MsgAnswer::Yes);
    trigger("CLOSEJOB");
    EXPECT_EQ(messages.texts(), (QStringList{"Save current template first?", "Cannot overwrite a locked template."}));
}

TEST_F(NothingLostTest, AJobFolderThatMovedStillOpens)
{
    ASSERT_TRUE(QDir().mkpath(path("old")));
    const QString csv = WriteFile(path("old/addresses.csv"), "Name,Street,City\nAnn Lee,1 High Street,Leeds\n");
    ASSERT_TRUE(QImage(8, 8, QImage::Format_RGB32).save(path("old/logo.png")));
    TJOB j;
    ASSERT_TRUE(j.LOADFROMFILE(writeJob(path("old/labels.GVJ"), 2, 2, csv)));
    j.DATAINFO()->PicFileName = path("old/logo.png");
    ASSERT_TRUE(j.SAVETEMPLATETOFILE(path("old/sheet.GVT")) && j.SAVETOFILE(path("old/labels.GVJ")));
    ASSERT_TRUE(QDir().rename(path("old"), path("new")));

    TFormMAIN& main = start({path("new/labels.GVJ")});
    EXPECT_EQ(main.job().DATAINFO()->FULLFILENAME, path("new/addresses.csv"));
    EXPECT_EQ(main.job().TEMPLATE()->FULLFILENAME, path("new/sheet.GVT"));
    EXPECT_EQ(status(),
              "Not where the job names them, so taken from the job's folder: addresses.csv, logo.png, "
              "sheet.GVT   First row read as column names: Name, Street, City \u2014 Data > Fields to change");
    EXPECT_TRUE(messages.shown.isEmpty());

    // Saved, the job names the files in full where they are now.
    trigger("Savejob");
    ASSERT_TRUE(j.LOADFROMFILE(path("new/labels.GVJ")));
    EXPECT_TRUE(j.loadNotes().isEmpty());
    EXPECT_EQ(j.DATAINFO()->PicFileName, path("new/logo.png"));
}

TEST_F(NothingLostTest, TablesKeepEveryRowTheirHeaderChoiceAndTheLayout)
{
    const QByteArray rows = "Ann Lee,1 High Street,Leeds\nBob Fox,2 Low Road,York\n";
    const QString named = WriteFile(path("named.csv"), "Name,Street,City\n" + rows);
    const QString plain = WriteFile(path("plain.csv"), rows);
    const QString sums = WriteFile(path("sums.csv"), "Name,2024\nAnn Lee,12\nBob Fox,13\n");
    TFormMAIN& main = start({writeJob(path("t.GVJ"), 2, 2, named)});
    EXPECT_EQ(status(), "First row read as column names: Name, Street, City \u2014 Data > Fields to change");

    // A table without names keeps its first row, and nothing is said.
    main.statusBar()->clearMessage();
    openData(plain);
    EXPECT_TRUE(dialogs.requests.last().file.filter.startsWith(
        "Data files (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab);;Text files (*.TXT *.txt);;"));
    EXPECT_EQ(labels(), 2);
    EXPECT_EQ(status(), "");

    // The user says the first row of sums.csv holds names, with a layout.
    openData(sums);
    EXPECT_EQ(labels(), 3);
    whenModal([](QWidget& dialog) {
        ::child<QCheckBox>(dialog, "CheckBoxHEADER")->setChecked(true);
        ::child<QPlainTextEdit>(dialog, "MemoLAYOUT")->setPlainText("{Name}\n{2024}");
        click(dialog, "OKBtn");
    });
    trigger("FIELDS");
    EXPECT_EQ(label(0), (QStringList{"Ann Lee", "12"}));

    // Another table is judged afresh and keeps its first row; the layout
    // stays in the job, the labels show every field, the status line says why.
    openData(plain);
    EXPECT_EQ(labels(), 2);
    EXPECT_EQ(label(0), (QStringList{"Ann Lee", "1 High Street", "Leeds"}));
    EXPECT_EQ(status(), "The layout names {Name}, {2024}, which this table does not have: every field prints on a "
                        "line of its own until it fits \u2014 Data > Fields to change");
    trigger("Savejob");
    EXPECT_TRUE(readFileBytes(path("t.GVJ")).contains("{Name}\n{2024}"));

    // The table the layout and the choice were made for brings both back.
    openData(sums);
    EXPECT_EQ(labels(), 2);
    EXPECT_EQ(label(1), (QStringList{"Bob Fox", "13"}));
}

TEST_F(NothingLostTest, TableSettingsOfAnotherVersionNeverMakeAJobUnreadable)
{
    TJOB j;
    ASSERT_TRUE(j.LOADFROMFILE(writeJob(path("a.GVJ"), 2, 2, WriteFile(path("p.csv"), "Name,Town\nAnn Lee,Leeds\n"))));
    QByteArray three = j.jobFileBytes();
    three.truncate(three.lastIndexOf("TPF0")); // the default table settings written last
    const auto stream = [](const char* more) {
        return objectTextToBinary(QString("object TableSettings\n%1  LabelLayout = '{Town}'\nend\n").arg(more));
    };
    const QByteArray known = stream("");
    const QList<QPair<QByteArray, bool>> cases{
        // The fourth stream, and whether its layout is read.
        {stream("  Delimiter = ';'\n"), true},                   // a newer property
        {stream("  HeaderRow = hrMaybe\n"), true},               // an unknown identifier
        {"TPF0\xF0\x0dtablesettings" + known.mid(5 + 13), true}, // a flags byte, the name in small letters
        {known.left(known.size() - 4), false},                   // cut short
    };
    for (const auto& [fourth, read] : cases) {
        TFormMAIN& main = start({WriteFile(path("v.GVJ"), three + fourth)});
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_EQ(main.JOBFILENAME(), path("v.GVJ"));
        EXPECT_EQ(label(0), (read ? QStringList{"Leeds"} : QStringList{"Ann Lee", "Leeds"}));
        EXPECT_EQ(status().startsWith("The job's table settings cannot be read: the table is laid out by the default "
                                      "settings."),
                  !read);
    }
}

TEST_F(NothingLostTest, LongNamesOnTheCommandLineOpen)
{
    const QString deep = path(QString(120, 'd') + "/" + QString(120, 'e') + "/" + QString(60, 'f')); // 300 and more
    TJOB j;
    ASSERT_TRUE(QDir().mkpath(deep) && j.LOADFROMFILE(writeJob(path("a.GVJ"), 2, 2, QString())));
    ASSERT_TRUE(j.SAVETEMPLATETOFILE(deep + "/sheet.GVT"));
    start({"/T=" + deep + "/sheet.GVT", "/D=" + WriteFile(deep + "/data.txt", "Ann\n\nBob\n")});
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(labels(), 2);
}
