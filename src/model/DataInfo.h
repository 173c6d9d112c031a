#pragma once
// The job's data: the data file and the source its labels come from (see
// DataSource), the table settings, the slot on the first sheet where
// printing starts, the repeat count and the picture file.

#include "model/BaseControl.h"
#include "model/DataFile.h"
#include "model/DataSource.h"
#include "model/DataTable.h"
#include "model/LabelChoice.h"
#include "model/LabelLayout.h"
#include "model/Picture.h"

#include <QHash>

#include <memory>
#include <optional>

class TDATAINFO : public TBASECONTROL {
public:
    TDATAINFO();
    ~TDATAINFO() override;
    QString className() const override { return QStringLiteral("TDATAINFO"); }
    const PropTable& properties() const override;

    QString FULLFILENAME;
    DataLines FILECONTENT;
    qint32 STARTLABNUM = 0;    // 1 once loaded
    qint32 RepeatLabelNum = 0; // 1 once loaded
    QString PicFileName;       // may hold placeholders: a picture per label
    // Serial numbers in place of a data file, as the user typed them (see
    // SerialSource); both empty for none. They go with an empty
    // FULLFILENAME, and LOADDATA makes their source. Stored with the job
    // after its three streams.
    QString SerialFrom;
    QString SerialTo;
    // The folder relative picture names are taken from; empty for the data
    // file's own folder. Data read from standard input take the current
    // folder.
    QString pictureFolder;

    // Normalises the start and repeat numbers and reads the named file into
    // a data source of the kind its name asks for (see makeDataSource): text
    // lines, kept in FILECONTENT, with their labels, or a table, one label a
    // row. False when no file is named or it does not exist. Throws
    // EDataReadError when the file exists but cannot be read (is too large,
    // is a folder or a pipe, see DataLines::loadFromFile, or needs more
    // memory than there is); the lines and labels loaded before are then
    // kept.
    bool LOADDATA();
    // Whether the data a name stands for are there to be loaded (for a file:
    // whether it exists).
    static bool dataPresent(const QString& name);
    // Whether the job has data: a data file named, or serial numbers.
    bool hasData() const { return !FULLFILENAME.isEmpty() || hasSerialNumbers(); }
    bool hasSerialNumbers() const { return !SerialFrom.isEmpty() || !SerialTo.isEmpty(); }
    // Slots the data fills: the labels printed times the repeat count.
    qint32 LABELCOUNT() const;
    // The labels of the data, chosen or not.
    qint32 labelsInIndex() const { return source_->labelCount(); }

    // The labels chosen for this print (see LabelChoice); none: all. Not
    // stored with the job, and let go when data are loaded. Everything that
    // counts printed labels (LABELCOUNT, GETLABEL, labelContent) counts the
    // chosen ones, packed.
    void chooseLabels(std::optional<LabelChoice> choice) { chosen_ = std::move(choice); }
    const std::optional<LabelChoice>& chosenLabels() const { return chosen_; }
    // The labels printed: the chosen ones, or all the data's.
    qint32 labelsPrinted() const { return chosen_ ? chosen_->count() : labelsInIndex(); }
    // The data index of the k-th printed label (0 <= k < labelsPrinted()).
    qint32 dataIndexOf(qint32 k) const { return chosen_ ? chosen_->labelAt(k) : k; }

    // A text with placeholders ({1}, {Name}, {#}, {#0001}; see LabelLayout)
    // filled from data label `dataIndex`, its lines joined by line feeds, at
    // most maxChars characters. Placeholders that name nothing stay as
    // written.
    QString fillFields(const QString& text, qint32 dataIndex, qsizetype maxChars) const;
    // Why a text with placeholders cannot be filled from these data (a
    // field the data lack, a brace not closed), or empty.
    QString fieldsProblem(const QString& text) const;
    // Whether the picture's name holds placeholders: each label then has a
    // picture of its own.
    bool picturePerLabel() const;
    // The full name of the picture of data label `dataIndex`: PicFileName
    // filled, a relative name taken from pictureFolder or the data file's.
    QString pictureNameFor(qint32 dataIndex) const;
    // Whether there is anything to print: lines, or rows of a table.
    bool hasContent() const { return source_->hasContent(); }
    // Appends the lines of printed label `index` (counting distinct labels).
    bool GETLABEL(qint32 index, QStringList& lines) const;
    // The same, at most maxLines lines of at most maxChars characters each:
    // what a label can show of a data file with very long lines or labels.
    bool GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const;
    // What label `index` shows within the limits; nothing when there is no
    // such label.
    std::optional<LabelContent> labelContent(qint32 index, const LabelLimits& limits) const;
    // Builds the label index from FILECONTENT as it stands, as text data:
    // a table read before is let go.
    void reindex();

    // Where the labels come from.
    const DataSource& source() const { return *source_; }

    // Table settings. They are the job's, kept whatever the data; the
    // source puts them into effect for the labels when it uses them
    // (usesTableSettings), and applyTableSettings() puts a change into effect.
    bool usesTableSettings() const { return source_->usesTableSettings(); }
    // The rows and columns of the data: empty for data without them.
    const DataTable& table() const;
    TableSettings& tableSettings() { return tableSettings_; }
    const TableSettings& tableSettings() const { return tableSettings_; }
    void applyTableSettings();
    // The header choice belongs to the table it was made for: for any other
    // table the first row is judged afresh (Detect). setHeaderChoice makes
    // the choice for the file named now; tableSettingsRead() says that the
    // choice just read from a job is the one for the file the job names.
    HeaderChoice headerChoice() const;
    void setHeaderChoice(HeaderChoice choice);
    void tableSettingsRead();
    // The settings as a job file keeps them: with the header choice in
    // force for the file named now.
    TableSettings storedTableSettings() const;
    // Whether a job file keeps table settings: for data whose file is read
    // with them, and for any data while a layout or a header choice is set,
    // so that none is lost while a text file is open in the job.
    bool keepsTableSettings() const;
    // Whether the table's first row is taken as column names, and the names.
    bool tableHasNames() const { return source_->hasColumnNames(); }
    QStringList columnNames() const { return source_->columnNames(); }
    // "First row read as column names: Name, Street, City" when the names
    // were worked out from the file rather than chosen; empty otherwise.
    QString headerNote() const { return source_->headerNote(); }
    // Why the table's layout cannot be used as it stands, or empty. Such a
    // layout stays in the settings, but the labels are laid out by the
    // default layout (every field a line) until it fits again.
    // Text blocks and serial numbers are laid out by the layout too, their
    // lines or number being their fields, when one is set.
    QString layoutProblem() const;
    // The placeholders of that layout that name no column ("{Phone}").
    QStringList missingFields() const;
    // Whether the loaded text data look like a table under another name.
    bool looksLikeTableInDisguise() const { return source_->looksLikeTableInDisguise(); }
    // Reads PicFileName into the picture holder.
    bool LoadMainPic();

    const Picture& picture() const { return picture_; }
    bool pictureLoaded() const { return picLoaded_; }

private:
    std::unique_ptr<DataSource> source_;
    std::optional<LabelChoice> chosen_;
    // The layout of data whose source does not lay its labels out itself;
    // null without one, or while it has a problem.
    std::optional<LabelLayout> fieldLayout_;
    const LabelLayout& filling(const QString& text) const;
    QString fieldLayoutProblem_;
    QStringList fieldLayoutMissing_;
    // Texts with placeholders read against the source's fields, by text.
    mutable QHash<QString, LabelLayout> filled_;
    TableSettings tableSettings_;
    QString headerFile_; // the file the header choice was made for; empty: any
    Picture picture_;
    bool picLoaded_ = false;
};

// A data file that exists but could not be read.
class EDataReadError : public std::runtime_error {
public:
    explicit EDataReadError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
