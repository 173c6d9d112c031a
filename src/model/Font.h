#pragma once
// The font description of the label text, as the files store it: the height
// in pixels of the screen (negative for a height in points), not the size.

#include "model/BaseControl.h"

class StoredFont : public Persistent {
public:
    enum FontPitch : qint32 { fpDefault = 0, fpVariable = 1, fpFixed = 2 };
    enum FontStyle : qint32 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };
    static constexpr qint32 clWindowText = static_cast<qint32>(0x80000008u);

    QString className() const override { return QStringLiteral("TFONT"); }
    const PropTable& properties() const override;

    qint32 Charset = 1; // DEFAULT_CHARSET
    qint32 Color = clWindowText;
    qint32 Height = -11;
    QString Name = QStringLiteral("Arial");
    qint32 Pitch = fpDefault;
    qint32 Style = 0; // bit mask of FontStyle

    // The largest size in points a font is drawn at and the font dialog
    // offers: a font height is 16 bits wide where job files come from.
    static constexpr qint32 MaxPoints = 1638;

    // The size in points, from the height and the screen's pixels per inch.
    qint32 size() const;
    void setSize(qint32 points);

    bool operator==(const StoredFont& other) const;
};

// The program's default label font: bold "COURIER NEW", 12 points, black,
// default character set, default pitch.
StoredFont defaultLabelFont();

// The holder through which a font alone is written to a stream.
class TFONTWRAPPER : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("TFONTWRAPPER"); }
    const PropTable& properties() const override;
    StoredFont FONT;
};

// A font as one line of text for the settings store, and back. Text that
// cannot be decoded leaves the font as it was and gives false.
QString FNFONTTOSTRING(const StoredFont& font);
bool FNSTRINGTOFONT(const QString& text, StoredFont& font);
