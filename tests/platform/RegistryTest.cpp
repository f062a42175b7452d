#include "Registry.h"
#include "ConfigFolder.h"
#include "RegistryValues.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

HKEY OpenQuorvane()
{
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorvane", 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    return key;
}

void WriteSettingsFile(const std::string& path, const char* text)
{
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

LONG QueryDword(HKEY key, const char* name, DWORD* value)
{
    DWORD size = sizeof(DWORD);
    return RegQueryValueExA(key, name, nullptr, nullptr, reinterpret_cast<BYTE*>(value), &size);
}

// Two values in a fixed order, as the program's settings record holds them.
class CTwoValues : public CRegistryValues
{
public:
    CTwoValues() : CRegistryValues(HKEY_LOCAL_MACHINE, "Software\\Quorvane") {}
    DWORD m_dwFirst = 7;
    DWORD m_dwSecond = 8;

protected:
    void Exchange(bool bSave) override
    {
        ExchangeDword(bSave, "First", m_dwFirst);
        ExchangeDword(bSave, "Second", m_dwSecond);
    }
};

} // namespace

TEST(Registry, OpeningCreatesTheStoreUnderTheConfigFolder)
{
    CTemporaryConfigFolder config;
    DWORD disposition = 0;
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorvane", 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, &disposition),
              ERROR_SUCCESS);
    EXPECT_EQ(disposition, REG_CREATED_NEW_KEY);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(config.SettingsFile())));
    RegCloseKey(key);
    key = OpenQuorvane();
    RegCloseKey(key);
}

TEST(Registry, DwordValuesRoundTripAsUnsignedDecimals)
{
    CTemporaryConfigFolder config;
    HKEY key = OpenQuorvane();
    const DWORD big = 4000000000u;
    ASSERT_EQ(RegSetValueExA(key, "Big", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&big), sizeof big),
              ERROR_SUCCESS);
    RegCloseKey(key);

    QFile file(QString::fromStdString(config.SettingsFile()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("Big=4000000000"));

    key = OpenQuorvane();
    DWORD value = 0;
    EXPECT_EQ(QueryDword(key, "Big", &value), ERROR_SUCCESS);
    EXPECT_EQ(value, big);
    RegCloseKey(key);
}

TEST(Registry, AbsentGarbageOrOutOfRangeValuesReadAsAbsent)
{
    CTemporaryConfigFolder config;
    HKEY key = OpenQuorvane();
    RegCloseKey(key);
    WriteSettingsFile(config.SettingsFile(), "[General]\nWord=abc\nNegative=-1\nHuge=4294967296\nHalf=12x\n");
    key = OpenQuorvane();
    for (const char* name : {"Missing", "Word", "Negative", "Huge", "Half"}) {
        DWORD value = 42;
        EXPECT_NE(QueryDword(key, name, &value), ERROR_SUCCESS) << name;
        EXPECT_EQ(value, 42u) << name; // the caller's value is left as it was
    }
    RegCloseKey(key);
}

TEST(Registry, AStoreThatCannotBeCreatedFailsTheOpen)
{
    CTemporaryConfigFolder config;
    config.MakeUnusable();
    HKEY key = reinterpret_cast<HKEY>(1);
    EXPECT_NE(RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Quorvane", 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    EXPECT_EQ(key, nullptr);
}

TEST(RegistryValues, SaveThenLoadRestoresEveryValue)
{
    CTemporaryConfigFolder config;
    {
        CTwoValues values;
        values.m_dwFirst = 1;
        values.m_dwSecond = 2;
        values.SaveValues();
    }
    CTwoValues loaded;
    loaded.LoadValues();
    EXPECT_EQ(loaded.m_dwFirst, 1u);
    EXPECT_EQ(loaded.m_dwSecond, 2u);
}

TEST(RegistryValues, UnusableStoreKeepsTheMembersAndLosesSavesSilently)
{
    CTemporaryConfigFolder config;
    config.MakeUnusable();
    CTwoValues values;
    values.m_dwFirst = 99;
    values.SaveValues();
    values.m_dwFirst = 5;
    values.LoadValues();
    EXPECT_EQ(values.m_dwFirst, 5u);
    EXPECT_EQ(values.m_dwSecond, 8u);
}
