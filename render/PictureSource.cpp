#include "PictureSource.h"

#include "CoverPicture.h"

bool CDecodedPictures::StretchOnto(CDC& dc, const std::string& strPath, const CRect& area, double, double)
{
    FIBITMAP* picture = LoadCoverPicture(strPath);
    if (!picture)
        return false;
    const bool drawn = StretchCoverPicture(dc, picture, area);
    FreeImage_Unload(picture);
    return drawn;
}
