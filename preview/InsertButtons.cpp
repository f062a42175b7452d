#include "InsertButtons.h"

#include "CoverRenderers.h"

bool FillDvdPreview(CDvdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                    int nPpi)
{
    if (cover.covertype != StandardDVD && cover.covertype != SlimlineDVD)
        return false;
    FillDvdRenderer(renderer, cover, geometry, nPpi);
    return true;
}

bool FillSlimlinePreview(CSlimlineCoverRenderer& renderer, const CoverState& cover,
                         const CoverGeometry& geometry, int nPpi)
{
    if (cover.covertype != SlimlineCD)
        return false;
    FillSlimlineRenderer(renderer, cover, geometry, nPpi);
    return true;
}
