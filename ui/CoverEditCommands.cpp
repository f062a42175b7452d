#include "CoverEditCommands.h"

#include "CoverFile.h"
#include "CoverFileCommands.h"
#include "CoverFit.h"
#include "CoverPicture.h"
#include "CoverRenderers.h"
#include "CoverTextDlg.h"
#include "CoverView.h"
#include "FileDialogEx.h"
#include "FontDialog.h"
#include "ModalHost.h"
#include "Shell.h"
#include "TrackListDlg.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QWidget>

namespace {

bool IsDvd(CoverType type)
{
    return type == StandardDVD || type == SlimlineDVD;
}

// The resolution below which a picture prints visibly soft.
constexpr int kSharpPrintPpi = 150;

// Pictures from the tags become files in this run's private picture folder, each under a
// name of its own; empty when it cannot be written.
std::string WriteCoverArt(const CoverArt& art)
{
    static int written = 0;
    const std::string folder = ExtractedPictureFolder();
    if (folder.empty())
        return {};
    const std::string path = folder + "/album-art-" + std::to_string(++written) + art.strExtension;
    QSaveFile file(QFile::decodeName(QByteArray::fromStdString(path)));
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(art.bytes.data(), static_cast<qint64>(art.bytes.size())) !=
            static_cast<qint64>(art.bytes.size()) ||
        !file.commit())
        return {};
    return path;
}

} // namespace

CCoverEditCommands::CCoverEditCommands(QWidget* pWindow, CoverState& cover, CCoverView& view)
    : m_pWindow(pWindow), m_cover(cover), m_view(view), m_fitting(pWindow, cover, view)
{
}

void CCoverEditCommands::ChooseImage()
{
    CoverState& cover = m_cover;
    if (cover.lastFilePath.empty())
        cover.lastFilePath = GetDesktopFolder();
    CFileDialogEx dialog(TRUE, nullptr, nullptr, 0, kPictureFilter, m_pWindow);
    dialog.m_strInitialDir = cover.lastFilePath;
    if (dialog.DoModal() == IDOK)
        UsePictureFile(dialog.GetPathName());
    m_view.RedrawPreview();
}

// Makes a chosen file the background picture of the side in view. A file that is there but
// holds no picture the renderers can draw is refused with a message, and nothing changes.
void CCoverEditCommands::UsePictureFile(const std::string& strPath)
{
    CoverState& cover = m_cover;
    const bool exists = QFileInfo(QString::fromStdString(strPath)).isFile();
    if (exists && !CanReadCoverPicture(strPath)) {
        MessageBox(m_pWindow,
                   "\"" + QFileInfo(QString::fromStdString(strPath)).fileName().toStdString() +
                       "\" is not a picture Sleevora can read.\n\n"
                       "Choose a JPEG, PNG, BMP, TIFF, GIF or ICO picture.",
                   kCoverFileErrorTitle, MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (!exists) {
        cover.coverChanged = true;
        return;
    }
    const std::optional<std::string> held = m_fitting.FitToSide(strPath);
    if (!held)
        return;
    cover.lastFilePath = strPath;
    HoldPicture(*held);
}

// The side in view holds a picture file from now on.
void CCoverEditCommands::HoldPicture(const std::string& strHeld)
{
    m_cover.coverChanged = true;
    (m_view.CurrentSide() == CoverSide::Front ? m_cover.fImagePath : m_cover.bImagePath) = strHeld;
    m_view.ShowImageButtonFor(strHeld);
    m_view.RedrawPreview();
    WarnOfLowResolution(strHeld);
}

void CCoverEditCommands::AdjustPicture()
{
    if (const std::optional<std::string> held = m_fitting.Adjust())
        HoldPicture(*held);
}

// A picture too small for its area prints soft: the user hears its size and the resolution
// it will print at, and keeps it or chooses another.
void CCoverEditCommands::WarnOfLowResolution(const std::string& strPath)
{
    const QSize pixels = CoverPictureSize(strPath);
    const double ppi = PrintedPictureResolution(pixels, PictureAreaInches(m_cover, m_view.CurrentSide()));
    if (ppi <= 0 || ppi >= kSharpPrintPpi)
        return;
    MessageBox(m_pWindow,
               "\"" + QFileInfo(QString::fromStdString(strPath)).fileName().toStdString() + "\" is " +
                   std::to_string(pixels.width()) + " \u00D7 " + std::to_string(pixels.height()) +
                   " pixels: on this cover it will print at " + std::to_string(static_cast<int>(ppi)) +
                   " pixels per inch, where " + std::to_string(kSharpPrintPpi) +
                   " or more print sharp.\n\nThe picture is kept; a larger one would print sharper.",
               "Picture Resolution", MB_OK | MB_ICONINFORMATION);
}

void CCoverEditCommands::ClearImage()
{
    CoverState& cover = m_cover;
    (m_view.CurrentSide() == CoverSide::Front ? cover.fImagePath : cover.bImagePath).clear();
    cover.coverChanged = true; // a cleared picture is lost if closing does not offer to save
    m_view.RedrawPreview();
    m_view.ShowImageButtonFor(std::string());
}

void CCoverEditCommands::ChooseColor()
{
    CoverState& cover = m_cover;
    const bool front = m_view.CurrentSide() == CoverSide::Front;
    COLORREF colour = front ? cover.fBGColor : cover.bBGColor;
    if (ModalHost().ChooseColor(&colour, nullptr) == IDOK) {
        cover.coverChanged = true;
        const bool both = cover.covertype != StandardCD ||
                          MessageBox(m_pWindow, "Use this color for both back and front cover?", "Color",
                                     MB_YESNO | MB_ICONQUESTION) == IDYES;
        if (both)
            cover.fBGColor = cover.bBGColor = colour;
        else
            (front ? cover.fBGColor : cover.bBGColor) = colour;
    }
    m_view.RedrawPreview();
}

void CCoverEditCommands::EditTexts()
{
    if (IsDvd(m_cover.covertype))
        EditDvdTexts();
    else
        EditTrackListing();
}

// The five plain texts of a DVD cover, whichever side is in view.
void CCoverEditCommands::EditDvdTexts()
{
    CoverState& cover = m_cover;
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
    m_view.RedrawPreview();
}

// The track listing and spine text of the side in view; the spine text is offered for the back.
void CCoverEditCommands::EditTrackListing()
{
    CoverState& cover = m_cover;
    const bool front = m_view.CurrentSide() == CoverSide::Front;
    std::string& text = front ? cover.fCoverText : cover.bCoverText;
    std::string& spine = front ? cover.frontCoverSpineText : cover.backCoverSpineText;
    CTrackListDlg dialog;
    dialog.m_strListing = text;
    dialog.m_strSpine = spine;
    dialog.m_bShowSpine = !front;
    if (dialog.DoModal() != IDOK)
        return;
    cover.coverChanged = true;
    if (dialog.m_strListing != text || dialog.m_strSpine != spine) {
        text = dialog.m_strListing;
        spine = dialog.m_strSpine;
    }
    m_view.RedrawPreview();
    OfferCoverArt(dialog.m_importedArt);
}

// The album's picture from an import, offered for the front while it has none: a standard
// CD's front booklet (brought into view), a slimline insert. Yes takes it as a chosen
// picture is taken, through Fit Picture when its proportions differ.
void CCoverEditCommands::OfferCoverArt(const CoverArt& art)
{
    const bool standard = m_cover.covertype == StandardCD;
    if (art.Empty() || !(standard ? m_cover.fImagePath : m_cover.bImagePath).empty() ||
        MessageBox(m_pWindow, "Use the album's cover art for the front?", "Cover Art",
                   MB_YESNO | MB_ICONQUESTION) != IDYES)
        return;
    const std::string path = art.strPath.empty() ? WriteCoverArt(art) : art.strPath;
    if (path.empty()) {
        MessageBox(m_pWindow, "The album's cover art could not be written to a file.", kCoverFileErrorTitle,
                   MB_OK | MB_ICONEXCLAMATION);
        return;
    }
    if (standard)
        m_view.ShowFrontSide();
    UsePictureFile(path);
}

void CCoverEditCommands::ChooseFont()
{
    CoverState& cover = m_cover;
    const bool front = m_view.CurrentSide() == CoverSide::Front;
    CFontDialog dialog(front ? cover.fCoverTextFont : cover.bCoverTextFont,
                       front ? cover.fCoverTextColor : cover.bCoverTextColor, m_pWindow->logicalDpiY());
    if (dialog.DoModal() == IDOK) {
        cover.coverChanged = true;
        (front ? cover.fCoverTextPointSize : cover.bCoverTextPointSize) = dialog.GetSize();
        dialog.GetCurrentFont(front ? &cover.fCoverTextFont : &cover.bCoverTextFont);
        (front ? cover.fCoverTextColor : cover.bCoverTextColor) = dialog.GetColor();
    }
    m_view.RedrawPreview();
}

void CCoverEditCommands::ShrinkToFit()
{
    if (ShrinkSideToFit(m_cover, m_view.CurrentSide(), m_pWindow->logicalDpiY()))
        m_cover.coverChanged = true;
    m_view.RedrawPreview();
}

// The box has toggled itself before this runs. On DVD covers it reads "Print Spine?" and
// switches the spine strip too.
void CCoverEditCommands::ExtendImage()
{
    CoverState& cover = m_cover;
    cover.coverChanged = true;
    const bool checked = m_view.IsExtendTicked();
    m_view.ShowExtendTick();
    (m_view.CurrentSide() == CoverSide::Front ? cover.bFrontPrintOverSpines : cover.bBackPrintOverSpines) =
        checked;
    if (IsDvd(cover.covertype))
        cover.backCoverSpinesOn = checked;
    m_view.RedrawPreview();
    // The picture's area grew or shrank by the spines: a fitted picture is offered a new fit.
    if (!IsDvd(cover.covertype) && m_fitting.NeedsRefit() &&
        MessageBox(m_pWindow, "The picture no longer has the proportions of the area it fills. Fit it again?",
                   "Fit Picture", MB_YESNO | MB_ICONQUESTION) == IDYES)
        AdjustPicture();
}
