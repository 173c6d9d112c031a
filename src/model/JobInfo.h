#pragma once
// The label format: text-area insets, border, text placement, shrink-to-fit,
// font and picture placement. A new format takes the saved format defaults.

#include "model/BaseControl.h"
#include "model/Font.h"
#include "model/Units.h"

#include <QList>
#include <QPair>

#include <functional>
#include <span>
#include <variant>

class TJOBINFO : public TBASECONTROL {
public:
    TJOBINFO(); // fills every property from the format defaults
    QString className() const override { return QStringLiteral("TJOBINFO"); }
    const PropTable& properties() const override;

    MU MUBORDERLEFT = 0;
    MU MUBORDERTOP = 0;
    MU MUBORDERRIGHT = 0;
    MU MUBORDERBOTTOM = 0;
    MU MUBORDERWIDTH = 0;
    qint32 BORDERCOLOR = 0;    // 0x00BBGGRR
    qint32 TEXTALIGNVERT = 0;  // 0 top, 1 centre, 2 bottom
    qint32 TEXTALIGNHORIZ = 0; // 0 left, 1 centre, 2 right
    qint32 TEXTJUSTIFY = 0;    // 0 left, 1 centre, 2 right
    bool TEXTSHRINKTOFIT = false;
    bool SHOWBORDER = false;
    StoredFont FONT;
    bool ShowPic = false;
    bool FitToLabel = false;
    bool KeepRatio = false;
    double PicPCLeft = 0;
    double PicPCTop = 0;
    double PicPCWidth = 0;
    double PicPCHeight = 0;
    bool UsePicPCLeft = false;
    bool UsePicPCTop = false;
    bool UsePicPCWidth = false;
    bool UsePicPCHeight = false;
    qint32 PicAlignVert = 0;
    qint32 PicAlignHoriz = 0;

    // A code drawn in the picture's place, by the picture's placement: the
    // kind's name as the command line takes it ("qrcode", "ean13"), empty
    // for none, and its content with placeholders ("https://example.org/
    // item/{SKU}"). Not format defaults; stored with the job after its three
    // streams (see JobExtras).
    QString CodeType;
    QString CodeText;
    // Whether labels show a code: the picture shown, and a code chosen.
    bool showsCode() const { return ShowPic && !CodeType.isEmpty(); }

    // Sets every property from the format defaults.
    void loadFormatDefaults();
};

// Where new label formats read their defaults: a function of the value name
// and the default text. The program installs one that reads the settings
// store; without one every value takes its default text.
using FormatValueReader = std::function<QString(const QString& valueName, const QString& defaultText)>;
void setFormatValueReader(FormatValueReader reader);

// What a format default holds, and so how it is read from and written as text.
enum class FormatValueKind { Integer, Flag, Number, Font };

// One format default: the name it is stored under, the text it takes when
// nothing is stored, and the property of the format it fills.
struct FormatDefault {
    using Member = std::variant<qint32 TJOBINFO::*, bool TJOBINFO::*, double TJOBINFO::*, StoredFont TJOBINFO::*>;
    const char* valueName;
    const char* defaultText;
    Member member;

    FormatValueKind kind() const { return static_cast<FormatValueKind>(member.index()); }
    // The property's value in a format, as it is stored: a whole number,
    // "True" or "False", a number, or the font's text.
    QString textOf(const TJOBINFO& format) const;
    // Sets the property from a stored text. A text that does not read as the
    // property's kind gives the default text's value (the built-in label font
    // for a font), so that one bad value cannot stop a job from being made.
    void setFrom(TJOBINFO& format, const QString& text) const;
};

// The format defaults in the order they are read and saved.
std::span<const FormatDefault> formatDefaultTable();

// Every format default of a format as name and stored text, in table order.
QList<QPair<QString, QString>> formatDefaultTexts(const TJOBINFO& format);
