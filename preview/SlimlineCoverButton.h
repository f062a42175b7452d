// The preview of a slimline CD insert on the main window.
// The drawing is the renderer's; the widget only paints it.
#pragma once

#include "CoverButton.h"
#include "SlimlineCoverRenderer.h"

class CSlimlineCoverButton : public CCoverButton, public CSlimlineCoverRenderer
{
    Q_OBJECT

public:
    explicit CSlimlineCoverButton(QWidget* pParent = nullptr) : CCoverButton(pParent) {}

    CCoverRenderer& Renderer() override { return *this; }
};
