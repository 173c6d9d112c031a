#pragma once
// What a label draws in its picture box when that differs from label to
// label: a code made from the label's text, or a picture file named by its
// data. Both are made or read once and kept for the labels after: a code of
// the same kind and text is made once, a picture file is read once, within
// bounds of memory (the least recently used go first). The page renderer
// draws what it finds here; the label check asks the same questions before
// a print starts, so the codes it made serve the drawing.

#include "model/Picture.h"
#include "render/Barcode.h"

#include <QString>
#include <QStringList>

#include <memory>

class QSvgRenderer;
class TJOB;
class TJOBINFO;
struct LabelContent;

// A picture file as the labels draw it, or why it cannot be drawn.
struct LabelPicture {
    Picture picture;
    std::unique_ptr<QSvgRenderer> svg; // for a drawing
    QString error;                     // empty when it was read
    LabelPicture();
    ~LabelPicture();
};

// What one label draws in its picture box: its code, its own picture, or
// neither; and why it cannot be drawn, when it cannot.
struct LabelArt {
    std::shared_ptr<const CodeResult> code;
    std::shared_ptr<const LabelPicture> picture;
    QString problem;
    bool ok() const { return problem.isEmpty(); }
};

// Whether the job's labels draw art of their own: a code, or a picture
// named by their data. A code takes the picture's place, the job's one
// picture as well as a picture of each label's own.
bool labelsHaveArt(const TJOB& job);

// The art of a label whose content was fetched with its code text and
// picture name.
LabelArt labelArt(const TJOBINFO& format, const LabelContent& content);

// The code of a text of the kind named (as `--code` names it), made once
// for every kind and text while it is kept; a kind without that name gives
// a result that says so.
std::shared_ptr<const CodeResult> cachedCode(const QString& kindName, const QString& text);
// Makes the codes of these texts that are not kept yet, several at a time on
// a machine of several cores, and keeps them as cachedCode would.
void makeCodesAhead(const QString& kindName, const QStringList& texts);
// The picture file, read once while it is kept and the file is unchanged.
std::shared_ptr<const LabelPicture> cachedPicture(const QString& path);

// What the caches hold and have done, for the tests and the benchmarks.
struct ArtCacheStatistics {
    qint64 made = 0; // codes made, or picture files read
    qint64 entries = 0;
    qint64 bytes = 0;
};
ArtCacheStatistics codeCacheStatistics();
ArtCacheStatistics pictureCacheStatistics();
// Empties both caches (the counts of codes made and files read stay).
void clearArtCaches();
