#pragma once
// "Serial numbers": labels numbered from one number to another, in place of
// a data file. The numbers are kept as typed, so "0007" to "0012" prints
// 0007, 0008, ..., 0012.

#include "support/BaseForm.h"

#include <QString>

class QLineEdit;

class SerialNumbersDialog : public BaseDialog {
    Q_OBJECT
public:
    explicit SerialNumbersDialog(QWidget* parent = nullptr);

    // Shows the dialog with the range given (empty for none). OK checks the
    // range (whole numbers, FROM not above TO, not too many): the user is
    // told what is wrong and the dialog stays. True on OK, with the range
    // in from and to; Cancel leaves them as they were.
    bool execute(QString& from, QString& to);

private:
    void okClicked();

    QLineEdit* editFrom_ = nullptr;
    QLineEdit* editTo_ = nullptr;
};
