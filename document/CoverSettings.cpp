#include "CoverSettings.h"

CCoverSettings::CCoverSettings() : CRegistryValues(HKEY_LOCAL_MACHINE, "Software\\Quorvane")
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
}
