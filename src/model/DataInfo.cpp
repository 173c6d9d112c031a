#include "DataInfo.h"

#include <QFileInfo>

#include <new>

const PropTable& TDATAINFO::properties() const
{
    using C = TDATAINFO;
    static const PropTable table = [] {
        PropInfo content;
        content.name = QStringLiteral("FILECONTENT");
        content.kind = PropKind::Lines;
        content.stored = false;
        return withBase({
            props::text("FULLFILENAME", &C::FULLFILENAME),
            content,
            props::integer("STARTLABNUM", &C::STARTLABNUM, 1),
            props::integer("RepeatLabelNum", &C::RepeatLabelNum, 1),
            props::text("PicFileName", &C::PicFileName),
        });
    }();
    return table;
}

bool TDATAINFO::LOADDATA()
{
    if (STARTLABNUM < 1)
        STARTLABNUM = 1;
    if (RepeatLabelNum < 1)
        RepeatLabelNum = 1;
    // The file is read aside first: when it exists but cannot be read, the
    // lines and labels already loaded stay as they were.
    DataLines lines;
    bool result = false;
    if (!FULLFILENAME.isEmpty() && QFileInfo::exists(FULLFILENAME)) {
        QString error;
        bool read = false;
        try {
            read = lines.loadFromFile(FULLFILENAME, &error);
        } catch (const std::bad_alloc&) {
            // The file is within the size limit but the machine has not the
            // memory for its lines just now: a read failure like any other.
            throw EDataReadError(QStringLiteral("There is not enough memory to read ") + FULLFILENAME);
        }
        if (!read)
            throw EDataReadError(error);
        result = true;
    }
    FILECONTENT = std::move(lines);
    reindex();
    return result;
}

qint32 TDATAINFO::LABELCOUNT() const
{
    const qint64 count = static_cast<qint64>(labelIndex_.size()) * RepeatLabelNum;
    return static_cast<qint32>(std::min<qint64>(count, INT32_MAX));
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines) const
{
    if (index < 0 || index >= labelIndex_.size())
        return false;
    appendLabelLines(FILECONTENT, labelIndex_[index], lines);
    return true;
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const
{
    if (index < 0 || index >= labelIndex_.size())
        return false;
    appendLabelLines(FILECONTENT, labelIndex_[index], lines, maxLines, maxChars);
    return true;
}

bool TDATAINFO::LoadMainPic()
{
    if (PicFileName.isEmpty() || !QFileInfo::exists(PicFileName))
        return false;
    picLoaded_ = loadPictureFile(PicFileName, picture_);
    return picLoaded_;
}
