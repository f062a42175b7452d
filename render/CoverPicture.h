// The background picture of a cover side: which files hold one, decoding them (whole, or
// reduced for a preview) within the sizes a drawing can take, and stretching them over an
// area of the cover.
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
// A picture file's size in pixels as it is drawn, upright, read from its header; empty
// when it holds no picture.
QSize CoverPictureSize(const std::string& strPath);

// Decodes a picture for drawing it at most nLongestSide pixels across, as a preview needs it:
// a JPEG at a reduced size while it decodes, other formats whole.
FIBITMAP* LoadCoverPictureFor(const std::string& strPath, int nLongestSide);
// A decoded picture as a top-down 32-bit image, with its alpha when it has see-through
// pixels (ARGB32); null for pixel types that cannot be drawn.
QImage CoverPictureImage(FIBITMAP* pPicture);
// A decoded picture with see-through pixels (a transparency table, or an alpha channel that
// is used: a 32-bit picture whose alpha is all zero is meant opaque) as a top-down ARGB32
// image; null for an opaque one.
QImage SeeThroughImage(FIBITMAP* pPicture);
// A picture laid over a colour, as the cover's background shows through it; an opaque
// picture comes back as it is.
QImage OverColour(const QImage& picture, COLORREF crBehind);

// Stretches a whole decoded picture over a rectangle, proportions not kept, with the
// picture's own pixel layout. False when its pixel type cannot be drawn (floating-point and
// complex images).
bool StretchCoverPicture(CDC& dc, FIBITMAP* pPicture, const CRect& area);
// Stretches a top-down 32-bit image over a rectangle, as StretchDIBits does a bitmap.
bool StretchCoverImage(CDC& dc, const QImage& image, const CRect& area);
