// The program's stored settings: the kind of case to open next and the four sizes of a
// custom case, under the Quorvane key. Users make a short-lived instance, which holds
// the stored values (or the defaults) as soon as it is constructed.
#pragma once

#include "RegistryValues.h"

class CCoverSettings : public CRegistryValues
{
public:
    CCoverSettings();

    DWORD m_dwOption = 1; // "Option": the CoverType of the next cover
    DWORD m_dwCHF = 119;  // "dwCHF": custom front height, tenths of a centimetre
    DWORD m_dwCWF = 121;  // "dwCWF": custom front width
    DWORD m_dwCHB = 118;  // "dwCHB": custom back height
    DWORD m_dwCWB = 151;  // "dwCWB": custom back width

protected:
    void Exchange(bool bSave) override;
};
