#pragma once
// Undo and redo of the changes to the job. Each change is kept as the job's
// content before and after it; undoing one puts the content before it back
// through the job controller, which reloads the data and shows the job
// anew. The start label and the repeat count are not part of the content:
// they stay as the user has them. The job's changed mark follows the
// history: undoing back to what was last saved or opened clears it.

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QUndoStack>

class JobController;
class TJOB;

class JobHistory : public QObject {
    Q_OBJECT
public:
    explicit JobHistory(JobController& controller);

    // What the job holds, but for the start label, the repeat count, the
    // template's changed flag and its file's name, which is kept apart so
    // that saving the template under another name renames it throughout.
    struct Content {
        QByteArray bytes;
        QString templateName;
        bool operator==(const Content&) const = default;
    };
    // The job's content as a command finds it, to give to record() after
    // the command has run.
    struct Mark {
        Content content;
        quint64 epoch = 0;
        quint64 saves = 0;
    };
    Mark mark() const;
    // Keeps the change a command made since `before` (or since the template
    // was saved meanwhile, which may have named it anew), when it changed
    // the content; nothing when it did not, or when the job was replaced or
    // put back by an undo meanwhile.
    void record(const Mark& before, const QString& text);

    bool canUndo() const { return stack_.canUndo(); }
    bool canRedo() const { return stack_.canRedo(); }
    void undo() { stack_.undo(); }
    void redo() { stack_.redo(); }
    const QUndoStack& stack() const { return stack_; }

    // Another job has replaced the current one: nothing is left to undo and
    // the job is as opened.
    void jobReplaced();
    // The job was written to its file: that content is the unchanged one.
    void jobSaved();
    // The template was written to its file, or read from one.
    void templateSaved(const QString& previousName);
    void templateOpened();
    // Puts `content` back; called by the history's own commands.
    void restore(const Content& content);

signals:
    void changed();

private:
    class Change;
    Content content() const;
    Content templateContent() const;

    JobController& controller_;
    QUndoStack stack_;
    Content savedTemplate_; // the template as last saved or opened
    quint64 epoch_ = 0;     // counts replacements and undos
    quint64 saves_ = 0;     // counts the template's saves
    Content contentSaved_;  // the job's content as the template was saved
};
