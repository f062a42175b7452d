#include "CoverPrint.h"

#include "CdCoverRenderer.h"
#include "CoverRenderers.h"
#include "DvdCoverRenderer.h"
#include "SlimlineCoverRenderer.h"

#include <QPainter>
#include <QPrinter>

namespace {

// The default sizes of a custom case: a printed page never draws one, so the page needs no
// settings of its own to be drawn.
constexpr DWORD kCustomWidthFront = 121;
constexpr DWORD kCustomHeightFront = 119;
constexpr DWORD kCustomWidthBack = 151;
constexpr DWORD kCustomHeightBack = 118;

CRect PieceRect(int nPpi, double dLeft, double dTop, double dWidth, double dHeight)
{
    return CRect(Pixels(nPpi, dLeft), Pixels(nPpi, dTop), PixelEdge(nPpi, dLeft, dWidth),
                 PixelEdge(nPpi, dTop, dHeight));
}

// Paper is drawn pixel for pixel: the guides see no scaling.
template <typename Renderer> void PrintPiece(Renderer& renderer, CDC* pDC, const CRect& rect, int nFontDpi)
{
    renderer.m_dScaleX = 1.0;
    renderer.m_dScaleY = 1.0;
    renderer.DrawForPrint(pDC, rect, nFontDpi);
}

// The renderers of one page, with their constants for the kind of case.
struct PageRenderers
{
    explicit PageRenderers(CoverType type) { SetRendererConstants(cdFront, cdBack, dvd, slimline, type); }

    CCdCoverRenderer cdFront;
    CCdCoverRenderer cdBack;
    CDvdCoverRenderer dvd;
    CSlimlineCoverRenderer slimline;
};

} // namespace

bool HasPrintedLayout(CoverType type)
{
    return type == StandardCD || type == StandardDVD || type == SlimlineCD || type == SlimlineDVD;
}

void PrepareCoverPrinter(QPrinter& printer, CoverType type)
{
    printer.setFullPage(false); // positions count from the printable area's corner
    printer.setPageLayout(CoverSheetLayout(type));
    printer.setDocName(QStringLiteral("Cover"));
}

int CoverPrintResolution(int nDeviceDpi)
{
    return std::min(nDeviceDpi, kMaxPrintDpi);
}

CRect FrontPieceRect(int nPpi, const CoverGeometry& geometry)
{
    return PieceRect(nPpi, geometry.dFrontLeft, geometry.dFrontTop, geometry.dFrontWidth,
                     geometry.dFrontHeight);
}

CRect BackPieceRect(int nPpi, const CoverGeometry& geometry)
{
    return PieceRect(nPpi, geometry.dBackLeft, geometry.dBackTop, geometry.dBackWidth, geometry.dBackHeight);
}

void PrintCoverPage(CDC* pDC, const CoverState& cover, int nFontDpi)
{
    if (!HasPrintedLayout(cover.covertype))
        return; // a custom size has no renderer: the page stays blank
    CoverGeometry geometry;
    geometry.SetForCoverType(cover.covertype, kCustomWidthFront, kCustomHeightFront, kCustomWidthBack,
                             kCustomHeightBack);
    PageRenderers renderers(cover.covertype);
    const int ppi = pDC->GetDeviceCaps(LOGPIXELSX);
    const CRect back = BackPieceRect(ppi, geometry);
    switch (cover.covertype) {
    case StandardCD:
        FillCdRenderer(renderers.cdFront, cover, geometry, CoverSide::Front, ppi);
        PrintPiece(renderers.cdFront, pDC, FrontPieceRect(ppi, geometry), nFontDpi);
        FillCdRenderer(renderers.cdBack, cover, geometry, CoverSide::Back, ppi);
        PrintPiece(renderers.cdBack, pDC, back, nFontDpi);
        break;
    case SlimlineCD:
        FillSlimlineRenderer(renderers.slimline, cover, geometry, ppi);
        PrintPiece(renderers.slimline, pDC, back, nFontDpi);
        break;
    default: // the two DVD inserts
        FillDvdRenderer(renderers.dvd, cover, geometry, ppi);
        PrintPiece(renderers.dvd, pDC, back, nFontDpi);
        break;
    }
}

void DrawCoverPage(QPainter& painter, const CoverState& cover, int nFontDpi, const CoverPlacement& placement,
                   const PrintCalibration& calibration)
{
    const int dpi = painter.device()->logicalDpiX();
    painter.save();
    ApplyCalibration(painter, calibration, dpi);
    ApplyPlacement(painter, placement, dpi);
    {
        CDC dc;
        dc.AttachPainter(&painter);
        dc.SetPrinting(true);
        PrintCoverPage(&dc, cover, nFontDpi);
    }
    painter.restore();
}
