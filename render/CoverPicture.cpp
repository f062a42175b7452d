#include "CoverPicture.h"

#include "Dib.h"
#include "PictureColours.h"
#include "PictureOrientation.h"
#include "QtConvert.h"

#include <QPainter>
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

// Decodes a picture within the limits, upright and in the screen's colours: its orientation
// and colour profile are read before any scaling, which keeps no metadata. A CMYK JPEG is
// read as its inks, for its profile to turn into colours.
FIBITMAP* Decoded(FREE_IMAGE_FORMAT format, const std::string& strPath, int nFlags)
{
    FIBITMAP* picture =
        FreeImage_Load(format, strPath.c_str(), format == FIF_JPEG ? nFlags | JPEG_CMYK : nFlags);
    const int orientation = PictureOrientation(picture);
    return TurnUpright(WithinLimits(InScreenColours(picture)), orientation);
}

} // namespace

FIBITMAP* LoadCoverPicture(const std::string& strPath)
{
    const FREE_IMAGE_FORMAT format = CoverPictureFileFormat(strPath);
    if (format == FIF_UNKNOWN)
        return nullptr;
    const int flags = format == FIF_JPEG ? JpegLoadFlags(strPath) : 0;
    return Decoded(format, strPath, flags);
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

QSize CoverPictureSize(const std::string& strPath)
{
    const FREE_IMAGE_FORMAT format = CoverPictureFileFormat(strPath);
    if (format == FIF_UNKNOWN)
        return {};
    const int flags = FreeImage_FIFSupportsNoPixels(format) ? FIF_LOAD_NOPIXELS : 0;
    FIBITMAP* picture = FreeImage_Load(format, strPath.c_str(), flags);
    if (!picture)
        return {};
    const QSize stored(static_cast<int>(FreeImage_GetWidth(picture)),
                       static_cast<int>(FreeImage_GetHeight(picture)));
    const int orientation = PictureOrientation(picture);
    FreeImage_Unload(picture);
    return SwapsSides(orientation) ? stored.transposed() : stored;
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
    return Decoded(format, strPath, flags);
}

namespace {

// A picture that may carry alpha: a transparency table, 32 bits a pixel, or 16-bit RGBA.
bool MayBeSeeThrough(FIBITMAP* pPicture)
{
    return FreeImage_IsTransparent(pPicture) || FreeImage_GetBPP(pPicture) == 32 ||
           FreeImage_GetImageType(pPicture) == FIT_RGBA16;
}

// The picture as 32-bit pixels with alpha, top row first, as the file's alpha says.
QImage WithAlpha(FIBITMAP* pPicture)
{
    FIBITMAP* rgba = FreeImage_ConvertTo32Bits(pPicture);
    if (!rgba)
        return {};
    const QImage bottomUp(FreeImage_GetBits(rgba), static_cast<int>(FreeImage_GetWidth(rgba)),
                          static_cast<int>(FreeImage_GetHeight(rgba)),
                          static_cast<int>(FreeImage_GetPitch(rgba)), QImage::Format_ARGB32);
    QImage image = bottomUp.mirrored(); // a copy: the bitmap goes now
    FreeImage_Unload(rgba);
    return image;
}

// Whether the alpha is used: not every pixel opaque, and not every pixel clear (a 32-bit
// BMP or TIFF often leaves its fourth byte all zero, and is meant opaque).
bool UsesAlpha(const QImage& image)
{
    bool shows = false;
    bool seeThrough = false;
    for (int y = 0; y < image.height() && !(shows && seeThrough); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            shows = shows || qAlpha(row[x]) > 0;
            seeThrough = seeThrough || qAlpha(row[x]) < 255;
        }
    }
    return shows && seeThrough;
}

} // namespace

QImage SeeThroughImage(FIBITMAP* pPicture)
{
    if (!pPicture || !MayBeSeeThrough(pPicture))
        return {};
    QImage rgba = WithAlpha(pPicture);
    return !rgba.isNull() && UsesAlpha(rgba) ? rgba : QImage();
}

QImage CoverPictureImage(FIBITMAP* pPicture)
{
    if (QImage rgba = SeeThroughImage(pPicture); !rgba.isNull())
        return rgba;
    BITMAPINFO grey;
    const BITMAPINFO* info = pPicture ? DrawableInfo(pPicture, grey) : nullptr;
    return info ? DibToImage(info, FreeImage_GetBits(pPicture), DIB_RGB_COLORS) : QImage();
}

QImage OverColour(const QImage& picture, COLORREF crBehind)
{
    if (!picture.hasAlphaChannel())
        return picture;
    QImage opaque(picture.size(), QImage::Format_RGB32);
    opaque.fill(QColor(GetRValue(crBehind), GetGValue(crBehind), GetBValue(crBehind)));
    QPainter painter(&opaque);
    painter.drawImage(0, 0, picture);
    return opaque;
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
