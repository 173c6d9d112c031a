#pragma once
// "Calibrate printer": prints a test page of three boxes on the current
// printer, takes the user's measurements of it in the display unit and, on
// OK, stores the shifts and scale factors that follow from them for that
// printer.

#include "model/Units.h"
#include "print/CalibrationPage.h"
#include "support/BaseForm.h"

#include <QString>

#include <array>
#include <functional>
#include <optional>

class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class PrintTarget;

class TFormCALIBPRN : public BaseDialog {
    Q_OBJECT
public:
    explicit TFormCALIBPRN(QWidget* parent = nullptr);

    // The calibrate command: shows the window modally for the printer,
    // filled from the printer's stored calibration. The test page prints on
    // that printer, except while printInProgress() says a print run is
    // under way. OK stores "LeftShift", "TopShift", "ScaleX", "ScaleY" and
    // "DateTimeStamp" for the printer and returns true; Cancel stores
    // nothing. A stored value that does not read is shown as an error and
    // the window does not open (false).
    bool execute(PrintTarget& printer, std::function<bool()> printInProgress = {});

    // Fills the window for the printer from its stored calibration; false,
    // after showing the error, when a stored value does not read. execute()
    // does this before the window shows.
    bool FormShow(const QString& printerName);

    // The four measurements as last accepted, in MU.
    CalibrationMeasures acceptedMeasures() const;
    // The texts the test page prints, with the entered measurements as the
    // boxes hold them now.
    CalibrationTexts pageTexts() const;
    // The caption of LabelCALIBRATED's date: the last calibration's date and
    // time, or "Has not been calibrated yet.".
    const QString& lastCalibratedText() const { return lastCalibrated_; }

    // The test page button: prints one page on the printer.
    void ButtonPRINTCALIBPAGEClick();
    // OK: closes with the result OK once every box holds an accepted value.
    void accept() override;

    // The instructions shown in the window.
    static QString instructionsText();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // One measurement: its edit box and what the window keeps for it.
    struct MeasureBox {
        QLineEdit* edit = nullptr;
        QLabel* caption = nullptr;
        QLabel* units = nullptr;
        const char* word = "";   // "WIDTH", as the messages name it
        MU desired = 0;          // the desired measurement
        MU allowed = 100000;     // the allowed deviation from it
        QString accepted;        // the text restored when an entry is refused
        QString lastCalibration; // the text shown at opening, with its unit
    };
    enum { Width, Height, Left, Top };

    // The check made when a box is left; false when the entry was refused
    // and the box holds its last accepted text again.
    bool EditExit(MeasureBox& box);
    // Runs the check of every box whose text is not its accepted one; false
    // at the first refusal.
    bool checkBoxes();
    // False, after telling the user, when the width or height is 0.
    bool usable(const CalibrationMeasures& measures);
    QString unitText(const QString& text) const;

    QFrame* PanelINSTRUCTIONS;
    QLabel* PanelINSTRUCTIONS2;
    QPlainTextEdit* Memo1;
    QFrame* PanelCONTROLS;
    QPushButton* ButtonPRINTCALIBPAGE;
    QFrame* PanelDETAILS;
    QLabel* LabelPRINTERNAME;
    QLineEdit* EditPRINTERNAME;
    QLabel* LabelCALIBRATED;
    QFrame* PanelLTWH;
    QFrame* PanelBOTTOMBAR;
    QPushButton* ButtonOK;
    QPushButton* ButtonCANCEL;

    std::array<MeasureBox, 4> boxes_;
    QString printerName_;
    QString lastCalibrated_;
    QString abbreviation_;
    PrintTarget* printer_ = nullptr;
    std::function<bool()> printInProgress_;
    bool checking_ = false;
};
