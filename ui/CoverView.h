// What the main window shows of the cover: the preview of each kind, the front and back view
// buttons, the picture button (Choose Image or Clear Image) and the extend switch. The
// window's commands change the cover and then ask this for the preview and buttons to follow.
#pragma once

#include "CoverState.h"

#include <string>

class CHoverButton;
class CMyFlatButton;
class CDVDCoverButton;
class CSlimlineCoverButton;
class QWidget;

// The window's controls this view works with; none owned.
struct CoverViewControls
{
    CMyFlatButton* pCdFront = nullptr;
    CMyFlatButton* pCdBack = nullptr;
    CDVDCoverButton* pDvd = nullptr;
    CSlimlineCoverButton* pSlimline = nullptr;
    CHoverButton* pViewFront = nullptr;
    CHoverButton* pViewBack = nullptr;
    CHoverButton* pChooseImage = nullptr;
    CHoverButton* pClearImage = nullptr;
    CHoverButton* pExtend = nullptr;
};

class CCoverView
{
public:
    CCoverView(const CoverViewControls& controls, const CoverState& cover);

    // The side the side-dependent commands change: the front exactly while
    // "VIEW FRONT COVER" is pressed.
    CoverSide CurrentSide() const;
    // The preview that shows the side in view, by kind of case; null for a custom size.
    QWidget* VisiblePreview() const;

    // The preview of the side in view is drawn again; all of them.
    void RedrawPreview();
    void InvalidatePreviews();
    // Only the kind's preview shows, on the back.
    void ShowPreviewOf(CoverType type);
    // The view buttons have toggled themselves before these run; pressing the view already
    // shown only presses it again.
    void OnViewFront();
    void OnViewBack();

    // Clear Image while the side has a picture, Choose Image while it has none.
    void ShowImageButtonFor(const std::string& strImagePath);
    // The switch as a new window shows it: ticked, with Choose Image.
    void ShowExtendBox();
    // The switch set from a loaded cover's front then back choice, its tick following.
    void ShowExtendChoice(bool bFront, bool bBack);
    // Whether the switch is ticked; the tick drawn as it says.
    bool IsExtendTicked() const;
    void ShowExtendTick();

private:
    CoverViewControls m_controls;
    const CoverState& m_cover;
};
