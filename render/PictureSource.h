// Where the background pictures of a drawing come from. Paper decodes each picture whole at
// every drawing; the preview takes the copy it keeps at its size on screen; a PDF page that
// keeps vectors places the picture file itself. The renderer is handed one source for a
// drawing and asks it to stretch a picture over an area; it knows nothing else of where the
// pixels come from.
#pragma once

#include "DC.h"

#include <string>

// One picture to draw: its file, the area of the full-size cover it is stretched over
// (proportions not kept), how much the full-size cover is shrunk on its target (1.0 on
// paper), and the colour its see-through parts show: the side's background.
struct PictureRequest
{
    std::string strPath;
    CRect area;
    double dScaleX = 1.0;
    double dScaleY = 1.0;
    COLORREF crBehind = RGB(255, 255, 255);
};

class CPictureSource
{
public:
    virtual ~CPictureSource() = default;

    // Draws the picture; false when there is none to draw.
    virtual bool StretchOnto(CDC& dc, const PictureRequest& picture) = 0;
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
    bool StretchOnto(CDC& dc, const PictureRequest& picture) override;
};
