#pragma once
// The "Format labels" dialog: the label format of the current job (insets,
// border, text placement, font, shrink-to-fit and the picture), the job's
// picture file, and the format defaults for new jobs. In place of the
// picture the labels may show a code (a barcode or 2D code) made from a text
// with fields; the picture's name may hold fields too, each label then
// showing a picture of its own.

#include "model/Font.h"
#include "support/BaseForm.h"

#include <QList>
#include <QPair>
#include <QString>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class TJOB;
class TJOBINFO;

class TFormFORMAT : public BaseDialog {
    Q_OBJECT
public:
    explicit TFormFORMAT(QWidget* parent = nullptr);

    // Fills the dialog from the job and shows it modally. True when it ends
    // with OK: the job's label format then holds the dialog's values and the
    // job is marked altered. A picture chosen with "Browse..." becomes the
    // job's picture at once, whichever way the dialog ends, without marking
    // the job altered. picDir is the program's picture folder: the picture
    // dialog starts there on the first browse of the run, and a chosen
    // picture's folder (with a trailing separator) is written back to it.
    bool execute(TJOB& job, QString& picDir);

    // The format defaults that "Save format defaults" writes, in the order it
    // writes them, from the dialog as it stands. Meaningful once the dialog's
    // contents have passed the checks.
    QList<QPair<QString, QString>> formatValues() const;

    // The working copies: the font and the border colour (0x00BBGGRR).
    const StoredFont& workingFont() const { return workingFont_; }
    qint32 workingColor() const { return borderColor_; }

private:
    void buildControls();
    void fillControls();
    bool validate();
    void writeTo(TJOBINFO& format) const;
    void showPictureName();
    void showFontName();
    void setSwatch(qint32 color);
    // Enables the picture's or the code's controls as the choice between
    // them stands, and says what the data cannot fill.
    void showPictureChoice();
    void showFieldProblems();

    void ButtonOKClick();
    void ButtonFONTClick();
    void ButtonBORDERCOLORClick();
    void ButtonPicBrowseClick();
    void ButtonsaveformatClick();

    bool eventFilter(QObject* watched, QEvent* event) override;

    TJOB* job_ = nullptr;
    QString* picDir_ = nullptr;
    StoredFont workingFont_;
    qint32 borderColor_ = 0;
    QString pictureStartFolder_; // set on the first browse of the run
    QString lastPicture_;        // the picture dialog starts at the last choice
    QString pictureName_;        // shown, shortened, in StatusBarPic

    QLineEdit* EditBLEFT = nullptr;
    QLineEdit* EditBRIGHT = nullptr;
    QLineEdit* EditBTOP = nullptr;
    QLineEdit* EditBBOTTOM = nullptr;
    QLineEdit* EditBWIDTH = nullptr;
    QLabel* LabelBLEFT = nullptr;
    QLabel* LabelBRIGHT = nullptr;
    QLabel* LabelBTOP = nullptr;
    QLabel* LabelBBOTTOM = nullptr;
    QLabel* LabelBWIDTH = nullptr;
    QLabel* LabelUNITS[5] = {};
    QCheckBox* CheckBoxSHOWBORDER = nullptr;
    QPushButton* ButtonBORDERCOLOR = nullptr;
    QFrame* PanelBCOLOR = nullptr;

    QRadioButton* RadioButtonVTOP = nullptr;
    QRadioButton* RadioButtonVCENTRE = nullptr;
    QRadioButton* RadioButtonVBOTTOM = nullptr;
    QRadioButton* RadioButtonHLEFT = nullptr;
    QRadioButton* RadioButtonHCENTRE = nullptr;
    QRadioButton* RadioButtonHRIGHT = nullptr;
    QRadioButton* RadioButtonJLEFT = nullptr;
    QRadioButton* RadioButtonJCENTRE = nullptr;
    QRadioButton* RadioButtonJRIGHT = nullptr;

    QPushButton* ButtonFONT = nullptr;
    QLabel* LabelFONTNAME = nullptr;
    QCheckBox* CheckBoxSHRINKTEXTTOFIT = nullptr;
    QPushButton* Buttonsaveformat = nullptr;

    QCheckBox* CheckBoxShowPic = nullptr;
    QLabel* StatusBarPic = nullptr;
    QPushButton* ButtonPicBrowse = nullptr;
    QCheckBox* CheckBoxFitToLabel = nullptr;
    QCheckBox* CheckBoxKeepRatio = nullptr;
    QLineEdit* EditPicLeft = nullptr;
    QLineEdit* EditPicTop = nullptr;
    QLineEdit* EditPicWidth = nullptr;
    QLineEdit* EditPicHeight = nullptr;
    QCheckBox* CheckBoxPicLeft = nullptr;
    QCheckBox* CheckBoxPicTop = nullptr;
    QCheckBox* CheckBoxPicWidth = nullptr;
    QCheckBox* CheckBoxPicHeight = nullptr;
    QRadioButton* RadioButtonPicTop = nullptr;
    QRadioButton* RadioButtonPicVCentre = nullptr;
    QRadioButton* RadioButtonPicBottom = nullptr;
    QRadioButton* RadioButtonPicLeft = nullptr;
    QRadioButton* RadioButtonPicHCentre = nullptr;
    QRadioButton* RadioButtonPicRight = nullptr;

    // The choice between the picture file and a code, the name typed (with
    // fields), and the code's kind and content.
    QRadioButton* radioPicFile_ = nullptr;
    QRadioButton* radioCode_ = nullptr;
    QLineEdit* editPicName_ = nullptr;
    QComboBox* comboCodeType_ = nullptr;
    QLineEdit* editCodeText_ = nullptr;
    QLabel* labelFieldProblem_ = nullptr;

    QPushButton* ButtonOK = nullptr;
    QPushButton* ButtonCANCEL = nullptr;
};
