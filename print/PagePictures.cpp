#include "PagePictures.h"

#include "CoverPicture.h"
#include "PictureOrientation.h"

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <memory>

namespace {

// libjpeg ends the program on an error unless its handler jumps back out.
struct JpegErrors
{
    jpeg_error_mgr manager;
    std::jmp_buf jump;
};

void JumpOnError(j_common_ptr info)
{
    std::longjmp(reinterpret_cast<JpegErrors*>(info->err)->jump, 1);
}

void Silent(j_common_ptr)
{
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

// The header fields a PDF needs, from a decompressor whose header has been read.
bool Carriable(const jpeg_decompress_struct& info, PageJpeg* pJpeg)
{
    const int components = info.num_components;
    if (info.data_precision != 8 || info.arith_code ||
        (components != 1 && components != 3 && components != 4))
        return false;
    pJpeg->nWidth = static_cast<int>(info.image_width);
    pJpeg->nHeight = static_cast<int>(info.image_height);
    pJpeg->nComponents = components;
    pJpeg->bAdobe = info.saw_Adobe_marker != 0;
    return pJpeg->nWidth > 0 && pJpeg->nHeight > 0;
}

// The colour space an ICC profile's header names (bytes 16 to 19) fits the components.
bool ProfileFits(const std::string& profile, int nComponents)
{
    if (profile.size() < 128)
        return false;
    const std::string space = profile.substr(16, 4);
    return (nComponents == 1 && space == "GRAY") || (nComponents == 3 && space == "RGB ") ||
           (nComponents == 4 && space == "CMYK");
}

// The profile in the file's APP2 markers, which the header read has kept.
std::string EmbeddedProfile(jpeg_decompress_struct& info, int nComponents)
{
    JOCTET* data = nullptr;
    unsigned int length = 0;
    if (!jpeg_read_icc_profile(&info, &data, &length) || !data)
        return {};
    std::string profile(reinterpret_cast<const char*>(data), length);
    std::free(data);
    return ProfileFits(profile, nComponents) ? profile : std::string();
}

} // namespace

bool ReadPageJpeg(const std::string& strPath, PageJpeg* pJpeg)
{
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(strPath.c_str(), "rb"));
    if (!file)
        return false;
    jpeg_decompress_struct info{};
    JpegErrors errors{};
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = JumpOnError;
    errors.manager.output_message = Silent;
    if (setjmp(errors.jump)) {
        jpeg_destroy_decompress(&info);
        return false;
    }
    jpeg_create_decompress(&info);
    jpeg_stdio_src(&info, file.get());
    jpeg_save_markers(&info, JPEG_APP0 + 2, 0xFFFF);
    const bool read = jpeg_read_header(&info, TRUE) == JPEG_HEADER_OK;
    pJpeg->strPath = strPath;
    const bool carriable = read && Carriable(info, pJpeg);
    if (carriable)
        pJpeg->strIccProfile = EmbeddedProfile(info, pJpeg->nComponents);
    jpeg_destroy_decompress(&info);
    return carriable;
}

bool CPagePictures::StretchOnto(CDC& dc, const PictureRequest& request)
{
    const CRect& area = request.area;
    if (request.strPath.empty() || area.Width() <= 0 || area.Height() <= 0)
        return false;
    QTransform upright;
    const QImage picture =
        ImageFor(request.strPath, QSize(area.Width(), area.Height()), request.crBehind, &upright);
    return !picture.isNull() && dc.DrawPicture(area, picture, upright) != 0;
}

// A JPEG keeps the file's pixels as the camera stored them: its way up is where the page
// places it, turned or mirrored there, never decoded and encoded again.
QImage CPagePictures::ImageFor(const std::string& strPath, const QSize& area, COLORREF crBehind,
                               QTransform* pUpright)
{
    PageJpeg jpeg;
    if (m_bJpegsAsTheyAre && CoverPictureFileFormat(strPath) == FIF_JPEG && ReadPageJpeg(strPath, &jpeg)) {
        *pUpright = UprightTransform(PictureFileOrientation(strPath));
        return StandInFor(jpeg);
    }
    return DecodedFor(strPath, area, crBehind);
}

QImage CPagePictures::StandInFor(const PageJpeg& jpeg)
{
    for (size_t i = 0; i < m_jpegs.size(); ++i)
        if (m_jpegs[i].strPath == jpeg.strPath)
            return m_standIns[i];
    QImage standIn(static_cast<int>(m_jpegs.size()) + 1, kStandInHeight, QImage::Format_RGB32);
    standIn.fill(Qt::gray);
    m_jpegs.push_back(jpeg);
    m_standIns.push_back(standIn);
    return standIn;
}

// A picture larger than its area in page pixels is brought down to them: the page shows no
// more. One that would pass for a stand-in is doubled, which changes nothing on the page. A
// see-through picture is laid over the background colour first: every PDF viewer and
// printer then shows the same page.
QImage CPagePictures::DecodedFor(const std::string& strPath, const QSize& area, COLORREF crBehind)
{
    const DecodedKey key{strPath, area.width(), area.height(), crBehind};
    if (const auto found = m_decoded.find(key); found != m_decoded.end())
        return found->second;
    FIBITMAP* bitmap = m_bJpegsAsTheyAre
                           ? LoadCoverPicture(strPath)
                           : LoadCoverPictureFor(strPath, std::max(area.width(), area.height()));
    QImage picture = OverColour(CoverPictureImage(bitmap), crBehind);
    if (bitmap)
        FreeImage_Unload(bitmap);
    if (picture.isNull())
        return picture;
    const QSize capped = picture.size().boundedTo(area.expandedTo(QSize(1, 1)));
    if (capped != picture.size())
        picture = picture.scaled(capped, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (picture.height() == kStandInHeight)
        picture = picture.scaled(picture.size() * 2);
    m_decoded[key] = picture;
    return picture;
}
