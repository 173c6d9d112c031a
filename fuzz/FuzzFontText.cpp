// The font text of the settings store: comma text of the object text form.

#include "FuzzTargets.h"

#include "model/Font.h"

#include <QString>

int FuzzFontText(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    StoredFont font = defaultLabelFont();
    const StoredFont before = font;
    if (!FNSTRINGTOFONT(text, font)) {
        FUZZ_CHECK("font", font == before); // text that is refused changes nothing
        return 0;
    }
    // A font the store accepted is written back as text that gives the same
    // font again. The one exception is in the format: an empty text is never
    // written, so an empty face name comes back as the font holder's own.
    const QString written = FNFONTTOSTRING(font);
    StoredFont back;
    FUZZ_CHECK("font", FNSTRINGTOFONT(written, back));
    StoredFont expected = font;
    if (expected.Name.isEmpty())
        expected.Name = StoredFont().Name;
    FUZZ_CHECK("font", back == expected);
    if (!font.Name.isEmpty())
        FUZZ_CHECK("font", FNFONTTOSTRING(back) == written);
    return 0;
}
