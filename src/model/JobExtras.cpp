#include "JobExtras.h"

#include "model/DataInfo.h"
#include "model/JobInfo.h"

const PropTable& JobExtras::properties() const
{
    using C = JobExtras;
    static const PropTable table = withBase({
        Props::text("CodeType", &C::CodeType),
        Props::text("CodeText", &C::CodeText),
        Props::text("SerialFrom", &C::SerialFrom),
        Props::text("SerialTo", &C::SerialTo),
    });
    return table;
}

bool JobExtras::isEmpty() const
{
    return CodeType.isEmpty() && CodeText.isEmpty() && SerialFrom.isEmpty() && SerialTo.isEmpty();
}

JobExtras JobExtras::of(const TJOBINFO& format, const TDATAINFO& data)
{
    JobExtras extras;
    extras.CodeType = format.CodeType;
    extras.CodeText = format.CodeText;
    extras.SerialFrom = data.SerialFrom;
    extras.SerialTo = data.SerialTo;
    return extras;
}

void JobExtras::applyTo(TJOBINFO& format, TDATAINFO& data) const
{
    format.CodeType = CodeType;
    format.CodeText = CodeText;
    data.SerialFrom = SerialFrom;
    data.SerialTo = SerialTo;
}
