// The main window: the preview of the cover at the true proportions of its case, the
// command buttons around it, and the front and back view buttons. Every run resets the
// cover, applies the stored kind of case and any cover file waiting to be loaded, and lays
// the window out for that kind. It ends with IDOK for a new cover (or a file to load) and
// with IDYES when the user closes the program. Its commands are small units of their own
// (the view, the editing, the file and the drop commands, printing, the layout); the
// window's handlers forward to them.
#pragma once

#include "CoverFileCommands.h"
#include "CoverState.h"
#include "Dialog.h"
#include "InsertButtons.h"

#include <memory>
#include <string>
#include <vector>

class CHoverButton;
class CMyFlatButton;
class CPreviewPictures;
class CCoverView;
class CCoverEditCommands;
class CCoverDrops;
class CCoverMainLayout;
class CFitLine;
class CCoverMainMenu;

class CCoverMainDlg : public CDialog
{
    Q_OBJECT

public:
    explicit CCoverMainDlg(QWidget* pParent = nullptr);
    ~CCoverMainDlg() override;

    BOOL OnInitDialog() override;
    void OnCancel() override;
    // A command of the window's own menu: the About box.
    void OnSysCommand(UINT nId);

    // Cover files: save under a name the user gives; choose a file to load (the window then
    // ends and runs again to read it); the save prompt before the cover is discarded, true
    // when that may happen.
    void SaveCoverFile();
    void QuickSave(); // to the cover's own file, asking only when it has none
    void ChooseCoverFile();
    bool ConfirmSaveChanges();
    // Opens a cover as Load does, after the save prompt: from the recent covers, or dropped.
    void OpenCoverAskingFirst(const std::string& strPath);
    // The covers saved and opened last, newest first, at most eight, all still there.
    std::vector<std::string> RecentCovers() const;
    // The cover file to open on the next run of this window; emptied once it has been read.
    const std::string& PendingLoadPath() const;
    void SetPendingLoadPath(const std::string& strPath);
    // Prints the cover on one sheet at real size.
    void OnPrint();
    // The printer's alignment, measured on a test sheet.
    void OnPrinterAlignment();
    // The disc label made from the cover, printed on a label sheet or a printable disc.
    void OnPrintDiscLabel();

    // The editing commands of the right-hand column.
    void OnChooseImage();
    void UsePictureFile(const std::string& strPath);
    void OnClearImage();
    void OnChooseColor();
    void OnEditTexts();
    void OnChooseFont();
    // The "Shrink to Fit" link under the preview.
    void OnShrinkToFit();
    // What the line under the preview says does not fit; empty while all fits.
    QString FitMessage() const;
    void OnExtendImage();
    // The Fit Picture dialog again for the side in view (the window's menu, or a double-click
    // on the preview), while it has a picture.
    void OnAdjustPicture();
    bool CanAdjustPicture() const;
    // The title names the cover's file and marks unsaved changes.
    void UpdateTitle();

    // The front and back views of a standard CD. The side the side-dependent commands change
    // is the front exactly while "VIEW FRONT COVER" is pressed.
    void OnViewFront();
    void OnViewBack();
    CoverSide CurrentSide() const;
    CHoverButton* Button(int nId) const;
    CMyFlatButton* CdFrontPreview() const;
    CMyFlatButton* CdBackPreview() const;
    CDVDCoverButton* DvdPreview() const;
    CSlimlineCoverButton* SlimlinePreview() const;

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void hideEvent(QHideEvent* event) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void ConnectCommands();
    void ShowCoverInPreviews();
    void ResetCover();
    void FocusFirstTabStop();
    void OpenAtStoredSize();
    void OnStartOver();

    // The pictures the previews show, kept at their size on screen while this window lives.
    std::unique_ptr<CPreviewPictures> m_pPreviewPictures;
    std::unique_ptr<CCoverMainLayout> m_pLayout;
    std::unique_ptr<CCoverView> m_pView;
    std::unique_ptr<CCoverEditCommands> m_pEdits;
    std::unique_ptr<CCoverFileCommands> m_pFiles;
    std::unique_ptr<CCoverDrops> m_pDrops;
    CFitLine* m_pFitLine;    // a child of the window
    CCoverMainMenu* m_pMenu; // a child of the window
};
