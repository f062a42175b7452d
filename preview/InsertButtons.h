// The previews of the one-piece inserts on the main window: a DVD insert, standard or
// slimline, and a slimline CD insert. The drawing is the renderer's; the widget only fills
// and paints it.
#pragma once

#include "CoverButton.h"
#include "DvdCoverRenderer.h"
#include "SlimlineCoverRenderer.h"

// Fill an insert's renderer from a cover of its kinds; false for a cover of another kind.
bool FillDvdPreview(CDvdCoverRenderer& renderer, const CoverState& cover, const CoverGeometry& geometry,
                    int nPpi);
bool FillSlimlinePreview(CSlimlineCoverRenderer& renderer, const CoverState& cover,
                         const CoverGeometry& geometry, int nPpi);

template <class TRenderer, bool (*Fill)(TRenderer&, const CoverState&, const CoverGeometry&, int)>
class CInsertButton : public CRendererButton<TRenderer>
{
public:
    explicit CInsertButton(QWidget* pParent = nullptr) : CRendererButton<TRenderer>(pParent)
    {
        this->setAccessibleName(InsertPreviewName());
    }

protected:
    bool FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi) override
    {
        return Fill(*this, cover, geometry, nPpi);
    }
};

using CDVDCoverButton = CInsertButton<CDvdCoverRenderer, FillDvdPreview>;
using CSlimlineCoverButton = CInsertButton<CSlimlineCoverRenderer, FillSlimlinePreview>;
