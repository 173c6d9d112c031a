#include "LabelCheck.h"

#include "model/Job.h"

LabelCheck checkLabels(const TJOB& job, int listed)
{
    (void)job;
    (void)listed;
    return {};
}
