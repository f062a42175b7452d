#include "DvdCoverRenderer.h"

#include "CoverDrawing.h"
#include "CoverPicture.h"

void CDvdCoverRenderer::DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT)
{
    const int W = m_nWidth;
    const int H = m_nHeight;
    CCoverPicture picture = PictureFor(m_strImagePath, m_dScaleX, m_dScaleY);
    COffscreenCover offscreen(pDC, W, H, m_pPagePictures ? &rect : nullptr);
    CDC& dc = offscreen.DC();
    // A picture covers the whole insert, spine included; the colour shows only without one.
    if (!picture.StretchOnto(dc, 0, 0, W, H))
        offscreen.Fill(m_crBackground);
    picture.Release();
    if (m_bBackgroundOnly) {
        offscreen.ShrinkOnto(hDC, rect);
        return;
    }

    const int T = hDC->GetDeviceCaps(LOGPIXELSY);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    DrawSpineText(dc, T);

    const CSelectedFont textFont(dc, TextFontForTarget(m_lfText, m_nFontDpi, T), m_crText);
    const CRect back(static_cast<int>(T * m_dBackTextLeft), static_cast<int>(T * m_dBackTextTop),
                     SpineLeft() - 5, H);
    const CRect front(static_cast<int>(T * m_dFrontTextLeft), static_cast<int>(T * m_dFrontTextTop), W, H);
    DrawTitledText(dc, m_strBackTitle, m_strBackText, back);
    DrawTitledText(dc, m_strFrontTitle, m_strFrontText, front);
    offscreen.ShrinkOnto(hDC, rect);
}

// One copy of the spine text, running top to bottom, centred along the spine.
void CDvdCoverRenderer::DrawSpineText(CDC& dc, int nLogPixelsY)
{
    const int X0 = SpineLeft();
    const int S = m_nSpineWidth;
    const CSelectedFont spineFont(dc, SpineFont(m_lfText, 14, nLogPixelsY, -900), m_crText);
    const CSize extent = dc.GetTextExtent(m_strSpineText);
    const CRect clip(X0, 0, X0 + S + extent.cy, m_nHeight);
    const int x = X0 + extent.cy + (m_bSlimSpineText ? S / 10 : S / 4);
    dc.ExtTextOut(x, m_nHeight / 2 - extent.cx / 2, ETO_CLIPPED, &clip, m_strSpineText);
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
