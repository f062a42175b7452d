#include "CoverRenderer.h"

#include "CoverDrawing.h"
#include "PictureSource.h"

void CCoverRenderer::Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC)
{
    const CRect copy = rect;
    if (m_nFontDpi <= 0)
        m_nFontDpi = hDC->GetDeviceCaps(LOGPIXELSY);
    DrawCover(pDC, hDC, copy, nState);
    DrawGuides(pDC, copy, nState);
}

void CCoverRenderer::DrawCover(CDC* pDC, HDC hDC, CRect rect, UINT)
{
    COffscreenCover offscreen(pDC, m_nWidth, m_nHeight,
                              Pictures().DrawsStraightOntoTarget() ? &rect : nullptr);
    m_fit = TextFit{};
    PaintBackground(offscreen);
    CDC& dc = offscreen.DC();
    const int T = hDC->GetDeviceCaps(LOGPIXELSY);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    DrawSpineTexts(dc, T);
    const CSelectedFont textFont(dc, TextFontForTarget(m_lfText, m_nFontDpi, T), m_crText);
    DrawTexts(dc, T);
    offscreen.ShrinkOnto(hDC, rect);
}

void CCoverRenderer::DrawForPrint(CDC* pDC, CRect rect, int nFontDpi)
{
    m_nFontDpi = nFontDpi;
    Draw(pDC, rect, 0, pDC->GetSafeHdc());
}

void CCoverRenderer::DrawBackgroundForPrint(CDC* pDC, CRect rect)
{
    COffscreenCover offscreen(pDC, m_nWidth, m_nHeight,
                              Pictures().DrawsStraightOntoTarget() ? &rect : nullptr);
    PaintBackground(offscreen);
    offscreen.ShrinkOnto(pDC, rect);
}

CRect CCoverRenderer::PictureArea() const
{
    return CRect(0, 0, m_nWidth, m_nHeight);
}

void CCoverRenderer::PaintBackground(COffscreenCover& offscreen)
{
    offscreen.Fill(m_crBackground);
    StretchPicture(offscreen.DC(), PictureArea());
}

bool CCoverRenderer::StretchPicture(CDC& dc, const CRect& area)
{
    return Pictures().StretchOnto(dc, {m_strImagePath, area, m_dScaleX, m_dScaleY, m_crBackground});
}

std::string CCoverRenderer::SpineTextToFit(CDC& dc, int nLength)
{
    // A text cut to fit keeps a fiftieth of the spine clear at each end, off the card's edges.
    bool cut = false;
    std::string text = TextToFit(dc, m_strSpineText, nLength - 2 * (nLength / 50), &cut);
    if (cut)
        ++m_fit.nSpinesCut;
    return text;
}

CPictureSource& CCoverRenderer::Pictures() const
{
    static CDecodedPictures decoded;
    return m_pPictures ? *m_pPictures : decoded;
}
