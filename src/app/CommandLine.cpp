#include "CommandLine.h"

#include <QFileInfo>

namespace {

QString upperSuffix(const QString& path)
{
    const qsizetype dot = path.lastIndexOf(QLatin1Char('.'));
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (dot < 0 || dot < slash)
        return QString();
    return path.mid(dot).toUpper();
}

QString absolute(const QString& path)
{
    return path.isEmpty() ? path : QFileInfo(path).absoluteFilePath();
}

QString switchValue(const QStringList& params, const QString& sw)
{
    for (const QString& p : params)
        if (p.contains(sw, Qt::CaseInsensitive))
            return absolute(p.mid(3)); // as long as the system takes
    return QString();
}

// The kinds of file the desktop entry offers the program: jobs and
// templates, each with its locked kind.
bool isJobExtension(const QString& ext)
{
    return ext == QLatin1String(".GVJ") || ext == QLatin1String(".GVL");
}

bool isTemplateExtension(const QString& ext)
{
    return ext == QLatin1String(".GVT") || ext == QLatin1String(".GVR");
}

// The toolkit's command-line options, which it also takes with two dashes.
bool isToolkitOption(const QString& name)
{
    static const char* const options[] = {"platform",
                                          "platformpluginpath",
                                          "platformtheme",
                                          "plugin",
                                          "qwindowgeometry",
                                          "qwindowicon",
                                          "qwindowtitle",
                                          "reverse",
                                          "session",
                                          "display",
                                          "name",
                                          "title",
                                          "visual",
                                          "style",
                                          "stylesheet",
                                          "widgetcount",
                                          "geometry",
                                          "font",
                                          "nograb",
                                          "dograb",
                                          "sync",
                                          "qmljsdebugger"};
    for (const char* option : options)
        if (name == QLatin1String(option))
            return true;
    return false;
}

} // namespace

QString unknownWindowOption(const QStringList& params)
{
    for (const QString& p : params) {
        if (!p.startsWith(QLatin1String("--")))
            continue;
        const QString name = p.mid(2).section(QLatin1Char('='), 0, 0);
        if (!isToolkitOption(name))
            return p;
    }
    return QString();
}

CommandLine parseCommandLine(const QStringList& params)
{
    CommandLine result;
    if (params.isEmpty())
        return result;

    // A path with blanks may arrive split into several parameters.
    QString joined;
    for (qsizetype i = 0;; ++i) {
        const QString p = params.value(i);
        if (p.isEmpty()) // past the last one
            break;
        joined += QLatin1Char(' ') + p;
        const QString ext = upperSuffix(joined);
        if (isJobExtension(ext) || isTemplateExtension(ext))
            break;
    }
    joined.remove(0, 1);
    const QString ext = upperSuffix(joined);
    if (QFileInfo::exists(joined) && isJobExtension(ext))
        result.jobFile = absolute(joined);
    else if (QFileInfo::exists(joined) && isTemplateExtension(ext))
        result.templateDocument = absolute(joined);
    else if (!params.join(QLatin1Char(' ')).contains(QLatin1String("/T="), Qt::CaseInsensitive)
             && !params.join(QLatin1Char(' ')).contains(QLatin1String("/D="), Qt::CaseInsensitive))
        result.unopened = absolute(joined);

    result.templateFile = switchValue(params, QStringLiteral("/T="));
    if (!result.templateFile.isEmpty())
        result.dataFile = switchValue(params, QStringLiteral("/D="));
    return result;
}
