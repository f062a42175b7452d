// Printing a cover on one sheet at real size: the renderers drawn at fixed positions from
// the printable area's origin, at the printer's own resolution.
#pragma once

#include "CoverGeometry.h"
#include "CoverState.h"
#include "DC.h"

class CMyFlatButton;
class CDVDCoverButton;
class CSlimlineCoverButton;

// The renderers a page is drawn with: the main window's own, or ones made for the job.
struct CoverRendererSet
{
    CMyFlatButton* pCdFront;
    CMyFlatButton* pCdBack;
    CDVDCoverButton* pDvd;
    CSlimlineCoverButton* pSlimline;
};

// The place of a piece on the page, in the device's pixels: ppi is its horizontal
// resolution, used for both axes.
CRect FrontPieceRect(int nPpi, const CoverGeometry& geometry);
CRect BackPieceRect(int nPpi, const CoverGeometry& geometry);

// Draws the cover's page: a standard CD's front above its back, every other kind in the
// back rectangle, a custom size nothing. nFontDpi is the screen's resolution, in which the
// cover's font heights are given, so text keeps its size on paper.
void PrintCoverPage(CDC* pDC, const CoverState& cover, const CoverGeometry& geometry, const CoverRendererSet& renderers,
                    int nFontDpi);

// The highest resolution a cover is printed at; a full-size DVD insert at 1200 dpi would
// take half a gigabyte for one picture, and 600 is finer than any paper shows.
constexpr int kMaxPrintDpi = 600;
