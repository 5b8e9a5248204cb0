// Start-up pieces: marker files and the per-user data folder.
#include "shell/Eldmere.hpp"

#include "base/StartupFlags.hpp"

#include "base/Program.hpp"
#include "media/FileSystem.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace
{
using testing_support::InFolder;
using testing_support::TempFolder;
using testing_support::TestProgram;

TEST(MarkerFiles, PresenceOfAFileOrAFolderCounts)
{
    TempFolder folder;
    InFolder here(folder.path());
    shell::readMarkerFiles();
    EXPECT_EQ(cheatsOn, 0);

    std::ofstream(folder / "cheats.txt"); // empty: content is never read
    shell::readMarkerFiles();
    EXPECT_EQ(cheatsOn, 1);
    std::filesystem::remove(folder / "cheats.txt");
    std::filesystem::create_directory(folder / "cheats.txt");
    shell::readMarkerFiles();
    EXPECT_EQ(cheatsOn, 2); // a folder of that name
    cheatsOn = 0;
}

TEST(MarkerFiles, NoTutorialTurnsTheLessonsOffForTheRun)
{
    TempFolder folder;
    InFolder here(folder.path());
    TestProgram t;
    shell::readMarkerFiles();
    EXPECT_FALSE(t.program().noTutorial);
    std::ofstream(folder / "noTutorial.txt");
    shell::readMarkerFiles();
    EXPECT_TRUE(t.program().noTutorial);
    cheatsOn = 0;
}

TEST(DataFolder, MadeWithItsSubfoldersWhereverAsked)
{
    TempFolder folder;
    shell::LaunchOptions options;
    options.userDir = folder / "deep/down/Eldmere";
    TestProgram t(options);
    t.program().prepareDataFolder();
    const std::string& userDataPath = t.program().userDataPath;
    EXPECT_EQ(userDataPath, media::fs::absolutePath(folder / "deep/down/Eldmere"));
    EXPECT_EQ(media::fs::pathType(userDataPath + "/Data"), media::fs::PathType::Folder);
    EXPECT_EQ(media::fs::pathType(userDataPath + "/Profiles"), media::fs::PathType::Folder);
}

TEST(DataFolder, DefaultsToTheXdgDataHome)
{
    TempFolder folder;
    std::string old = std::getenv("XDG_DATA_HOME") ? std::getenv("XDG_DATA_HOME") : "";
    setenv("XDG_DATA_HOME", folder.path().c_str(), 1);
    TestProgram t;
    t.program().prepareDataFolder();
    const std::string& userDataPath = t.program().userDataPath;
    EXPECT_EQ(userDataPath, folder.path() + "/Eldmere");
    EXPECT_EQ(media::fs::pathType(userDataPath + "/Profiles"), media::fs::PathType::Folder);
    if (old.empty())
        unsetenv("XDG_DATA_HOME");
    else
        setenv("XDG_DATA_HOME", old.c_str(), 1);
}
} // namespace
