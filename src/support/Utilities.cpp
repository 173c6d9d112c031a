#include "Utilities.h"

#include "support/Messages.h"

#include <QDesktopServices>
#include <QFileInfo>

#define GORVIN_TEXT_OF(x) #x
#define GORVIN_TEXT(x) GORVIN_TEXT_OF(x)

namespace {

// A version part from its compile definition; -1 when it is missing or not a
// plain number.
[[maybe_unused]] int versionPart(const char* text)
{
    bool ok = false;
    const int value = QString::fromLatin1(text).toInt(&ok);
    return ok && value >= 0 ? value : -1;
}
} // namespace

QString versionText(int major, int minor, int release, int build)
{
    if (major < 0 || minor < 0 || release < 0 || build < 0)
        return Messages::versionNotAvailable();
    return QStringLiteral("Version %1.%2 Release %3.%4").arg(major).arg(minor).arg(release).arg(build);
}

QString FNGETVERSIONTEXT()
{
#if defined(GORVIN_VERSION_MAJOR) && defined(GORVIN_VERSION_MINOR) && defined(GORVIN_VERSION_PATCH)                    \
    && defined(GORVIN_VERSION_TWEAK)
    return versionText(versionPart(GORVIN_TEXT(GORVIN_VERSION_MAJOR)), versionPart(GORVIN_TEXT(GORVIN_VERSION_MINOR)),
                       versionPart(GORVIN_TEXT(GORVIN_VERSION_PATCH)), versionPart(GORVIN_TEXT(GORVIN_VERSION_TWEAK)));
#else
    return Messages::versionNotAvailable();
#endif
}

QUrl shellOpenUrl(const QString& target)
{
    const QUrl url(target, QUrl::TolerantMode);
    if (url.isValid() && url.scheme().size() > 1)
        return url;
    return QUrl::fromLocalFile(QFileInfo(target).absoluteFilePath());
}

bool FNSHELLOPEN(const QString& target)
{
    QDesktopServices::openUrl(shellOpenUrl(target));
    return true;
}

QString FNSTRIPAMPERSANDS(const QString& text)
{
    QString out = text;
    out.remove(u'&');
    return out;
}
