// The page renderer with everything a job brings from outside: the job file,
// its picture and its data file, all taken from the input (see PageInput),
// and the first page drawn through the real renderer onto a small image, as
// the preview or the printer draws it. What must hold: the drawing ends
// (libFuzzer's timeout catches a page that takes seconds), and no text is
// drawn at a size beyond the largest font size the program draws, nor longer
// than a label can show.

#include "FuzzTargets.h"

#include "model/ComponentStream.h"
#include "model/Job.h"
#include "render/PainterCanvas.h"
#include "render/RecordingCanvas.h"
#include "render/Renderer.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <cmath>

namespace {

constexpr std::size_t HeaderSize = 4;

bool WriteAll(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(bytes) == bytes.size();
}

} // namespace

QByteArray PageInput(quint8 flags, quint8 scale, const QByteArray& picture, const QByteArray& jobFile,
                     const QByteArray& dataFile)
{
    const auto length = static_cast<quint16>(std::min<qsizetype>(picture.size(), 0xFFFF));
    QByteArray bytes;
    bytes.append(char(length & 0xFF)).append(char(length >> 8)).append(char(flags)).append(char(scale));
    return bytes + picture.left(length) + jobFile + dataFile;
}

int FuzzPage(const std::uint8_t* data, std::size_t size)
{
    if (size < HeaderSize)
        return 0;
    const std::size_t pictureSize = std::min<std::size_t>(static_cast<std::size_t>(data[0] | (data[1] << 8)),
                                                          size - HeaderSize);
    const quint8 flags = data[2];
    const quint8 scale = data[3];
    const QByteArray picture(reinterpret_cast<const char*>(data + HeaderSize), static_cast<qsizetype>(pictureSize));
    const QByteArray rest(reinterpret_cast<const char*>(data + HeaderSize + pictureSize),
                          static_cast<qsizetype>(size - HeaderSize - pictureSize));

    // The job's three streams, then the data file's content.
    TJOB job;
    qsizetype pos = 0;
    try {
        ReadObjectStream(rest, pos, *job.JOBINFO());
        ReadObjectStream(rest, pos, *job.TEMPLATE());
        ReadObjectStream(rest, pos, *job.DATAINFO());
        // A table's layout and header choice, as a job with table data has.
        if (flags & 32)
            ReadObjectStream(rest, pos, job.DATAINFO()->tableSettings());
    } catch (const EFilerError&) {
    }

    // The names in the job are replaced by files of this input alone.
    static QTemporaryDir folder;
    static const char* const suffixes[] = {"svg", "png", "svgz", "gif"};
    const QString picturePath = folder.filePath(QStringLiteral("picture.") + QLatin1String(suffixes[flags & 3]));
    const QString dataPath = folder.filePath(flags & 32 ? QStringLiteral("data.csv") : QStringLiteral("data.txt"));
    FUZZ_CHECK("page", WriteAll(picturePath, picture) && WriteAll(dataPath, rest.mid(pos)));
    job.DATAINFO()->PicFileName = picturePath;
    job.DATAINFO()->FULLFILENAME = dataPath;
    try {
        job.DATAINFO()->LOADDATA();
    } catch (const EDataReadError&) {
    }

    // A small page image scaled to the paper, as the preview makes it.
    const TTEMPLATE& t = *job.TEMPLATE();
    QImage image(96, 128, QImage::Format_RGB32);
    image.fill(Qt::white);
    TPRINTPARAMS params;
    params.ToPrinter = flags & 4;
    params.ShowLabels = !(flags & 8);
    params.ShowTemplate = flags & 16;
    params.FontScale = 0.1 + scale / 255.0 * 2.9; // the scale dialog's range
    params.PixPerMuX = t.PAPERMUWIDTH > 0 && t.PAPERMUHEIGHT > 0 ? double(image.width()) / t.PAPERMUWIDTH : 0;
    params.PixPerMuY = t.PAPERMUWIDTH > 0 && t.PAPERMUHEIGHT > 0 ? double(image.height()) / t.PAPERMUHEIGHT : 0;
    params.FirstSlot = job.DATAINFO()->STARTLABNUM - 1;
    params.RepeatCount = job.DATAINFO()->RepeatLabelNum;

    PainterCanvas canvas(&image);
    params.Canvas = &canvas;
    QString pictureError;
    PRINT(job, params, &pictureError);

    // The same page on the recording canvas, to see what was drawn.
    RecordingCanvas recording;
    params.Canvas = &recording;
    PRINT(job, params);
    const double largest = StoredFont::MaxPoints * (params.ToPrinter ? 1.0 : params.FontScale);
    for (const CanvasOp& op : recording.ops(CanvasOp::Text)) {
        FUZZ_CHECK("page", op.font.size <= std::ceil(std::max(largest, 14 * params.FontScale)) + 1);
        // A label holds 10 000 lines of 10 000 characters at most, and only
        // lines within three line heights (2 x size pixels here) of the text
        // area are drawn.
        FUZZ_CHECK("page", op.text.size() <= 10000);
        if (op.font.size >= 1)
            FUZZ_CHECK("page",
                       op.y > op.rect.top - 4 * 2 * op.font.size && op.y < op.rect.bottom + 3 * 2 * op.font.size);
    }
    return 0;
}
