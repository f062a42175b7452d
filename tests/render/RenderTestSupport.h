// What the renderer tests share: drawing a renderer into an image at a resolution, reading
// pixels, finding text ink, measuring text as the renderers measure it, and writing
// pictures of our own with FreeImage.
#pragma once

#include "CoverRenderer.h"
#include "DC.h"

#include <FreeImage.h>
#include <QImage>
#include <QRect>
#include <memory>
#include <ostream>
#include <string>

// A pixel as RGB32 stores it, printed in hex when a comparison fails.
struct Pixel
{
    QRgb value;
    bool operator==(const Pixel& other) const { return value == other.value; }
    bool operator!=(const Pixel& other) const { return value != other.value; }
};
void PrintTo(const Pixel& pixel, std::ostream* os);

Pixel Rgb(int r, int g, int b);
Pixel Colour(COLORREF cr);
// Outside the image there is no pixel: a value no RGB32 pixel has.
Pixel PixelAt(const QImage& image, int x, int y);
// Each channel within the tolerance (lossy pictures).
bool IsNear(Pixel actual, Pixel expected, int tolerance);

extern const Pixel kWhite;
extern const Pixel kBlack;
extern const Pixel kGrey;

// Text in the tests is red on a light background, so that black guide lines are not ink.
constexpr COLORREF kTextColour = RGB(255, 0, 0);
bool IsTextInk(QRgb pixel);
// The bounding box of the text ink inside an area (empty when there is none).
QRect InkBounds(const QImage& image, const QRect& area);
// The column of the area with the most ink: the bars of rotated "T"s.
int DensestInkColumn(const QImage& image, const QRect& area);

// Arial with a character height in pixels at 96 pixels per inch (18 points for -24).
LOGFONT Arial(LONG lfHeight);
// A text's extent in a font, measured on a device of the given resolution.
CSize TextExtent(const LOGFONT& lf, const std::string& text, int ppi);

// A blank page of a resolution, filled with a colour no renderer uses, so that every
// pixel a test reads is one the renderer wrote.
QImage BlankPage(int width, int height, int ppi);

// Draws a renderer as for paper: full size, scale 1.0, fonts at 96 pixels per inch.
inline QImage RenderForPrint(CCoverRenderer& renderer, int ppi)
{
    QImage page = BlankPage(renderer.m_nWidth, renderer.m_nHeight, ppi);
    CDC dc;
    dc.Attach(&page);
    renderer.m_dScaleX = renderer.m_dScaleY = 1.0;
    renderer.DrawForPrint(&dc, CRect(0, 0, renderer.m_nWidth, renderer.m_nHeight), 96);
    dc.DeleteDC();
    return page;
}

// Draws a renderer into a smaller preview rectangle at the origin of a full-size page.
inline QImage RenderPreview(CCoverRenderer& renderer, int ppi, int width, int height)
{
    QImage page = BlankPage(renderer.m_nWidth, renderer.m_nHeight, ppi);
    CDC dc;
    dc.Attach(&page);
    renderer.m_dScaleX = static_cast<double>(width) / renderer.m_nWidth;
    renderer.m_dScaleY = static_cast<double>(height) / renderer.m_nHeight;
    renderer.m_nFontDpi = 96;
    renderer.Draw(&dc, CRect(0, 0, width, height), 0, &dc);
    dc.DeleteDC();
    return page;
}

struct FreeImageDeleter
{
    void operator()(FIBITMAP* dib) const { FreeImage_Unload(dib); }
};
using FreeImagePtr = std::unique_ptr<FIBITMAP, FreeImageDeleter>;

// A picture of one colour in 24 or 32 bits (alpha given for 32).
FreeImagePtr SolidPicture(int bpp, int r, int g, int b, int alpha = 255);
// Writes a picture to a file; false when FreeImage cannot.
bool SavePicture(FIBITMAP* dib, FREE_IMAGE_FORMAT format, const std::string& path, int flags = 0);
