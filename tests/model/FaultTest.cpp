// Nothing lost on faults: saves killed or failing half way, folders that
// cannot be written, data files that turn unreadable or are far too large, an
// error log that cannot be written, and templates with absurd numbers.

#include "common/ScriptedMessages.h"
#include "FuzzTargets.h"
#include "common/TestEnv.h"
#include "model/Job.h"
#include "model/Picture.h"
#include "render/RecordingCanvas.h"
#include "render/Renderer.h"
#include "settings/RegistryStore.h"
#include "support/ErrorLog.h"
#include "support/ProgramFolder.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

class Faults : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        setProgramFolderForTests(dir.filePath(QStringLiteral("program")));
    }
    void TearDown() override { setProgramFolderForTests(QString()); }

    QString path(const char* name) const { return dir.filePath(QString::fromLatin1(name)); }

    // A job whose file is `padding` bytes longer than an ordinary one: the
    // data file name carries the extra bytes.
    static void makeJob(TJOB& job, int across, qsizetype padding = 0)
    {
        job.MAKENEWTEMPLATE(210000, 297000);
        job.TEMPLATE()->NUMACROSS = across;
        job.TEMPLATE()->NUMDOWN = 8;
        job.TEMPLATE()->MULABELWIDTH = 63500;
        job.TEMPLATE()->MULABELHEIGHT = 33900;
        job.DATAINFO()->FULLFILENAME = QStringLiteral("/data/labels.txt") + QString(padding, u'x');
        job.DATAINFO()->STARTLABNUM = 3;
        job.DATAINFO()->RepeatLabelNum = 1; // as the program keeps it
    }

    // The new content goes to a temporary file that takes the target's place
    // only when complete. On Linux it has no name until then, so a killed
    // save leaves nothing behind; where the file system cannot do that, the
    // unfinished file keeps a name beside the target.
    void expectOnlyPartialLeftovers(const QString& target, qint64 written) const
    {
        const QStringList names =
            QDir(dir.path()).entryList({QFileInfo(target).fileName() + QStringLiteral(".*")}, QDir::Files);
        EXPECT_LE(names.size(), 1) << names.join(u' ').toStdString();
        for (const QString& name : names)
            EXPECT_EQ(QFileInfo(dir.filePath(name)).size(), written);
    }

    QTemporaryDir dir;
};

quint32 Crc32(const QByteArray& bytes)
{
    quint32 crc = 0xFFFFFFFFu;
    for (char c : bytes) {
        crc ^= static_cast<quint8>(c);
        for (int bit = 0; bit < 8; ++bit)
            crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return ~crc;
}

QByteArray Be32(quint32 v)
{
    QByteArray bytes(4, '\0');
    for (int i = 0; i < 4; ++i)
        bytes[i] = char(v >> (24 - 8 * i));
    return bytes;
}

// A small PNG whose header claims width x height pixels.
QByteArray PngClaiming(quint32 width, quint32 height)
{
    QImage small(2, 2, QImage::Format_RGB32);
    small.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    small.save(&buffer, "PNG");
    png.replace(16, 8, Be32(width) + Be32(height)); // in the IHDR chunk
    png.replace(29, 4, Be32(Crc32(png.mid(12, 17))));
    return png;
}

// Peak resident memory of this process so far, in MB.
long peakMegabytes()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

// The kernel kills a process that writes past its file size limit (SIGXFSZ)
// in the middle of the write: a save killed while writing. The file that was
// there stays whole and loads; only the unfinished temporary file remains.
TEST_F(Faults, SaveKilledWhileWritingKeepsThePreviousFiles)
{
    ScriptedMessages messages;
    TJOB job;
    makeJob(job, 3);
    const QString jobFile = path("order.GVJ");
    const QString templateFile = path("sheet.GVT");
    ASSERT_TRUE(job.SAVETOFILE(jobFile));
    ASSERT_TRUE(job.SAVETEMPLATETOFILE(templateFile));
    const QByteArray jobBefore = readFileBytes(jobFile);
    const QByteArray templateBefore = readFileBytes(templateFile);
    // The job is made a megabyte long by its data file name; a template file
    // holds little more than its path, so it gets a smaller limit.
    const auto killedWhileSaving = [&](rlim_t limit, bool templateOnly) {
        signal(SIGXFSZ, SIG_DFL);
        rlimit small{};
        getrlimit(RLIMIT_FSIZE, &small);
        small.rlim_cur = limit;
        setrlimit(RLIMIT_FSIZE, &small);
        TJOB big;
        makeJob(big, 4, 1 << 20);
        if (templateOnly)
            big.SAVETEMPLATETOFILE(templateFile);
        else
            big.SAVETOFILE(jobFile);
        _exit(0); // reached only when the write was not stopped
    };
    // The signal comes only from a write that reaches the limit, half way
    // through the new content.
    EXPECT_EXIT(killedWhileSaving(64 * 1024, false), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(readFileBytes(jobFile), jobBefore);
    expectOnlyPartialLeftovers(jobFile, 64 * 1024);

    ASSERT_GT(templateBefore.size(), 100);
    EXPECT_EXIT(killedWhileSaving(100, true), ::testing::KilledBySignal(SIGXFSZ), "");
    EXPECT_EQ(readFileBytes(templateFile), templateBefore);
    expectOnlyPartialLeftovers(templateFile, 100);

    TJOB back;
    ASSERT_TRUE(back.LOADFROMFILE(jobFile));
    EXPECT_EQ(back.jobFileBytes(), jobBefore);
    ASSERT_TRUE(back.LOADTEMPLATEFROMFILE(templateFile));
    EXPECT_EQ(back.TEMPLATE()->NUMACROSS, 3);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Root writes through permissions, but nobody creates files in /proc: a save
// there fails as a folder without write permission makes it fail, with the
// program's message, and nothing in memory changes.
TEST_F(Faults, SaveIntoAFolderThatCannotBeWrittenChangesNothingInMemory)
{
    if (!QFileInfo(QStringLiteral("/proc/self")).exists())
        GTEST_SKIP() << "no /proc file system";
    TJOB job;
    makeJob(job, 2);
    job.TEMPLATE()->FULLFILENAME = path("sheet.GVT");
    const QByteArray before = job.jobFileBytes();
    const QString target = QStringLiteral("/proc/gorvin-order.GVJ");
    {
        ScriptedMessages messages;
        EXPECT_FALSE(job.SAVETOFILE(target));
        EXPECT_EQ(messages.texts(),
                  QStringList{QStringLiteral("Stream error occured with message\n\rCannot create file ") + target});
        EXPECT_EQ(messages.beeps, 1);
    }
    EXPECT_EQ(job.jobFileBytes(), before);
    EXPECT_TRUE(job.ALTERED());
    {
        ScriptedMessages messages;
        EXPECT_FALSE(job.SAVETEMPLATETOFILE(QStringLiteral("/proc/gorvin-sheet.GVT")));
        EXPECT_EQ(messages.shown.size(), 1);
    }
    EXPECT_EQ(job.jobFileBytes(), before); // the template's own path is put back
    EXPECT_TRUE(job.TEMPLATE()->ALTERED);
    EXPECT_FALSE(QFileInfo::exists(target));
}

// The log cannot be written when the program folder cannot even be made (a
// file stands where a folder is needed; a read-only folder does not stop
// root). Every operation that logs still finishes and tells the user.
TEST_F(Faults, ErrorLogThatCannotBeWrittenStopsNothing)
{
    WriteFile(path("plain-file"), "not a folder");
    setProgramFolderForTests(path("plain-file/program"));
    ASSERT_FALSE(QFileInfo(errorLogPath()).dir().exists());

    TJOB job;
    makeJob(job, 3);
    {
        ScriptedMessages messages;
        EXPECT_NO_THROW(EXPECT_FALSE(job.SAVETOFILE(path("nowhere/order.GVJ"))));
        EXPECT_EQ(messages.shown.size(), 1);
        EXPECT_EQ(messages.beeps, 1);
    }
    {
        ScriptedMessages messages;
        ASSERT_TRUE(job.SAVETOFILE(path("order.GVJ")));
        WriteFile(path("corrupt.GVJ"), job.jobFileBytes().left(100));
        TJOB target;
        EXPECT_NO_THROW(EXPECT_FALSE(target.LOADFROMFILE(path("corrupt.GVJ"))));
        EXPECT_EQ(messages.texts(), QStringList{QStringLiteral("Invalid or corrupt job file.")});
        EXPECT_NO_THROW(EXPECT_FALSE(target.LOADTEMPLATEFROMFILE(path("corrupt.GVJ"))));
        EXPECT_EQ(messages.shown.size(), 2);
    }
    {
        // A stored list with a gap is logged while loading (error 11).
        QSettings store(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Mardo"), QStringLiteral("Gorvin"));
        store.setValue(registryGroup(QStringLiteral("Faults")) + QStringLiteral("/JobCOUNT"), QStringLiteral("2"));
        store.setValue(registryGroup(QStringLiteral("Faults")) + QStringLiteral("/Job1"), QStringLiteral("b.GVJ"));
        store.sync();
        QStringList list;
        bool complete = true;
        EXPECT_NO_THROW(complete = FNREGLOADLIST(QStringLiteral("Faults"), QStringLiteral("Job"), list));
        EXPECT_FALSE(complete);
        EXPECT_EQ(list, QStringList{QStringLiteral("b.GVJ")});
        store.remove(registryGroup(QStringLiteral("Faults")));
    }
    EXPECT_FALSE(QFileInfo::exists(errorLogPath()));
}

// Reloading a data file that has turned unreadable keeps what was loaded.
TEST_F(Faults, DataThatTurnsUnreadableKeepsTheLabelsLoaded)
{
    TDATAINFO data;
    data.FULLFILENAME = WriteFile(path("labels.txt"), "A\nB\n\nC\n\nD\n");
    ASSERT_TRUE(data.LOADDATA());
    ASSERT_EQ(data.labelsInIndex(), 3);

    // A folder now stands where the file was.
    ASSERT_TRUE(QFile::remove(data.FULLFILENAME));
    ASSERT_TRUE(QDir().mkdir(data.FULLFILENAME));
    EXPECT_THROW(data.LOADDATA(), EDataReadError);
    EXPECT_EQ(data.labelsInIndex(), 3);
    QStringList lines;
    EXPECT_TRUE(data.GETLABEL(2, lines));
    EXPECT_EQ(lines, QStringList{QStringLiteral("D")});

    // A pipe would wait for a writer for ever; it is refused unopened.
    QDir().rmdir(data.FULLFILENAME);
    ASSERT_EQ(mkfifo(QFile::encodeName(data.FULLFILENAME).constData(), 0600), 0);
    try {
        data.LOADDATA();
        ADD_FAILURE() << "a pipe was read";
    } catch (const EDataReadError& e) {
        EXPECT_EQ(e.message(), data.FULLFILENAME + QStringLiteral(" is not a plain file"));
    }
    EXPECT_EQ(data.labelsInIndex(), 3);

    // A file that is gone is no error of the data source: it has no labels.
    QFile::remove(data.FULLFILENAME);
    EXPECT_FALSE(data.LOADDATA());
    EXPECT_EQ(data.labelsInIndex(), 0);
}

// A 1 GiB file (sparse: it takes no disk and no memory to make) is refused by
// its size before a byte is read, with a message that names the file and the
// limit. Below the limit, reading stops at the first NUL, where the content
// ends: a binary file costs what lies before its first zero byte.
TEST_F(Faults, HugeAndBinaryDataFilesAreReadWithinAMemoryBound)
{
    const QString huge = path("huge.bin");
    {
        QFile f(huge);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_TRUE(f.resize(qint64(1) << 30));
    }
    const long peakBefore = peakMegabytes();
    TDATAINFO data;
    data.FULLFILENAME = WriteFile(path("labels.txt"), "A\n\nB\n");
    ASSERT_TRUE(data.LOADDATA());
    data.FULLFILENAME = huge;
    try {
        data.LOADDATA();
        ADD_FAILURE() << "a 1 GiB data file was read";
    } catch (const EDataReadError& e) {
        EXPECT_EQ(e.message(),
                  QStringLiteral("The file %1 holds 1024 MB; data files larger than 256 MB are not read.").arg(huge));
    }
    EXPECT_EQ(data.labelsInIndex(), 2);

    // 200 MiB, just under the limit, zeros with a few lines of text at the
    // start: the text before the first NUL is all that is kept.
    const QString binary = path("binary.bin");
    {
        QFile f(binary);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("Name\nStreet\n\nOther\n");
        ASSERT_TRUE(f.resize(qint64(200) << 20));
    }
    data.FULLFILENAME = binary;
    ASSERT_TRUE(data.LOADDATA());
    EXPECT_EQ(data.labelsInIndex(), 2);
    EXPECT_EQ(data.FILECONTENT.count(), 4);
    EXPECT_LT(peakMegabytes() - peakBefore, 100) << "reading went past the first NUL";

    // A file one byte over the limit is refused; a device never read.
    {
        QFile f(binary);
        ASSERT_TRUE(f.open(QIODevice::ReadWrite));
        ASSERT_TRUE(f.resize(DataLines::MaxDataFileBytes + 1));
    }
    DataLines lines;
    QString error;
    EXPECT_FALSE(lines.loadFromFile(binary, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("holds 257 MB"))) << error.toStdString();
    EXPECT_FALSE(lines.loadFromFile(QStringLiteral("/dev/zero"), &error));
    EXPECT_EQ(error, QStringLiteral("/dev/zero is not a plain file"));
    EXPECT_LT(peakMegabytes() - peakBefore, 100);
}

// UTF-16 data of random text in both byte orders, with ASCII runs long
// enough for the loader's eight-unit steps and broken at every position,
// pairs and lone surrogates, U+0000 and odd last bytes: every input reads as
// the fuzz target's reference reading says (a difference aborts).
TEST_F(Faults, Utf16DataOfRandomTextReadsAsItsReference)
{
    QRandomGenerator rng(1207);
    const char16_t ascii[] = {u'a', u'b', u' ', u'\r', u'\n'};
    const char16_t other[] = {0xFC, 0x20AC, 0xD83D, 0xDE00, 0xFEFF, 0x0000};
    for (int round = 0; round < 4000; ++round) {
        const bool little = round % 2 == 0;
        QByteArray bytes(little ? "\xFF\xFE" : "\xFE\xFF", 2);
        for (int i = int(rng.bounded(80)); i > 0; --i) {
            const char16_t c = rng.bounded(8) ? ascii[rng.bounded(5)] : other[rng.bounded(round % 4 ? 5 : 6)];
            bytes += char(little ? c & 0xFF : c >> 8);
            bytes += char(little ? c >> 8 : c & 0xFF);
        }
        if (round % 7 == 0)
            bytes += 'x';
        FuzzDataFile(reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size()));
    }
}

// The preview's hit test finds the label under the pointer by arithmetic: the
// same answer as trying every slot (the last match wins where labels
// overlap), and no time at all for a damaged template of billions of slots.
TEST_F(Faults, HitTestMatchesTheSlotScanForAnyGrid)
{
    QRandomGenerator rng(4711);
    for (int round = 0; round < 400; ++round) {
        TTEMPLATE t;
        t.NUMACROSS = int(rng.bounded(-1, 6));
        t.NUMDOWN = int(rng.bounded(-1, 6));
        t.MULEFT = int(rng.bounded(-20, 20));
        t.MUTOP = int(rng.bounded(-20, 20));
        t.MULABELWIDTH = int(rng.bounded(-3, 15));
        t.MULABELHEIGHT = int(rng.bounded(-3, 15));
        t.MUHGAP = int(rng.bounded(-20, 8));
        t.MUVGAP = int(rng.bounded(-20, 8));
        for (int k = 0; k < 20; ++k) {
            const MU x = int(rng.bounded(-60, 80));
            const MU y = int(rng.bounded(-60, 80));
            qint32 expected = -1;
            for (qint32 c = 0; c < t.NUMACROSS; ++c)
                for (qint32 r = 0; r < t.NUMDOWN; ++r) {
                    const SlotRect s = t.slotRect(c + r * t.NUMACROSS);
                    if (s.left < x && x < s.right && s.top < y && y < s.bottom)
                        expected = c + r * t.NUMACROSS;
                }
            ASSERT_EQ(t.GetTemplateNumFromMuXY(x, y), expected) << round << " " << x << "," << y;
        }
    }
    TJOB job;
    TTEMPLATE& huge = *job.TEMPLATE();
    huge.NUMACROSS = 100000;
    huge.NUMDOWN = INT32_MAX;
    huge.MULABELWIDTH = 10;
    huge.MULABELHEIGHT = 10;
    huge.MUHGAP = 0;
    huge.MUVGAP = 0;
    EXPECT_EQ(huge.GetTemplateNumFromMuXY(25, 15), 2 + 1 * 100000);
    EXPECT_EQ(huge.GetTemplateNumFromMuXY(25, 100000), -1); // slot number beyond 32 bits
    EXPECT_EQ(huge.slotCount(), INT32_MAX);
    job.DATAINFO()->STARTLABNUM = INT32_MIN;
    EXPECT_EQ(job.GetLabelNumFromMuXY(25, 15), INT32_MAX);
}

// Drawing a page of such a template ends soon: its slots are drawn row by row
// up to a bound, and keep their numbers.
TEST_F(Faults, PageOfBillionsOfSlotsDrawsABoundedPart)
{
    TJOB job;
    job.MAKENEWTEMPLATE(10'000'000, 10'000'000);
    TTEMPLATE& t = *job.TEMPLATE();
    t.MULABELWIDTH = 1000;
    t.MULABELHEIGHT = 1000;
    RecordingCanvas canvas;
    TPRINTPARAMS p;
    p.Canvas = &canvas;
    p.PixPerMuX = p.PixPerMuY = 0.01;
    p.ShowLabels = false;
    p.ShowTemplate = true;

    t.NUMACROSS = 300000;
    t.NUMDOWN = 1000000;
    PRINT(job, p);
    QVector<CanvasOp> texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 20000);
    EXPECT_EQ(texts.front().text, QStringLiteral("Label [1]"));
    EXPECT_EQ(texts.back().text, QStringLiteral("Label [20000]"));

    canvas.clear();
    t.NUMACROSS = 7;
    t.NUMDOWN = INT32_MAX;
    p.PageIndex = 1;
    PRINT(job, p);
    texts = canvas.ops(CanvasOp::Text);
    ASSERT_EQ(texts.size(), 7 * 2858); // whole rows up to the bound
    EXPECT_EQ(texts.front().text, QStringLiteral("Label [%1]").arg(7LL * INT32_MAX + 1));
    EXPECT_EQ(texts[7].text, QStringLiteral("Label [%1]").arg(7LL * INT32_MAX + 8));
}

// A job file may name anything as its picture: a pipe or a device is refused
// unopened, a drawing too large to be a logo unread, a bitmap too large for
// memory by the image reader's limit.
TEST_F(Faults, PictureNamesThatAreNoPictureFilesAreRefusedQuickly)
{
    const QString pipe = path("logo.png");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    Picture picture;
    QString error;
    EXPECT_FALSE(loadPictureFile(pipe, picture, &error));
    EXPECT_EQ(error, pipe + QStringLiteral(" is not a plain file"));
    EXPECT_FALSE(loadPictureFile(QStringLiteral("/dev/zero"), picture, &error));
    // A folder is no plain file either; a missing picture cannot be opened.
    EXPECT_FALSE(loadPictureFile(dir.path(), picture, &error));
    EXPECT_EQ(error, dir.path() + QStringLiteral(" is not a plain file"));
    EXPECT_FALSE(loadPictureFile(path("gone.png"), picture, &error));
    EXPECT_EQ(error, QStringLiteral("Cannot open file ") + path("gone.png"));

    const QString drawing = path("huge.svg");
    {
        QFile f(drawing);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("<svg xmlns='http://www.w3.org/2000/svg' width='10' height='10'>");
        ASSERT_TRUE(f.resize(qint64(1) << 30));
    }
    EXPECT_FALSE(loadPictureFile(drawing, picture, &error));
    EXPECT_TRUE(error.contains(QStringLiteral("too large"))) << error.toStdString();

    const QString claimed = WriteFile(path("claims.png"), PngClaiming(60000, 60000));
    const long peakBefore = peakMegabytes();
    EXPECT_FALSE(loadPictureFile(claimed, picture, &error));
    EXPECT_LT(peakMegabytes() - peakBefore, 100);

    // The page is still drawn, without the picture.
    TJOB job;
    job.MAKENEWTEMPLATE(210000, 297000);
    job.JOBINFO()->ShowPic = true;
    job.DATAINFO()->PicFileName = pipe;
    RecordingCanvas canvas;
    TPRINTPARAMS p;
    p.Canvas = &canvas;
    p.PixPerMuX = p.PixPerMuY = 0.01;
    p.ShowTemplate = true;
    QString pictureError;
    PRINT(job, p, &pictureError);
    EXPECT_EQ(pictureError, pipe + QStringLiteral(" is not a plain file"));
    EXPECT_EQ(canvas.ops(CanvasOp::Text).size(), 1);
}

// A drawing is read alone, within bounds: whatever it names outside itself
// is refused before the SVG renderer could open it (a pipe here would block
// the renderer for good), and so are compressed drawings, entities, style
// sheet instructions and <use> references that multiply or loop.
TEST_F(Faults, DrawingsAreReadAloneAndWithinBounds)
{
    const QString pipe = path("fifo");
    ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const auto svg = [](const QByteArray& body) {
        return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
               "width='20' height='10'>"
               + body + "</svg>";
    };
    const auto refused = [&](const char* name, const QByteArray& bytes, const char* because) {
        Picture picture;
        QString error;
        EXPECT_FALSE(loadPictureFile(WriteFile(path(name), bytes), picture, &error)) << name;
        EXPECT_TRUE(error.contains(QLatin1String(because))) << name << ": " << error.toStdString();
        EXPECT_TRUE(picture.isNull());
    };
    const QByteArray linked = svg("<image width='9' height='9' xlink:href='" + pipe.toUtf8() + "'/>");
    refused("linked.svg", linked, "refers to the picture");
    refused("linked-drawing.png", linked, "refers to the picture"); // the content decides, not the name
    refused("sheet.svg", "<?xml-stylesheet type='text/css' href='" + pipe.toUtf8() + "'?>" + svg(""),
            "processing instruction");
    refused("entities.svg",
            "<!DOCTYPE svg [<!ENTITY a 'aaaaaaaaaa'><!ENTITY b '&a;&a;&a;&a;&a;&a;'>]>" + svg("<text>&b;</text>"),
            "document type");
    refused("outside-use.svg", svg("<use xlink:href='other.svg#part'/>"), "outside it");

    // gzip content, named .svgz or not.
    const QByteArray plain = svg("<rect width='20' height='10'/>");
    const QByteArray zlib = qCompress(plain);
    const auto le32 = [](quint32 v) {
        QByteArray bytes = Be32(v);
        std::reverse(bytes.begin(), bytes.end());
        return bytes;
    };
    const QByteArray gzip = QByteArray::fromHex("1f8b0800000000000003") + zlib.mid(6, zlib.size() - 10)
                            + le32(Crc32(plain)) + le32(quint32(plain.size()));
    refused("logo.svgz", gzip, "compressed");
    refused("logo-z.png", gzip, "compressed");

    // Embedded bitmaps count their pixels; an embedded drawing is refused.
    const auto image = [&](const QByteArray& bytes) {
        return "<image width='9' height='9' xlink:href='data:image/png;base64," + bytes.toBase64() + "'/>";
    };
    refused("huge-embedded.svg", svg(image(PngClaiming(60000, 60000))), "million pixels");
    refused("many-embedded.svg", svg(image(PngClaiming(3000, 3000)).repeated(2)), "million pixels");
    refused("embedded-drawing.svg", svg(image(linked)), "not a PNG");

    // Ten levels of ten uses each would draw ten billion elements.
    QByteArray bomb = "<defs><g id='l0'><rect width='1' height='1'/></g>";
    for (int level = 1; level <= 10; ++level) {
        bomb += QStringLiteral("<g id='l%1'>").arg(level).toUtf8();
        for (int i = 0; i < 10; ++i)
            bomb += QStringLiteral("<use xlink:href='#l%1'/>").arg(level - 1).toUtf8();
        bomb += "</g>";
    }
    refused("use-bomb.svg", svg(bomb + "</defs><use xlink:href='#l10'/>"), "draws more than");
    refused("use-loop.svg", svg("<g id='a'><use xlink:href='#a'/></g>"), "or in a loop");
    refused("gradient-loop.svg",
            svg("<linearGradient id='a' xlink:href='#b'/><linearGradient id='b' xlink:href='#a'/>"), "loop");
    refused("deep.svg", svg(QByteArray("<g>").repeated(300) + QByteArray("</g>").repeated(300)), "deep");

    // What a real logo holds passes: gradients taking another's stops, uses,
    // links, small embedded bitmaps.
    const QByteArray logo = svg("<defs><linearGradient id='g'><stop offset='0' stop-color='red'/></linearGradient>"
                                "<linearGradient id='h' xlink:href='#g'/><path id='p' d='M0 0L5 5'/></defs>"
                                "<a xlink:href='https://example.org/'><use xlink:href='#p' fill='url(#h)'/></a>"
                                + image(PngClaiming(2, 2)) + "<use xlink:href='#missing'/>");
    Picture picture;
    QString error;
    EXPECT_TRUE(loadPictureFile(WriteFile(path("logo.svg"), logo), picture, &error)) << error.toStdString();
    EXPECT_EQ(picture.size(), QSize(20, 10));
}

// The largest start and repeat numbers a file can hold keep the page count
// positive.
TEST_F(Faults, PageCountOfTheLargestNumbersStaysPositive)
{
    TJOB job;
    job.MAKENEWTEMPLATE(210000, 297000);
    job.DATAINFO()->FULLFILENAME = WriteFile(path("labels.txt"), "A\n\nB\n\nC\n");
    job.DATAINFO()->STARTLABNUM = INT32_MAX;
    job.DATAINFO()->RepeatLabelNum = INT32_MAX;
    ASSERT_TRUE(job.DATAINFO()->LOADDATA());
    EXPECT_EQ(job.DATAINFO()->LABELCOUNT(), INT32_MAX);
    EXPECT_EQ(job.PAGECOUNT(), INT32_MAX);
    EXPECT_EQ(job.labelForSlot(0, 0), -1);
    // Slot 2^32 - 2 lies 2^31 slots after the start: the second label.
    EXPECT_EQ(job.labelForSlot(INT32_MAX, INT32_MAX), 1);
}
