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

protected:
    void Exchange(bool bSave) override;
};
