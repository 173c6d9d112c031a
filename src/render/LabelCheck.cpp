#include "LabelCheck.h"

#include "model/Job.h"
#include "render/LabelArt.h"

LabelCheck checkLabels(const TJOB& job, int listed)
{
    LabelCheck check;
    if (!labelsHaveArt(job))
        return check;
    const TJOBINFO& format = *job.JOBINFO();
    const qint32 count = job.DATAINFO()->labelsPrinted();
    for (qint32 k = 0; k < count; ++k) {
        // One line of one character: enough for the code's text and the
        // picture's name to be filled in, and nothing is kept of the rest.
        const std::optional<LabelContent> content = job.labelContent(k, LabelLimits{1, 1});
        if (!content)
            continue;
        const LabelArt art = labelArt(format, *content);
        if (art.ok())
            continue;
        ++check.failed;
        if (check.first.size() < listed)
            check.first.append(LabelProblem{content->number, art.problem});
    }
    return check;
}
