#include "Controls.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

void click(QWidget& window, const char* button)
{
    auto* b = child<QPushButton>(window, button);
    ASSERT_NE(b, nullptr);
    ASSERT_TRUE(b->isEnabled()) << button;
    QTest::mouseClick(b, Qt::LeftButton);
}

QString textOf(const QWidget& window, const char* name)
{
    if (auto* edit = window.findChild<QLineEdit*>(QString::fromLatin1(name)))
        return edit->text();
    auto* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

void paste(QWidget& window, const char* edit, const QString& text)
{
    auto* box = child<QLineEdit>(window, edit);
    ASSERT_NE(box, nullptr);
    box->selectAll();
    box->insert(text);
}

void enter(QWidget& window, const char* edit, const QString& text)
{
    auto* box = child<QLineEdit>(window, edit);
    ASSERT_NE(box, nullptr);
    box->setFocus();
    paste(window, edit, text);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}
