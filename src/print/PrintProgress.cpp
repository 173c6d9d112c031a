#include "PrintProgress.h"

qint64 printSecondsLeft(qint32 sent, qint32 total, qint64 elapsedMs)
{
    if (sent >= total)
        return 0;
    // Three pages give a fair rate; before that the set-up of the document
    // and the printer weighs too much.
    constexpr qint32 PagesBeforeEstimate = 3;
    if (sent < PagesBeforeEstimate || elapsedMs < 0)
        return -1;
    const double msPerPage = static_cast<double>(elapsedMs) / sent;
    return static_cast<qint64>(msPerPage * (total - sent) / 1000.0 + 0.5);
}
