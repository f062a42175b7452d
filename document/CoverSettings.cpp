#include "CoverSettings.h"

const char* const kSettingsKey = "Software\\Quorvane";

CCoverSettings::CCoverSettings() : CRegistryValues(HKEY_LOCAL_MACHINE, kSettingsKey)
{
    LoadValues();
}

void CCoverSettings::Exchange(bool bSave)
{
    ExchangeDword(bSave, "Option", m_dwOption);
    ExchangeDword(bSave, "dwCHF", m_dwCHF);
    ExchangeDword(bSave, "dwCWF", m_dwCWF);
    ExchangeDword(bSave, "dwCHB", m_dwCHB);
    ExchangeDword(bSave, "dwCWB", m_dwCWB);
    ExchangeDword(bSave, "dwWindowGrowX", m_dwWindowGrowX);
    ExchangeDword(bSave, "dwWindowGrowY", m_dwWindowGrowY);
}
