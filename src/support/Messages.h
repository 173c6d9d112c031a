#pragma once
// The one way the program talks to the user in a modal box. The running
// program installs a seam that shows QMessageBox; tests install a scripted one
// that records what was shown and answers from a queue.

#include <QString>
#include <memory>

enum class MsgSign { None, Information, Warning, Error, Question };
enum class MsgButtons { Ok, YesNo, YesNoCancel, OkCancel };
enum class MsgAnswer { Ok, Yes, No, Cancel };

class MessageSeam {
public:
    virtual ~MessageSeam() = default;
    // A modal box with a sign and buttons. Closing the box counts as Cancel
    // (as No where there is no Cancel button, as Ok for a lone OK button).
    virtual MsgAnswer ask(const QString& text, MsgSign sign, MsgButtons buttons,
                          const QString& caption = QString()) = 0;
    // The plain message box: the text and an OK button, no sign.
    virtual void show(const QString& text) = 0;
    // The system's default message beep.
    virtual void beep() = 0;

    void error(const QString& text) { ask(text, MsgSign::Error, MsgButtons::Ok); }
    void warning(const QString& text) { ask(text, MsgSign::Warning, MsgButtons::Ok); }
    void information(const QString& text) { ask(text, MsgSign::Information, MsgButtons::Ok); }
    MsgAnswer question(const QString& text, MsgButtons buttons = MsgButtons::YesNoCancel)
    {
        return ask(text, MsgSign::Question, buttons);
    }
};

// The seam in force. Until one is installed, messages go to standard error,
// which is what a program without a display (the batch printer) wants.
MessageSeam& messageSeam();

// Installs a seam for as long as the guard lives; the previous one comes back
// afterwards. The seam is not owned.
class ScopedMessageSeam {
public:
    explicit ScopedMessageSeam(MessageSeam& seam);
    ~ScopedMessageSeam();
    ScopedMessageSeam(const ScopedMessageSeam&) = delete;
    ScopedMessageSeam& operator=(const ScopedMessageSeam&) = delete;

private:
    MessageSeam* previous_;
};

// A seam for programs without windows: every message goes to standard error,
// questions are answered with their default (Cancel, No or Ok).
class ConsoleMessageSeam : public MessageSeam {
public:
    MsgAnswer ask(const QString& text, MsgSign sign, MsgButtons buttons, const QString& caption = QString()) override;
    void show(const QString& text) override;
    void beep() override {}
};
