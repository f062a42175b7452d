// The preview of one side of a standard CD cover on the main window.
// The drawing is the renderer's; the widget only fills and paints it.
#pragma once

#include "CdCoverRenderer.h"
#include "CoverButton.h"

class CMyFlatButton : public CRendererButton<CCdCoverRenderer>
{
public:
    explicit CMyFlatButton(QWidget* pParent = nullptr, CoverSide side = CoverSide::Back);

    // The preview of the other side: while this one paints, the other's picture is decoded
    // on the worker, so that switching views shows it at once.
    void SetOtherSide(CMyFlatButton* pOther) { m_pOtherSide = pOther; }
    void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct) override;

protected:
    bool FillRenderer(const CoverState& cover, const CoverGeometry& geometry, int nPpi) override;

private:
    CoverSide m_side;
    CMyFlatButton* m_pOtherSide = nullptr;
};
