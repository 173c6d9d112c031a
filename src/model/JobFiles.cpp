// Job files hold three object streams (label format, template, data source);
// template files hold the template's alone.

#include "model/ComponentStream.h"
#include "model/Job.h"
#include "support/ErrorLog.h"
#include "support/Messages.h"

#include <QFile>
#include <QSaveFile>

namespace {

// Writes the whole file through a temporary file in the same folder that
// replaces the target only once it is complete, so a failed save never
// destroys the file that was there. The write is unbuffered and checked
// byte for byte: a buffered QSaveFile can report success after a short
// write (a full disk) and put a truncated file in place of a good one.
void writeWholeFile(const QString& path, const QByteArray& bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw EStreamError(QStringLiteral("Cannot create file %1").arg(path));
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 n = file.write(bytes.constData() + written, bytes.size() - written);
        if (n <= 0)
            break;
        written += n;
    }
    if (written != bytes.size() || file.size() != bytes.size()) {
        file.cancelWriting();
        throw EStreamError(QStringLiteral("Stream write error"));
    }
    if (!file.commit())
        throw EStreamError(QStringLiteral("Stream write error"));
}

void reportWriteError(const EStreamError& e)
{
    FNLOGERROR(2, QStringLiteral("Stream error occured with message\n\r") + e.message(), true, true);
}

// Reads a whole file; on failure tells the user and gives false.
bool readWholeFile(const QString& path, QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        Messages().error(QStringLiteral("Cannot open file ") + path);
        return false;
    }
    bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        Messages().error(QStringLiteral("Cannot open file ") + path);
        return false;
    }
    return true;
}

void reportReadError(const char* function, const EFilerError& e)
{
    FNLOGERROR(1,
               QStringLiteral("FUNCTION %1 raised EFilerError [classname=%2] with message:\"%3\"")
                   .arg(QLatin1String(function), e.kindName(), e.message()),
               true, false);
    Messages().error(QStringLiteral("Invalid or corrupt job file."));
}

} // namespace

QByteArray TJOB::jobFileBytes() const
{
    QByteArray buffer;
    WriteObjectStream(buffer, *jobInfo_);
    WriteObjectStream(buffer, *template_);
    WriteObjectStream(buffer, *dataInfo_);
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

bool TJOB::LOADFROMFILE(const QString& path)
{
    QByteArray bytes;
    if (!readWholeFile(path, bytes))
        return false;
    jobInfo_ = std::make_unique<TJOBINFO>();
    template_ = std::make_unique<TTEMPLATE>();
    dataInfo_ = std::make_unique<TDATAINFO>();
    try {
        qsizetype pos = 0;
        ReadObjectStream(bytes, pos, *jobInfo_);
        ReadObjectStream(bytes, pos, *template_);
        ReadObjectStream(bytes, pos, *dataInfo_);
    } catch (const EFilerError& e) {
        reportReadError("TJOB.LOADFROMFILE", e);
        return false;
    }
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
    if (!readWholeFile(path, bytes))
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
