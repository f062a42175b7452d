#include "CoverState.h"

#include "MulDiv.h"
#include "QtConvert.h"

void CoverState::ResetToDefaults(int nLogPixelsY, CoverType opening)
{
    ResetFlags();
    ResetContent(nLogPixelsY, opening);
}

void CoverState::ResetFlags()
{
    bBackPrintOverSpines = true;
    bFrontPrintOverSpines = true;
    saveCancelled = false;
    coverChanged = false;
}

void CoverState::ResetContent(int nLogPixelsY, CoverType opening)
{
    backCoverSpinesOn = true;
    frontCoverSpineText.clear();
    backCoverSpineText.clear();
    fCoverTitle.clear();
    bCoverTitle.clear();
    fCoverText.clear();
    bCoverText.clear();
    fImagePath.clear();
    bImagePath.clear();
    fBGColor = bBGColor = RGB(255, 255, 255);
    fCoverTextColor = bCoverTextColor = RGB(0, 0, 0);

    fCoverTextFont = LOGFONT{};
    bCoverTextFont = LOGFONT{};
    fShowBorder = bShowBorder = true;
    frontCoverSpinesOn = false;

    const LONG height = -MulDiv(DefaultTextPointSize(opening), nLogPixelsY, 72);
    for (LOGFONT* font : {&fCoverTextFont, &bCoverTextFont}) {
        font->lfHeight = height;
        SetFaceName(*font, "Arial");
    }
}

int DefaultTextPointSize(CoverType type)
{
    return type == StandardDVD ? 14 : 18;
}

CoverState& TheCover()
{
    static CoverState cover;
    return cover;
}
