// Fitting a chosen picture to the area of its side: a picture of other proportions is
// offered the Fit Picture dialog; a cropped part becomes a file of its own, which the cover
// then holds. While this window runs it remembers, for each side, the picture as chosen and
// the part kept, so that "Adjust Picture..." can reopen the dialog on them.
#pragma once

#include "CoverState.h"

#include <QRect>
#include <optional>
#include <string>

class CCoverView;
class QWidget;

class CPictureFitting
{
public:
    CPictureFitting(QWidget* pWindow, CoverState& cover, CCoverView& view);

    // The file the side in view should hold for a chosen picture: the picture itself when it
    // has the area's proportions or is stretched, the cut part when cropped; nothing when the
    // user cancelled (or the cut could not be written, which is said).
    std::optional<std::string> FitToSide(const std::string& strPicture);
    // Whether the side in view holds a picture fitted in this run, whose original is still there.
    bool CanAdjust() const;
    // The dialog again for the side in view, on the original and the part kept last.
    std::optional<std::string> Adjust();
    // Whether the side's picture, fitted in this run, no longer has its area's proportions
    // (after the extend choice changed the area).
    bool NeedsRefit() const;

private:
    struct Fitted
    {
        std::string strOriginal;
        QRect frame; // empty when stretched
        std::string strHeld;
    };
    Fitted& SideFitted();
    const Fitted& SideFitted() const;
    std::optional<std::string> Fit(const std::string& strPicture, const QRect* pStartFrame);
    std::string CutTarget();

    QWidget* m_pWindow;
    CoverState& m_cover;
    CCoverView& m_view;
    Fitted m_fitted[2]; // front, back
    int m_nCuts = 0;
};
