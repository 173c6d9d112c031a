#pragma once
// "Select labels": which of the data's labels this print takes, as a list of
// label numbers and ranges ("2-5,9") as the data counts them. The choice is
// for the print at hand: it is not stored with the job.

#include "model/LabelChoice.h"
#include "support/BaseForm.h"

#include <optional>

class QLabel;
class QLineEdit;

class SelectLabelsDialog : public BaseDialog {
    Q_OBJECT
public:
    explicit SelectLabelsDialog(QWidget* parent = nullptr);

    // Shows the dialog for data of `labelCount` labels with the choice
    // given. OK reads the list: a list the data cannot meet is told and the
    // dialog stays; an empty list, like "All labels", chooses every label
    // (no choice). True when it ends with either, with the choice in
    // `choice`; Cancel leaves it as it was.
    bool execute(qint32 labelCount, std::optional<LabelChoice>& choice);

private:
    void okClicked();

    qint32 labelCount_ = 0;
    std::optional<LabelChoice> chosen_;
    QLineEdit* editLabels_ = nullptr;
    QLabel* labelCountShown_ = nullptr;
};
