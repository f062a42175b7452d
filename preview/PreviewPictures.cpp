#include "PreviewPicture.h"

#include "CoverPicture.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QThreadPool>
#include <algorithm>
#include <condition_variable>
#include <mutex>
#include <optional>
#include <vector>

namespace {

// The covers in view: a standard CD's front and back, or one insert; a third picture
// pushes out the one used longest ago.
constexpr size_t kCachedPictures = 2;

// A picture file as it is on disk now, at a size on screen.
struct PictureKey
{
    std::string strPath;
    qint64 nFileSize = 0;
    qint64 nModified = 0;
    QSize size;
    bool operator==(const PictureKey& other) const
    {
        return strPath == other.strPath && nFileSize == other.nFileSize && nModified == other.nModified &&
               size == other.size;
    }
};

struct CachedPicture
{
    PictureKey key;
    QImage image;
};

// The pictures kept, the ones being decoded now, and the thread that decodes ahead. The
// thread pool is the last member, so that it is the first to go and waits for its decoding.
struct PictureCache
{
    std::mutex mutex;
    std::condition_variable decoded;
    std::vector<CachedPicture> entries; // the most recently used last
    std::vector<PictureKey> decoding;
    QThreadPool ahead;
};

PictureCache& Cache()
{
    static PictureCache cache;
    return cache;
}

std::optional<PictureKey> KeyFor(const std::string& strPath, const QSize& size)
{
    if (strPath.empty() || size.isEmpty())
        return std::nullopt;
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.isFile())
        return std::nullopt;
    return PictureKey{strPath, file.size(), file.lastModified().toMSecsSinceEpoch(), size};
}

QImage DecodeAndScale(const PictureKey& key)
{
    FIBITMAP* picture = LoadCoverPictureFor(key.strPath, std::max(key.size.width(), key.size.height()));
    const QImage image = CoverPictureImage(picture);
    if (picture)
        FreeImage_Unload(picture);
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(key.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// With the lock held: the kept picture, made the most recently used, or null.
const QImage* Find(PictureCache& cache, const PictureKey& key)
{
    const auto found = std::find_if(cache.entries.begin(), cache.entries.end(),
                                    [&key](const CachedPicture& entry) { return entry.key == key; });
    if (found == cache.entries.end())
        return nullptr;
    std::rotate(found, found + 1, cache.entries.end());
    return &cache.entries.back().image;
}

bool IsDecoding(const PictureCache& cache, const PictureKey& key)
{
    return std::find(cache.decoding.begin(), cache.decoding.end(), key) != cache.decoding.end();
}

// Decodes a picture whose key is marked as being decoded, keeps it and tells the waiters.
QImage DecodeMarked(PictureCache& cache, const PictureKey& key)
{
    const QImage image = DecodeAndScale(key);
    const std::lock_guard<std::mutex> lock(cache.mutex);
    cache.decoding.erase(std::find(cache.decoding.begin(), cache.decoding.end(), key));
    if (!image.isNull()) {
        if (cache.entries.size() == kCachedPictures)
            cache.entries.erase(cache.entries.begin());
        cache.entries.push_back({key, image});
    }
    cache.decoded.notify_all();
    return image;
}

} // namespace

QImage PreviewPicture(const std::string& strPath, const QSize& size)
{
    const std::optional<PictureKey> key = KeyFor(strPath, size);
    if (!key)
        return {};
    PictureCache& cache = Cache();
    std::unique_lock<std::mutex> lock(cache.mutex);
    // A picture being decoded ahead is waited for rather than decoded twice.
    cache.decoded.wait(lock, [&] { return !IsDecoding(cache, *key); });
    if (const QImage* kept = Find(cache, *key))
        return *kept;
    cache.decoding.push_back(*key);
    lock.unlock();
    return DecodeMarked(cache, *key);
}

void PreparePreviewPicture(const std::string& strPath, const QSize& size)
{
    const std::optional<PictureKey> key = KeyFor(strPath, size);
    if (!key)
        return;
    PictureCache& cache = Cache();
    {
        const std::lock_guard<std::mutex> lock(cache.mutex);
        if (IsDecoding(cache, *key) || Find(cache, *key))
            return;
        cache.decoding.push_back(*key);
    }
    cache.ahead.start([key] { DecodeMarked(Cache(), *key); });
}

qint64 PreviewPicturePixels()
{
    PictureCache& cache = Cache();
    const std::lock_guard<std::mutex> lock(cache.mutex);
    qint64 pixels = 0;
    for (const CachedPicture& entry : cache.entries)
        pixels += static_cast<qint64>(entry.key.size.width()) * entry.key.size.height();
    return pixels;
}

void ClearPreviewPictures()
{
    PictureCache& cache = Cache();
    cache.ahead.waitForDone();
    const std::lock_guard<std::mutex> lock(cache.mutex);
    cache.entries.clear();
}
