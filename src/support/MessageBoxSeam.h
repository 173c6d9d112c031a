#pragma once
#include "support/Messages.h"

class QWidget;

// The running program's seam: real QMessageBox windows and the system beep.
class MessageBoxSeam : public MessageSeam {
public:
    explicit MessageBoxSeam(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    MsgAnswer ask(const QString& text, MsgSign sign, MsgButtons buttons, const QString& caption = QString()) override;
    void show(const QString& text) override;
    void beep() override;

private:
    QWidget* parent_;
};
