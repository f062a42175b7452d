// Device-independent bitmaps, read the way StretchDIBits reads them.
#pragma once

#include "WinTypes.h"

#include <QImage>

// Converts a device-independent bitmap, laid out as Windows lays it out (header, then palette
// entries or colour masks, and rows of pixels padded to 4 bytes, bottom-up when biHeight is
// positive), into a top-down QImage of format RGB32. A null QImage means the header describes
// a layout that cannot be drawn.
QImage DibToImage(const BITMAPINFO* pbmi, const void* pBits, UINT uUsage);
