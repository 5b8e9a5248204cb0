// The title screen's pictures and the panels of the dialogs: each is there at the size its
// screen is laid out for, and shaped where the game relies on it: the owl's eyes where the
// pupils go, the oak's branch under the owl and open sky round the moon, parchment where words
// are written, and soft edges on everything that is added to the screen as light.
#include "media/FileSystem.hpp"
#include "media/ImageCodec.hpp"
#include "support/RunFolder.hpp"

#include "ShippedPicture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <string>
#include <vector>

namespace
{
using testing_support::runDir;

std::optional<media::Image> picture(const std::string& path)
{
    return content_testing::readPicture(runDir + "/" + path);
}

using content_testing::luminance;

int alpha(const media::Image& image, int x, int y)
{
    return image.pixel(x, y)[3];
}

struct Point
{
    int x;
    int y;
};

const std::string title = "gfx/gui/screen-title/";

// The owl's picture is placed with its handle (51, 116) on the branch at (744, 185); the game
// draws the pupils on the open eyes centred on (735, 109) and (758, 109).
constexpr Point owlHandle{51, 116};
constexpr Point perch{744, 185};
constexpr Point pupils[] = {{735, 109}, {758, 109}};

Point onOwl(Point screen)
{
    return {screen.x - perch.x + owlHandle.x, screen.y - perch.y + owlHandle.y};
}

struct Expected
{
    std::string path;
    int width;
    int height;
    int slack; // either way; 0 where the game relies on the exact size
};

TEST(TitleArt, EveryPictureIsThereAtItsSize)
{
    std::vector<Expected> expected{
        {title + "back.jpg", 1024, 768, 0},
        {title + "tree-layer.png", 1024, 768, 0},
        {title + "menu.png", 400, 460, 20},
        {title + "oko.png", 6, 6, 2},
        {title + "logo.png", 420, 160, 24},
        {"gfx/gui/popup/scroll.png", 460, 440, 20},
        {"gfx/gui/popup/scroll2.png", 460, 440, 20},
        {"gfx/gui/continueQuest/scroll.png", 460, 360, 20},
        {"gfx/gui/profileManager/panel.png", 444, 490, 16},
        {"gfx/gui/options/pasek.png", 268, 24, 6},
    };
    for (int k = 1; k <= 4; ++k)
        expected.push_back({title + "sowa-" + std::to_string(k) + ".png", 102, 150, 8});
    for (int k = 1; k <= 5; ++k)
        expected.push_back({"gfx/effects/clouds/chmura" + std::to_string(k) + ".png", 256, 128, 24});
    for (const Expected& e : expected) {
        SCOPED_TRACE(e.path);
        auto image = picture(e.path);
        if (!image)
            continue;
        EXPECT_NEAR(image->width, e.width, e.slack);
        EXPECT_NEAR(image->height, e.height, e.slack);
    }
}

// The frames replace each other on the same spot, so they are one size, with the bird on its
// handle in each.
TEST(TitleArt, TheOwlsFramesAreOneSizeAndSitOnTheirHandle)
{
    auto first = picture(title + "sowa-1.png");
    ASSERT_TRUE(first);
    for (int k = 1; k <= 4; ++k) {
        SCOPED_TRACE(k);
        auto frame = picture(title + "sowa-" + std::to_string(k) + ".png");
        ASSERT_TRUE(frame);
        EXPECT_EQ(frame->width, first->width);
        EXPECT_EQ(frame->height, first->height);
        EXPECT_EQ(alpha(*frame, owlHandle.x, owlHandle.y), 255);
        EXPECT_LT(alpha(*frame, 0, 0), 16);
        EXPECT_LT(alpha(*frame, frame->width - 1, 0), 16);
    }
}

TEST(TitleArt, TheOwlsEyesAreWhereThePupilsGo)
{
    enum class Eyes
    {
        LookLeft,
        LookRight,
        Bare,
        Shut
    };
    const struct
    {
        int frame;
        Eyes eyes;
    } frames[] = {{1, Eyes::LookLeft}, {2, Eyes::LookRight}, {3, Eyes::Bare}, {4, Eyes::Shut}};
    for (const auto& f : frames) {
        SCOPED_TRACE("sowa-" + std::to_string(f.frame));
        auto owl = picture(title + "sowa-" + std::to_string(f.frame) + ".png");
        ASSERT_TRUE(owl);
        for (Point screen : pupils) {
            const Point eye = onOwl(screen);
            SCOPED_TRACE(std::to_string(screen.x) + ", " + std::to_string(screen.y));
            ASSERT_TRUE(eye.x >= 4 && eye.y >= 4 && eye.x + 4 < owl->width && eye.y + 4 < owl->height);
            switch (f.eyes) {
            case Eyes::Bare:
                // The whole 6 x 6 pupil lands on the white.
                for (int dy = -3; dy <= 3; ++dy) {
                    for (int dx = -3; dx <= 3; ++dx) {
                        EXPECT_EQ(alpha(*owl, eye.x + dx, eye.y + dy), 255);
                        EXPECT_GT(luminance(*owl, eye.x + dx, eye.y + dy), 200.0) << dx << ", " << dy;
                    }
                }
                break;
            case Eyes::Shut: EXPECT_LT(luminance(*owl, eye.x, eye.y), 160.0); break;
            case Eyes::LookLeft:
            case Eyes::LookRight: {
                const int toward = f.eyes == Eyes::LookLeft ? -4 : 4;
                EXPECT_LT(luminance(*owl, eye.x + toward, eye.y), 80.0) << "no pupil on that side";
                EXPECT_GT(luminance(*owl, eye.x - toward, eye.y), 200.0) << "the other side is not white";
                break;
            }
            }
        }
    }
}

TEST(TitleArt, ThePupilIsASmallDarkDot)
{
    auto pupil = picture(title + "oko.png");
    ASSERT_TRUE(pupil);
    const int cx = pupil->width / 2;
    const int cy = pupil->height / 2;
    EXPECT_GT(alpha(*pupil, cx, cy), 200);
    EXPECT_LT(luminance(*pupil, cx, cy), 60.0);
    EXPECT_LT(alpha(*pupil, 0, 0), 128);
}

// The oak's layer is clear over the sky and the moon, so the backdrop shows through there, and
// solid where the owl sits and along the bottom.
TEST(TitleArt, TheTreeLayerHoldsTheOwlAndLeavesTheSkyOpen)
{
    auto tree = picture(title + "tree-layer.png");
    auto back = picture(title + "back.jpg");
    ASSERT_TRUE(tree && back);
    ASSERT_EQ(tree->width, 1024);
    ASSERT_EQ(tree->height, 768);
    const Point open[] = {{512, 150}, {300, 250}, {512, 300}, {200, 60},
                          {450, 420}, {756, 110}, {720, 80},  {790, 80}};
    for (Point p : open)
        EXPECT_EQ(alpha(*tree, p.x, p.y), 0) << "covered at " << p.x << ", " << p.y;
    // Under both of the owl's feet, and the oak and banks at the screen's edges.
    const Point solid[] = {{perch.x - 10, perch.y + 5},
                           {perch.x, perch.y + 5},
                           {perch.x + 10, perch.y + 5},
                           {972, 500},
                           {1010, 40},
                           {10, 760},
                           {1014, 760}};
    for (Point p : solid)
        EXPECT_EQ(alpha(*tree, p.x, p.y), 255) << "open at " << p.x << ", " << p.y;
    // The full moon is behind the owl.
    for (Point p : {Point{756, 62}, Point{712, 110}, Point{800, 110}})
        EXPECT_GT(luminance(*back, p.x, p.y), 180.0) << p.x << ", " << p.y;
}

// The game writes on these in dark ink: each has a plain light field where the words go, is
// solid in the middle and clear at its corners. The player list writes its rows from screen x
// 360 to 620 and y 245 to 485 on a panel drawn from (290, 140).
TEST(TitleArt, ThePanelsHaveALightFieldAndClearCorners)
{
    const struct
    {
        const char* path;
        int left, top, right, bottom; // the field, in the picture
    } panels[] = {
        {"gfx/gui/popup/scroll.png", 90, 90, 370, 350},
        {"gfx/gui/popup/scroll2.png", 90, 90, 370, 350},
        {"gfx/gui/continueQuest/scroll.png", 90, 80, 370, 280},
        {"gfx/gui/profileManager/panel.png", 360 - 290, 245 - 140, 620 - 290, 485 - 140},
    };
    for (const auto& panel : panels) {
        SCOPED_TRACE(panel.path);
        auto image = picture(panel.path);
        if (!image)
            continue;
        ASSERT_LT(panel.right, image->width);
        ASSERT_LT(panel.bottom, image->height);
        for (int i = 0; i <= 6; ++i) {
            for (int j = 0; j <= 6; ++j) {
                const int x = panel.left + (panel.right - panel.left) * i / 6;
                const int y = panel.top + (panel.bottom - panel.top) * j / 6;
                EXPECT_EQ(alpha(*image, x, y), 255) << x << ", " << y;
                EXPECT_GT(luminance(*image, x, y), 170.0) << x << ", " << y;
            }
        }
        const int r = image->width - 1;
        const int b = image->height - 1;
        for (Point c : {Point{0, 0}, Point{r, 0}, Point{0, b}, Point{r, b}})
            EXPECT_LT(alpha(*image, c.x, c.y), 16) << "corner " << c.x << ", " << c.y;
    }
    auto menu = picture(title + "menu.png");
    ASSERT_TRUE(menu);
    EXPECT_EQ(alpha(*menu, menu->width / 2, menu->height / 2), 255);
    EXPECT_LT(alpha(*menu, 0, 0), 16);
    EXPECT_LT(alpha(*menu, menu->width - 1, 0), 16);
}

// Added to the screen as light: soft all the way to nothing at their edges, and bright enough
// somewhere to be seen.
TEST(TitleArt, LightsAndCloudsFadeOutBeforeTheirEdges)
{
    std::vector<std::string> paths;
    for (int k = 1; k <= 7; ++k)
        paths.push_back(title + "lights-" + std::to_string(k) + ".png");
    for (int k = 1; k <= 5; ++k)
        paths.push_back("gfx/effects/clouds/chmura" + std::to_string(k) + ".png");
    for (const std::string& path : paths) {
        SCOPED_TRACE(path);
        auto image = picture(path);
        if (!image)
            continue;
        EXPECT_LE(image->width, 400);
        EXPECT_LE(image->height, 300);
        int edge = 0;
        for (int x = 0; x < image->width; ++x)
            edge = std::max({edge, alpha(*image, x, 0), alpha(*image, x, image->height - 1)});
        for (int y = 0; y < image->height; ++y)
            edge = std::max({edge, alpha(*image, 0, y), alpha(*image, image->width - 1, y)});
        EXPECT_LT(edge, 8);
        int strongest = 0;
        for (int y = 0; y < image->height; ++y)
            for (int x = 0; x < image->width; ++x)
                strongest = std::max(strongest, alpha(*image, x, y));
        EXPECT_GT(strongest, 60);
    }
}

// The name in gold letters with a dark outline, on nothing.
TEST(TitleArt, TheLogoIsGoldLetteringOutlinedInInk)
{
    auto logo = picture(title + "logo.png");
    ASSERT_TRUE(logo);
    int gold = 0;
    int inked = 0;
    for (int y = 0; y < logo->height; ++y) {
        for (int x = 0; x < logo->width; ++x) {
            const std::uint8_t* p = logo->pixel(x, y);
            if (p[3] < 250)
                continue;
            if (p[0] > 170 && p[0] > p[1] && p[1] > p[2] + 30)
                ++gold;
            else if (luminance(*logo, x, y) < 50)
                ++inked;
        }
    }
    const int area = logo->width * logo->height;
    EXPECT_GT(gold, area / 20);
    EXPECT_GT(inked, area / 50);
    EXPECT_LT(alpha(*logo, 0, 0), 16);
    EXPECT_LT(alpha(*logo, logo->width - 1, logo->height - 1), 16);
}

// The game shows the volume as the bar's left part, so the bar is solid from end to end along
// its middle: any left part of it reads as a bar.
TEST(TitleArt, TheVolumeBarIsSolidFromEndToEnd)
{
    auto bar = picture("gfx/gui/options/pasek.png");
    ASSERT_TRUE(bar);
    const int y = bar->height / 2;
    for (int x = 4; x < bar->width - 4; ++x)
        EXPECT_EQ(alpha(*bar, x, y), 255) << x;
}
} // namespace
