#pragma once
// The label font as the model keeps it (StoredFont: name, height in screen pixels,
// style bits, colour 0x00BBGGRR, character set, pitch) and as Qt's font and
// colour dialogs show it.

#include <QColor>
#include <QFont>

class StoredFont;

// The Qt font of a font description: its name, its height as a point size at
// the screen's pixels per inch (fractions kept), its style bits and, for a
// fixed pitch, the typewriter hint.
QFont fontToQFont(const StoredFont& font);

// The font the font dialog opens on: the face, style and size the label
// font is really drawn with. A name that is not installed ("COURIER NEW")
// shows as the family that stands in for it, with its style ("Bold"), so
// the dialog neither falls back to another face nor drops the style.
QFont fontForDialog(const StoredFont& font);

// Takes a font chosen in the font dialog into a font description: size and
// style always; the name only when the chosen family is not the one the
// description's name already resolves to, so that "COURIER NEW" stays
// "COURIER NEW" when the user keeps the face. A new face resets the pitch to
// the default. Colour and character set are kept.
void qFontToFont(const QFont& chosen, StoredFont& font);

// A colour as the model keeps it: 0x00BBGGRR, red in the low byte.
qint32 qColorToColor(const QColor& color);
// The other way is the renderer's colorToQColor (render/Renderer.h).
