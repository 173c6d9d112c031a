#include "DataInfo.h"

#include "support/Messages.h"
#include "model/SerialSource.h"
#include "model/TextBlockSource.h"

#include <QDir>
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
    chosen_.reset();
    filled_.clear();
    if (FULLFILENAME.isEmpty() && hasSerialNumbers()) {
        if (!SerialSource::rangeProblem(SerialFrom, SerialTo).isEmpty())
            return false;
        source_ = std::make_unique<SerialSource>(SerialFrom, SerialTo);
        FILECONTENT = DataLines();
        applyTableSettings();
        return true;
    }
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
    chosen_.reset();
    filled_.clear();
    applyTableSettings();
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
    filled_.clear();
    fieldLayout_.reset();
    fieldLayoutProblem_.clear();
    fieldLayoutMissing_.clear();
    if (source_->usesTableSettings() || tableSettings_.LabelLayout.trimmed().isEmpty())
        return;
    LabelLayout layout(tableSettings_.LabelLayout, QStringList(), -1);
    fieldLayoutProblem_ = layout.problem();
    fieldLayoutMissing_ = layout.missingFields();
    if (fieldLayoutProblem_.isEmpty())
        fieldLayout_ = std::move(layout);
}

QString TDATAINFO::layoutProblem() const
{
    return source_->usesTableSettings() ? source_->layoutProblem() : fieldLayoutProblem_;
}

QStringList TDATAINFO::missingFields() const
{
    return source_->usesTableSettings() ? source_->missingFields() : fieldLayoutMissing_;
}

const DataTable& TDATAINFO::table() const
{
    static const DataTable none;
    const DataTable* table = source_->table();
    return table ? *table : none;
}

qint32 TDATAINFO::LABELCOUNT() const
{
    const qint64 count = static_cast<qint64>(labelsPrinted()) * RepeatLabelNum;
    return static_cast<qint32>(std::min<qint64>(count, INT32_MAX));
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines) const
{
    return GETLABEL(index, lines, std::numeric_limits<int>::max(), std::numeric_limits<qsizetype>::max());
}

bool TDATAINFO::GETLABEL(qint32 index, QStringList& lines, int maxLines, qsizetype maxChars) const
{
    if (index < 0 || index >= labelsPrinted())
        return false;
    const qint32 d = dataIndexOf(index);
    if (fieldLayout_) {
        QStringList fields;
        source_->appendFields(d, fields, fieldLayout_->fieldsNeeded(), maxChars);
        lines += fieldLayout_->expand(fields, maxLines, maxChars, d);
    } else if (maxLines == std::numeric_limits<int>::max() && maxChars == std::numeric_limits<qsizetype>::max()) {
        source_->appendLabel(d, lines);
    } else {
        source_->appendLabel(d, lines, LabelLimits{maxLines, maxChars});
    }
    return true;
}

std::optional<LabelContent> TDATAINFO::labelContent(qint32 index, const LabelLimits& limits) const
{
    if (index < 0 || index >= labelsPrinted())
        return std::nullopt;
    const qint32 d = dataIndexOf(index);
    LabelContent content;
    if (fieldLayout_) {
        QStringList fields;
        source_->appendFields(d, fields, fieldLayout_->fieldsNeeded(), limits.maxChars);
        content.lines = fieldLayout_->expand(fields, limits.maxLines, limits.maxChars, d);
    } else {
        content = source_->label(d, limits);
    }
    content.number = d + 1;
    return content;
}

const LabelLayout& TDATAINFO::filling(const QString& text) const
{
    auto it = filled_.find(text);
    if (it == filled_.end()) {
        // Few distinct texts are filled: the format's code and the picture's
        // name. A table reads them against its column names.
        if (filled_.size() > 16)
            filled_.clear();
        const bool table = source_->usesTableSettings();
        const DataTable& t = this->table();
        it = filled_.insert(text,
                            LabelLayout(text, table ? columnNames() : QStringList(), table ? t.columnCount() : -1));
    }
    return it.value();
}

QString TDATAINFO::fillFields(const QString& text, qint32 dataIndex, qsizetype maxChars) const
{
    if (!text.contains(u'{') && !text.contains(u'}'))
        return text.left(maxChars);
    if (dataIndex < 0 || dataIndex >= labelsInIndex())
        return QString();
    const LabelLayout& layout = filling(text);
    QStringList fields;
    source_->appendFields(dataIndex, fields, layout.fieldsNeeded(), maxChars);
    // A line of the text whose fields are empty is kept: a code's content
    // keeps its shape.
    return layout.expand(fields, std::numeric_limits<int>::max(), maxChars, dataIndex).join(u'\n').left(maxChars);
}

QString TDATAINFO::fieldsProblem(const QString& text) const
{
    if (!text.contains(u'{') && !text.contains(u'}'))
        return QString();
    return filling(text).problem();
}

bool TDATAINFO::picturePerLabel() const
{
    return PicFileName.contains(u'{');
}

QString TDATAINFO::pictureNameFor(qint32 dataIndex) const
{
    const QString name = fillFields(PicFileName, dataIndex, 4096);
    if (name.isEmpty() || !QDir::isRelativePath(name))
        return name;
    QString folder = pictureFolder;
    if (folder.isEmpty())
        folder = FULLFILENAME.isEmpty() ? QDir::currentPath() : QFileInfo(FULLFILENAME).absolutePath();
    return QDir::cleanPath(QDir(folder).filePath(name));
}

bool TDATAINFO::LoadMainPic()
{
    if (PicFileName.isEmpty() || !QFileInfo::exists(PicFileName))
        return false;
    picLoaded_ = loadPictureFile(PicFileName, picture_);
    return picLoaded_;
}
