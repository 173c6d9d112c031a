#pragma once
// "Edit layout": the grid of labels on a template's paper. OK closes the
// dialog only when every box holds a valid number and the labels fit.

#include "model/Template.h"
#include "support/BaseForm.h"

#include <array>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class TTEMPLATE;

class TFormLAYOUT : public BaseDialog {
    Q_OBJECT
public:
    explicit TFormLAYOUT(QWidget* parent = nullptr);

    // Fills the dialog from the template, shows it modally and, on OK, copies
    // the new grid into the template and marks the template altered. The
    // paper size is never changed. The caller marks its job altered and
    // redraws. Cancel leaves the template untouched.
    bool execute(TTEMPLATE& paper);

    // The steps of execute() for a caller that shows the dialog itself.
    void fillFrom(const TTEMPLATE& paper);
    void applyTo(TTEMPLATE& paper) const;

    // Reads the eight boxes into values() and tests that the labels fit on the
    // paper; false with the message for the user when they do not, or when a
    // box holds a number too large to keep (the focus then moves to it). The
    // boxes' texts have passed the number checks.
    bool FNNUMBERSMAKESENSE(QString& message);

    // The grid read by the last fit test, in MU, and the paper it was tested
    // against.
    const LayoutValues& values() const { return values_; }
    MU paperWidth() const { return paperWidth_; }
    MU paperHeight() const { return paperHeight_; }

    void accept() override;

private:
    struct Field {
        QLabel* caption;
        QLineEdit* edit;
        bool isCount;
    };
    // The boxes in the order they are checked, which is their tab order.
    std::array<Field, 8> fields() const;
    // The value of one box; false when it does not fit in 32 bits.
    static bool readField(const Field& field, qint32& value);
    // The message that refuses a box's text.
    static QString refusal(const Field& field);

    QFrame* PanelBASE;
    QLabel* LabelUNITS;
    QLabel* LabelPAPERWIDTH;
    QLabel* LabelPAPERHEIGHT;
    QLabel* LabelNUMACROSS;
    QLineEdit* EditNUMACROSS;
    QLabel* LabelNUMDOWN;
    QLineEdit* EditNUMDOWN;
    QLabel* LabelLEFT;
    QLineEdit* EditLEFT;
    QLabel* LabelTOP;
    QLineEdit* EditTOP;
    QLabel* LabelLABELWIDTH;
    QLineEdit* EditLABELWIDTH;
    QLabel* LabelLABELHEIGHT;
    QLineEdit* EditLABELHEIGHT;
    QLabel* LabelHGAP;
    QLineEdit* EditHGAP;
    QLabel* LabelVGAP;
    QLineEdit* EditVGAP;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    MU paperWidth_ = 0;
    MU paperHeight_ = 0;
    LayoutValues values_;
};
