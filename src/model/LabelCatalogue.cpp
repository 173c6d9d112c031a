#include "LabelCatalogue.h"

#include "model/Template.h"
#include "support/ErrorLog.h"
#include "support/Messages.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStandardPaths>
#include <QXmlStreamReader>
#include <QtDebug>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <map>

namespace {

// A catalogue length in MU: exact to the fraction, and rounded.
struct Length {
    long double exact = 0;
    MU mu = 0;
};

// MU in one unit of each length unit the catalogue writes, as a fraction.
struct CatalogueUnit {
    qint64 num;
    qint64 den;
};

std::optional<CatalogueUnit> unitOf(QStringView unit)
{
    if (unit.isEmpty() || unit.compare(u"pt", Qt::CaseInsensitive) == 0)
        return CatalogueUnit{25400, 72};
    if (unit.compare(u"in", Qt::CaseInsensitive) == 0)
        return CatalogueUnit{25400, 1};
    if (unit.compare(u"mm", Qt::CaseInsensitive) == 0)
        return CatalogueUnit{1000, 1};
    if (unit.compare(u"cm", Qt::CaseInsensitive) == 0)
        return CatalogueUnit{10000, 1};
    if (unit.compare(u"pc", Qt::CaseInsensitive) == 0)
        return CatalogueUnit{25400, 6};
    return std::nullopt;
}

// A decimal number as digits and a power of ten, read exactly so that a
// length that lies half-way between two MU rounds as the rule says.
struct Decimal {
    Int128 digits = 0;
    int exponent = 0;
};

std::optional<Decimal> parseDecimal(QStringView text)
{
    constexpr int MaxDigits = 30;
    Decimal d;
    qsizetype i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    int significant = 0, seen = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'.' && !point) {
            point = true;
            continue;
        }
        if (!c.isDigit() || c.unicode() > u'9')
            break;
        ++seen;
        if (significant == 0 && c == u'0') {
            if (point)
                --d.exponent;
            continue;
        }
        if (++significant > MaxDigits)
            return std::nullopt;
        d.digits = d.digits * 10 + (c.unicode() - u'0');
        if (point)
            --d.exponent;
    }
    if (seen == 0)
        return std::nullopt;
    if (i < text.size() && (text[i] == u'e' || text[i] == u'E')) {
        bool ok = false;
        const int e = text.mid(i + 1).toInt(&ok);
        if (!ok || e < -MaxDigits || e > MaxDigits)
            return std::nullopt;
        d.exponent += e;
        i = text.size();
    }
    if (i != text.size() || d.exponent < -MaxDigits)
        return std::nullopt;
    if (negative)
        d.digits = -d.digits;
    return d;
}

// A catalogue length in MU; none when the text is no length or does not fit.
std::optional<Length> lengthOf(QStringView text)
{
    text = text.trimmed();
    qsizetype unitStart = text.size();
    while (unitStart > 0 && text[unitStart - 1].isLetter())
        --unitStart;
    const std::optional<CatalogueUnit> unit = unitOf(text.mid(unitStart));
    const std::optional<Decimal> number = parseDecimal(text.left(unitStart).trimmed());
    if (!unit || !number)
        return std::nullopt;
    // First a rough size, so that the exact fraction below cannot overflow.
    const long double rough = static_cast<long double>(number->digits) * std::pow(10.0L, number->exponent) * unit->num
                              / unit->den;
    if (!(std::fabs(rough) < static_cast<long double>(std::numeric_limits<MU>::max())))
        return std::nullopt;
    Int128 num = number->digits * unit->num;
    Int128 den = unit->den;
    for (int e = number->exponent; e > 0; --e)
        num *= 10;
    for (int e = number->exponent; e < 0; ++e)
        den *= 10;
    const bool negative = num < 0;
    const Int128 magnitude = negative ? -num : num;
    Int128 q = magnitude / den;
    const Int128 r = magnitude % den;
    if (2 * r > den || (2 * r == den && q % 2 != 0))
        ++q;
    Length length;
    length.mu = static_cast<MU>(negative ? -q : q);
    length.exact = static_cast<long double>(num) / static_cast<long double>(den);
    return length;
}

struct PaperSize {
    const char* id;
    const char* name;
    MU width;
    MU height;
};

// The sheets the catalogue's products are printed on, for a catalogue that
// comes without its list of paper sizes.
constexpr std::array<PaperSize, 10> BuiltInPapers = {{
    {"A3", "A3", 297000, 420000},
    {"A4", "A4", 210000, 297000},
    {"A5", "A5", 148000, 210000},
    {"A6", "A6", 105000, 148000},
    {"B4", "B4", 250000, 353000},
    {"B5", "B5", 176000, 250000},
    {"SRA3", "SRA3", 320000, 450000},
    {"US-Letter", "US Letter", 215900, 279400},
    {"US-Legal", "US Legal", 215900, 355600},
    {"US-Executive", "US Executive", 184150, 266700},
}};

struct KnownPaper {
    QString name;
    Length width;
    Length height;
};

// A product as it stands in its file, before lengths are read.
struct RawProduct {
    QString file;
    qint64 line = 0;
    QString brand, part, description, equiv, size;
    std::optional<QString> paperWidth, paperHeight;
    int shapes = 0; // label elements of any shape
    bool rectangle = false;
    int layouts = 0; // layouts of the rectangle
    std::optional<QString> labelWidth, labelHeight;
    std::optional<QString> nx, ny, x0, y0, dx, dy; // the first layout's
};

std::optional<QString> attribute(const QXmlStreamAttributes& attributes, QLatin1StringView name)
{
    if (!attributes.hasAttribute(name))
        return std::nullopt;
    return attributes.value(name).toString();
}

void readLayout(QXmlStreamReader& xml, RawProduct& raw)
{
    if (++raw.layouts == 1) {
        const QXmlStreamAttributes a = xml.attributes();
        raw.nx = attribute(a, QLatin1StringView("nx"));
        raw.ny = attribute(a, QLatin1StringView("ny"));
        raw.x0 = attribute(a, QLatin1StringView("x0"));
        raw.y0 = attribute(a, QLatin1StringView("y0"));
        raw.dx = attribute(a, QLatin1StringView("dx"));
        raw.dy = attribute(a, QLatin1StringView("dy"));
    }
    xml.skipCurrentElement();
}

RawProduct readTemplate(QXmlStreamReader& xml, const QString& file)
{
    RawProduct raw;
    raw.file = file;
    raw.line = xml.lineNumber();
    const QXmlStreamAttributes a = xml.attributes();
    raw.brand = a.value(QLatin1StringView("brand")).trimmed().toString();
    raw.part = a.value(QLatin1StringView("part")).trimmed().toString();
    raw.equiv = a.value(QLatin1StringView("equiv")).trimmed().toString();
    raw.size = a.value(QLatin1StringView("size")).trimmed().toString();
    raw.description = a.hasAttribute(QLatin1StringView("_description"))
                          ? a.value(QLatin1StringView("_description")).toString()
                          : a.value(QLatin1StringView("description")).toString();
    raw.description = raw.description.simplified();
    raw.paperWidth = attribute(a, QLatin1StringView("width"));
    raw.paperHeight = attribute(a, QLatin1StringView("height"));

    while (xml.readNextStartElement()) {
        if (!xml.name().startsWith(u"Label-")) {
            xml.skipCurrentElement();
            continue;
        }
        ++raw.shapes;
        if (xml.name() != u"Label-rectangle") {
            xml.skipCurrentElement();
            continue;
        }
        raw.rectangle = true;
        const QXmlStreamAttributes label = xml.attributes();
        raw.labelWidth = attribute(label, QLatin1StringView("width"));
        raw.labelHeight = attribute(label, QLatin1StringView("height"));
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Layout")
                readLayout(xml, raw);
            else
                xml.skipCurrentElement();
        }
    }
    return raw;
}

// Natural order of part numbers: digit runs compare by their value, so 5160
// comes before 15160; otherwise case-insensitive.
int naturalCompare(const QString& a, const QString& b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            qsizetype ie = i, je = j;
            while (ie < a.size() && a[ie].isDigit())
                ++ie;
            while (je < b.size() && b[je].isDigit())
                ++je;
            // Compare the runs' values by length after leading zeros, then digit by digit.
            qsizetype is = i, js = j;
            while (is < ie - 1 && a[is] == u'0')
                ++is;
            while (js < je - 1 && b[js] == u'0')
                ++js;
            if (ie - is != je - js)
                return ie - is < je - js ? -1 : 1;
            if (const int c = QStringView(a).mid(is, ie - is).compare(QStringView(b).mid(js, je - js)); c != 0)
                return c;
            i = ie;
            j = je;
            continue;
        }
        const QChar ca = a[i].toCaseFolded(), cb = b[j].toCaseFolded();
        if (ca != cb)
            return ca < cb ? -1 : 1;
        ++i;
        ++j;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return a.compare(b);
}

QString key(const QString& brand, const QString& part)
{
    return brand.toCaseFolded() + QChar(0) + part.toCaseFolded();
}

// What became of a product's own definition.
enum class ProductOutcome { Offered, NotOffered, Broken };

// Reads a file of the catalogue into the raw products and paper sizes.
struct FileReader {
    std::vector<RawProduct>& products;
    std::map<QString, KnownPaper>& papers;

    // False with the reason when the file is not well-formed; then nothing
    // of it is kept. `isCatalogue` tells whether it held products or papers.
    bool read(const QString& path, bool& isCatalogue, QString& reason)
    {
        isCatalogue = false;
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            reason = file.errorString();
            return false;
        }
        QXmlStreamReader xml(&file);
        std::vector<RawProduct> found;
        std::map<QString, KnownPaper> foundPapers;
        if (xml.readNextStartElement()) {
            if (xml.name() == u"Glabels-templates") {
                isCatalogue = true;
                while (xml.readNextStartElement()) {
                    if (xml.name() == u"Template")
                        found.push_back(readTemplate(xml, path));
                    else
                        xml.skipCurrentElement();
                }
            } else if (xml.name() == u"Glabels-paper-sizes") {
                isCatalogue = true;
                readPapers(xml, path, foundPapers);
            } else {
                return true; // vendors, categories: not needed here
            }
        }
        if (xml.hasError()) {
            reason = xml.errorString() + QStringLiteral(" (line %1)").arg(xml.lineNumber());
            return false;
        }
        if (!isCatalogue) { // no element at all
            reason = Messages::catalogueNoXml();
            return false;
        }
        for (RawProduct& p : found)
            products.push_back(std::move(p));
        for (auto& [id, paper] : foundPapers)
            papers.insert_or_assign(id, paper);
        return true;
    }

    static void readPapers(QXmlStreamReader& xml, const QString& path, std::map<QString, KnownPaper>& found)
    {
        while (xml.readNextStartElement()) {
            if (xml.name() == u"Paper-size") {
                const QXmlStreamAttributes a = xml.attributes();
                const QString id = a.value(QLatin1StringView("id")).trimmed().toString();
                const auto w = lengthOf(a.value(QLatin1StringView("width")));
                const auto h = lengthOf(a.value(QLatin1StringView("height")));
                QString name = a.hasAttribute(QLatin1StringView("_name"))
                                   ? a.value(QLatin1StringView("_name")).toString()
                                   : a.value(QLatin1StringView("name")).toString();
                if (!id.isEmpty() && w && h && w->mu > 0 && h->mu > 0)
                    found[id] = {name.isEmpty() ? id : name, *w, *h};
                else
                    qWarning("Label catalogue: %s line %lld: paper size '%s' passed over", qPrintable(path),
                             static_cast<long long>(xml.lineNumber()), qPrintable(id));
            }
            xml.skipCurrentElement();
        }
    }
};

} // namespace

// ---------------------------------------------------------------- product

QString LabelProduct::title() const
{
    return brand + QLatin1Char(' ') + part;
}

void LabelProduct::applyGrid(TTEMPLATE& t) const
{
    t.NUMACROSS = numAcross;
    t.NUMDOWN = numDown;
    t.MULEFT = Left;
    t.MUTOP = Top;
    t.MULABELWIDTH = labelWidth;
    t.MULABELHEIGHT = labelHeight;
    t.MUHGAP = hGap;
    t.MUVGAP = vGap;
}

std::optional<MU> catalogueLengthToMu(QStringView text)
{
    const std::optional<Length> length = lengthOf(text);
    if (!length)
        return std::nullopt;
    return length->mu;
}

bool productMatches(const LabelProduct& product, const QString& filter)
{
    for (const QStringView word : QStringView(filter).split(u' ', Qt::SkipEmptyParts))
        if (!product.brand.contains(word, Qt::CaseInsensitive) && !product.part.contains(word, Qt::CaseInsensitive)
            && !product.description.contains(word, Qt::CaseInsensitive))
            return false;
    return true;
}

std::optional<std::pair<MU, MU>> builtInPaperSize(const QString& id)
{
    for (const PaperSize& p : BuiltInPapers)
        if (id.compare(QLatin1StringView(p.id), Qt::CaseInsensitive) == 0)
            return std::make_pair(p.width, p.height);
    return std::nullopt;
}

// ---------------------------------------------------------------- catalogue

QString LabelCatalogue::defaultFolder()
{
    const QString sub = QStringLiteral("libglabels-3.0/templates");
    const QString found = QStandardPaths::locate(QStandardPaths::GenericDataLocation, sub,
                                                 QStandardPaths::LocateDirectory);
    return found.isEmpty() ? QStringLiteral("/usr/share/") + sub : QDir::cleanPath(found);
}

const LabelProduct* LabelCatalogue::find(const QString& brand, const QString& part) const
{
    for (const LabelProduct& p : products_)
        if (p.brand.compare(brand, Qt::CaseInsensitive) == 0 && p.part.compare(part, Qt::CaseInsensitive) == 0)
            return &p;
    return nullptr;
}

void LabelCatalogue::report(const QString& text)
{
    problems_ << text;
    try {
        FNLOGERROR(LogNumber, text, false, false);
    } catch (const ErrorLogFailure& e) {
        qWarning("%s (%s)", qPrintable(text), e.what());
    }
}

bool LabelCatalogue::read(const QString& folder)
{
    folder_ = folder;
    products_.clear();
    problems_.clear();
    filesRead_ = filesSkipped_ = notOffered_ = 0;

    std::vector<RawProduct> raws;
    std::map<QString, KnownPaper> papers;
    for (const PaperSize& p : BuiltInPapers)
        papers[QString::fromLatin1(p.id)] = {QString::fromLatin1(p.name),
                                             {static_cast<long double>(p.width), p.width},
                                             {static_cast<long double>(p.height), p.height}};

    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral("*.xml"), QStringLiteral("*.XML")},
                                            QDir::Files | QDir::Readable, QDir::Name);
    FileReader reader{raws, papers};
    for (const QString& name : names) {
        const QString path = dir.filePath(name);
        bool isCatalogue = false;
        QString reason;
        if (!reader.read(path, isCatalogue, reason)) {
            ++filesSkipped_;
            report(Messages::catalogueFileSkipped(path, reason));
        } else if (isCatalogue) {
            ++filesRead_;
        }
    }

    // The first definition of a brand and part counts.
    std::map<QString, std::size_t> byKey;
    for (std::size_t i = 0; i < raws.size(); ++i)
        if (!raws[i].brand.isEmpty() && !raws[i].part.isEmpty())
            byKey.try_emplace(key(raws[i].brand, raws[i].part), i);

    // Each definition is converted once; its equivalents copy the result.
    std::vector<std::optional<ProductOutcome>> outcomes(raws.size());
    std::vector<LabelProduct> converted(raws.size());

    auto skipped = [](const RawProduct& raw, const QString& problem) {
        return Messages::catalogueProductSkipped(raw.file, raw.line, raw.brand, raw.part, problem);
    };

    auto convert = [&](std::size_t index) -> ProductOutcome {
        const RawProduct& raw = raws[index];
        if (raw.shapes != 1 || !raw.rectangle || raw.layouts != 1)
            return ProductOutcome::NotOffered;
        LabelProduct& p = converted[index];
        QString problem;
        // A missing or empty offset or pitch is 0, as the catalogue writes
        // it for a single row or column.
        auto length = [&](const std::optional<QString>& text, const char* what, bool required) -> Length {
            if (!text || text->trimmed().isEmpty()) {
                if (required && problem.isEmpty())
                    problem = Messages::catalogueValueMissing(QLatin1StringView(what).toString());
                return {};
            }
            const std::optional<Length> read = lengthOf(*text);
            if (!read && problem.isEmpty())
                problem = Messages::catalogueNotALength(QLatin1StringView(what).toString(), *text);
            return read.value_or(Length{});
        };
        auto count = [&](const std::optional<QString>& text, const char* what) -> qint32 {
            const std::optional<qint32> n = text ? storedTextToInteger(*text) : std::nullopt;
            if (!n && problem.isEmpty())
                problem = Messages::catalogueNotAWholeNumber(QLatin1StringView(what).toString(),
                                                             text.value_or(QString()));
            return n.value_or(0);
        };

        KnownPaper paper;
        if (raw.size.isEmpty() || raw.size.compare(u"Other", Qt::CaseInsensitive) == 0) {
            paper.width = length(raw.paperWidth, "paper width", true);
            paper.height = length(raw.paperHeight, "paper height", true);
            p.paperId = QStringLiteral("Other");
        } else if (const auto known = papers.find(raw.size); known != papers.end()) {
            paper = known->second;
            p.paperId = raw.size;
        } else {
            problem = Messages::catalogueUnknownPaperSize(raw.size);
        }
        const Length w = length(raw.labelWidth, "label width", true);
        const Length h = length(raw.labelHeight, "label height", true);
        const Length x0 = length(raw.x0, "left offset x0", false);
        const Length y0 = length(raw.y0, "top offset y0", false);
        const Length dx = length(raw.dx, "horizontal pitch dx", false);
        const Length dy = length(raw.dy, "vertical pitch dy", false);
        const qint32 nx = count(raw.nx, "number across nx");
        const qint32 ny = count(raw.ny, "number down ny");
        if (!problem.isEmpty()) {
            report(skipped(raw, problem));
            return ProductOutcome::Broken;
        }

        p.paperName = paper.name;
        p.paperWidth = paper.width.mu;
        p.paperHeight = paper.height.mu;
        p.numAcross = nx;
        p.numDown = ny;
        p.Left = x0.mu;
        p.Top = y0.mu;
        // The sheet as the layout dialog can hold it: positive sizes, no
        // negative margins, paper within the paper-type dialog's limits.
        if (nx < 1 || ny < 1 || w.exact <= 0 || h.exact <= 0 || p.Left < 0 || p.Top < 0 || p.paperWidth <= 0
            || p.paperHeight <= 0 || p.paperWidth > 900000 || p.paperHeight > 1200000)
            return ProductOutcome::NotOffered;

        // One axis of the grid. The gap is the pitch less the label, both
        // rounded, so that label k sits at the nearest MU to offset + k x
        // pitch. Labels whose pitch is smaller than themselves would
        // overlap: they are taken as wide as the pitch. A grid that rounding
        // alone pushes past the paper's edge gives up those few MU from its
        // labels; a grid that does not fit exactly is not offered.
        auto axis = [](qint32 n, const Length& offset, const Length& size, const Length& pitch, const Length& paperSize,
                       MU& label, MU& gap) {
            label = size.mu;
            gap = 0;
            long double exactLabel = size.exact;
            if (n > 1) {
                if (pitch.mu < label) {
                    label = pitch.mu;
                    exactLabel = pitch.exact;
                }
                gap = pitch.mu - label;
            }
            if (label <= 0)
                return false;
            const qint64 extent = GridAxis{offset.mu, label, gap}.extent(n);
            if (extent <= paperSize.mu)
                return true;
            const long double exactExtent = offset.exact + (n - 1) * pitch.exact + exactLabel;
            const qint64 over = extent - paperSize.mu;
            if (exactExtent > paperSize.exact + 0.001L || over > n || over >= label)
                return false;
            label -= static_cast<MU>(over);
            if (n > 1)
                gap += static_cast<MU>(over);
            return true;
        };
        if (!axis(nx, x0, w, dx, paper.width, p.labelWidth, p.hGap)
            || !axis(ny, y0, h, dy, paper.height, p.labelHeight, p.vGap))
            return ProductOutcome::NotOffered;
        return ProductOutcome::Offered;
    };

    auto outcomeOf = [&](std::size_t index) {
        if (!outcomes[index])
            outcomes[index] = convert(index);
        return *outcomes[index];
    };

    for (std::size_t i = 0; i < raws.size(); ++i) {
        const RawProduct& raw = raws[i];
        if (raw.brand.isEmpty() || raw.part.isEmpty()) {
            report(Messages::catalogueProductUnnamed(raw.file, raw.line));
            continue;
        }
        if (byKey.at(key(raw.brand, raw.part)) != i)
            continue; // listed twice: the first counts
        // Follow "equiv" to the product that holds the sheet.
        std::size_t definition = i;
        int steps = 0;
        QString problem;
        while (!raws[definition].equiv.isEmpty()) {
            const auto next = byKey.find(key(raw.brand, raws[definition].equiv));
            if (next == byKey.end()) {
                problem = Messages::catalogueEquivalentMissing(raw.brand, raws[definition].equiv);
                break;
            }
            definition = next->second;
            if (++steps > 32) {
                problem = Messages::catalogueEquivalentCircle();
                break;
            }
        }
        if (!problem.isEmpty()) {
            report(skipped(raw, problem));
            continue;
        }
        const ProductOutcome outcome = outcomeOf(definition);
        if (outcome == ProductOutcome::NotOffered)
            ++notOffered_;
        if (outcome != ProductOutcome::Offered)
            continue;
        LabelProduct product = converted[definition];
        product.brand = raw.brand;
        product.part = raw.part;
        if (definition != i) {
            product.equivalentOf = raws[definition].part;
            if (!raw.description.isEmpty())
                product.description = raw.description;
            else
                product.description = raws[definition].description;
        } else {
            product.description = raw.description;
        }
        products_.push_back(std::move(product));
    }

    std::stable_sort(products_.begin(), products_.end(), [](const LabelProduct& a, const LabelProduct& b) {
        if (const int c = a.brand.compare(b.brand, Qt::CaseInsensitive); c != 0)
            return c < 0;
        return naturalCompare(a.part, b.part) < 0;
    });
    return filesRead_ > 0;
}
