// The filling of the one-piece inserts' previews.
#include "CoverRenderers.h"
#include "DVDCoverButton.h"
#include "SlimlineCoverButton.h"

bool CDVDCoverButton::FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi)
{
    if (cover.covertype != StandardDVD && cover.covertype != SlimlineDVD)
        return false;
    FillDvdRenderer(*this, cover, geometry, nPpi);
    return true;
}

bool CSlimlineCoverButton::FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi)
{
    if (cover.covertype != SlimlineCD)
        return false;
    FillSlimlineRenderer(*this, cover, geometry, nPpi);
    return true;
}
