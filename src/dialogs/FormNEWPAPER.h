#pragma once
// "Select paper type": the paper size of a new template, one of four
// standard sheets or a custom width and height in the display unit.

#include "model/Units.h"
#include "support/BaseForm.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TFormNEWPAPER : public BaseDialog {
    Q_OBJECT
public:
    static constexpr MU MaxPaperMuWidth = 900000;
    static constexpr MU MaxPaperMuHeight = 1200000;

    explicit TFormNEWPAPER(QWidget* parent = nullptr);

    // Shows the dialog modally, starting from the given paper size (the
    // program's default paper size). The size follows the dialog both ways:
    // afterwards it holds the size last set by choosing a standard sheet or
    // by OK, so a sheet chosen before Cancel is where the next showing
    // starts. True when the user pressed OK on a valid size, the size of the
    // new template.
    bool execute(MU& paperWidth, MU& paperHeight);

    // The dialog's own paper size; A4 portrait until set.
    MU paperWidth() const { return paperWidth_; }
    MU paperHeight() const { return paperHeight_; }
    void setPaperSize(MU width, MU height);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void ComboBoxPAPERChange(int index);
    void writeEdits();

    QComboBox* ComboBoxPAPER;
    QLabel* LabelWIDTH;
    QLineEdit* EditWIDTH;
    QLabel* Label1UNITS;
    QLabel* LabelHEIGHT;
    QLineEdit* EditHEIGHT;
    QLabel* Label2UNITS;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
    MU paperWidth_ = 210000;
    MU paperHeight_ = 297000;
};
