#pragma once
// The current job and its files, without a widget: opening, saving, closing
// and reloading jobs, templates and data files, the changed marks and the
// questions asked before a change is lost, and the three reopen lists. The
// main window shows what it holds and calls its commands. Questions go
// through the message seam and file choices through a JobView, so that the
// commands run the same under the window and under a test.

#include "model/Job.h"
#include "support/DialogRequests.h"

#include <QObject>
#include <QStringList>

#include <array>
#include <memory>

struct FileInfo;
struct LabelProduct;
class JobHistory;

// The three lists of recently used files, newest first.
enum class ReopenList { Jobs, Templates, Data };

// What the controller needs from whoever shows the job: the user's choice
// of a file to open or of a name to save under (an empty text when
// cancelled), and word of what to show anew. These are plain calls, so that
// a failure while showing (memory, say) reaches the command that caused it.
class JobView {
public:
    virtual ~JobView() = default;
    virtual QString openFile(const FileRequest& request) = 0;
    virtual QString saveFile(const FileRequest& request) = 0;
    // The file names shown have changed.
    virtual void namesChanged() {}
    // The paper may have changed: the preview is made anew.
    virtual void sheetChanged() {}
    // Another job (opened, or a new empty one) has replaced the current one.
    virtual void jobReplaced() {}
    // A reopen list has changed.
    virtual void reopenListChanged(ReopenList) {}
    // A passing note for the status line.
    virtual void showStatus(const QString&) {}
};

class JobController : public QObject {
    Q_OBJECT
public:
    explicit JobController(JobView& view, QObject* parent = nullptr);
    ~JobController() override;

    TJOB& job() const { return *job_; }
    const QString& JOBFILENAME() const { return jobFileName_; }
    const QString& LASTJOBFILENAME() const { return lastJobFileName_; }
    // The folder the format dialog last took a picture from.
    QString& picturesFolder() { return picDir_; }
    // The changes to the job, to undo and redo.
    JobHistory& history() const { return *history_; }
    // Puts back the job's content as the history kept it (see JobHistory),
    // keeping the start label and the repeat count, and reads its data.
    void restoreContent(const QByteArray& content, const QString& templateName);

    // Jobs. The FN... commands return true when done; false when cancelled
    // or refused, after telling the user why.
    bool FNSAVEJOB(const QString& name);
    bool FNSAVEJOBAS();
    bool FNSAVEJOBFIRST();
    bool FNOPENJOB(const QString& name);
    bool FNLOADJOB(const QString& name);
    // File > Save job: under its name, or under a name asked for.
    void saveJob();
    // File > Close job: after the questions, an empty job without a name.
    bool closeJob();

    // Templates.
    bool FNSAVETEMPLATE(const QString& name);
    bool FNSAVETEMPLATEAS();
    bool FNSAVETEMPLATEFIRST();
    bool FNOPENTEMPLATE(const QString& name);
    bool FNLOADTEMPLATE(const QString& name);
    void saveTemplate();
    // A new template of the given paper in place of the current one (whose
    // unsaved changes the caller has offered for saving), altered as new;
    // with the grid of a catalogue's sheet when one is given.
    void newTemplate(MU width, MU height, const LabelProduct* product = nullptr);

    // Data files.
    bool FNOPENDATA(const QString& name);
    void closeData();
    // Reads the data file again; the labels it gave stay when it has gone.
    void reloadData();
    // Serial numbers from `from` to `to` (a range SerialSource accepts) in
    // place of the data file: a change to the job unless they are the data
    // already.
    void useSerialNumbers(const QString& from, const QString& to);

    // The reopen lists. Only files that exist are added, on top; a list
    // keeps ten entries. Paths compare exactly: letter case and "&" count.
    const QStringList& reopenEntries(ReopenList list) const { return reopen_[index(list)]; }
    void ADDREOPENITEM(ReopenList list, const QString& name);
    void REMOVEREOPENITEM(ReopenList list, const QString& name);
    // Opens an entry of a list as the user chose it; true when opened.
    bool reopen(ReopenList list, const QString& name);
    void SETJOBFILENAME(const QString& name);
    // A template or data file that is no longer the current one since this
    // was last called goes on top of its reopen list. Done whenever the
    // names shown change, and by the window as it lays out its name bars.
    void noteCurrentFiles();

    // The stored file information: the lists as they were stored (no
    // existence check, no limit of ten) and the job that was open last.
    void loadFileInfo(const FileInfo& info);
    void fillFileInfo(FileInfo& info) const;

private:
    static std::size_t index(ReopenList list) { return static_cast<std::size_t>(list); }
    QString startFolder(const QString& currentFile, QString& rememberedDir, const QString& subFolder,
                        bool forOpen) const;
    QString saveChecked(const QString& path, bool isTemplate, bool chosen);
    bool saveJobTo(const QString& path, bool chosen);
    bool saveTemplateTo(const QString& path, bool chosen);
    bool openData(const QString& given, const QStringList& notesBefore);
    // Shows notes (the job's, the data's) in the status line.
    void tellStatus(const QStringList& notes);
    QString chooseFileToOpen(bool isTemplate);
    void showNames();

    JobView& view_;
    std::unique_ptr<TJOB> job_;
    std::unique_ptr<JobHistory> history_;
    QString jobFileName_, lastJobFileName_;
    QString jobDir_, templateDir_, dataDir_, picDir_;
    std::array<QStringList, 3> reopen_;
    QString notedTemplate_, notedData_; // the files current when last noted
};

// The file's name without its folder and its extension.
QString FNFILENAMEONLY(const QString& path);
