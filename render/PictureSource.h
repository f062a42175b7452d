// Where the background pictures of a drawing come from. Paper decodes each picture whole at
// every drawing; the preview takes the copy it keeps at its size on screen; a PDF page that
// keeps vectors places the picture file itself. The renderer is handed one source for a
// drawing and asks it to stretch a picture over an area; it knows nothing else of where the
// pixels come from.
#pragma once

#include "DC.h"

#include <string>

class CPictureSource
{
public:
    virtual ~CPictureSource() = default;

    // Stretches the picture of a file over an area of the full-size cover, proportions not
    // kept. dScaleX and dScaleY say how much the full-size cover is shrunk on its target
    // (1.0 on paper). False when there is no picture to draw.
    virtual bool StretchOnto(CDC& dc, const std::string& strPath, const CRect& area, double dScaleX,
                             double dScaleY) = 0;
    // Whether the cover is drawn straight onto the target at full size (a PDF page that keeps
    // its text as text and its pictures whole) rather than off screen and shrunk onto it.
    virtual bool DrawsStraightOntoTarget() const { return false; }
};

// Each picture decoded whole from its file when it is drawn, and freed as soon as it has
// been drawn, before the drawing goes on to copy its full-size image: a printed page then
// never holds both at once. What paper gets, and what a renderer uses unless given another.
class CDecodedPictures : public CPictureSource
{
public:
    bool StretchOnto(CDC& dc, const std::string& strPath, const CRect& area, double dScaleX,
                     double dScaleY) override;
};
