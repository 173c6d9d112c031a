#pragma once
// Every control of a window carries an object name: the names are those the
// program's documents give its controls, and tests find the controls by
// them. The dialogs make their controls through these helpers, so that no
// control is made without its name.

#include <QString>

#include <tuple> // the dialogs take makeOkCancel's pair with std::tie
#include <utility>

class QDialog;
class QPushButton;
class QWidget;

// Gives a newly made widget its object name and returns it.
template <class W>
W* named(W* widget, const char* name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A dialog's OK and Cancel buttons, made on parent in that order: OK is the
// default button and accepts the dialog, Cancel rejects it.
std::pair<QPushButton*, QPushButton*> makeOkCancel(QDialog& dialog, QWidget* parent, const char* okName,
                                                   const char* cancelName);
