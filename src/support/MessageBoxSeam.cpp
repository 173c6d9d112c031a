#include "MessageBoxSeam.h"

#include <QApplication>
#include <QMessageBox>

namespace {
QMessageBox::Icon iconFor(MsgSign sign)
{
    switch (sign) {
    case MsgSign::Information: return QMessageBox::Information;
    case MsgSign::Warning: return QMessageBox::Warning;
    case MsgSign::Error: return QMessageBox::Critical;
    case MsgSign::Question: return QMessageBox::Question;
    case MsgSign::None: break;
    }
    return QMessageBox::NoIcon;
}

QString shownText(QString text)
{
    text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    return text;
}
} // namespace

MsgAnswer MessageBoxSeam::ask(const QString& text, MsgSign sign, MsgButtons buttons, const QString& caption)
{
    QMessageBox box(iconFor(sign), caption.isEmpty() ? QApplication::applicationName() : caption, shownText(text),
                    QMessageBox::NoButton, parent_);
    switch (buttons) {
    case MsgButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
        break;
    case MsgButtons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setEscapeButton(QMessageBox::No);
        break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Ok: return MsgAnswer::Ok;
    default: break;
    }
    return MsgAnswer::Cancel;
}

void MessageBoxSeam::show(const QString& text)
{
    QMessageBox box(QMessageBox::NoIcon, QApplication::applicationName(), shownText(text), QMessageBox::Ok, parent_);
    box.exec();
}

void MessageBoxSeam::beep()
{
    QApplication::beep();
}
