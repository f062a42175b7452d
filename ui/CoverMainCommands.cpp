// The main window's handlers, each forwarding to the unit that does the work.
#include "CoverMainDlg.h"

#include "CoverEditCommands.h"
#include "CoverPrintCommand.h"
#include "CoverView.h"
#include "DiscLabelDlg.h"
#include "FitLine.h"

void CCoverMainDlg::SaveCoverFile()
{
    m_pFiles->SaveCoverFile();
}

void CCoverMainDlg::QuickSave()
{
    m_pFiles->QuickSave();
}

void CCoverMainDlg::ChooseCoverFile()
{
    m_pFiles->ChooseCoverFile();
}

bool CCoverMainDlg::ConfirmSaveChanges()
{
    return m_pFiles->ConfirmSaveChanges();
}

void CCoverMainDlg::OpenCoverAskingFirst(const std::string& strPath)
{
    m_pFiles->OpenCoverAskingFirst(strPath);
}

std::vector<std::string> CCoverMainDlg::RecentCovers() const
{
    return m_pFiles->RecentCovers();
}

const std::string& CCoverMainDlg::PendingLoadPath() const
{
    return m_pFiles->PendingLoadPath();
}

void CCoverMainDlg::SetPendingLoadPath(const std::string& strPath)
{
    m_pFiles->SetPendingLoadPath(strPath);
}

void CCoverMainDlg::OnPrint()
{
    PrintCover(this, TheCover(), m_pFiles->CoverPath());
}

void CCoverMainDlg::OnPrintDiscLabel()
{
    CDiscLabelDlg dialog(TheCover(), m_pFiles->CoverPath(), this);
    dialog.DoModal();
}

void CCoverMainDlg::OnPrinterAlignment()
{
    AlignPrinter(this);
}

void CCoverMainDlg::OnChooseImage()
{
    m_pEdits->ChooseImage();
}

void CCoverMainDlg::UsePictureFile(const std::string& strPath)
{
    m_pEdits->UsePictureFile(strPath);
}

void CCoverMainDlg::OnClearImage()
{
    m_pEdits->ClearImage();
}

void CCoverMainDlg::OnChooseColor()
{
    m_pEdits->ChooseColor();
}

void CCoverMainDlg::OnEditTexts()
{
    m_pEdits->EditTexts();
}

void CCoverMainDlg::OnChooseFont()
{
    m_pEdits->ChooseFont();
}

void CCoverMainDlg::OnShrinkToFit()
{
    m_pEdits->ShrinkToFit();
}

QString CCoverMainDlg::FitMessage() const
{
    return m_pFitLine->Message();
}

void CCoverMainDlg::OnExtendImage()
{
    m_pEdits->ExtendImage();
}

void CCoverMainDlg::OnAdjustPicture()
{
    m_pEdits->AdjustPicture();
}

CoverSide CCoverMainDlg::CurrentSide() const
{
    return m_pView->CurrentSide();
}

void CCoverMainDlg::OnViewFront()
{
    m_pView->OnViewFront();
}

void CCoverMainDlg::OnViewBack()
{
    m_pView->OnViewBack();
}

bool CCoverMainDlg::CanAdjustPicture() const
{
    return m_pEdits->CanAdjustPicture();
}
