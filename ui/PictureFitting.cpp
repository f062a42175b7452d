#include "PictureFitting.h"

#include "CoverFile.h"
#include "CoverFileCommands.h"
#include "CoverPicture.h"
#include "CoverRenderers.h"
#include "CoverView.h"
#include "FitPictureDlg.h"
#include "ModalHost.h"
#include "PictureCut.h"

#include <QFileInfo>

CPictureFitting::CPictureFitting(QWidget* pWindow, CoverState& cover, CCoverView& view)
    : m_pWindow(pWindow), m_cover(cover), m_view(view)
{
}

CPictureFitting::Fitted& CPictureFitting::SideFitted()
{
    return m_fitted[m_view.CurrentSide() == CoverSide::Front ? 0 : 1];
}

const CPictureFitting::Fitted& CPictureFitting::SideFitted() const
{
    return m_fitted[m_view.CurrentSide() == CoverSide::Front ? 0 : 1];
}

std::optional<std::string> CPictureFitting::FitToSide(const std::string& strPicture)
{
    const std::optional<std::string> held = Fit(strPicture, nullptr);
    if (held && *held == strPicture && SideFitted().strOriginal != strPicture)
        SideFitted() = {}; // taken as it is: nothing to adjust
    return held;
}

bool CPictureFitting::CanAdjust() const
{
    const Fitted& fitted = SideFitted();
    const std::string& held =
        m_view.CurrentSide() == CoverSide::Front ? m_cover.fImagePath : m_cover.bImagePath;
    return !fitted.strOriginal.empty() && fitted.strHeld == held &&
           QFileInfo(QString::fromStdString(fitted.strOriginal)).isFile();
}

std::optional<std::string> CPictureFitting::Adjust()
{
    if (!CanAdjust())
        return std::nullopt;
    const Fitted fitted = SideFitted();
    return Fit(fitted.strOriginal, fitted.frame.isEmpty() ? nullptr : &fitted.frame);
}

bool CPictureFitting::NeedsRefit() const
{
    return CanAdjust() && ProportionsDiffer(CoverPictureSize(SideFitted().strHeld),
                                            PictureAreaInches(m_cover, m_view.CurrentSide()));
}

// The dialog, when the picture's proportions are not the area's; the choice remembered for
// the side only when one is made.
std::optional<std::string> CPictureFitting::Fit(const std::string& strPicture, const QRect* pStartFrame)
{
    const QSizeF area = PictureAreaInches(m_cover, m_view.CurrentSide());
    const QSize size = CoverPictureSize(strPicture);
    if (!ProportionsDiffer(size, area))
        return strPicture;
    CFitPictureDlg dialog(strPicture, size, area.width() / area.height(), m_pWindow);
    if (pStartFrame)
        dialog.SetFrame(*pStartFrame);
    const int choice = dialog.DoModal();
    if (choice == CFitPictureDlg::kStretch) {
        SideFitted() = {strPicture, QRect(), strPicture};
        return strPicture;
    }
    if (choice != CFitPictureDlg::kCrop)
        return std::nullopt;
    const PictureCut cut = CutPicture(strPicture, dialog.Frame(), CutTarget());
    if (cut.strPath.empty()) {
        MessageBox(m_pWindow, "The picture could not be cropped: " + cut.strError + ".", kCoverFileErrorTitle,
                   MB_OK | MB_ICONEXCLAMATION);
        return std::nullopt;
    }
    SideFitted() = {strPicture, cut.frame, cut.strPath};
    return cut.strPath;
}

// A new name in this run's private picture folder for each cut, so that a cover saved
// before keeps the file it holds.
std::string CPictureFitting::CutTarget()
{
    const char* side = m_view.CurrentSide() == CoverSide::Front ? "front" : "back";
    return ExtractedPictureFolder() + "/cut-" + side + "-" + std::to_string(++m_nCuts);
}
