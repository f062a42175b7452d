// A record of REG_DWORD values under one registry key, loaded and saved as a whole.
#pragma once

#include "Registry.h"

#include <string>

class CRegistryValues
{
public:
    CRegistryValues(HKEY hRootKey, const std::string& strSubKey);
    virtual ~CRegistryValues();
    CRegistryValues(const CRegistryValues&) = delete;
    CRegistryValues& operator=(const CRegistryValues&) = delete;

    // Opens (creating when missing) the key, exchanges every value, closes the key.
    // When the key cannot be opened nothing is read or written and the members keep their values.
    void LoadValues();
    void SaveValues();

protected:
    // Visits every value of the record in its fixed order.
    virtual void Exchange(bool bSave) = 0;
    // Writes one value, or reads it into the member; an absent value leaves the member as it is.
    void ExchangeDword(bool bSave, const char* lpszName, DWORD& dwValue);

private:
    void OpenAndExchange(bool bSave);

    HKEY m_hRootKey;
    std::string m_strSubKey;
    HKEY m_hKey = nullptr;
};
