#include "ProductChooser.h"

#include "dialogs/NamedWidgets.h"
#include "model/Units.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QAbstractTableModel>
#include <QApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QSortFilterProxyModel>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

enum Column { ColBrand, ColPart, ColDescription, ColPaper, ColLabels, ColSize, ColumnCount };

QString unitAbbreviation()
{
    return UnitAbbreviations[currentUnitIndex()];
}

// "66.675 x 25.4 mm." in the display unit.
QString sizeText(MU width, MU height)
{
    return muToCurrentUnitText(width, 8) + QStringLiteral(" x ") + muToCurrentUnitText(height, 8) + QLatin1Char(' ')
           + unitAbbreviation();
}

QString paperText(const LabelProduct& p)
{
    return p.paperName.isEmpty() ? sizeText(p.paperWidth, p.paperHeight) : p.paperName;
}

} // namespace

// The catalogue's sheets as rows; lengths follow the display unit.
class ProductList : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    void setProducts(const std::vector<LabelProduct>* products)
    {
        beginResetModel();
        products_ = products;
        endResetModel();
    }
    const LabelProduct* product(int row) const
    {
        if (!products_ || row < 0 || row >= static_cast<int>(products_->size()))
            return nullptr;
        return &(*products_)[static_cast<std::size_t>(row)];
    }
    // The display unit may have changed since the last showing.
    void unitChanged()
    {
        if (rowCount() > 0)
            emit dataChanged(index(0, ColPaper), index(rowCount() - 1, ColSize), {Qt::DisplayRole});
    }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() || !products_ ? 0 : static_cast<int>(products_->size());
    }
    int columnCount(const QModelIndex& parent = QModelIndex()) const override
    {
        return parent.isValid() ? 0 : ColumnCount;
    }
    QVariant data(const QModelIndex& index, int role) const override
    {
        const LabelProduct* p = product(index.row());
        if (!p || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
            return {};
        if (role == Qt::ToolTipRole)
            return productDetails(*p);
        switch (index.column()) {
        case ColBrand: return p->brand;
        case ColPart: return p->part;
        case ColDescription: return p->description;
        case ColPaper: return paperText(*p);
        case ColLabels: return QString::number(p->numAcross) + QStringLiteral(" x ") + QString::number(p->numDown);
        case ColSize: return sizeText(p->labelWidth, p->labelHeight);
        default: return {};
        }
    }
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override
    {
        if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
            return {};
        static const char* const captions[ColumnCount] = {
            QT_TRANSLATE_NOOP("ProductChooser", "Brand"),       QT_TRANSLATE_NOOP("ProductChooser", "Part"),
            QT_TRANSLATE_NOOP("ProductChooser", "Description"), QT_TRANSLATE_NOOP("ProductChooser", "Paper"),
            QT_TRANSLATE_NOOP("ProductChooser", "Labels"),      QT_TRANSLATE_NOOP("ProductChooser", "Label size")};
        return section >= 0 && section < ColumnCount ? QCoreApplication::translate("ProductChooser", captions[section])
                                                     : QVariant();
    }

private:
    const std::vector<LabelProduct>* products_ = nullptr;
};

// The rows whose brand, part or description hold every word searched for.
class ProductFilter : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setSearch(const QString& text)
    {
        search_ = text;
        invalidateFilter();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex& parent) const override
    {
        if (parent.isValid())
            return false;
        const auto* list = static_cast<const ProductList*>(sourceModel());
        const LabelProduct* p = list->product(row);
        return p && productMatches(*p, search_);
    }

private:
    QString search_;
};

QString productDetails(const LabelProduct& p)
{
    const QString unit = QLatin1Char(' ') + unitAbbreviation();
    QString text = p.title();
    if (!p.description.isEmpty())
        text += QStringLiteral(": ") + p.description;
    if (!p.equivalentOf.isEmpty())
        text += QCoreApplication::translate("ProductChooser", " (the sheet of ") + p.brand + QLatin1Char(' ')
                + p.equivalentOf + QLatin1Char(')');
    text += QLatin1Char('\n');
    text += QCoreApplication::translate("ProductChooser", "Paper: ");
    if (!p.paperName.isEmpty())
        text += p.paperName + QStringLiteral(", ");
    text += sizeText(p.paperWidth, p.paperHeight) + QLatin1Char('\n');
    text += QCoreApplication::translate("ProductChooser", "%1 across, %2 down, labels ").arg(p.numAcross).arg(p.numDown)
            + sizeText(p.labelWidth, p.labelHeight) + QLatin1Char('\n');
    text += QCoreApplication::translate("ProductChooser", "Left margin %1, top margin %2, gaps %3 across and %4 down")
                .arg(muToCurrentUnitText(p.Left, 8), muToCurrentUnitText(p.Top, 8), muToCurrentUnitText(p.hGap, 8),
                     muToCurrentUnitText(p.vGap, 8))
            + unit;
    return text;
}

ProductChooser::ProductChooser(QWidget* parent) : BaseDialog(parent)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("FormPRODUCT"));
    setWindowTitle(QCoreApplication::translate("ProductChooser", "New template from product"));
    setSizeGripEnabled(true);

    LabelSEARCH = named(new QLabel(QCoreApplication::translate("ProductChooser", "&Search:"), this), "LabelSEARCH");
    EditSEARCH = named(new QLineEdit(this), "EditSEARCH");
    EditSEARCH->setPlaceholderText(QCoreApplication::translate("ProductChooser", "Brand, part number or description"));
    EditSEARCH->setClearButtonEnabled(true);
    EditSEARCH->installEventFilter(this);
    LabelSEARCH->setBuddy(EditSEARCH);

    list_ = new ProductList(this);
    filter_ = new ProductFilter(this);
    filter_->setSourceModel(list_);

    ListPRODUCTS = named(new QTreeView(this), "ListPRODUCTS");
    ListPRODUCTS->setModel(filter_);
    ListPRODUCTS->setRootIsDecorated(false);
    ListPRODUCTS->setItemsExpandable(false);
    ListPRODUCTS->setUniformRowHeights(true);
    ListPRODUCTS->setAlternatingRowColors(true);
    ListPRODUCTS->setSelectionMode(QAbstractItemView::SingleSelection);
    ListPRODUCTS->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListPRODUCTS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListPRODUCTS->setAllColumnsShowFocus(true);
    // Widths from the font rather than from every row's contents: measuring
    // a whole catalogue would slow the first opening.
    const int em = fontMetrics().horizontalAdvance(QLatin1Char('M'));
    const int widths[ColumnCount] = {8 * em, 6 * em, 17 * em, 7 * em, 5 * em, 9 * em};
    for (int c = 0; c < ColumnCount; ++c)
        ListPRODUCTS->header()->resizeSection(c, widths[c]);
    ListPRODUCTS->header()->setStretchLastSection(true);

    LabelCOUNT = named(new QLabel(this), "LabelCOUNT");
    LabelDETAILS = named(new QLabel(this), "LabelDETAILS");
    LabelDETAILS->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    LabelDETAILS->setTextInteractionFlags(Qt::TextSelectableByMouse);
    LabelDETAILS->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    LabelDETAILS->setMinimumHeight(4 * fontMetrics().lineSpacing() + 8);
    LabelDETAILS->setWordWrap(true);

    std::tie(OKBtn, CancelBtn) = makeOkCancel(*this, this, "OKBtn", "CancelBtn");
    OKBtn->setEnabled(false);

    connect(EditSEARCH, &QLineEdit::textChanged, this, &ProductChooser::EditSEARCHChange);
    connect(ListPRODUCTS->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &ProductChooser::selectionChanged);
    connect(ListPRODUCTS, &QTreeView::doubleClicked, this, [this](const QModelIndex& index) {
        if (index.isValid())
            accept();
    });

    auto* search = new QHBoxLayout;
    search->addWidget(LabelSEARCH);
    search->addWidget(EditSEARCH, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(LabelCOUNT, 1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* form = new QVBoxLayout(this);
    form->addLayout(search);
    form->addWidget(ListPRODUCTS, 1);
    form->addWidget(LabelDETAILS);
    form->addLayout(buttons);

    setTabOrder(EditSEARCH, ListPRODUCTS);
    setTabOrder(ListPRODUCTS, OKBtn);
    setTabOrder(OKBtn, CancelBtn);
    resize(62 * em, 34 * fontMetrics().lineSpacing());
}

ProductChooser::~ProductChooser() = default;

QString ProductChooser::catalogueFolder() const
{
    return folder_.isEmpty() ? LabelCatalogue::defaultFolder() : folder_;
}

void ProductChooser::setCatalogueFolder(const QString& folder)
{
    folder_ = folder;
    loaded_ = false;
    list_->setProducts(nullptr);
    catalogue_ = LabelCatalogue();
}

bool ProductChooser::loadCatalogue()
{
    if (loaded_)
        return true;
    const QString folder = catalogueFolder();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool read = catalogue_.read(folder);
    QApplication::restoreOverrideCursor();
    if (!read) {
        messageSeam().warning(Messages::noCatalogueFound(folder, LabelCatalogue::packageName()));
        return false;
    }
    if (catalogue_.products().empty()) {
        messageSeam().warning(Messages::catalogueHoldsNoSheets(folder, LabelCatalogue::packageName()));
        return false;
    }
    list_->setProducts(&catalogue_.products());
    loaded_ = true;
    EditSEARCHChange(EditSEARCH->text());
    return true;
}

bool ProductChooser::execute(LabelProduct& chosen)
{
    if (!loadCatalogue())
        return false;
    if (exec() != QDialog::Accepted)
        return false;
    const LabelProduct* p = selectedProduct();
    if (!p)
        return false;
    chosen = *p;
    return true;
}

const LabelProduct* ProductChooser::selectedProduct() const
{
    const QModelIndexList rows = ListPRODUCTS->selectionModel()->selectedRows();
    if (rows.isEmpty())
        return nullptr;
    return list_->product(filter_->mapToSource(rows.constFirst()).row());
}

int ProductChooser::shownCount() const
{
    return filter_->rowCount();
}

bool ProductChooser::selectProduct(const QString& brand, const QString& part)
{
    for (int row = 0; row < filter_->rowCount(); ++row) {
        const LabelProduct* p = list_->product(filter_->mapToSource(filter_->index(row, 0)).row());
        if (p && p->brand.compare(brand, Qt::CaseInsensitive) == 0 && p->part.compare(part, Qt::CaseInsensitive) == 0) {
            selectRow(row);
            return true;
        }
    }
    return false;
}

void ProductChooser::accept()
{
    if (!selectedProduct())
        return;
    BaseDialog::accept();
}

void ProductChooser::showEvent(QShowEvent* event)
{
    if (!event->spontaneous()) {
        list_->unitChanged();
        updateDetails();
        EditSEARCH->setFocus();
        EditSEARCH->selectAll();
    }
    BaseDialog::showEvent(event);
}

// Up, down and the page keys move through the list while the search box has
// the focus, so that a search is followed by Enter without the mouse.
bool ProductChooser::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == EditSEARCH && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown) {
            QApplication::sendEvent(ListPRODUCTS, event);
            return true;
        }
    }
    return BaseDialog::eventFilter(watched, event);
}

void ProductChooser::EditSEARCHChange(const QString& text)
{
    filter_->setSearch(text);
    // Keep the selection when it is still shown, else take the first match.
    if (!selectedProduct() && filter_->rowCount() > 0)
        selectRow(0);
    else if (const QModelIndexList rows = ListPRODUCTS->selectionModel()->selectedRows(); !rows.isEmpty())
        ListPRODUCTS->scrollTo(rows.constFirst());
    const int all = list_->rowCount();
    const int shown = filter_->rowCount();
    LabelCOUNT->setText(
        shown == all ? QCoreApplication::translate("ProductChooser", "%1 label sheets").arg(all)
                     : QCoreApplication::translate("ProductChooser", "%1 of %2 label sheets").arg(shown).arg(all));
    updateDetails();
}

void ProductChooser::selectRow(int row)
{
    const QModelIndex index = filter_->index(row, 0);
    ListPRODUCTS->selectionModel()->setCurrentIndex(index,
                                                    QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    ListPRODUCTS->scrollTo(index);
}

void ProductChooser::selectionChanged()
{
    updateDetails();
}

void ProductChooser::updateDetails()
{
    const LabelProduct* p = selectedProduct();
    OKBtn->setEnabled(p != nullptr);
    LabelDETAILS->setText(p ? productDetails(*p) : QString());
}
