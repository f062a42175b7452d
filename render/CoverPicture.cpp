#include "CoverPicture.h"

#include "QtConvert.h"

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

FIBITMAP* LoadCoverPicture(const std::string& strPath)
{
    if (strPath.empty())
        return nullptr;
    const FREE_IMAGE_FORMAT format = CoverPictureFormat(strPath);
    if (format == FIF_UNKNOWN)
        return nullptr;
    // The path is opened as it stands: file names here are case-sensitive, so only the
    // format test looks at the upper-cased text.
    FILE* file = std::fopen(strPath.c_str(), "rb");
    if (!file)
        return nullptr;
    std::fclose(file);
    return FreeImage_Load(format, strPath.c_str(), 0);
}

CCoverPicture::~CCoverPicture()
{
    Release();
}

void CCoverPicture::Release()
{
    if (m_pBitmap)
        FreeImage_Unload(m_pBitmap);
    m_pBitmap = nullptr;
}

bool CCoverPicture::StretchOnto(CDC& dc, int x, int y, int nWidth, int nHeight) const
{
    if (!m_pBitmap)
        return false;
    const BITMAPINFO* info = FreeImage_GetInfo(m_pBitmap);
    const FREE_IMAGE_TYPE type = FreeImage_GetImageType(m_pBitmap);
    if (!info || (type != FIT_BITMAP && type != FIT_UINT16 && type != FIT_RGB16 && type != FIT_RGBA16))
        return false;
    // A 16-bit grey picture looks like 5-5-5 colour in its header: say what it is.
    BITMAPINFO grey{};
    if (type == FIT_UINT16) {
        grey.bmiHeader = info->bmiHeader;
        grey.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        grey.bmiHeader.biCompression = BI_GRAY16;
        info = &grey;
    }
    const int width = static_cast<int>(FreeImage_GetWidth(m_pBitmap));
    const int height = static_cast<int>(FreeImage_GetHeight(m_pBitmap));
    return dc.StretchDIBits(x, y, nWidth, nHeight, 0, 0, width, height, FreeImage_GetBits(m_pBitmap), info,
                            DIB_RGB_COLORS, SRCCOPY) != 0;
}
