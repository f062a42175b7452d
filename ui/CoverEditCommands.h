// The commands that change the cover: background picture and colour, texts, font and the
// extend-over-spines switch. Each works on the side in view, stores its result in the cover
// and has the preview of that side redrawn; the preview reads the cover when it paints.
#pragma once

#include "CoverState.h"
#include "PictureFitting.h"
#include "TrackImport.h"

#include <string>

class CCoverView;
class QWidget;

class CCoverEditCommands
{
public:
    // pWindow is the window the dialogs and messages belong to.
    CCoverEditCommands(QWidget* pWindow, CoverState& cover, CCoverView& view);

    void ChooseImage();
    // Makes a chosen file the background picture of the side in view, fitted to its area
    // when its proportions differ. A file that is there but holds no picture the renderers
    // can draw is refused with a message, and nothing changes; so does a cancelled fit.
    void UsePictureFile(const std::string& strPath);
    // The Fit Picture dialog again for the side in view, while its original is at hand.
    bool CanAdjustPicture() const { return m_fitting.CanAdjust(); }
    void AdjustPicture();
    void ClearImage();
    void ChooseColor();
    // The track listing, or a DVD's texts.
    void EditTexts();
    void ChooseFont();
    // The side's text font made as large as it can be with its texts fitting on paper.
    void ShrinkToFit();
    // The switch has toggled itself before this runs.
    void ExtendImage();

private:
    void HoldPicture(const std::string& strHeld);
    void WarnOfLowResolution(const std::string& strPath);
    void EditDvdTexts();
    void EditTrackListing();
    void OfferCoverArt(const CoverArt& art);

    QWidget* m_pWindow;
    CoverState& m_cover;
    CCoverView& m_view;
    CPictureFitting m_fitting;
};
