#pragma once
// Every control of a window carries an object name: the names are those the
// program's documents give its controls, and tests find the controls by
// them. The dialogs make their controls through these helpers, so that no
// control is made without its name.

#include "model/Units.h"

#include <QString>

#include <optional>
#include <tuple> // the dialogs take makeOkCancel's pair with std::tie
#include <utility>

class QDialog;
class QLineEdit;
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

// A length shown in an edit box in the display unit. The box remembers the
// length it was given with the text written for it: a text the user left
// unchanged reads back as that length exactly, whatever the unit rounded
// away (70 mm is 2.75590551181102 in). Only typed text is converted.
void setLengthText(QLineEdit& edit, MU mu, int significantDigits = 15);
// The length `text` stands for in `edit`: the remembered length while it is
// the text written for it, else the typed length (readLength); none when it
// is no length that fits in 32 bits.
std::optional<MU> lengthIn(const QLineEdit& edit, const QString& text);
// The same for the box's own text.
std::optional<MU> lengthOf(const QLineEdit& edit);
