#pragma once
// A window's named controls, found and worked as the user works them.

#include <QString>
#include <QWidget>

#include <gtest/gtest.h>

// The named child of that class; the test fails when there is none.
template <class T = QWidget>
T* child(const QWidget& window, const char* name)
{
    T* found = window.findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Clicks the named push button, which must be there and enabled.
void click(QWidget& window, const char* button);
// The text of the named line edit or label.
QString textOf(const QWidget& window, const char* name);
// Replaces the named line edit's text in one edit, as a paste does.
void paste(QWidget& window, const char* edit, const QString& text);
// Puts the focus in the named line edit, pastes and leaves it for the next
// control.
void enter(QWidget& window, const char* edit, const QString& text);
