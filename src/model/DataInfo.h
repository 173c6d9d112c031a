#pragma once
// The data source: the data file with its lines and labels, the slot on the
// first sheet where printing starts, the repeat count and the picture file.

#include "model/BaseControl.h"
#include "model/DataFile.h"
#include "model/DataTable.h"
#include "model/LabelLayout.h"
#include "model/Picture.h"

class TDATAINFO : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("TDATAINFO"); }
    const PropTable& properties() const override;

    QString FULLFILENAME;
    DataLines FILECONTENT;
    qint32 STARTLABNUM = 0;    // 1 once loaded
    qint32 RepeatLabelNum = 0; // 1 once loaded
    QString PicFileName;

    // Normalises the start and repeat numbers, reads the named file into
    // FILECONTENT and indexes its labels; a file named as a table (see
    // isTableFileName) is read as a table instead, one label a row. False when no file is named or it
    // does not exist. Throws EDataReadError when the file exists but cannot
    // be read (is too large, is a folder or a pipe, see DataLines::loadFromFile,
    // or needs more memory than there is); the lines and labels loaded
    // before are then kept.
    bool LOADDATA();
    // Slots the data fills: labels times the repeat count.
    qint32 LABELCOUNT() const;
    qint32 labelsInIndex() const;
    // Whether there is anything to print: lines, or rows of a table.
    bool hasContent() const { return isTable_ ? table_.rowCount() > 0 : !FILECONTENT.isEmpty(); }
    // Appends the lines of label `index` (counting distinct labels).
    bool GETLABEL(qint32 index, QStringList& lines) const;
    // The same, at most maxLines lines of at most maxChars characters each:
    // what a label can show of a data file with very long lines or labels.
    bool GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const;
    // Builds the label index from FILECONTENT as it stands, as text data:
    // a table read before is let go.
    void reindex();

    // Table data. The settings are the job's; applyTableSettings() puts a
    // change to them into effect for the labels.
    bool isTable() const { return isTable_; }
    const DataTable& table() const { return table_; }
    TableSettings& tableSettings() { return tableSettings_; }
    const TableSettings& tableSettings() const { return tableSettings_; }
    void applyTableSettings();
    // Whether the table's first row is taken as column names, and the names.
    bool tableHasNames() const { return names_; }
    QStringList columnNames() const;
    // Why the table's layout cannot be used as it stands, or empty.
    const QString& layoutProblem() const { return layout_.problem(); }
    // Whether the loaded text data look like a table under another name.
    bool looksLikeTableInDisguise() const { return disguised_; }
    // Reads PicFileName into the picture holder.
    bool LoadMainPic();

    const Picture& picture() const { return picture_; }
    bool pictureLoaded() const { return picLoaded_; }

private:
    LabelIndex labelIndex_;
    TableSettings tableSettings_;
    DataTable table_;
    bool isTable_ = false;
    bool names_ = false;
    bool disguised_ = false;
    LabelLayout layout_;
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
