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

// Paper is drawn pixel for pixel: the guides see no scaling. A print shop's piece has no
// guide lines: it is cut at its trim and folded at the fold marks, and the spine guides'
// rectangles run along the trim too.
template <typename Renderer>
void PrintPiece(Renderer& renderer, CDC* pDC, const CRect& rect, int nFontDpi, const PieceDrawing& drawing)
{
    renderer.m_dScaleX = 1.0;
    renderer.m_dScaleY = 1.0;
    const bool guides = drawing.bGuides && !drawing.bBackgroundOnly;
    renderer.m_bShowBorder = renderer.m_bShowBorder && guides;
    renderer.m_bShowSpineGuides = renderer.m_bShowSpineGuides && guides;
    renderer.m_bBackgroundOnly = drawing.bBackgroundOnly;
    renderer.m_pPagePictures = drawing.pPagePictures;
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

CoverGeometry PrintedGeometry(CoverType type)
{
    CoverGeometry geometry;
    geometry.SetForCoverType(type, kCustomWidthFront, kCustomHeightFront, kCustomWidthBack,
                             kCustomHeightBack);
    return geometry;
}

std::vector<CoverPiece> PiecesOf(CoverType type)
{
    if (!HasPrintedLayout(type))
        return {};
    if (type == StandardCD)
        return {CoverPiece::CdFront, CoverPiece::CdBack};
    return {CoverPiece::Insert};
}

CRect PieceRect(int nPpi, CoverType type, CoverPiece piece)
{
    const CoverGeometry geometry = PrintedGeometry(type);
    return piece == CoverPiece::CdFront ? FrontPieceRect(nPpi, geometry) : BackPieceRect(nPpi, geometry);
}

std::vector<int> PieceFolds(int nPpi, CoverType type, CoverPiece piece)
{
    const CoverGeometry geometry = PrintedGeometry(type);
    const int width = PieceRect(nPpi, type, piece).Width();
    const int spine = Pixels(nPpi, geometry.dBackSpine);
    switch (type) {
    case StandardCD:
        return piece == CoverPiece::CdBack ? std::vector<int>{spine, width - spine} : std::vector<int>{};
    case SlimlineCD: {
        const int flap = Pixels(nPpi, geometry.dFlapWidth);
        return {flap, flap + spine};
    }
    default:
        return {width / 2 - spine / 2, width / 2 - spine / 2 + spine};
    }
}

void DrawCoverPiece(CDC* pDC, const CoverState& cover, CoverPiece piece, const CRect& rect, int nFontDpi,
                    const PieceDrawing& drawing)
{
    const CoverGeometry geometry = PrintedGeometry(cover.covertype);
    PageRenderers renderers(cover.covertype);
    const int ppi = pDC->GetDeviceCaps(LOGPIXELSX);
    switch (piece) {
    case CoverPiece::CdFront:
    case CoverPiece::CdBack: {
        const CoverSide side = piece == CoverPiece::CdFront ? CoverSide::Front : CoverSide::Back;
        CCdCoverRenderer& renderer = side == CoverSide::Front ? renderers.cdFront : renderers.cdBack;
        FillCdRenderer(renderer, cover, geometry, side, ppi);
        PrintPiece(renderer, pDC, rect, nFontDpi, drawing);
        break;
    }
    case CoverPiece::Insert:
        if (cover.covertype == SlimlineCD) {
            FillSlimlineRenderer(renderers.slimline, cover, geometry, ppi);
            PrintPiece(renderers.slimline, pDC, rect, nFontDpi, drawing);
        } else {
            FillDvdRenderer(renderers.dvd, cover, geometry, ppi);
            PrintPiece(renderers.dvd, pDC, rect, nFontDpi, drawing);
        }
        break;
    }
}

void PrintCoverPage(CDC* pDC, const CoverState& cover, int nFontDpi, CPagePictures* pPagePictures)
{
    // A custom size has no pieces: the page stays blank.
    const int ppi = pDC->GetDeviceCaps(LOGPIXELSX);
    PieceDrawing drawing;
    drawing.pPagePictures = pPagePictures;
    for (const CoverPiece piece : PiecesOf(cover.covertype))
        DrawCoverPiece(pDC, cover, piece, PieceRect(ppi, cover.covertype, piece), nFontDpi, drawing);
}

void DrawCoverPage(QPainter& painter, const CoverState& cover, int nFontDpi, const CoverPlacement& placement,
                   const PrintCalibration& calibration, CPagePictures* pPagePictures)
{
    const int dpi = painter.device()->logicalDpiX();
    painter.save();
    ApplyCalibration(painter, calibration, dpi);
    ApplyPlacement(painter, placement, dpi);
    {
        CDC dc;
        dc.AttachPainter(&painter);
        dc.SetPrinting(true);
        PrintCoverPage(&dc, cover, nFontDpi, pPagePictures);
    }
    painter.restore();
}
