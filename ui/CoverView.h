// What the main window shows of the cover: the preview of each kind, the front and back view
// buttons, the picture button (Choose Image or Clear Image) and the extend switch. The
// window's commands change the cover and then ask this for the preview and buttons to follow.
#pragma once

#include "CoverState.h"

#include <functional>
#include <string>

class CDialog;
class CFitLine;
class CHoverButton;
class QWidget;

class CCoverView
{
public:
    // The view of the cover in a main window made from its template.
    CCoverView(CDialog& window, const CoverState& cover);

    // The side the side-dependent commands change: the front exactly while
    // "VIEW FRONT COVER" is pressed.
    CoverSide CurrentSide() const;
    // The preview that shows the side in view, by kind of case; null for a custom size.
    QWidget* VisiblePreview() const;

    // The preview of the side in view is drawn again; all of them.
    // The fit line follows whenever the preview does.
    void RedrawPreview();
    void InvalidatePreviews();
    // The line that says what of the side in view does not fit; measured again only when
    // what it depends on has changed.
    void SetFitLine(CFitLine* pLine) { m_pFitLine = pLine; }
    void ShowFit();
    // Called whenever the previews follow a change of the cover (the window's title does).
    void SetChangeWatcher(std::function<void()> watcher) { m_watcher = std::move(watcher); }
    // Only the kind's preview shows, on the back.
    void ShowPreviewOf(CoverType type);
    // The view buttons have toggled themselves before these run; pressing the view already
    // shown only presses it again.
    void OnViewFront();
    void OnViewBack();
    // A standard CD's front brought into view, as pressing "VIEW FRONT COVER" does.
    void ShowFrontSide();

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
    void ShowSide(CoverSide side);
    QWidget* Control(int nId) const;
    CHoverButton* Button(int nId) const;

    CDialog& m_window;
    const CoverState& m_cover;
    CFitLine* m_pFitLine = nullptr;
    std::function<void()> m_watcher;
    std::string m_strMeasured; // what the fit line was measured from
};
