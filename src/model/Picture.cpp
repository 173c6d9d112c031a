#include "Picture.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSvgRenderer>

QStringList PictureSuffixes()
{
    return {QStringLiteral("bmp"), QStringLiteral("ico"), QStringLiteral("png"),
            QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("gif"),
            QStringLiteral("svg")};
}

bool LoadPictureFile(const QString& path, TPICTURE& picture, QString* error)
{
    picture.clear();
    const QFileInfo info(path);
    // The name comes from a job file: a device has no end to read to, and
    // opening a pipe waits for a writer that may never come.
    if (info.exists() && !info.isFile()) {
        if (error)
            *error = QStringLiteral("%1 is not a plain file").arg(path);
        return false;
    }
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz")) {
        // A drawing is read whole; bitmaps are bounded by the image
        // reader's own allocation limit.
        constexpr qint64 maxSvgBytes = qint64(16) << 20;
        if (info.size() > maxSvgBytes) {
            if (error)
                *error = QStringLiteral("%1 is too large for a drawing (more than 16 MB).").arg(path);
            return false;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            if (error)
                *error = QStringLiteral("Cannot open file %1").arg(path);
            return false;
        }
        const QByteArray data = file.readAll();
        QSvgRenderer renderer(data);
        if (!renderer.isValid()) {
            if (error)
                *error = QStringLiteral("%1 is not a readable SVG drawing.").arg(path);
            return false;
        }
        picture.svg = data;
        picture.svgSize = renderer.defaultSize();
        return true;
    }
    QImageReader reader(path);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = QStringLiteral("Cannot read the picture %1: %2").arg(path, reader.errorString());
        return false;
    }
    picture.image = std::move(image);
    return true;
}
