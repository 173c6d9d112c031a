// Writes the seed corpus of the fuzz targets: valid files of each kind, made
// with the program's own model, plus the RTF documents of the test data.
//   fuzz_seeds <corpus folder>     (normally tests/fuzz/corpus)
// Existing seeds of the same names are replaced; other files (regression
// inputs kept from findings) are left alone.

#include "FuzzTargets.h"

#include "model/ComponentStream.h"
#include "model/Font.h"
#include "model/Job.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <cstring>

namespace {

QString corpus;

void put(const char* target, const char* name, const QByteArray& bytes)
{
    const QString folder = corpus + u'/' + QString::fromLatin1(target);
    QDir().mkpath(folder);
    QFile file(folder + u'/' + QString::fromLatin1(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

void sheet(TTEMPLATE& t, MU w, MU h, int across, int down)
{
    t.PAPERMUWIDTH = w;
    t.PAPERMUHEIGHT = h;
    t.NUMACROSS = across;
    t.NUMDOWN = down;
    t.MULEFT = 7000;
    t.MUTOP = 13000;
    t.MULABELWIDTH = 63500;
    t.MULABELHEIGHT = 33900;
    t.MUHGAP = 2500;
    t.MUVGAP = 0;
}

void jobs()
{
    {
        TJOB job;
        job.CLEARDATA();
        put("job", "new-job.GVJ", job.jobFileBytes());
        sheet(*job.TEMPLATE(), 210000, 297000, 3, 8);
        put("job", "a4-3x8.GVJ", job.jobFileBytes());
        put("job", "with-tail.GVJ", job.jobFileBytes() + "tail bytes");
        // Table settings of a newer version, whole and cut short: read
        // leniently, never making the job unreadable.
        const QByteArray newer = objectTextToBinary(
            QStringLiteral("object TableSettings\n  Delimiter = ';'\n  LabelLayout = '{Town}'\nend\n"));
        put("job", "newer-table-settings.GVJ", job.jobFileBytes() + newer);
        put("job", "cut-table-settings.GVJ", job.jobFileBytes() + newer.left(newer.size() - 4));
    }
    {
        // Every kind of value the writer makes: identifiers, sets, extended
        // floats, wide, UTF-8 and long strings, 8/16/32-bit integers.
        TJOB job;
        job.MAKENEWTEMPLATE(279400, 215900);
        sheet(*job.TEMPLATE(), 279400, 215900, 4, 5);
        job.TEMPLATE()->MUVGAP = -1200;
        job.TEMPLATE()->SETLANDSCAPE(true);
        job.TEMPLATE()->FULLFILENAME = QStringLiteral("/home/user/Templates/letter landscape.GVT");
        TJOBINFO& f = *job.JOBINFO();
        f.MUBORDERLEFT = 1500;
        f.MUBORDERWIDTH = 250;
        f.BORDERCOLOR = 0x00FF8000;
        f.TEXTALIGNVERT = 2;
        f.TEXTJUSTIFY = 2;
        f.SHOWBORDER = true;
        f.TEXTSHRINKTOFIT = false;
        f.PicPCLeft = 12.5;
        f.PicPCTop = 1e-310; // subnormal
        f.PicPCWidth = 33.333333333333336;
        f.PicPCHeight = -40;
        f.UsePicPCTop = true;
        f.FONT.Name = QStringLiteral("Liberation Sans");
        f.FONT.Style = StoredFont::fsItalic | StoredFont::fsUnderline | StoredFont::fsStrikeOut;
        f.FONT.Pitch = StoredFont::fpVariable;
        f.FONT.Charset = 238;
        f.FONT.Color = 0x123456;
        TDATAINFO& d = *job.DATAINFO();
        d.FULLFILENAME = QStringLiteral("/data/adresses \u00e9t\u00e9 2024.txt");
        d.STARTLABNUM = 4;
        d.RepeatLabelNum = 300;
        d.PicFileName = QStringLiteral("/pics/") + QString(300, u'x') + QStringLiteral(".png");
        put("job", "every-value-kind.GVJ", job.jobFileBytes());
        d.FULLFILENAME = QStringLiteral("\u00e9\u00e8\u00ea\u00eb");
        d.PicFileName = QStringLiteral("\u65e5\u672c\u8a9e.png");
        f.FONT.Color = static_cast<qint32>(0x80000005u);
        f.FONT.Pitch = StoredFont::fpFixed;
        put("job", "wide-strings.GVJ", job.jobFileBytes());
    }
    {
        // A well-formed file with absurd numbers, as a damaged or hostile
        // file may carry them. Also the regression case of two faults the
        // job target found: signed overflow in the slot rectangles (every
        // seed showed it) and in the label under the pointer (this one).
        TJOB job;
        TTEMPLATE& t = *job.TEMPLATE();
        sheet(t, INT32_MAX, 1, INT32_MAX, 2);
        t.MULEFT = 0;
        t.MUTOP = 0;
        t.MULABELWIDTH = 100;
        t.MULABELHEIGHT = INT32_MAX;
        t.MUHGAP = INT32_MIN;
        t.MUVGAP = -1;
        job.DATAINFO()->STARTLABNUM = INT32_MIN;
        job.DATAINFO()->RepeatLabelNum = INT32_MAX;
        job.JOBINFO()->MUBORDERLEFT = INT32_MIN;
        job.JOBINFO()->FONT.Height = INT32_MIN;
        put("job", "absurd-numbers.GVJ", job.jobFileBytes());
    }
}

void templates()
{
    TTEMPLATE t;
    sheet(t, 210000, 297000, 3, 8);
    QByteArray bytes;
    WriteObjectStream(bytes, t);
    put("template", "a4-3x8.GVT", bytes);

    TTEMPLATE l;
    sheet(l, 297000, 210000, 2, 4);
    l.SETLANDSCAPE(true);
    l.FULLFILENAME = QStringLiteral("/home/user/Templates/a4 landscape.GVT");
    l.MULEFT = -5;
    l.MUTOP = 40000;
    l.MUHGAP = 2147483647;
    bytes.clear();
    WriteObjectStream(bytes, l);
    put("template", "landscape.GVT", bytes);

    // A job file opened as a template: its first stream is a label format.
    TJOB job;
    put("template", "job-as-template.GVJ", job.jobFileBytes());
}

void fonts()
{
    put("font", "default-label-font.txt", FNFONTTOSTRING(defaultLabelFont()).toUtf8());
    StoredFont f = defaultLabelFont();
    f.Name = QStringLiteral("O'Brien, \"Quoted\" Sans");
    f.Style = StoredFont::fsBold | StoredFont::fsItalic | StoredFont::fsUnderline | StoredFont::fsStrikeOut;
    f.Pitch = StoredFont::fpFixed;
    f.Color = 0x00ABCDEF;
    f.Charset = 99;
    f.Height = -40000;
    put("font", "quoted-name.txt", FNFONTTOSTRING(f).toUtf8());
    f.Name = QStringLiteral("Schrift\u00e4\u00f6\u00fc\tTab");
    f.Style = 0;
    f.Color = static_cast<qint32>(0x8000001Bu);
    f.Height = 300;
    put("font", "no-style.txt", FNFONTTOSTRING(f).toUtf8());
    // Lower-case paths and extra blanks read the same.
    put("font", "lower-case.txt",
        "\"object TFONTWRAPPER\", \"  font.charset = default_charset\",\"  font.color = clblack\","
        "\"  font.height = -16\",\"  font.name = 'COURIER NEW'\",\"  font.style = [fsbold]\",end");
}

void dataFiles()
{
    put("datafile", "labels-lf.txt", "Anna Smith\n12 High Street\nLeeds\n\nBob Jones\n3 Low Road\nYork\n");
    put("datafile", "labels-crlf.txt", "Anna Smith\r\n12 High Street\r\n\r\n\r\nBob Jones\r\n3 Low Road\r\n");
    put("datafile", "labels-cr.txt", "A\rB\r\rC\r");
    put("datafile", "lf-cr-splits.txt", "A\n\rB\n\rC");
    put("datafile", "leading-empty.txt", "\n\nX\n \nY\n\n\n");
    put("datafile", "utf8-bom.txt",
        "\xEF\xBB\xBF\xC3\xA9t\xC3\xA9\nStra\xC3\x9F"
        "e\n\n\xE6\x97\xA5\xE6\x9C\xAC\n");
    put("datafile", "utf8-bom-stray-byte.txt", "\xEF\xBB\xBFZo\xEB\nCaf\xC3\xA9\n");
    put("datafile", "windows-1252.txt", "caf\xE9\n\x80 5\n\x81\x8D\x8F\x90\x9D\n\n\x93quoted\x94\n");
    put("datafile", "nul-ends.txt", QByteArray("first\nsecond\n\0hidden\nlines\n", 27));
    QByteArray longLines;
    for (int i = 0; i < 40; ++i)
        longLines += QByteArray(17 + i % 23, char('a' + i % 26)) + (i % 5 == 4 ? "\r\n\r\n" : i % 3 ? "\n" : "\r");
    put("datafile", "long-lines.txt", longLines);
    // "Unicode" text from Windows editors: UTF-16 with a byte-order mark,
    // a lone surrogate, U+0000 with text after it, an odd last byte.
    put("datafile", "utf16-le.txt", QByteArray("\xFF\xFEG\0r\0\xFC\0\r\0\n\0\r\0\n\0\xAC\x20\0\xD8x\0\0\0y\0z", 27));
    put("datafile", "utf16-be.txt", QByteArray("\xFE\xFF\0A\0\n\xD8\x3D\xDE\x00\0\r\0\rB", 15));
}

// A table seed: switches, the layout's length, the layout, the table.
void table(const char* name, char switches, const QByteArray& layout, const QByteArray& content)
{
    put("table", name, QByteArray(1, switches) + char(layout.size()) + layout + content);
}

void tables()
{
    for (const char* name : {"spreadsheet-export.csv", "semicolon-decimal.csv", "address-book.tsv",
                             "missing-column.csv", "byte-order-mark.csv"}) {
        QFile f(QStringLiteral(GORVIN_SOURCE_ROOT "/tests/data/tables/") + QString::fromLatin1(name));
        if (f.open(QIODevice::ReadOnly))
            table(name, name[std::strlen(name) - 3] == 't' ? 1 : 0, QByteArray(), f.readAll());
    }
    table("layout-by-name.csv", 0, "{Name}\n{Company}\n{Zip} {City}",
          "Name,Company,Zip,City\r\nAnna,,LS1,Leeds\r\nBob,\"A, B\",YO1,York\r\n");
    table("layout-unknown-and-open.csv", 0, "{1} {Nope}\n{{x}}\n{2", "a,b\nc,d\n");
    table("unclosed-quote.csv", 0, QByteArray(), "a,b\n\"open,c\nd,\"\"e\n");
    table("nul-inside.csv", 0, QByteArray(), QByteArray("a,b\nc,d\0e,f\n", 12));
    table("utf16-le.tsv", 1, QByteArray(), QByteArray("\xFF\xFEx\0\t\0y\0\n\0", 10));
    table("separators-only.csv", 0, QByteArray(), ",,\n;;\n\t\n\n\"\"\n");
    table("blanks-and-decimal-commas.csv", 0, QByteArray(), "Apple;1,50\n  ;\t\n\" \";\nPear;2,75\n");
    table("unnamed-index-column.csv", 0, "{Name}", ",Name,City\n0,Ann Lee,Leeds\n1,Bob Fox,York\n");
    // Layouts the expansion folds: runs of one field, equal lines, lines of
    // text, lines left out, breaks in fields (CR LF across two fields).
    table("layout-repeats.csv", 0, "{A}{A}{A}{A}{A}{A}{A}{A}\n{B}\n{B}\n{B}\nx\ny\n\n{C}{B}{C}\n{ a }{{}}",
          "A,B,C\nlong field,\"x\r\",\"\ny\"\n,,\n\"two\nlines\",b,c\n");
    table("layout-by-number.csv", 0, "{3}{2}{1}{4}\n{1}\r\n{2}\r{3}", "1,2,3\n4,,6\n");
}

// A settings file as the program writes it, and as hands spoil it.
void settingsFiles()
{
    const QByteArray written = "[Software]\n"
                               "Mardo\\Gorvin\\v2\\Files\\Closed\\Job0=/home/a/Labels/order.GVJ\n"
                               "Mardo\\Gorvin\\v2\\Files\\Closed\\JobCOUNT=1\n"
                               "Mardo\\Gorvin\\v2\\Printers\\HP%20LaserJet\\Font=\"\\\"object\\\", x\"\n"
                               "Mardo\\Gorvin\\v2\\Settings\\Blanks=\"  a  \"\n"
                               "Mardo\\Gorvin\\v2\\Settings\\Escapes=tab\\tnul\\0\\x31\\x7f\\101@\n"
                               "Mardo\\Gorvin\\v2\\Settings\\Units=millimeters\n"
                               "Mardo\\Gorvin\\v2\\Settings\\Variant=@@Variant(x)\n";
    put("settings", "as-written.ini", written);
    put("settings", "hand-edited.ini",
        "\xEF\xBB\xBF; notes\r\n[Software]\r\nMardo\\Gorvin\\v2\\Settings\\AppLocation=/opt/x\"y\r\n"
        "Mardo\\Gorvin\\v2\\Settings\\Folder=/opt/a,b\r\nno equals sign\r\n[Unclosed\r\n"
        "Mardo\\Gorvin\\v2\\Settings\\Units=inches\r\nMardo\\Gorvin\\v2\\Settings\\Units=cm\r\n"
        "[General]\r\nloose=@ByteArray(x)\r\n[%General]\r\nx%U00e9%zz=1\r\n\r\n[Software]\r\nA\\B=2");
}

void rtf()
{
    for (const char* name : {"libreoffice-from-docx.rtf", "libreoffice-from-odt.rtf", "pandoc-sample.rtf"}) {
        QFile f(QStringLiteral(GORVIN_SOURCE_ROOT "/tests/data/rtf/") + QString::fromLatin1(name));
        if (f.open(QIODevice::ReadOnly))
            put("rtf", name, f.readAll());
    }
    QFile doc(QStringLiteral(GORVIN_SOURCE_ROOT "/docs/Gorvin02Instructions.rtf"));
    if (doc.open(QIODevice::ReadOnly))
        put("rtf", "instructions.rtf", doc.readAll());
    put("rtf", "small-features.rtf",
        "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}{\\f1\\fcharset204 Times;}"
        "{\\f2\\fcharset128 MS Mincho;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
        "{\\info{\\title Label help}{\\author Mardo}}\\uc1\\pard\\qc\\sb120\\sa60\\li360\\ri360\\fi-180"
        "\\tx720\\tx1440 {\\b\\fs32 Title}\\par\\pard\\qj {\\i italic} {\\ul under}{\\ulnone} {\\strike gone} "
        "x{\\super 2} H{\\sub 2}O \\cf1 red\\cf0  \\highlight2 mark\\highlight0 \\'e9t\\'e9 {\\f1 \\'c0\\'c1} "
        "{\\f2 \\'82\\'a0} \\u8364?\\uc2\\u8212--\\uc1 \\tab tab\\line break\\emdash\\endash\\bullet"
        "\\lquote\\rquote\\ldblquote\\rdblquote\\~\\-\\_\\{\\}\\\\\\par"
        "{\\field{\\*\\fldinst HYPERLINK \"https://example.org/labels\"}{\\fldrslt link text}}\\par"
        "\\trowd\\cellx2000\\cellx4000 a\\cell b\\cell\\row\\pard"
        "{\\pict\\pngblip 89504e47}{\\*\\unknown skipped}{\\header head}{\\footnote note}"
        "\\bin4 \x01\x02\x03\x04 after\\par\\page\\sect}");
    put("rtf", "deep-groups.rtf", "{\\rtf1 " + QByteArray(300, '{') + "deep" + QByteArray(300, '}') + "}");
    put("rtf", "mac-and-pc.rtf", "{\\rtf1\\mac \\'8a\\'9a\\par}{\\rtf1\\pc \\'82}");
}

// Pages: a job with its picture and data file, as the page target reads
// them. Among them the hostile inputs the renderer and the picture reader
// bound: absurd font heights, compressed drawings, drawings that name files
// outside them or multiply their <use> references, a very long line.
void pages()
{
    TJOB job;
    sheet(*job.TEMPLATE(), 210000, 297000, 3, 8);
    TJOBINFO& f = *job.JOBINFO();
    f.SHOWBORDER = true;
    f.ShowPic = true;
    f.FitToLabel = true;
    f.KeepRatio = true;
    const QByteArray addresses =
        "Anna Smith\n12 High Street\nLeeds\n\nBob Jones\n3 Low Road\nYork\n\n\xC3\xA9t\xC3\xA9\n";

    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QByteArray png;
    {
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        image.save(&buffer, "PNG");
    }
    const auto svg = [](const QByteArray& body) {
        return "<svg xmlns='http://www.w3.org/2000/svg' xmlns:xlink='http://www.w3.org/1999/xlink' "
               "width='30' height='20'>"
               + body + "</svg>";
    };
    constexpr quint8 Svg = 0, Png = 1, Svgz = 2, Printer = 4, Outlines = 16;

    put("page", "address-labels-png.bin", PageInput(Png | Printer, 0, png, job.jobFileBytes(), addresses));
    {
        // Table data through a layout; a drawing too costly for vectors.
        constexpr quint8 Table = 32;
        TJOB tableJob;
        sheet(*tableJob.TEMPLATE(), 210000, 297000, 3, 8);
        tableJob.JOBINFO()->ShowPic = true;
        tableJob.JOBINFO()->FitToLabel = true;
        tableJob.DATAINFO()->FULLFILENAME = QStringLiteral("/home/a/addresses.csv");
        tableJob.DATAINFO()->tableSettings().LabelLayout = QStringLiteral(
            "{Name}{Name}{Name}\n{Street}\n{Street}\n{ town }\nUK\n\n{2}{{x}}");
        QByteArray stops;
        for (int i = 0; i < 2000; ++i)
            stops += "<stop offset='" + QByteArray::number(i / 2000.0) + "' stop-color='#"
                     + QByteArray::number(0x100000 + i * 4099, 16) + "'/>";
        const QByteArray costly = svg("<linearGradient id='g'>" + stops + "</linearGradient>"
                                      + QByteArray("<rect width='30' height='20' fill='url(#g)'/>").repeated(4));
        put("page", "table-layout-costly-svg.bin",
            PageInput(Svg | Table | Printer, 0, costly, tableJob.jobFileBytes(),
                      "Name,Street,Town\nAnna Smith,12 High Street,Leeds\n\"Bob\r\n Jones\",,York\n,,\n"));
    }
    put("page", "preview-with-outlines-svg.bin",
        PageInput(Svg | Outlines, 60, svg("<circle cx='15' cy='10' r='8' fill='red'/>"), job.jobFileBytes(),
                  addresses));
    put("page", "svg-embedded-png.bin",
        PageInput(Svg, 200,
                  svg("<image width='30' height='20' xlink:href='data:image/png;base64," + png.toBase64() + "'/>"),
                  job.jobFileBytes(), addresses));
    put("page", "svg-image-href-to-a-file.bin",
        PageInput(Svg, 80, svg("<image width='30' height='20' xlink:href='/dev/zero'/>"), job.jobFileBytes(),
                  addresses));
    put("page", "svg-stylesheet-instruction.bin",
        PageInput(Svg, 80, "<?xml-stylesheet type='text/css' href='/dev/zero'?>" + svg(""), job.jobFileBytes(),
                  addresses));
    QByteArray uses = "<defs><g id='l0'><rect width='1' height='1'/></g>";
    for (int level = 1; level <= 8; ++level)
        uses += "<g id='l" + QByteArray::number(level) + "'>"
                + ("<use xlink:href='#l" + QByteArray::number(level - 1) + "'/>").repeated(10) + "</g>";
    put("page", "svg-use-bomb.bin",
        PageInput(Svg, 80, svg(uses + "</defs><use xlink:href='#l8'/>"), job.jobFileBytes(), addresses));
    // A gzip stream of a drawing (stored, not deflated: the header is what counts).
    const QByteArray plain = svg("<rect width='30' height='20'/>");
    put("page", "svgz-picture.bin",
        PageInput(Svgz, 80, QByteArray::fromHex("1f8b08000000000000ff") + plain, job.jobFileBytes(), addresses));

    f.FONT.Height = -2000000000;
    f.TEXTSHRINKTOFIT = true;
    put("page", "font-height-minus-two-billion-shrink.bin",
        PageInput(Png | Printer, 0, png, job.jobFileBytes(), addresses));
    f.FONT.Height = -10000;
    f.TEXTSHRINKTOFIT = false;
    put("page", "font-height-minus-ten-thousand.bin", PageInput(Png, 255, png, job.jobFileBytes(), addresses));
    f.FONT.Height = INT32_MIN;
    put("page", "font-height-int-min.bin", PageInput(Png | Printer, 0, png, job.jobFileBytes(), addresses));

    f.FONT = defaultLabelFont();
    f.TEXTSHRINKTOFIT = true;
    f.TEXTALIGNHORIZ = 2;
    job.DATAINFO()->RepeatLabelNum = 24;
    put("page", "long-line-on-every-label.bin",
        PageInput(Png, 100, png, job.jobFileBytes(), QByteArray("Northampton ").repeated(5000) + "\nNN1 2AB\n"));
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <corpus folder>\n", argv[0]);
        return 2;
    }
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    QGuiApplication app(argc, argv);
    corpus = QString::fromLocal8Bit(argv[1]);
    jobs();
    templates();
    fonts();
    dataFiles();
    tables();
    settingsFiles();
    rtf();
    pages();
    return 0;
}
