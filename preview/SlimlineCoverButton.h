// The preview of a slimline CD insert on the main window.
// The drawing is the renderer's; the widget only fills and paints it.
#pragma once

#include "CoverButton.h"
#include "SlimlineCoverRenderer.h"

class CSlimlineCoverButton : public CCoverButton, public CSlimlineCoverRenderer
{
    Q_OBJECT

public:
    using CCoverButton::CCoverButton;
    CCoverRenderer& Renderer() override { return *this; }

protected:
    bool FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi) override;
};
