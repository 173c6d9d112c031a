#include "ShapingRules.h"

#include <QByteArray>
#include <QHash>

#include <hb-ot.h>
#include <hb.h>

#include <algorithm>
#include <mutex>
#include <vector>

namespace {

// Hands HarfBuzz the font's tables as the toolkit reads them.
hb_blob_t* referenceTable(hb_face_t*, hb_tag_t tag, void* font)
{
    const char name[4] = {static_cast<char>(tag >> 24), static_cast<char>(tag >> 16), static_cast<char>(tag >> 8),
                          static_cast<char>(tag)};
    auto* data = new QByteArray(static_cast<const QRawFont*>(font)->fontTable(name));
    return hb_blob_create(data->constData(), static_cast<unsigned int>(data->size()), HB_MEMORY_MODE_READONLY, data,
                          [](void* bytes) { delete static_cast<QByteArray*>(bytes); });
}

// The face of a font, whatever its size: its header (the face's dates and
// checksum, so that a user's own copy of a system font differs) and its
// names. Empty for an engine without font tables.
QByteArray faceKey(const QRawFont& font)
{
    const QByteArray head = font.fontTable("head");
    if (head.isEmpty())
        return head;
    return head + font.fontTable("name") + ' ' + QByteArray::number(font.weight()) + ' '
           + QByteArray::number(static_cast<int>(font.style()));
}

// Which lookups of a GPOS table act on a glyph and its neighbour alone, by
// the lookup's number: single adjustments, pairs and marks on a letter, a
// ligature or another mark (an extension: the lookup it holds), that skip
// no letters or ligatures to find the neighbour. Empty when the table
// cannot be read.
// The big-endian 16-bit number at `at` in a font table; -1 beyond its ends.
int wordAt(const QByteArray& table, qint64 at)
{
    if (at < 0 || at + 2 > table.size())
        return -1;
    return (static_cast<uchar>(table[at]) << 8) | static_cast<uchar>(table[at + 1]);
}

std::vector<bool> pairwiseLookups(const QByteArray& table)
{
    bool ok = true;
    const auto word = [&](qint64 at) -> quint16 {
        const int value = wordAt(table, at);
        ok = ok && value >= 0;
        return static_cast<quint16>(std::max(value, 0));
    };
    constexpr quint16 IgnoreBaseGlyphs = 0x2;
    constexpr quint16 IgnoreLigatures = 0x4;
    const qint64 list = word(8);
    const quint16 count = word(list);
    std::vector<bool> pairwise;
    for (qint64 i = 0; i < count && ok; ++i) {
        const qint64 lookup = list + word(list + 2 + 2 * i);
        quint16 type = word(lookup);
        const quint16 flags = word(lookup + 2);
        if (type == 9 && word(lookup + 4) > 0) // an extension: its first subtable names the type
            type = word(lookup + word(lookup + 6) + 2);
        pairwise.push_back((type == 1 || type == 2 || type == 4 || type == 5 || type == 6)
                           && (flags & (IgnoreBaseGlyphs | IgnoreLigatures)) == 0);
    }
    return ok ? pairwise : std::vector<bool>();
}

std::mutex facesLock;
QHash<QByteArray, std::shared_ptr<const ShapingRules>> faces;

std::shared_ptr<const ShapingRules> remember(const QByteArray& key, std::shared_ptr<const ShapingRules> rules)
{
    const std::scoped_lock held(facesLock);
    // A program uses a handful of faces; a damaged list of thousands is not
    // kept whole.
    if (faces.size() >= 256)
        faces.clear();
    return *faces.insert(key, std::move(rules));
}

// Whether an old kerning table holds pairs alone: the OpenType kind, whose
// subtables are lists or classes of pairs, none across the line's
// direction.
bool pairwiseKerning(const QByteArray& table)
{
    const auto word = [&](qint64 at) { return wordAt(table, at); };
    if (word(0) != 0)
        return false;
    const int count = word(2);
    qint64 at = 4;
    for (int i = 0; i < count; ++i) {
        const int length = word(at + 2);
        const int coverage = word(at + 4);
        const int format = coverage >> 8;
        constexpr int CrossStream = 0x04;
        if (length < 6 || coverage < 0 || (format != 0 && format != 2) || (coverage & CrossStream) != 0)
            return false;
        at += length;
    }
    return count >= 0;
}

} // namespace

std::shared_ptr<const ShapingRules> ShapingRules::of(const QRawFont& font)
{
    // A font the toolkit could not make (a size beyond its engine) has no
    // face to read: its lines are the shaper's.
    static const auto unreadable = std::make_shared<const ShapingRules>();
    const QByteArray key = font.isValid() ? faceKey(font) : QByteArray();
    if (key.isEmpty())
        return unreadable;
    {
        const std::scoped_lock held(facesLock);
        if (const auto kept = faces.constFind(key); kept != faces.constEnd())
            return *kept;
    }

    auto rules = std::make_shared<ShapingRules>();
    // Apple's layout tables take the place of the OpenType ones, and are not
    // looked into: their faces' lines are the shaper's alone.
    static const char* const unread[] = {"morx", "mort", "kerx", "trak"};
    bool readable = true;
    for (const char* table : unread)
        readable = readable && font.fontTable(table).isEmpty();
    if (readable) {
        const std::vector<bool> pairwise = pairwiseLookups(font.fontTable("GPOS"));
        hb_face_t* face = hb_face_create_for_tables(referenceTable, new QRawFont(font),
                                                    [](void* raw) { delete static_cast<QRawFont*>(raw); });
        // An old kerning table (applied where the positionings have no
        // kerning for the script) kerns pairs of any glyphs; kinds of it
        // that do more are not looked into.
        const QByteArray kern = font.fontTable("kern");
        if (!kern.isEmpty()) {
            if (!pairwiseKerning(kern)) {
                hb_face_destroy(face);
                return remember(key, std::move(rules));
            }
            rules->pairAll_ = true;
        }
        hb_set_t* input = hb_set_create();
        hb_set_t* touched = hb_set_create();
        hb_set_t* paired = hb_set_create();
        // Marks are placed on what precedes them, however far back.
        hb_ot_layout_get_glyphs_in_class(face, HB_OT_LAYOUT_GLYPH_CLASS_MARK, touched);
        // A line of Latin letters is shaped as Latin; a line of digits and
        // signs alone, and a character or a pair laid out alone, may be
        // shaped as of no script. A rule of only one of the two would make
        // them differ: it touches its glyphs wholly.
        const hb_feature_t kerning{HB_TAG('k', 'e', 'r', 'n'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
        const hb_script_t scripts[] = {HB_SCRIPT_LATIN, HB_SCRIPT_COMMON};
        for (const hb_tag_t table : {HB_OT_TAG_GSUB, HB_OT_TAG_GPOS}) {
            hb_set_t* lookups[2] = {hb_set_create(), hb_set_create()};
            for (int i = 0; i < 2; ++i) {
                hb_segment_properties_t props = HB_SEGMENT_PROPERTIES_DEFAULT;
                props.direction = HB_DIRECTION_LTR;
                props.script = scripts[i];
                props.language = hb_language_get_default();
                hb_shape_plan_t* plan = hb_shape_plan_create(face, &props, &kerning, 1, nullptr);
                hb_ot_shape_plan_collect_lookups(plan, table, lookups[i]);
                hb_shape_plan_destroy(plan);
            }
            for (int i = 0; i < 2; ++i) {
                for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups[i], &lookup);) {
                    // A rule applies where its input matches; the glyphs
                    // around it only decide whether it does.
                    hb_set_clear(input);
                    hb_ot_layout_lookup_collect_glyphs(face, table, lookup, nullptr, input, nullptr, nullptr);
                    const bool pairs = table == HB_OT_TAG_GPOS && lookup < pairwise.size() && pairwise[lookup]
                                       && hb_set_has(lookups[1 - i], lookup);
                    hb_set_union(pairs ? paired : touched, input);
                }
            }
            hb_set_destroy(lookups[1]);
            hb_set_destroy(lookups[0]);
        }
        for (hb_codepoint_t glyph = HB_SET_VALUE_INVALID; hb_set_next(touched, &glyph);)
            rules->touched_.insert(glyph);
        for (hb_codepoint_t glyph = HB_SET_VALUE_INVALID; hb_set_next(paired, &glyph);)
            rules->paired_.insert(glyph);
        rules->all_ = false;
        hb_set_destroy(paired);
        hb_set_destroy(touched);
        hb_set_destroy(input);
        hb_face_destroy(face);
    }

    return remember(key, std::move(rules));
}
