// Start-up pieces: marker files and the per-user data folder.
#include "shell/Program.hpp"

#include "media/FileSystem.hpp"
#include "shell/Globals.hpp"
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
    EXPECT_EQ(noTutorial, 0);

    std::ofstream(folder / "cheats.txt"); // empty: content is never read
    std::filesystem::create_directory(folder / "noLogo.txt");
    shell::readMarkerFiles();
    EXPECT_EQ(cheatsOn, 1);
    EXPECT_EQ(noLogo, 2); // a folder of that name
    EXPECT_EQ(noTutorial, 0);
    EXPECT_EQ(playLogOn, 0);
    cheatsOn = noLogo = 0;
}

TEST(DataFolder, MadeWithItsSubfoldersWhereverAsked)
{
    TempFolder folder;
    shell::LaunchOptions options;
    options.userDir = folder / "deep/down/Eldmere";
    TestProgram t(options);
    t.program().prepareDataFolder();
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
    EXPECT_EQ(userDataPath, folder.path() + "/Eldmere");
    EXPECT_EQ(media::fs::pathType(userDataPath + "/Profiles"), media::fs::PathType::Folder);
    if (old.empty())
        unsetenv("XDG_DATA_HOME");
    else
        setenv("XDG_DATA_HOME", old.c_str(), 1);
}
} // namespace
