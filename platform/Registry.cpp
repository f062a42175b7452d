#include "Registry.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QString>
#include <cstring>
#include <limits>
#include <memory>

struct RegistryKey
{
    std::unique_ptr<QSettings> settings;
};

namespace {
RegistryKey g_currentUserRoot;
RegistryKey g_localMachineRoot;

QString ConfigFolder()
{
    const QString xdg = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (!xdg.isEmpty() && QDir::isAbsolutePath(xdg))
        return xdg;
    return QDir::homePath() + QStringLiteral("/.config");
}

// "Software\Quorvane" -> "Quorvane": the software branch is implied by the configuration folder.
QString KeyFolder(const char* lpSubKey)
{
    QString path = QString::fromUtf8(lpSubKey ? lpSubKey : "").replace(QLatin1Char('\\'), QLatin1Char('/'));
    if (path.startsWith(QStringLiteral("Software/"), Qt::CaseInsensitive))
        path = path.mid(9);
    return QDir::cleanPath(path);
}

bool IsRoot(HKEY hKey)
{
    return hKey == HKEY_CURRENT_USER || hKey == HKEY_LOCAL_MACHINE;
}

// A stored DWORD is an unsigned decimal of at most 32 bits; anything else counts as absent.
bool ParseDword(const QString& text, DWORD* value)
{
    bool ok = false;
    const qulonglong number = text.trimmed().toULongLong(&ok, 10);
    if (!ok || text.trimmed().startsWith(QLatin1Char('+')) || number > std::numeric_limits<DWORD>::max())
        return false;
    *value = static_cast<DWORD>(number);
    return true;
}

} // namespace

const HKEY HKEY_CURRENT_USER = &g_currentUserRoot;
const HKEY HKEY_LOCAL_MACHINE = &g_localMachineRoot;

std::string RegistryFilePath(const char* lpSubKey)
{
    return (ConfigFolder() + QLatin1Char('/') + KeyFolder(lpSubKey) + QStringLiteral("/settings.ini"))
        .toStdString();
}

LONG RegCreateKeyExA(HKEY hKey, const char* lpSubKey, DWORD, char*, DWORD, REGSAM, void*, HKEY* phkResult,
                     DWORD* lpdwDisposition)
{
    if (!phkResult || !IsRoot(hKey) || KeyFolder(lpSubKey).isEmpty())
        return ERROR_INVALID_PARAMETER;
    *phkResult = nullptr;
    const QString filePath = QString::fromStdString(RegistryFilePath(lpSubKey));
    const QFileInfo info(filePath);
    if (!QDir().mkpath(info.absolutePath()))
        return ERROR_ACCESS_DENIED;
    const bool existed = info.exists();
    QFile file(filePath);
    // Opening for read and write creates the store and proves it can be used both ways.
    if (!file.open(QIODevice::ReadWrite))
        return ERROR_ACCESS_DENIED;
    file.close();
    auto key = std::make_unique<RegistryKey>();
    key->settings = std::make_unique<QSettings>(filePath, QSettings::IniFormat);
    if (key->settings->status() != QSettings::NoError)
        return ERROR_ACCESS_DENIED;
    if (lpdwDisposition)
        *lpdwDisposition = existed ? REG_OPENED_EXISTING_KEY : REG_CREATED_NEW_KEY;
    *phkResult = key.release();
    return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY hKey)
{
    if (!hKey || IsRoot(hKey))
        return ERROR_INVALID_HANDLE;
    hKey->settings->sync();
    delete hKey;
    return ERROR_SUCCESS;
}

LONG RegSetValueExA(HKEY hKey, const char* lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData)
{
    if (!hKey || IsRoot(hKey) || !lpValueName || !lpData)
        return ERROR_INVALID_PARAMETER;
    if (dwType != REG_DWORD || cbData != sizeof(DWORD))
        return ERROR_INVALID_PARAMETER; // only DWORD values are kept
    DWORD value = 0;
    std::memcpy(&value, lpData, sizeof value);
    hKey->settings->setValue(QString::fromUtf8(lpValueName), QString::number(value));
    hKey->settings->sync();
    return hKey->settings->status() == QSettings::NoError ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

LONG RegQueryValueExA(HKEY hKey, const char* lpValueName, DWORD*, DWORD* lpType, BYTE* lpData,
                      DWORD* lpcbData)
{
    if (!hKey || IsRoot(hKey) || !lpValueName)
        return ERROR_INVALID_PARAMETER;
    const QString name = QString::fromUtf8(lpValueName);
    DWORD value = 0;
    if (!hKey->settings->contains(name) || !ParseDword(hKey->settings->value(name).toString(), &value))
        return ERROR_FILE_NOT_FOUND;
    if (lpType)
        *lpType = REG_DWORD;
    if (!lpData)
        return ERROR_SUCCESS;
    if (!lpcbData || *lpcbData < sizeof(DWORD)) {
        if (lpcbData)
            *lpcbData = sizeof(DWORD);
        return ERROR_MORE_DATA;
    }
    std::memcpy(lpData, &value, sizeof value);
    *lpcbData = sizeof(DWORD);
    return ERROR_SUCCESS;
}
