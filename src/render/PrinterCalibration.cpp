#include "PrinterCalibration.h"

#include "model/Template.h"
#include "render/PrintRun.h"
#include "settings/RegistryStore.h"


#include <cmath>
#include <cstdlib>

namespace {

const QString leftShiftName = QStringLiteral("LeftShift");
const QString topShiftName = QStringLiteral("TopShift");
const QString scaleXName = QStringLiteral("ScaleX");
const QString scaleYName = QStringLiteral("ScaleY");
const QString stampName = QStringLiteral("DateTimeStamp");

const QDate stampEpoch(1899, 12, 30);
constexpr double msecsPerDay = 86400000.0;

} // namespace

QString FNESCAPEPRINTERNAME(const QString& printerName)
{
    if (printerName.isEmpty())
        return QStringLiteral("%");
    QString out;
    out.reserve(printerName.size());
    for (const QChar c : printerName) {
        if (c == u'%')
            out += QStringLiteral("%25");
        else if (c == u'\\')
            out += QStringLiteral("%5C");
        else if (c == u'/')
            out += QStringLiteral("%2F");
        else
            out += c;
    }
    return out;
}

QString FNUNESCAPEPRINTERNAME(const QString& keyPart)
{
    if (keyPart == QStringLiteral("%"))
        return QString();
    QString out;
    out.reserve(keyPart.size());
    for (qsizetype i = 0; i < keyPart.size(); ++i) {
        if (keyPart[i] == u'%' && i + 2 < keyPart.size()) {
            const QStringView code = QStringView(keyPart).mid(i + 1, 2);
            if (code.compare(u"25", Qt::CaseInsensitive) == 0) {
                out += u'%';
                i += 2;
                continue;
            }
            if (code.compare(u"5C", Qt::CaseInsensitive) == 0) {
                out += u'\\';
                i += 2;
                continue;
            }
            if (code.compare(u"2F", Qt::CaseInsensitive) == 0) {
                out += u'/';
                i += 2;
                continue;
            }
        }
        out += keyPart[i];
    }
    return out;
}

QString FNPRINTERKEY(const QString& printerName)
{
    return QStringLiteral("Printers\\") + FNESCAPEPRINTERNAME(printerName);
}

double FNSTRTOFLOAT(const QString& text)
{
    const std::optional<double> value = FNSTOREDTEXTTONUMBER(text);
    if (!value)
        throw ECalibrationError(QStringLiteral("'%1' is not a valid floating point value").arg(text));
    return *value;
}

qint32 FNSTRTOINT(const QString& text)
{
    const std::optional<qint32> value = FNSTOREDTEXTTOINTEGER(text);
    if (!value)
        throw ECalibrationError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

TPRINTERCALIBRATION READCALIBRATION(const QString& printerName)
{
    const QString key = FNPRINTERKEY(printerName);
    const TREGSESSION session;
    TPRINTERCALIBRATION c;
    c.LeftShift = FNSTRTOINT(FNREGREADSTRING(key, leftShiftName, QStringLiteral("0")));
    c.TopShift = FNSTRTOINT(FNREGREADSTRING(key, topShiftName, QStringLiteral("0")));
    c.ScaleX = FNSTRTOFLOAT(FNREGREADSTRING(key, scaleXName, QStringLiteral("1")));
    c.ScaleY = FNSTRTOFLOAT(FNREGREADSTRING(key, scaleYName, QStringLiteral("1")));
    return c;
}

void WRITECALIBRATION(const QString& printerName, const TPRINTERCALIBRATION& calibration,
                      const QDateTime& when)
{
    const QString key = FNPRINTERKEY(printerName);
    const TREGSESSION session; // the five values in one write
    FNREGWRITESTRING(key, leftShiftName, QString::number(calibration.LeftShift));
    FNREGWRITESTRING(key, topShiftName, QString::number(calibration.TopShift));
    FNREGWRITESTRING(key, scaleXName, FNNUMBERTOSTOREDTEXT(calibration.ScaleX));
    FNREGWRITESTRING(key, scaleYName, FNNUMBERTOSTOREDTEXT(calibration.ScaleY));
    FNREGWRITESTRING(key, stampName, FNNUMBERTOSTOREDTEXT(FNDATETIMETOSTAMP(when)));
}

double READCALIBRATIONSTAMP(const QString& printerName)
{
    return FNSTRTOFLOAT(FNREGREADSTRING(FNPRINTERKEY(printerName), stampName, QStringLiteral("0")));
}

double FNDATETIMETOSTAMP(const QDateTime& when)
{
    const double days = static_cast<double>(stampEpoch.daysTo(when.date()));
    return days + when.time().msecsSinceStartOfDay() / msecsPerDay;
}

QDateTime FNSTAMPTODATETIME(double stamp)
{
    const double whole = std::floor(stamp);
    const auto msecs = static_cast<int>(RoundHalfEven((stamp - whole) * msecsPerDay));
    QDateTime result(stampEpoch.addDays(static_cast<qint64>(whole)), QTime(0, 0));
    return result.addMSecs(msecs);
}

void FNAPPLYPRINTERGEOMETRY(TPRINTPARAMS& params, const TPRINTERCALIBRATION& calibration,
                            const TPRINTERGEOMETRY& printer, const TTEMPLATE& paper)
{
    const auto pxW = RoundHalfEven(static_cast<long double>(FNMUTOINCH(paper.PAPERMUWIDTH)) * printer.DpiX);
    const auto pxH = RoundHalfEven(static_cast<long double>(FNMUTOINCH(paper.PAPERMUHEIGHT)) * printer.DpiY);
    const MU mx = printer.DpiX > 0 ? FNINCHTOMU(static_cast<double>(printer.OffsetX) / printer.DpiX) : 0;
    const MU my = printer.DpiY > 0 ? FNINCHTOMU(static_cast<double>(printer.OffsetY) / printer.DpiY) : 0;
    params.MuOffsetX = calibration.LeftShift - mx;
    params.MuOffsetY = calibration.TopShift - my;
    // A template without a paper size cannot be printed; keep the record
    // harmless rather than dividing by zero.
    params.PixPerMuX = paper.PAPERMUWIDTH > 0
                           ? static_cast<double>(pxW) / paper.PAPERMUWIDTH * calibration.ScaleX
                           : 0.0;
    params.PixPerMuY = paper.PAPERMUHEIGHT > 0
                           ? static_cast<double>(pxH) / paper.PAPERMUHEIGHT * calibration.ScaleY
                           : 0.0;
    params.ToPrinter = true;
}

bool FNISUSABLESCALE(double scale)
{
    return std::isfinite(scale) && scale >= CalibrationScaleMin && scale <= CalibrationScaleMax;
}

QString FNCALIBRATIONFAULT(const TPRINTERCALIBRATION& c, const TTEMPLATE& paper)
{
    const auto scaleFault = [](const QString& name, double scale) {
        return QStringLiteral("%1 is %2, and a scale must lie between %3 and %4.")
            .arg(name, numberText(scale), numberText(CalibrationScaleMin), numberText(CalibrationScaleMax));
    };
    if (!FNISUSABLESCALE(c.ScaleX))
        return scaleFault(scaleXName, c.ScaleX);
    if (!FNISUSABLESCALE(c.ScaleY))
        return scaleFault(scaleYName, c.ScaleY);
    const auto shiftFault = [](const QString& name, MU shift, const char* side, MU paperSize) {
        return QStringLiteral("%1 is %2 (%3 mm), which moves the print off the paper, %4 mm %5.")
            .arg(name, QString::number(shift), numberText(FNMUTOMM(shift)), numberText(FNMUTOMM(paperSize)),
                 QString::fromLatin1(side));
    };
    // In 64 bits: the magnitude of the most negative shift has no 32-bit
    // form. A paper without a size (nothing can be printed on it) has no
    // edge to pass.
    if (paper.PAPERMUWIDTH > 0 && std::llabs(std::int64_t{c.LeftShift}) >= paper.PAPERMUWIDTH)
        return shiftFault(leftShiftName, c.LeftShift, "wide", paper.PAPERMUWIDTH);
    if (paper.PAPERMUHEIGHT > 0 && std::llabs(std::int64_t{c.TopShift}) >= paper.PAPERMUHEIGHT)
        return shiftFault(topShiftName, c.TopShift, "high", paper.PAPERMUHEIGHT);
    return QString();
}

void GETPRINTERPARAMS(TPRINTPARAMS& params, TPRINTTARGET& printer, const TTEMPLATE& paper)
{
    const TPRINTERCALIBRATION calibration =
        printer.appliesCalibration() ? READCALIBRATION(printer.printerName()) : TPRINTERCALIBRATION();
    // A calibration that makes no sense (edited by hand, or written by a
    // broken copy) would send blank or garbled pages: nothing is printed.
    const QString fault =
        printer.appliesCalibration() ? FNCALIBRATIONFAULT(calibration, paper) : QString();
    if (!fault.isEmpty())
        throw ECalibrationError(QStringLiteral("The calibration stored for printer '%1' cannot be used: %2\n\r"
                                               "Calibrate the printer again with File > Calibrate printer.")
                                    .arg(printer.printerName(), fault));
    FNAPPLYPRINTERGEOMETRY(params, calibration, printer.geometry(), paper);
    params.Canvas = printer.canvas();
}
