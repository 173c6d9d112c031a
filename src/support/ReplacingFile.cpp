#include "ReplacingFile.h"

#include "support/Messages.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr qint64 StaleSeconds = 3600;

QString kindOf(mode_t mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return Messages::kindFolder();
    if (S_ISLNK(mode))
        return Messages::kindSymbolicLink();
    if (S_ISCHR(mode) || S_ISBLK(mode))
        return Messages::kindDevice();
    if (S_ISFIFO(mode))
        return Messages::kindPipe();
    if (S_ISSOCK(mode))
        return Messages::kindSocket();
    return Messages::kindOther();
}

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// Renames with the flags of renameat2; false with errno set when the file
// system cannot (EINVAL) or the flags forbid it (EEXIST).
bool renameWithFlags(int folder, const QByteArray& from, const QByteArray& to, unsigned flags)
{
    return ::renameat2(folder, from.constData(), folder, to.constData(), flags) == 0;
}

} // namespace

ReplacingFile::ReplacingFile(const QString& path, Links links) : path_(path), links_(links)
{
    if (links_ == Links::Follow) {
        // A job saved through a link replaces the file the link names, in
        // that file's folder.
        const QFileInfo info(path);
        if (info.isSymLink()) {
            const QString target = info.symLinkTarget();
            if (!target.isEmpty())
                path_ = target;
        }
    }
}

ReplacingFile::~ReplacingFile()
{
    discard();
    if (folder_ >= 0)
        ::close(folder_);
}

QString ReplacingFile::refusedKind(const QString& path, Links links)
{
    struct stat info {};
    const QByteArray name = QFile::encodeName(path);
    const int found = links == Links::Refuse ? ::lstat(name.constData(), &info) : ::stat(name.constData(), &info);
    if (found != 0)
        return QString(); // a new name, or one that opening will fail on
    return kindOf(info.st_mode);
}

bool ReplacingFile::isTemporaryName(const QString& name)
{
    static const QRegularExpression pattern(QStringLiteral("^\\.(.*\\.)?gorvin-[A-Za-z0-9]{6}$"));
    return pattern.match(name).hasMatch();
}

bool ReplacingFile::open(QString& error)
{
    refusedKind_ = refusedKind(path_, links_);
    if (!refusedKind_.isEmpty()) {
        error = Messages::cannotCreateNonFile(path_, refusedKind_);
        return false;
    }
    const QFileInfo info(path_);
    const QByteArray folderName = QFile::encodeName(info.absolutePath());
    name_ = QFile::encodeName(info.fileName());
    folder_ = ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder_ < 0 || name_.isEmpty()) {
        error = Messages::cannotCreateFileBecause(path_, systemError(folder_ < 0 ? errno : EISDIR));
        return false;
    }
    removeStaleTemporaries();

    // The file keeps the permissions of the one it replaces.
    struct stat existing {};
    const bool replaces = ::fstatat(folder_, name_.constData(), &existing, AT_SYMLINK_NOFOLLOW) == 0
                          && S_ISREG(existing.st_mode);
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    int descriptor = -1;
    int lastError = 0;
    for (int attempt = 0; attempt < 64 && descriptor < 0; ++attempt) {
        QByteArray suffix(6, 'x');
        for (char& c : suffix)
            c = letters[QRandomGenerator::global()->bounded(static_cast<int>(sizeof letters - 1))];
        // A name near the system's limit gets the short form.
        temporary_ = '.' + name_ + ".gorvin-" + suffix;
        if (temporary_.size() > NAME_MAX)
            temporary_ = ".gorvin-" + suffix;
        descriptor = ::openat(folder_, temporary_.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC,
                              replaces ? (existing.st_mode & 07777) : 0666);
        lastError = errno;
        if (descriptor < 0 && lastError != EEXIST)
            break;
    }
    if (descriptor < 0) {
        temporary_.clear();
        error = Messages::cannotCreateFileBecause(path_, systemError(lastError));
        return false;
    }
    if (replaces)
        (void)::fchmod(descriptor, existing.st_mode & 07777);
    if (!file_.open(descriptor, QIODevice::WriteOnly | QIODevice::Unbuffered, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        discard();
        error = Messages::cannotCreateFile(path_);
        return false;
    }
    return true;
}

bool ReplacingFile::commit(QString& error)
{
    if (temporary_.isEmpty()) {
        error = Messages::cannotCreateFile(path_);
        return false;
    }
    const bool synced = ::fdatasync(file_.handle()) == 0 || errno == EINVAL;
    const int syncError = errno;
    file_.close();
    const auto fail = [&](const QString& why) {
        discard();
        error = why;
        return false;
    };
    if (!synced)
        return fail(Messages::cannotWriteFileBecause(path_, systemError(syncError)));
    const auto refused = [&](mode_t mode) {
        refusedKind_ = kindOf(mode);
        return fail(Messages::cannotCreateNonFile(path_, refusedKind_));
    };

    struct stat there {};
    if (::fstatat(folder_, name_.constData(), &there, AT_SYMLINK_NOFOLLOW) != 0) {
        // A new name: taken only while it is still free.
        if (renameWithFlags(folder_, temporary_, name_, RENAME_NOREPLACE)) {
            temporary_.clear();
        } else if (errno == EINVAL || errno == ENOSYS) {
            if (::renameat(folder_, temporary_.constData(), folder_, name_.constData()) != 0)
                return fail(Messages::cannotCreateFileBecause(path_, systemError(errno)));
            temporary_.clear();
        } else if (errno != EEXIST) {
            return fail(Messages::cannotCreateFileBecause(path_, systemError(errno)));
        }
    }
    if (!temporary_.isEmpty()) {
        if (::fstatat(folder_, name_.constData(), &there, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(there.st_mode))
            return refused(there.st_mode);
        // The two names trade places at once; what was at the name then lies
        // under the temporary one and is looked at there. Anything but an
        // ordinary file put in its place meanwhile is traded back untouched.
        if (renameWithFlags(folder_, temporary_, name_, RENAME_EXCHANGE)) {
            struct stat old {};
            if (::fstatat(folder_, temporary_.constData(), &old, AT_SYMLINK_NOFOLLOW) == 0 && !S_ISREG(old.st_mode)) {
                renameWithFlags(folder_, temporary_, name_, RENAME_EXCHANGE);
                return refused(old.st_mode);
            }
            ::unlinkat(folder_, temporary_.constData(), 0);
            temporary_.clear();
        } else if (errno == EINVAL || errno == ENOSYS) {
            if (::renameat(folder_, temporary_.constData(), folder_, name_.constData()) != 0)
                return fail(Messages::cannotCreateFileBecause(path_, systemError(errno)));
            temporary_.clear();
        } else {
            return fail(Messages::cannotCreateFileBecause(path_, systemError(errno)));
        }
    }
    (void)::fsync(folder_);
    return true;
}

void ReplacingFile::discard()
{
    if (file_.isOpen())
        file_.close();
    if (!temporary_.isEmpty() && folder_ >= 0)
        ::unlinkat(folder_, temporary_.constData(), 0);
    temporary_.clear();
}

void ReplacingFile::removeStaleTemporaries()
{
    // Only the program's own names, only ordinary files, only those an hour
    // old: a save in progress in another copy of the program writes its
    // file as it goes.
    const QDir folder(QFileInfo(path_).absolutePath());
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    for (const QString& entry : folder.entryList({QStringLiteral(".*gorvin-*")},
                                                 QDir::Files | QDir::Hidden | QDir::System | QDir::NoSymLinks)) {
        if (!isTemporaryName(entry))
            continue;
        const QByteArray name = QFile::encodeName(entry);
        struct stat info {};
        if (::fstatat(folder_, name.constData(), &info, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(info.st_mode)
            && now - info.st_mtime > StaleSeconds)
            ::unlinkat(folder_, name.constData(), 0);
    }
}
