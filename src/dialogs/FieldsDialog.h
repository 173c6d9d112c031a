#pragma once
// "Fields": how the rows of a table, or the lines of text blocks and serial
// numbers, become labels. Shows the first rows as
// they were read, whether the first row holds column names, the layout with
// the fields to put into it, and the first labels as they will print, kept
// up to date while the layout is typed.

#include "support/BaseForm.h"

#include <QList>
#include <QStringList>

#include <array>

class QCheckBox;
class QLabel;
class QListWidget;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TDATAINFO;

class FieldsDialog : public BaseDialog {
    Q_OBJECT
public:
    explicit FieldsDialog(QWidget* parent = nullptr);

    // Shows the dialog for the data (a table, text blocks whose lines are
    // their fields, serial numbers whose one field is the number). OK checks the layout (a field
    // the data has not, a brace not closed: the user is told and the dialog
    // stays), then stores the layout and the header choice in the data
    // source's table settings, puts them into effect and returns true when
    // they changed. Cancel changes nothing.
    bool execute(TDATAINFO& source);

    // How many labels the preview shows, and rows the table. A table of
    // more columns (a spreadsheet may have 16 384) shows its first ones in
    // the rows and the list of fields, and says how many there are; the
    // others are used by typing their placeholders.
    static constexpr int PreviewLabels = 3;
    static constexpr int ShownRows = 10;
    static constexpr int ShownColumns = 200;

private:
    void fill();
    void refresh();
    void insertField();
    void OKBtnClick();
    QStringList names() const;

    TDATAINFO* data_ = nullptr;
    QStringList firstRow_; // the first row as names, read once
    // The first labels' fields as read, and the fields a layout may name:
    // a table's columns, or any number for other data (-1).
    QList<QStringList> rows_;
    int columns_ = -1;
    int fieldsShown_ = 0;
    QTableWidget* GridROWS;
    QCheckBox* CheckBoxHEADER;
    QListWidget* ListFIELDS;
    QPushButton* ButtonINSERT;
    QPushButton* ButtonEVERYFIELD;
    QPlainTextEdit* MemoLAYOUT;
    QLabel* LabelPROBLEM;
    QLabel* LabelMORE;
    std::array<QLabel*, PreviewLabels> PreviewLABEL{};
    QPushButton* OKBtn;
    QPushButton* CancelBtn;
};
