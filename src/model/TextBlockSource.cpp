#include "TextBlockSource.h"

#include "model/DataTable.h"

TextBlockSource::TextBlockSource(const DataLines& lines) : lines_(lines), index_(lines_)
{}

bool TextBlockSource::load(const QString& path, QString* error)
{
    DataLines lines;
    if (!lines.loadFromFile(path, error))
        return false;
    LabelIndex index(lines);
    lines_ = std::move(lines);
    index_ = std::move(index);
    disguised_ = looksLikeTable(lines_, index_.count());
    return true;
}

void TextBlockSource::appendLabel(qint32 index, QStringList& lines) const
{
    index_.appendLabel(lines_, index, lines);
}

void TextBlockSource::appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const
{
    index_.appendLabel(lines_, index, lines, limits.maxLines, limits.maxChars);
}

void TextBlockSource::appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const
{
    index_.appendLabel(lines_, index, fields, maxFields, maxChars);
}
