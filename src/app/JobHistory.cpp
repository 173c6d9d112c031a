#include "app/JobHistory.h"

#include "app/JobController.h"

#include <QUndoCommand>

#include <utility>

namespace {

// The job's content (see JobHistory::Content) as `write` gives it.
template <class Write>
JobHistory::Content contentOf(TJOB& job, Write write)
{
    TDATAINFO& data = *job.DATAINFO();
    TTEMPLATE& paper = *job.TEMPLATE();
    const qint32 start = std::exchange(data.STARTLABNUM, 1);
    const qint32 repeat = std::exchange(data.RepeatLabelNum, 1);
    const bool altered = std::exchange(paper.ALTERED, false);
    QString name = std::exchange(paper.FULLFILENAME, QString());
    QByteArray bytes = write(job);
    data.STARTLABNUM = start;
    data.RepeatLabelNum = repeat;
    paper.ALTERED = altered;
    paper.FULLFILENAME = name;
    return {std::move(bytes), std::move(name)};
}

} // namespace

class JobHistory::Change : public QUndoCommand {
public:
    Change(JobHistory& history, Content before, Content after, const QString& text)
        : QUndoCommand(text), history_(history), before_(std::move(before)), after_(std::move(after))
    {}
    // The change is already made when the command is kept.
    void redo() override
    {
        if (done_)
            history_.restore(after_);
        done_ = true;
    }
    void undo() override { history_.restore(before_); }
    void renameTemplate(const QString& from, const QString& to)
    {
        for (Content* c : {&before_, &after_})
            if (c->templateName == from)
                c->templateName = to;
    }

private:
    JobHistory& history_;
    Content before_, after_;
    bool done_ = false;
};

JobHistory::JobHistory(JobController& controller) : controller_(controller)
{
    savedTemplate_ = templateContent();
    stack_.setUndoLimit(200); // a job's content is a few kilobytes
    // The job's own changed flag follows the history; the template's is
    // set as each undo puts a template back.
    connect(&stack_, &QUndoStack::cleanChanged, this, [this](bool clean) { controller_.job().setALTERED(!clean); });
    connect(&stack_, &QUndoStack::indexChanged, this, &JobHistory::changed);
}

JobHistory::Content JobHistory::content() const
{
    return contentOf(controller_.job(), [](const TJOB& j) { return j.jobFileBytes(); });
}

JobHistory::Content JobHistory::templateContent() const
{
    return contentOf(controller_.job(), [](const TJOB& j) { return j.templateFileBytes(); });
}

JobHistory::Mark JobHistory::mark() const
{
    return {content(), epoch_, saves_};
}

void JobHistory::record(const Mark& before, const QString& text)
{
    if (before.epoch != epoch_)
        return;
    const Content& from = before.saves == saves_ ? before.content : contentSaved_;
    Content after = content();
    if (after != from)
        stack_.push(new Change(*this, from, std::move(after), text));
}

void JobHistory::jobReplaced()
{
    ++epoch_;
    stack_.clear();
    savedTemplate_ = templateContent();
    emit changed();
}

void JobHistory::jobSaved()
{
    stack_.setClean();
}

void JobHistory::templateSaved(const QString& previousName)
{
    ++saves_;
    contentSaved_ = content();
    savedTemplate_ = templateContent();
    // The template goes by its new name in every state kept.
    if (previousName != savedTemplate_.templateName)
        for (int i = 0; i < stack_.count(); ++i)
            static_cast<Change*>(const_cast<QUndoCommand*>(stack_.command(i)))
                ->renameTemplate(previousName, savedTemplate_.templateName);
}

void JobHistory::templateOpened()
{
    savedTemplate_ = templateContent();
}

void JobHistory::restore(const Content& content)
{
    ++epoch_;
    controller_.restoreContent(content.bytes, content.templateName);
    controller_.job().TEMPLATE()->ALTERED = templateContent() != savedTemplate_;
}
