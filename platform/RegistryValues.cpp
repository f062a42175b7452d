#include "RegistryValues.h"

CRegistryValues::CRegistryValues(HKEY hRootKey, const std::string& strSubKey)
    : m_hRootKey(hRootKey), m_strSubKey(strSubKey)
{
}

CRegistryValues::~CRegistryValues()
{
    if (m_hKey)
        RegCloseKey(m_hKey);
}

void CRegistryValues::LoadValues()
{
    OpenAndExchange(false);
}

void CRegistryValues::SaveValues()
{
    OpenAndExchange(true);
}

void CRegistryValues::OpenAndExchange(bool bSave)
{
    HKEY hKey = nullptr;
    if (RegCreateKeyExA(m_hRootKey, m_strSubKey.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS,
                        nullptr, &hKey, nullptr) != ERROR_SUCCESS)
        return;
    if (m_hKey)
        RegCloseKey(m_hKey);
    m_hKey = hKey;
    Exchange(bSave);
    RegCloseKey(m_hKey);
    m_hKey = nullptr;
}

void CRegistryValues::ExchangeDword(bool bSave, const char* lpszName, DWORD& dwValue)
{
    if (bSave) {
        RegSetValueExA(m_hKey, lpszName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dwValue),
                       sizeof(DWORD));
        return;
    }
    DWORD cbData = sizeof(DWORD);
    RegQueryValueExA(m_hKey, lpszName, nullptr, nullptr, reinterpret_cast<BYTE*>(&dwValue), &cbData);
}
