#pragma once
// The about box's pictures, drawn by the program itself so that they are
// sharp at any screen scale: the small emblem (a label tag) in two frames
// for the corners, and the product picture (a sheet of labels with one
// label peeled off).

#include <QPixmap>

// The 32 x 32 emblem. Frame 0 hangs still, frame 1 swings; mirrored, the tag
// points the other way (for the right-hand corner).
QPixmap aboutEmblem(int frame, bool mirrored, qreal devicePixelRatio = 1.0);

// The 173 x 173 product picture.
QPixmap aboutProductPicture(qreal devicePixelRatio = 1.0);
