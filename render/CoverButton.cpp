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
    Renderer().Draw(lpDrawItemStruct->hDC, CRect(lpDrawItemStruct->rcItem), lpDrawItemStruct->itemState,
                    lpDrawItemStruct->hDC);
}
