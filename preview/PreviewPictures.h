// The background pictures as the preview shows them: decoded only as large as the preview
// needs (a JPEG at a reduced size while it decodes), scaled to the pixels they take on
// screen, and kept between paints. A repaint with nothing changed decodes nothing; a picture
// replaced on disk (another size or time) is read again. The main window owns one, holding
// the pictures of the covers in view and nothing more; it is safe to use from any thread,
// and its worker, which decodes ahead, is stopped and waited for when it goes. Printing
// never uses it: paper gets the whole picture, decoded at every print.
#pragma once

#include "PictureSource.h"

#include <QImage>
#include <QSize>
#include <QThreadPool>
#include <condition_variable>
#include <mutex>
#include <string>
#include <vector>

// The size on screen of a picture area of the full-size cover, shrunk into the preview.
QSize PreviewPictureSize(int nWidth, int nHeight, double dPreviewScaleX, double dPreviewScaleY);

class CPreviewPictures : public CPictureSource
{
public:
    CPreviewPictures();
    ~CPreviewPictures() override;
    CPreviewPictures(const CPreviewPictures&) = delete;
    CPreviewPictures& operator=(const CPreviewPictures&) = delete;

    // The picture of a file at the size given, or a null image when there is none to draw.
    QImage Picture(const std::string& strPath, const QSize& size);
    // Starts decoding a picture on the worker, for a preview about to be shown (the other
    // side of a standard CD): Picture then finds it kept, or waits for it.
    void PrepareAhead(const std::string& strPath, const QSize& size);

    // The kept picture, stretched up over the full-size area (and shrunk back with the
    // cover, pixel for pixel): its size is the area's on screen.
    bool StretchOnto(CDC& dc, const PictureRequest& request) override;

    // The pixels kept, and emptying the cache once the worker is done (for measurements).
    qint64 Pixels() const;
    void Clear();

    // A picture file as it is on disk now, at a size on screen.
    struct Key
    {
        std::string strPath;
        qint64 nFileSize = 0;
        qint64 nModified = 0;
        QSize size;
        bool operator==(const Key& other) const;
    };

private:
    struct Kept
    {
        Key key;
        QImage image;
    };
    const QImage* Find(const Key& key);
    bool IsDecoding(const Key& key) const;
    QImage DecodeMarked(const Key& key);

    mutable std::mutex m_mutex;
    std::condition_variable m_decoded;
    std::vector<Kept> m_kept; // the most recently used last
    std::vector<Key> m_decoding;
    // The worker is the last member, so that it is the first to go and waits for its decoding.
    QThreadPool m_ahead;
};
