// The cover being designed: one record for the whole process, read and changed by the
// main window and the editing dialogs, drawn by the previews and the printer, saved to
// and restored from cover files.
#pragma once

#include "WinTypes.h"

#include <cstdint>
#include <string>

// The kind of case. Stored as a 32-bit integer, so a value outside the named ones can
// reach the program from the settings and is kept as it is.
enum CoverType : int32_t
{
    CoverNone = 0, // before the first cover of the process
    StandardCD = 1,
    StandardDVD = 2,
    CustomSize = 3,
    SlimlineCD = 4,
    SlimlineDVD = 5,
};

enum class CoverSide
{
    Front,
    Back,
};

struct CoverState
{
    CoverType covertype = CoverNone;

    COLORREF fBGColor = 0;
    COLORREF bBGColor = 0;
    bool fShowBorder = false;
    bool bShowBorder = false;
    std::string fImagePath;
    std::string bImagePath;
    std::string fCoverText;
    std::string bCoverText;
    std::string fCoverTitle;
    std::string bCoverTitle;
    std::string fCoverTextFontName;
    std::string bCoverTextFontName;
    COLORREF fCoverTextColor = 0;
    COLORREF bCoverTextColor = 0;
    LOGFONT fCoverTextFont{};
    LOGFONT bCoverTextFont{};
    bool bFrontPrintOverSpines = false;
    bool bBackPrintOverSpines = false;
    bool frontCoverSpinesOn = false;
    bool backCoverSpinesOn = false;
    std::string frontCoverSpineText;
    std::string backCoverSpineText;
    int32_t fCoverTextPointSize = 0;
    int32_t bCoverTextPointSize = 0;

    bool coverChanged = false;
    bool saveCancelled = false;
    std::string lastFilePath;

    // The reset that every opening of the main window makes, in its two parts: first the
    // flags, then (once the window can measure the screen) the content and fonts for the
    // kind of case being opened. The point sizes, the font-name strings, lastFilePath and
    // covertype are left alone.
    void ResetToDefaults(int nLogPixelsY, CoverType opening);
    void ResetFlags();
    void ResetContent(int nLogPixelsY, CoverType opening);
};

// The default text size, in points, of a new cover of a kind.
int DefaultTextPointSize(CoverType type);

// The one cover of the process.
CoverState& TheCover();
