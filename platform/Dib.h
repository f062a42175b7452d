// Device-independent bitmaps, read the way StretchDIBits reads them.
#pragma once

#include "WinTypes.h"

#include <QImage>
#include <QRect>

// Converts a device-independent bitmap, laid out as Windows lays it out (header, then palette
// entries or colour masks, and rows of pixels padded to 4 bytes, bottom-up when biHeight is
// positive), into a top-down QImage of format RGB32. A null QImage means the header describes
// a layout that cannot be drawn.
QImage DibToImage(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage);

// The part `source` of a DIB, in top-down picture coordinates (row 0 is the top row whatever
// the DIB's row order), stretched to nDestWidth × nDestHeight by taking for every destination
// pixel the source pixel under its centre, as COLORONCOLOR stretching does: pixel d of n
// destination pixels takes source pixel (2d + 1) · m / (2n) of the m source pixels, counted
// from the source rectangle's edge. Only the pixels taken are read and converted, so the cost
// follows the destination's size, not the picture's. The result is a top-down RGB32 QImage,
// null for the layouts DibToImage refuses, for a source rectangle that is empty or does not lie
// wholly inside the picture (0, 0, width, height), for a destination side that is not positive
// or a destination of more than 2^28 pixels, and when the image cannot be allocated.
QImage DibToImageSampled(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage, const QRect& source,
                         int nDestWidth, int nDestHeight);

// The same sampling written straight into the rectangle `dest` of an RGB32 image, which
// must lie wholly inside it: a picture stretched onto a memory bitmap needs no picture-sized
// image in between. False, with nothing written, where DibToImageSampled gives a null image.
bool DibSampleInto(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage, const QRect& source,
                   QImage& target, const QRect& dest);
