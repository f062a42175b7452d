// The preview of one side of a standard CD cover on the main window.
// The drawing is the renderer's; the widget only paints it.
#pragma once

#include "CdCoverRenderer.h"
#include "CoverButton.h"

class CMyFlatButton : public CCoverButton, public CCdCoverRenderer
{
    Q_OBJECT

public:
    explicit CMyFlatButton(QWidget* pParent = nullptr) : CCoverButton(pParent) {}

    CCoverRenderer& Renderer() override { return *this; }
};
