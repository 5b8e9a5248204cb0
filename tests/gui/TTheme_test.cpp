// Themes: the theme file read from its own folder, the THEME declaration, finding a theme by name
// across GUI files, and the widgets that would wear one when none was ever made.
#include "gui/TTheme.hpp"

#include "gui/TBarTitle.hpp"
#include "gui/TBelka.hpp"
#include "gui/TMenu.hpp"
#include "gui/TWindow.hpp"
#include "gui/ThemeFixture.hpp"
#include "media/FileSystem.hpp"

#include <gtest/gtest.h>

#include <functional>

namespace
{
using gui_testing::GuiFixture;
using gui_testing::themeText;

// A theme file at gfx/window/t.txt with its pictures under gfx/window/pics/.
void writeTheme(GuiFixture& f)
{
    auto okno = gui_testing::thinFramePieces(f, "gfx/window", "pics");
    f.picture("gfx/window/pics/lewo.png", 5, 24);
    f.picture("gfx/window/pics/srodek.png", 1, 24);
    f.picture("gfx/window/pics/prawo.png", 7, 24);
    f.picture("gfx/window/pics/LU.png", 4, 4);
    f.write("gfx/window/t.txt", themeText(okno, {{"lewo", "\"pics/lewo.png\""},
                                                 {"srodek", "\"pics/srodek.png\""},
                                                 {"prawo", "\"pics/prawo.png\""},
                                                 {"LU", "\"pics/LU.png\""},
                                                 {"textRGB", "10, 20, 30"},
                                                 {"backRGB", "200.7, 100, 0"},
                                                 {"outLineRGB", "1, 2, 3"}}));
}

TEST(ThemeFile, PicturesComeFromTheThemeFilesFolderAndTheWorkingFolderStays)
{
    GuiFixture f;
    writeTheme(f);
    f.write("ui/x.gui", "THEME Plain { URL = ../gfx/window/t.txt }");
    const std::string before = media::fs::currentFolder();
    auto gui = loadGui("ui/x.gui");
    EXPECT_EQ(media::fs::currentFolder(), before);
    ASSERT_EQ(gui->_themes.size(), 1u);
    const TTheme& theme = *gui->_themes[0];
    EXPECT_EQ(theme.id, "PLAIN");
    for (std::size_t i = 0; i < framePieces; ++i)
        EXPECT_FALSE(theme.oknoImg[i].empty()) << "window piece " << i;
    EXPECT_EQ(theme.okno(FramePiece::rightDown).width(), 16);
    EXPECT_EQ(theme.belka(BarPiece::left).width(), 5);
    EXPECT_EQ(theme.belka(BarPiece::right).width(), 7);
    EXPECT_EQ(theme.barHeight, 24);
    EXPECT_EQ(theme.box(FramePiece::leftUp).width(), 4);
    EXPECT_TRUE(theme.box(FramePiece::middle).empty());
    EXPECT_EQ(theme.textRGB, (TRGB{10, 20, 30}));
    EXPECT_EQ(theme.backRGB, (TRGB{200, 100, 0}));
    EXPECT_EQ(theme.outLineRGB, (TRGB{1, 2, 3}));
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

TEST(ThemeFile, TheRightHandPiecesHangFromTheirRightAndTheLowerOnesFromTheirBottom)
{
    GuiFixture f;
    writeTheme(f);
    std::shared_ptr<TTheme> theme = createTheme("t", "gfx/window/t.txt", nullptr);
    const struct
    {
        FramePiece piece;
        float hx, hy;
    } handles[] = {
        {FramePiece::leftUp, 0, 0},    {FramePiece::up, 0, 0},          {FramePiece::rightUp, 16, 0},
        {FramePiece::right, 16, 0},    {FramePiece::rightDown, 16, 16}, {FramePiece::down, 0, 16},
        {FramePiece::leftDown, 0, 16}, {FramePiece::left, 0, 0},        {FramePiece::middle, 0, 0}};
    for (const auto& h : handles) {
        EXPECT_EQ(theme->okno(h.piece).handleX(), h.hx) << static_cast<int>(h.piece);
        EXPECT_EQ(theme->okno(h.piece).handleY(), h.hy) << static_cast<int>(h.piece);
    }
}

TEST(ThemeFile, AMissingThemeFileIsReportedOnceAndGivesAnEmptyTheme)
{
    GuiFixture f;
    std::shared_ptr<TTheme> theme = createTheme("temat1", "gfx/gui/window/temat1.txt", nullptr);
    ASSERT_TRUE(theme);
    for (std::size_t i = 0; i < framePieces; ++i)
        EXPECT_TRUE(theme->oknoImg[i].empty());
    EXPECT_EQ(theme->barHeight, 0);
    ASSERT_EQ(f.reports.size(), 1u) << ::testing::PrintToString(f.reports);
    EXPECT_NE(f.reports[0].find("gfx/gui/window/temat1.txt"), std::string::npos);
    // A window wearing it is still a window: it draws no frame and does not fail.
    f.write("x.gui", "WINDOW w { POSITION = \"10 10 100 100\" }");
    auto gui = loadGui("x.gui");
    auto window = gui->getItemAs<TWindow>("w");
    ASSERT_TRUE(window);
    EXPECT_EQ(window->theme, theme);
    f.program.display().nullRenderer().recordSprites();
    gui->draw();
    EXPECT_TRUE(f.program.display().nullRenderer().recordedSprites().empty());
    EXPECT_EQ(f.reports.size(), 1u);
}

TEST(ThemeDeclaration, WithoutAPathIsReportedAndMakesNoTheme)
{
    GuiFixture f;
    f.write("x.gui", "THEME t { FILE = t.txt }");
    auto gui = loadGui("x.gui");
    EXPECT_TRUE(gui->_themes.empty());
    EXPECT_TRUE(f.program.program().themes.empty());
    EXPECT_EQ(f.reports, std::vector<std::string>{" >> BLAD! << : No path for theme file!"});
}

// --- finding themes

TEST(FindTheme, NamesMatchInAnyLetterCase)
{
    GuiFixture f;
    writeTheme(f);
    f.write("ui/x.gui", "THEME Plain { URL = ../gfx/window/t.txt }\nWINDOW w { THEME = pLAIN }");
    auto gui = loadGui("ui/x.gui");
    std::shared_ptr<TTheme> plain = findTheme("plain", nullptr);
    ASSERT_TRUE(plain);
    EXPECT_EQ(plain->id, "PLAIN");
    EXPECT_EQ(findTheme("PLAIN", gui.get()), plain);
    EXPECT_EQ(gui->getItemAs<TWindow>("w")->theme, plain);
    EXPECT_EQ(findTheme("plainer", nullptr), nullptr);
}

TEST(FindTheme, AThemeDeclaredInOneFileDressesAWindowOfALaterFile)
{
    GuiFixture f;
    writeTheme(f);
    f.write("ui/a.gui",
            "THEME shared { URL = ../gfx/window/t.txt }\nTHEME other { URL = ../gfx/window/t.txt }");
    f.write("ui/b.gui",
            "WINDOW named { THEME = Shared }\nWINDOW unnamed { }\nWINDOW unknown { THEME = gone }");
    std::shared_ptr<TTheme> shared;
    std::shared_ptr<TTheme> other;
    {
        auto a = loadGui("ui/a.gui");
        shared = a->_themes.at(0);
        other = a->_themes.at(1);
    }
    // The first file's container is gone; the program still has its themes.
    auto b = loadGui("ui/b.gui");
    EXPECT_TRUE(b->_themes.empty());
    EXPECT_EQ(b->getItemAs<TWindow>("named")->theme, shared);
    // A window naming no theme, or one nobody made, wears the newest.
    EXPECT_EQ(b->getItemAs<TWindow>("unnamed")->theme, other);
    EXPECT_EQ(b->getItemAs<TWindow>("unknown")->theme, other);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

TEST(FindTheme, AFilesOwnThemeComesBeforeTheProgramsOfTheSameName)
{
    GuiFixture f;
    writeTheme(f);
    f.write("ui/a.gui", "THEME plain { URL = ../gfx/window/t.txt }");
    f.write("ui/b.gui",
            "THEME PLAIN { URL = ../gfx/window/t.txt }\nTHEME newest { URL = ../gfx/window/t.txt }\n"
            "WINDOW w { THEME = plain }");
    auto a = loadGui("ui/a.gui");
    auto b = loadGui("ui/b.gui");
    std::shared_ptr<TTheme> own = b->_themes.at(0);
    EXPECT_NE(own, a->_themes.at(0));
    EXPECT_EQ(findTheme("plain", b.get()), own);
    EXPECT_EQ(b->getItemAs<TWindow>("w")->theme, own);
    // Without a container the program's list is searched, in the order the themes were made.
    EXPECT_EQ(findTheme("plain", nullptr), a->_themes.at(0));
}

// --- widgets when no theme was ever made

struct NoThemeCase
{
    const char* name;
    const char* file;
    const char* reported;
    // Works the widget with the pointer; true when it answered.
    std::function<bool(GuiFixture&, TGui&)> answers;
    bool drawsAnything; // without pieces, a bar still shows its titles
};

class NoThemeAtAll : public ::testing::TestWithParam<NoThemeCase>
{};

TEST_P(NoThemeAtAll, IsReportedAndTheWidgetStillAnswersThePointer)
{
    GuiFixture f;
    f.write("x.gui", GetParam().file);
    auto gui = loadGui("x.gui");
    ASSERT_EQ(gui->_listaObiektow.size(), 1u);
    EXPECT_EQ(f.reports, std::vector<std::string>{std::string(" >> BLAD! << : ") + GetParam().reported});
    EXPECT_TRUE(GetParam().answers(f, *gui));
    f.program.display().nullRenderer().recordSprites();
    gui->draw();
    EXPECT_EQ(f.program.display().nullRenderer().recordedSprites().empty(), !GetParam().drawsAnything);
}

INSTANTIATE_TEST_SUITE_P(
    Widgets, NoThemeAtAll,
    ::testing::Values(NoThemeCase{"Window", "WINDOW w { POSITION = \"10 20 30 40\" THEME = t }",
                                  "No theme for window object!",
                                  [](GuiFixture& f, TGui& gui) {
                                      EXPECT_EQ(gui.getItemAs<TWindow>("w")->theme, nullptr);
                                      f.frame(gui, 25, 35, true);
                                      return gui._clicked == "w";
                                  },
                                  false},
                      NoThemeCase{"MenuBar",
                                  "BAR menu { WIDTH = 300 m1 File { TITLE = File COMMAND = \"new|New\" } }",
                                  "No theme asigned for bar object!",
                                  [](GuiFixture& f, TGui& gui) {
                                      auto bar = gui.getItemAs<TBelka>("menu");
                                      f.frame(gui, 900, 700);
                                      const TBarTitle& title = *bar->_menusList.at(0);
                                      f.frame(gui, static_cast<int>(title.rect.x + title.rect.w / 2),
                                              static_cast<int>(title.rect.y + title.rect.h / 2), true);
                                      return bar->_menusList[0]->_dBoxA == 1;
                                  },
                                  true}),
    [](const auto& info) { return std::string(info.param.name); });
} // namespace
