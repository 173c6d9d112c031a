#include "DataInfo.h"

#include "support/Messages.h"
#include "model/TextBlockSource.h"

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
            Props::text("FULLFILENAME", &C::FULLFILENAME),
            content,
            Props::integer("STARTLABNUM", &C::STARTLABNUM, 1),
            Props::integer("RepeatLabelNum", &C::RepeatLabelNum, 1),
            Props::text("PicFileName", &C::PicFileName),
        });
    }();
    return table;
}

TDATAINFO::TDATAINFO() : source_(std::make_unique<TextBlockSource>())
{}

TDATAINFO::~TDATAINFO() = default;

bool TDATAINFO::LOADDATA()
{
    if (STARTLABNUM < 1)
        STARTLABNUM = 1;
    if (RepeatLabelNum < 1)
        RepeatLabelNum = 1;
    // The file is read aside first: when it exists but cannot be read, the
    // lines and labels already loaded stay as they were.
    std::unique_ptr<DataSource> source = makeDataSource(FULLFILENAME);
    bool result = false;
    if (!FULLFILENAME.isEmpty() && source->isPresent(FULLFILENAME)) {
        QString error;
        bool read = false;
        try {
            read = source->load(FULLFILENAME, &error);
        } catch (const std::bad_alloc&) {
            // The file is within the size limit but the machine has not the
            // memory for its lines just now: a read failure like any other.
            throw EDataReadError(Messages::notEnoughMemoryToRead(FULLFILENAME));
        }
        if (!read)
            throw EDataReadError(error);
        result = true;
    }
    FILECONTENT = source->textLines();
    source_ = std::move(source);
    applyTableSettings();
    return result;
}

bool TDATAINFO::dataPresent(const QString& name)
{
    return makeDataSource(name)->isPresent(name);
}

void TDATAINFO::reindex()
{
    source_ = std::make_unique<TextBlockSource>(FILECONTENT);
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
    return makeDataSource(FULLFILENAME)->usesTableSettings() || !tableSettings_.LabelLayout.isEmpty()
           || headerChoice() != HeaderChoice::Detect;
}

void TDATAINFO::applyTableSettings()
{
    source_->applyTableSettings(tableSettings_, headerChoice());
}

const DataTable& TDATAINFO::table() const
{
    static const DataTable none;
    const DataTable* table = source_->table();
    return table ? *table : none;
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
    source_->appendLabel(index, lines);
    return true;
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const
{
    if (index < 0 || index >= labelsInIndex())
        return false;
    source_->appendLabel(index, lines, LabelLimits{maxLines, maxChars});
    return true;
}

std::optional<LabelContent> TDATAINFO::labelContent(qint32 index, const LabelLimits& limits) const
{
    if (index < 0 || index >= labelsInIndex())
        return std::nullopt;
    return source_->label(index, limits);
}

bool TDATAINFO::LoadMainPic()
{
    if (PicFileName.isEmpty() || !QFileInfo::exists(PicFileName))
        return false;
    picLoaded_ = loadPictureFile(PicFileName, picture_);
    return picLoaded_;
}
