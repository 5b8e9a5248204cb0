// The display around the table as a player sees it: the name plate with the level's name, the
// cash panel, and the drive panel's bulbs lit exactly where the multiplier says.
#include "RunGame.hpp"

#include "support/TempFolder.hpp"

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>

namespace
{
using testing_support::TempFolder;

const std::string runDir = ELDMERE_RUN_DIR;

// The mean brightness of a 5 x 5 box around a point.
double around(const media::Image& shot, int x, int y)
{
    return e2e::brightness(shot, x - 2, y - 2, 5, 5);
}

TEST(Hud, TheBulbsShowAMultiplierOf15AtTheirPlaces)
{
    TempFolder t;
    const std::string folder = e2e::copyRunFolder(runDir, t / "run");
    std::ofstream(std::filesystem::path(folder) / "cheats.txt") << "";
    {
        // The developer key Q raises the multiplier by a tenth: five times, 1.5.
        std::ofstream keys(t / "keys.txt");
        for (int frame = 120; frame < 125; ++frame)
            keys << frame << " key Q tap\n";
    }
    e2e::Run run = e2e::runGame(folder + "/eldmere",
                                {"--headless", "--fixed-step", "--seed", "5", "--frames", "400", "--level",
                                 "data/levels/stage-01/level-04.lvl", "--user-dir", t / "user", "--input",
                                 t / "keys.txt", "--screenshot", t / "hud.png"},
                                folder);
    ASSERT_EQ(run.status, 0) << run.err;
    const media::Image shot = e2e::readPng(t / "hud.png");
    ASSERT_FALSE(shot.empty());

    // At 1.5 the first five small bulbs are lit and the other fifteen are not.
    constexpr std::array<std::array<int, 2>, 20> small{
        {{703, 42}, {716, 34},  {732, 33},  {745, 41},  {751, 53},  {752, 68}, {753, 83},
         {759, 96}, {772, 104}, {786, 104}, {903, 103}, {916, 103}, {929, 96}, {936, 83},
         {936, 68}, {937, 53},  {944, 41},  {957, 33},  {973, 34},  {985, 42}}};
    double dimmestLit = 255;
    double brightestDark = 0;
    for (std::size_t j = 0; j < small.size(); ++j) {
        const double b = around(shot, small[j][0], small[j][1]);
        if (j < 5)
            dimmestLit = std::min(dimmestLit, b);
        else
            brightestDark = std::max(brightestDark, b);
    }
    EXPECT_GT(dimmestLit, brightestDark + 40) << dimmestLit << " " << brightestDark;
    // The first big bulb glows fully and the second at half; the last two are dark sockets.
    const double big0 = e2e::brightness(shot, 725 - 8, 59 + 6, 16, 6); // below the "1.5" it shows
    const double big1 = around(shot, 781, 76);
    const double big2 = around(shot, 907, 76);
    const double big3 = around(shot, 964, 59);
    EXPECT_GT(std::min(big0, big1), std::max(big2, big3) + 40)
        << big0 << " " << big1 << " " << big2 << " " << big3;
    EXPECT_LT(std::max(big2, big3), 60);
    // The name plate: light parchment with the level's name in black across x 190.
    const double plate = e2e::brightness(shot, 80, 28, 30, 18);
    const double name = e2e::brightness(shot, 150, 28, 80, 18);
    EXPECT_GT(plate, 170);
    EXPECT_LT(name, plate - 20);
    // The cash panel's dark window with the gold score "0" in the middle.
    EXPECT_LT(e2e::brightness(shot, 455, 62, 30, 26), 60);
    EXPECT_GT(e2e::brightness(shot, 500, 64, 16, 24), e2e::brightness(shot, 455, 62, 30, 26) + 30);
}
} // namespace
