// A disc's own label, drawn from the front of its cover: the background colour over the ring
// between the hub and the rim, the front's part of the picture in proportion (centred,
// cropped to the circle's square), the spine text along the upper arc and the front's texts
// below the hub. The hub and the outside of the circle are never painted: everything is
// clipped to the ring. The same drawing serves a label sheet, a printable disc, a PDF and the
// preview.
#pragma once

#include "CoverDrawing.h"
#include "WinTypes.h"

#include <QPointF>
#include <QRectF>
#include <string>
#include <vector>

class CPictureSource;
class QPainter;

// What a label shows, taken from a cover.
struct DiscLabelDesign
{
    COLORREF crBackground = RGB(255, 255, 255);
    std::string strImagePath;
    // The part of the picture the cover's front shows, as fractions of the picture's width
    // and height: the label is cut from its centre.
    QRectF pictureFront{0, 0, 1, 1};
    std::string strArcText;         // along the upper arc
    std::vector<std::string> lines; // below the hub, centred: the title and texts or the tracks
    LOGFONT lfText{};
    COLORREF crText = RGB(0, 0, 0);
    int nFontDpi = 96; // pixels per inch the font's height is given in
};

// Where one label goes on the painter's device, in its pixels.
struct DiscLabelPlace
{
    QPointF centre;
    double dOuter = 0; // diameter of the printed face
    double dHub = 0;   // diameter of the unprinted centre
    bool bCutGuide = false;
};

// The thinnest a cut guide may be drawn, in millimetres.
constexpr double kCutGuideWidthMm = 0.2;
// The smallest text a label sets, in points, before it cuts lines instead.
constexpr double kLabelSmallestPoints = 6.0;

// Draws the label; what its texts could not show is added to *pFit. The painter's device
// resolution (logicalDpiY) sizes the text.
void DrawDiscLabel(QPainter& painter, const DiscLabelDesign& design, const DiscLabelPlace& place,
                   CPictureSource& pictures, TextFit* pFit = nullptr);
