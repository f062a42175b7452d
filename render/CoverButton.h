// A cover renderer as a preview on the main window: an owner-drawn button that has its
// renderer draw the cover of the moment at every paint.
#pragma once

#include "CoverRenderer.h"
#include "OwnerDrawButton.h"

class CCoverButton : public COwnerDrawButton
{
    Q_OBJECT

public:
    explicit CCoverButton(QWidget* pParent = nullptr);

    // Owner-drawn and notifying, keeping the low eight style bits.
    void PreSubclassWindow() override;
    // Every paint draws the cover of that moment: the owner is first asked to copy the
    // cover into the renderer (FillRequested, answered before it returns), then it draws.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    virtual CCoverRenderer& Renderer() = 0;

signals:
    // Sent at the start of every paint: the owner fills the renderer with the cover of the
    // moment through a direct connection, so the drawing that follows is never stale.
    void FillRequested();
};
