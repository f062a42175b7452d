// The preview of a DVD insert, standard or slimline, on the main window.
// The drawing is the renderer's; the widget only paints it.
#pragma once

#include "CoverButton.h"
#include "DvdCoverRenderer.h"

class CDVDCoverButton : public CCoverButton, public CDvdCoverRenderer
{
    Q_OBJECT

public:
    explicit CDVDCoverButton(QWidget* pParent = nullptr) : CCoverButton(pParent) {}

    CCoverRenderer& Renderer() override { return *this; }
};
