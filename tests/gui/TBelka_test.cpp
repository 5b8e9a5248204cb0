// The menu bar driven by scripted mouse input: opening, following, switching and closing its
// menus, submenus beside their entries, commands reported by the container, a hidden or inactive
// bar, its drawing from theme pieces, finding entries, and menus nested without end.
#include "gui/TBelka.hpp"

#include "gui/TBarTitle.hpp"
#include "gui/TMenu.hpp"
#include "gui/ThemeFixture.hpp"
#include "media/Texture.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace
{
using gui_testing::GuiFixture;
using gui_testing::Placed;
using gui_testing::placesOf;

// A theme with a window frame and a bar: ends 4 x 24 and a one-pixel middle, a menu box of 4 x 4
// corners, thin edges and a 1 x 1 centre; `leave` names bar entries to leave out.
void writeBarTheme(GuiFixture& f, const std::vector<std::string>& leave = {})
{
    const struct
    {
        const char* entry;
        int w, h;
    } pieces[] = {{"lewo", 4, 24}, {"srodek", 1, 24}, {"prawo", 4, 24}, {"LU", 4, 4},
                  {"U", 1, 4},     {"RU", 4, 4},      {"R", 4, 1},      {"RD", 4, 4},
                  {"D", 1, 4},     {"LD", 4, 4},      {"L", 4, 1},      {"Middle", 1, 1}};
    std::map<std::string, std::string> belka{{"textRGB", "250, 240, 200"}, {"backRGB", "0, 0, 90"}};
    for (const auto& p : pieces) {
        if (std::find(leave.begin(), leave.end(), p.entry) != leave.end())
            continue;
        f.picture(std::string("themes/bar/") + p.entry + ".png", p.w, p.h);
        belka[p.entry] = std::string("\"bar/") + p.entry + ".png\"";
    }
    f.write("themes/bar.txt",
            gui_testing::themeText(gui_testing::thinFramePieces(f, "themes", "window"), belka));
}

struct BarScene
{
    std::unique_ptr<TGui> gui;
    std::shared_ptr<TBelka> bar;
    TMenu* file = nullptr;
    TMenu* edit = nullptr;
    TMenu* more = nullptr;
};

// A bar across the top of the screen with the menus File (with the submenu More) and Edit, a
// button lying under the File title and another far below. `barKeys` go into the BAR declaration.
BarScene menuBar(GuiFixture& f, const std::string& barKeys = "", const std::vector<std::string>& leave = {})
{
    writeBarTheme(f, leave);
    f.write("x.gui",
            "FONT f { URL = x SIZE = 16 }\n"
            "THEME bar { URL = themes/bar.txt }\n"
            "BAR menu { POSITION = \"0 0\" WIDTH = 1024 TEMAT = bar FONT = f "
                + barKeys
                + "\n"
                  "    m1 File { TITLE = File COMMAND = \"new|New\" COMMAND = \"open|Open\"\n"
                  "        sub More { TITLE = More COMMAND = \"deep|Deep\" COMMAND = \"deeper|Deeper\" }\n"
                  "        COMMAND = \"quit|Quit\" }\n"
                  "    m2 Edit { TITLE = Edit COMMAND = \"undo|Undo\" }\n"
                  "}\n"
                  "BUTTON under { TYP = TEXT_BUTTON TXT = \"WWWWWWWWWW\" POSITION = \"40 12\" FONT = f }\n"
                  "BUTTON low { TYP = TEXT_BUTTON TXT = \"WWWWWW\" POSITION = \"600 600\" FONT = f }\n");
    BarScene s;
    s.gui = loadGui("x.gui");
    s.bar = s.gui->getItemAs<TBelka>("menu");
    if (!s.bar || s.bar->_menusList.size() != 2)
        return s;
    s.file = s.bar->_menusList[0].get();
    s.edit = s.bar->_menusList[1].get();
    s.more = s.file->_barTitles.at(2)->asMenu();
    f.frame(*s.gui, 900, 700); // every title finds its place on the screen
    return s;
}

// The middle of an entry as the pointer finds it.
std::pair<int, int> middleOf(const TBarTitle& entry)
{
    return {static_cast<int>(entry.rect.x + entry.rect.w / 2),
            static_cast<int>(entry.rect.y + entry.rect.h / 2)};
}

void pointAt(GuiFixture& f, TGui& gui, const TBarTitle& entry, bool press = false)
{
    const auto [x, y] = middleOf(entry);
    f.frame(gui, x, y, press);
}

void wait(GuiFixture& f, TGui& gui, const TBarTitle& entry, int frames)
{
    for (int i = 0; i < frames; ++i)
        pointAt(f, gui, entry);
}

// The bar with File, More and Edit, its titles in place.
class MenuBar : public ::testing::Test
{
protected:
    void SetUp() override
    {
        s = menuBar(f);
        ASSERT_TRUE(s.bar && s.file && s.edit && s.more);
    }

    // Opens File by its title and waits until it has faded in.
    void openFile()
    {
        pointAt(f, *s.gui, *s.file, true);
        wait(f, *s.gui, *s.file, 20);
    }

    GuiFixture f;
    BarScene s;
};

TEST_F(MenuBar, IsBuiltWithItsMenusInFileOrder)
{
    EXPECT_EQ(s.file->title, "File");
    EXPECT_EQ(s.file->_barTitles.size(), 4u);
    EXPECT_EQ(s.file->_barTitles[0]->id, "new");
    EXPECT_EQ(s.file->_barTitles[0]->title, "  New");
    EXPECT_EQ(s.more->id, "More");
    EXPECT_EQ(s.more->_parent, s.file);
    EXPECT_EQ(s.edit->_barTitles.at(0)->title, "  Undo");
    EXPECT_EQ(s.bar->dim.h, 24);
    // The titles stand along the bar, left to right, the Edit title after the File title.
    EXPECT_LT(s.file->rect.x + s.file->rect.w, s.edit->rect.x + 10);
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

TEST_F(MenuBar, ATitleClickOpensItsMenuAndTheClickGoesNoFurther)
{
    EXPECT_EQ(s.file->_dBoxA, 0);
    pointAt(f, *s.gui, *s.file, true);
    EXPECT_EQ(s.file->_dBoxA, 1);
    EXPECT_EQ(s.bar->_actualMenu, s.file);
    EXPECT_EQ(s.edit->_dBoxA, 0);
    // The button under the title never heard of the press, and a title is no command.
    EXPECT_EQ(s.gui->getItem("under")->_clicked, 0);
    EXPECT_EQ(s.gui->_clicked, "");
    // Box and entries fade in by 0.06 a frame: all there on the 17th frame, not before.
    const TBarTitle& first = *s.file->_barTitles[0];
    EXPECT_FLOAT_EQ(first._alpha, 0.06f);
    EXPECT_FLOAT_EQ(s.file->_boxA, 0.06f);
    wait(f, *s.gui, *s.file, 15);
    EXPECT_LT(first._alpha, 1.0f);
    wait(f, *s.gui, *s.file, 1);
    EXPECT_EQ(first._alpha, 1.0f);
    EXPECT_EQ(s.file->_boxA, 1.0f);
    // The submenu's entries stay closed.
    EXPECT_EQ(s.more->_barTitles[0]->_alpha, 0);
}

TEST_F(MenuBar, MovingOntoAnotherTitleSwitchesMenus)
{
    pointAt(f, *s.gui, *s.file, true);
    pointAt(f, *s.gui, *s.edit);
    EXPECT_EQ(s.edit->_dBoxA, 1);
    EXPECT_EQ(s.file->_dBoxA, 0);
    EXPECT_EQ(s.bar->_actualMenu, s.edit);
    pointAt(f, *s.gui, *s.file);
    EXPECT_EQ(s.file->_dBoxA, 1);
    EXPECT_EQ(s.edit->_dBoxA, 0);
    // Pointing is not clicking.
    EXPECT_EQ(s.gui->_clicked, "");
}

TEST_F(MenuBar, ASubmenuOpensBesideItsEntryAndClosesWhenThePointerLeaves)
{
    openFile();
    wait(f, *s.gui, *s.more, 1);
    EXPECT_EQ(s.more->_dBoxA, 1);
    // To the right of every caption of its parent menu, its top level with its entry.
    for (const auto& entry : s.file->_barTitles)
        EXPECT_GT(s.more->_comRect.x, entry->dim.x + entry->font().textWidth(entry->title));
    EXPECT_EQ(s.more->_comRect.y, s.more->dim.y);
    wait(f, *s.gui, *s.more, 20);
    const TBarTitle& deep = *s.more->_barTitles[0];
    EXPECT_EQ(deep._alpha, 1.0f);
    EXPECT_GT(deep.rect.x, s.more->rect.x + s.more->rect.w - 10);
    // Into the submenu: it stays open, and the container tells which command is pointed at.
    wait(f, *s.gui, deep, 3);
    EXPECT_EQ(s.more->_dBoxA, 1);
    EXPECT_EQ(s.gui->_over, "deep");
    // Away from both, with no press: the submenu closes, its menu stays open.
    f.frame(*s.gui, 800, 500);
    EXPECT_EQ(s.more->_dBoxA, 0);
    EXPECT_EQ(deep._dAlpha, 0);
    EXPECT_EQ(s.file->_dBoxA, 1);
    EXPECT_EQ(s.gui->_over, "");
}

TEST_F(MenuBar, ClickingACommandClosesEverythingAndIsReportedInThatFrame)
{
    openFile();
    wait(f, *s.gui, *s.more, 20);
    const TBarTitle& deep = *s.more->_barTitles[0];
    wait(f, *s.gui, deep, 1);
    pointAt(f, *s.gui, deep, true);
    EXPECT_EQ(s.gui->clickedItem("DEEP"), 1);
    EXPECT_EQ(s.gui->_over, "deep");
    EXPECT_EQ(s.file->_dBoxA, 0);
    EXPECT_EQ(s.more->_dBoxA, 0);
    EXPECT_EQ(s.file->_barTitles[0]->_dAlpha, 0);
    EXPECT_EQ(deep._dAlpha, 0);
    wait(f, *s.gui, deep, 1);
    EXPECT_EQ(s.gui->clickedItem("deep"), 0);
    // Closed, the menus fade out and then no longer answer the pointer.
    wait(f, *s.gui, deep, 20);
    EXPECT_EQ(s.more->_alpha, 0);
    EXPECT_EQ(s.gui->_over, "");
    pointAt(f, *s.gui, deep, true);
    EXPECT_EQ(s.gui->_clicked, "");
}

TEST_F(MenuBar, AfterACommandTheBarStillFollowsThePointerToAnotherTitle)
{
    openFile();
    const TBarTitle& open = *s.file->_barTitles[1];
    pointAt(f, *s.gui, open, true);
    EXPECT_EQ(s.gui->clickedItem("open"), 1);
    EXPECT_EQ(s.file->_dBoxA, 0);
    pointAt(f, *s.gui, *s.edit);
    EXPECT_EQ(s.edit->_dBoxA, 1);
}

TEST_F(MenuBar, APressOutsideClosesTheMenuAndStillReachesTheWidgetsAfterTheBar)
{
    openFile();
    f.frame(*s.gui, 600, 600, true);
    EXPECT_EQ(s.file->_dBoxA, 0);
    EXPECT_EQ(s.bar->_actualMenu, nullptr);
    EXPECT_EQ(s.gui->clickedItem("low"), 1);
    // Nothing is remembered as open: pointing at a title no longer opens it.
    pointAt(f, *s.gui, *s.edit);
    EXPECT_EQ(s.edit->_dBoxA, 0);
}

// --- a hidden or inactive bar

struct StateCase
{
    const char* name;
    const char* keys;
    bool opens;          // the press on the File title opens the menu
    const char* clicked; // what the container reports for that press
    std::size_t drawn;   // pictures the bar draws once the menu would be open
};

class MenuBarState : public ::testing::TestWithParam<StateCase>
{};

TEST_P(MenuBarState, OnlyAShownActiveBarOpensItsMenusAndTakesTheirPresses)
{
    const StateCase& c = GetParam();
    GuiFixture f;
    BarScene s = menuBar(f, c.keys);
    ASSERT_TRUE(s.file);
    // The File title's place, in any state of the bar: the bar's corner is the screen's.
    f.frame(*s.gui, 20, 12, true);
    EXPECT_EQ(s.file->_dBoxA, c.opens ? 1 : 0);
    EXPECT_EQ(s.gui->_clicked, c.clicked);
    for (int i = 0; i < 20; ++i)
        f.frame(*s.gui, 20, 40);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    s.bar->draw(0, 0);
    const auto& drawn = renderer.recordedSprites();
    if (c.opens)
        EXPECT_GT(drawn.size(), c.drawn);
    else
        EXPECT_EQ(drawn.size(), c.drawn);
    EXPECT_EQ(placesOf(drawn, s.bar->theme->box(FramePiece::leftUp)).size(), c.opens ? 1u : 0u);
}

INSTANTIATE_TEST_SUITE_P(States, MenuBarState,
                         ::testing::Values(StateCase{"Shown", "", true, "", 3},
                                           StateCase{"Hidden", "VISIBLE = FALSE", false, "under", 3},
                                           StateCase{"Inactive", "ACTIVE = false", false, "under", 3}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(HiddenMenuBar, IsNotDrawnByItsContainer)
{
    GuiFixture f;
    BarScene s = menuBar(f, "VISIBLE = FALSE");
    ASSERT_TRUE(s.bar);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    s.gui->draw();
    EXPECT_TRUE(placesOf(renderer.recordedSprites(), s.bar->theme->belka(BarPiece::middle)).empty());
    EXPECT_FALSE(renderer.recordedSprites().empty()); // the buttons are
}

// --- drawing

struct PiecesCase
{
    const char* name;
    std::vector<std::string> leave;
    std::vector<Placed> left, middle, right;
};

class MenuBarPieces : public ::testing::TestWithParam<PiecesCase>
{};

TEST_P(MenuBarPieces, StretchTheMiddleBetweenTheEndsAndSkipWhatIsMissing)
{
    const PiecesCase& c = GetParam();
    GuiFixture f;
    BarScene s = menuBar(f, "", c.leave);
    ASSERT_TRUE(s.bar && s.bar->theme);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    s.gui->draw();
    const auto& drawn = renderer.recordedSprites();
    const TTheme& theme = *s.bar->theme;
    EXPECT_EQ(placesOf(drawn, theme.belka(BarPiece::left)), c.left);
    EXPECT_EQ(placesOf(drawn, theme.belka(BarPiece::middle)), c.middle);
    EXPECT_EQ(placesOf(drawn, theme.belka(BarPiece::right)), c.right);
    // The titles are drawn all the same, and the menus still open.
    EXPECT_GT(drawn.size(), c.left.size() + c.middle.size() + c.right.size());
    pointAt(f, *s.gui, *s.file, true);
    EXPECT_EQ(s.file->_dBoxA, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Themes, MenuBarPieces,
    ::testing::Values(PiecesCase{"AllThree", {}, {{0, 0, 4, 24}}, {{4, 0, 1016, 24}}, {{1020, 0, 4, 24}}},
                      PiecesCase{"NoLeftEnd", {"lewo"}, {}, {{0, 0, 1020, 24}}, {{1020, 0, 4, 24}}},
                      PiecesCase{"NoEnds", {"lewo", "prawo"}, {}, {{0, 0, 1024, 24}}, {}},
                      PiecesCase{"NoneAtAll", {"lewo", "srodek", "prawo"}, {}, {}, {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(MenuBar, AnOpenMenusBoxIsFramedByTheNinePiecesAroundItsEntries)
{
    openFile();
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    s.gui->draw();
    const auto& drawn = renderer.recordedSprites();
    const TTheme& theme = *s.bar->theme;
    std::map<FramePiece, Placed> at;
    for (std::size_t i = 0; i < framePieces; ++i) {
        const auto p = static_cast<FramePiece>(i);
        const auto places = placesOf(drawn, theme.box(p));
        ASSERT_EQ(places.size(), 1u) << "piece " << i;
        at[p] = places[0];
    }
    const Placed lu = at[FramePiece::leftUp], rd = at[FramePiece::rightDown], mid = at[FramePiece::middle];
    // The pieces meet edge to edge: corners 4 x 4, the centre filling what lies between them.
    EXPECT_EQ(mid.x, lu.x + 4);
    EXPECT_EQ(mid.y, lu.y + 4);
    EXPECT_EQ(mid.x + mid.w, rd.x);
    EXPECT_EQ(mid.y + mid.h, rd.y);
    EXPECT_EQ(at[FramePiece::up], (Placed{mid.x, lu.y, mid.w, 4}));
    EXPECT_EQ(at[FramePiece::down], (Placed{mid.x, rd.y, mid.w, 4}));
    EXPECT_EQ(at[FramePiece::left], (Placed{lu.x, mid.y, 4, mid.h}));
    EXPECT_EQ(at[FramePiece::right], (Placed{rd.x, mid.y, 4, mid.h}));
    EXPECT_EQ(at[FramePiece::rightUp], (Placed{rd.x, lu.y, 4, 4}));
    EXPECT_EQ(at[FramePiece::leftDown], (Placed{lu.x, rd.y, 4, 4}));
    // Every caption of the menu lies inside the box, below the bar.
    EXPECT_GE(lu.y, 24 - 5);
    for (const auto& entry : s.file->_barTitles) {
        EXPECT_GE(entry->dim.x, lu.x);
        EXPECT_LE(entry->dim.x + entry->font().textWidth(entry->title), rd.x + 4);
        EXPECT_GE(entry->dim.y, lu.y);
        EXPECT_LE(entry->dim.y, rd.y + 4);
    }
}

// The glyphs drawn on an entry's line, from its left edge on.
std::vector<media::NullRenderer::Recorded> glyphsOf(const std::vector<media::NullRenderer::Recorded>& drawn,
                                                    const TBarTitle& entry, const TTheme& theme)
{
    std::vector<media::NullRenderer::Recorded> glyphs;
    for (const auto& d : drawn) {
        const bool piece = std::any_of(theme.rect.begin(), theme.rect.end(), [&](const media::Picture& p) {
            return !p.empty() && p.data()->levels[0].get() == d.sprite.texture;
        });
        if (!piece && d.sprite.y >= entry.dim.y && d.sprite.y < entry.dim.y + entry.dim.h
            && d.sprite.x >= entry.dim.x)
            glyphs.push_back(d);
    }
    return glyphs;
}

TEST_F(MenuBar, ACheckedEntryShowsItsMarkAndAnInactiveOneIsHalfSeen)
{
    openFile();
    std::shared_ptr<TBarTitle> item = s.bar->getBarTitle("file:new");
    std::shared_ptr<TBarTitle> open = s.bar->getBarTitle("File:open");
    ASSERT_TRUE(item && open);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    s.gui->draw();
    EXPECT_EQ(glyphsOf(renderer.recordedSprites(), *item, *s.bar->theme).size(), 3u); // N, e, w
    item->checked = 1;
    open->_active = 0;
    renderer.recordSprites();
    s.gui->draw();
    EXPECT_EQ(glyphsOf(renderer.recordedSprites(), *item, *s.bar->theme).size(), 4u); // *, N, e, w
    const auto half = glyphsOf(renderer.recordedSprites(), *open, *s.bar->theme);
    ASSERT_EQ(half.size(), 4u); // O, p, e, n
    for (const auto& g : half)
        EXPECT_FLOAT_EQ(g.state.alpha, 0.5f);
    for (const auto& g : glyphsOf(renderer.recordedSprites(), *item, *s.bar->theme)) {
        EXPECT_FLOAT_EQ(g.state.alpha, 1.0f);
        EXPECT_EQ(g.state.red, 250); // the theme's text colour
    }
    // An inactive entry is no longer highlighted, but still answers the pointer.
    pointAt(f, *s.gui, *open);
    EXPECT_EQ(s.gui->_over, "open");
}

// --- finding entries

struct FindCase
{
    const char* name;
    const char* path;
    const char* found; // the id found, or "" for none
    const char* reported;
};

class MenuBarFind : public MenuBar, public ::testing::WithParamInterface<FindCase>
{};

TEST_P(MenuBarFind, ByMenuInAnyCaseThenByEntryAsWritten)
{
    std::shared_ptr<TBarTitle> entry = s.bar->getBarTitle(GetParam().path);
    if (*GetParam().found) {
        ASSERT_TRUE(entry);
        EXPECT_EQ(entry->id, GetParam().found);
    } else {
        EXPECT_EQ(entry, nullptr);
    }
    if (*GetParam().reported)
        EXPECT_EQ(f.reports, std::vector<std::string>{std::string(" >> BLAD! << : ") + GetParam().reported});
    else
        EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, MenuBarFind,
    ::testing::Values(FindCase{"CommandOfAMenu", "FILE:quit", "quit", ""},
                      FindCase{"IntoASubmenu", "File:More:deeper", "deeper", ""},
                      FindCase{"TheSubmenuItself", "File:More", "More", ""},
                      FindCase{"EntriesMatchAsWritten", "File:QUIT", "", ""},
                      FindCase{"NoSuchMenu", "View:zoom", "", "Nie znaleziono View w belce :menu"},
                      FindCase{"AMenuAloneIsNoEntry", "File", "", "Nie znaleziono File w belce :menu"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- fonts

TEST(MenuBarFonts, MenusAndCommandsTakeTheFontsTheyNameElseTheBars)
{
    GuiFixture f;
    writeBarTheme(f);
    f.write(
        "x.gui",
        "FONT small { URL = x SIZE = 12 }\nFONT big { URL = x SIZE = 30 }\n"
        "THEME bar { URL = themes/bar.txt }\n"
        "BAR menu { WIDTH = 800 FONT = small\n"
        "    m1 Own { TITLE = Own FONT = big COMMAND = \"a|A\" COMMAND = \"b|B|big\" COMMAND = \"c|C|nope\"\n"
        "        sub Deeper { TITLE = D FONT = big } }\n"
        "    m2 Plain { TITLE = Plain COMMAND = \"d|D\" }\n"
        "}\n");
    auto gui = loadGui("x.gui");
    auto bar = gui->getItemAs<TBelka>("menu");
    ASSERT_TRUE(bar && bar->_menusList.size() == 2);
    const media::Font* small = gui->font("small");
    const media::Font* big = gui->font("big");
    const TMenu& own = *bar->_menusList[0];
    EXPECT_EQ(own._font, big);
    EXPECT_EQ(own._barTitles.at(0)->_font, small); // a command without its own font: the bar's
    EXPECT_EQ(own._barTitles.at(1)->_font, big);
    EXPECT_EQ(bar->_menusList[1]->_font, small);
    // Submenus look among the fonts made outside any file: "big" is not one of them.
    EXPECT_EQ(own._barTitles.at(3)->_font, nullptr);
    EXPECT_EQ(f.reports, (std::vector<std::string>{" >> BLAD! << : Nie znaleziono czcionki : nope",
                                                   " >> BLAD! << : Nie znaleziono czcionki : big"}));
    // The bar still works with an entry that has no font of its own.
    f.frame(*gui, 900, 700);
    gui->draw();
}

// --- nesting

TEST(MenuBarNesting, MenusNestedBeyondTheLimitAreReportedAndTheRestWorks)
{
    GuiFixture f;
    writeBarTheme(f);
    const int depth = 20000;
    std::string text = "THEME bar { URL = themes/bar.txt }\nBAR menu { WIDTH = 800 ";
    for (int i = 0; i < depth; ++i)
        text += "m" + std::to_string(i) + " n { TITLE = T COMMAND = \"c" + std::to_string(i) + "|C\" ";
    for (int i = 0; i < depth; ++i)
        text += "} ";
    text += "}\nBUTTON after { TYP = TEXT_BUTTON TXT = after POSITION = \"500 500\" }\n";
    f.write("x.gui", text);
    auto gui = loadGui("x.gui");
    auto bar = gui->getItemAs<TBelka>("menu");
    ASSERT_TRUE(bar);
    ASSERT_TRUE(gui->getItem("after"));
    EXPECT_EQ(gui_testing::countReports(f, "Zbyt gleboko zagniezdzona deklaracja"), 1)
        << ::testing::PrintToString(f.reports);
    int levels = 0;
    for (const TMenu* m = bar->_menusList.at(0).get(); m; ++levels) {
        const TMenu* next = nullptr;
        for (const auto& entry : m->_barTitles) {
            if (entry->asMenu())
                next = entry->asMenu();
        }
        m = next;
    }
    EXPECT_GE(levels, 2);
    EXPECT_LE(levels, TGui::maxNesting);
    f.frame(*gui, 900, 700);
    pointAt(f, *gui, *bar->_menusList[0], true);
    EXPECT_EQ(bar->_menusList[0]->_dBoxA, 1);
    gui->draw();
    f.frame(*gui, 500, 500, true);
    EXPECT_EQ(gui->clickedItem("after"), 1);
}
} // namespace
