// The main window's painting and its front and back views. The window paints itself white;
// each preview reads the cover of the moment at the start of its own paints.
#include "CoverMainDlg.h"

#include "DVDCoverButton.h"
#include "FlatButton.h"
#include "HoverButton.h"
#include "SlimlineCoverButton.h"
#include "resource.h"

#include <QPainter>

void CCoverMainDlg::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::white);
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
