#include "PictureSource.h"

#include "CoverPicture.h"

bool CDecodedPictures::StretchOnto(CDC& dc, const PictureRequest& request)
{
    FIBITMAP* picture = LoadCoverPicture(request.strPath);
    if (!picture)
        return false;
    // A see-through picture is laid over the background first: a bitmap stretched as it is
    // would show its clear pixels' colour, mostly black.
    const QImage seeThrough = SeeThroughImage(picture);
    const bool drawn = seeThrough.isNull()
                           ? StretchCoverPicture(dc, picture, request.area)
                           : StretchCoverImage(dc, OverColour(seeThrough, request.crBehind), request.area);
    FreeImage_Unload(picture);
    return drawn;
}
