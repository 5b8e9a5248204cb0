// Fonts: one typeface, loaded once per size whatever path is asked for; fonts named in files.
#include "gui/Fonts.hpp"

#include "gui/GuiFixture.hpp"
#include "gui/TRGMFont.hpp"
#include "media/Font.hpp"

#include <gtest/gtest.h>

namespace
{
using gui_testing::GuiFixture;

TEST(LoadFont, ThePathIsIgnoredAndEachSizeIsLoadedOnce)
{
    GuiFixture f;
    media::Font& a = loadFont("gfx/fonts/Bookman.ttf", 24);
    media::Font& b = loadFont("no/such/file.ttf", 24);
    media::Font& c = loadFont("gfx/fonts/Bookman.ttf", 25);
    EXPECT_EQ(&a, &b);
    EXPECT_NE(&a, &c);
    EXPECT_TRUE(a.valid());
    EXPECT_EQ(a.size(), 24);
    EXPECT_EQ(c.size(), 25);
    EXPECT_TRUE(f.reports.empty());
}

TEST(NamedFonts, AreFoundInTheirContainerInAnyCaseTheFirstFirst)
{
    GuiFixture f;
    TGui gui;
    TRGMFont::createFromList("Title", {{"URL", "a.ttf"}, {"SIZE", "30"}}, &gui);
    TRGMFont::createFromList("title", {{"url", "b.ttf"}}, &gui);
    ASSERT_EQ(gui._fonts.size(), 2u);
    const TRGMFont* found = TRGMFont::getByID("TITLE", &gui);
    ASSERT_NE(found, nullptr);
    EXPECT_EQ(found->_font->size(), 30);
    EXPECT_EQ(gui._fonts[1]._font->size(), 12); // SIZE defaults to 12
    EXPECT_EQ(TRGMFont::getByID("body", &gui), nullptr);
    EXPECT_TRUE(f.reports.empty());
}
} // namespace
