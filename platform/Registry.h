// Registry keys and REG_DWORD values, kept in an INI file under the user's
// configuration folder: $XDG_CONFIG_HOME (when it is an absolute path), else ~/.config.
// A key "Software\Quorvane" lives in <config>/Quorvane/settings.ini. The calls keep the
// Windows contracts the program relies on: opening creates the key when missing and
// fails when the store cannot be created or read; reading an absent value fails and
// leaves the caller's buffer as it was.
#pragma once

#include "WinTypes.h"

#include <string>

struct RegistryKey;
typedef RegistryKey* HKEY;
typedef DWORD REGSAM;

// The predefined roots: only their identity matters here, every root maps to the user's files.
extern const HKEY HKEY_CURRENT_USER;
extern const HKEY HKEY_LOCAL_MACHINE;

constexpr DWORD REG_DWORD = 4;
constexpr REGSAM KEY_ALL_ACCESS = 0xF003F;
constexpr DWORD REG_OPTION_NON_VOLATILE = 0;
constexpr DWORD REG_CREATED_NEW_KEY = 1;
constexpr DWORD REG_OPENED_EXISTING_KEY = 2;

LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD Reserved, char* lpClass, DWORD dwOptions,
                     REGSAM samDesired, void* lpSecurityAttributes, HKEY* phkResult, DWORD* lpdwDisposition);
LONG RegCloseKey(HKEY hKey);
LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                    DWORD cbData);
LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD* lpReserved, DWORD* lpType, BYTE* lpData,
                      DWORD* lpcbData);

// The file that holds a subkey's values.
std::string RegistryFilePath(const char* lpSubKey);
