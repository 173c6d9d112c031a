#pragma once
// A message seam for tests: it records every prompt and answers from a queue.
// A question that the test did not script fails the test.

#include "support/Messages.h"

#include <QList>
#include <QString>

struct ShownMessage {
    QString text;
    MsgSign sign = MsgSign::None;
    MsgButtons buttons = MsgButtons::Ok;
    bool plain = false; // the plain message box
};

class ScriptedMessages : public MessageSeam {
public:
    ScriptedMessages() : installed_(*this) {}
    ~ScriptedMessages() override;

    // Answers for the next questions (boxes with more than an OK button).
    void answer(MsgAnswer a) { answers_.append(a); }

    MsgAnswer ask(const QString& text, MsgSign sign, MsgButtons buttons, const QString& caption = QString()) override;
    void show(const QString& text) override;
    void beep() override { ++beeps; }

    QList<ShownMessage> shown;
    int beeps = 0;
    // Texts of everything shown, in order.
    QStringList texts() const;

private:
    ScopedMessageSeam installed_;
    QList<MsgAnswer> answers_;
};
