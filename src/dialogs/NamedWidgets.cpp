#include "NamedWidgets.h"

#include <QDialog>
#include <QPushButton>

std::pair<QPushButton*, QPushButton*> makeOkCancel(QDialog& dialog, QWidget* parent, const char* okName,
                                                   const char* cancelName)
{
    auto* ok = named(new QPushButton(QStringLiteral("OK"), parent), okName);
    ok->setDefault(true);
    auto* cancel = named(new QPushButton(QStringLiteral("Cancel"), parent), cancelName);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    return {ok, cancel};
}
