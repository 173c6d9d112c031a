#include "PrinterCalibration.h"

#include "model/Template.h"
#include "print/PrintTarget.h"
#include "settings/RegistryStore.h"
#include "support/Messages.h"

#include <cmath>
#include <cstdlib>

namespace {

const QString leftShiftName = QStringLiteral("LeftShift");
const QString topShiftName = QStringLiteral("TopShift");
const QString scaleXName = QStringLiteral("ScaleX");
const QString scaleYName = QStringLiteral("ScaleY");
const QString stampName = QStringLiteral("DateTimeStamp");

const QDate stampEpoch(1899, 12, 30);
constexpr double MsecsPerDay = 86400000.0;

} // namespace

QString escapePrinterName(const QString& printerName)
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

QString unescapePrinterName(const QString& keyPart)
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

QString printerKey(const QString& printerName)
{
    return QStringLiteral("Printers\\") + escapePrinterName(printerName);
}

double strToFloat(const QString& text)
{
    const std::optional<double> value = storedTextToNumber(text);
    if (!value)
        throw ECalibrationError(Messages::notAFloatingPointValue(text));
    return *value;
}

qint32 strToInt(const QString& text)
{
    const std::optional<qint32> value = storedTextToInteger(text);
    if (!value)
        throw ECalibrationError(Messages::notAnIntegerValue(text));
    return *value;
}

TPRINTERCALIBRATION READCALIBRATION(const QString& printerName)
{
    const QString key = printerKey(printerName);
    const RegSession session;
    TPRINTERCALIBRATION c;
    c.LeftShift = strToInt(FNREGREADSTRING(key, leftShiftName, QStringLiteral("0")));
    c.TopShift = strToInt(FNREGREADSTRING(key, topShiftName, QStringLiteral("0")));
    c.ScaleX = strToFloat(FNREGREADSTRING(key, scaleXName, QStringLiteral("1")));
    c.ScaleY = strToFloat(FNREGREADSTRING(key, scaleYName, QStringLiteral("1")));
    return c;
}

void writeCalibration(const QString& printerName, const TPRINTERCALIBRATION& calibration, const QDateTime& when)
{
    const QString key = printerKey(printerName);
    const RegSession session; // the five values in one write
    FNREGWRITESTRING(key, leftShiftName, QString::number(calibration.LeftShift));
    FNREGWRITESTRING(key, topShiftName, QString::number(calibration.TopShift));
    FNREGWRITESTRING(key, scaleXName, numberToStoredText(calibration.ScaleX));
    FNREGWRITESTRING(key, scaleYName, numberToStoredText(calibration.ScaleY));
    FNREGWRITESTRING(key, stampName, numberToStoredText(dateTimeToStamp(when)));
}

double calibrationStamp(const QString& printerName)
{
    return strToFloat(FNREGREADSTRING(printerKey(printerName), stampName, QStringLiteral("0")));
}

double dateTimeToStamp(const QDateTime& when)
{
    const double days = static_cast<double>(stampEpoch.daysTo(when.date()));
    return days + when.time().msecsSinceStartOfDay() / MsecsPerDay;
}

QDateTime stampToDateTime(double stamp)
{
    const double whole = std::floor(stamp);
    const auto msecs = static_cast<int>(roundHalfEven((stamp - whole) * MsecsPerDay));
    QDateTime result(stampEpoch.addDays(static_cast<qint64>(whole)), QTime(0, 0));
    return result.addMSecs(msecs);
}

void applyPrinterGeometry(TPRINTPARAMS& params, const TPRINTERCALIBRATION& calibration, const PrinterGeometry& printer,
                          const TTEMPLATE& paper)
{
    const auto pxW = roundHalfEven(static_cast<long double>(FNMUTOINCH(paper.PAPERMUWIDTH)) * printer.dpiX);
    const auto pxH = roundHalfEven(static_cast<long double>(FNMUTOINCH(paper.PAPERMUHEIGHT)) * printer.dpiY);
    const MU mx = printer.dpiX > 0 ? FNINCHTOMU(static_cast<double>(printer.offsetX) / printer.dpiX) : 0;
    const MU my = printer.dpiY > 0 ? FNINCHTOMU(static_cast<double>(printer.offsetY) / printer.dpiY) : 0;
    params.MuOffsetX = calibration.LeftShift - mx;
    params.MuOffsetY = calibration.TopShift - my;
    // A template without a paper size cannot be printed; keep the record
    // harmless rather than dividing by zero.
    params.PixPerMuX = paper.PAPERMUWIDTH > 0 ? static_cast<double>(pxW) / paper.PAPERMUWIDTH * calibration.ScaleX
                                              : 0.0;
    params.PixPerMuY = paper.PAPERMUHEIGHT > 0 ? static_cast<double>(pxH) / paper.PAPERMUHEIGHT * calibration.ScaleY
                                               : 0.0;
    params.ToPrinter = true;
}

bool isUsableScale(double scale)
{
    return std::isfinite(scale) && scale >= CalibrationScaleMin && scale <= CalibrationScaleMax;
}

QString calibrationFault(const TPRINTERCALIBRATION& c, const TTEMPLATE& paper)
{
    const auto scaleFault = [](const QString& name, double scale) {
        return Messages::scaleOutOfRange(name, numberText(scale), numberText(CalibrationScaleMin),
                                         numberText(CalibrationScaleMax));
    };
    if (!isUsableScale(c.ScaleX))
        return scaleFault(scaleXName, c.ScaleX);
    if (!isUsableScale(c.ScaleY))
        return scaleFault(scaleYName, c.ScaleY);
    const auto shiftFault = [](const QString& name, MU shift, const char* side, MU paperSize) {
        return Messages::shiftOffPaper(name, QString::number(shift), numberText(FNMUTOMM(shift)),
                                       numberText(FNMUTOMM(paperSize)), QString::fromLatin1(side));
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

void GETPRINTERPARAMS(TPRINTPARAMS& params, PrintTarget& printer, const TTEMPLATE& paper)
{
    const TPRINTERCALIBRATION calibration = printer.appliesCalibration() ? READCALIBRATION(printer.printerName())
                                                                         : TPRINTERCALIBRATION();
    // A calibration that makes no sense (edited by hand, or written by a
    // broken copy) would send blank or garbled pages: nothing is printed.
    const QString fault = printer.appliesCalibration() ? calibrationFault(calibration, paper) : QString();
    if (!fault.isEmpty())
        throw ECalibrationError(Messages::unusableCalibration(printer.printerName(), fault));
    applyPrinterGeometry(params, calibration, printer.geometry(), paper);
    params.Canvas = printer.canvas();
}
