#include "LabelArt.h"

#include "model/Job.h"
#include "support/Messages.h"

#include <QFileInfo>
#include <QHash>
#include <QSvgRenderer>
#include <QThread>

#include <atomic>
#include <thread>
#include <vector>

#include <list>
#include <mutex>

LabelPicture::LabelPicture() = default;
LabelPicture::~LabelPicture() = default;

namespace {

// The codes kept: a few thousand labels' worth, and never more than 32 MB of
// shapes. A QR code of a web address is some 10 KB of rectangles.
constexpr qsizetype MaxCodes = 4096;
constexpr qint64 MaxCodeBytes = qint64(32) << 20;
// The pictures kept: 64 MB of pixels and drawings. A picture larger than
// that alone is still drawn, and let go once another is read.
constexpr qsizetype MaxPictures = 4096;
constexpr qint64 MaxPictureBytes = qint64(64) << 20;
// What an entry costs beside its shapes or pixels.
constexpr qint64 EntryBytes = 256;

// Values by key, the least recently used let go first once there are more
// than maxEntries or they cost more than maxBytes together. The entry used
// last is always kept.
template <typename Value>
class LruCache {
public:
    LruCache(qsizetype maxEntries, qint64 maxBytes) : maxEntries_(maxEntries), maxBytes_(maxBytes) {}

    std::shared_ptr<const Value> find(const QString& key)
    {
        const auto it = index_.constFind(key);
        if (it == index_.cend())
            return nullptr;
        order_.splice(order_.begin(), order_, it.value());
        return order_.front().value;
    }

    void insert(const QString& key, std::shared_ptr<const Value> value, qint64 bytes)
    {
        remove(key);
        order_.push_front(Entry{key, std::move(value), bytes + EntryBytes});
        index_.insert(key, order_.begin());
        bytes_ += order_.front().bytes;
        while (order_.size() > 1 && (static_cast<qsizetype>(order_.size()) > maxEntries_ || bytes_ > maxBytes_))
            remove(order_.back().key);
    }

    void clear()
    {
        order_.clear();
        index_.clear();
        bytes_ = 0;
    }

    ArtCacheStatistics statistics() const { return {made, static_cast<qint64>(order_.size()), bytes_}; }

    qint64 made = 0;

private:
    struct Entry {
        QString key;
        std::shared_ptr<const Value> value;
        qint64 bytes = 0;
    };

    void remove(const QString& key)
    {
        const auto it = index_.find(key);
        if (it == index_.end())
            return;
        bytes_ -= it.value()->bytes;
        order_.erase(it.value());
        index_.erase(it);
    }

    qsizetype maxEntries_;
    qint64 maxBytes_;
    std::list<Entry> order_; // the most recently used first
    QHash<QString, typename std::list<Entry>::iterator> index_;
    qint64 bytes_ = 0;
};

// A picture as read, with what its file was then: a file changed since is
// read again.
struct StampedPicture {
    LabelPicture picture;
    bool existed = false;
    qint64 size = 0;
    qint64 modified = 0;
};

struct Caches {
    std::mutex lock;
    LruCache<CodeResult> codes{MaxCodes, MaxCodeBytes};
    LruCache<StampedPicture> pictures{MaxPictures, MaxPictureBytes};
};

Caches& caches()
{
    static Caches all;
    return all;
}

qint64 bytesOf(const CodeResult& code)
{
    const CodeSymbol& s = code.symbol;
    qint64 bytes = s.bars.size() * qint64(sizeof(QRectF)) + s.circles.size() * qint64(sizeof(CodeCircle))
                   + s.hexagons.size() * qint64(sizeof(QPolygonF) + 6 * sizeof(QPointF));
    for (const CodeText& text : s.texts)
        bytes += qint64(sizeof(CodeText)) + text.text.size() * 2;
    return bytes + (code.error.size() + code.warning.size()) * 2;
}

} // namespace

bool labelsHaveArt(const TJOB& job)
{
    const TJOBINFO& format = *job.JOBINFO();
    return format.showsCode() || (format.ShowPic && job.DATAINFO()->picturePerLabel());
}

LabelArt labelArt(const TJOBINFO& format, const LabelContent& content)
{
    LabelArt art;
    if (format.showsCode()) {
        art.code = cachedCode(format.CodeType, content.codeText);
        art.problem = art.code->error;
    } else if (format.ShowPic && !content.pictureName.isEmpty()) {
        art.picture = cachedPicture(content.pictureName);
        art.problem = art.picture->error;
    }
    return art;
}

std::shared_ptr<const CodeResult> cachedCode(const QString& kindName, const QString& text)
{
    const SymbologyInfo* kind = findSymbology(kindName);
    if (!kind) {
        auto unknown = std::make_shared<CodeResult>();
        unknown->error = Messages::unknownCodeKind(kindName);
        return unknown;
    }
    // The kind's number before the text: one key for both.
    const QString key = QChar(u'A' + static_cast<int>(kind->symbology)) + text;
    Caches& all = caches();
    {
        const std::lock_guard<std::mutex> held(all.lock);
        if (auto found = all.codes.find(key))
            return found;
    }
    auto made = std::make_shared<const CodeResult>(makeCode(kind->symbology, text));
    const std::lock_guard<std::mutex> held(all.lock);
    ++all.codes.made;
    all.codes.insert(key, made, bytesOf(*made) + text.size() * 4);
    return made;
}

void makeCodesAhead(const QString& kindName, const QStringList& all)
{
    // Each text once, so that no code is made twice at the same time. The
    // threads only read the list: a const one, which never detaches.
    QStringList unique = all;
    unique.removeDuplicates();
    const QStringList& texts = unique;
    const SymbologyInfo* kind = findSymbology(kindName);
    const int threads = std::min<int>(QThread::idealThreadCount(), 8);
    if (!kind || threads < 2 || texts.size() < 2 * threads) {
        for (const QString& text : texts)
            cachedCode(kindName, text);
        return;
    }
    // The code library keeps nothing between symbols: each thread makes
    // whole codes of its own, and only the cache is shared.
    std::atomic<qsizetype> next = 0;
    const auto work = [&] {
        for (qsizetype i = next++; i < texts.size(); i = next++)
            cachedCode(kindName, texts[i]);
    };
    std::vector<std::thread> helpers;
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
}

std::shared_ptr<const LabelPicture> cachedPicture(const QString& path)
{
    const QFileInfo info(path);
    const bool exists = info.exists();
    const qint64 size = exists ? info.size() : 0;
    const qint64 modified = exists ? info.lastModified().toMSecsSinceEpoch() : 0;
    Caches& all = caches();
    {
        const std::lock_guard<std::mutex> held(all.lock);
        if (auto found = all.pictures.find(path);
            found && found->existed == exists && found->size == size && found->modified == modified)
            return std::shared_ptr<const LabelPicture>(found, &found->picture);
    }
    auto read = std::make_shared<StampedPicture>();
    read->existed = exists;
    read->size = size;
    read->modified = modified;
    LabelPicture& picture = read->picture;
    qint64 bytes = path.size() * 4;
    if (!exists) {
        picture.error = Messages::labelPictureMissing(path);
    } else if (loadPictureFile(path, picture.picture, &picture.error)) {
        if (picture.picture.isSvg()) {
            picture.svg = std::make_unique<QSvgRenderer>(picture.picture.svg);
            if (!picture.svg->isValid()) {
                picture.svg.reset();
                picture.picture.clear();
                picture.error = Messages::notAReadableDrawing(path);
            }
        }
        // A drawing costs its source and the renderer's tree, which grows
        // with it; twice the source stands for both.
        bytes += picture.picture.image.sizeInBytes() + 2 * picture.picture.svg.size();
    }
    bytes += picture.error.size() * 2;
    const std::lock_guard<std::mutex> held(all.lock);
    if (exists)
        ++all.pictures.made;
    all.pictures.insert(path, read, bytes);
    return std::shared_ptr<const LabelPicture>(read, &read->picture);
}

ArtCacheStatistics codeCacheStatistics()
{
    const std::lock_guard<std::mutex> held(caches().lock);
    return caches().codes.statistics();
}

ArtCacheStatistics pictureCacheStatistics()
{
    const std::lock_guard<std::mutex> held(caches().lock);
    return caches().pictures.statistics();
}

void clearArtCaches()
{
    Caches& all = caches();
    const std::lock_guard<std::mutex> held(all.lock);
    all.codes.clear();
    all.pictures.clear();
}
