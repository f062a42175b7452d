#include "CoverRenderers.h"

#include "CdCoverRenderer.h"
#include "DvdCoverRenderer.h"
#include "SlimlineCoverRenderer.h"

void FillCdRenderer(CCdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                    CoverSide side, int nPpi)
{
    const bool front = side == CoverSide::Front;
    renderer.m_crBackground = front ? cover.fBGColor : cover.bBGColor;
    renderer.m_bShowBorder = front ? cover.fShowBorder : cover.bShowBorder;
    renderer.m_bShowSpineGuides = front ? cover.frontCoverSpinesOn : cover.backCoverSpinesOn;
    renderer.m_strText = front ? cover.fCoverText : cover.bCoverText;
    renderer.m_strSpineText = front ? cover.frontCoverSpineText : cover.backCoverSpineText;
    renderer.m_strImagePath = front ? cover.fImagePath : cover.bImagePath;
    renderer.m_crText = front ? cover.fCoverTextColor : cover.bCoverTextColor;
    renderer.m_lfText = front ? cover.fCoverTextFont : cover.bCoverTextFont;
    renderer.m_bExtendImage = front ? cover.bFrontPrintOverSpines : cover.bBackPrintOverSpines;
    renderer.m_nWidth = Pixels(nPpi, front ? geometry.dFrontWidth : geometry.dBackWidth);
    renderer.m_nHeight = Pixels(nPpi, front ? geometry.dFrontHeight : geometry.dBackHeight);
    renderer.m_nSpineWidth = Pixels(nPpi, front ? geometry.dFrontSpine : geometry.dBackSpine);
}

void FillDvdRenderer(CDvdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                     int nPpi)
{
    renderer.m_crBackground = cover.bBGColor;
    renderer.m_bShowBorder = cover.bShowBorder;
    renderer.m_bShowSpineGuides = cover.backCoverSpinesOn;
    renderer.m_strImagePath = cover.bImagePath;
    renderer.m_crText = cover.bCoverTextColor;
    renderer.m_lfText = cover.bCoverTextFont;
    renderer.m_strSpineText = cover.backCoverSpineText;
    renderer.m_strBackText = cover.bCoverText;
    renderer.m_strBackTitle = cover.bCoverTitle;
    renderer.m_strFrontText = cover.fCoverText;
    renderer.m_strFrontTitle = cover.fCoverTitle;
    renderer.m_nWidth = Pixels(nPpi, geometry.dBackWidth);
    renderer.m_nHeight = Pixels(nPpi, geometry.dBackHeight);
    renderer.m_nSpineWidth = Pixels(nPpi, geometry.dBackSpine);
}

void FillSlimlineRenderer(CSlimlineCoverRenderer& renderer, const CoverState& cover,
                          const CoverGeometry& geometry, int nPpi)
{
    renderer.m_crBackground = cover.bBGColor;
    renderer.m_bShowBorder = cover.bShowBorder;
    renderer.m_bShowSpineGuides = cover.backCoverSpinesOn;
    renderer.m_strImagePath = cover.bImagePath;
    renderer.m_strText = cover.bCoverText;
    renderer.m_strSpineText = cover.backCoverSpineText;
    renderer.m_crText = cover.bCoverTextColor;
    renderer.m_lfText = cover.bCoverTextFont;
    renderer.m_bExtendImage = cover.bBackPrintOverSpines;
    renderer.m_nWidth = Pixels(nPpi, geometry.dBackWidth);
    renderer.m_nHeight = Pixels(nPpi, geometry.dBackHeight);
    renderer.m_nSpineWidth = Pixels(nPpi, geometry.dBackSpine);
    renderer.m_nFlapWidth = Pixels(nPpi, geometry.dFlapWidth);
    renderer.m_nNotchWidth = Pixels(nPpi, 1.417);
    renderer.m_nNotchHeight = Pixels(nPpi, 0.0787);
}

void SetRendererConstants(CCdCoverRenderer& front, CCdCoverRenderer& back, CDvdCoverRenderer& dvd,
                          CSlimlineCoverRenderer& slimline, CoverType type)
{
    for (CCdCoverRenderer* cd : {&front, &back}) {
        cd->m_dTextMarginX = 0.1;
        cd->m_dTextMarginY = 0.1;
    }
    slimline.m_dTextMarginX = 0.84;
    slimline.m_dTextMarginY = 0.25;
    dvd.m_bSlimSpineText = type == SlimlineDVD;
    dvd.m_dFrontTextLeft = type == SlimlineDVD ? 5.64 : 5.85;
    dvd.m_dFrontTextTop = 0.25;
    dvd.m_dBackTextLeft = 0.25;
    dvd.m_dBackTextTop = 0.25;
}
