#pragma once
// "New template from product": the label sheets of the label catalogue by
// brand and part number, with a search box. The catalogue is read when the
// dialog first opens and kept for the rest of the run. Not part of the saved
// desktop.

#include "model/LabelCatalogue.h"
#include "support/BaseForm.h"

class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;
class ProductList;
class ProductFilter;

class ProductChooser : public BaseDialog {
    Q_OBJECT
public:
    explicit ProductChooser(QWidget* parent = nullptr);
    ~ProductChooser() override;

    // The folder the catalogue is read from; LabelCatalogue::defaultFolder()
    // until set. Setting it forgets a catalogue read before.
    QString catalogueFolder() const;
    void setCatalogueFolder(const QString& folder);

    // Reads the catalogue unless it has been read already. Without a
    // catalogue, or with one that offers no sheet, tells the user where the
    // catalogue comes from and which package provides it, and gives false;
    // the next call tries again.
    bool loadCatalogue();
    bool catalogueLoaded() const { return loaded_; }
    const LabelCatalogue& catalogue() const { return catalogue_; }

    // Reads the catalogue when needed and shows the dialog modally. True
    // when the user chose a sheet, which is then in `chosen`.
    bool execute(LabelProduct& chosen);

    // The sheet selected in the list, or null.
    const LabelProduct* selectedProduct() const;
    // How many sheets the search leaves in the list.
    int shownCount() const;
    // Selects the shown sheet of the brand and part; false when it is not shown.
    bool selectProduct(const QString& brand, const QString& part);

    void accept() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void EditSEARCHChange(const QString& text);
    void selectionChanged();
    void selectRow(int row);
    void updateDetails();

    QLabel* LabelSEARCH;
    QLineEdit* EditSEARCH;
    QTreeView* ListPRODUCTS;
    QLabel* LabelCOUNT;
    QLabel* LabelDETAILS;
    QPushButton* OKBtn;
    QPushButton* CancelBtn;

    ProductList* list_;
    ProductFilter* filter_;
    LabelCatalogue catalogue_;
    QString folder_;
    bool loaded_ = false;
};

// The paragraph the dialog shows for a sheet: paper, grid, label size,
// margins and gaps, lengths in the display unit.
QString productDetails(const LabelProduct& product);
