// Cutting the framed part out of a picture into a file of its own, which the cover then
// holds: what the cover shows is then what any program that opens the cover file shows.
#pragma once

#include <QRect>
#include <string>

struct PictureCut
{
    std::string strPath; // the new file; empty when nothing could be cut
    QRect frame;         // what was cut, in the upright picture's pixels
    std::string strError;
};

// Writes the part of a picture inside the frame (in the upright picture's pixels) to
// strTarget plus an extension. A JPEG is cut without being decoded: its blocks are turned
// upright and cut on their grid (so the frame moves by less than a block, its size kept),
// its other markers (its colour profile among them) are kept and its orientation tag says
// upright: ".jpg". Any other picture is cut exactly, upright, and kept lossless: ".png".
PictureCut CutPicture(const std::string& strSource, const QRect& frame, const std::string& strTarget);

// Marks a JPEG file's bytes as stored upright: the EXIF orientation tag, where there is one,
// becomes 1. Nothing else changes.
void MarkJpegUpright(std::string& jpeg);
