#include "LabelCheck.h"

#include "model/Job.h"
#include "render/LabelArt.h"

#include <algorithm>
#include <vector>

LabelCheck checkLabels(const TJOB& job, int listed)
{
    LabelCheck check;
    if (!labelsHaveArt(job))
        return check;
    const TJOBINFO& format = *job.JOBINFO();
    const qint32 count = job.DATAINFO()->labelsPrinted();
    // The labels a few hundred at a time: their codes are made together
    // (on several cores), then each label is checked in order. A batch is
    // well within what the code cache keeps.
    constexpr qint32 Batch = 512;
    std::vector<LabelContent> contents;
    contents.reserve(Batch);
    QStringList codeTexts;
    for (qint32 start = 0; start < count; start += Batch) {
        contents.clear();
        codeTexts.clear();
        for (qint32 k = start; k < std::min(count, start + Batch); ++k) {
            // One line of one character: enough for the code's text and the
            // picture's name to be filled in, and nothing is kept of the rest.
            std::optional<LabelContent> content = job.labelContent(k, LabelLimits{1, 1});
            if (!content)
                continue;
            if (format.showsCode())
                codeTexts.append(content->codeText);
            contents.push_back(std::move(*content));
        }
        if (format.showsCode())
            makeCodesAhead(format.CodeType, codeTexts);
        for (const LabelContent& content : contents) {
            const LabelArt art = labelArt(format, content);
            if (art.ok())
                continue;
            ++check.failed;
            if (check.first.size() < listed)
                check.first.append(LabelProblem{content.number, art.problem});
        }
    }
    return check;
}
