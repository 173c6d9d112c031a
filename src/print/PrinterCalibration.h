#pragma once
// Per-printer calibration: two shifts and two scale factors that correct
// where a printer puts the page, kept in the settings store under
// "Printers\<printer name>", and the render parameters of a print on a
// printer that follow from them.

#include "model/Units.h"
#include "render/PrintParams.h"

#include <QDateTime>
#include <QString>

#include <stdexcept>

class TTEMPLATE;
class PrintTarget;

struct TPRINTERCALIBRATION {
    MU LeftShift = 0;    // added to every horizontal position before scaling
    MU TopShift = 0;     // added to every vertical position before scaling
    double ScaleX = 1.0; // multiplies the printer's horizontal pixels per MU
    double ScaleY = 1.0;
    bool operator==(const TPRINTERCALIBRATION&) const = default;
};

// A stored calibration value that does not read as a number of its kind. The
// message is the conversion's own: "'1,5' is not a valid floating point
// value".
class ECalibrationError : public std::runtime_error {
public:
    explicit ECalibrationError(const QString& message) : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

// Printer names are free text, but "\" and "/" separate the parts of a
// settings key. A name is therefore stored with "%" written as "%25", "\" as
// "%5C" and "/" as "%2F"; everything else stays as it is, so ordinary names
// read the same in the store. An empty name (no printer) is stored as "%".
QString escapePrinterName(const QString& printerName);
QString unescapePrinterName(const QString& keyPart);
// "Printers\" followed by the escaped name.
QString printerKey(const QString& printerName);

// Reads "LeftShift", "TopShift", "ScaleX" and "ScaleY" of the printer, in that
// order, each with its default. Throws ECalibrationError when a stored text is
// not a number of the expected kind.
TPRINTERCALIBRATION READCALIBRATION(const QString& printerName);

// Stores the calibration as five text values, in the order "LeftShift",
// "TopShift", "ScaleX", "ScaleY", "DateTimeStamp".
void writeCalibration(const QString& printerName, const TPRINTERCALIBRATION& calibration,
                      const QDateTime& when = QDateTime::currentDateTime());

// The moment of the last calibration as stored: days since 30 December 1899,
// the time of day as the fraction; 0 when the printer was never calibrated.
double calibrationStamp(const QString& printerName);
double dateTimeToStamp(const QDateTime& when);
QDateTime stampToDateTime(double stamp);

// Number texts of the store (numberToStoredText) read back, failing with
// a message that names the text.
double strToFloat(const QString& text); // throws ECalibrationError
qint32 strToInt(const QString& text);   // throws ECalibrationError

// What a printer tells about itself for a print: its resolution and the
// offset of the corner of its printable area from the paper's corner, in
// device pixels.
struct PrinterGeometry {
    int dpiX = 0;
    int dpiY = 0;
    int offsetX = 0;
    int offsetY = 0;
};

// The arithmetic of a print on a printer: page size in printer pixels from
// the template's paper in whole thousandths of an inch, the printable-area
// offset in MU, then the calibration's shifts and scales. Fills MuOffsetX/Y
// and PixPerMuX/Y and sets ToPrinter; leaves every other field alone.
void applyPrinterGeometry(TPRINTPARAMS& params, const TPRINTERCALIBRATION& calibration, const PrinterGeometry& printer,
                          const TTEMPLATE& paper);

// A calibration corrects a printer that stretches or shrinks its output a
// little; a scale factor outside 0.5 to 2 (or one that is not a finite
// number) corrects nothing and would put the labels off the paper or on top
// of each other.
constexpr double CalibrationScaleMin = 0.5;
constexpr double CalibrationScaleMax = 2.0;
bool isUsableScale(double scale);

// Why a calibration cannot be used for a print on the paper, in a sentence
// that names the value: a scale outside 0.5 to 2, or a shift as large as the
// paper in its direction or larger (nothing of the page would land on the
// paper). Empty when it can be used.
QString calibrationFault(const TPRINTERCALIBRATION& calibration, const TTEMPLATE& paper);

// Fills the record for a print on the target's printer: reads the printer's
// calibration (a target that stands for a file gets none), asks the target
// for its resolution and printable-area offset, and sets the canvas.
// Throws ECalibrationError, before anything is drawn, when a stored value is
// not a number or the calibration cannot be used on the paper; the message
// names the printer and the value.
void GETPRINTERPARAMS(TPRINTPARAMS& params, PrintTarget& printer, const TTEMPLATE& paper);
