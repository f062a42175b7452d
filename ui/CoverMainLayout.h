// The main window's layout for each kind of case: where the grey backdrop goes, the wider
// window of a DVD cover, captions, images, tool tips and fonts.
#pragma once

#include "CoverState.h"

#include <QFont>
#include <QRect>
#include <utility>
#include <vector>

class CDialog;
class CFitLine;
class CHoverButton;

class CCoverMainLayout
{
public:
    explicit CCoverMainLayout(CDialog& window) : m_window(window) {}

    // The backdrop behind the kind's preview; a DVD's wider window.
    void LayOutForCoverType(CoverType type);
    // The view buttons', the extend switch's and the texts button's captions for the kind.
    void SetCaptions(CoverType type);
    // Icons, bitmaps, tool tips, the web link, the help link and the version notice.
    void SetUpButtons();
    void SetUpFonts();
    // The fit line's band under the preview, clear of the version notice; after the fonts.
    void PlaceFitLine(CFitLine& line);

    // The window laid out for its kind is its smallest size: the places of its controls are
    // remembered then. Larger, the previews grow with it, the right-hand column keeps its
    // place at the right edge and the notices their place at the foot.
    void RememberBaseLayout();
    void ForgetBaseLayout() { m_basePlaces.clear(); }
    QSize BaseSize() const { return m_baseSize; }
    void StretchTo(const QSize& windowSize);
    // The grey backdrop hugs the cover in the preview in view.
    void FitBackdrop();

private:
    void WidenForDvd();
    bool IsPreview(const QWidget* pWidget) const;
    CHoverButton* Button(int nId) const;
    QWidget* Control(int nId) const;

    CDialog& m_window;
    CoverType m_type = CoverNone;
    QSize m_baseSize;
    QRect m_basePreviewArea;
    std::vector<std::pair<QWidget*, QRect>> m_basePlaces;
    QFont m_linkFont;
    QFont m_regularLinkFont;
    QFont m_buttonFont;
};
