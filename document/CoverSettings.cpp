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
    ExchangeDword(bSave, "dwDiscSheet", m_dwDiscSheet);
    ExchangeDword(bSave, "dwDiscPositions", m_dwDiscPositions);
    ExchangeDword(bSave, "dwDiscCutGuide", m_dwDiscCutGuide);
    ExchangeDword(bSave, "dwDiscOuter", m_dwDiscOuter);
    ExchangeDword(bSave, "dwDiscHub", m_dwDiscHub);
    ExchangeDword(bSave, "dwCustomDiscPaper", m_dwCustomDiscPaper);
    ExchangeDword(bSave, "dwCustomDiscOuter", m_dwCustomDiscOuter);
    ExchangeDword(bSave, "dwCustomDiscHub", m_dwCustomDiscHub);
    ExchangeDword(bSave, "dwCustomDiscX1", m_dwCustomDiscX1);
    ExchangeDword(bSave, "dwCustomDiscY1", m_dwCustomDiscY1);
    ExchangeDword(bSave, "dwCustomDiscX2", m_dwCustomDiscX2);
    ExchangeDword(bSave, "dwCustomDiscY2", m_dwCustomDiscY2);
}
