// The settings file.
#include "screens/TOptions.hpp"

#include "data/DataFiles.hpp"
#include "media/FileSystem.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <fstream>

namespace
{
using testing_support::TempFolder;
using testing_support::TestProgram;

class Settings : public ::testing::Test
{
protected:
    void SetUp() override
    {
        shell::LaunchOptions options;
        options.userDir = folder.path();
        program = std::make_unique<TestProgram>(options);
        program->program().prepareDataFolder();
    }
    void write(const std::string& text) { std::ofstream(TOptions::settingsPath()) << text; }

    TempFolder folder;
    std::unique_ptr<TestProgram> program;
};

TEST_F(Settings, FirstStartWritesTheDefaults)
{
    TOptions options;
    options.loadOptions();
    auto text = media::fs::readText(TOptions::settingsPath());
    ASSERT_TRUE(text);
    EXPECT_EQ(*text, "settings {\n"
                     "\tfullScreen = 1\n"
                     "\twideScreen = 0\n"
                     "\tcustomCursor = 1\n"
                     "\tmusicVolume = 0.500000000\n"
                     "\tsoundVolume = 0.500000000\n"
                     "}\n\n");
    EXPECT_EQ(options.fullScreen, 1);
    EXPECT_FLOAT_EQ(options.musicVol, 0.5f);
}

TEST_F(Settings, OddStoredValuesAreBroughtIntoRange)
{
    write("settings {\n\tfullScreen = 0\n\twideScreen = 7\n\tcustomCursor = 0\n"
          "\tmusicVolume = 0.04\n\tsoundVolume = 3\n}\n");
    TOptions options;
    options.loadOptions();
    EXPECT_EQ(options.fullScreen, 0);
    EXPECT_EQ(options.wideScreen, 1);
    EXPECT_EQ(options.customCursor, 0);
    EXPECT_EQ(options.musicVol, 0.0f); // below one step is silence
    EXPECT_EQ(options.soundVol, 1.0f);
}

TEST_F(Settings, VolumeStepsDoNotDriftIntoSilence)
{
    TOptions options;
    options.loadOptions();
    for (int i = 0; i < 9; ++i)
        options.musicVol -= 0.05f; // 0.5 - 9 x 0.05 in floats is a hair under 0.05
    ASSERT_TRUE(options.saveOptions());
    TOptions reloaded;
    reloaded.loadOptions();
    EXPECT_FLOAT_EQ(reloaded.musicVol, 0.05f);
}

TEST_F(Settings, ARunOverrideIsNotStored)
{
    TOptions options;
    options.loadOptions();
    options.fullScreenThisRun = false;
    ASSERT_TRUE(options.openScreen());
    EXPECT_FALSE(program->display().fullScreen());
    ASSERT_TRUE(options.saveOptions());
    EXPECT_EQ(loadDataFile(TOptions::settingsPath()).getFloat("settings::fullScreen"), 1);
}
} // namespace
