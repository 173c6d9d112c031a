#include "NamedWidgets.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QVariant>

namespace {
const char* const shownLengthProperty = "gorvinShownLength";
const char* const shownTextProperty = "gorvinShownLengthText";
} // namespace

std::pair<QPushButton*, QPushButton*> makeOkCancel(QDialog& dialog, QWidget* parent, const char* okName,
                                                   const char* cancelName)
{
    auto* ok = named(new QPushButton(QCoreApplication::translate("NamedWidgets", "OK"), parent), okName);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QCoreApplication::translate("NamedWidgets", "Cancel"), parent), cancelName);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {ok, cancel};
}

void setLengthText(QLineEdit& edit, MU mu, int significantDigits)
{
    const QString text = muToCurrentUnitText(mu, significantDigits);
    edit.setProperty(shownLengthProperty, mu);
    edit.setProperty(shownTextProperty, text);
    edit.setText(text);
}

std::optional<MU> lengthIn(const QLineEdit& edit, const QString& text)
{
    const QVariant shown = edit.property(shownTextProperty);
    if (shown.isValid() && shown.toString() == text)
        return static_cast<MU>(edit.property(shownLengthProperty).toInt());
    return readLength(text);
}

std::optional<MU> lengthOf(const QLineEdit& edit)
{
    return lengthIn(edit, edit.text());
}
