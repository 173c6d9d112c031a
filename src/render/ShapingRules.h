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
// them. Most positionings act on a glyph and its neighbour alone (kerning,
// and marks placed on the letter before them): a glyph only they touch is
// laid out as the sum of its characters where each pair of neighbours in
// the line is. Substitutions, positionings that look further along the line
// and mark glyphs touch a glyph wholly. An old kerning table of pairs may
// kern any two glyphs. A font with rules that cannot be looked into here
// (Apple's layout tables, old kerning tables of other kinds) touches every
// glyph.

#include <QRawFont>

#include <memory>
#include <unordered_set>

class ShapingRules {
public:
    // The rules of the font's face, worked out once for each face in the
    // program (the sizes of one face share them).
    static std::shared_ptr<const ShapingRules> of(const QRawFont& font);

    // Whether a rule may change the glyph or its position, whatever its
    // neighbours.
    bool touches(quint32 glyph) const { return all_ || touched_.contains(glyph); }
    // Whether a rule may change the glyph's place next to a neighbour.
    bool pairs(quint32 glyph) const { return pairAll_ || paired_.contains(glyph); }

private:
    bool all_ = true;
    bool pairAll_ = false; // an old kerning table may kern any pair
    std::unordered_set<quint32> touched_;
    std::unordered_set<quint32> paired_;
};
