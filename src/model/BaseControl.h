#pragma once
#include "model/Persistent.h"

// The base of every streamable model object. Its published properties come
// first in every table; this program never changes them from their defaults,
// so they never reach a file, but a reader accepts them.
class TBASECONTROL : public Persistent {
public:
    enum HelpKind : qint32 { htKeyword = 0, htContext = 1 };

    QString className() const override { return QStringLiteral("TBASECONTROL"); }
    const PropTable& properties() const override { return baseProperties(); }

    QString Name;
    qint32 Tag = 0;
    qint32 Left = 0, Top = 0, Width = 0, Height = 0;
    qint32 Cursor = 0;
    QString Hint;
    qint32 HelpType = htContext;
    QString HelpKeyword;
    qint32 HelpContext = 0;

protected:
    static const PropTable& baseProperties();
    // The base table followed by `own`.
    static PropTable withBase(PropTable own);
};
