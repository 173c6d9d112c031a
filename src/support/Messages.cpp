#include "Messages.h"

#include <cstdio>

namespace {
ConsoleMessageSeam consoleSeam;
MessageSeam* currentSeam = &consoleSeam;

void writeToStderr(const QString& text)
{
    // Message texts break lines with LF CR; a terminal wants plain LF.
    QString out = text;
    out.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
    std::fprintf(stderr, "%s\n", out.toLocal8Bit().constData());
    std::fflush(stderr);
}
} // namespace

MessageSeam& messageSeam()
{
    return *currentSeam;
}

ScopedMessageSeam::ScopedMessageSeam(MessageSeam& seam) : previous_(currentSeam)
{
    currentSeam = &seam;
}

ScopedMessageSeam::~ScopedMessageSeam()
{
    currentSeam = previous_;
}

MsgAnswer ConsoleMessageSeam::ask(const QString& text, MsgSign, MsgButtons buttons, const QString&)
{
    writeToStderr(text);
    switch (buttons) {
    case MsgButtons::YesNoCancel:
    case MsgButtons::OkCancel: return MsgAnswer::Cancel;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::Ok: break;
    }
    return MsgAnswer::Ok;
}

void ConsoleMessageSeam::show(const QString& text)
{
    writeToStderr(text);
}
