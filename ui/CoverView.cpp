#include "CoverView.h"

#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "HoverButton.h"
#include "SlimlineCoverButton.h"
#include "resource.h"

CCoverView::CCoverView(const CoverViewControls& controls, const CoverState& cover)
    : m_controls(controls), m_cover(cover)
{
}

CoverSide CCoverView::CurrentSide() const
{
    return m_controls.pViewFront->GetCheckState() ? CoverSide::Front : CoverSide::Back;
}

QWidget* CCoverView::VisiblePreview() const
{
    switch (m_cover.covertype) {
    case StandardCD:
        if (CurrentSide() == CoverSide::Front)
            return m_controls.pCdFront;
        return m_controls.pCdBack;
    case StandardDVD:
    case SlimlineDVD:
        return m_controls.pDvd;
    case SlimlineCD:
        return m_controls.pSlimline;
    default:
        return nullptr;
    }
}

void CCoverView::RedrawPreview()
{
    if (QWidget* preview = VisiblePreview())
        preview->update();
}

void CCoverView::InvalidatePreviews()
{
    for (QWidget* preview : std::initializer_list<QWidget*>{m_controls.pCdFront, m_controls.pCdBack,
                                                            m_controls.pDvd, m_controls.pSlimline})
        preview->update();
}

void CCoverView::ShowPreviewOf(CoverType type)
{
    if (type == CustomSize)
        return;
    m_controls.pCdBack->setVisible(type == StandardCD);
    m_controls.pCdFront->setVisible(false);
    m_controls.pDvd->setVisible(type == StandardDVD || type == SlimlineDVD);
    m_controls.pSlimline->setVisible(type == SlimlineCD);
}

void CCoverView::OnViewFront()
{
    if (!m_controls.pViewFront->GetCheckState()) {
        m_controls.pViewFront->SetCheckState(true, true);
        return;
    }
    ShowImageButtonFor(m_cover.fImagePath);
    m_controls.pCdFront->show();
    m_controls.pCdBack->hide();
    m_controls.pViewBack->SetCheckState(false, true);
    m_controls.pExtend->hide();
    m_controls.pCdFront->update();
}

void CCoverView::OnViewBack()
{
    if (!m_controls.pViewBack->GetCheckState()) {
        m_controls.pViewBack->SetCheckState(true, true);
        return;
    }
    ShowImageButtonFor(m_cover.bImagePath);
    m_controls.pCdFront->hide();
    m_controls.pCdBack->show();
    m_controls.pViewFront->SetCheckState(false, true);
    m_controls.pExtend->show();
}

void CCoverView::ShowImageButtonFor(const std::string& strImagePath)
{
    const bool hasPicture = !strImagePath.empty();
    m_controls.pClearImage->setVisible(hasPicture);
    m_controls.pChooseImage->setVisible(!hasPicture);
}

void CCoverView::ShowExtendBox()
{
    m_controls.pExtend->show();
    m_controls.pExtend->AssignIcon(IDI_CHECKED);
    m_controls.pExtend->SetCheckState(true, true);
    m_controls.pChooseImage->show();
    m_controls.pClearImage->hide();
}

void CCoverView::ShowExtendChoice(bool bFront, bool bBack)
{
    m_controls.pExtend->SetCheckState(bFront, true);
    m_controls.pExtend->SetCheckState(bBack, true);
    ShowExtendTick();
}

bool CCoverView::IsExtendTicked() const
{
    return m_controls.pExtend->GetCheckState() != 0;
}

void CCoverView::ShowExtendTick()
{
    m_controls.pExtend->AssignIcon(IsExtendTicked() ? IDI_CHECKED : IDI_UNCHECKED);
}
