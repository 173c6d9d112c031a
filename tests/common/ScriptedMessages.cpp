#include "ScriptedMessages.h"

#include <gtest/gtest.h>

ScriptedMessages::~ScriptedMessages()
{
    EXPECT_TRUE(answers_.isEmpty()) << "scripted answers left unused: " << answers_.size();
}

MsgAnswer ScriptedMessages::ask(const QString& text, MsgSign sign, MsgButtons buttons, const QString&)
{
    shown.append({text, sign, buttons, false});
    if (buttons == MsgButtons::Ok)
        return MsgAnswer::Ok;
    if (answers_.isEmpty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return MsgAnswer::Cancel;
    }
    return answers_.takeFirst();
}

void ScriptedMessages::show(const QString& text)
{
    shown.append({text, MsgSign::None, MsgButtons::Ok, true});
}

QStringList ScriptedMessages::texts() const
{
    QStringList out;
    for (const auto& m : shown)
        out << m.text;
    return out;
}
