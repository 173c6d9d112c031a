#pragma once
// Whether every label of a job can be printed as it is: its code made from
// its content, its own picture read. Printing asks before it starts, so that
// no sheet comes out with a gap the user was not told of.

#include <QList>
#include <QString>

class TJOB;

struct LabelProblem {
    qint32 number = 0; // the label's number in its data, from 1
    QString reason;    // why, in the user's words
};

struct LabelCheck {
    qint64 failed = 0;         // printed labels that cannot be printed
    QList<LabelProblem> first; // the first of them, in print order
    bool ok() const { return failed == 0; }
};

// Checks every printed label of the job once (repeats are not checked
// again), listing the first `listed` problems. Codes of equal content are
// made once.
LabelCheck checkLabels(const TJOB& job, int listed = 5);
