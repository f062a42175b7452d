#include "CoverView.h"

#include "CoverFit.h"
#include "Dialog.h"
#include "FitLine.h"
#include "HoverButton.h"
#include "resource.h"

#include <cstring>

namespace {

std::string FontKey(const LOGFONT& lf)
{
    return std::to_string(lf.lfHeight) + ' ' + std::to_string(lf.lfWeight) + ' ' +
           std::to_string(lf.lfItalic) + ' ' +
           std::string(lf.lfFaceName, strnlen(lf.lfFaceName, LF_FACESIZE));
}

// Everything the texts of a side fit by, in one string: kind, side, texts and fonts.
std::string FitKey(const CoverState& cover, CoverSide side)
{
    const std::string separator(1, '\0');
    std::string key = std::to_string(cover.covertype) + (side == CoverSide::Front ? "F" : "B");
    for (const std::string* text :
         {&cover.fCoverText, &cover.bCoverText, &cover.fCoverTitle, &cover.bCoverTitle,
          &cover.frontCoverSpineText, &cover.backCoverSpineText})
        key += separator + *text;
    return key + separator + FontKey(cover.fCoverTextFont) + separator + FontKey(cover.bCoverTextFont);
}

} // namespace

CCoverView::CCoverView(CDialog& window, const CoverState& cover) : m_window(window), m_cover(cover)
{
}

QWidget* CCoverView::Control(int nId) const
{
    return m_window.GetDlgItem(nId);
}

CHoverButton* CCoverView::Button(int nId) const
{
    return qobject_cast<CHoverButton*>(m_window.GetDlgItem(nId));
}

CoverSide CCoverView::CurrentSide() const
{
    return Button(IDC_VIEW_FRONT)->GetCheckState() ? CoverSide::Front : CoverSide::Back;
}

QWidget* CCoverView::VisiblePreview() const
{
    switch (m_cover.covertype) {
    case StandardCD:
        if (CurrentSide() == CoverSide::Front)
            return Control(IDC_CD_FRONT_PREVIEW);
        return Control(IDC_CD_BACK_PREVIEW);
    case StandardDVD:
    case SlimlineDVD:
        return Control(IDC_DVD_PREVIEW);
    case SlimlineCD:
        return Control(IDC_SLIMLINE_PREVIEW);
    default:
        return nullptr;
    }
}

void CCoverView::RedrawPreview()
{
    if (QWidget* preview = VisiblePreview())
        preview->update();
    ShowFit();
}

void CCoverView::InvalidatePreviews()
{
    for (const int id : {IDC_CD_FRONT_PREVIEW, IDC_CD_BACK_PREVIEW, IDC_DVD_PREVIEW, IDC_SLIMLINE_PREVIEW})
        Control(id)->update();
    ShowFit();
}

void CCoverView::ShowFit()
{
    if (m_watcher)
        m_watcher();
    if (!m_pFitLine)
        return;
    const CoverSide side = CurrentSide();
    std::string key = FitKey(m_cover, side);
    if (key == m_strMeasured)
        return;
    m_strMeasured = std::move(key);
    m_pFitLine->Show(MeasureSideFit(m_cover, side, m_window.logicalDpiY()), m_cover.covertype, side);
}

void CCoverView::ShowPreviewOf(CoverType type)
{
    if (type == CustomSize)
        return;
    Control(IDC_CD_BACK_PREVIEW)->setVisible(type == StandardCD);
    Control(IDC_CD_FRONT_PREVIEW)->setVisible(false);
    Control(IDC_DVD_PREVIEW)->setVisible(type == StandardDVD || type == SlimlineDVD);
    Control(IDC_SLIMLINE_PREVIEW)->setVisible(type == SlimlineCD);
}

void CCoverView::OnViewFront()
{
    ShowSide(CoverSide::Front);
}

void CCoverView::ShowFrontSide()
{
    Button(IDC_VIEW_FRONT)->SetCheckState(true, true);
    ShowSide(CoverSide::Front);
}

void CCoverView::OnViewBack()
{
    ShowSide(CoverSide::Back);
}

// The side's preview and picture button show, the other view button is released, and the
// extend switch shows with the back only.
void CCoverView::ShowSide(CoverSide side)
{
    const bool front = side == CoverSide::Front;
    CHoverButton* pressed = Button(front ? IDC_VIEW_FRONT : IDC_VIEW_BACK);
    if (!pressed->GetCheckState()) {
        pressed->SetCheckState(true, true);
        return;
    }
    ShowImageButtonFor(front ? m_cover.fImagePath : m_cover.bImagePath);
    Control(IDC_CD_FRONT_PREVIEW)->setVisible(front);
    Control(IDC_CD_BACK_PREVIEW)->setVisible(!front);
    Button(front ? IDC_VIEW_BACK : IDC_VIEW_FRONT)->SetCheckState(false, true);
    Button(IDC_EXTEND_IMAGE)->setVisible(!front);
    if (front)
        Control(IDC_CD_FRONT_PREVIEW)->update();
    ShowFit();
}

void CCoverView::ShowImageButtonFor(const std::string& strImagePath)
{
    const bool hasPicture = !strImagePath.empty();
    Button(IDC_CLEAR_IMAGE)->setVisible(hasPicture);
    Button(IDC_CHOOSE_IMAGE)->setVisible(!hasPicture);
}

void CCoverView::ShowExtendBox()
{
    Button(IDC_EXTEND_IMAGE)->show();
    Button(IDC_EXTEND_IMAGE)->AssignIcon(IDI_CHECKED);
    Button(IDC_EXTEND_IMAGE)->SetCheckState(true, true);
    Button(IDC_CHOOSE_IMAGE)->show();
    Button(IDC_CLEAR_IMAGE)->hide();
}

void CCoverView::ShowExtendChoice(bool bFront, bool bBack)
{
    Button(IDC_EXTEND_IMAGE)->SetCheckState(bFront, true);
    Button(IDC_EXTEND_IMAGE)->SetCheckState(bBack, true);
    ShowExtendTick();
}

bool CCoverView::IsExtendTicked() const
{
    return Button(IDC_EXTEND_IMAGE)->GetCheckState() != 0;
}

void CCoverView::ShowExtendTick()
{
    Button(IDC_EXTEND_IMAGE)->AssignIcon(IsExtendTicked() ? IDI_CHECKED : IDI_UNCHECKED);
}
