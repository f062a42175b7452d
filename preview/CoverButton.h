// A cover renderer as a preview on the main window: an owner-drawn button that has its
// renderer draw the cover of the moment at every paint.
#pragma once

#include "CoverRenderer.h"
#include "OwnerDrawButton.h"

#include <QImage>

// A preview of logicalSize on a screen scaled by dRatio, drawn at the screen's own pixels
// (the owner has filled the renderer at nLogicalDpi × dRatio pixels an inch) and marked
// with that ratio, so that a painter puts it at its logical size. The stored font's height
// is in logical pixels, so nLogicalDpi is its resolution.
QImage DrawPreviewAtDevicePixels(CCoverRenderer& renderer, const QSize& logicalSize, qreal dRatio,
                                 int nLogicalDpi, UINT nState);

class CCoverButton : public COwnerDrawButton
{
    Q_OBJECT

public:
    explicit CCoverButton(QWidget* pParent = nullptr);

    // Owner-drawn and notifying, keeping the low eight style bits.
    void PreSubclassWindow() override;
    // Every paint draws the cover of that moment: the owner is first asked to copy the
    // cover into the renderer (FillRequested, answered before it returns), then it draws,
    // on a scaled screen at the screen's own pixels.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    virtual CCoverRenderer& Renderer() = 0;

signals:
    // Sent at the start of every paint: the owner fills the renderer with the cover of the
    // moment through a direct connection, so the drawing that follows is never stale.
    void FillRequested();
};
