#include "PreviewPicture.h"

#include "CoverPicture.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <vector>

namespace {

// The covers in view: a standard CD's front and back, or one insert; a third picture
// pushes out the one used longest ago.
constexpr size_t kCachedPictures = 2;

struct CachedPicture
{
    std::string strPath;
    qint64 nFileSize = 0;
    qint64 nModified = 0;
    QSize size;
    QImage image;
};

std::vector<CachedPicture>& Cache()
{
    static std::vector<CachedPicture> cache; // the most recently used last
    return cache;
}

QImage DecodeAndScale(const std::string& strPath, const QSize& size)
{
    FIBITMAP* picture = LoadCoverPictureFor(strPath, std::max(size.width(), size.height()));
    const QImage image = CoverPictureImage(picture);
    if (picture)
        FreeImage_Unload(picture);
    if (image.isNull())
        return {};
    return image.convertToFormat(QImage::Format_RGB32)
        .scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QImage PreviewPicture(const std::string& strPath, const QSize& size)
{
    if (strPath.empty() || size.isEmpty())
        return {};
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.isFile())
        return {};
    const qint64 bytes = file.size();
    const qint64 modified = file.lastModified().toMSecsSinceEpoch();
    std::vector<CachedPicture>& cache = Cache();
    const auto found = std::find_if(cache.begin(), cache.end(), [&](const CachedPicture& entry) {
        return entry.strPath == strPath && entry.nFileSize == bytes && entry.nModified == modified &&
               entry.size == size;
    });
    if (found != cache.end()) {
        std::rotate(found, found + 1, cache.end()); // now the most recently used
        return cache.back().image;
    }
    const QImage image = DecodeAndScale(strPath, size);
    if (image.isNull())
        return {};
    if (cache.size() == kCachedPictures)
        cache.erase(cache.begin());
    cache.push_back({strPath, bytes, modified, size, image});
    return image;
}

qint64 PreviewPicturePixels()
{
    qint64 pixels = 0;
    for (const CachedPicture& entry : Cache())
        pixels += static_cast<qint64>(entry.size.width()) * entry.size.height();
    return pixels;
}

void ClearPreviewPictures()
{
    Cache().clear();
}
