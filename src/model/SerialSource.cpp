#include "SerialSource.h"

#include "model/Units.h"
#include "support/Messages.h"

#include <optional>

namespace {

// A serial number as typed: up to 18 digits, blanks around them allowed.
std::optional<qint64> serialNumber(QStringView text)
{
    return digitsToNumber(text, 18);
}

} // namespace

QString SerialSource::rangeProblem(const QString& from, const QString& to)
{
    const std::optional<qint64> first = serialNumber(from);
    if (!first)
        return Messages::serialNotWholeNumber(from);
    const std::optional<qint64> last = serialNumber(to);
    if (!last)
        return Messages::serialNotWholeNumber(to);
    if (*first > *last)
        return Messages::serialFromAboveTo(from.trimmed(), to.trimmed());
    if (*last - *first >= MaxNumbers)
        return Messages::serialTooMany(*last - *first + 1, MaxNumbers);
    return QString();
}

SerialSource::SerialSource(const QString& from, const QString& to)
{
    if (!rangeProblem(from, to).isEmpty())
        return;
    first_ = *serialNumber(from);
    count_ = static_cast<qint32>(*serialNumber(to) - first_ + 1);
    width_ = static_cast<int>(from.trimmed().size());
}

QString SerialSource::numberText(qint32 index) const
{
    return QString::number(first_ + index).rightJustified(width_, u'0');
}

void SerialSource::appendLabel(qint32 index, QStringList& lines) const
{
    lines << numberText(index);
}

void SerialSource::appendLabel(qint32 index, QStringList& lines, const LabelLimits& limits) const
{
    if (limits.maxLines > 0)
        lines << numberText(index).left(limits.maxChars);
}

void SerialSource::appendFields(qint32 index, QStringList& fields, int maxFields, qsizetype maxChars) const
{
    if (maxFields > 0)
        fields << numberText(index).left(maxChars);
}
