// The main window's painting and its front and back views. The window paints itself white
// and hands the cover of the moment to the preview on screen; a preview also asks for the
// cover at the start of each of its own paints (CCoverButton::FillRequested), so what it
// draws is never older than that paint, whichever of the two Qt paints first.
#include "CoverMainDlg.h"

#include "CoverGeometry.h"
#include "CoverRenderers.h"
#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "HoverButton.h"
#include "SlimlineCoverButton.h"
#include "resource.h"

#include <QPainter>

namespace {

// Scale factors from the full-size image to the preview control's pixels on the screen
// (device pixels: twice its logical size on a screen scaled 2×).
template <typename Renderer> void SetPreviewScale(Renderer& renderer, double dRatio)
{
    renderer.m_dScaleY = renderer.m_nHeight > 0 ? renderer.height() * dRatio / renderer.m_nHeight : 1.0;
    renderer.m_dScaleX = renderer.m_nWidth > 0 ? renderer.width() * dRatio / renderer.m_nWidth : 1.0;
}

} // namespace

void CCoverMainDlg::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::white);
    FillVisiblePreview();
}

void CCoverMainDlg::FillVisiblePreview()
{
    switch (TheCover().covertype) {
    case StandardCD: {
        const bool front = CurrentSide() == CoverSide::Front;
        FillPreview(front ? m_pCdFront : m_pCdBack);
        // The other side's picture is decoded meanwhile, so that switching views shows it at once.
        CMyFlatButton* other = front ? m_pCdBack : m_pCdFront;
        FillPreview(other);
        other->PreparePreviewPicture();
        break;
    }
    case StandardDVD:
    case SlimlineDVD:
        FillPreview(m_pDvd);
        break;
    case SlimlineCD:
        FillPreview(m_pSlimline);
        break;
    default:
        break;
    }
}

// Copies the cover of this moment into a preview, when the kind of case is the one that
// preview draws; a custom size hands nothing over. The full-size cover is made at the
// screen's device resolution, so that a scaled screen gets its text and lines at its own
// pixels rather than enlarged.
void CCoverMainDlg::FillPreview(CCoverButton* pPreview)
{
    const double ratio = pPreview->devicePixelRatioF();
    const int ppi = qRound(logicalDpiX() * ratio);
    const CoverState& cover = TheCover();
    const bool cd = cover.covertype == StandardCD;
    if (cd && (pPreview == m_pCdFront || pPreview == m_pCdBack)) {
        const CoverSide side = pPreview == m_pCdFront ? CoverSide::Front : CoverSide::Back;
        FillCdRenderer(*static_cast<CMyFlatButton*>(pPreview), cover, TheGeometry(), side, ppi);
        SetPreviewScale(*static_cast<CMyFlatButton*>(pPreview), ratio);
    } else if (pPreview == m_pDvd && (cover.covertype == StandardDVD || cover.covertype == SlimlineDVD)) {
        FillDvdRenderer(*m_pDvd, cover, TheGeometry(), ppi);
        SetPreviewScale(*m_pDvd, ratio);
    } else if (pPreview == m_pSlimline && cover.covertype == SlimlineCD) {
        FillSlimlineRenderer(*m_pSlimline, cover, TheGeometry(), ppi);
        SetPreviewScale(*m_pSlimline, ratio);
    }
}

void CCoverMainDlg::ShowImageButtonFor(const std::string& strImagePath)
{
    const bool hasPicture = !strImagePath.empty();
    Button(IDC_CLEAR_IMAGE)->setVisible(hasPicture);
    Button(IDC_CHOOSE_IMAGE)->setVisible(!hasPicture);
}

// The view buttons have toggled themselves before these run; pressing the view already
// shown only presses it again.
void CCoverMainDlg::OnViewFront()
{
    if (!m_pViewFront->GetCheckState()) {
        m_pViewFront->SetCheckState(true, true);
        return;
    }
    ShowImageButtonFor(TheCover().fImagePath);
    m_pCdFront->show();
    m_pCdBack->hide();
    m_pViewBack->SetCheckState(false, true);
    m_pExtend->hide();
    m_pCdFront->update();
}

void CCoverMainDlg::OnViewBack()
{
    if (!m_pViewBack->GetCheckState()) {
        m_pViewBack->SetCheckState(true, true);
        return;
    }
    ShowImageButtonFor(TheCover().bImagePath);
    m_pCdFront->hide();
    m_pCdBack->show();
    m_pViewFront->SetCheckState(false, true);
    m_pExtend->show();
}
