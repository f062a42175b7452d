#include "CoverPrint.h"

#include "CoverRenderers.h"
#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "SlimlineCoverButton.h"

namespace {

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

} // namespace

CRect FrontPieceRect(int nPpi, const CoverGeometry& geometry)
{
    return PieceRect(nPpi, geometry.dFrontLeft, geometry.dFrontTop, geometry.dFrontWidth, geometry.dFrontHeight);
}

CRect BackPieceRect(int nPpi, const CoverGeometry& geometry)
{
    return PieceRect(nPpi, geometry.dBackLeft, geometry.dBackTop, geometry.dBackWidth, geometry.dBackHeight);
}

void PrintCoverPage(CDC* pDC, const CoverState& cover, const CoverGeometry& geometry, const CoverRendererSet& renderers,
                    int nFontDpi)
{
    const int ppi = pDC->GetDeviceCaps(LOGPIXELSX);
    const CRect front = FrontPieceRect(ppi, geometry);
    const CRect back = BackPieceRect(ppi, geometry);
    switch (cover.covertype) {
    case StandardCD:
        FillCdRenderer(*renderers.pCdFront, cover, geometry, CoverSide::Front, ppi);
        PrintPiece(*renderers.pCdFront, pDC, front, nFontDpi);
        FillCdRenderer(*renderers.pCdBack, cover, geometry, CoverSide::Back, ppi);
        PrintPiece(*renderers.pCdBack, pDC, back, nFontDpi);
        break;
    case StandardDVD:
    case SlimlineDVD:
        FillDvdRenderer(*renderers.pDvd, cover, geometry, ppi);
        PrintPiece(*renderers.pDvd, pDC, back, nFontDpi);
        break;
    case SlimlineCD:
        FillSlimlineRenderer(*renderers.pSlimline, cover, geometry, ppi);
        PrintPiece(*renderers.pSlimline, pDC, back, nFontDpi);
        break;
    default:
        break; // a custom size has no renderer: the page stays blank
    }
}
