// The tutorial's content: the lessons load without a word of complaint, each on a screen and
// trigger the game knows, with its words in the text table, its pictures on disk, and its panel
// held where the close button for that panel sits; the panels and pictures are there at their
// sizes.
#include "screens/TTutorial.hpp"

#include "data/Language.hpp"
#include "media/FileSystem.hpp"
#include "media/Report.hpp"
#include "support/RunFolder.hpp"
#include "support/TestProgram.hpp"

#include "ShippedPicture.hpp"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

namespace
{
using testing_support::runDir;

TEST(TutorialContent, TheLessonsLoadQuietlyAndTheirPanelsSitOnTheirOkButtons)
{
    std::vector<std::string> reports;
    media::setReportSink([&](std::string_view line) { reports.emplace_back(line); });
    {
        testing_support::TestProgram program;
        testing_support::InFolder here(runDir);
        const std::string languageBefore = language;
        language = "en";
        TTutorial tutorial;
        tutorial.setup();
        ASSERT_GE(tutorial.tips.size(), 10u);
        ASSERT_NE(tutorial.gui, nullptr);
        for (const char* name : {"ok", "ok1", "ok2", "on", "off"})
            EXPECT_NE(tutorial.gui->getItem(name), nullptr) << name;
        for (const auto& panel : tutorial.panels)
            EXPECT_FALSE(panel.empty());

        const std::set<std::string> triggers = {"BEGIN",      "COMBO",       "ROCKS", "ICE",
                                                "WILD-CARDS", "MAGIC-CARDS", "POMIN", "MAGIC-PICK-UP"};
        const char* okOf[3] = {"ok", "ok1", "ok2"};
        std::map<int, std::pair<float, float>> centres;
        std::set<std::string> blocked;
        for (const TTip& tip : tutorial.tips) {
            SCOPED_TRACE(tip.id);
            EXPECT_TRUE(tip.ekran == "MAIN-GAME" || tip.ekran == "SHOP" || tip.ekran == "LEVEL-SUMMARY");
            EXPECT_TRUE(triggers.count(tip.startAt));
            EXPECT_FALSE(tip.texts.empty());
            for (const TTipText& text : tip.texts) {
                EXPECT_EQ(text.txt.find("BEYOND"), std::string::npos);
                EXPECT_FALSE(text.txt.empty());
            }
            for (const TTipImg& image : tip.images)
                EXPECT_FALSE(image.img.empty()) << image.url;
            // Every lesson of a panel lies where that panel's close button is placed for.
            if (!centres.count(tip.nrPanelu))
                centres[tip.nrPanelu] = {tip.dim.x, tip.dim.y};
            EXPECT_EQ(centres[tip.nrPanelu], std::make_pair(tip.dim.x, tip.dim.y));
            auto ok = tutorial.gui->getItem(okOf[tip.nrPanelu]);
            ASSERT_NE(ok, nullptr);
            const media::Picture& panel = tutorial.panels[static_cast<std::size_t>(tip.nrPanelu)];
            const float halfW = static_cast<float>(panel.width()) / 2;
            const float halfH = static_cast<float>(panel.height()) / 2;
            EXPECT_GT(ok->dim.x, tip.dim.x - halfW);
            EXPECT_LT(ok->dim.x + ok->dim.w, tip.dim.x + halfW);
            EXPECT_GT(ok->dim.y, tip.dim.y);
            EXPECT_LT(ok->dim.y + ok->dim.h, tip.dim.y + halfH);
            // The panel stays on the screen.
            EXPECT_GE(tip.dim.x - halfW, 0);
            EXPECT_LE(tip.dim.x + halfW, 1024);
            EXPECT_GE(tip.dim.y - halfH, 0);
            EXPECT_LE(tip.dim.y + halfH, 768);
            if (tip.blocked)
                blocked.insert(tip.id);
        }
        // The special lessons are there, and most lessons hold the game while they are read.
        EXPECT_NE(tutorial.getTip(TTutorial::switchLesson), nullptr);
        EXPECT_NE(tutorial.getTip(TTutorial::skippedCardLesson), nullptr);
        EXPECT_GT(blocked.size() * 2, tutorial.tips.size());
        EXPECT_LT(blocked.size(), tutorial.tips.size());
        language = languageBefore;
    }
    media::setReportSink({});
    EXPECT_TRUE(reports.empty()) << ::testing::PrintToString(reports);
}

TEST(TutorialContent, ThePanelsAreParchmentAtTheirSizes)
{
    struct Size
    {
        const char* path;
        int width;
        int height;
    };
    for (const Size& s :
         {Size{"gfx/gui/tutorial/panel.png", 640, 360}, Size{"gfx/gui/tutorial/panel-2.png", 480, 280},
          Size{"gfx/gui/tutorial/panel-3.png", 350, 210}}) {
        auto image = content_testing::readPicture(runDir + "/" + s.path);
        ASSERT_TRUE(image) << s.path;
        EXPECT_EQ(image->width, s.width) << s.path;
        EXPECT_EQ(image->height, s.height) << s.path;
        // Light and opaque in the middle, where the words go; clear in the corners.
        const std::uint8_t* middle = image->pixel(s.width / 2, s.height / 2);
        EXPECT_EQ(middle[3], 255) << s.path;
        EXPECT_GT(middle[0] + middle[1] + middle[2], 3 * 180) << s.path;
        EXPECT_EQ(image->pixel(0, 0)[3], 0) << s.path;
    }
}
} // namespace
