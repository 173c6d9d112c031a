#pragma once
// The render parameters of one page drawing. The preview fills one for its
// image, the print run one for each printer page; PRINT works on a copy.

#include "model/Units.h"

#include <QtGlobal>

class PageCanvas;

struct TPRINTPARAMS {
    PageCanvas* Canvas = nullptr; // nothing is drawn without one
    MU MuOffsetX = 0;             // added to every sheet position before scaling
    MU MuOffsetY = 0;
    double FontScale = 1.0; // the preview scale; unused on a printer
    double PixPerMuX = 0.0; // device pixels per MU
    double PixPerMuY = 0.0;
    qint32 PageIndex = 0;      // the sheet to draw, from 0
    qint32 FirstSlot = 0;      // the slot of the first label: start label - 1
    qint32 RepeatCount = 1;    // consecutive slots each label fills
    bool ShowLabels = true;    // pictures, borders and text
    bool ShowTemplate = false; // outlines and placeholders
    bool ToPrinter = false;    // font sizes are not scaled
    // A label whose code cannot be made or whose own picture cannot be read:
    // the preview crosses out its code or picture box and says why; a print
    // leaves the label's slot empty.
    bool MarkUnprintable = false;
};
