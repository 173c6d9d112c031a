#include "ShapingRules.h"

#include <QByteArray>
#include <QHash>

#include <hb-ot.h>
#include <hb.h>

#include <mutex>

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

} // namespace

std::shared_ptr<const ShapingRules> ShapingRules::of(const QRawFont& font)
{
    static std::mutex lock;
    static QHash<QByteArray, std::shared_ptr<const ShapingRules>> faces;
    // A font the toolkit could not make (a size beyond its engine) has no
    // face to read: its lines are the shaper's.
    static const auto unreadable = std::make_shared<const ShapingRules>();
    const QByteArray key = font.isValid() ? faceKey(font) : QByteArray();
    if (key.isEmpty())
        return unreadable;
    {
        const std::scoped_lock held(lock);
        if (const auto kept = faces.constFind(key); kept != faces.constEnd())
            return *kept;
    }

    auto rules = std::make_shared<ShapingRules>();
    // Rules of their own make a face's lines the shaper's alone.
    static const char* const unread[] = {"kern", "morx", "mort", "kerx", "trak"};
    bool readable = true;
    for (const char* table : unread)
        readable = readable && font.fontTable(table).isEmpty();
    if (readable) {
        hb_face_t* face = hb_face_create_for_tables(referenceTable, new QRawFont(font),
                                                    [](void* raw) { delete static_cast<QRawFont*>(raw); });
        hb_set_t* lookups = hb_set_create();
        hb_set_t* input = hb_set_create();
        hb_set_t* touched = hb_set_create();
        const hb_feature_t kerning{HB_TAG('k', 'e', 'r', 'n'), 1, HB_FEATURE_GLOBAL_START, HB_FEATURE_GLOBAL_END};
        for (const hb_script_t script : {HB_SCRIPT_LATIN, HB_SCRIPT_COMMON}) {
            hb_segment_properties_t props = HB_SEGMENT_PROPERTIES_DEFAULT;
            props.direction = HB_DIRECTION_LTR;
            props.script = script;
            props.language = hb_language_get_default();
            hb_shape_plan_t* plan = hb_shape_plan_create(face, &props, &kerning, 1, nullptr);
            for (const hb_tag_t table : {HB_OT_TAG_GSUB, HB_OT_TAG_GPOS}) {
                hb_set_clear(lookups);
                hb_ot_shape_plan_collect_lookups(plan, table, lookups);
                for (hb_codepoint_t lookup = HB_SET_VALUE_INVALID; hb_set_next(lookups, &lookup);) {
                    // A rule applies where its input matches; the glyphs
                    // around it only decide whether it does.
                    hb_set_clear(input);
                    hb_ot_layout_lookup_collect_glyphs(face, table, lookup, nullptr, input, nullptr, nullptr);
                    hb_set_union(touched, input);
                }
            }
            hb_shape_plan_destroy(plan);
        }
        for (hb_codepoint_t glyph = HB_SET_VALUE_INVALID; hb_set_next(touched, &glyph);)
            rules->touched_.insert(glyph);
        rules->all_ = false;
        hb_set_destroy(touched);
        hb_set_destroy(input);
        hb_set_destroy(lookups);
        hb_face_destroy(face);
    }

    const std::scoped_lock held(lock);
    // A program uses a handful of faces; a damaged list of thousands is not
    // kept whole.
    if (faces.size() >= 256)
        faces.clear();
    return *faces.insert(key, std::move(rules));
}
