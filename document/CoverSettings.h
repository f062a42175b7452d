// The program's stored settings: the kind of case to open next and the four sizes of a
// custom case, under the Quorvane key. Users make a short-lived instance, which holds
// the stored values (or the defaults) as soon as it is constructed.
#pragma once

#include "RegistryValues.h"

// The key the program's settings are stored under, the printer alignment's included.
extern const char* const kSettingsKey;

// The sizes of a custom case until the user sets others, in tenths of a centimetre.
constexpr DWORD kDefaultCustomFrontWidth = 121;
constexpr DWORD kDefaultCustomFrontHeight = 119;
constexpr DWORD kDefaultCustomBackWidth = 151;
constexpr DWORD kDefaultCustomBackHeight = 118;

class CCoverSettings : public CRegistryValues
{
public:
    CCoverSettings();

    DWORD m_dwOption = 1;                      // "Option": the CoverType of the next cover
    DWORD m_dwCHF = kDefaultCustomFrontHeight; // "dwCHF": custom front height, tenths of a centimetre
    DWORD m_dwCWF = kDefaultCustomFrontWidth;  // "dwCWF": custom front width
    DWORD m_dwCHB = kDefaultCustomBackHeight;  // "dwCHB": custom back height
    DWORD m_dwCWB = kDefaultCustomBackWidth;   // "dwCWB": custom back width
    DWORD m_dwWindowGrowX = 0; // "dwWindowGrowX": pixels the main window is wider than its smallest
    DWORD m_dwWindowGrowY = 0; // "dwWindowGrowY": and taller
    // The disc label dialog's last choices; lengths in tenths of a millimetre.
    DWORD m_dwDiscSheet = 0;          // "dwDiscSheet": the sheets' order, then printable disc, custom
    DWORD m_dwDiscPositions = 3;      // "dwDiscPositions": bit 0 the upper label, bit 1 the lower
    DWORD m_dwDiscCutGuide = 0;       // "dwDiscCutGuide": 1 to draw the cut guide
    DWORD m_dwDiscOuter = 1180;       // "dwDiscOuter": a printable disc's printed diameter
    DWORD m_dwDiscHub = 220;          // "dwDiscHub": and its unprinted centre
    DWORD m_dwCustomDiscPaper = 0;    // "dwCustomDiscPaper": 0 A4, 1 Letter
    DWORD m_dwCustomDiscOuter = 1170; // "dwCustomDiscOuter"
    DWORD m_dwCustomDiscHub = 410;    // "dwCustomDiscHub"
    DWORD m_dwCustomDiscX1 = 1050;    // "dwCustomDiscX1": the upper label's centre from the left
    DWORD m_dwCustomDiscY1 = 800;     // "dwCustomDiscY1": and from the top
    DWORD m_dwCustomDiscX2 = 1050;    // "dwCustomDiscX2": the lower label's
    DWORD m_dwCustomDiscY2 = 2180;    // "dwCustomDiscY2"

protected:
    void Exchange(bool bSave) override;
};
