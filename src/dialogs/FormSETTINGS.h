#pragma once
// "Software settings": the three save switches and the two view switches.
// Its check boxes are the only copies of those switches while the program
// runs; the rest of the program reads and sets them through the accessors.

#include "support/BaseForm.h"

#include <array>

class QCheckBox;
class QGroupBox;
class QPushButton;
class QTabWidget;
class QWidget;

class TFormSETTINGS : public BaseDialog {
    Q_OBJECT
public:
    explicit TFormSETTINGS(QWidget* parent = nullptr);

    // Shows the dialog modally. OK keeps the boxes as they are and returns
    // true; Cancel, Escape or closing the window puts all five back as they
    // were when the dialog was shown and returns false.
    bool execute();

    bool saveDesktop() const;
    void setSaveDesktop(bool value);
    bool saveSettings() const;
    void setSaveSettings(bool value);
    bool saveFileInfo() const;
    void setSaveFileInfo(bool value);
    // At least one of the two view switches is always set: clearing one sets
    // the other.
    bool showLabels() const;
    void setShowLabels(bool value);
    bool showTemplate() const;
    void setShowTemplate(bool value);

    void done(int result) override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void centreButtons();
    std::array<bool, 5> switches() const;
    void setSwitches(const std::array<bool, 5>& values);

    QTabWidget* PageControlSETTINGS;
    QWidget* TabSheetMAIN;
    QWidget* TabSheetVIEW;
    QGroupBox* GroupBoxSAVE;
    QGroupBox* GroupBoxVIEW;
    QCheckBox* CheckBoxSAVEDESKTOP;
    QCheckBox* CheckBoxSAVESETTINGS;
    QCheckBox* CheckBoxSAVEFILEINFO;
    QCheckBox* CheckBoxSHOWLABEL;
    QCheckBox* CheckBoxSHOWTEMPLATE;
    QWidget* PanelBUTTONS;
    QPushButton* ButtonOK;
    QPushButton* ButtonCANCEL;
    // The five boxes as they were when the dialog was shown.
    std::array<bool, 5> snapshot_{};
};
