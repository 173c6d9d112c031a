// Job files hold three object streams (label format, template, data source),
// then one with the table settings when the data is a table, then one with
// the code and the serial numbers when the job has them; template files hold
// the template's alone.

#include "model/ComponentStream.h"
#include "model/DataFile.h"
#include "model/Job.h"
#include "model/JobExtras.h"
#include "support/ErrorLog.h"
#include "support/Messages.h"
#include "support/ReplacingFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace {

// Writes the whole file through a temporary file in the same folder that
// replaces the target only once it is complete, so a failed save never
// destroys the file that was there. The write is unbuffered and checked
// byte for byte: a full disk must not put a truncated file in place of a
// good one.
void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    ReplacingFile file(path, ReplacingFile::Links::Follow);
    QString error;
    if (!file.open(error))
        throw EStreamError(Messages::cannotCreateFile(path));
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.file().write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size() || file.file().size() != bytes.size()) {
        file.discard();
        throw EStreamError(Messages::streamWriteError());
    }
    if (!file.commit(error))
        throw EStreamError(Messages::streamWriteError());
}

void reportWriteError(const EStreamError& e)
{
    FNLOGERROR(2, Messages::streamError(e.message()), true, true);
}

void reportReadError(const char* function, const EFilerError& e)
{
    FNLOGERROR(1, Messages::readErrorLogged(QLatin1String(function), e.kindName(), e.message()), true, false);
    messageSeam().error(Messages::invalidJobFile());
}

// The largest job or template file read. A job file holds three small object
// streams: a few hundred bytes of format and template and the names of a data
// file and a picture, some kilobytes at most. No job comes near this bound;
// a file beyond it (a disk image, a sparse file of 100 GB renamed ".GVJ") is
// not a job and is refused unread instead of being held in memory whole.
constexpr qint64 MaxJobFileBytes = qint64(16) << 20;

// Reads a whole job or template file. Only a plain file is opened (see
// openPlainFile): anything else, or a file that cannot be opened, is told to
// the user as "Cannot open file". A file larger than MaxJobFileBytes, or one
// that grows past it while being read, is refused as a corrupt file. On
// failure the user has been told and the result is false.
bool readWholeFile(const char* function, const QString& path, QByteArray& bytes)
{
    QFile file;
    qint64 size = 0;
    if (openPlainFile(path, file, size) != PlainFileOpen::Opened) {
        messageSeam().error(Messages::cannotOpenFile(path));
        return false;
    }
    const auto tooLarge = [&](qint64 n) {
        reportReadError(function,
                        EReadError(Messages::jobFileTooLarge((n + (1 << 20) - 1) >> 20, MaxJobFileBytes >> 20)));
        return false;
    };
    if (size > MaxJobFileBytes)
        return tooLarge(size);
    // At most one byte past the bound is read, so a file that grows while it
    // is read (or reports no size, as some special files do) costs no more.
    bytes.resize(qsizetype(size) + 1);
    qsizetype filled = 0;
    for (;;) {
        if (filled == bytes.size()) {
            if (filled > MaxJobFileBytes)
                break;
            bytes.resize(qsizetype(std::min(MaxJobFileBytes + 1, std::max(qint64(filled) * 2, qint64(1) << 16))));
        }
        const qint64 n = file.read(bytes.data() + filled, bytes.size() - filled);
        if (n < 0) {
            bytes.clear();
            messageSeam().error(Messages::cannotOpenFile(path));
            return false;
        }
        if (n == 0)
            break;
        filled += qsizetype(n);
    }
    bytes.resize(filled);
    if (filled > MaxJobFileBytes) {
        bytes.clear();
        return tooLarge(filled);
    }
    return true;
}

// A file the job names that is not there, looked for in the job's own
// folder under the same name: a job folder that was copied to another
// machine or renamed. Windows names ("C:\Labels\data.csv") are looked for
// by their last part too. Returns the name found, or an empty text.
QString foundBesideJob(const QDir& jobFolder, const QString& name)
{
    if (name.isEmpty() || QFileInfo::exists(name))
        return QString();
    const QString fileName = name.mid(std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
    if (fileName.isEmpty() || fileName == QLatin1String(".") || fileName == QLatin1String(".."))
        return QString();
    const QString beside = jobFolder.filePath(fileName);
    return QFileInfo(beside).isFile() ? beside : QString();
}

} // namespace

// A table's layout and header choice follow the three streams as a fourth,
// and only for table data: every other job file is as it always was. A
// reader that knows only three streams ignores what follows them, so it
// still opens the job, with the table read as text.
QByteArray TJOB::jobFileBytes() const
{
    QByteArray buffer;
    WriteObjectStream(buffer, *jobInfo_);
    WriteObjectStream(buffer, *template_);
    WriteObjectStream(buffer, *dataInfo_);
    if (dataInfo_->keepsTableSettings())
        WriteObjectStream(buffer, dataInfo_->storedTableSettings());
    if (const JobExtras extras = JobExtras::of(*jobInfo_, *dataInfo_); !extras.isEmpty())
        WriteObjectStream(buffer, extras);
    return buffer;
}

QByteArray TJOB::templateFileBytes() const
{
    QByteArray buffer;
    WriteObjectStream(buffer, *template_);
    return buffer;
}

bool TJOB::SAVETOFILE(const QString& path)
{
    try {
        writeWholeFile(path, jobFileBytes());
    } catch (const EStreamError& e) {
        // The changes are not on disk: the job stays marked as changed so
        // that closing it still offers to save them.
        reportWriteError(e);
        return false;
    }
    altered_ = false;
    return true;
}

// The three parts, and what follows them, from a job file's bytes into new
// parts; false after telling the user when the bytes cannot be read.
bool TJOB::readParts(const QByteArray& bytes, const char* function)
{
    jobInfo_ = std::make_unique<TJOBINFO>();
    template_ = std::make_unique<TTEMPLATE>();
    dataInfo_ = std::make_unique<TDATAINFO>();
    loadNotes_.clear();
    qsizetype pos = 0;
    try {
        ReadObjectStream(bytes, pos, *jobInfo_);
        ReadObjectStream(bytes, pos, *template_);
        ReadObjectStream(bytes, pos, *dataInfo_);
    } catch (const EFilerError& e) {
        reportReadError(function, e);
        return false;
    }
    // Other bytes after the three streams are ignored, as ever. The table
    // settings that may follow never make the job unreadable: what this
    // program knows of them is read, a property or value of a newer version
    // is stepped over, and settings that cannot be read at all give way to
    // the defaults.
    if (objectStreamOfClassAt(bytes, pos, dataInfo_->tableSettings().className())) {
        TableSettings settings;
        try {
            readObjectStreamLeniently(bytes, pos, settings);
            dataInfo_->tableSettings() = settings;
        } catch (const EFilerError&) {
            loadNotes_ << Messages::tableSettingsUnreadable();
        }
    }
    // So are the code and the serial numbers, read the same way.
    if (objectStreamOfClassAt(bytes, pos, JobExtras().className())) {
        JobExtras extras;
        try {
            readObjectStreamLeniently(bytes, pos, extras);
            extras.applyTo(*jobInfo_, *dataInfo_);
        } catch (const EFilerError&) {
            loadNotes_ << Messages::jobExtrasUnreadable();
        }
    }
    return true;
}

bool TJOB::restoreFromBytes(const QByteArray& bytes)
{
    // Read into a job of its own, so that bytes that cannot be read leave
    // this one as it is.
    TJOB restored;
    if (!restored.readParts(bytes, "TJOB.restoreFromBytes"))
        return false;
    jobInfo_ = std::move(restored.jobInfo_);
    template_ = std::move(restored.template_);
    dataInfo_ = std::move(restored.dataInfo_);
    loadNotes_ = restored.loadNotes_;
    dataInfo_->tableSettingsRead();
    fitNumbersToSheet();
    return true;
}

bool TJOB::LOADFROMFILE(const QString& path)
{
    QByteArray bytes;
    if (!readWholeFile("TJOB.LOADFROMFILE", path, bytes) || !readParts(bytes, "TJOB.LOADFROMFILE"))
        return false;
    // The program writes full names; a job written by hand may name its data
    // file and picture relative to itself (not to wherever the program was
    // started). Names from Windows ("C:\...", "\\server\...") stay as written.
    const QDir jobFolder = QFileInfo(path).absoluteDir();
    // A picture name with placeholders is taken from the data file's folder,
    // label by label, and stays as written.
    const bool pictureVaries = dataInfo_->picturePerLabel();
    for (QString* name : {&dataInfo_->FULLFILENAME, &dataInfo_->PicFileName}) {
        if (name == &dataInfo_->PicFileName && pictureVaries)
            continue;
        const bool windowsName = name->contains(QLatin1Char('\\')) || name->mid(1, 1) == QLatin1String(":");
        if (!name->isEmpty() && !windowsName && QDir::isRelativePath(*name))
            *name = QDir::cleanPath(jobFolder.filePath(*name));
    }
    // A named file that is gone but lies in the job's own folder is taken
    // from there, and the user is told.
    QStringList moved;
    for (QString* name : {&dataInfo_->FULLFILENAME, &dataInfo_->PicFileName, &template_->FULLFILENAME}) {
        if (name == &dataInfo_->PicFileName && pictureVaries)
            continue;
        if (const QString found = foundBesideJob(jobFolder, *name); !found.isEmpty()) {
            *name = found;
            moved << QFileInfo(found).fileName();
        }
    }
    if (!moved.isEmpty())
        loadNotes_.prepend(Messages::takenFromJobFolder(moved.join(QStringLiteral(", "))));
    dataInfo_->tableSettingsRead();
    // A stored start past the sheet's labels would print blank sheets.
    fitNumbersToSheet();
    return true;
}

bool TJOB::SAVETEMPLATETOFILE(const QString& path)
{
    const QString previous = template_->FULLFILENAME;
    template_->FULLFILENAME = path;
    try {
        writeWholeFile(path, templateFileBytes());
    } catch (const EStreamError& e) {
        template_->FULLFILENAME = previous;
        reportWriteError(e);
        return false;
    }
    template_->ALTERED = false;
    return true;
}

bool TJOB::LOADTEMPLATEFROMFILE(const QString& path)
{
    QByteArray bytes;
    if (!readWholeFile("TJOB.LOADTEMPLATEFROMFILE", path, bytes))
        return false;
    template_ = std::make_unique<TTEMPLATE>();
    try {
        qsizetype pos = 0;
        ReadObjectStream(bytes, pos, *template_);
    } catch (const EFilerError& e) {
        reportReadError("TJOB.LOADTEMPLATEFROMFILE", e);
        return false;
    }
    template_->FULLFILENAME = path;
    return true;
}
