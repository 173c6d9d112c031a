#pragma once
// The label format: text-area insets, border, text placement, shrink-to-fit,
// font and picture placement. A new format takes the saved format defaults.

#include "model/BaseControl.h"
#include "model/Font.h"
#include "model/Units.h"

#include <functional>

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
    TFONT FONT;
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

    // Sets every property from the format defaults.
    void loadFormatDefaults();
};

// Where new label formats read their defaults: a function of the value name
// and the default text. The program installs one that reads the "Format" key
// of the settings store; without one every value takes its default text.
using FormatValueReader = std::function<QString(const QString& valueName, const QString& defaultText)>;
void setFormatValueReader(FormatValueReader reader);

struct FormatDefault {
    const char* valueName;
    const char* defaultText;
};
// The format values in the order they are read and saved.
std::span<const FormatDefault> formatDefaultTable();
