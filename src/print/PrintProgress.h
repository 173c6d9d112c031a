#pragma once
// How long a print run has to go, from the pages sent so far and the time
// they took.

#include <QtGlobal>

// The seconds left after `sent` of `total` pages in `elapsedMs`; -1 while too
// few pages have gone to tell (the first pages carry the document's set-up).
qint64 printSecondsLeft(qint32 sent, qint32 total, qint64 elapsedMs);
