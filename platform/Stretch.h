// Stretching a block of pixels to a new size the way a stretch mode asks for.
#pragma once

#include <QImage>

// COLORONCOLOR (and the other non-halftone modes): every destination pixel takes the
// source pixel under its centre, so pixels are dropped or repeated and never blended.
// HALFTONE: a smooth, averaging scale. Mirrored when a size is negative, as GDI mirrors.
QImage StretchPixels(const QImage& source, int nDestWidth, int nDestHeight, int nStretchMode);
