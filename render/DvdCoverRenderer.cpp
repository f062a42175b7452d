#include "DvdCoverRenderer.h"

#include "CoverDrawing.h"

void CDvdCoverRenderer::PaintBackground(COffscreenCover& offscreen)
{
    if (!StretchPicture(offscreen.DC(), PictureArea()))
        offscreen.Fill(m_crBackground);
}

// One copy of the spine text, running top to bottom, centred along the spine.
void CDvdCoverRenderer::DrawSpineTexts(CDC& dc, int nLogPixelsY)
{
    const int X0 = SpineLeft();
    const int S = m_nSpineWidth;
    const CSelectedFont spineFont(dc, SpineFont(m_lfText, 14, nLogPixelsY, -900), m_crText);
    const std::string spine = SpineTextToFit(dc, m_nHeight);
    const CSize extent = dc.GetTextExtent(spine);
    const CRect clip(X0, 0, X0 + S + extent.cy, m_nHeight);
    const int x = X0 + extent.cy + (m_bSlimSpineText ? S / 10 : S / 4);
    dc.ExtTextOut(x, m_nHeight / 2 - extent.cx / 2, ETO_CLIPPED, &clip, spine);
}

// Each panel's title and text, from the panel's fixed place.
void CDvdCoverRenderer::DrawTexts(CDC& dc, int nLogPixelsY)
{
    const int T = nLogPixelsY;
    const CRect back(static_cast<int>(T * m_dBackTextLeft), static_cast<int>(T * m_dBackTextTop),
                     SpineLeft() - 5, m_nHeight);
    const CRect front(static_cast<int>(T * m_dFrontTextLeft), static_cast<int>(T * m_dFrontTextTop), m_nWidth,
                      m_nHeight);
    DrawTitledText(dc, m_strBackTitle, m_strBackText, back, &m_fit);
    DrawTitledText(dc, m_strFrontTitle, m_strFrontText, front, &m_fit);
}

void CDvdCoverRenderer::DrawGuides(CDC* pDC, CRect rect, UINT)
{
    pDC->SelectStockObject(NULL_BRUSH);
    if (m_bShowSpineGuides) {
        const int a = static_cast<int>(m_nSpineWidth * m_dScaleX);
        const int x = rect.left + (rect.right - rect.left) / 2 - a / 2;
        pDC->Rectangle(x, rect.top, x + a, rect.bottom);
    }
    if (m_bShowBorder)
        pDC->Rectangle(&rect);
}
