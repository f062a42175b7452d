// Filling the renderers from the cover: the fields each kind of case draws and their
// pixel sizes at a resolution. The preview fills the renderer of the side on screen
// before every paint; printing fills them with the printer's resolution.
#pragma once

#include "CoverGeometry.h"
#include "CoverState.h"

class CCdCoverRenderer;
class CDvdCoverRenderer;
class CSlimlineCoverRenderer;

void FillCdRenderer(CCdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                    CoverSide side, int nPpi);
void FillDvdRenderer(CDvdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                     int nPpi);
void FillSlimlineRenderer(CSlimlineCoverRenderer& renderer, const CoverState& cover,
                          const CoverGeometry& geometry, int nPpi);

// The renderers' fixed settings for a kind of case: text insets and the DVD panel positions.
void SetRendererConstants(CCdCoverRenderer& front, CCdCoverRenderer& back, CDvdCoverRenderer& dvd,
                          CSlimlineCoverRenderer& slimline, CoverType type);
