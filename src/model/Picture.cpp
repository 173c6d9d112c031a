#include "Picture.h"
#include "DataFile.h"
#include "support/Messages.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QImageReader>
#include <QSvgRenderer>
#include <QXmlStreamReader>

#include <algorithm>
#include <limits>
#include <vector>

QStringList pictureSuffixes()
{
    return {QStringLiteral("bmp"),  QStringLiteral("ico"), QStringLiteral("png"), QStringLiteral("jpg"),
            QStringLiteral("jpeg"), QStringLiteral("gif"), QStringLiteral("svg")};
}

namespace {

bool refuse(QString* reason, const QString& text)
{
    if (reason)
        *reason = text;
    return false;
}

// A reference as the message shows it: long ones (a data: URL, say) cut.
QString shown(QStringView href)
{
    constexpr qsizetype MaxShown = 80;
    if (href.size() <= MaxShown)
        return href.toString();
    return href.left(MaxShown).toString() + QStringLiteral("...");
}

// The local name of a qualified name: the drawing is read without namespace
// processing, as the SVG renderer reads it, so "xlink:href" and any other
// prefix bound to the XLink namespace all end in "href".
QStringView localName(QStringView qualified)
{
    const qsizetype colon = qualified.lastIndexOf(u':');
    return colon < 0 ? qualified : qualified.mid(colon + 1);
}

// The bitmap an <image> embeds. The SVG renderer decodes what follows the
// last "base64," and takes the picture in whatever format it finds; a
// drawing embedded in a drawing would be read without these checks, so only
// bitmaps pass. Returns the pixel count, or -1 with *reason set.
qint64 embeddedPixelCount(QStringView href, QString* reason)
{
    const qsizetype at = href.lastIndexOf(QLatin1String("base64,"));
    if (at < 0)
        return 0; // the renderer loads nothing without base64 data
    QByteArray bytes = QByteArray::fromBase64(href.mid(at + 7).toLatin1());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    static const QList<QByteArray> bitmaps{"png", "jpeg", "jpg", "gif", "bmp"};
    if (!bitmaps.contains(format)) {
        refuse(reason, Messages::svgEmbedsUnknownBitmap());
        return -1;
    }
    buffer.seek(0);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty()) {
        refuse(reason, Messages::svgEmbedsUnreadablePicture());
        return -1;
    }
    return static_cast<qint64>(size.width()) * size.height();
}

// One element of the drawing in document order; its subtree is the elements
// from it up to (not including) end.
struct Element {
    qint32 end = 0;
    qint32 stops = 0;   // <stop> elements directly in it
    qint32 target = -1; // <use>: the element it draws
    QString useRef;     // <use>: the id it names, until resolved
};

// Walks what drawing the document draws: every element once, and at each
// <use> the element it names, as often as it is used. Stops as soon as the
// count passes the limit, so the work stays within the limit too. Adds up
// the cost of what is drawn: costBefore[i] is the cost of the elements
// before element i.
bool checkUses(const std::vector<Element>& elements, const std::vector<qint32>& uses,
               const std::vector<qint64>& costBefore, qint64& cost, QString* reason)
{
    struct Frame {
        qint32 begin, end; // the elements drawn
        int nesting;       // <use> references followed to get here
        std::size_t nextUse;
    };
    qint64 drawn = 0;
    std::vector<Frame> stack;
    const auto enter = [&](qint32 begin, qint32 end, int nesting) {
        drawn += end - begin;
        cost += costBefore[static_cast<std::size_t>(end)] - costBefore[static_cast<std::size_t>(begin)];
        const auto first = std::lower_bound(uses.begin(), uses.end(), begin);
        stack.push_back({begin, end, nesting, static_cast<std::size_t>(first - uses.begin())});
    };
    enter(0, static_cast<qint32>(elements.size()), 0);
    while (!stack.empty()) {
        if (drawn > SvgLimits::MaxDrawnElements)
            return refuse(reason, Messages::svgDrawsTooManyElements(SvgLimits::MaxDrawnElements));
        Frame& frame = stack.back();
        if (frame.nextUse >= uses.size() || uses[frame.nextUse] >= frame.end) {
            stack.pop_back();
            continue;
        }
        const Element& use = elements[static_cast<std::size_t>(uses[frame.nextUse++])];
        if (use.target < 0)
            continue; // names no element: draws nothing
        const int nesting = frame.nesting + 1;
        if (nesting > SvgLimits::MaxUseNesting)
            return refuse(reason, Messages::svgNestsUseTooDeep(SvgLimits::MaxUseNesting));
        enter(use.target, elements[static_cast<std::size_t>(use.target)].end, nesting);
    }
    return true;
}

// Other local references (a gradient taking another's stops) are followed
// one after the other: a loop among them would never end.
bool checkChains(const std::vector<qint32>& next, QString* reason)
{
    std::vector<char> state(next.size(), 0); // 0 unvisited, 1 on the walk, 2 done
    std::vector<qint32> walk;
    for (std::size_t start = 0; start < next.size(); ++start) {
        qint32 i = static_cast<qint32>(start);
        while (i >= 0 && state[static_cast<std::size_t>(i)] == 0) {
            state[static_cast<std::size_t>(i)] = 1;
            walk.push_back(i);
            i = next[static_cast<std::size_t>(i)];
        }
        if (i >= 0 && state[static_cast<std::size_t>(i)] == 1)
            return refuse(reason, Messages::svgReferenceLoop());
        for (qint32 w : walk)
            state[static_cast<std::size_t>(w)] = 2;
        walk.clear();
    }
    return true;
}

// The ids a value refers to as paints: url(#id), url('#id'), url("#id").
// More than a few in one element make it cost as much as anything can.
constexpr int MaxPaintsPerElement = 16;
int paintReferences(QStringView value, qint32 element, std::vector<std::pair<qint32, QString>>& paints)
{
    int found = 0;
    for (qsizetype at = value.indexOf(QLatin1String("url(")); at >= 0;
         at = value.indexOf(QLatin1String("url("), at + 4)) {
        qsizetype i = at + 4;
        while (i < value.size() && (value[i].isSpace() || value[i] == u'\'' || value[i] == u'"'))
            ++i;
        if (i >= value.size() || value[i] != u'#')
            continue;
        const qsizetype first = ++i;
        while (i < value.size() && value[i] != u')' && value[i] != u'\'' && value[i] != u'"' && !value[i].isSpace())
            ++i;
        if (++found > MaxPaintsPerElement)
            return found;
        paints.emplace_back(element, value.sliced(first, i - first).toString());
    }
    return found;
}

} // namespace

bool Picture::drawnAsBitmap() const
{
    return isSvg() && svgCost > SvgLimits::MaxVectorCost;
}

bool checkSvgDrawing(const QByteArray& data, QString* reason, qint64* cost)
{
    if (data.startsWith("\x1f\x8b"))
        return refuse(reason, Messages::svgCompressed());
    if (data.size() > SvgLimits::MaxBytes)
        return refuse(reason, Messages::svgLargerThan16Mb());

    QXmlStreamReader xml(data);
    xml.setNamespaceProcessing(false);
    std::vector<Element> elements;
    std::vector<qint32> open;      // the elements not yet closed
    std::vector<qint32> uses;      // <use> elements, in document order
    std::vector<qint32> chainNext; // other local references, element to element
    std::vector<std::pair<qint32, QString>> chainRefs;
    QHash<QString, qint32> ids;
    std::vector<qint64> starts;                     // where each element starts, in characters
    std::vector<std::pair<qint32, QString>> paints; // paint references: element, id
    bool costsAll = false;                          // paints referred to by a style sheet, or too many
    qint64 embeddedPixels = 0;
    qint64 textCharacters = 0;
    bool inStyle = false;
    std::size_t textDepth = 0; // open elements when the outermost text element began; 0 outside text

    while (!xml.atEnd()) {
        switch (xml.readNext()) {
        case QXmlStreamReader::DTD:
        case QXmlStreamReader::EntityReference: return refuse(reason, Messages::svgDeclaresEntities());
        case QXmlStreamReader::ProcessingInstruction:
            return refuse(reason, Messages::svgProcessingInstruction(shown(xml.processingInstructionTarget())));
        case QXmlStreamReader::StartElement: {
            if (static_cast<qint64>(elements.size()) >= SvgLimits::MaxElements)
                return refuse(reason, Messages::svgTooManyElements(SvgLimits::MaxElements));
            if (open.size() >= static_cast<std::size_t>(SvgLimits::MaxDepth))
                return refuse(reason, Messages::svgNestsTooDeep(SvgLimits::MaxDepth));
            const qint32 index = static_cast<qint32>(elements.size());
            elements.emplace_back();
            starts.push_back(xml.characterOffset());
            open.push_back(index);
            const QStringView name = localName(xml.qualifiedName());
            inStyle = name == QLatin1String("style");
            if (name == QLatin1String("stop") && open.size() >= 2
                && ++elements[static_cast<std::size_t>(open[open.size() - 2])].stops > SvgLimits::MaxGradientStops)
                return refuse(reason, Messages::svgTooManyGradientStops(SvgLimits::MaxGradientStops));
            if (textDepth == 0
                && (name == QLatin1String("text") || name == QLatin1String("textArea")
                    || name == QLatin1String("tspan")))
                textDepth = open.size();
            for (const QXmlStreamAttribute& attribute : xml.attributes()) {
                const QStringView local = localName(attribute.qualifiedName());
                const QStringView value = attribute.value();
                if (paintReferences(value, index, paints) > MaxPaintsPerElement)
                    costsAll = true;
                if (local == QLatin1String("id")) {
                    ids.insert(value.toString(), index); // the last of equal ids counts, as when drawn
                    continue;
                }
                if (local != QLatin1String("href"))
                    continue;
                if (name == QLatin1String("a"))
                    continue; // a link is never followed when drawing
                if (name == QLatin1String("image")) {
                    if (!value.startsWith(QLatin1String("data:")))
                        return refuse(reason, Messages::svgOutsidePicture(shown(value)));
                    const qint64 pixels = embeddedPixelCount(value, reason);
                    if (pixels < 0)
                        return false;
                    embeddedPixels += pixels;
                    if (embeddedPixels > SvgLimits::MaxEmbeddedPixels)
                        return refuse(reason, Messages::svgTooManyEmbeddedPixels(SvgLimits::MaxEmbeddedPixels >> 20));
                    continue;
                }
                if (!value.startsWith(u'#'))
                    return refuse(reason, Messages::svgOutsideReference(shown(value)));
                if (name == QLatin1String("use")) {
                    elements[static_cast<std::size_t>(index)].useRef = value.mid(1).toString();
                    uses.push_back(index);
                } else {
                    chainRefs.emplace_back(index, value.mid(1).toString());
                }
            }
            break;
        }
        case QXmlStreamReader::EndElement:
            elements[static_cast<std::size_t>(open.back())].end = static_cast<qint32>(elements.size());
            open.pop_back();
            inStyle = false;
            if (open.size() < textDepth)
                textDepth = 0;
            break;
        case QXmlStreamReader::Characters:
            if (textDepth > 0) {
                textCharacters += xml.text().size();
                if (textCharacters > SvgLimits::MaxTextCharacters)
                    return refuse(reason, Messages::svgTooMuchText(SvgLimits::MaxTextCharacters));
            }
            // Style sheets may import others by name.
            if (inStyle && xml.text().contains(QLatin1String("@import"), Qt::CaseInsensitive))
                return refuse(reason, Messages::svgOutsideStyleSheet());
            // A rule may fill any number of shapes with a paint.
            if (inStyle && xml.text().contains(QLatin1String("url(")))
                costsAll = true;
            break;
        default: break;
        }
    }
    if (xml.hasError() || elements.empty())
        return refuse(reason, Messages::svgNotWellFormed(xml.errorString()));

    for (qint32 use : uses) {
        Element& e = elements[static_cast<std::size_t>(use)];
        e.target = ids.value(e.useRef, -1);
        e.useRef.clear();
    }
    chainNext.assign(elements.size(), -1);
    for (const auto& [from, id] : chainRefs)
        chainNext[static_cast<std::size_t>(from)] = ids.value(id, -1);

    // What drawing each element costs: its characters, and for each paint it
    // refers to, the paint's elements and those of the paints it takes its
    // stops from.
    starts.push_back(xml.characterOffset());
    const auto subtree = [&](qint32 e) {
        return starts[static_cast<std::size_t>(elements[static_cast<std::size_t>(e)].end)]
               - starts[static_cast<std::size_t>(e)];
    };
    std::vector<qint64> costBefore(starts.size(), 0); // one more than the elements
    std::vector<qint64> paintCost(elements.size(), 0);
    for (const auto& [from, id] : paints) {
        qint32 target = ids.value(id, -1);
        for (int step = 0; target >= 0 && step <= SvgLimits::MaxUseNesting; ++step) {
            paintCost[static_cast<std::size_t>(from)] += subtree(target);
            target = chainNext[static_cast<std::size_t>(target)];
        }
    }
    for (std::size_t i = 0; i < elements.size(); ++i)
        costBefore[i + 1] = costBefore[i] + (starts[i + 1] - starts[i]) + paintCost[i];
    qint64 drawnCost = 0;
    if (!checkUses(elements, uses, costBefore, drawnCost, reason) || !checkChains(chainNext, reason))
        return false;
    if (cost)
        *cost = costsAll ? std::numeric_limits<qint64>::max() : drawnCost;
    return true;
}

namespace {

bool loadDrawing(const QString& path, QFile& file, Picture& picture, QString* error)
{
    if (file.size() > SvgLimits::MaxBytes) {
        if (error)
            *error = Messages::drawingTooLarge(path);
        return false;
    }
    file.seek(0);
    const QByteArray data = file.read(SvgLimits::MaxBytes + 1);
    QString reason;
    qint64 cost = 0;
    if (!checkSvgDrawing(data, &reason, &cost)) {
        if (error)
            *error = Messages::drawingRefused(path, reason);
        return false;
    }
    QSvgRenderer renderer(data);
    if (!renderer.isValid()) {
        if (error)
            *error = Messages::notAReadableDrawing(path);
        return false;
    }
    picture.svg = data;
    picture.svgSize = renderer.defaultSize();
    picture.svgCost = cost;
    return true;
}

} // namespace

bool loadPictureFile(const QString& path, Picture& picture, QString* error)
{
    picture.clear();
    // The name comes from a job file: only a plain file is opened, never a
    // device or a pipe (which would wait for a writer that may never come).
    QFile file;
    qint64 size = 0;
    if (const PlainFileOpen opened = openPlainFile(path, file, size); opened != PlainFileOpen::Opened) {
        if (error)
            *error = plainFileRefusal(opened, path);
        return false;
    }
    const QFileInfo info(path);
    const QString suffix = info.suffix().toLower();
    if (suffix == QLatin1String("svg") || suffix == QLatin1String("svgz"))
        return loadDrawing(path, file, picture, error);

    // The format is taken from the content, not the name: the image reader
    // would hand a drawing named ".png" to its own SVG reader, which knows
    // none of the checks above. Bitmaps are bounded by the image reader's
    // allocation limit.
    const QByteArray format = QImageReader::imageFormat(&file);
    if (format.startsWith("svg"))
        return loadDrawing(path, file, picture, error);
    file.seek(0);
    QImageReader reader(&file, format);
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(true);
    QImage image = reader.read();
    if (image.isNull()) {
        if (error)
            *error = Messages::cannotReadPicture(path, reader.errorString());
        return false;
    }
    picture.image = std::move(image);
    picture.photo = format == "jpeg" || format == "jpg";
    return true;
}
