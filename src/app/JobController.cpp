// Opening, saving and closing jobs, templates and data files, and the
// reopen lists.

#include "app/JobController.h"

#include "app/CommandFailure.h"
#include "app/DataLoading.h"
#include "app/JobHistory.h"
#include "model/ComponentStream.h"
#include "model/LabelCatalogue.h"
#include "model/SerialSource.h"
#include "settings/StoredSettings.h"
#include "support/ErrorLog.h"
#include "support/Messages.h"
#include "support/ProgramFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

// The controller's library links Qt Core and Gui only, so that the file
// commands run, and are tested, without a window.
#ifdef QT_WIDGETS_LIB
#error "The job controller must not use Qt Widgets"
#endif

namespace {

struct FileKind {
    const char* extension;
    const char* lockedExtension;
    const char* defaultSuffix;
    const char* subFolder;
    const char* openFilter;
    const char* saveFilter;
    const char* lockedMessage;
};

// Filters match both letter cases: the extensions are written upper-case
// but files from elsewhere may carry them in lower case.
const FileKind jobKind = {
    ".GVJ",
    ".GVL",
    "GVJ",
    "Jobs",
    QT_TRANSLATE_NOOP(
        "JobController",
        "Job files (*.GVJ *.gvj);;Locked job files (*.GVL *.gvl);;All job files (*.GVJ *.gvj *.GVL *.gvl)"),
    QT_TRANSLATE_NOOP("JobController", "Job files (*.GVJ *.gvj)"),
    QT_TRANSLATE_NOOP("JobController", "Cannot overwrite a locked job."),
};
const FileKind templateKind = {
    ".GVT",
    ".GVR",
    "GVT",
    "Templates",
    QT_TRANSLATE_NOOP("JobController", "Template files (*.GVT *.gvt);;Locked template files (*.GVR *.gvr);;All "
                                       "template files (*.GVT *.gvt *.GVR *.gvr)"),
    QT_TRANSLATE_NOOP("JobController", "Template files (*.GVT *.gvt)"),
    QT_TRANSLATE_NOOP("JobController", "Cannot overwrite a locked template."),
};

QString folderOf(const QString& path)
{
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    return slash < 0 ? QString() : path.left(slash + 1);
}

QString upperExtension(const QString& path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot).toUpper();
}

void reportError(int code, const QString& text)
{
    FNLOGERROR(code, text, true, true);
}

} // namespace

JobController::JobController(JobView& view, QObject* parent)
    : QObject(parent), view_(view), job_(std::make_unique<TJOB>()), history_(std::make_unique<JobHistory>(*this))
{}

JobController::~JobController() = default;

QString FNFILENAMEONLY(const QString& path)
{
    QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot >= 0)
        name.truncate(dot);
    return name;
}

QString JobController::startFolder(const QString& currentFile, QString& rememberedDir, const QString& subFolder,
                                   bool forOpen) const
{
    const QString folder = folderOf(currentFile);
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    if (forOpen && !rememberedDir.isEmpty() && !QFileInfo(rememberedDir).isDir())
        rememberedDir.clear();
    if (rememberedDir.isEmpty()) {
        rememberedDir = programFolder() + QLatin1Char('/');
        const QString sub = rememberedDir + subFolder;
        if (!QFileInfo(sub).isDir())
            QDir().mkpath(sub);
        if (QFileInfo(sub).isDir())
            rememberedDir = sub + QLatin1Char('/');
    }
    return rememberedDir;
}

namespace {

// Whether the name is a locked one of the kind and such a file is there,
// its extension in any letter case ("order.gvl" when "order.GVL" is asked
// for): a file that is never written.
bool lockedFileExists(const QString& path, const FileKind& kind)
{
    if (upperExtension(path) != QLatin1String(kind.lockedExtension))
        return false;
    if (QFileInfo::exists(path))
        return true;
    const QString folder = folderOf(path);
    const QString fileName = path.mid(folder.size());
    const QStringList entries = QDir(folder.isEmpty() ? QStringLiteral(".") : folder).entryList(QDir::Files);
    return std::any_of(entries.begin(), entries.end(),
                       [&fileName](const QString& entry) { return entry.compare(fileName, Qt::CaseInsensitive) == 0; });
}

// The name a save dialog offers: the current file's own name when it is of
// the kind (its extension in any case), so that saving it again writes it
// and not a second file; otherwise its base with the kind's extension.
QString offeredName(const QString& current, const FileKind& kind)
{
    const QString base = FNFILENAMEONLY(current);
    if (base.isEmpty())
        return QString();
    if (upperExtension(current) == QLatin1String(kind.extension))
        return current.mid(current.lastIndexOf(QLatin1Char('/')) + 1);
    return base + QLatin1String(kind.extension);
}

} // namespace

// The checks every save makes before anything is written: the folder, the
// name, the extension, a locked file. A file that exists is written under
// its own name, its extension in whatever case it has: it is the file the
// user opened or confirmed, and "keep.gvj" written as "keep.GVJ" would be a
// second file here. A new name gets its extension in capitals ("keep.gvj"
// typed is written as "keep.GVJ"). A locked file (.GVL, .GVR in any case)
// that exists is refused before any question. The user is asked before a
// file is replaced when its name was chosen in a save dialog (`chosen`;
// the dialog leaves that question to this check, so that a locked file is
// refused first) or when the name written is not the one given. Returns the
// name to write, or an empty text when the save must not go on.
QString JobController::saveChecked(const QString& path, bool isTemplate, bool chosen)
{
    const FileKind& kind = isTemplate ? templateKind : jobKind;
    const QString folder = folderOf(path);
    const QString base = FNFILENAMEONLY(path);
    const QString ext = upperExtension(path);
    if (!QFileInfo(folder.isEmpty() ? QStringLiteral(".") : folder).isDir()) {
        reportError(4, Messages::cannotFindPath(folder));
        return QString();
    }
    if (base.isEmpty()) {
        reportError(5, Messages::cannotSaveWithoutName());
        return QString();
    }
    if (ext != QLatin1String(kind.extension) && ext != QLatin1String(kind.lockedExtension)) {
        reportError(6, isTemplate ? Messages::invalidTemplateExtension(ext) : Messages::invalidJobExtension(ext));
        return QString();
    }
    const QString name = QFileInfo(path).isFile() ? path : folder + base + ext;
    if (lockedFileExists(name, kind)) {
        reportError(7, QCoreApplication::translate("JobController", kind.lockedMessage));
        return QString();
    }
    if ((name != path || chosen) && QFileInfo::exists(name)
        && messageSeam().question(Messages::overwriteQuestion(name), MsgButtons::YesNo) != MsgAnswer::Yes)
        return QString();
    return name;
}

bool JobController::FNSAVEJOB(const QString& path)
{
    return saveJobTo(path, false);
}

bool JobController::saveJobTo(const QString& path, bool chosen)
{
    const QString name = saveChecked(path, false, chosen);
    if (name.isEmpty() || !job_->SAVETOFILE(name))
        return false;
    history_->jobSaved();
    SETJOBFILENAME(name);
    showNames();
    return true;
}

bool JobController::FNSAVEJOBAS()
{
    FileRequest r;
    r.caption = QCoreApplication::translate("JobController", "Save job as");
    r.startFolder = startFolder(jobFileName_, jobDir_, QString::fromLatin1(jobKind.subFolder), false);
    r.fileName = offeredName(jobFileName_, jobKind);
    r.defaultSuffix = QString::fromLatin1(jobKind.defaultSuffix);
    r.filter = QCoreApplication::translate("JobController", jobKind.saveFilter);
    r.askOverwrite = false; // asked by saveChecked, after the locked check
    const QString chosen = view_.saveFile(r);
    if (chosen.isEmpty())
        return false;
    return saveJobTo(chosen, true);
}

bool JobController::FNSAVEJOBFIRST()
{
    if (!FNSAVETEMPLATEFIRST())
        return false;
    if (!job_ || !job_->ALTERED())
        return true;
    switch (messageSeam().question(Messages::saveJobFirst())) {
    case MsgAnswer::Yes:
        if (!FNFILENAMEONLY(jobFileName_).isEmpty())
            return FNSAVEJOB(jobFileName_);
        return FNSAVEJOBAS();
    case MsgAnswer::No: return true;
    default: return false;
    }
}

bool JobController::FNSAVETEMPLATEFIRST()
{
    if (!job_ || !job_->TEMPLATE()->ALTERED)
        return true;
    switch (messageSeam().question(Messages::saveTemplateFirst())) {
    case MsgAnswer::No: return true;
    case MsgAnswer::Yes: break;
    default: return false;
    }
    const QString name = job_->TEMPLATE()->FULLFILENAME;
    // A locked template is refused before the question whether to replace it.
    if (lockedFileExists(name, templateKind)) {
        reportError(7, QCoreApplication::translate("JobController", templateKind.lockedMessage));
        return false;
    }
    bool overwrite = true;
    if (!name.isEmpty() && QFileInfo::exists(name))
        overwrite = messageSeam().question(Messages::overwriteQuestion(name), MsgButtons::YesNo) == MsgAnswer::Yes;
    if (overwrite && !FNFILENAMEONLY(name).isEmpty())
        return FNSAVETEMPLATE(name);
    return FNSAVETEMPLATEAS();
}

// The open dialog of jobs or templates; empty when cancelled.
QString JobController::chooseFileToOpen(bool isTemplate)
{
    const FileKind& kind = isTemplate ? templateKind : jobKind;
    FileRequest r;
    r.caption = isTemplate ? QCoreApplication::translate("JobController", "Open template")
                           : QCoreApplication::translate("JobController", "Open job");
    r.startFolder = isTemplate ? startFolder(job_->TEMPLATE()->FULLFILENAME, templateDir_,
                                             QString::fromLatin1(kind.subFolder), true)
                               : startFolder(jobFileName_, jobDir_, QString::fromLatin1(kind.subFolder), true);
    r.defaultSuffix = QString::fromLatin1(kind.defaultSuffix);
    r.filter = QCoreApplication::translate("JobController", kind.openFilter);
    return view_.openFile(r);
}

bool JobController::FNOPENJOB(const QString& given)
{
    if (!FNSAVEJOBFIRST())
        return false;
    // Chosen first, so that a failure can name the file.
    const QString name = given.isEmpty() ? chooseFileToOpen(false) : given;
    if (name.isEmpty())
        return false;
    std::unique_ptr<TJOB> previous = std::move(job_);
    const QString previousName = jobFileName_;
    job_ = std::make_unique<TJOB>();
    bool loaded = false;
    try {
        loaded = FNLOADJOB(name);
    } catch (const std::exception& e) {
        // Whatever failed (most often memory for a damaged job's contents),
        // the job that was open stays open as it was.
        job_ = std::move(previous);
        if (jobFileName_ != previousName) {
            jobFileName_ = previousName;
            REMOVEREOPENITEM(ReopenList::Jobs, previousName);
        }
        reportCommandFailure(1, Messages::cannotOpenJob(name), e);
        try {
            showNames();
            view_.sheetChanged();
        } catch (const std::exception&) {
            // The window keeps showing what it showed.
        }
        return false;
    }
    if (!loaded) {
        job_ = std::move(previous);
        return false;
    }
    job_->setALTERED(false);
    job_->TEMPLATE()->ALTERED = false;
    TDATAINFO& data = *job_->DATAINFO();
    if (!data.FULLFILENAME.isEmpty()) {
        openData(data.FULLFILENAME, job_->loadNotes());
    } else if (data.hasSerialNumbers()) {
        // Serial numbers read no file; a range edited by hand into one that
        // makes no labels is told.
        QStringList notes = job_->loadNotes();
        if (!data.LOADDATA())
            notes << SerialSource::rangeProblem(data.SerialFrom, data.SerialTo);
        tellStatus(notes);
    } else {
        tellStatus(job_->loadNotes());
    }
    history_->jobReplaced();
    view_.jobReplaced();
    return true;
}

bool JobController::FNLOADJOB(const QString& given)
{
    const QString name = given.isEmpty() ? chooseFileToOpen(false) : given;
    if (name.isEmpty())
        return false;
    if (!job_->LOADFROMFILE(name))
        return false;
    SETJOBFILENAME(name);
    showNames();
    view_.sheetChanged();
    return true;
}

bool JobController::FNSAVETEMPLATE(const QString& path)
{
    return saveTemplateTo(path, false);
}

bool JobController::saveTemplateTo(const QString& path, bool chosen)
{
    const QString name = saveChecked(path, true, chosen);
    const QString previous = job_->TEMPLATE()->FULLFILENAME;
    if (name.isEmpty() || !job_->SAVETEMPLATETOFILE(name))
        return false;
    history_->templateSaved(previous);
    showNames();
    return true;
}

bool JobController::FNSAVETEMPLATEAS()
{
    FileRequest r;
    r.caption = QCoreApplication::translate("JobController", "Save template as");
    const QString current = job_->TEMPLATE()->FULLFILENAME;
    r.startFolder = startFolder(current, templateDir_, QString::fromLatin1(templateKind.subFolder), false);
    r.fileName = offeredName(current, templateKind);
    r.defaultSuffix = QString::fromLatin1(templateKind.defaultSuffix);
    r.filter = QCoreApplication::translate("JobController", templateKind.saveFilter);
    r.askOverwrite = false; // asked by saveChecked, after the locked check
    const QString chosen = view_.saveFile(r);
    if (chosen.isEmpty())
        return false;
    return saveTemplateTo(chosen, true);
}

bool JobController::FNOPENTEMPLATE(const QString& given)
{
    if (!FNSAVETEMPLATEFIRST())
        return false;
    const QString name = given.isEmpty() ? chooseFileToOpen(true) : given;
    if (name.isEmpty())
        return false;
    QByteArray snapshot;
    WriteObjectStream(snapshot, *job_->TEMPLATE());
    const bool wasAltered = job_->TEMPLATE()->ALTERED;
    bool failed = false;
    try {
        if (FNLOADTEMPLATE(name)) {
            job_->TEMPLATE()->ALTERED = false;
            job_->setALTERED(true);
            history_->templateOpened();
            return true;
        }
    } catch (const std::exception& e) {
        reportCommandFailure(1, Messages::cannotOpenTemplate(name), e);
        failed = true;
    }
    // Put the template back as it was: into a fresh template (the load may
    // have replaced it), every stored property from the snapshot.
    TTEMPLATE& t = *job_->TEMPLATE();
    t = TTEMPLATE();
    qsizetype pos = 0;
    ReadObjectStream(snapshot, pos, t);
    t.ALTERED = wasAltered;
    if (failed) {
        // The failure may have come after the window took the new sheet.
        try {
            showNames();
            view_.sheetChanged();
        } catch (const std::exception&) {
        }
    }
    return false;
}

bool JobController::FNLOADTEMPLATE(const QString& given)
{
    const QString name = given.isEmpty() ? chooseFileToOpen(true) : given;
    if (name.isEmpty())
        return false;
    if (!job_->LOADTEMPLATEFROMFILE(name))
        return false;
    showNames();
    view_.sheetChanged();
    return true;
}

bool JobController::FNOPENDATA(const QString& given)
{
    return openData(given, QStringList());
}

// Opens a data file; notesBefore (what the job's reading found) go to the
// status line with the data's own notes.
bool JobController::openData(const QString& given, const QStringList& notesBefore)
{
    QString name = given;
    TDATAINFO& data = *job_->DATAINFO();
    if (name.isEmpty()) {
        FileRequest r;
        r.caption = QCoreApplication::translate("JobController", "Open data");
        r.startFolder = startFolder(data.FULLFILENAME, dataDir_, QStringLiteral("Data"), true);
        r.defaultSuffix = QStringLiteral("TXT");
        // Tables and text alike first: the file most users open is a CSV.
        r.filter = QCoreApplication::translate(
            "JobController", "Data files (*.TXT *.txt *.CSV *.csv *.TSV *.tsv *.TAB *.tab);;"
                             "Text files (*.TXT *.txt);;Tables (*.csv *.CSV *.tsv *.TSV *.tab *.TAB);;"
                             "All files (*)");
        name = view_.openFile(r);
        if (name.isEmpty())
            return false;
    }
    // Another data file is a change to the job; reading the same one again
    // is not, and must not clear a change made by another command.
    const bool sameFile = name == data.FULLFILENAME;
    if (loadJobData(data, name, OtherLoadFailures::Told) == DataLoad::Missing) {
        tellStatus(notesBefore);
        return false;
    }
    if (!sameFile)
        job_->setALTERED(true);
    tellStatus(notesBefore + dataLoadNotes(data));
    showNames();
    return true;
}

void JobController::tellStatus(const QStringList& notes)
{
    if (!notes.isEmpty())
        view_.showStatus(notes.join(QStringLiteral("   ")));
}

// ---------------------------------------------------------------- commands

void JobController::saveJob()
{
    if (!FNSAVEJOB(jobFileName_))
        FNSAVEJOBAS();
}

bool JobController::closeJob()
{
    if (!FNSAVEJOBFIRST())
        return false;
    job_ = std::make_unique<TJOB>();
    SETJOBFILENAME(QString());
    history_->jobReplaced();
    view_.jobReplaced();
    showNames();
    view_.sheetChanged();
    return true;
}

void JobController::saveTemplate()
{
    const QString name = job_->TEMPLATE()->FULLFILENAME;
    if (name.isEmpty() || !FNSAVETEMPLATE(name))
        FNSAVETEMPLATEAS();
}

void JobController::newTemplate(MU width, MU height, const LabelProduct* product)
{
    job_->MAKENEWTEMPLATE(width, height);
    if (product)
        product->applyGrid(*job_->TEMPLATE());
    view_.sheetChanged();
    showNames();
}

void JobController::closeData()
{
    job_->CLEARDATA();
    showNames();
}

void JobController::useSerialNumbers(const QString& from, const QString& to)
{
    TDATAINFO& data = *job_->DATAINFO();
    if (!data.FULLFILENAME.isEmpty() || data.SerialFrom != from || data.SerialTo != to)
        job_->setALTERED(true);
    data.FULLFILENAME.clear();
    data.SerialFrom = from;
    data.SerialTo = to;
    data.LOADDATA();
    showNames();
}

void JobController::restoreContent(const QByteArray& content, const QString& templateName)
{
    const qint32 start = job_->DATAINFO()->STARTLABNUM;
    const qint32 repeat = job_->DATAINFO()->RepeatLabelNum;
    if (!job_->restoreFromBytes(content))
        return;
    job_->TEMPLATE()->FULLFILENAME = templateName;
    TDATAINFO& data = *job_->DATAINFO();
    QStringList notes = job_->loadNotes();
    if (data.FULLFILENAME.isEmpty())
        data.LOADDATA(); // serial numbers, or no data
    else if (loadJobData(data, data.FULLFILENAME, OtherLoadFailures::Told) != DataLoad::Missing)
        notes += dataLoadNotes(data);
    data.STARTLABNUM = start;
    data.RepeatLabelNum = repeat;
    job_->fitNumbersToSheet();
    tellStatus(notes);
    showNames();
    view_.sheetChanged();
}

void JobController::reloadData()
{
    if (!job_->DATAINFO()->FULLFILENAME.isEmpty())
        FNOPENDATA(job_->DATAINFO()->FULLFILENAME);
}

// ---------------------------------------------------------------- reopen lists

void JobController::REMOVEREOPENITEM(ReopenList list, const QString& name)
{
    if (reopen_[index(list)].removeAll(name) > 0)
        view_.reopenListChanged(list);
}

void JobController::ADDREOPENITEM(ReopenList list, const QString& name)
{
    QStringList& entries = reopen_[index(list)];
    entries.removeAll(name);
    if (!name.isEmpty() && QFileInfo::exists(name))
        entries.prepend(name);
    if (entries.size() > 10)
        entries.resize(10);
    view_.reopenListChanged(list);
}

bool JobController::reopen(ReopenList list, const QString& name)
{
    switch (list) {
    case ReopenList::Jobs: return FNOPENJOB(name);
    case ReopenList::Templates:
        if (!FNOPENTEMPLATE(name))
            return false;
        break;
    case ReopenList::Data:
        if (!FNOPENDATA(name))
            return false;
        break;
    }
    job_->setALTERED(true);
    return true;
}

void JobController::SETJOBFILENAME(const QString& name)
{
    // Exact: "Case.GVJ" and "case.GVJ" are two files.
    if (name == jobFileName_)
        return;
    const qsizetype slash = name.lastIndexOf(QLatin1Char('/'));
    if (slash >= 0)
        jobDir_ = name.left(slash + 1);
    REMOVEREOPENITEM(ReopenList::Jobs, name);
    if (!jobFileName_.isEmpty() && QFileInfo::exists(jobFileName_))
        ADDREOPENITEM(ReopenList::Jobs, jobFileName_);
    jobFileName_ = name;
}

void JobController::showNames()
{
    noteCurrentFiles();
    view_.namesChanged();
}

void JobController::noteCurrentFiles()
{
    const auto note = [this](ReopenList list, QString& noted, const QString& current) {
        if (noted != current) {
            REMOVEREOPENITEM(list, current);
            ADDREOPENITEM(list, noted);
            noted = current;
        }
    };
    note(ReopenList::Data, notedData_, job_->DATAINFO()->FULLFILENAME);
    note(ReopenList::Templates, notedTemplate_, job_->TEMPLATE()->FULLFILENAME);
}

void JobController::loadFileInfo(const FileInfo& info)
{
    reopen_[index(ReopenList::Jobs)] += info.jobs;
    reopen_[index(ReopenList::Data)] += info.data;
    reopen_[index(ReopenList::Templates)] += info.templates;
    for (ReopenList list : {ReopenList::Jobs, ReopenList::Data, ReopenList::Templates})
        view_.reopenListChanged(list);
    lastJobFileName_ = info.currentJob;
}

void JobController::fillFileInfo(FileInfo& info) const
{
    info.currentJob = jobFileName_;
    info.jobs = reopenEntries(ReopenList::Jobs);
    info.data = reopenEntries(ReopenList::Data);
    info.templates = reopenEntries(ReopenList::Templates);
}
