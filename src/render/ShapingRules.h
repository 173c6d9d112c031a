#pragma once
// Which glyphs of a font its own layout rules can change when text is laid
// out. A line whose characters all map to glyphs no rule touches is laid out
// as the sum of its characters: each character's glyph, one after the other,
// at its own advance. The painter canvas lays such lines out from a cache of
// characters instead of shaping each line again.
//
// The rules are the font's substitutions and positionings (OpenType GSUB and
// GPOS) that the shaper applies to left-to-right text of the Latin script or
// of no script, with the default features and kerning, as HarfBuzz collects
// them. A font with rules that cannot be looked into here (an old kerning
// table, Apple's layout tables) touches every glyph.

#include <QRawFont>

#include <memory>
#include <unordered_set>

class ShapingRules {
public:
    // The rules of the font's face, worked out once for each face in the
    // program (the sizes of one face share them).
    static std::shared_ptr<const ShapingRules> of(const QRawFont& font);

    // Whether a rule may change the glyph or its position next to others.
    bool touches(quint32 glyph) const { return all_ || touched_.contains(glyph); }

private:
    bool all_ = true;
    std::unordered_set<quint32> touched_;
};
