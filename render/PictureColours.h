// A picture's own colours brought to the screen's: sRGB, which screens, PNG files and
// printers here take. A picture that embeds a colour profile (a JPEG's APP2, a PNG's iCCP, a
// TIFF's) is converted from it with Little CMS; a CMYK JPEG without one is converted with
// the standard CMYK profile that PDF viewers use for plain CMYK, so that the screen and a
// PDF holding the same JPEG show the same colours.
#pragma once

#include "WinTypes.h" // before FreeImage.h, which otherwise declares the Windows types again

#include <FreeImage.h>
#include <string>

// The standard CMYK profile, from Ghostscript's colour profiles; empty when not installed.
std::string StandardCmykProfilePath();

// The picture in sRGB; the one given is unloaded when another is returned. A picture
// without a profile, or whose profile does not fit its pixels, comes back as it is (a CMYK
// one then converted plainly).
FIBITMAP* InScreenColours(FIBITMAP* pPicture);
