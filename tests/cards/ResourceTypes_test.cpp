// The resource types read from data/resources.dat, and how a resource of a type (or of none)
// is drawn.
#include "cards/ResourceTypes.hpp"

#include "media/ImageCodec.hpp"
#include "media/null/NullRenderer.hpp"
#include "support/CardFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using testing_support::CardFixture;

std::vector<int> typeIds()
{
    std::vector<int> ids;
    for (const TResourceData& type : resourceTypes())
        ids.push_back(type.id);
    return ids;
}

// One entry of a hand-written data/resources.dat; no picture line when `img` is empty.
std::string entry(int k, int id, const std::string& img, int type = 0)
{
    std::string text = "\tres" + std::to_string(k) + " {\n\t\tid = " + std::to_string(id) + "\n";
    if (!img.empty())
        text += "\t\timg = \"" + img + "\"\n";
    if (type)
        text += "\t\ttype = " + std::to_string(type) + "\n";
    return text + "\t}\n";
}

void writeTypes(CardFixture& f, int count, const std::string& entries)
{
    f.folder().write("data/resources.dat",
                     "resources {\n\ti = " + std::to_string(count) + "\n" + entries + "}\n");
}

void writePicture(CardFixture& f, const std::string& path, int w, int h)
{
    media::Image image(w, h);
    for (std::size_t i = 0; i < image.rgba.size(); ++i)
        image.rgba[i] = 255;
    std::string error;
    std::filesystem::create_directories(std::filesystem::path(f.folder() / path).parent_path());
    ASSERT_TRUE(media::writePng(f.folder() / path, image, error)) << error;
}

TEST(ResourceTypes, AreReadInOrderWithTheirPicturesCentred)
{
    CardFixture f;
    writePicture(f, "gfx/resources/copper.png", 36, 36);
    writePicture(f, "gfx/resources/gem.png", 30, 40);
    writeTypes(f, 2, entry(1, 1, "gfx/resources/copper.png", 1) + entry(2, 2, "gfx/resources/gem.png", 2));
    f.reports.clear(); // the fixture's card pictures are not all there
    loadResources();
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
    EXPECT_EQ(typeIds(), (std::vector<int>{1, 2}));
    EXPECT_EQ(resourceTypeCount(), 2);
    const TResourceData* gem = resourceTypeById(2);
    ASSERT_NE(gem, nullptr);
    EXPECT_EQ(gem->img.width(), 30);
    EXPECT_FLOAT_EQ(gem->img.handleX(), 15);
    EXPECT_FLOAT_EQ(gem->img.handleY(), 20);
    EXPECT_EQ(gem->typ, 2);
    EXPECT_EQ(resourceTypeById(3), nullptr);
    EXPECT_EQ(resourceTypeById(0), nullptr);

    // A resource made now knows its type.
    EXPECT_EQ(TResource(2, 10).rd, gem);
}

TEST(ResourceTypes, IdsThatDoNotRunFromOneAreReported)
{
    CardFixture f;
    writePicture(f, "gfx/c.png", 20, 20);
    // The second is out of place (kept), the third repeats it and the fourth is no number.
    writeTypes(f, 4,
               entry(1, 1, "gfx/c.png") + entry(2, 3, "gfx/c.png") + entry(3, 3, "gfx/c.png")
                   + entry(4, 0, "gfx/c.png"));
    loadResources();
    EXPECT_EQ(typeIds(), (std::vector<int>{1, 3}));
    for (const char* name : {"res2", "res3", "res4"})
        EXPECT_TRUE(f.reported({"data/resources.dat", name})) << name << ::testing::PrintToString(f.reports);
    EXPECT_FALSE(f.reported({"res1"}));
}

TEST(ResourceTypes, AMissingPictureIsReportedAndItsTypeDrawsNothing)
{
    CardFixture f;
    writePicture(f, "gfx/resources/res-1.png", 36, 36);
    writeTypes(f, 3,
               entry(1, 1, "gfx/resources/res-1.png") + entry(2, 2, "gfx/resources/res-2.png")
                   + entry(3, 3, ""));
    loadResources();
    EXPECT_EQ(typeIds(), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(f.reported({"data/resources.dat", "res2", "gfx/resources/res-2.png"}))
        << ::testing::PrintToString(f.reports);
    EXPECT_TRUE(f.reported({"data/resources.dat", "res3"})) << ::testing::PrintToString(f.reports);

    media::NullRenderer& renderer = f.program().display().nullRenderer();
    const int before = renderer.drawCalls();
    for (int type : {2, 3}) {
        std::unique_ptr<TResource> coin = newResource(type, 10, 300, 200);
        EXPECT_EQ(coin->ammount, 10);
        coin->draw();
    }
    media::gfx().flush();
    EXPECT_EQ(renderer.drawCalls(), before);
}

TEST(ResourceTypes, AMissingFileLeavesNoTypesAndSaysSo)
{
    CardFixture f;
    loadResources();
    EXPECT_EQ(resourceTypeCount(), 0);
    EXPECT_TRUE(f.reported({"data/resources.dat"})) << ::testing::PrintToString(f.reports);
}

TEST(Resource, IsDrawnAsItsTypesPictureTurningOnceOnItsWay)
{
    CardFixture f;
    f.defineResourceTypes(4);
    media::NullRenderer& renderer = f.program().display().nullRenderer();
    std::unique_ptr<TResource> coin = newResource(3, 10, 300, 200);
    EXPECT_EQ(coin->rd, resourceTypeById(3));
    coin->per = 0.25f;
    media::gfx().setRotation(12);
    media::gfx().setAlpha(0.3f);
    const int before = renderer.drawCalls();
    coin->draw();
    media::gfx().flush();
    ASSERT_EQ(renderer.drawCalls(), before + 1);
    EXPECT_FLOAT_EQ(renderer.lastState().rotation, 90);
    EXPECT_FLOAT_EQ(renderer.lastState().alpha, 1);
    // Centred on its position.
    EXPECT_FLOAT_EQ(renderer.lastSprite().x, 300 - 18);
    EXPECT_FLOAT_EQ(renderer.lastSprite().y, 200 - 18);
}

TEST(Resource, OfATypeNoOneDefinedKeepsItsAmountAndIsNotDrawn)
{
    CardFixture f;
    f.defineResourceTypes(4);
    media::NullRenderer& renderer = f.program().display().nullRenderer();
    std::unique_ptr<TResource> odd = newResource(9, 25, 300, 200);
    EXPECT_EQ(odd->rd, nullptr);
    EXPECT_EQ(odd->id, 9);
    EXPECT_EQ(odd->ammount, 25);
    EXPECT_FLOAT_EQ(odd->x, 300);
    const int before = renderer.drawCalls();
    odd->draw();
    media::gfx().flush();
    EXPECT_EQ(renderer.drawCalls(), before);
}
} // namespace
