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

QString switchValue(const QStringList& params, const QString& sw)
{
    for (const QString& p : params)
        if (p.contains(sw, Qt::CaseInsensitive))
            return p.mid(3, 255);
    return QString();
}

} // namespace

TCOMMANDLINE FNPARSECOMMANDLINE(const QStringList& params)
{
    TCOMMANDLINE result;
    if (params.isEmpty())
        return result;

    // A job path with blanks may arrive split into several parameters.
    QString joined;
    for (qsizetype i = 0;; ++i) {
        const QString p = params.value(i);
        joined += QLatin1Char(' ') + p;
        if (upperSuffix(joined) == QLatin1String(".GVJ") || p.isEmpty())
            break;
    }
    joined.remove(0, 1);
    if (upperSuffix(joined) == QLatin1String(".GVJ") && QFileInfo::exists(joined))
        result.jobFile = joined;

    result.templateFile = switchValue(params, QStringLiteral("/T="));
    if (!result.templateFile.isEmpty())
        result.dataFile = switchValue(params, QStringLiteral("/D="));
    return result;
}
