// The preview of a DVD insert, standard or slimline, on the main window.
// The drawing is the renderer's; the widget only fills and paints it.
#pragma once

#include "CoverButton.h"
#include "DvdCoverRenderer.h"

class CDVDCoverButton : public CCoverButton, public CDvdCoverRenderer
{
    Q_OBJECT

public:
    using CCoverButton::CCoverButton;
    CCoverRenderer& Renderer() override { return *this; }

protected:
    bool FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi) override;
};
