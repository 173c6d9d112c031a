#include "TableSource.h"

#include "support/Messages.h"

#include <algorithm>

bool TableSource::load(const QString& path, QString* error)
{
    DataTable table;
    if (!table.loadFromFile(path, error))
        return false;
    table_ = std::move(table);
    return true;
}

qint32 TableSource::labelCount() const
{
    return std::max(table_.rowCount() - (names_ ? 1 : 0), 0);
}

void TableSource::appendLabel(qint32 index, QStringList& lines) const
{
    lines += layout_.expand(table_.row(rowOf(index)), std::numeric_limits<int>::max(),
                            std::numeric_limits<qsizetype>::max(), index);
}

void TableSource::appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const
{
    if (limits.maxLines <= 0)
        return;
    // No field is longer than the largest file: a bound past that cuts
    // nothing, and is not passed on to the row's byte arithmetic.
    const qsizetype fieldChars = limits.maxChars < DataLines::MaxDataFileBytes ? limits.maxChars : -1;
    lines += layout_.expand(table_.row(rowOf(index), fieldChars, layout_.fieldsUsed()), limits.maxLines,
                            limits.maxChars, index);
}

void TableSource::appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const
{
    if (maxFields <= 0)
        return;
    const qsizetype fieldChars = maxChars < DataLines::MaxDataFileBytes ? maxChars : -1;
    // Only the fields asked for are read of a row of a million.
    std::vector<bool> wanted;
    if (maxFields < LabelLayout::MaxPositions)
        wanted.assign(static_cast<std::size_t>(maxFields), true);
    QStringList row = table_.row(rowOf(index), fieldChars, wanted.empty() ? nullptr : &wanted);
    if (row.size() > maxFields)
        row.resize(maxFields);
    fields += row;
}

void TableSource::applyTableSettings(const TableSettings& settings, HeaderChoice header)
{
    names_ = header == HeaderChoice::Yes || (header == HeaderChoice::Detect && table_.firstRowLooksLikeNames());
    namesDetected_ = names_ && header == HeaderChoice::Detect;
    layout_ = LabelLayout(settings.LabelLayout, columnNames(), table_.columnCount());
    layoutProblem_ = layout_.problem();
    missingFields_ = layout_.missingFields();
    if (!layoutProblem_.isEmpty())
        layout_ = LabelLayout();
}

QStringList TableSource::columnNames() const
{
    return names_ ? table_.firstRowAsNames() : QStringList();
}

QString TableSource::headerNote() const
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
    return Messages::firstRowReadAsNames(shown.join(QStringLiteral(", ")));
}
