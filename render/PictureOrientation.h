// The way up of a picture, as a camera records it in the EXIF "Orientation" tag (TIFF's own
// tag of the same number): 1 as stored, 2 mirrored, 3 turned half round, 4 upside down
// mirrored, 5 to 8 the four that swap width and height. Phones store their photos as the
// sensor reads them and tag how to turn them; every road a picture takes draws it upright.
#pragma once

#include "WinTypes.h" // before FreeImage.h, which otherwise declares the Windows types again

#include <FreeImage.h>
#include <QTransform>
#include <string>

// The orientation a decoded picture's metadata holds, 1 when it holds none or an unknown one.
int PictureOrientation(FIBITMAP* pPicture);
// The orientation of a picture file, read from its header alone.
int PictureFileOrientation(const std::string& strPath);
// The picture turned and mirrored upright; the one given is unloaded. Null in, null out.
FIBITMAP* TurnUpright(FIBITMAP* pPicture, int nOrientation);
// Whether the upright picture is the stored one with width and height exchanged.
bool SwapsSides(int nOrientation);
// Where each point of the stored picture goes on the upright one, both as the unit square.
QTransform UprightTransform(int nOrientation);
