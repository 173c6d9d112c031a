#include "BoxPlacement.h"

#include <cmath>

std::optional<QRectF> placeInBox(const BoxPlacement& placement, QSizeF content, QSizeF box)
{
    const double pw = content.width();
    const double ph = content.height();
    const double lw = box.width();
    const double lh = box.height();
    if (!(pw > 0) || !(ph > 0))
        return std::nullopt;
    const auto usable = [](double extent) { return std::isfinite(extent) && extent > 0; };
    // x1, y1 to x2, y2; the scaling steps keep x1 and y1 at 0.
    double x1 = 0, y1 = 0, x2 = pw, y2 = ph;
    if (placement.fitToBox) {
        if (placement.keepRatio) {
            double f = lw / pw;
            if (f * ph > lh)
                f = lh / ph;
            x2 = f * pw;
            y2 = f * ph;
        } else {
            x2 = lw;
            y2 = lh;
        }
    }
    if (placement.useWidthPercent) {
        if (!usable(x2 - x1))
            return std::nullopt;
        const double f = lw / 100.0 * placement.widthPercent / (x2 - x1);
        x2 = x1 + (x2 - x1) * f;
        if (placement.keepRatio)
            y2 = y1 + (y2 - y1) * f;
    }
    if (placement.useHeightPercent) {
        if (!usable(y2 - y1))
            return std::nullopt;
        const double f = lh / 100.0 * placement.heightPercent / (y2 - y1);
        y2 = y1 + (y2 - y1) * f;
        if (placement.keepRatio)
            x2 = x1 + (x2 - x1) * f;
    }
    if (!usable(x2 - x1) || !usable(y2 - y1))
        return std::nullopt;

    double d = 0;
    if (placement.alignHoriz == BoxPlacement::Centre)
        d = (lw - (x2 - x1)) / 2;
    else if (placement.alignHoriz == BoxPlacement::Far)
        d = lw - x2;
    x1 += d;
    x2 += d;
    d = 0;
    if (placement.alignVert == BoxPlacement::Centre)
        d = (lh - (y2 - y1)) / 2;
    else if (placement.alignVert == BoxPlacement::Far)
        d = lh - y2;
    y1 += d;
    y2 += d;

    if (placement.useLeftPercent) {
        d = lw / 100.0 * placement.leftPercent - x1;
        x1 += d;
        x2 += d;
    }
    if (placement.useTopPercent) {
        d = lh / 100.0 * placement.topPercent - y1;
        y1 += d;
        y2 += d;
    }
    if (!std::isfinite(x1) || !std::isfinite(y1))
        return std::nullopt;
    return QRectF(QPointF(x1, y1), QPointF(x2, y2));
}
