#include "LabelChoice.h"

#include "model/Units.h"
#include "support/Messages.h"

#include <QStringList>

#include <algorithm>

namespace {

// A label number of the list: digits only, from 1.
std::optional<qint64> labelNumber(QStringView text)
{
    return digitsToNumber(text, 10);
}

} // namespace

std::optional<LabelChoice> LabelChoice::parse(const QString& text, qint32 labelCount, QString* error)
{
    const auto fail = [&](const QString& message) -> std::optional<LabelChoice> {
        if (error)
            *error = message;
        return std::nullopt;
    };
    std::vector<Range> ranges;
    for (const QStringView part : QStringView(text).split(u',')) {
        const QStringView t = part.trimmed();
        if (t.isEmpty())
            continue;
        const qsizetype dash = t.indexOf(u'-');
        const std::optional<qint64> first = labelNumber(dash < 0 ? t : t.first(dash));
        const std::optional<qint64> last = dash < 0 ? first : labelNumber(t.sliced(dash + 1));
        if (!first || !last || *first > *last)
            return fail(Messages::labelListInvalid(t.toString()));
        if (*first < 1 || *last > labelCount)
            return fail(Messages::labelListOutside(t.toString(), labelCount));
        ranges.push_back(Range{static_cast<qint32>(*first - 1), static_cast<qint32>(*last - 1), 0});
    }
    if (ranges.empty())
        return fail(Messages::labelListEmpty());
    std::sort(ranges.begin(), ranges.end(), [](const Range& a, const Range& b) { return a.first < b.first; });
    LabelChoice choice;
    for (const Range& r : ranges) {
        if (!choice.ranges_.empty() && r.first <= choice.ranges_.back().last + 1) {
            Range& back = choice.ranges_.back();
            back.last = std::max(back.last, r.last);
        } else {
            choice.ranges_.push_back(r);
        }
    }
    qint64 before = 0;
    for (Range& r : choice.ranges_) {
        r.before = static_cast<qint32>(before);
        before += static_cast<qint64>(r.last) - r.first + 1;
    }
    choice.count_ = static_cast<qint32>(before);
    return choice;
}

qint32 LabelChoice::labelAt(qint32 k) const
{
    const auto it = std::upper_bound(ranges_.begin(), ranges_.end(), k,
                                     [](qint32 value, const Range& r) { return value < r.before; });
    if (it == ranges_.begin())
        return -1;
    const Range& r = *(it - 1);
    return r.first + (k - r.before);
}

QString LabelChoice::text() const
{
    QStringList parts;
    for (const Range& r : ranges_)
        parts << (r.first == r.last ? QString::number(r.first + 1)
                                    : QStringLiteral("%1-%2").arg(r.first + 1).arg(r.last + 1));
    return parts.join(QStringLiteral(", "));
}
