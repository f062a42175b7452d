// The main window's layout for each kind of case: where the grey backdrop goes, the wider
// window of a DVD cover, captions, images, tool tips and fonts.
#pragma once

#include "CoverState.h"

#include <QFont>

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

private:
    void WidenForDvd();
    CHoverButton* Button(int nId) const;
    QWidget* Control(int nId) const;

    CDialog& m_window;
    QFont m_linkFont;
    QFont m_regularLinkFont;
    QFont m_buttonFont;
};
