#include "ShortFileName.h"

#include <QDir>

QStringList shortFileNameForms(const QString& path)
{
    const QString clean = QDir::fromNativeSeparators(path);
    QStringList forms{path};
    const qsizetype lastSlash = clean.lastIndexOf(QLatin1Char('/'));
    if (lastSlash < 0)
        return forms;
    const QString file = clean.mid(lastSlash + 1);
    QString folderPart = clean.left(lastSlash);

    // The root: "/" of an absolute path, or a drive such as "C:".
    QString root;
    if (folderPart.startsWith(QLatin1Char('/'))) {
        root = QStringLiteral("/");
        folderPart.remove(0, 1);
    } else if (folderPart.size() >= 2 && folderPart.at(1) == QLatin1Char(':')) {
        root = folderPart.left(2) + QLatin1Char('/');
        folderPart = folderPart.mid(3);
    }
    const QStringList folders = folderPart.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    const QString dots = QStringLiteral("...");
    for (qsizetype k = 1; k <= folders.size(); ++k) {
        QStringList parts{dots};
        parts += folders.mid(k);
        parts << file;
        forms << root + parts.join(QLatin1Char('/'));
    }
    if (!root.isEmpty() && !folders.isEmpty())
        forms << dots + QLatin1Char('/') + file;
    forms << file;
    forms.removeDuplicates();
    return forms;
}

QString shortFileName(const QString& path, const std::function<int(const QString&)>& width, int maxWidth)
{
    const QStringList forms = shortFileNameForms(path);
    for (const QString& form : forms)
        if (width(form) <= maxWidth)
            return form;
    return forms.constLast();
}

QString shortFileName(const QString& path, const QFontMetrics& metrics, int maxWidth)
{
    return shortFileName(
        path, [&metrics](const QString& t) { return metrics.horizontalAdvance(t); }, maxWidth);
}
