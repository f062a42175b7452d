// The background picture of a cover side: decoded from its file at the start of every
// drawing and released when the drawing ends, whether or not anything was drawn from it.
#pragma once

#include "DC.h"
#include "WinTypes.h"

#include <FreeImage.h>
#include <QImage>
#include <string>

// The picture format a path names: the tests ".JPG"/".JPEG", ".PNG", ".BMP", ".TIF"/".TIFF",
// ".GIF", ".ICO" are made in that order anywhere in the upper-cased path, and the last
// that matches decides. FIF_UNKNOWN when none does.
FREE_IMAGE_FORMAT CoverPictureFormat(const std::string& strPath);

// The format of a picture file: what FreeImage recognises in its content, else what its
// path names (CoverPictureFormat), so a JPEG saved as "download.png" still reads as JPEG.
// FIF_UNKNOWN for an empty path, a file that cannot be opened, or a format FreeImage
// cannot read.
FREE_IMAGE_FORMAT CoverPictureFileFormat(const std::string& strPath);

// Decodes the picture a path names, or returns null: empty path, unknown format, a file
// that cannot be opened for reading, or one FreeImage cannot decode in that format.
FIBITMAP* LoadCoverPicture(const std::string& strPath);

// Whether a file is a picture the renderers can draw, checked when the user chooses it.
bool CanReadCoverPicture(const std::string& strPath);

// Decodes a picture for drawing it at most nLongestSide pixels across, as a preview needs it:
// a JPEG at a reduced size while it decodes, other formats whole.
FIBITMAP* LoadCoverPictureFor(const std::string& strPath, int nLongestSide);
// A decoded picture as a top-down 32-bit image; null for pixel types that cannot be drawn.
QImage CoverPictureImage(FIBITMAP* pPicture);
// The size on screen of a picture area of the full-size cover, shrunk into the preview.
QSize PreviewPictureSize(int nWidth, int nHeight, double dPreviewScaleX, double dPreviewScaleY);

class CPagePictures;

class CCoverPicture
{
public:
    // The whole picture, decoded now: for paper.
    explicit CCoverPicture(const std::string& strPath) : m_pBitmap(LoadCoverPicture(strPath)) {}
    // The picture as a preview shows it: nothing is decoded here; the drawing takes the copy
    // the preview cache keeps, at the size the area has on screen (its full size times the
    // preview's scale factors).
    CCoverPicture(const std::string& strPath, double dPreviewScaleX, double dPreviewScaleY);
    // The picture as a PDF page takes it from the page's pictures: nothing is decoded here.
    CCoverPicture(const std::string& strPath, CPagePictures& pagePictures);
    ~CCoverPicture();
    CCoverPicture(const CCoverPicture&) = delete;
    CCoverPicture& operator=(const CCoverPicture&) = delete;

    bool IsLoaded() const { return m_pBitmap != nullptr; }
    // Frees the decoded picture once it has been drawn, before the drawing goes on to copy
    // its full-size image: a printed page then never holds both at once.
    void Release();
    // Stretches the whole picture over the rectangle, proportions not kept, with the
    // picture's own pixel layout. False when there is no picture or its pixel type
    // cannot be drawn (floating-point and complex images).
    bool StretchOnto(CDC& dc, int x, int y, int nWidth, int nHeight) const;

private:
    bool StretchPreviewOnto(CDC& dc, int x, int y, int nWidth, int nHeight) const;
    bool StretchPageOnto(CDC& dc, int x, int y, int nWidth, int nHeight) const;

    FIBITMAP* m_pBitmap;
    bool m_bPreview = false;
    std::string m_strPath;
    double m_dPreviewScaleX = 1.0;
    double m_dPreviewScaleY = 1.0;
    CPagePictures* m_pPagePictures = nullptr;
};
