#pragma once
// The page renderer: draws one sheet of a job onto the canvas of the record,
// for the preview and for the printer alike.

#include "render/Canvas.h"
#include "render/PrintParams.h"

#include <QString>

class StoredFont;
class TJOB;

// A colour value as the files store it: 0x00BBGGRR, or 0x80000000 plus the
// number of a system colour, which maps to that colour's usual value.
QColor colorToQColor(qint32 color);

// The canvas font of a font description: its name, size in whole points,
// style, colour, character set and pitch.
CanvasFont canvasFont(const StoredFont& font);

// Draws page params.PageIndex of the job: pictures and borders first, then
// label text and placeholders, then outlines (at least 0.1 mm wide on a
// printer). Works on its own copy of params and
// keeps nothing between calls. When the picture file exists but cannot be
// read, the page is drawn without it and *pictureError says why; otherwise
// *pictureError is left alone.
//
// A label holds at most 10 000 lines of 10 000 characters; longer text is
// cut from its end. Its block is then measured and placed whole, and only
// what can show in the text area is drawn (TextDrawing::Visible). Whole
// draws every line and lets the clip cut it: the same page, at any cost.
enum class TextDrawing { Visible, Whole };
void PRINT(const TJOB& job, const TPRINTPARAMS& params, QString* pictureError = nullptr,
           TextDrawing drawing = TextDrawing::Visible);
