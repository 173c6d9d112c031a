// Job and template files as opening them reads them: each object stream into
// a fresh object, which keeps whatever was read before a failure.

#include "FuzzTargets.h"

#include "model/ComponentStream.h"
#include "model/Job.h"

#include <QByteArray>

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace {

QByteArray bytesOf(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Reads the three streams of a job file into job; false at the first error.
bool readJob(const QByteArray& bytes, TJOB& job)
{
    qsizetype pos = 0;
    try {
        ReadObjectStream(bytes, pos, *job.JOBINFO());
        FUZZ_CHECK("job", pos > 0 && pos <= bytes.size());
        ReadObjectStream(bytes, pos, *job.TEMPLATE());
        FUZZ_CHECK("job", pos <= bytes.size());
        ReadObjectStream(bytes, pos, *job.DATAINFO());
        FUZZ_CHECK("job", pos <= bytes.size());
        return true;
    } catch (const EFilerError&) {
        return false;
    }
}

// What the program does with a job it has read, short of touching files:
// page count, label numbers of slots, slot rectangles.
void useJob(const TJOB& job)
{
    volatile qint64 sink = job.PAGECOUNT();
    sink = sink + job.DATAINFO()->LABELCOUNT() + job.TEMPLATEEXISTS() + job.DATAEXISTS();
    for (qint32 page : {0, 1, 1000000, INT32_MAX})
        for (qint32 slot : {0, 1, 7, INT32_MAX})
            sink = sink + job.labelForSlot(page, slot);
    for (qint32 slot : {0, 1, 5, 100000, INT32_MAX}) {
        const SlotRect r = job.TEMPLATE()->slotRect(slot);
        sink = sink + r.left + r.top + r.right + r.bottom;
    }
    // The preview's right click asks which label lies under the pointer.
    const TTEMPLATE& t = *job.TEMPLATE();
    const auto inside = [](qint64 v) { return static_cast<MU>(std::clamp<qint64>(v, INT32_MIN, INT32_MAX)); };
    for (MU x : {0, 1, inside(t.MULEFT + 1LL), t.PAPERMUWIDTH / 2, INT32_MAX, INT32_MIN})
        for (MU y : {0, inside(t.MUTOP + 1LL), inside(t.PAPERMUHEIGHT - 1LL), INT32_MIN})
            sink = sink + job.GetLabelNumFromMuXY(x, y);
    sink = sink + t.slotCount();
    QStringList lines;
    FUZZ_CHECK("job", !job.GETLABEL(0, lines) && lines.isEmpty()); // no data is ever loaded here
}

} // namespace

int FuzzJobFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    TJOB job;
    readJob(bytes, job);
    useJob(job);

    // Whatever was read, the job can be saved, and once saved it loads again
    // and saves the same bytes: no value the reader accepts is lost or
    // changed by the next save. (The first save may still differ from the
    // file: values equal to the defaults are left out and come back as the
    // defaults of a fresh job.)
    const QByteArray once = job.jobFileBytes();
    TJOB second;
    FUZZ_CHECK("job", readJob(once, second));
    const QByteArray twice = second.jobFileBytes();
    TJOB third;
    FUZZ_CHECK("job", readJob(twice, third));
    FUZZ_CHECK("job", third.jobFileBytes() == twice);
    return 0;
}

int FuzzTemplateFile(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = bytesOf(data, size);
    TTEMPLATE t;
    qsizetype pos = 0;
    try {
        ReadObjectStream(bytes, pos, t);
        FUZZ_CHECK("template", pos <= bytes.size());
    } catch (const EFilerError&) {
    }

    // The template-open command keeps a snapshot of the template and reads
    // it back when opening another one fails: that must always work and give
    // every stored property back exactly.
    QByteArray snapshot;
    WriteObjectStream(snapshot, t);
    TTEMPLATE back;
    qsizetype snapPos = 0;
    try {
        ReadObjectStream(snapshot, snapPos, back);
    } catch (const EFilerError&) {
        FuzzCheckFailed("template", "the snapshot of a template reads back");
    }
    FUZZ_CHECK("template", snapPos == snapshot.size());
    QByteArray again;
    WriteObjectStream(again, back);
    FUZZ_CHECK("template", again == snapshot);
    FUZZ_CHECK("template", back.LANDSCAPE() == t.LANDSCAPE());

    // The text form of an object stream (the settings store writes fonts in
    // it) takes any bytes too.
    try {
        const QString text = objectBinaryToText(bytes);
        try {
            objectTextToBinary(text);
        } catch (const EFilerError&) {
        }
    } catch (const EFilerError&) {
    }
    return 0;
}

void FuzzCheckFailed(const char* target, const char* what)
{
    std::fprintf(stderr, "fuzz check failed in %s: %s\n", target, what);
    std::fflush(stderr);
    std::abort();
}
