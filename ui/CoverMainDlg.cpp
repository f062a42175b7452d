#include "CoverMainDlg.h"

#include "AboutDlg.h"
#include "CoverDrops.h"
#include "CoverEditCommands.h"
#include "CoverGeometry.h"
#include "CoverMainLayout.h"
#include "CoverMainMenu.h"
#include "CoverPrintCommand.h"
#include "CoverSettings.h"
#include "CoverView.h"
#include "DialogTemplates.h"
#include "FitLine.h"
#include "FlatButton.h"
#include "Help.h"
#include "HoverButton.h"
#include "InsertButtons.h"
#include "ModalHost.h"
#include "PreviewPictures.h"
#include "ResourceImages.h"
#include "TransparentStatic.h"
#include "resource.h"

#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <algorithm>

namespace {

bool IsCommandButton(int nId)
{
    switch (nId) {
    case IDC_EXIT:
    case IDC_CHOOSE_IMAGE:
    case IDC_CLEAR_IMAGE:
    case IDC_EXTEND_IMAGE:
    case IDC_PRINT:
    case IDC_CHOOSE_COLOR:
    case IDC_TRACK_LISTING:
    case IDC_FONT:
    case IDC_VIEW_FRONT:
    case IDC_VIEW_BACK:
    case IDC_WEB_LINK:
    case IDC_HELP_BUTTON:
    case IDC_START_OVER:
    case IDC_SAVE:
    case IDC_LOAD:
        return true;
    default:
        return false;
    }
}

} // namespace

CCoverMainDlg::CCoverMainDlg(QWidget* pParent)
    : CDialog(pParent), m_pPreviewPictures(std::make_unique<CPreviewPictures>())
{
    setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    CreateFromTemplate(MainWindowTemplate());
    m_pLayout = std::make_unique<CCoverMainLayout>(*this);
    m_pView = std::make_unique<CCoverView>(*this, TheCover());
    m_pEdits = std::make_unique<CCoverEditCommands>(this, TheCover(), *m_pView);
    m_pFiles = std::make_unique<CCoverFileCommands>(*this, TheCover(), *m_pView);
    m_pDrops = std::make_unique<CCoverDrops>(this, TheCover(), *m_pView, *m_pFiles, *m_pEdits);
    m_pFitLine = new CFitLine(this);
    m_pView->SetFitLine(m_pFitLine);
    connect(m_pFitLine, &CFitLine::shrinkRequested, this, &CCoverMainDlg::OnShrinkToFit);
    // The title and the backdrop follow the cover and the side in view.
    m_pView->SetChangeWatcher([this] {
        UpdateTitle();
        m_pLayout->FitBackdrop();
    });
    m_pMenu = new CCoverMainMenu(*this);
    ConnectCommands();
    ShowCoverInPreviews();
}

// The preview pictures go first, their worker stopped and waited for; the previews, which
// paint no more once the window is going, follow with the window's other children.
CCoverMainDlg::~CCoverMainDlg() = default;

// Each command button runs its handler when clicked; the title follows what it did.
void CCoverMainDlg::ConnectCommands()
{
    using Handler = void (CCoverMainDlg::*)();
    const std::pair<int, Handler> commands[] = {
        {IDC_VIEW_FRONT, &CCoverMainDlg::OnViewFront},     {IDC_VIEW_BACK, &CCoverMainDlg::OnViewBack},
        {IDC_START_OVER, &CCoverMainDlg::OnStartOver},     {IDC_SAVE, &CCoverMainDlg::SaveCoverFile},
        {IDC_LOAD, &CCoverMainDlg::ChooseCoverFile},       {IDC_PRINT, &CCoverMainDlg::OnPrint},
        {IDC_CHOOSE_IMAGE, &CCoverMainDlg::OnChooseImage}, {IDC_CLEAR_IMAGE, &CCoverMainDlg::OnClearImage},
        {IDC_CHOOSE_COLOR, &CCoverMainDlg::OnChooseColor}, {IDC_TRACK_LISTING, &CCoverMainDlg::OnEditTexts},
        {IDC_FONT, &CCoverMainDlg::OnChooseFont},          {IDC_EXTEND_IMAGE, &CCoverMainDlg::OnExtendImage},
    };
    for (const auto& [id, handler] : commands)
        connect(Button(id), &QAbstractButton::clicked, this, [this, handler = handler] {
            (this->*handler)();
            UpdateTitle();
        });
}

// Each preview reads the cover of the moment whenever it paints; a standard CD's two sides
// have each other's picture decoded while one shows.
void CCoverMainDlg::ShowCoverInPreviews()
{
    const PreviewSource source{&TheCover(), &TheGeometry(), m_pPreviewPictures.get()};
    for (CCoverButton* preview : std::initializer_list<CCoverButton*>{CdFrontPreview(), CdBackPreview(),
                                                                      DvdPreview(), SlimlinePreview()})
        preview->ShowCover(source);
    CdFrontPreview()->SetOtherSide(CdBackPreview());
    CdBackPreview()->SetOtherSide(CdFrontPreview());
    for (QWidget* preview :
         std::initializer_list<QWidget*>{CdFrontPreview(), CdBackPreview(), DvdPreview(), SlimlinePreview()})
        preview->installEventFilter(this);
}

// A double-click on the preview adjusts the fit of its picture.
bool CCoverMainDlg::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::MouseButtonDblClick && m_pEdits->CanAdjustPicture()) {
        OnAdjustPicture();
        return true;
    }
    return CDialog::eventFilter(pWatched, pEvent);
}

QWidget* CCoverMainDlg::CreateControl(const ControlTemplate& control)
{
    switch (control.nId) {
    case IDC_CD_FRONT_PREVIEW:
        return new CMyFlatButton(this, CoverSide::Front);
    case IDC_CD_BACK_PREVIEW:
        return new CMyFlatButton(this);
    case IDC_DVD_PREVIEW:
        return new CDVDCoverButton(this);
    case IDC_SLIMLINE_PREVIEW:
        return new CSlimlineCoverButton(this);
    case IDC_VERSION_NOTICE: {
        auto* version = new CTransparentStatic(this);
        version->setAlignment(Qt::AlignRight | Qt::AlignTop);
        return version;
    }
    case IDC_RIGHT_COLUMN_WIDTH:
        // Only its width is used, to widen the window for a DVD cover.
        return new CHoverButton(this, BS_PUSHBUTTON);
    default:
        break;
    }
    if (control.cls == ControlClass::Button && IsCommandButton(control.nId))
        return new CHoverButton(this, control.style);
    return nullptr;
}

CHoverButton* CCoverMainDlg::Button(int nId) const
{
    return qobject_cast<CHoverButton*>(GetDlgItem(nId));
}

CMyFlatButton* CCoverMainDlg::CdFrontPreview() const
{
    return dynamic_cast<CMyFlatButton*>(GetDlgItem(IDC_CD_FRONT_PREVIEW));
}

CMyFlatButton* CCoverMainDlg::CdBackPreview() const
{
    return dynamic_cast<CMyFlatButton*>(GetDlgItem(IDC_CD_BACK_PREVIEW));
}

CDVDCoverButton* CCoverMainDlg::DvdPreview() const
{
    return dynamic_cast<CDVDCoverButton*>(GetDlgItem(IDC_DVD_PREVIEW));
}

CSlimlineCoverButton* CCoverMainDlg::SlimlinePreview() const
{
    return dynamic_cast<CSlimlineCoverButton*>(GetDlgItem(IDC_SLIMLINE_PREVIEW));
}

BOOL CCoverMainDlg::OnInitDialog()
{
    m_pLayout->ForgetBaseLayout(); // the template's places come back first
    CDialog::OnInitDialog();
    TheCover().ResetFlags();
    m_pView->ShowExtendBox();
    ResetCover();
    // The window opens on the back. The same window object runs again to load a file, so the
    // view is set before the load picks the image button for the side in view.
    Button(IDC_VIEW_FRONT)->SetCheckState(false, true);
    m_pFiles->ForgetCoverFile(); // a new cover, until a waiting file loads
    if (!m_pFiles->PendingLoadPath().empty())
        m_pFiles->LoadPendingCover();
    const CoverType type = TheCover().covertype;
    m_pLayout->LayOutForCoverType(type);
    const CCoverSettings settings;
    TheGeometry().SetForCoverType(type, settings.m_dwCWF, settings.m_dwCHF, settings.m_dwCWB,
                                  settings.m_dwCHB);
    m_pLayout->SetCaptions(type);
    m_pLayout->SetUpButtons();
    m_pLayout->SetUpFonts();
    Button(IDC_VIEW_BACK)->SetCheckState(true, true);
    setWindowIcon(ApplicationIconResource(IDI_APPLICATION_ICON));
    m_pView->ShowPreviewOf(type);
    OpenAtStoredSize();
    m_pView->InvalidatePreviews();
    FocusFirstTabStop();
    UpdateTitle();
    return TRUE;
}

// The kind's layout is the window's smallest size; it opens as much larger as the user
// last left it (a DVD's window is wider to begin with).
void CCoverMainDlg::OpenAtStoredSize()
{
    m_pLayout->RememberBaseLayout();
    const CCoverSettings settings;
    constexpr DWORD kMostGrowth = 8192;
    resize(size() + QSize(static_cast<int>(std::min(settings.m_dwWindowGrowX, kMostGrowth)),
                          static_cast<int>(std::min(settings.m_dwWindowGrowY, kMostGrowth))));
    m_pLayout->StretchTo(size());
    m_pLayout->PlaceFitLine(*m_pFitLine);
}

void CCoverMainDlg::resizeEvent(QResizeEvent* event)
{
    CDialog::resizeEvent(event);
    m_pLayout->StretchTo(size());
    m_pLayout->PlaceFitLine(*m_pFitLine);
}

// The growth is remembered beside the other settings whenever the window goes.
void CCoverMainDlg::hideEvent(QHideEvent* event)
{
    CDialog::hideEvent(event);
    const QSize growth = (size() - m_pLayout->BaseSize()).expandedTo(QSize(0, 0));
    CCoverSettings settings;
    if (m_pLayout->BaseSize().isEmpty() || (settings.m_dwWindowGrowX == static_cast<DWORD>(growth.width()) &&
                                            settings.m_dwWindowGrowY == static_cast<DWORD>(growth.height())))
        return;
    settings.m_dwWindowGrowX = static_cast<DWORD>(growth.width());
    settings.m_dwWindowGrowY = static_cast<DWORD>(growth.height());
    settings.SaveValues();
}

void CCoverMainDlg::UpdateTitle()
{
    const QString title =
        CoverWindowTitle(QString::fromStdString(m_pFiles->CoverPath()), TheCover().coverChanged);
    if (windowTitle() != title)
        setWindowTitle(title);
}

// Every opening starts with the keyboard on the first tab stop, as the first one does: the
// window run again to load a file would otherwise keep it on Load, where Space loads again.
void CCoverMainDlg::FocusFirstTabStop()
{
    for (QWidget* widget = nextInFocusChain(); widget != this; widget = widget->nextInFocusChain())
        if ((widget->focusPolicy() & Qt::TabFocus) && widget->isVisibleTo(this) && widget->isEnabled()) {
            widget->setFocus(Qt::TabFocusReason);
            return;
        }
}

// The rest of the reset, with text sized for this screen, then the kind of case stored
// by the New Cover dialog (or by the last cover file loaded).
void CCoverMainDlg::ResetCover()
{
    const CCoverSettings settings;
    const auto stored = static_cast<CoverType>(settings.m_dwOption);
    DvdPreview()->hide();
    TheCover().ResetContent(logicalDpiY(), stored);
    TheCover().covertype = stored;
}

void CCoverMainDlg::OnStartOver()
{
    if (!ConfirmSaveChanges() || TheCover().saveCancelled)
        return;
    TheCover().coverChanged = false;
    EndDialog(IDOK);
}

void CCoverMainDlg::OnCancel()
{
    if (MessageBox(this, "Are you sure you want to close Sleevora?", "Exit", MB_YESNO | MB_ICONQUESTION) !=
        IDYES)
        return;
    if (!ConfirmSaveChanges())
        return;
    EndDialog(IDYES);
}

void CCoverMainDlg::paintEvent(QPaintEvent*)
{
    QPainter(this).fillRect(rect(), Qt::white);
}

// Enter and Esc never end the main window, wherever the focus is.
void CCoverMainDlg::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_F1) {
        OpenHelpFile(); // in the desktop's default show state
        return;
    }
    if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) {
        event->accept();
        return;
    }
    CDialog::keyPressEvent(event);
}

void CCoverMainDlg::OnSysCommand(UINT nId)
{
    // The window's own commands are 16 to 31; the About box is the one there is.
    if (nId >= IDM_ABOUTBOX && nId < 32) {
        CAboutDlg about(this);
        about.DoModal();
    }
}

// The desktops here have no system menu to extend; the About item is on the window's own
// menu instead, with the file commands and the covers used last. The Menu key opens it at
// the widget with the keyboard.
void CCoverMainDlg::contextMenuEvent(QContextMenuEvent* event)
{
    if (event->reason() == QContextMenuEvent::Keyboard)
        m_pMenu->PopupAtFocus();
    else
        m_pMenu->Popup(event->globalPos());
}
