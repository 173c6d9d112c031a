// Sequences on the real main window in which nothing may be lost without a
// word: the file opened is the file saved, a job folder that moved still
// opens, a table keeps every row and its layout, and table settings a newer
// version wrote never make a job unreadable.

#include "MainWindowFixture.h"

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
    // Data > Fields... with the header box set and the layout typed.
    void fields(bool header, const QString& layout)
    {
        whenModal([=](QWidget& dialog) {
            ::child<QCheckBox>(dialog, "CheckBoxHEADER")->setChecked(header);
            ::child<QPlainTextEdit>(dialog, "MemoLAYOUT")->setPlainText(layout);
            click(dialog, "OKBtn");
        });
        trigger("FIELDS");
    }
};

} // namespace

TEST_F(NothingLostTest, SavingWritesTheFileOpenedOrConfirmed)
{
    const QString job = writeJob(path("order.gvj"), 2, 2, QString());
    TFormMAIN& main = start({job});
    main.job().JOBINFO()->TEXTJUSTIFY = 2;
    main.job().setALTERED(true);
    trigger("Savejob");
    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(job));
    EXPECT_EQ(back.JOBINFO()->TEXTJUSTIFY, 2);
    EXPECT_EQ(main.JOBFILENAME(), job);

    // Save job as onto the same file: offered under its own name, asked once.
    main.job().JOBINFO()->TEXTJUSTIFY = 1;
    dialogs.answerFile(job);
    messages.answer(MsgAnswer::Yes);
    trigger("SAVEJOBAS");
    EXPECT_EQ(dialogs.requests.last().file.fileName, "order.gvj");
    EXPECT_FALSE(dialogs.requests.last().file.askOverwrite);
    EXPECT_EQ(messages.texts(), QStringList{"Overwrite '" + job + "' ?"});
    ASSERT_TRUE(back.LOADFROMFILE(job));
    EXPECT_EQ(back.JOBINFO()->TEXTJUSTIFY, 1);
    EXPECT_FALSE(QFile::exists(path("order.GVJ")));

    // A new name typed in small letters gets the capital extension.
    dialogs.answerFile(path("copy.gvj"));
    trigger("SAVEJOBAS");
    EXPECT_EQ(main.JOBFILENAME(), path("copy.GVJ"));
    EXPECT_EQ(main.reopenEntries(main.reopenJobMenu()), QStringList{job});

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
    EXPECT_EQ(main.job().TEMPLATE()->FULLFILENAME, path("sheet.gvt"));
    EXPECT_FALSE(QFile::exists(path("sheet.GVT")));
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
    const QString csv = WriteFile(path("old/addresses.csv"),
                                  "Name,Street,City\nAnn Lee,1 High Street,Leeds\nBob Fox,2 Low Road,York\n");
    QImage logo(8, 8, QImage::Format_RGB32);
    logo.fill(Qt::red);
    ASSERT_TRUE(logo.save(path("old/logo.png")));
    const QString job = writeJob(path("old/labels.GVJ"), 2, 2, csv);
    {
        TJOB j;
        ASSERT_TRUE(j.LOADFROMFILE(job));
        j.DATAINFO()->PicFileName = path("old/logo.png");
        ASSERT_TRUE(j.SAVETEMPLATETOFILE(path("old/sheet.GVT")));
        ASSERT_TRUE(j.SAVETOFILE(job));
    }
    ASSERT_TRUE(QDir().rename(path("old"), path("new")));

    TFormMAIN& main = start({path("new/labels.GVJ")});
    const TDATAINFO& data = *main.job().DATAINFO();
    EXPECT_EQ(data.FULLFILENAME, path("new/addresses.csv"));
    EXPECT_EQ(data.PicFileName, path("new/logo.png"));
    EXPECT_EQ(main.job().TEMPLATE()->FULLFILENAME, path("new/sheet.GVT"));
    EXPECT_EQ(data.labelsInIndex(), 2);
    EXPECT_EQ(status(),
              "Not where the job names them, so taken from the job's folder: addresses.csv, logo.png, "
              "sheet.GVT   First row read as column names: Name, Street, City \u2014 Data > Fields to change");
    EXPECT_TRUE(messages.shown.isEmpty());

    // Saved, the job names the files in full where they are now.
    main.job().setALTERED(true);
    trigger("Savejob");
    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(path("new/labels.GVJ")));
    EXPECT_TRUE(back.loadNotes().isEmpty());
    EXPECT_EQ(back.DATAINFO()->PicFileName, path("new/logo.png"));
}

TEST_F(NothingLostTest, TablesKeepEveryRowTheirHeaderChoiceAndTheLayout)
{
    const QString named = WriteFile(path("named.csv"), "Name,Street,City\nAnn Lee,1 High Street,Leeds\n"
                                                       "Bob Fox,2 Low Road,York\n");
    const QString plain = WriteFile(path("plain.csv"), "Ann Lee,1 High Street,Leeds\nBob Fox,2 Low Road,York\n");
    const QString sums = WriteFile(path("sums.csv"), "Name,2024\nAnn Lee,12\nBob Fox,13\n");
    TFormMAIN& main = start({writeJob(path("t.GVJ"), 2, 2, named)});
    EXPECT_EQ(status(), "First row read as column names: Name, Street, City \u2014 Data > Fields to change");

    // A table without names keeps its first row, and nothing is said.
    main.statusBar()->clearMessage();
    dialogs.answerFile(plain);
    trigger("OPENDATA");
    EXPECT_EQ(dialogs.requests.last().file.filter.section(";;", 0, 0),
              "Data files (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab)");
    EXPECT_TRUE(dialogs.requests.last().file.filter.contains(";;Text files (*.TXT *.txt);;"));
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 2);
    EXPECT_EQ(status(), "");

    // The user says the first row of sums.csv holds names, with a layout.
    dialogs.answerFile(sums);
    trigger("OPENDATA");
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 3);
    fields(true, "{Name}\n{2024}");
    EXPECT_EQ(label(0), (QStringList{"Ann Lee", "12"}));

    // Another table is judged afresh and keeps its first row; the layout
    // stays in the job, the labels show every field, the status line says why.
    dialogs.answerFile(plain);
    trigger("OPENDATA");
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 2);
    EXPECT_EQ(label(0), (QStringList{"Ann Lee", "1 High Street", "Leeds"}));
    EXPECT_EQ(status(), "The layout names {Name}, {2024}, which this table does not have: every field prints on a "
                        "line of its own until it fits \u2014 Data > Fields to change");
    trigger("Savejob");
    TJOB saved;
    ASSERT_TRUE(saved.LOADFROMFILE(path("t.GVJ")));
    EXPECT_EQ(saved.DATAINFO()->tableSettings().LabelLayout, "{Name}\n{2024}");

    // The table the layout and the choice were made for brings both back.
    dialogs.answerFile(sums);
    trigger("OPENDATA");
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 2);
    EXPECT_EQ(label(1), (QStringList{"Bob Fox", "13"}));
}

TEST_F(NothingLostTest, TableSettingsOfAnotherVersionNeverMakeAJobUnreadable)
{
    const QString csv = WriteFile(path("people.csv"), "Name,Town\nAnn Lee,Leeds\nBob Fox,York\n");
    const QByteArray threeStreams = [&] {
        TJOB j;
        EXPECT_TRUE(j.LOADFROMFILE(writeJob(path("base.GVJ"), 2, 2, csv)));
        const QByteArray bytes = j.jobFileBytes(); // with default table settings last
        return bytes.left(bytes.lastIndexOf("TPF0"));
    }();
    const QByteArray known = objectTextToBinary("object TableSettings\n  LabelLayout = '{Town}'\nend\n");
    struct Case {
        const char* what;
        QByteArray fourth;
        QStringList first; // the first label
        QString note;
    };
    const QString unreadable =
        "The job's table settings cannot be read: the table is laid out by the default settings.";
    const QList<Case> cases{
        {"a newer property",
         objectTextToBinary("object TableSettings\n  Delimiter = ';'\n  LabelLayout = "
                            "'{Town}'\nend\n"),
         {"Leeds"},
         ""},
        {"an unknown identifier",
         objectTextToBinary("object TableSettings\n  HeaderRow = hrMaybe\n  LabelLayout = "
                            "'{Town}'\nend\n"),
         {"Leeds"},
         ""},
        {"a flags byte and the class name in small letters",
         QByteArray("TPF0\xF0\x0dtablesettings") + known.mid(5 + 13),
         {"Leeds"},
         ""},
        {"a cut stream", known.left(known.size() - 4), {"Ann Lee", "Leeds"}, unreadable},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const QString job = WriteFile(path("v.GVJ"), threeStreams + c.fourth);
        TFormMAIN& main = start({job});
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_EQ(main.JOBFILENAME(), job);
        EXPECT_EQ(label(0), c.first);
        EXPECT_EQ(status().startsWith(unreadable), !c.note.isEmpty()) << status().toStdString();
    }
}

TEST_F(NothingLostTest, LongNamesOnTheCommandLineOpen)
{
    const QString deep = path(QString(120, 'd') + "/" + QString(120, 'e') + "/" + QString(60, 'f'));
    ASSERT_TRUE(QDir().mkpath(deep));
    ASSERT_GT(deep.size(), 300);
    const QString data = WriteFile(deep + "/data.txt", "Ann\n\nBob\n");
    {
        TJOB j;
        ASSERT_TRUE(j.LOADFROMFILE(writeJob(path("a.GVJ"), 2, 2, QString())));
        ASSERT_TRUE(j.SAVETEMPLATETOFILE(deep + "/sheet.GVT"));
    }
    TFormMAIN& main = start({"/T=" + deep + "/sheet.GVT", "/D=" + data});
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.texts().join('|').toStdString();
    EXPECT_EQ(main.job().DATAINFO()->FULLFILENAME, data);
    EXPECT_EQ(main.job().DATAINFO()->labelsInIndex(), 2);
}
