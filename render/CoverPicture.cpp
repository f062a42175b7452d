#include "CoverPicture.h"

#include "Dib.h"
#include "QtConvert.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

FREE_IMAGE_FORMAT CoverPictureFormat(const std::string& strPath)
{
    const QString upper = ToQString(strPath).toUpper();
    const struct
    {
        const char* first;
        const char* second;
        FREE_IMAGE_FORMAT format;
    } table[] = {
        {".JPG", ".JPEG", FIF_JPEG}, {".PNG", nullptr, FIF_PNG}, {".BMP", nullptr, FIF_BMP},
        {".TIF", ".TIFF", FIF_TIFF}, {".GIF", nullptr, FIF_GIF}, {".ICO", nullptr, FIF_ICO},
    };
    FREE_IMAGE_FORMAT format = FIF_UNKNOWN;
    for (const auto& row : table) {
        const bool matches = upper.contains(QLatin1String(row.first)) ||
                             (row.second && upper.contains(QLatin1String(row.second)));
        if (matches)
            format = row.format;
    }
    return format;
}

FREE_IMAGE_FORMAT CoverPictureFileFormat(const std::string& strPath)
{
    if (strPath.empty())
        return FIF_UNKNOWN;
    // The file is opened as it stands: names here are case-sensitive, so only the
    // extension rule looks at the upper-cased text.
    FILE* file = std::fopen(strPath.c_str(), "rb");
    if (!file)
        return FIF_UNKNOWN;
    std::fclose(file);
    FREE_IMAGE_FORMAT format = FreeImage_GetFileType(strPath.c_str(), 0);
    if (format == FIF_UNKNOWN)
        format = CoverPictureFormat(strPath);
    return format != FIF_UNKNOWN && FreeImage_FIFSupportsReading(format) ? format : FIF_UNKNOWN;
}

namespace {

// The largest picture the drawing takes: 65,535 pixels a side and 2^28 pixels in all keep
// every size computed from a picture within bounds and the memory of one picture sane.
constexpr double kMaxPictureSide = 65535;
constexpr double kMaxPicturePixels = 268435456;

// The factor that brings a picture within the limits, 1 for one that is within them.
double ShrinkFactor(double dWidth, double dHeight)
{
    return std::min({1.0, kMaxPictureSide / dWidth, kMaxPictureSide / dHeight,
                     std::sqrt(kMaxPicturePixels / (dWidth * dHeight))});
}

// A picture beyond the limits is scaled down to fit them, its proportions kept: it is drawn
// stretched over the cover anyway, and a cover is never that many pixels across.
FIBITMAP* WithinLimits(FIBITMAP* pPicture)
{
    if (!pPicture)
        return nullptr;
    const double width = FreeImage_GetWidth(pPicture);
    const double height = FreeImage_GetHeight(pPicture);
    const double factor = ShrinkFactor(width, height);
    if (factor >= 1.0)
        return pPicture;
    const int newWidth = std::max(1, static_cast<int>(width * factor));
    const int newHeight = std::max(1, static_cast<int>(height * factor));
    FIBITMAP* smaller = FreeImage_Rescale(pPicture, newWidth, newHeight, FILTER_BOX);
    FreeImage_Unload(pPicture);
    return smaller;
}

// A JPEG too large to decode whole is decoded at a reduced size straight away: the size
// asked for in the flags' upper 16 bits has libjpeg scale while it decodes.
int JpegLoadFlags(const std::string& strPath)
{
    FIBITMAP* header = FreeImage_Load(FIF_JPEG, strPath.c_str(), FIF_LOAD_NOPIXELS);
    if (!header)
        return 0;
    const double width = FreeImage_GetWidth(header);
    const double height = FreeImage_GetHeight(header);
    FreeImage_Unload(header);
    const double factor = ShrinkFactor(width, height);
    if (factor >= 1.0)
        return 0;
    const int longest = static_cast<int>(std::max(width, height) * factor);
    return std::clamp(longest, 1, 65535) << 16;
}

} // namespace

FIBITMAP* LoadCoverPicture(const std::string& strPath)
{
    const FREE_IMAGE_FORMAT format = CoverPictureFileFormat(strPath);
    if (format == FIF_UNKNOWN)
        return nullptr;
    const int flags = format == FIF_JPEG ? JpegLoadFlags(strPath) : 0;
    return WithinLimits(FreeImage_Load(format, strPath.c_str(), flags));
}

bool CanReadCoverPicture(const std::string& strPath)
{
    const FREE_IMAGE_FORMAT format = CoverPictureFileFormat(strPath);
    if (format == FIF_UNKNOWN)
        return false;
    // Where the format can be read without its pixels, the header alone answers quickly.
    const int flags = FreeImage_FIFSupportsNoPixels(format) ? FIF_LOAD_NOPIXELS : 0;
    FIBITMAP* picture = FreeImage_Load(format, strPath.c_str(), flags);
    if (!picture)
        return false;
    const bool drawable = FreeImage_GetWidth(picture) > 0 && FreeImage_GetHeight(picture) > 0;
    FreeImage_Unload(picture);
    return drawable;
}

namespace {

// The header to draw a picture with, or null for pixel types that cannot be drawn
// (floating-point and complex images). A 16-bit grey picture looks like 5-5-5 colour in its
// header: its copy in grey says what it is.
const BITMAPINFO* DrawableInfo(FIBITMAP* pPicture, BITMAPINFO& grey)
{
    const BITMAPINFO* info = FreeImage_GetInfo(pPicture);
    const FREE_IMAGE_TYPE type = FreeImage_GetImageType(pPicture);
    if (!info || (type != FIT_BITMAP && type != FIT_UINT16 && type != FIT_RGB16 && type != FIT_RGBA16))
        return nullptr;
    if (type != FIT_UINT16)
        return info;
    grey = BITMAPINFO{};
    grey.bmiHeader = info->bmiHeader;
    grey.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    grey.bmiHeader.biCompression = BI_GRAY16;
    return &grey;
}

// A top-down 32-bit picture as a DIB header, for drawing a QImage with StretchDIBits.
BITMAPINFO TopDownInfo(const QImage& image)
{
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = image.width();
    info.bmiHeader.biHeight = -image.height();
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    return info;
}

} // namespace

FIBITMAP* LoadCoverPictureFor(const std::string& strPath, int nLongestSide)
{
    const FREE_IMAGE_FORMAT format = CoverPictureFileFormat(strPath);
    if (format == FIF_UNKNOWN)
        return nullptr;
    const int flags = format == FIF_JPEG ? std::clamp(nLongestSide, 1, 65535) << 16 : 0;
    return WithinLimits(FreeImage_Load(format, strPath.c_str(), flags));
}

QImage CoverPictureImage(FIBITMAP* pPicture)
{
    BITMAPINFO grey;
    const BITMAPINFO* info = pPicture ? DrawableInfo(pPicture, grey) : nullptr;
    return info ? DibToImage(info, FreeImage_GetBits(pPicture), DIB_RGB_COLORS) : QImage();
}

bool StretchCoverPicture(CDC& dc, FIBITMAP* pPicture, const CRect& area)
{
    BITMAPINFO grey;
    const BITMAPINFO* info = DrawableInfo(pPicture, grey);
    if (!info)
        return false;
    const int width = static_cast<int>(FreeImage_GetWidth(pPicture));
    const int height = static_cast<int>(FreeImage_GetHeight(pPicture));
    return dc.StretchDIBits(area.left, area.top, area.Width(), area.Height(), 0, 0, width, height,
                            FreeImage_GetBits(pPicture), info, DIB_RGB_COLORS, SRCCOPY) != 0;
}

bool StretchCoverImage(CDC& dc, const QImage& image, const CRect& area)
{
    const BITMAPINFO info = TopDownInfo(image);
    return dc.StretchDIBits(area.left, area.top, area.Width(), area.Height(), 0, 0, image.width(),
                            image.height(), image.constBits(), &info, DIB_RGB_COLORS, SRCCOPY) != 0;
}
