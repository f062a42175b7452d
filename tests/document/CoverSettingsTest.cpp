#include "CoverSettings.h"
#include "ConfigFolder.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

namespace {

void ExpectDefaults(const CCoverSettings& settings)
{
    EXPECT_EQ(settings.m_dwOption, 1u);
    EXPECT_EQ(settings.m_dwCHF, 119u);
    EXPECT_EQ(settings.m_dwCWF, 121u);
    EXPECT_EQ(settings.m_dwCHB, 118u);
    EXPECT_EQ(settings.m_dwCWB, 151u);
}

} // namespace

TEST(CoverSettings, FirstStartCreatesTheStoreAndHoldsTheDefaults)
{
    CTemporaryConfigFolder config;
    const CCoverSettings settings;
    ExpectDefaults(settings);
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(config.SettingsFile())));
}

TEST(CoverSettings, SavedValuesAreWhatTheNextInstanceHolds)
{
    CTemporaryConfigFolder config;
    {
        CCoverSettings settings;
        settings.m_dwOption = 2;
        settings.m_dwCHF = 100;
        settings.m_dwCWF = 101;
        settings.m_dwCHB = 102;
        settings.m_dwCWB = 103;
        settings.SaveValues();
    }
    const CCoverSettings next;
    EXPECT_EQ(next.m_dwOption, 2u);
    EXPECT_EQ(next.m_dwCHF, 100u);
    EXPECT_EQ(next.m_dwCWF, 101u);
    EXPECT_EQ(next.m_dwCHB, 102u);
    EXPECT_EQ(next.m_dwCWB, 103u);

    QFile file(QString::fromStdString(config.SettingsFile()));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    for (const char* line : {"Option=2", "dwCHF=100", "dwCWF=101", "dwCHB=102", "dwCWB=103"})
        EXPECT_TRUE(text.contains(line)) << line;
}

TEST(CoverSettings, MissingOrUnreadableValuesKeepTheirDefaults)
{
    CTemporaryConfigFolder config;
    {
        const CCoverSettings create;
    }
    QFile file(QString::fromStdString(config.SettingsFile()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[General]\nOption=5\ndwCHF=twelve\ndwCWB=99999999999\n");
    file.close();
    const CCoverSettings settings;
    EXPECT_EQ(settings.m_dwOption, 5u);
    EXPECT_EQ(settings.m_dwCHF, 119u);
    EXPECT_EQ(settings.m_dwCWF, 121u);
    EXPECT_EQ(settings.m_dwCWB, 151u);
}

TEST(CoverSettings, UnusableConfigFolderGivesDefaultsAndLosesSaves)
{
    CTemporaryConfigFolder config;
    config.MakeUnusable();
    {
        CCoverSettings settings;
        ExpectDefaults(settings);
        settings.m_dwOption = 2;
        settings.SaveValues();
    }
    const CCoverSettings next;
    ExpectDefaults(next);
}
