#include "SerialNumbersDialog.h"

#include "dialogs/NamedWidgets.h"
#include "model/SerialSource.h"
#include "support/Messages.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

SerialNumbersDialog::SerialNumbersDialog(QWidget* parent) : BaseDialog(parent)
{
    savesPlacement = false;
    setObjectName(QStringLiteral("SerialNumbersDialog"));
    setWindowTitle(QCoreApplication::translate("SerialNumbersDialog", "Serial numbers"));

    editFrom_ = named(new QLineEdit(this), "EditSERIALFROM");
    editTo_ = named(new QLineEdit(this), "EditSERIALTO");
    auto* note = named(new QLabel(QStringLiteral("Each label gets one number, written as wide as From is typed "
                                                 "(0007 to 0012 gives 0007, 0008, ... 0012). In the label's "
                                                 "text and code the number is the field {1}."),
                                  this),
                       "LabelSERIALNOTE");
    note->setWordWrap(true);
    auto* ok = named(new QPushButton(QCoreApplication::translate("SerialNumbersDialog", "OK"), this), "ButtonOK");
    auto* cancel = named(new QPushButton(QCoreApplication::translate("SerialNumbersDialog", "Cancel"), this),
                         "ButtonCANCEL");
    ok->setDefault(true);
    cancel->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(QCoreApplication::translate("SerialNumbersDialog", "&From:"), editFrom_);
    form->addRow(QCoreApplication::translate("SerialNumbersDialog", "&To:"), editTo_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* page = new QVBoxLayout(this);
    page->addWidget(note);
    page->addLayout(form);
    page->addLayout(buttons);
    setMinimumWidth(360);

    connect(ok, &QPushButton::clicked, this, &SerialNumbersDialog::okClicked);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

bool SerialNumbersDialog::execute(QString& from, QString& to)
{
    editFrom_->setText(from);
    editTo_->setText(to);
    editFrom_->setFocus();
    editFrom_->selectAll();
    if (exec() != QDialog::Accepted)
        return false;
    from = editFrom_->text().trimmed();
    to = editTo_->text().trimmed();
    return true;
}

void SerialNumbersDialog::okClicked()
{
    const QString problem = SerialSource::rangeProblem(editFrom_->text().trimmed(), editTo_->text().trimmed());
    if (!problem.isEmpty()) {
        messageSeam().error(problem);
        editFrom_->setFocus();
        return;
    }
    accept();
}
