// The quest map's content: the stages file loads without a word of complaint and agrees with
// the text tables and the pictures, and the map's pictures are there at the sizes the map is
// laid out for: the frame's window open over the stage picture, the runes soft-edged.
#include "levels/TLevelManager.hpp"
#include "media/Report.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include "ShippedPicture.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace
{
using testing_support::runDir;

std::optional<media::Image> picture(const std::string& path)
{
    return content_testing::readPicture(runDir + "/" + path);
}

int alphaAt(const media::Image& image, int x, int y)
{
    return image.pixel(x, y)[3];
}

TEST(MapContent, TheEightStagesLoadQuietlyAndAgreeWithTheirTablesAndPictures)
{
    std::vector<std::string> reports;
    media::setReportSink([&](std::string_view line) { reports.emplace_back(line); });
    {
        testing_support::TestProgram program;
        testing_support::InFolder here(runDir);
        TLevelManager manager;
        manager._setupStages("data/stages.dat", "txt/en/stagesNames.txt", "txt/en/storyTexts.txt");
        ASSERT_EQ(manager.stages.size(), 8u);
        for (std::size_t k = 0; k < manager.stages.size(); ++k) {
            const TStage& stage = manager.stages[k];
            SCOPED_TRACE("stage " + std::to_string(stage.id));
            EXPECT_EQ(stage.id, static_cast<int>(k) + 1);
            EXPECT_EQ(stage.title.find("BEYOND"), std::string::npos);
            EXPECT_GE(stage.texts.size(), 2u);
            EXPECT_LE(stage.texts.size(), 4u);
            for (const std::string& line : stage.texts)
                EXPECT_EQ(line.find("BEYOND"), std::string::npos);
            EXPECT_GE(stage.fontN, 0);
            EXPECT_LE(stage.fontN, 3);
            EXPECT_FALSE(stage.rune.empty());
            EXPECT_FALSE(stage.runeGrey.empty());
            EXPECT_TRUE(media::fs::pathType(stage.imgUrl) == media::fs::PathType::File) << stage.imgUrl;
            EXPECT_GE(stage.objectives.size(), 1u);
            EXPECT_LE(stage.objectives.size(), 2u);
            ASSERT_EQ(stage.levelsUrls.size(), 10u);
            for (int l = 1; l <= 10; ++l) {
                char path[64];
                std::snprintf(path, sizeof path, "data/levels/stage-%02d/level-%02d.lvl", stage.id, l);
                EXPECT_EQ(stage.levelsUrls[static_cast<std::size_t>(l - 1)], path);
            }
            // The runes lie on the open map: clear of the framed picture, the story band and
            // the goals.
            const float x = stage.runeDim.x;
            const float y = stage.runeDim.y;
            EXPECT_FALSE(x > 40 && x < 484 && y > 101 && y < 417) << x << ", " << y;
            EXPECT_GT(y, 130);
            EXPECT_LT(y, 560);
        }
    }
    media::setReportSink({});
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
}

TEST(MapContent, TheMapsPicturesAreThereAtTheirSizes)
{
    if (auto map = picture("gfx/gui/screen-map/mapa.jpg")) {
        EXPECT_EQ(map->width, 1024);
        EXPECT_EQ(map->height, 768);
    }
    if (auto frame = picture("gfx/gui/screen-map/nakladka.png")) {
        EXPECT_EQ(frame->width, 380);
        EXPECT_EQ(frame->height, 252);
        // The stage picture at (112, 159) shows through the frame laid at (72, 133).
        EXPECT_EQ(alphaAt(*frame, 190, 126), 0);
        EXPECT_EQ(alphaAt(*frame, 45, 30), 0);
        EXPECT_EQ(alphaAt(*frame, 335, 222), 0);
        EXPECT_EQ(alphaAt(*frame, 20, 126), 255);
        EXPECT_EQ(alphaAt(*frame, 190, 12), 255);
    }
    for (int k = 1; k <= 8; ++k) {
        const std::string n = std::to_string(k);
        if (auto scene = picture("gfx/gui/screen-map/stages/stage-" + n + ".png")) {
            EXPECT_EQ(scene->width, 300) << n;
            EXPECT_EQ(scene->height, 200) << n;
            EXPECT_EQ(alphaAt(*scene, 150, 100), 255) << n;
        }
        for (const char* ending : {".png", "-dark.png"}) {
            auto rune = picture("gfx/gui/screen-map/runes/run-" + n + ending);
            if (!rune)
                continue;
            EXPECT_EQ(rune->width, 64) << n << ending;
            EXPECT_EQ(rune->height, 64) << n << ending;
            EXPECT_LT(alphaAt(*rune, 0, 0), 16) << n << ending;
            EXPECT_EQ(alphaAt(*rune, 32, 32), 255) << n << ending;
        }
    }
}
} // namespace
