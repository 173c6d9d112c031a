#pragma once
// What a job keeps beyond its format, template and data source: the code on
// its labels and the serial numbers its data may be. Written to a job file
// as an object stream of its own after the others (the table settings
// included), and only when something in it is set, so that every other job
// file stays as it was; read leniently, a property of a newer version
// stepped over.

#include "model/BaseControl.h"

class TJOBINFO;
class TDATAINFO;

class JobExtras : public TBASECONTROL {
public:
    QString className() const override { return QStringLiteral("JobExtras"); }
    const PropTable& properties() const override;

    QString CodeType;
    QString CodeText;
    QString SerialFrom;
    QString SerialTo;

    bool isEmpty() const;
    // Taken from the format and the data, and given back to them.
    static JobExtras of(const TJOBINFO& format, const TDATAINFO& data);
    void applyTo(TJOBINFO& format, TDATAINFO& data) const;
};
