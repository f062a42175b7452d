#include "SlimlineCoverRenderer.h"

#include "CoverDrawing.h"

// A slimline insert's text starts further in than a CD's.
CSlimlineCoverRenderer::CSlimlineCoverRenderer()
{
    m_dTextMarginX = 0.84;
    m_dTextMarginY = 0.25;
}

CRect CSlimlineCoverRenderer::PictureArea() const
{
    const int left = m_bExtendImage ? 0 : m_nFlapWidth + m_nSpineWidth;
    return CRect(left, 0, m_nWidth, m_nHeight);
}

// The spine text runs top to bottom against the spine's right edge, centred along it,
// and is clipped to the spine.
void CSlimlineCoverRenderer::DrawSpineTexts(CDC& dc, int nLogPixelsY)
{
    const int S = m_nSpineWidth;
    const int F = m_nFlapWidth;
    const CRect clip(F, 0, F + S, m_nHeight);
    const CSelectedFont spineFont(dc, SpineFont(m_lfText, 7, nLogPixelsY, -900), m_crText);
    const std::string spine = SpineTextToFit(dc, m_nHeight);
    const CSize extent = dc.GetTextExtent(spine);
    dc.ExtTextOut(F + S, m_nHeight / 2 - extent.cx / 2, ETO_CLIPPED, &clip, spine);
}

CRect CSlimlineCoverRenderer::TextArea(int nLogPixelsY) const
{
    const int T = nLogPixelsY;
    return CRect(static_cast<int>(T * m_dTextMarginX), static_cast<int>(T * m_dTextMarginY), m_nWidth - 5,
                 m_nHeight);
}

void CSlimlineCoverRenderer::DrawGuides(CDC* pDC, CRect rect, UINT)
{
    pDC->SelectStockObject(NULL_BRUSH);
    if (m_bShowBorder)
        pDC->Rectangle(&rect);
    if (m_bShowSpineGuides) {
        const int a = static_cast<int>(m_nSpineWidth * m_dScaleX);
        const int f = static_cast<int>(m_nFlapWidth * m_dScaleX);
        pDC->Rectangle(rect.left + f, rect.top, rect.left + f + a + 1, rect.bottom);
    }
    if (m_bShowBorder)
        DrawNotches(pDC, rect);
}

// The two corner notches are cut from the paper: outlined, then painted out (white on
// paper, grey in the preview) so that their inner edges remain as cut lines. Their size
// is in full-size pixels, not scaled, so they show larger on the preview than on paper.
void CSlimlineCoverRenderer::DrawNotches(CDC* pDC, const CRect& rect)
{
    pDC->Rectangle(&rect);
    const int c = m_nNotchWidth;
    const int d = m_nNotchHeight;
    pDC->Rectangle(rect.left, rect.top, rect.left + c + 1, rect.top + d);
    pDC->Rectangle(rect.left, rect.bottom - d, rect.left + c + 1, rect.bottom);
    CBrush paint(m_dScaleY == 1.0 ? RGB(255, 255, 255) : RGB(128, 128, 128));
    const CRect bottom(rect.left, rect.bottom - d + 1, rect.left + c, rect.bottom + 1);
    const CRect top(rect.left, rect.top - 1, rect.left + c, rect.top + d - 1);
    pDC->FillRect(&bottom, &paint);
    pDC->FillRect(&top, &paint);
}
