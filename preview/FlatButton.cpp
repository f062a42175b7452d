#include "FlatButton.h"

#include "CoverRenderers.h"

CMyFlatButton::CMyFlatButton(QWidget* pParent, CoverSide side) : CRendererButton(pParent), m_side(side)
{
    setAccessibleName(PreviewName(side));
}

void CMyFlatButton::DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (m_pOtherSide) {
        m_pOtherSide->FillFromCover();
        m_pOtherSide->PreparePicture();
    }
    CCoverButton::DrawItem(lpDrawItemStruct);
}

bool CMyFlatButton::FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi)
{
    if (cover.covertype != StandardCD)
        return false;
    FillCdRenderer(*this, cover, geometry, m_side, nPpi);
    return true;
}
