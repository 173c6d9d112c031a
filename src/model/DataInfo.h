#pragma once
// The data source: the data file with its lines and labels, the slot on the
// first sheet where printing starts, the repeat count and the picture file.

#include "model/BaseControl.h"
#include "model/DataFile.h"
#include "model/Picture.h"

class TDATAINFO : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("TDATAINFO"); }
    const PropTable& properties() const override;

    QString FULLFILENAME;
    DataLines FILECONTENT;
    qint32 STARTLABNUM = 0;   // 1 once loaded
    qint32 RepeatLabelNum = 0; // 1 once loaded
    QString PicFileName;

    // Normalises the start and repeat numbers, reads the named file into
    // FILECONTENT and indexes its labels. False when no file is named or it
    // does not exist. Throws EDataReadError when the file exists but cannot
    // be read (is too large, is a folder or a pipe, see DataLines::loadFromFile,
    // or needs more memory than there is); the lines and labels loaded
    // before are then kept.
    bool LOADDATA();
    // Slots the data fills: labels times the repeat count.
    qint32 LABELCOUNT() const;
    qint32 labelsInIndex() const { return static_cast<qint32>(labelIndex_.size()); }
    // Appends the lines of label `index` (counting distinct labels).
    bool GETLABEL(qint32 index, QStringList& lines) const;
    // The same, at most maxLines lines of at most maxChars characters each:
    // what a label can show of a data file with very long lines or labels.
    bool GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const;
    // Builds the label index from FILECONTENT as it stands.
    void reindex() { labelIndex_ = buildLabelIndex(FILECONTENT); }
    // Reads PicFileName into the picture holder.
    bool LoadMainPic();

    const Picture& picture() const { return picture_; }
    bool pictureLoaded() const { return picLoaded_; }

private:
    QVector<qint32> labelIndex_;
    Picture picture_;
    bool picLoaded_ = false;
};

// A data file that exists but could not be read.
class EDataReadError : public std::runtime_error {
public:
    explicit EDataReadError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};
