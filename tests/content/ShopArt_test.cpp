// The shop's and the awards' pictures: each is there at the size the screens are laid out for;
// the wares, medallions and marks are drawn on nothing, solid in the middle and clear at their
// corners; the lights fade out before their edges; the stall has dark fields where the game
// writes white figures and where it shows the wares, and every ware and medallion can be told
// from every other.
#include "media/Image.hpp"
#include "support/RunFolder.hpp"

#include "ShippedPicture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace
{
using content_testing::luminance;
using testing_support::runDir;

std::optional<media::Image> picture(const std::string& path)
{
    return content_testing::readPicture(runDir + "/" + path);
}

int alpha(const media::Image& image, int x, int y)
{
    return image.pixel(x, y)[3];
}

const std::string shop = "gfx/gui/screen-sklep/";

std::string itemPath(int id)
{
    return shop + "items/item-" + std::to_string(id) + ".png";
}

std::string awardPath(int id)
{
    return "gfx/gui/awards/award-" + std::to_string(id) + ".png";
}

struct Expected
{
    std::string path;
    int width;
    int height;
    int slack; // either way; 0 where the screen relies on the exact size
};

std::vector<Expected> centredPictures()
{
    std::vector<Expected> pictures{{shop + "back.png", 140, 140, 8},
                                   {shop + "tick.png", 40, 40, 6},
                                   {"gfx/gui/awards/award-none.png", 64, 64, 0}};
    for (int id = 1; id <= 9; ++id)
        pictures.push_back({itemPath(id), 96, 96, 0});
    for (int id = 1; id <= 10; ++id)
        pictures.push_back({awardPath(id), 64, 64, 0});
    return pictures;
}

// Drawn centred on a point, on whatever lies behind: clear corners, solid round the middle.
TEST(ShopArt, CentredPicturesHaveTheirSizeClearCornersAndASolidMiddle)
{
    for (const Expected& e : centredPictures()) {
        SCOPED_TRACE(e.path);
        auto image = picture(e.path);
        if (!image)
            continue;
        EXPECT_NEAR(image->width, e.width, e.slack);
        EXPECT_NEAR(image->height, e.height, e.slack);
        const int r = image->width - 1;
        const int b = image->height - 1;
        for (auto [x, y] : {std::pair{0, 0}, std::pair{r, 0}, std::pair{0, b}, std::pair{r, b}})
            EXPECT_EQ(alpha(*image, x, y), 0) << "corner " << x << ", " << y;
        // Solid somewhere round the middle (a ware may have a hole right in it, as the arrow that
        // turns back does).
        int strongest = 0;
        for (int y = image->height * 3 / 8; y < image->height * 5 / 8; ++y)
            for (int x = image->width * 3 / 8; x < image->width * 5 / 8; ++x)
                strongest = std::max(strongest, alpha(*image, x, y));
        EXPECT_GT(strongest, 200) << "the middle is faint";
    }
}

// The glows are drawn from their top-left corners over the wells at their full size, 220 x 110
// give or take; they die out before every edge and are strong in the middle, where the
// button is.
TEST(ShopArt, TheLightsFadeOutBeforeTheirEdges)
{
    for (const char* name : {"buy-light.png", "sell-light.png"}) {
        SCOPED_TRACE(name);
        auto image = picture(shop + name);
        if (!image)
            continue;
        EXPECT_NEAR(image->width, 220, 12);
        EXPECT_NEAR(image->height, 110, 12);
        int edge = 0;
        for (int x = 0; x < image->width; ++x)
            edge = std::max({edge, alpha(*image, x, 0), alpha(*image, x, image->height - 1)});
        for (int y = 0; y < image->height; ++y)
            edge = std::max({edge, alpha(*image, 0, y), alpha(*image, image->width - 1, y)});
        EXPECT_LT(edge, 8);
        EXPECT_GT(alpha(*image, image->width / 2, image->height / 2), 160);
    }
    // Warm gold to buy, cool blue-green to sell.
    auto buy = picture(shop + "buy-light.png");
    auto sell = picture(shop + "sell-light.png");
    ASSERT_TRUE(buy && sell);
    const std::uint8_t* warm = buy->pixel(buy->width / 2 + 40, buy->height / 2);
    const std::uint8_t* cool = sell->pixel(sell->width / 2 + 40, sell->height / 2);
    EXPECT_GT(warm[0], warm[2] + 60);
    EXPECT_GT(cool[2], cool[0] + 60);
}

// The stall covers the screen. The coins are written in white round (125, 115), so the plaque
// behind them is dark; each of the nine wares stands in a dark slot at its cell, set in light
// paper; the wells under the lights are dark, so the glow shows.
TEST(ShopArt, TheStallHasDarkFieldsWhereTheGameDraws)
{
    auto panel = picture(shop + "shop-panel.jpg");
    ASSERT_TRUE(panel);
    ASSERT_EQ(panel->width, 1024);
    ASSERT_EQ(panel->height, 768);
    const auto darkAround = [&](int cx, int cy, int rx, int ry, double limit) {
        for (int dy = -ry; dy <= ry; dy += std::max(1, ry / 3))
            for (int dx = -rx; dx <= rx; dx += std::max(1, rx / 4))
                EXPECT_LT(luminance(*panel, cx + dx, cy + dy), limit) << "at " << cx + dx << ", " << cy + dy;
    };
    // Seven figures of size 24 either side of the middle, whether the game centres them on
    // y 115 or writes them down from it.
    darkAround(125, 118, 55, 12, 60.0);
    for (int k = 0; k < 9; ++k) {
        const int x = 250 + 150 * (k % 4);
        const int y = 210 + 150 * (k / 4);
        SCOPED_TRACE("cell " + std::to_string(k));
        darkAround(x, y, 44, 44, 90.0);
        // Light paper round the slot, above it.
        EXPECT_GT(luminance(*panel, x, y - 66), 150.0);
    }
    darkAround(100 + 110, 592 + 55, 80, 30, 90.0);
    darkAround(435 + 110, 492 + 55, 80, 30, 90.0);
}

// How unlike two pictures of one size are: the share of pixels where one is drawn and the other
// is not, plus the share where both are drawn in clearly different colours.
double unlike(const media::Image& a, const media::Image& b)
{
    int differ = 0;
    for (int y = 0; y < a.height; ++y) {
        for (int x = 0; x < a.width; ++x) {
            const std::uint8_t* p = a.pixel(x, y);
            const std::uint8_t* q = b.pixel(x, y);
            const bool pa = p[3] > 128;
            const bool qa = q[3] > 128;
            if (pa != qa) {
                ++differ;
            } else if (pa) {
                const int d = std::abs(p[0] - q[0]) + std::abs(p[1] - q[1]) + std::abs(p[2] - q[2]);
                differ += d > 60 ? 1 : 0;
            }
        }
    }
    return static_cast<double>(differ) / (a.width * a.height);
}

// A ware or a medallion that is a copy of another, or nearly so, cannot be told from it.
TEST(ShopArt, EveryWareAndMedallionLooksUnlikeTheOthers)
{
    // The wares differ in everything; the medallions of one family share their rim and differ
    // in its metal and in what the field holds.
    struct Set
    {
        int count;
        std::string (*path)(int);
        double least;
    };
    for (const auto& [count, path, least] : {Set{9, &itemPath, 0.25}, Set{10, &awardPath, 0.15}}) {
        std::vector<media::Image> images;
        for (int id = 1; id <= count; ++id) {
            auto image = picture(path(id));
            ASSERT_TRUE(image) << path(id);
            images.push_back(*image);
        }
        for (int i = 0; i < count; ++i) {
            for (int j = i + 1; j < count; ++j) {
                ASSERT_EQ(images[i].width, images[j].width);
                ASSERT_EQ(images[i].height, images[j].height);
                const double u = unlike(images[i], images[j]);
                EXPECT_GT(u, least) << path(i + 1) << " and " << path(j + 1);
            }
        }
    }
}

// The empty socket is dimmer than any award it stands in for.
TEST(ShopArt, TheEmptySocketIsDimmerThanEveryAward)
{
    const auto meanLight = [](const media::Image& image) {
        double sum = 0.0;
        double weight = 0.0;
        for (int y = 0; y < image.height; ++y) {
            for (int x = 0; x < image.width; ++x) {
                const double a = image.pixel(x, y)[3] / 255.0;
                sum += a * luminance(image, x, y);
                weight += a;
            }
        }
        return weight > 0.0 ? sum / weight : 0.0;
    };
    auto none = picture("gfx/gui/awards/award-none.png");
    ASSERT_TRUE(none);
    const double dim = meanLight(*none);
    for (int id = 1; id <= 10; ++id) {
        auto award = picture(awardPath(id));
        ASSERT_TRUE(award) << id;
        EXPECT_GT(meanLight(*award), dim + 25.0) << awardPath(id);
    }
}
} // namespace
