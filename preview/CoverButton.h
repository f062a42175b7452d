// A cover renderer as a preview on the main window: an owner-drawn button that fills its
// renderer from the cover of the moment and has it draw, at every paint, at the piece's
// true proportions however large the preview is. The preview asks for the cover itself;
// nobody pushes it in.
#pragma once

#include "CoverGeometry.h"
#include "CoverRenderer.h"
#include "CoverState.h"
#include "OwnerDrawButton.h"
#include "PreviewDescription.h"

#include <QImage>
#include <QRect>

class CPreviewPictures;

// A preview of logicalSize on a screen scaled by dRatio, drawn at the screen's own pixels
// (the owner has filled the renderer at nLogicalDpi × dRatio pixels an inch) and marked
// with that ratio, so that a painter puts it at its logical size. The stored font's height
// is in logical pixels, so nLogicalDpi is its resolution.
QImage DrawPreviewAtDevicePixels(CCoverRenderer& renderer, const QSize& logicalSize, qreal dRatio,
                                 int nLogicalDpi, UINT nState);

// What a preview shows: the cover record and the case dimensions it reads at every paint,
// and the pictures the window keeps for the screen. None of them owned.
struct PreviewSource
{
    const CoverState* pCover = nullptr;
    const CoverGeometry* pGeometry = nullptr;
    CPreviewPictures* pPictures = nullptr;
};

class CCoverButton : public COwnerDrawButton
{
    Q_OBJECT

public:
    explicit CCoverButton(QWidget* pParent = nullptr);

    // Owner-drawn and notifying, keeping the low eight style bits.
    void PreSubclassWindow() override;
    // Every paint draws the cover of that moment: the renderer is filled from the source
    // first, then it draws, on a scaled screen at the screen's own pixels. The accessible
    // description follows what is drawn.
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

    // Where the preview reads its cover from, from now on. Without a source the renderer
    // draws whatever its owner put into it.
    void ShowCover(const PreviewSource& source) { m_source = source; }
    // Fills the renderer from the source's cover as this screen shows it: sizes at the
    // screen's device resolution (its logical resolution times dRatio), shrunk into the
    // preview. Nothing changes when the cover is of a kind this preview does not draw: the
    // result is then false.
    bool FillFromCover() { return FillFromCover(devicePixelRatioF()); }
    bool FillFromCover(qreal dRatio);
    // Starts decoding the renderer's picture at its size on screen, ahead of its first showing.
    void PreparePicture();
    // Where the cover is drawn in the preview: the largest rectangle of the piece's true
    // proportions, centred; the rest shows the window's white. The whole preview when no
    // cover is shown.
    QRect CoverRect();

    virtual CCoverRenderer& Renderer() = 0;
    // What the filled renderer shows, for a screen reader: see PreviewDescription.h.
    virtual QString DescribeCover(CoverType type) = 0;

protected:
    // The kind's own filling at a resolution; false for a cover of another kind.
    virtual bool FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi) = 0;

private:
    // Fills the renderer for a drawing of the cover at a size in logical pixels.
    bool FillFor(const QSize& size, qreal dRatio);

    PreviewSource m_source;
};

// A preview that is itself the renderer it draws with.
template <class TRenderer> class CRendererButton : public CCoverButton, public TRenderer
{
public:
    using CCoverButton::CCoverButton;
    CCoverRenderer& Renderer() override { return *this; }
    QString DescribeCover(CoverType type) override
    {
        return DescribePreview(type, static_cast<const TRenderer&>(*this));
    }
};
