#include "CoverPrint.h"

#include "CoverRenderer.h"

#include <QPainter>
#include <QPrinter>

namespace {

CRect PieceRect(int nPpi, double dLeft, double dTop, double dWidth, double dHeight)
{
    return CRect(Pixels(nPpi, dLeft), Pixels(nPpi, dTop), PixelEdge(nPpi, dLeft, dWidth),
                 PixelEdge(nPpi, dTop, dHeight));
}

// Paper is drawn pixel for pixel: the guides see no scaling. A print shop's piece has no
// guide lines: it is cut at its trim and folded at the fold marks, and the spine guides'
// rectangles run along the trim too.
void PrintPiece(CCoverRenderer& renderer, CDC* pDC, const CRect& rect, int nFontDpi,
                const PieceDrawing& drawing)
{
    renderer.m_dScaleX = 1.0;
    renderer.m_dScaleY = 1.0;
    renderer.m_bShowBorder = renderer.m_bShowBorder && drawing.bGuides;
    renderer.m_bShowSpineGuides = renderer.m_bShowSpineGuides && drawing.bGuides;
    renderer.SetPictureSource(drawing.pPictures);
    if (drawing.bBackgroundOnly)
        renderer.DrawBackgroundForPrint(pDC, rect);
    else
        renderer.DrawForPrint(pDC, rect, nFontDpi);
}

} // namespace

bool HasPrintedLayout(CoverType type)
{
    return type == StandardCD || type == StandardDVD || type == SlimlineCD || type == SlimlineDVD;
}

// The paper and its orientation are set on their own first: a printer that cannot print as
// near the edge as a PDF page's margins would refuse a whole layout, paper and all. The
// margins are then the PDF page's, or the printer's own where it needs more.
void PrepareCoverPrinter(QPrinter& printer, CoverType type)
{
    printer.setFullPage(false); // the painter starts at the printable area's corner
    const QPageLayout sheet = CoverSheetLayout(type);
    printer.setPageSize(sheet.pageSize());
    printer.setPageOrientation(sheet.orientation());
    if (!printer.setPageMargins(sheet.margins(), sheet.units())) {
        const QMarginsF least = printer.pageLayout().minimumMargins();
        const QMarginsF wanted = sheet.margins(printer.pageLayout().units());
        printer.setPageMargins(
            QMarginsF(std::max(least.left(), wanted.left()), std::max(least.top(), wanted.top()),
                      std::max(least.right(), wanted.right()), std::max(least.bottom(), wanted.bottom())),
            printer.pageLayout().units());
    }
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
    const CoverGeometry geometry = CoverGeometry::ForCoverType(type);
    return piece == CoverPiece::CdFront ? FrontPieceRect(nPpi, geometry) : BackPieceRect(nPpi, geometry);
}

QSize PieceDrawnSize(int nPpi, CoverType type, CoverPiece piece)
{
    const CoverGeometry geometry = CoverGeometry::ForCoverType(type);
    const bool front = piece == CoverPiece::CdFront;
    return QSize(Pixels(nPpi, front ? geometry.dFrontWidth : geometry.dBackWidth),
                 Pixels(nPpi, front ? geometry.dFrontHeight : geometry.dBackHeight));
}

std::vector<int> PieceFolds(int nPpi, CoverType type, CoverPiece piece)
{
    const CoverGeometry geometry = CoverGeometry::ForCoverType(type);
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
    const int ppi = pDC->GetDeviceCaps(LOGPIXELSX);
    const std::unique_ptr<CCoverRenderer> renderer =
        MakePieceRenderer(cover, CoverGeometry::ForCoverType(cover.covertype), piece, ppi);
    PrintPiece(*renderer, pDC, rect, nFontDpi, drawing);
}

void PrintCoverPage(CDC* pDC, const CoverState& cover, int nFontDpi, CPictureSource* pPictures)
{
    // A custom size has no pieces: the page stays blank.
    const int ppi = pDC->GetDeviceCaps(LOGPIXELSX);
    PieceDrawing drawing;
    drawing.pPictures = pPictures;
    for (const CoverPiece piece : PiecesOf(cover.covertype))
        DrawCoverPiece(pDC, cover, piece, PieceRect(ppi, cover.covertype, piece), nFontDpi, drawing);
}

void DrawCoverPage(QPainter& painter, const CoverState& cover, int nFontDpi, const CoverPlacement& placement,
                   const PrintCalibration& calibration, CPictureSource* pPictures)
{
    const int dpi = painter.device()->logicalDpiX();
    painter.save();
    ApplyCalibration(painter, calibration, dpi);
    ApplyPlacement(painter, placement, dpi);
    {
        CDC dc;
        dc.AttachPainter(&painter);
        dc.SetPrinting(true);
        PrintCoverPage(&dc, cover, nFontDpi, pPictures);
    }
    painter.restore();
}
