#pragma once
// "Set units": the display unit in which every dialog shows and takes
// lengths. Stored lengths are MU and never change with it.

#include "support/BaseForm.h"

class QGroupBox;
class QPushButton;
class QRadioButton;

class TFormSETUNITS : public BaseDialog {
    Q_OBJECT
public:
    explicit TFormSETUNITS(QWidget* parent = nullptr);

    // Shows the dialog modally. OK sets CurrentUnit to the chosen unit and
    // returns true; Cancel changes nothing.
    bool execute();

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QGroupBox* GroupBoxUNITS;
    QRadioButton* RBINCHES;
    QRadioButton* RBCENTIMETERS;
    QRadioButton* RBMILIMETERS;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
