#include "DataInfo.h"

#include <QFileInfo>

#include <algorithm>

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
    DataTable table;
    const bool asTable = isTableFileName(FULLFILENAME);
    bool result = false;
    if (!FULLFILENAME.isEmpty() && QFileInfo::exists(FULLFILENAME)) {
        QString error;
        bool read = false;
        try {
            read = asTable ? table.loadFromFile(FULLFILENAME, &error) : lines.loadFromFile(FULLFILENAME, &error);
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
    if (asTable) {
        table_ = std::move(table);
        isTable_ = true;
        applyTableSettings();
    } else {
        disguised_ = looksLikeTable(FILECONTENT, labelIndex_.count());
    }
    return result;
}

void TDATAINFO::reindex()
{
    labelIndex_ = LabelIndex(FILECONTENT);
    table_.clear();
    isTable_ = false;
    names_ = false;
    namesDetected_ = false;
    disguised_ = false;
    layout_ = LabelLayout();
    layoutProblem_.clear();
    missingFields_.clear();
}

namespace {

bool sameFile(const QString& a, const QString& b)
{
    return a == b
           || (!a.isEmpty() && !b.isEmpty() && QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath());
}

} // namespace

HeaderChoice TDATAINFO::headerChoice() const
{
    if (!headerFile_.isEmpty() && !sameFile(headerFile_, FULLFILENAME))
        return HeaderChoice::Detect;
    return tableSettings_.header();
}

void TDATAINFO::setHeaderChoice(HeaderChoice choice)
{
    tableSettings_.HeaderRow = static_cast<qint32>(choice);
    headerFile_ = FULLFILENAME;
}

void TDATAINFO::tableSettingsRead()
{
    headerFile_ = FULLFILENAME;
}

TableSettings TDATAINFO::storedTableSettings() const
{
    TableSettings stored = tableSettings_;
    stored.HeaderRow = static_cast<qint32>(headerChoice());
    return stored;
}

bool TDATAINFO::keepsTableSettings() const
{
    return isTableFileName(FULLFILENAME) || !tableSettings_.LabelLayout.isEmpty()
           || headerChoice() != HeaderChoice::Detect;
}

void TDATAINFO::applyTableSettings()
{
    const HeaderChoice choice = headerChoice();
    names_ = isTable_
             && (choice == HeaderChoice::Yes || (choice == HeaderChoice::Detect && table_.firstRowLooksLikeNames()));
    namesDetected_ = names_ && choice == HeaderChoice::Detect;
    layout_ = LabelLayout(tableSettings_.LabelLayout, columnNames(), table_.columnCount());
    layoutProblem_ = isTable_ ? layout_.problem() : QString();
    missingFields_ = isTable_ ? layout_.missingFields() : QStringList();
    if (!layoutProblem_.isEmpty())
        layout_ = LabelLayout();
}

QString TDATAINFO::headerNote() const
{
    if (!namesDetected_)
        return QString();
    const QStringList names = columnNames();
    QStringList shown;
    for (qsizetype i = 0; i < names.size(); ++i) {
        if (shown.size() == 12) {
            shown << QStringLiteral("...");
            break;
        }
        const QString name = names[i].trimmed();
        shown << (name.isEmpty() ? QStringLiteral("{%1}").arg(i + 1) : name.left(40));
    }
    return QStringLiteral("First row read as column names: ") + shown.join(QStringLiteral(", "));
}

QStringList TDATAINFO::columnNames() const
{
    return names_ ? table_.firstRowAsNames() : QStringList();
}

qint32 TDATAINFO::labelsInIndex() const
{
    if (isTable_)
        return std::max(table_.rowCount() - (names_ ? 1 : 0), 0);
    return labelIndex_.count();
}

qint32 TDATAINFO::LABELCOUNT() const
{
    const qint64 count = static_cast<qint64>(labelsInIndex()) * RepeatLabelNum;
    return static_cast<qint32>(std::min<qint64>(count, INT32_MAX));
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines) const
{
    if (index < 0 || index >= labelsInIndex())
        return false;
    if (isTable_)
        lines += layout_.expand(table_.row(index + (names_ ? 1 : 0)));
    else
        labelIndex_.appendLabel(FILECONTENT, index, lines);
    return true;
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const
{
    if (index < 0 || index >= labelsInIndex())
        return false;
    if (!isTable_) {
        labelIndex_.appendLabel(FILECONTENT, index, lines, maxLines, maxChars);
        return true;
    }
    if (maxLines > 0)
        lines += layout_.expand(table_.row(index + (names_ ? 1 : 0), maxChars, layout_.fieldsUsed()), maxLines,
                                maxChars);
    return true;
}

bool TDATAINFO::LoadMainPic()
{
    if (PicFileName.isEmpty() || !QFileInfo::exists(PicFileName))
        return false;
    picLoaded_ = loadPictureFile(PicFileName, picture_);
    return picLoaded_;
}
