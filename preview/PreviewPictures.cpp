#include "PreviewPictures.h"

#include "CoverPicture.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The covers in view: a standard CD's front and back, or one insert; a third picture
// pushes out the one used longest ago.
constexpr size_t kKeptPictures = 2;

std::optional<CPreviewPictures::Key> KeyFor(const std::string& strPath, const QSize& size)
{
    if (strPath.empty() || size.isEmpty())
        return std::nullopt;
    const QFileInfo file(QFile::decodeName(QByteArray::fromStdString(strPath)));
    if (!file.isFile())
        return std::nullopt;
    return CPreviewPictures::Key{strPath, file.size(), file.lastModified().toMSecsSinceEpoch(), size};
}

QImage DecodeAndScale(const CPreviewPictures::Key& key)
{
    FIBITMAP* picture = LoadCoverPictureFor(key.strPath, std::max(key.size.width(), key.size.height()));
    const QImage image = CoverPictureImage(picture);
    if (picture)
        FreeImage_Unload(picture);
    if (image.isNull())
        return {};
    // A see-through picture keeps its alpha: the side's colour goes behind it when it is drawn.
    const QImage::Format format =
        image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return image.convertToFormat(format).scaled(key.size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

QSize PreviewPictureSize(int nWidth, int nHeight, double dPreviewScaleX, double dPreviewScaleY)
{
    return QSize(std::max(1, static_cast<int>(std::lround(nWidth * dPreviewScaleX))),
                 std::max(1, static_cast<int>(std::lround(nHeight * dPreviewScaleY))));
}

bool CPreviewPictures::Key::operator==(const Key& other) const
{
    return strPath == other.strPath && nFileSize == other.nFileSize && nModified == other.nModified &&
           size == other.size;
}

CPreviewPictures::CPreviewPictures()
{
    m_ahead.setMaxThreadCount(1);
}

CPreviewPictures::~CPreviewPictures()
{
    m_ahead.clear(); // what has not started never will
    m_ahead.waitForDone();
}

// With the lock held: the kept picture, made the most recently used, or null.
const QImage* CPreviewPictures::Find(const Key& key)
{
    const auto found =
        std::find_if(m_kept.begin(), m_kept.end(), [&key](const Kept& entry) { return entry.key == key; });
    if (found == m_kept.end())
        return nullptr;
    std::rotate(found, found + 1, m_kept.end());
    return &m_kept.back().image;
}

bool CPreviewPictures::IsDecoding(const Key& key) const
{
    return std::find(m_decoding.begin(), m_decoding.end(), key) != m_decoding.end();
}

// Decodes a picture whose key is marked as being decoded, keeps it and tells the waiters.
QImage CPreviewPictures::DecodeMarked(const Key& key)
{
    const QImage image = DecodeAndScale(key);
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_decoding.erase(std::find(m_decoding.begin(), m_decoding.end(), key));
    if (!image.isNull()) {
        if (m_kept.size() == kKeptPictures)
            m_kept.erase(m_kept.begin());
        m_kept.push_back({key, image});
    }
    m_decoded.notify_all();
    return image;
}

QImage CPreviewPictures::Picture(const std::string& strPath, const QSize& size)
{
    const std::optional<Key> key = KeyFor(strPath, size);
    if (!key)
        return {};
    std::unique_lock<std::mutex> lock(m_mutex);
    // A picture being decoded ahead is waited for rather than decoded twice.
    m_decoded.wait(lock, [&] { return !IsDecoding(*key); });
    if (const QImage* kept = Find(*key))
        return *kept;
    m_decoding.push_back(*key);
    lock.unlock();
    return DecodeMarked(*key);
}

void CPreviewPictures::PrepareAhead(const std::string& strPath, const QSize& size)
{
    const std::optional<Key> key = KeyFor(strPath, size);
    if (!key)
        return;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (IsDecoding(*key) || Find(*key))
            return;
        m_decoding.push_back(*key);
    }
    m_ahead.start([this, key] { DecodeMarked(*key); });
}

bool CPreviewPictures::StretchOnto(CDC& dc, const PictureRequest& request)
{
    const CRect& area = request.area;
    const QImage picture = Picture(
        request.strPath, PreviewPictureSize(area.Width(), area.Height(), request.dScaleX, request.dScaleY));
    return !picture.isNull() && StretchCoverImage(dc, OverColour(picture, request.crBehind), area);
}

qint64 CPreviewPictures::Pixels() const
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    qint64 pixels = 0;
    for (const Kept& entry : m_kept)
        pixels += static_cast<qint64>(entry.key.size.width()) * entry.key.size.height();
    return pixels;
}

void CPreviewPictures::Clear()
{
    m_ahead.waitForDone();
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_kept.clear();
}
