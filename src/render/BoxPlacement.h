#pragma once
// Where a picture, or a code, goes in its box: scaled to the box with or
// without its ratio, sized and moved by percentages of the box, aligned.

#include <QRectF>
#include <QSizeF>

#include <optional>

struct BoxPlacement {
    // Alignment along one axis: left or top, centre, right or bottom.
    enum Align { Near = 0, Centre = 1, Far = 2 };

    bool fitToBox = false;
    bool keepRatio = false;
    // Percentages of the box's width or height; each used only when its
    // switch is on.
    bool useLeftPercent = false;
    bool useTopPercent = false;
    bool useWidthPercent = false;
    bool useHeightPercent = false;
    double leftPercent = 0;
    double topPercent = 0;
    double widthPercent = 0;
    double heightPercent = 0;
    int alignHoriz = Near;
    int alignVert = Near;
};

// Places content of the given size in a box of the given size: the result
// lies relative to the box's top-left corner, in the units of both sizes.
// Fitting comes first, then the percentage sizes, the alignment and last the
// percentage positions. Nothing when the content or the result has no area
// (a percentage of 0, a box of no size) or lies at no finite place.
std::optional<QRectF> placeInBox(const BoxPlacement& placement, QSizeF content, QSizeF box);
