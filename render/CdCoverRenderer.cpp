#include "CdCoverRenderer.h"

#include "CoverDrawing.h"

CRect CCdCoverRenderer::PictureArea() const
{
    const int S = m_bExtendImage ? 0 : m_nSpineWidth;
    return CRect(S, 0, m_nWidth - S, m_nHeight);
}

// Both spines carry the spine text, centred along their length: on the right spine it
// runs top to bottom starting 2 pixels right of the fold, on the left bottom to top.
void CCdCoverRenderer::DrawSpineTexts(CDC& dc, int nLogPixelsY)
{
    const int W = m_nWidth;
    const int H = m_nHeight;
    const int S = m_nSpineWidth;
    CSize extent;
    std::string spine;
    {
        const CSelectedFont rightFont(dc, SpineFont(m_lfText, 12, nLogPixelsY, -900), m_crText);
        spine = SpineTextToFit(dc, H);
        extent = dc.GetTextExtent(spine);
        const CRect rightClip(W - S, 0, W + extent.cy, H);
        dc.ExtTextOut(W - S + extent.cy + 2, H / 2 - extent.cx / 2, ETO_CLIPPED, &rightClip, spine);
    }
    // The left spine uses the measure of the right one: the text is measured once.
    const CSelectedFont leftFont(dc, SpineFont(m_lfText, 12, nLogPixelsY, 900), m_crText);
    const CRect leftClip(0, 0, S + extent.cy, H);
    dc.ExtTextOut(S / 5, H / 2 + extent.cx / 2, ETO_CLIPPED, &leftClip, spine);
}

CRect CCdCoverRenderer::TextArea(int nLogPixelsY) const
{
    const int S = m_nSpineWidth;
    const int mx = static_cast<int>(nLogPixelsY * m_dTextMarginX);
    const int my = static_cast<int>(nLogPixelsY * m_dTextMarginY);
    return CRect(S + mx, my, m_nWidth - S - 5, m_nHeight);
}

void CCdCoverRenderer::DrawGuides(CDC* pDC, CRect rect, UINT)
{
    pDC->SelectStockObject(NULL_BRUSH);
    if (m_bShowBorder)
        pDC->Rectangle(&rect);
    if (!m_bShowSpineGuides)
        return;
    const int a = static_cast<int>(m_nSpineWidth * m_dScaleX);
    // The left spine strip, its right side on the left fold line; then the panel between
    // the two fold lines, given right to left and ordered by Rectangle.
    pDC->Rectangle(rect.left, rect.top, rect.left + a + 1, rect.bottom);
    pDC->Rectangle(rect.right - a, rect.top, rect.left + a, rect.bottom);
}
