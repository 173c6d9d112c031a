#include "FieldsDialog.h"

#include "dialogs/NamedWidgets.h"
#include "model/DataInfo.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// What a cell or a preview line shows of a field: its first characters;
// and the lines a preview label shows.
constexpr qsizetype ShownChars = 200;
constexpr int PreviewLines = 50;

} // namespace

FieldsDialog::FieldsDialog(QWidget* parent) : BaseDialog(parent)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("FieldsDialog"));
    setWindowTitle(QCoreApplication::translate("FieldsDialog", "Fields"));

    auto* rowsCaption = named(
        new QLabel(QCoreApplication::translate("FieldsDialog", "First rows of the data file:"), this), "LabelROWS");
    GridROWS = named(new QTableWidget(this), "GridROWS");
    GridROWS->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GridROWS->setSelectionMode(QAbstractItemView::NoSelection);
    GridROWS->setMinimumSize(560, 150);
    // Widths are fitted to the contents once, when the rows are filled: a
    // header that keeps fitting itself measures every cell at each change.
    GridROWS->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    rowsCaption->setBuddy(GridROWS);
    LabelMORE = named(new QLabel(this), "LabelMORE");

    CheckBoxHEADER = named(
        new QCheckBox(QCoreApplication::translate("FieldsDialog", "First row holds column names"), this),
        "CheckBoxHEADER");

    auto* fieldsCaption = named(new QLabel(QCoreApplication::translate("FieldsDialog", "Fields:"), this),
                                "LabelFIELDS");
    ListFIELDS = named(new QListWidget(this), "ListFIELDS");
    ListFIELDS->setMaximumWidth(180);
    fieldsCaption->setBuddy(ListFIELDS);
    ButtonINSERT = named(new QPushButton(QCoreApplication::translate("FieldsDialog", "&Insert"), this), "ButtonINSERT");
    ButtonEVERYFIELD = named(new QPushButton(QCoreApplication::translate("FieldsDialog", "&Every field a line"), this),
                             "ButtonEVERYFIELD");

    auto* layoutCaption = named(new QLabel(QCoreApplication::translate("FieldsDialog", "Label &layout:"), this),
                                "LabelLAYOUT");
    MemoLAYOUT = named(new QPlainTextEdit(this), "MemoLAYOUT");
    MemoLAYOUT->setPlaceholderText(
        QCoreApplication::translate("FieldsDialog", "Empty: every field of a row on a line of its own"));
    MemoLAYOUT->setTabChangesFocus(true);
    layoutCaption->setBuddy(MemoLAYOUT);
    LabelPROBLEM = named(new QLabel(this), "LabelPROBLEM");
    LabelPROBLEM->setWordWrap(true);
    LabelPROBLEM->setStyleSheet(QStringLiteral("color: #b00000"));

    auto* previewCaption = named(
        new QLabel(QCoreApplication::translate("FieldsDialog", "The first labels as they will print:"), this),
        "LabelPREVIEW");
    auto* previews = new QHBoxLayout;
    for (std::size_t i = 0; i < PreviewLABEL.size(); ++i) {
        auto* label = new QLabel(this);
        label->setObjectName(QStringLiteral("PreviewLABEL%1").arg(i + 1));
        label->setFrameStyle(QFrame::Box | QFrame::Plain);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setMargin(6);
        label->setMinimumSize(180, 90);
        label->setBackgroundRole(QPalette::Base);
        label->setAutoFillBackground(true);
        PreviewLABEL[i] = label;
        previews->addWidget(label);
    }

    std::tie(OKBtn, CancelBtn) = makeOkCancel(*this, this, "OKBtn", "CancelBtn");
    disconnect(OKBtn, nullptr, this, nullptr);
    connect(OKBtn, &QPushButton::clicked, this, &FieldsDialog::OKBtnClick);

    connect(CheckBoxHEADER, &QCheckBox::toggled, this, [this] {
        fill();
        refresh();
    });
    connect(MemoLAYOUT, &QPlainTextEdit::textChanged, this, &FieldsDialog::refresh);
    connect(ButtonINSERT, &QPushButton::clicked, this, &FieldsDialog::insertField);
    connect(ListFIELDS, &QListWidget::itemDoubleClicked, this, &FieldsDialog::insertField);
    connect(ButtonEVERYFIELD, &QPushButton::clicked, MemoLAYOUT, &QPlainTextEdit::clear);

    auto* fieldButtons = new QVBoxLayout;
    fieldButtons->addWidget(fieldsCaption);
    fieldButtons->addWidget(ListFIELDS, 1);
    fieldButtons->addWidget(ButtonINSERT);
    fieldButtons->addWidget(ButtonEVERYFIELD);
    auto* layoutColumn = new QVBoxLayout;
    layoutColumn->addWidget(layoutCaption);
    layoutColumn->addWidget(MemoLAYOUT, 1);
    layoutColumn->addWidget(LabelPROBLEM);
    auto* editing = new QHBoxLayout;
    editing->addLayout(fieldButtons);
    editing->addLayout(layoutColumn, 1);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(OKBtn);
    buttons->addWidget(CancelBtn);

    auto* form = new QVBoxLayout(this);
    form->addWidget(rowsCaption);
    form->addWidget(GridROWS, 1);
    form->addWidget(LabelMORE);
    form->addWidget(CheckBoxHEADER);
    form->addLayout(editing, 1);
    form->addWidget(previewCaption);
    form->addLayout(previews);
    form->addLayout(buttons);
    resize(720, 620);
}

bool FieldsDialog::execute(TDATAINFO& source)
{
    data_ = &source;
    // A table shows its rows as read; other data show their first labels'
    // fields (a text block's lines, a serial number) and have no names row.
    const bool isTable = source.usesTableSettings();
    const DataTable& table = source.table();
    firstRow_ = isTable ? table.firstRowAsNames() : QStringList();
    rows_.clear();
    const int rowsRead = std::min(isTable ? table.rowCount() : source.labelsInIndex(), ShownRows);
    for (int r = 0; r < rowsRead; ++r) {
        QStringList fields;
        if (isTable)
            fields = table.row(r, ShownChars);
        else
            source.source().appendFields(r, fields, ShownColumns, ShownChars);
        rows_.append(fields);
    }
    columns_ = isTable ? table.columnCount() : -1;
    int widest = 0;
    for (const QStringList& fields : std::as_const(rows_))
        widest = std::max(widest, static_cast<int>(fields.size()));
    const int allFields = isTable ? table.columnCount() : widest;
    fieldsShown_ = std::min(allFields, ShownColumns);
    GridROWS->clear();
    GridROWS->setColumnCount(std::max(fieldsShown_, 1));
    GridROWS->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < GridROWS->rowCount(); ++r) {
        const QStringList& fields = rows_.at(r);
        for (qsizetype c = 0; c < fields.size() && c < GridROWS->columnCount(); ++c)
            GridROWS->setItem(r, static_cast<int>(c), new QTableWidgetItem(fields[c]));
    }
    LabelMORE->setText(QStringLiteral("The first %1 of the %2 columns are shown; the others are used by typing "
                                      "their placeholders ({%3} is column %3).")
                           .arg(fieldsShown_)
                           .arg(allFields)
                           .arg(fieldsShown_ + 1));
    LabelMORE->setVisible(allFields > fieldsShown_);
    CheckBoxHEADER->setVisible(isTable);
    {
        const QSignalBlocker quiet(CheckBoxHEADER);
        CheckBoxHEADER->setChecked(source.tableHasNames());
    }
    {
        const QSignalBlocker quiet(MemoLAYOUT);
        MemoLAYOUT->setPlainText(source.tableSettings().LabelLayout);
    }
    fill();
    refresh();
    MemoLAYOUT->setFocus();
    const bool accepted = exec() == QDialog::Accepted;
    data_ = nullptr;
    firstRow_.clear();
    rows_.clear();
    return accepted;
}

QStringList FieldsDialog::names() const
{
    return CheckBoxHEADER->isChecked() ? firstRow_ : QStringList();
}

// The placeholders of the columns, and the first row shown as names or as data.
void FieldsDialog::fill()
{
    if (!data_)
        return;
    const QStringList columnNames = names();
    ListFIELDS->clear();
    for (int c = 0; c < fieldsShown_; ++c)
        ListFIELDS->addItem(LabelLayout::placeholder(columnNames, c));
    if (ListFIELDS->count() > 0)
        ListFIELDS->setCurrentRow(0);
    QStringList headers;
    for (int c = 0; c < GridROWS->columnCount(); ++c)
        headers << LabelLayout::placeholder(columnNames, c);
    GridROWS->setHorizontalHeaderLabels(headers);
    GridROWS->setRowHidden(0, CheckBoxHEADER->isChecked());
    GridROWS->resizeColumnsToContents();
}

void FieldsDialog::refresh()
{
    if (!data_)
        return;
    const LabelLayout layout(MemoLAYOUT->toPlainText(), names(), columns_);
    LabelPROBLEM->setText(layout.problem());
    LabelPROBLEM->setVisible(!layout.problem().isEmpty());
    const int first = CheckBoxHEADER->isChecked() ? 1 : 0;
    for (std::size_t i = 0; i < PreviewLABEL.size(); ++i) {
        const int label = static_cast<int>(i);
        const int row = first + label;
        PreviewLABEL[i]->setText(
            row < rows_.size() ? layout.expand(rows_.at(row), PreviewLines, ShownChars, label).join(u'\n') : QString());
    }
}

void FieldsDialog::insertField()
{
    if (const QListWidgetItem* item = ListFIELDS->currentItem()) {
        MemoLAYOUT->insertPlainText(item->text());
        MemoLAYOUT->setFocus();
    }
}

void FieldsDialog::OKBtnClick()
{
    const QString text = MemoLAYOUT->toPlainText();
    const LabelLayout layout(text, names(), columns_);
    if (!layout.problem().isEmpty()) {
        messageSeam().warning(layout.problem());
        MemoLAYOUT->setFocus();
        return;
    }
    TableSettings& settings = data_->tableSettings();
    // A choice that agrees with what the first row looks like stays a
    // detection, so another file under the same job is judged afresh.
    const bool checked = CheckBoxHEADER->isChecked();
    const HeaderChoice header = !data_->usesTableSettings() ? data_->headerChoice()
                                : checked == data_->table().firstRowLooksLikeNames()
                                        && data_->headerChoice() == HeaderChoice::Detect
                                    ? HeaderChoice::Detect
                                : checked ? HeaderChoice::Yes
                                          : HeaderChoice::No;
    const QString stored = text.trimmed().isEmpty() ? QString() : text;
    if (stored == settings.LabelLayout && header == data_->headerChoice()) {
        reject();
        return;
    }
    settings.LabelLayout = stored;
    data_->setHeaderChoice(header);
    data_->applyTableSettings();
    accept();
}
