#include "PictureColours.h"

#include <QFileInfo>
#include <lcms2.h>
#include <memory>

namespace {

constexpr const char* kStandardCmykProfile = "/usr/share/color/icc/ghostscript/default_cmyk.icc";

struct ProfileCloser
{
    void operator()(void* profile) const { cmsCloseProfile(profile); }
};
using Profile = std::unique_ptr<void, ProfileCloser>;

struct TransformDeleter
{
    void operator()(void* transform) const { cmsDeleteTransform(transform); }
};
using Transform = std::unique_ptr<void, TransformDeleter>;

bool IsCmyk(FIBITMAP* pPicture)
{
    return FreeImage_GetColorType(pPicture) == FIC_CMYK && FreeImage_GetBPP(pPicture) == 32;
}

// The profile the picture's pixels are in: its own, else the standard CMYK one for CMYK.
Profile SourceProfile(FIBITMAP* pPicture)
{
    const FIICCPROFILE* icc = FreeImage_GetICCProfile(pPicture);
    if (icc && icc->data && icc->size > 0)
        return Profile(cmsOpenProfileFromMem(icc->data, icc->size));
    const std::string standard = StandardCmykProfilePath();
    if (IsCmyk(pPicture) && !standard.empty())
        return Profile(cmsOpenProfileFromFile(standard.c_str(), "r"));
    return nullptr;
}

// The pixel layout Little CMS reads, when the profile fits the pixels; 0 otherwise.
cmsUInt32Number InputFormat(FIBITMAP* pPicture, void* profile)
{
    const cmsColorSpaceSignature space = cmsGetColorSpace(profile);
    if (IsCmyk(pPicture))
        return space == cmsSigCmykData ? TYPE_CMYK_8 : 0;
    if (FreeImage_GetImageType(pPicture) != FIT_BITMAP || space != cmsSigRgbData)
        return 0;
    return FreeImage_GetBPP(pPicture) == 24 ? TYPE_BGR_8 : FreeImage_GetBPP(pPicture) == 32 ? TYPE_BGRA_8 : 0;
}

// Converts row by row into a bitmap of the output layout: 24-bit for CMYK, the same
// layout (alpha kept) for RGB.
FIBITMAP* Converted(FIBITMAP* pPicture, void* profile, cmsUInt32Number inputFormat)
{
    const bool cmyk = IsCmyk(pPicture);
    const cmsUInt32Number outputFormat = cmyk ? TYPE_BGR_8 : inputFormat;
    const Profile sRgb(cmsCreate_sRGBProfile());
    const Transform transform(cmsCreateTransform(profile, inputFormat, sRgb.get(), outputFormat,
                                                 INTENT_PERCEPTUAL, cmyk ? 0 : cmsFLAGS_COPY_ALPHA));
    if (!transform)
        return nullptr;
    const unsigned width = FreeImage_GetWidth(pPicture);
    const unsigned height = FreeImage_GetHeight(pPicture);
    FIBITMAP* out = FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height),
                                       cmyk ? 24 : FreeImage_GetBPP(pPicture));
    if (!out)
        return nullptr;
    for (unsigned y = 0; y < height; ++y)
        cmsDoTransform(transform.get(), FreeImage_GetScanLine(pPicture, static_cast<int>(y)),
                       FreeImage_GetScanLine(out, static_cast<int>(y)), width);
    return out;
}

// CMYK without a profile to convert it with: the plain formula, no ink model.
FIBITMAP* PlainCmykToRgb(FIBITMAP* pPicture)
{
    const unsigned width = FreeImage_GetWidth(pPicture);
    const unsigned height = FreeImage_GetHeight(pPicture);
    FIBITMAP* out = FreeImage_Allocate(static_cast<int>(width), static_cast<int>(height), 24);
    for (unsigned y = 0; out && y < height; ++y) {
        const BYTE* cmyk = FreeImage_GetScanLine(pPicture, static_cast<int>(y));
        BYTE* bgr = FreeImage_GetScanLine(out, static_cast<int>(y));
        for (unsigned x = 0; x < width; ++x, cmyk += 4, bgr += 3) {
            const int white = 255 - cmyk[3];
            bgr[0] = static_cast<BYTE>((255 - cmyk[2]) * white / 255);
            bgr[1] = static_cast<BYTE>((255 - cmyk[1]) * white / 255);
            bgr[2] = static_cast<BYTE>((255 - cmyk[0]) * white / 255);
        }
    }
    return out;
}

FIBITMAP* Replaced(FIBITMAP* pOld, FIBITMAP* pNew)
{
    if (!pNew)
        return pOld;
    FreeImage_Unload(pOld);
    return pNew;
}

} // namespace

std::string StandardCmykProfilePath()
{
    return QFileInfo::exists(QString::fromLatin1(kStandardCmykProfile)) ? kStandardCmykProfile
                                                                        : std::string();
}

FIBITMAP* InScreenColours(FIBITMAP* pPicture)
{
    if (!pPicture)
        return nullptr;
    const Profile profile = SourceProfile(pPicture);
    const cmsUInt32Number format = profile ? InputFormat(pPicture, profile.get()) : 0;
    if (format != 0)
        return Replaced(pPicture, Converted(pPicture, profile.get(), format));
    return IsCmyk(pPicture) ? Replaced(pPicture, PlainCmykToRgb(pPicture)) : pPicture;
}
