// The main window: the preview of the cover at the true proportions of its case, the
// command buttons around it, and the front and back view buttons. Every run resets the
// cover, applies the stored kind of case and any cover file waiting to be loaded, and lays
// the window out for that kind. It ends with IDOK for a new cover (or a file to load) and
// with IDYES when the user closes the program.
#pragma once

#include "CoverState.h"
#include "Dialog.h"

#include <QFont>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QMimeData;

struct CoverLoadResult;
class CHoverButton;
class CTransparentStatic;
class CCoverButton;
class CMyFlatButton;
class CDVDCoverButton;
class CSlimlineCoverButton;
class CPreviewPictures;

// The folder the pictures of a loaded cover are written to (as "tmpfront" and "tmpback"
// with the saved pictures' extensions): private to this running program and removed when
// it ends. Empty when no such folder could be made.
std::string ExtractedPictureFolder();

// The type of cover files, as the desktop knows them.
extern const char* const kCoverMimeType; // "application/x-sleevora-cover"

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
    void ChooseCoverFile();
    bool ConfirmSaveChanges();
    // Opens a cover as Load does, after the save prompt: from the recent covers, or dropped.
    void OpenCoverAskingFirst(const std::string& strPath);
    // The covers saved and opened last, newest first, at most eight, all still there.
    std::vector<std::string> RecentCovers() const;
    // Prints the cover on one sheet at real size.
    void OnPrint();
    // The printer's alignment, measured on a test sheet.
    void OnPrinterAlignment();

    // The editing commands of the right-hand column.
    void OnChooseImage();
    void UsePictureFile(const std::string& strPath);
    void OnClearImage();
    void OnChooseColor();
    void OnEditTexts();
    void OnChooseFont();
    void OnExtendImage();

    // The side the side-dependent commands change: the front exactly while
    // "VIEW FRONT COVER" is pressed.
    CoverSide CurrentSide() const;
    CHoverButton* Button(int nId) const;
    CMyFlatButton* CdFrontPreview() const { return m_pCdFront; }
    CMyFlatButton* CdBackPreview() const { return m_pCdBack; }
    CDVDCoverButton* DvdPreview() const { return m_pDvd; }
    CSlimlineCoverButton* SlimlinePreview() const { return m_pSlimline; }

    // The cover file to open on the next run of this window; emptied once it has been read.
    std::string pendingLoadPath;

protected:
    QWidget* CreateControl(const ControlTemplate& control) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    // Initialisation, in the order the window runs it.
    void ShowExtendBox();
    void ResetCover();
    void LayOutForCoverType(CoverType type);
    void WidenForDvd();
    void SetCaptions(CoverType type);
    void SetUpButtons();
    void SetUpFonts();
    void ShowPreviewOf(CoverType type);
    void InvalidatePreviews();

    // Views.
    void OnViewFront();
    void OnViewBack();
    void ShowImageButtonFor(const std::string& strImagePath);

    void LoadCoverFile();
    void OpenChosenCover(const std::string& strPath);
    void ReportUnloadableCover(const CoverLoadResult& result, const std::string& strPath);
    void OnStartOver();
    void RedrawPreview();
    void EditDvdTexts();
    void EditTrackListing();
    void OnHelp();
    enum class DroppedFile
    {
        None,
        Cover,
        Picture
    };
    DroppedFile KindOfDrop(const QMimeData* pData, const QPoint& at, std::string* pPath) const;
    QWidget* VisiblePreview() const;

    CHoverButton* m_pExtend = nullptr;
    CHoverButton* m_pViewFront = nullptr;
    CHoverButton* m_pViewBack = nullptr;
    CHoverButton* m_pRightColumn = nullptr;
    CTransparentStatic* m_pVersion = nullptr;
    CMyFlatButton* m_pCdFront = nullptr;
    CMyFlatButton* m_pCdBack = nullptr;
    CDVDCoverButton* m_pDvd = nullptr;
    CSlimlineCoverButton* m_pSlimline = nullptr;
    // The pictures the previews show, kept at their size on screen while this window lives.
    std::unique_ptr<CPreviewPictures> m_pPreviewPictures;
    // The bytes of the cover file waiting in pendingLoadPath, read and checked when it was chosen.
    std::optional<std::string> m_pendingLoadBytes;
    // The file a drag last carried, and whether it holds a cover.
    mutable std::pair<std::string, bool> m_dropChecked;
    QFont m_linkFont;
    QFont m_regularLinkFont;
    QFont m_buttonFont;
};
