#include "CoverRenderer.h"

void CCoverRenderer::Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC)
{
    const CRect copy = rect;
    if (m_nFontDpi <= 0)
        m_nFontDpi = hDC->GetDeviceCaps(LOGPIXELSY);
    DrawCover(pDC, hDC, copy, nState);
    DrawGuides(pDC, copy, nState);
}

void CCoverRenderer::DrawForPrint(CDC* pDC, CRect rect, int nFontDpi)
{
    m_nFontDpi = nFontDpi;
    Draw(pDC, rect, 0, pDC->GetSafeHdc());
}

CCoverPicture CCoverRenderer::PictureFor(const std::string& strPath, double dScaleX, double dScaleY) const
{
    if (m_bPreview)
        return CCoverPicture(strPath, dScaleX, dScaleY);
    if (m_pPagePictures)
        return CCoverPicture(strPath, *m_pPagePictures);
    return CCoverPicture(strPath);
}
