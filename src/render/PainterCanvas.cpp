#include "PainterCanvas.h"

#include "model/Font.h"
#include "render/ShapingRules.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintDevice>
#include <QSvgRenderer>
#include <QTextLayout>

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <unordered_map>

namespace {

// Fonts kept per canvas: enough for a page's shrink-to-fit sizes and the
// placeholders without growing without bound.
constexpr std::size_t FontCacheSize = 48;

// Lines kept laid out per font, and widths of lines measured but not drawn;
// the oldest go all at once.
constexpr qsizetype ShapedLinesKept = 256;
constexpr qsizetype WidthsKept = 4096;
// Texts at least this long keep their measured advance: shrink-to-fit
// measures a long line of every label again at each size it tries.
constexpr qsizetype LongText = 64;
// Lines at least this long are measured without keeping their glyphs.
constexpr qsizetype LongLine = 512;

// The largest glyphs, in pixels, that QPainter keeps in its own glyph cache;
// above it this canvas keeps its own, up to a size where few glyphs fit on a
// page and their images would cost more memory than drawing them as outlines.
constexpr double LargeGlyphPixels = 64;
constexpr double LargestCachedGlyphPixels = 400;

// The largest font, in pixels, whose metrics the font engine gives right:
// beyond about 16 000 pixels its line height and ascent come out negative
// (the largest font size on a 1 200 DPI printer is 27 300 pixels). Larger
// fonts are measured and drawn at this size; no label is that tall.
constexpr double LargestFontPixels = 15000;

bool sameFace(const CanvasFont& a, const CanvasFont& b)
{
    return a.size == b.size && a.style == b.style && a.pitch == b.pitch && a.charset == b.charset && a.name == b.name;
}

QRect toQRect(const CanvasRect& r)
{
    return QRect(r.left, r.top, r.width(), r.height());
}

Qt::PenStyle toQtStyle(PenStyle style)
{
    switch (style) {
    case PenStyle::Dash: return Qt::DashLine;
    case PenStyle::Dot: return Qt::DotLine;
    case PenStyle::Clear: return Qt::NoPen;
    case PenStyle::Solid: break;
    }
    return Qt::SolidLine;
}

} // namespace

PainterCanvas::PainterCanvas(QPainter* painter) : painter_(painter)
{
    init();
}

PainterCanvas::PainterCanvas(QPaintDevice* device)
    : ownPainter_(std::make_unique<QPainter>()), painter_(ownPainter_.get())
{
    // A null image (a paper of no size) has no engine: nothing to draw on.
    if (device && device->paintEngine())
        ownPainter_->begin(device);
    init();
}

PainterCanvas::~PainterCanvas()
{
    if (ownPainter_ && ownPainter_->isActive())
        ownPainter_->end();
}

void PainterCanvas::init()
{
    // Without an active painter the canvas draws nothing and measures with
    // the screen's metrics.
    active_ = painter_ && painter_->isActive();
    if (!active_)
        return;
    device_ = painter_->device();
    // Lines and boxes land on whole pixels; text and pictures are smoothed.
    painter_->setRenderHint(QPainter::Antialiasing, false);
    painter_->setRenderHint(QPainter::TextAntialiasing, true);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    if (painter_->hasClipping())
        baseClip_ = painter_->clipRegion();
    hasBaseClip_ = painter_->hasClipping();
    applyPen();
    setBrush(brush_);
}

QFont PainterCanvas::qfont(const CanvasFont& font)
{
    // Points, not pixels: the device's own resolution makes the pixels.
    return qfont(font.name, font.size >= 1 ? font.size : 1, font.style, font.pitch);
}

QFont PainterCanvas::qfont(const QString& name, double points, int style, qint32 pitch)
{
    QFont f(name);
    f.setPointSizeF(points);
    f.setBold((style & StoredFont::fsBold) != 0);
    f.setItalic((style & StoredFont::fsItalic) != 0);
    f.setUnderline((style & StoredFont::fsUnderline) != 0);
    f.setStrikeOut((style & StoredFont::fsStrikeOut) != 0);
    if (pitch == StoredFont::fpFixed) {
        f.setFixedPitch(true);
        f.setStyleHint(QFont::TypeWriter);
    }
    return f;
}

bool PainterCanvas::drawsLetters(const CanvasFont& font)
{
    // With no font at all the toolkit draws every character as a box of a
    // font engine of its own, which has no family.
    const QFont label = qfont(font);
    if (QFontInfo(label).family().isEmpty())
        return false;
    // Laid out as a label line is, so that a font that stands in for the
    // label's counts; a glyph of index 0 is the font's "missing" box.
    QTextLayout layout(QStringLiteral("Aa0"), label);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    for (const QGlyphRun& run : layout.glyphRuns()) {
        if (!run.rawFont().isValid())
            continue;
        const QList<quint32> glyphs = run.glyphIndexes();
        if (std::any_of(glyphs.begin(), glyphs.end(), [](quint32 glyph) { return glyph != 0; }))
            return true;
    }
    return false;
}

void PainterCanvas::setPen(const CanvasPen& pen)
{
    pen_ = pen;
    if (pen_.width < 0)
        pen_.width = 0;
    applyPen();
}

void PainterCanvas::applyPen()
{
    qpen_ = QPen(pen_.color, pen_.width, toQtStyle(pen_.style), Qt::SquareCap, Qt::MiterJoin);
    // Dashes and dots of a fixed size on paper (about 1 mm and 0.3 mm), so a
    // dashed line on a 1 200 DPI printer does not come out as a hairline.
    if ((pen_.style == PenStyle::Dash || pen_.style == PenStyle::Dot) && device_) {
        const qreal perMm = device_->logicalDpiX() / 25.4;
        const qreal unit = pen_.width > 0 ? pen_.width : 1;
        const qreal dash = std::max<qreal>(1.0, (pen_.style == PenStyle::Dash ? 1.0 : 0.3) * perMm / unit);
        const qreal gap = std::max<qreal>(1.0, (pen_.style == PenStyle::Dash ? 0.6 : 0.3) * perMm / unit);
        qpen_.setDashPattern({dash, gap});
        qpen_.setCapStyle(Qt::FlatCap);
    }
    if (active_) {
        painter_->setPen(qpen_);
        textPen_ = false;
    }
}

void PainterCanvas::setBrush(const CanvasBrush& brush)
{
    brush_ = brush;
    if (active_)
        painter_->setBrush(brush_.style == BrushStyle::Solid ? QBrush(brush_.color) : QBrush(Qt::NoBrush));
}

void PainterCanvas::setFont(const CanvasFont& font)
{
    font_ = font;
    if (current_ && !sameFace(current_->key, font_))
        current_ = nullptr;
}

PainterCanvas::FontEntry* PainterCanvas::currentFont()
{
    if (current_)
        return current_;
    for (auto it = fonts_.rbegin(); it != fonts_.rend(); ++it) {
        if (sameFace((*it)->key, font_)) {
            current_ = it->get();
            return current_;
        }
    }
    if (fonts_.size() >= FontCacheSize) {
        if (painterFont_ == fonts_.front().get())
            painterFont_ = nullptr;
        fonts_.erase(fonts_.begin());
    }
    QFont f = qfont(font_);
    if (device_ && font_.size * device_->logicalDpiY() / 72.0 > LargestFontPixels)
        f.setPointSizeF(LargestFontPixels * 72.0 / device_->logicalDpiY());
    auto entry = std::make_unique<FontEntry>(
        FontEntry{font_, f, device_ ? QFontMetrics(f, device_) : QFontMetrics(f), false, {}, {}, {}, {}, {}, {}, {}});
    // The raster engine draws glyphs above its cache size as outlines, which
    // costs a page of 600 DPI text a tenth of a second; such glyphs are drawn
    // once here and copied after.
    if (device_) {
        const double pixelSize = font_.size * device_->logicalDpiY() / 72.0;
        entry->largeOnImage = device_->devType() == QInternal::Image && pixelSize > LargeGlyphPixels
                              && pixelSize <= LargestCachedGlyphPixels
                              && painter_->deviceTransform().type() <= QTransform::TxTranslate;
    }
    fonts_.push_back(std::move(entry));
    current_ = fonts_.back().get();
    return current_;
}

int PainterCanvas::textWidth(const QString& text)
{
    if (font_.size < 1 || text.isEmpty())
        return 0;
    FontEntry* f = currentFont();
    if (plainLine(*f, text))
        return qRound(static_cast<double>(plainAdvance()) / 64);
    if (text.size() < LongText)
        return wholeWidth(*f, text);
    if (const auto kept = f->advances.constFind(text); kept != f->advances.constEnd())
        return *kept;
    if (f->advances.size() >= WidthsKept)
        f->advances.clear();
    return *f->advances.insert(text, wholeWidth(*f, text));
}

int PainterCanvas::textHeight(const QString&)
{
    if (font_.size < 1)
        return 0;
    return currentFont()->metrics.height();
}

void PainterCanvas::beginClip(const CanvasRect& rect)
{
    if (hasBaseClip_) {
        painter_->setClipRegion(baseClip_);
        painter_->setClipRect(toQRect(rect), Qt::IntersectClip);
    } else {
        painter_->setClipRect(toQRect(rect));
    }
}

void PainterCanvas::endClip()
{
    if (hasBaseClip_)
        painter_->setClipRegion(baseClip_);
    else
        painter_->setClipping(false);
}

void PainterCanvas::restoreLinePen()
{
    if (textPen_) {
        painter_->setPen(qpen_);
        textPen_ = false;
    }
}

void PainterCanvas::textRect(const CanvasRect& clip, int x, int y, const QString& text)
{
    if (!active_ || clip.isEmpty())
        return;
    if (brush_.style == BrushStyle::Solid)
        painter_->fillRect(toQRect(clip), brush_.color);
    if (font_.size < 1 || text.isEmpty())
        return;
    FontEntry* f = currentFont();
    beginClip(clip);
    if (painterFont_ != f) {
        painter_->setFont(f->font);
        painterFont_ = f;
    }
    if (f->largeOnImage) {
        drawLargeText(*f, QPoint(x, y + f->metrics.ascent()), text);
    } else {
        painter_->setPen(font_.color);
        textPen_ = true;
        painter_->drawText(QPoint(x, y + f->metrics.ascent()), text);
    }
    endClip();
}

namespace {

// A line laid out on the canvas's device: its glyphs, placed relative to
// the line's top-left corner with the baseline at the font's whole-pixel
// ascent, where drawText puts it.
// The ink of one run's glyphs, each relative to the glyph's position, and
// how far any of them reaches left and right of its position.
struct RunInk {
    std::vector<QRectF> glyphs;
    double left = 0;
    double right = 0;
    bool ascending = true; // no glyph lies left of the one before
};

class LaidOutLine : public TextShape {
public:
    QList<QGlyphRun> runs;
    // The union of the glyphs' ink and each run's, once drawn.
    mutable std::optional<QRectF> ink;
    mutable std::vector<RunInk> runInk;
};

} // namespace

// A character laid out alone: its glyph, its advance and its ink. Plain
// when a line of such characters lays out as the sum of them.
struct PainterCanvas::PlainCharacter {
    quint32 glyph = 0;
    qint64 advance = 0; // in 64ths of a pixel, the layout's own unit
    QRectF ink;
    bool paired = false; // placed otherwise next to some characters (kerned)
    enum Kind : quint8 { Unknown, Plain, Shaped } kind = Unknown;
};

struct PainterCanvas::PlainCharacters {
    QRawFont raw; // the font every plain character is drawn in
    std::shared_ptr<const ShapingRules> rules;
    double baseline = 0; // where the glyphs sit below the line's top
    bool usable = true;  // false for a font whose spacing or capitals change every line
    // Latin letters by their code; other characters by a table whose
    // entries stay where they are.
    std::array<PlainCharacter, 0x250> latin{};
    std::unordered_map<char16_t, PlainCharacter> others;
    // Pairs of characters, by their codes, that lie one after the other.
    std::unordered_map<quint32, bool> pairs;
};

namespace {

// A character that the layout may place by itself: a letter, digit, sign or
// space of the Latin script or of none, written left to right. Marks that
// join a letter, controls, tabs, other spaces and the other scripts are the
// shaper's.
bool plainCharacter(char16_t code)
{
    const QChar c(code);
    if (c.isSurrogate() || (c.isSpace() && code != u' '))
        return false;
    switch (c.category()) {
    case QChar::Mark_NonSpacing:
    case QChar::Mark_SpacingCombining:
    case QChar::Mark_Enclosing:
    case QChar::Separator_Line:
    case QChar::Separator_Paragraph:
    case QChar::Other_Control:
    case QChar::Other_Format:
    case QChar::Other_Surrogate:
    case QChar::Other_PrivateUse:
    case QChar::Other_NotAssigned: return false;
    default: break;
    }
    if (c.script() != QChar::Script_Latin && c.script() != QChar::Script_Common)
        return false;
    switch (c.direction()) {
    case QChar::DirL:
    case QChar::DirEN:
    case QChar::DirES:
    case QChar::DirET:
    case QChar::DirCS:
    case QChar::DirON:
    case QChar::DirWS: return true;
    default: return false;
    }
}

} // namespace

bool PainterCanvas::plainLine(FontEntry& f, const QString& text)
{
    if (!linesFromCharacters_ || text.isEmpty() || drawnWhole(f)
        || (active_ && painter_->layoutDirection() == Qt::RightToLeft))
        return false;
    if (!f.characters) {
        f.characters = std::make_shared<PlainCharacters>();
        // Spacing and capitals of the font's own change every line.
        const QFont& q = f.font;
        f.characters->usable = q.capitalization() == QFont::MixedCase && q.letterSpacing() == 0 && q.wordSpacing() == 0;
    }
    PlainCharacters& chars = *f.characters;
    if (!chars.usable)
        return false;
    plainLine_.clear();
    char16_t before = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        PlainCharacter* known = code < chars.latin.size() ? &chars.latin[code] : nullptr;
        if (!known) {
            // A damaged file's every character is not kept.
            if (chars.others.size() >= 4096 && !chars.others.contains(code))
                return false;
            known = &chars.others[code];
        }
        if (known->kind == PlainCharacter::Unknown)
            layOutAlone(f, chars, c, *known);
        if (known->kind != PlainCharacter::Plain)
            return false;
        if (!plainLine_.empty() && (plainLine_.back()->paired || known->paired)
            && !plainPair(f, chars, before, *plainLine_.back(), code, *known))
            return false;
        plainLine_.push_back(known);
        before = code;
    }
    plainFont_ = &chars;
    return true;
}

void PainterCanvas::layOutAlone(FontEntry& f, PlainCharacters& chars, QChar c, PlainCharacter& known)
{
    // The character laid out alone, as a line would lay it out.
    known.kind = PlainCharacter::Shaped;
    QTextLine line;
    if (!plainCharacter(c.unicode()) || !layOut(f, QString(c), line))
        return;
    const QList<QGlyphRun> runs = line.glyphRuns();
    const QGlyphRun* run = runs.size() == 1 ? &runs.front() : nullptr;
    const double advance = line.cursorToX(1) * 64;
    if (!run || !run->rawFont().isValid() || run->glyphIndexes().size() != 1 || run->positions().size() != 1
        || run->positions().front().x() != 0 || !(advance >= 0 && advance < (1 << 30))
        || advance != std::floor(advance))
        return;
    const double baseline = run->positions().front().y() + f.metrics.ascent() - line.ascent();
    if (!chars.raw.isValid()) {
        chars.raw = run->rawFont();
        chars.rules = ShapingRules::of(chars.raw);
        chars.baseline = baseline;
    }
    const quint32 glyph = run->glyphIndexes().front();
    if (run->rawFont() != chars.raw || baseline != chars.baseline || chars.rules->touches(glyph))
        return;
    known.glyph = glyph;
    known.advance = static_cast<qint64>(advance);
    known.ink = inkBounds(f, chars.raw, glyph);
    known.paired = chars.rules->pairs(glyph);
    known.kind = PlainCharacter::Plain;
}

bool PainterCanvas::plainPair(FontEntry& f, PlainCharacters& chars, char16_t a, const PlainCharacter& first, char16_t b,
                              const PlainCharacter& second)
{
    // Two characters the font's pair rules (kerning) may place otherwise
    // than one after the other: laid out together once, and kept.
    const quint32 key = (static_cast<quint32>(a) << 16) | b;
    if (const auto kept = chars.pairs.find(key); kept != chars.pairs.end())
        return kept->second;
    if (chars.pairs.size() >= 8192) // a damaged file's every pair is not kept
        chars.pairs.clear();
    bool plain = false;
    QTextLine line;
    const QChar both[] = {QChar(a), QChar(b)};
    if (layOut(f, QString(both, 2), line)) {
        const QList<QGlyphRun> runs = line.glyphRuns();
        if (runs.size() == 1 && runs.front().rawFont() == chars.raw) {
            const QList<quint32> glyphs = runs.front().glyphIndexes();
            const QList<QPointF> at = runs.front().positions();
            const double shift = f.metrics.ascent() - line.ascent();
            plain = glyphs == QList<quint32>{first.glyph, second.glyph} && at.size() == 2 && at[0].x() == 0
                    && at[1].x() * 64 == static_cast<double>(first.advance) && at[0].y() + shift == chars.baseline
                    && at[1].y() + shift == chars.baseline
                    && line.cursorToX(2) * 64 == static_cast<double>(first.advance + second.advance);
        }
    }
    chars.pairs.emplace(key, plain);
    return plain;
}

qint64 PainterCanvas::plainAdvance() const
{
    qint64 sum = 0;
    for (const PlainCharacter* c : plainLine_)
        sum += c->advance;
    return sum;
}

ShapedText PainterCanvas::plainShape(const QString& text) const
{
    // The glyphs one after the other on the baseline, where the layout
    // would put them, with the ink of the whole line.
    QList<quint32> glyphs;
    QList<QPointF> positions;
    glyphs.reserve(static_cast<qsizetype>(plainLine_.size()));
    positions.reserve(static_cast<qsizetype>(plainLine_.size()));
    QRectF ink;
    qint64 x = 0;
    const double y = plainFont_->baseline;
    for (const PlainCharacter* c : plainLine_) {
        const QPointF at(static_cast<double>(x) / 64, y);
        glyphs.append(c->glyph);
        positions.append(at);
        if (!c->ink.isEmpty())
            ink |= c->ink.translated(at);
        x += c->advance;
    }
    auto shape = std::make_shared<LaidOutLine>();
    QGlyphRun& run = shape->runs.emplace_back();
    run.setRawFont(plainFont_->raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    shape->ink = ink;
    return ShapedText{text, qRound(static_cast<double>(x) / 64), std::move(shape)};
}

bool PainterCanvas::layOut(FontEntry& f, const QString& text, QTextLine& line)
{
    // The shaping drawText does: left to right as the painter lays text out,
    // on this device, in one line however long.
    // One layout per font serves every line: it keeps the font's engines.
    if (!f.layout) {
        f.layout = std::make_unique<QTextLayout>(QString(), f.font, device_);
        f.layout->setTextOption(lineOption());
        // Without its cache the layout lets go of its glyphs when it ends
        // and shapes the text again for glyphRuns().
        f.layout->setCacheEnabled(true);
    }
    QTextLayout& layout = *f.layout;
    layout.setText(text);
    layout.beginLayout();
    line = layout.createLine();
    layout.endLayout();
    return line.isValid() && line.textLength() == text.size() && layout.lineCount() == 1;
}

QTextOption PainterCanvas::lineOption() const
{
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    option.setTextDirection(active_ ? painter_->layoutDirection() : Qt::LeftToRight);
    // The layout counts tab distances in pixels of a 96 DPI screen and
    // scales them to the device itself.
    if (tabDistance_ > 0)
        option.setTabStopDistance(device_ && device_->logicalDpiY() > 0 ? tabDistance_ * 96.0 / device_->logicalDpiY()
                                                                        : tabDistance_);
    return option;
}

QTextLine PainterCanvas::singleLine(QTextLayout& layout) const
{
    layout.setTextOption(lineOption());
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    return line;
}

bool PainterCanvas::drawnWhole(const FontEntry& f)
{
    return f.font.underline() || f.font.strikeOut() || f.font.overline();
}

int PainterCanvas::wholeWidth(FontEntry& f, const QString& text)
{
    if (tabDistance_ > 0 && text.contains(u'\t')) {
        QTextLayout layout(text, f.font, device_);
        const QTextLine line = singleLine(layout);
        if (line.isValid() && layout.lineCount() == 1)
            return qRound(line.horizontalAdvance());
    }
    return f.metrics.horizontalAdvance(text);
}

int PainterCanvas::lineWidth(const QString& text)
{
    if (font_.size < 1 || text.isEmpty())
        return 0;
    FontEntry* f = currentFont();
    if (plainLine(*f, text))
        return qRound(static_cast<double>(plainAdvance()) / 64);
    // A line of ordinary length is laid out with its glyphs at once: most
    // lines measured are drawn next.
    if (text.size() < LongLine)
        return shapeText(text).width;
    if (const auto kept = f->shaped.constFind(text); kept != f->shaped.constEnd())
        return kept->width;
    if (const auto kept = f->widths.constFind(text); kept != f->widths.constEnd())
        return *kept;
    if (f->widths.size() >= WidthsKept)
        f->widths.clear();
    QTextLine line;
    const int width = !drawnWhole(*f) && layOut(*f, text, line) ? qRound(line.horizontalAdvance())
                                                                : wholeWidth(*f, text);
    f->widths.insert(text, width);
    return width;
}

ShapedText PainterCanvas::shapeText(const QString& text)
{
    ShapedText shaped{text, 0, nullptr};
    if (font_.size < 1 || text.isEmpty())
        return shaped;
    FontEntry* f = currentFont();
    if (plainLine(*f, text))
        return plainShape(text);
    if (const auto kept = f->shaped.constFind(text); kept != f->shaped.constEnd())
        return *kept;
    if (f->shaped.size() >= ShapedLinesKept)
        f->shaped.clear();
    // Underlined and struck-out text is drawn whole by the painter, which
    // draws its lines; so is text the layout would break (a line separator).
    QTextLine line;
    if (drawnWhole(*f) || !layOut(*f, text, line)) {
        shaped.width = wholeWidth(*f, text);
        return *f->shaped.insert(text, shaped);
    }
    shaped.width = qRound(line.horizontalAdvance());
    auto shape = std::make_shared<LaidOutLine>();
    shape->runs = line.glyphRuns();
    const QPointF shift(0, f->metrics.ascent() - line.ascent());
    for (QGlyphRun& run : shape->runs) {
        QList<QPointF> positions = run.positions();
        for (QPointF& at : positions)
            at += shift;
        run.setPositions(positions);
    }
    shaped.shape = std::move(shape);
    return *f->shaped.insert(text, shaped);
}

QList<QGlyphRun> PainterCanvas::glyphRuns(const ShapedText& line)
{
    const auto* laid = dynamic_cast<const LaidOutLine*>(line.shape.get());
    return laid ? laid->runs : QList<QGlyphRun>();
}

void PainterCanvas::setTabDistance(double pixels)
{
    if (pixels == tabDistance_)
        return;
    tabDistance_ = pixels;
    // Lines laid out with the old stops measure and draw otherwise now.
    for (const auto& font : fonts_) {
        font->shaped.clear();
        font->widths.clear();
        font->advances.clear();
        font->layout.reset();
    }
}

const QRectF& PainterCanvas::inkBounds(FontEntry& font, const QRawFont& raw, quint32 glyph)
{
    const GlyphKey key{raw, glyph, 0};
    auto it = font.inkBounds.constFind(key);
    if (it == font.inkBounds.constEnd())
        it = font.inkBounds.insert(key, raw.boundingRect(glyph));
    return *it;
}

void PainterCanvas::drawTextBlock(const CanvasRect& clip, std::span<const PlacedText> lines)
{
    if (!active_ || clip.isEmpty() || font_.size < 1 || lines.empty())
        return;
    FontEntry* f = currentFont();

    // The clip is needed only when some glyph's ink, with a pixel for
    // smoothing, reaches beyond it. Text drawn whole is not looked into.
    constexpr double Smoothing = 2;
    const QRectF inside(clip.left + Smoothing, clip.top + Smoothing, clip.width() - 2 * Smoothing,
                        clip.height() - 2 * Smoothing);
    const auto inkOf = [&](const LaidOutLine& laid) {
        if (laid.ink)
            return;
        QRectF ink;
        for (const QGlyphRun& run : laid.runs) {
            const QRawFont raw = run.rawFont();
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
                const QRectF& glyph = inkBounds(*f, raw, indexes[i]);
                if (!glyph.isEmpty())
                    ink |= glyph.translated(positions[i]);
            }
        }
        laid.ink = ink;
    };
    // Each glyph's ink, kept with the line once it has been cut.
    const auto runInkOf = [&](const LaidOutLine& laid) {
        if (!laid.runInk.empty() || laid.runs.empty())
            return;
        for (const QGlyphRun& run : laid.runs) {
            const QRawFont raw = run.rawFont();
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            RunInk& runInk = laid.runInk.emplace_back();
            runInk.glyphs.reserve(static_cast<std::size_t>(indexes.size()));
            for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
                const QRectF& glyph = inkBounds(*f, raw, indexes[i]);
                runInk.glyphs.push_back(glyph);
                if (i > 0 && positions[i].x() < positions[i - 1].x())
                    runInk.ascending = false;
                if (!glyph.isEmpty()) {
                    runInk.left = std::min(runInk.left, glyph.left());
                    runInk.right = std::max(runInk.right, glyph.right());
                }
            }
        }
    };
    bool overflows = false;
    for (const PlacedText& placed : lines) {
        const auto* laid = dynamic_cast<const LaidOutLine*>(placed.line->shape.get());
        if (!laid) {
            overflows = !placed.line->text.isEmpty();
        } else {
            inkOf(*laid);
            overflows = !laid->ink->isEmpty() && !inside.contains(laid->ink->translated(placed.x, placed.y));
        }
        if (overflows)
            break;
    }
    if (overflows)
        beginClip(clip);
    painter_->setPen(font_.color);
    textPen_ = true;
    const QRectF reach(clip.left - Smoothing, clip.top - Smoothing, clip.width() + 2 * Smoothing,
                       clip.height() + 2 * Smoothing);

    // The glyphs of the whole block go out together, one run for each font
    // the lines use (a fallback font for characters the label font lacks).
    struct Batch {
        QRawFont font;
        QList<quint32> indexes;
        QList<QPointF> positions;
    };
    std::vector<Batch> batches;
    for (const PlacedText& placed : lines) {
        const auto* laid = dynamic_cast<const LaidOutLine*>(placed.line->shape.get());
        if (!laid) {
            if (placed.line->text.isEmpty())
                continue;
            if (painterFont_ != f) {
                painter_->setFont(f->font);
                painterFont_ = f;
            }
            if (f->largeOnImage)
                drawLargeText(*f, QPoint(placed.x, placed.y + f->metrics.ascent()), placed.line->text);
            else
                drawWhole(*f, placed.x, placed.y, placed.line->text);
            continue;
        }
        if (f->largeOnImage) {
            drawLargeText(*f, QPoint(placed.x, placed.y + f->metrics.ascent()), placed.line->text, &laid->runs,
                          overflows && !keepHiddenGlyphs_ ? &reach : nullptr);
            continue;
        }
        const QPointF origin(placed.x, placed.y);
        const bool cut = overflows && !keepHiddenGlyphs_;
        if (cut) {
            inkOf(*laid);
            if (!laid->ink->isEmpty() && !reach.intersects(laid->ink->translated(origin)))
                continue; // nothing of it shows
            runInkOf(*laid);
        }
        for (qsizetype k = 0; k < laid->runs.size(); ++k) {
            const QGlyphRun& run = laid->runs[k];
            const QRawFont raw = run.rawFont();
            auto batch = std::find_if(batches.begin(), batches.end(), [&](const Batch& b) { return b.font == raw; });
            if (batch == batches.end())
                batch = batches.insert(batches.end(), Batch{raw, {}, {}});
            const QList<quint32> indexes = run.glyphIndexes();
            const QList<QPointF> positions = run.positions();
            if (!cut) {
                batch->indexes += indexes;
                for (const QPointF& at : positions)
                    batch->positions.append(at + origin);
                continue;
            }
            // Of a line that reaches beyond the clip only the glyphs whose
            // ink can show there are drawn: a long line costs what shows.
            // Where the glyphs go left to right, those are found by halves.
            const RunInk& runInk = laid->runInk[static_cast<std::size_t>(k)];
            const qsizetype count = std::min<qsizetype>(indexes.size(), positions.size());
            qsizetype from = 0;
            qsizetype to = count;
            if (runInk.ascending) {
                const double lowest = reach.left() - runInk.right - origin.x();
                const double highest = reach.right() - runInk.left - origin.x();
                const auto begin = positions.cbegin();
                from = std::partition_point(begin, begin + count, [&](const QPointF& at) { return at.x() < lowest; })
                       - begin;
                to = std::partition_point(begin + from, begin + count,
                                          [&](const QPointF& at) { return at.x() <= highest; })
                     - begin;
            }
            for (qsizetype i = from; i < to; ++i) {
                const QPointF at = positions[i] + origin;
                if (!canShow(runInk.glyphs[static_cast<std::size_t>(i)], at, reach))
                    continue;
                batch->indexes.append(indexes[i]);
                batch->positions.append(at);
            }
        }
    }
    for (const Batch& batch : batches) {
        QGlyphRun run;
        run.setRawFont(batch.font);
        run.setGlyphIndexes(batch.indexes);
        run.setPositions(batch.positions);
        painter_->drawGlyphRun(QPointF(0, 0), run);
    }
    if (overflows)
        endClip();
}

bool PainterCanvas::canShow(const QRectF& ink, QPointF at, const QRectF& reach)
{
    // A glyph without ink (a space) is kept where its origin lies within
    // reach, so that the words that show stay apart for text extraction.
    if (ink.isEmpty())
        return reach.contains(at);
    return reach.intersects(ink.translated(at));
}

void PainterCanvas::drawWhole(FontEntry& f, int x, int y, const QString& text)
{
    if (tabDistance_ > 0 && text.contains(u'\t')) {
        // drawText at a point keeps the painter's own tab stops; a layout
        // takes the canvas's.
        QTextLayout layout(text, f.font, device_);
        QTextLine line = singleLine(layout);
        if (line.isValid()) {
            line.setPosition(QPointF(0, 0));
            layout.draw(painter_, QPointF(x, y + f.metrics.ascent() - line.ascent()));
            return;
        }
    }
    painter_->drawText(QPoint(x, y + f.metrics.ascent()), text);
}

void PainterCanvas::drawLargeText(FontEntry& font, QPoint origin, const QString& text, const QList<QGlyphRun>* runs,
                                  const QRectF* reach)
{
    // The glyphs as the canvas laid them out (placed from the line's top),
    // or laid out here with the same shaping as drawText, on this device.
    QList<QGlyphRun> own;
    QPointF lineOrigin(origin.x(), origin.y() - font.metrics.ascent());
    if (!runs) {
        QTextLayout layout(text, font.font, device_);
        layout.setCacheEnabled(true);
        const QTextLine line = singleLine(layout);
        if (!line.isValid())
            return;
        lineOrigin = QPointF(origin.x(), origin.y() - line.ascent());
        own = layout.glyphRuns();
        runs = &own;
    }
    for (const QGlyphRun& run : *runs) {
        const QRawFont raw = run.rawFont();
        const QList<quint32> indexes = run.glyphIndexes();
        const QList<QPointF> positions = run.positions();
        for (qsizetype i = 0; i < indexes.size() && i < positions.size(); ++i) {
            const QPointF at = lineOrigin + positions[i];
            if (reach && !canShow(inkBounds(font, raw, indexes[i]), at, *reach))
                continue;
            const GlyphImage& glyph = glyphImage(font, raw, indexes[i]);
            if (glyph.image.isNull())
                continue;
            painter_->drawImage(QPoint(qRound(at.x()) + glyph.offset.x(), qRound(at.y()) + glyph.offset.y()),
                                glyph.image);
        }
    }
    const QFontMetrics& m = font.metrics;
    const int width = m.horizontalAdvance(text);
    const int thickness = std::max(1, m.lineWidth());
    if (font.font.underline())
        painter_->fillRect(origin.x(), origin.y() + m.underlinePos(), width, thickness, font_.color);
    if (font.font.strikeOut())
        painter_->fillRect(origin.x(), origin.y() - m.strikeOutPos(), width, thickness, font_.color);
}

const PainterCanvas::GlyphImage& PainterCanvas::glyphImage(FontEntry& font, const QRawFont& raw, quint32 glyph)
{
    const GlyphKey key{raw, glyph, font_.color.rgba()};
    auto it = font.glyphs.constFind(key);
    if (it != font.glyphs.constEnd())
        return *it;
    GlyphImage result;
    const QRectF bounds = raw.boundingRect(glyph);
    if (!bounds.isEmpty()) {
        // A margin for antialiasing and hinting beyond the outline's bounds.
        const int left = static_cast<int>(std::floor(bounds.left())) - 2;
        const int top = static_cast<int>(std::floor(bounds.top())) - 2;
        const int right = static_cast<int>(std::ceil(bounds.right())) + 2;
        const int bottom = static_cast<int>(std::ceil(bounds.bottom())) + 2;
        QImage image(right - left, bottom - top, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(font_.color);
        QGlyphRun single;
        single.setRawFont(raw);
        single.setGlyphIndexes({glyph});
        single.setPositions({QPointF(-left, -top)});
        p.drawGlyphRun(QPointF(0, 0), single);
        p.end();
        result.image = std::move(image);
        result.offset = QPoint(left, top);
    }
    return *font.glyphs.insert(key, std::move(result));
}

void PainterCanvas::polyline(std::span<const QPoint> points)
{
    if (!active_ || points.empty())
        return;
    restoreLinePen();
    painter_->drawPolyline(points.data(), static_cast<int>(points.size()));
}

void PainterCanvas::polygon(std::span<const QPoint> points)
{
    if (!active_ || points.empty())
        return;
    restoreLinePen();
    painter_->drawPolygon(points.data(), static_cast<int>(points.size()));
}

const QImage& PainterCanvas::onDevice(const QImage& picture, QSize covered)
{
    covered = covered.boundedTo(picture.size());
    if (covered == picture.size() || covered.isEmpty())
        return picture;
    // The labels' boxes differ by a rounded pixel or two: one reduction
    // serves them all, and the PDF holds it once.
    for (const Reduced& r : reduced_)
        if (r.picture == picture.cacheKey() && std::abs(r.size.width() - covered.width()) <= 2
            && std::abs(r.size.height() - covered.height()) <= 2)
            return r.image;
    // A page of labels' own pictures keeps a few dozen; more are made again.
    constexpr qint64 MaxReducedBytes = qint64(64) << 20;
    QImage image = picture.scaled(covered, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull())
        return picture;
    if (reducedBytes_ + image.sizeInBytes() > MaxReducedBytes) {
        reduced_.clear();
        reducedBytes_ = 0;
    }
    reducedBytes_ += image.sizeInBytes();
    reduced_.push_back({picture.cacheKey(), covered, std::move(image)});
    return reduced_.back().image;
}

void PainterCanvas::stretchDraw(const CanvasRect& dest, const QImage& picture, const CanvasRect& source, bool photo)
{
    if (!active_ || dest.isEmpty() || source.isEmpty() || picture.isNull())
        return;
    // A picture finer than the device is averaged down to the pixels it
    // covers there, for the screen (where the painter would skip pixels
    // rather than average them, and lettering would break up) and for the
    // printer (where the extra pixels would only make the page larger).
    const double fx = static_cast<double>(dest.width()) / source.width();
    const double fy = static_cast<double>(dest.height()) / source.height();
    const QSize covered(static_cast<int>(std::ceil(picture.width() * std::min(fx, 1.0) - 1e-9)),
                        static_cast<int>(std::ceil(picture.height() * std::min(fy, 1.0) - 1e-9)));
    const QImage& drawn = onDevice(picture, covered);
    const double sx = static_cast<double>(drawn.width()) / picture.width();
    const double sy = static_cast<double>(drawn.height()) / picture.height();
    // The whole picture keeps its source rectangle whole, so that a PDF
    // holds it once rather than a copy for every label.
    const QRectF from = source == CanvasRect{0, 0, picture.width(), picture.height()}
                            ? QRectF(drawn.rect())
                            : QRectF(source.left * sx, source.top * sy, source.width() * sx, source.height() * sy);
    // A PDF (and so the printer) gets logos, lettering and codes without
    // loss; a photo may be kept as JPEG, as its file was.
    painter_->setRenderHint(QPainter::LosslessImageRendering, !photo);
    // QPainter leaves the part of dest alone that the source maps beyond the
    // picture. Transparent picture pixels keep the label beneath them.
    painter_->drawImage(QRectF(toQRect(dest)), drawn, from);
}

void PainterCanvas::drawSvg(const QRectF& box, QSvgRenderer& drawing, const CanvasRect& clip)
{
    if (!active_ || clip.isEmpty() || box.isEmpty())
        return;
    painter_->save();
    painter_->setClipRect(toQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setRenderHint(QPainter::Antialiasing, true);
    drawing.render(painter_, box);
    painter_->restore();
    painterFont_ = nullptr;
}

void PainterCanvas::drawImage(const QRectF& box, const QImage& picture, const CanvasRect& clip)
{
    if (!active_ || clip.isEmpty() || box.isEmpty() || picture.isNull())
        return;
    painter_->save();
    painter_->setClipRect(toQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setRenderHint(QPainter::SmoothPixmapTransform, true);
    painter_->setRenderHint(QPainter::LosslessImageRendering, true);
    painter_->drawImage(box, picture);
    painter_->restore();
}

void PainterCanvas::fillPath(const QPainterPath& shapes, const QColor& color, const CanvasRect& clip)
{
    if (!active_ || clip.isEmpty() || shapes.isEmpty())
        return;
    // Edges land on whole pixels, as lines and boxes do: a bar or a module
    // is solid to its edge, never a grey seam.
    painter_->save();
    painter_->setClipRect(toQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->fillPath(shapes, color);
    painter_->restore();
}

void PainterCanvas::fillRects(std::span<const QRectF> rects, const QTransform& toDevice, const QColor& color,
                              const CanvasRect& clip)
{
    if (!active_ || clip.isEmpty() || rects.empty())
        return;
    QRectF own;
    for (const QRectF& rect : rects)
        own |= rect;
    const QRectF bounds = toDevice.mapRect(own);
    painter_->save();
    // A code lies within its clip as a rule: the clip is then left out, and
    // with it a clip path for every code in a PDF.
    // (A hair's allowance for the rounding of the code's scaling.)
    if (!QRectF(toQRect(clip)).adjusted(-0.01, -0.01, 0.01, 0.01).contains(bounds))
        painter_->setClipRect(toQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setPen(Qt::NoPen);
    painter_->setBrush(color);
    painter_->setTransform(toDevice, true);
    painter_->drawRects(rects.data(), static_cast<int>(rects.size()));
    painter_->restore();
}

void PainterCanvas::drawAnchoredText(const AnchoredText& text, const CanvasRect& clip)
{
    if (!active_ || clip.isEmpty() || text.text.isEmpty() || !(text.pixelSize > 0))
        return;
    // A point size on this device, so the printer and the PDF keep the size
    // the preview shows.
    const double pixels = std::min(text.pixelSize, LargestFontPixels);
    QFont font = qfont(text.fontName, pixels * 72.0 / device_->logicalDpiY(), 0, 0);
    double width = QFontMetricsF(font, device_).horizontalAdvance(text.text);
    if (text.maxWidth > 0 && width > text.maxWidth) {
        font.setPointSizeF(font.pointSizeF() * text.maxWidth / width);
        width = QFontMetricsF(font, device_).horizontalAdvance(text.text);
    }
    double x = text.at.x();
    if (text.anchor == AnchoredText::Centre)
        x -= width / 2;
    else if (text.anchor == AnchoredText::Right)
        x -= width;
    painter_->save();
    painter_->setClipRect(toQRect(clip), hasBaseClip_ ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_->setFont(font);
    painter_->setPen(text.color);
    painter_->drawText(QPointF(x, text.at.y()), text.text);
    painter_->restore();
    painterFont_ = nullptr;
}
