#pragma once
// The one way the program talks to the user in a modal box. The running
// program installs a seam that shows QMessageBox; tests install a scripted one
// that records what was shown and answers from a queue.

#include <QString>
#include <QStringList>
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

// ---------------------------------------------------------------- loading data
// What loading a job's data tells the user.

QString cannotFindDataFile(const QString& fileName);
// With the reason on a line of its own when there is one.
QString cannotLoadDataFile(const QString& fileName, const QString& reason);
QString jobNamesNoDataFile();
QString dataFileHoldsNoLabels(const QString& fileName);
QString textLooksLikeTable();
// "First row read as column names: " and the names as shown.
QString firstRowReadAsNames(const QString& names);
// The main window's notes on a table, with where to change what they say.
QString headerNoteWithFields(const QString& headerNote);
QString layoutNamesMissingFields(const QStringList& fields);
QString layoutProblemWithFields(const QString& problem);
// The batch printer's note on a header taken from the file, with the option
// that prints the row instead.
QString headerNoteWithOption(const QString& headerNote);
QString tableOptionsNeedTable(const QString& fileName);
