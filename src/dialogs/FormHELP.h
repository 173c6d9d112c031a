#pragma once
// The plain instructions window: the built-in instructions, shown when the
// instructions document is missing. A placed window of the saved desktop.

#include "support/BaseForm.h"

#include <QWidget>

class QPlainTextEdit;

class TFormHELP : public BaseWindow<QWidget> {
    Q_OBJECT
public:
    explicit TFormHELP(QWidget* parent = nullptr);

    // The built-in instructions text.
    static QString instructionsText();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QPlainTextEdit* Memo1 = nullptr;
};
