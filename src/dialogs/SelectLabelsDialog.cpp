#include "SelectLabelsDialog.h"

#include "dialogs/NamedWidgets.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SelectLabelsDialog::SelectLabelsDialog(QWidget* parent) : BaseDialog(parent)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("SelectLabelsDialog"));
    setWindowTitle(QCoreApplication::translate("SelectLabelsDialog", "Select labels"));

    auto* caption = named(
        new QLabel(QCoreApplication::translate("SelectLabelsDialog", "&Labels to print (for example 2-5,9):"), this),
        "LabelLABELS");
    editLabels_ = named(new QLineEdit(this), "EditLABELS");
    caption->setBuddy(editLabels_);
    labelCountShown_ = named(new QLabel(this), "LabelLABELCOUNT");
    auto* note = named(new QLabel(QStringLiteral("Labels are counted as in the data: table rows without the row of "
                                                 "names, text blocks, serial numbers. The chosen labels print one "
                                                 "after another from the start label."),
                                  this),
                       "LabelLABELSNOTE");
    note->setWordWrap(true);
    auto* all = named(new QPushButton(QCoreApplication::translate("SelectLabelsDialog", "&All labels"), this),
                      "ButtonALLLABELS");
    auto* ok = named(new QPushButton(QCoreApplication::translate("SelectLabelsDialog", "OK"), this), "ButtonOK");
    auto* cancel = named(new QPushButton(QCoreApplication::translate("SelectLabelsDialog", "Cancel"), this),
                         "ButtonCANCEL");
    ok->setDefault(true);
    all->setAutoDefault(false);
    cancel->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(all);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* page = new QVBoxLayout(this);
    page->addWidget(caption);
    page->addWidget(editLabels_);
    page->addWidget(labelCountShown_);
    page->addWidget(note);
    page->addLayout(buttons);
    setMinimumWidth(380);

    connect(ok, &QPushButton::clicked, this, &SelectLabelsDialog::okClicked);
    connect(all, &QPushButton::clicked, this, [this] {
        chosen_.reset();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool SelectLabelsDialog::execute(qint32 labelCount, std::optional<LabelChoice>& choice)
{
    labelCount_ = labelCount;
    chosen_ = choice;
    labelCountShown_->setText(Messages::dataLabelCount(labelCount));
    editLabels_->setText(choice ? choice->text() : QString());
    editLabels_->setFocus();
    editLabels_->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    choice = chosen_;
    return true;
}

void SelectLabelsDialog::okClicked()
{
    if (editLabels_->text().trimmed().isEmpty()) {
        chosen_.reset();
        accept();
        return;
    }
    QString error;
    std::optional<LabelChoice> parsed = LabelChoice::parse(editLabels_->text(), labelCount_, &error);
    if (!parsed) {
        messageSeam().error(error);
        editLabels_->setFocus();
        return;
    }
    chosen_ = std::move(parsed);
    accept();
}
