#include "CoverButton.h"

CCoverButton::CCoverButton(QWidget* pParent) : COwnerDrawButton(pParent)
{
    PreSubclassWindow();
}

void CCoverButton::PreSubclassWindow()
{
    SetButtonStyle((GetStyle() & 0xFF) | BS_OWNERDRAW | BS_NOTIFY, true);
}

void CCoverButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    emit FillRequested();
    Draw(lpDrawItemStruct->hDC, CRect(lpDrawItemStruct->rcItem), lpDrawItemStruct->itemState,
         lpDrawItemStruct->hDC);
}

void CCoverButton::Draw(CDC* pDC, CRect rect, UINT nState, HDC hDC)
{
    const CRect copy = rect;
    if (m_nFontDpi <= 0)
        m_nFontDpi = hDC->GetDeviceCaps(LOGPIXELSY);
    DrawCover(pDC, hDC, copy, nState);
    DrawGuides(pDC, copy, nState);
}

void CCoverButton::DrawForPrint(CDC* pDC, CRect rect, int nFontDpi)
{
    m_nFontDpi = nFontDpi;
    Draw(pDC, rect, 0, pDC->GetSafeHdc());
}
