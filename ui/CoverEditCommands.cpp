// The commands that change the cover: background picture and colour, texts, font and the
// extend-over-spines switch. Each works on the side in view, stores its result in the
// cover and has the preview of that side redrawn; the preview reads the cover when it paints.
#include "CoverMainDlg.h"

#include "CoverFile.h"
#include "CoverPicture.h"
#include "CoverTextDlg.h"
#include "DVDCoverButton.h"
#include "FileDialogEx.h"
#include "FlatButton.h"
#include "FontDialog.h"
#include "HoverButton.h"
#include "ModalHost.h"
#include "Shell.h"
#include "SlimlineCoverButton.h"
#include "TrackListDlg.h"
#include "resource.h"

#include <QFileInfo>

namespace {

bool IsDvd(CoverType type)
{
    return type == StandardDVD || type == SlimlineDVD;
}

} // namespace

// The preview that shows the side in view, by kind of case; a custom size has none.
void CCoverMainDlg::RedrawPreview()
{
    switch (TheCover().covertype) {
    case StandardCD:
        (CurrentSide() == CoverSide::Front ? static_cast<QWidget*>(m_pCdFront) : m_pCdBack)->update();
        break;
    case StandardDVD:
    case SlimlineDVD:
        m_pDvd->update();
        break;
    case SlimlineCD:
        m_pSlimline->update();
        break;
    default:
        break;
    }
}

void CCoverMainDlg::OnChooseImage()
{
    CoverState& cover = TheCover();
    if (cover.lastFilePath.empty())
        cover.lastFilePath = GetDesktopFolder();
    CFileDialogEx dialog(TRUE, nullptr, nullptr, 0, kPictureFilter, this);
    dialog.m_strInitialDir = cover.lastFilePath;
    if (dialog.DoModal() == IDOK)
        UsePictureFile(dialog.GetPathName());
    RedrawPreview();
}

// Makes a chosen file the background picture of the side in view. A file that is there but
// holds no picture the renderers can draw is refused with a message, and nothing changes.
void CCoverMainDlg::UsePictureFile(const std::string& strPath)
{
    CoverState& cover = TheCover();
    const bool exists = QFileInfo(QString::fromStdString(strPath)).isFile();
    if (exists && !CanReadCoverPicture(strPath)) {
        MessageBox(this,
                   "\"" + QFileInfo(QString::fromStdString(strPath)).fileName().toStdString() +
                       "\" is not a picture Sleevora can read.\n\n"
                       "Choose a JPEG, PNG, BMP, TIFF, GIF or ICO picture.",
                   kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    cover.coverChanged = true;
    if (!exists)
        return;
    (CurrentSide() == CoverSide::Front ? cover.fImagePath : cover.bImagePath) = strPath;
    cover.lastFilePath = strPath;
    ShowImageButtonFor(strPath);
}

void CCoverMainDlg::OnClearImage()
{
    CoverState& cover = TheCover();
    (CurrentSide() == CoverSide::Front ? cover.fImagePath : cover.bImagePath).clear();
    cover.coverChanged = true; // a cleared picture is lost if closing does not offer to save
    RedrawPreview();
    ShowImageButtonFor(std::string());
}

void CCoverMainDlg::OnChooseColor()
{
    CoverState& cover = TheCover();
    const bool front = CurrentSide() == CoverSide::Front;
    COLORREF colour = front ? cover.fBGColor : cover.bBGColor;
    if (ModalHost().ChooseColor(&colour, nullptr) == IDOK) {
        cover.coverChanged = true;
        const bool both =
            cover.covertype != StandardCD || MessageBox(this, "Use this color for both back and front cover?",
                                                        "Color", MB_YESNO | MB_ICONQUESTION) == IDYES;
        if (both)
            cover.fBGColor = cover.bBGColor = colour;
        else
            (front ? cover.fBGColor : cover.bBGColor) = colour;
    }
    RedrawPreview();
}

void CCoverMainDlg::OnEditTexts()
{
    if (IsDvd(TheCover().covertype))
        EditDvdTexts();
    else
        EditTrackListing();
}

// The five plain texts of a DVD cover, whichever side is in view.
void CCoverMainDlg::EditDvdTexts()
{
    CoverState& cover = TheCover();
    CCoverTextDlg dialog;
    dialog.m_strSpine = cover.backCoverSpineText;
    dialog.m_strBackText = cover.bCoverText;
    dialog.m_strFrontText = cover.fCoverText;
    dialog.m_strBackTitle = cover.bCoverTitle;
    dialog.m_strFrontTitle = cover.fCoverTitle;
    if (dialog.DoModal() != IDOK)
        return;
    cover.coverChanged = true;
    cover.backCoverSpineText = dialog.m_strSpine;
    cover.bCoverText = dialog.m_strBackText;
    cover.fCoverText = dialog.m_strFrontText;
    cover.bCoverTitle = dialog.m_strBackTitle;
    cover.fCoverTitle = dialog.m_strFrontTitle;
    m_pDvd->update();
}

// The track listing and spine text of the side in view; the spine text is offered for the back.
void CCoverMainDlg::EditTrackListing()
{
    CoverState& cover = TheCover();
    const bool front = CurrentSide() == CoverSide::Front;
    std::string& text = front ? cover.fCoverText : cover.bCoverText;
    std::string& spine = front ? cover.frontCoverSpineText : cover.backCoverSpineText;
    CTrackListDlg dialog;
    dialog.m_strListing = text;
    dialog.m_strSpine = spine;
    dialog.m_bShowSpine = !front;
    if (dialog.DoModal() != IDOK)
        return;
    cover.coverChanged = true;
    if (cover.covertype == SlimlineCD)
        m_pSlimline->update();
    if (dialog.m_strListing != text || dialog.m_strSpine != spine) {
        text = dialog.m_strListing;
        spine = dialog.m_strSpine;
        (front ? static_cast<QWidget*>(m_pCdFront) : m_pCdBack)->update();
    }
}

void CCoverMainDlg::OnChooseFont()
{
    CoverState& cover = TheCover();
    const bool front = CurrentSide() == CoverSide::Front;
    CFontDialog dialog(front ? cover.fCoverTextFont : cover.bCoverTextFont,
                       front ? cover.fCoverTextColor : cover.bCoverTextColor, logicalDpiY());
    if (dialog.DoModal() == IDOK) {
        cover.coverChanged = true;
        (front ? cover.fCoverTextPointSize : cover.bCoverTextPointSize) = dialog.GetSize();
        dialog.GetCurrentFont(front ? &cover.fCoverTextFont : &cover.bCoverTextFont);
        (front ? cover.fCoverTextColor : cover.bCoverTextColor) = dialog.GetColor();
    }
    RedrawPreview();
}

// The box has toggled itself before this runs. On DVD covers it reads "Print Spine?" and
// switches the spine strip too.
void CCoverMainDlg::OnExtendImage()
{
    CoverState& cover = TheCover();
    cover.coverChanged = true;
    const bool checked = m_pExtend->GetCheckState() != 0;
    m_pExtend->AssignIcon(checked ? IDI_CHECKED : IDI_UNCHECKED);
    (CurrentSide() == CoverSide::Front ? cover.bFrontPrintOverSpines : cover.bBackPrintOverSpines) = checked;
    if (IsDvd(cover.covertype))
        cover.backCoverSpinesOn = checked;
    RedrawPreview();
}
