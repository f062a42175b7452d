#include "PictureOrientation.h"

#include "CoverPicture.h"

namespace {

constexpr const char* kOrientationTag = "Orientation";

// FreeImage turns counter-clockwise by a positive angle and returns a new bitmap.
FIBITMAP* Turned(FIBITMAP* pPicture, double dDegrees)
{
    FIBITMAP* turned = FreeImage_Rotate(pPicture, dDegrees);
    FreeImage_Unload(pPicture);
    return turned;
}

FIBITMAP* Mirrored(FIBITMAP* pPicture)
{
    if (pPicture)
        FreeImage_FlipHorizontal(pPicture);
    return pPicture;
}

} // namespace

int PictureOrientation(FIBITMAP* pPicture)
{
    FITAG* tag = nullptr;
    if (!pPicture || !FreeImage_GetMetadata(FIMD_EXIF_MAIN, pPicture, kOrientationTag, &tag) || !tag ||
        FreeImage_GetTagType(tag) != FIDT_SHORT || FreeImage_GetTagCount(tag) < 1)
        return 1;
    const WORD value = *static_cast<const WORD*>(FreeImage_GetTagValue(tag));
    return value >= 1 && value <= 8 ? value : 1;
}

int PictureFileOrientation(const std::string& strPath)
{
    const FREE_IMAGE_FORMAT format = CoverPictureFileFormat(strPath);
    if (format == FIF_UNKNOWN || !FreeImage_FIFSupportsNoPixels(format))
        return 1;
    FIBITMAP* header = FreeImage_Load(format, strPath.c_str(), FIF_LOAD_NOPIXELS);
    const int orientation = PictureOrientation(header);
    if (header)
        FreeImage_Unload(header);
    return orientation;
}

FIBITMAP* TurnUpright(FIBITMAP* pPicture, int nOrientation)
{
    if (!pPicture)
        return nullptr;
    switch (nOrientation) {
    case 2:
        return Mirrored(pPicture);
    case 3:
        return Turned(pPicture, 180);
    case 4:
        FreeImage_FlipVertical(pPicture);
        return pPicture;
    case 5:
        return Mirrored(Turned(pPicture, -90));
    case 6:
        return Turned(pPicture, -90);
    case 7:
        return Mirrored(Turned(pPicture, 90));
    case 8:
        return Turned(pPicture, 90);
    default:
        return pPicture;
    }
}

bool SwapsSides(int nOrientation)
{
    return nOrientation >= 5 && nOrientation <= 8;
}

QTransform UprightTransform(int nOrientation)
{
    switch (nOrientation) {
    case 2:
        return QTransform(-1, 0, 0, 1, 1, 0);
    case 3:
        return QTransform(-1, 0, 0, -1, 1, 1);
    case 4:
        return QTransform(1, 0, 0, -1, 0, 1);
    case 5:
        return QTransform(0, 1, 1, 0, 0, 0);
    case 6:
        return QTransform(0, 1, -1, 0, 1, 0);
    case 7:
        return QTransform(0, -1, -1, 0, 1, 1);
    case 8:
        return QTransform(0, -1, 1, 0, 0, 1);
    default:
        return QTransform();
    }
}
