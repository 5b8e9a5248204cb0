// GUI description files: the words, the declarations, the keys and their errors; and the
// container's frame: clicks and hovers by name, the cursor, the reload keys.
#include "gui/TGui.hpp"

#include "gui/GuiFixture.hpp"
#include "gui/TButton.hpp"
#include "media/FileSystem.hpp"

#include <gtest/gtest.h>

#include <map>

namespace
{
using gui_testing::GuiFixture;
using Declarations = std::vector<std::vector<std::string>>;

// --- words and declarations

struct WordCase
{
    const char* name;
    std::string text;
    Declarations expected;
};

class GuiWords : public ::testing::TestWithParam<WordCase>
{};

TEST_P(GuiWords, CutAndGroupAsTheFileRulesSay)
{
    EXPECT_EQ(TGui::stworzListyTokenow(GetParam().text), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    FileRules, GuiWords,
    ::testing::Values(
        WordCase{"QuotedValueKeepsInnerSpaces",
                 "BUTTON ok { POSITION = \"512  384\" }",
                 {{"BUTTON", "ok", "{", "POSITION", "=", "512  384"}}},
        WordCase{"QuotesMayStartAndEndInsideAWord", "ab\"c d\"e", {{"abc de"}}},
        WordCase{"PaddedQuotedWordLosesItsPadding", "TXT = \"  padded  \"", {{"TXT", "=", "padded"}}},
        WordCase{"CarriageReturnsAndTabsVanish", "A\r\nB\tC \r\n", {{"A", "B", "C"}}},
        WordCase{"QuotesHoldLineFeeds", "T = \"one\ntwo\"", {{"T", "=", "one\ntwo"}}},
        WordCase{"EachClosingBraceAtDepthOneEndsADeclaration",
                 "FONT a { SIZE = 3 }\nFONT b {\n}\n",
                 {{"FONT", "a", "{", "SIZE", "=", "3"}, {"FONT", "b", "{"}}},
        WordCase{"AFileWithoutItsLastBraceKeepsItsLastDeclaration",
                 "FONT a { SIZE = 3 } FONT b { SIZE = 4",
                 {{"FONT", "a", "{", "SIZE", "=", "3"}, {"FONT", "b", "{", "SIZE", "=", "4"}}},
        WordCase{"NestedBracesStayInTheirDeclaration",
                 "BAR b { m x { TITLE = t } } FONT f { }",
                 {{"BAR", "b", "{", "m", "x", "{", "TITLE", "=", "t", "}"}, {"FONT", "f", "{"}}},
        WordCase{"BracesCountOnlyAsWholeWords", "FONT f {SIZE = 3}", {{"FONT", "f", "{SIZE", "=", "3}"}}},
        WordCase{"AClosingBraceAtDepthZeroIsJustAWord", "} A { B }", {{"}", "A", "{", "B", "}"}}},
        WordCase{"NoTextNoDeclarations", " \n\t ", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NestedDeclarations, KeepTheirEntriesAndSubmenusInFileOrder)
{
    // The words of a menu bar after its own "{": one menu with a submenu between two keys.
    std::vector<std::string> words{"m1",      "File", "{",   "TITLE", "=",    "File", "sub", "More", "{",
                                   "COMMAND", "=",    "a|A", "}",     "FONT", "=",    "f",   "}",    "tail"};
    TGui gui;
    std::size_t at = 3;
    TSmallObject menu = gui._odbierzDeklaracje("m1", "File", words, at, 1);
    EXPECT_EQ(words[at], "tail");
    ASSERT_EQ(menu._tokeny.size(), 3u);
    EXPECT_EQ(std::get<TSimpleEntry>(menu._tokeny[0])._typ, "TITLE");
    const auto& sub = std::get<std::unique_ptr<TSmallObject>>(menu._tokeny[1]);
    EXPECT_EQ(sub->_typ, "sub");
    EXPECT_EQ(sub->_name, "More");
    ASSERT_EQ(sub->entries().size(), 1u);
    EXPECT_EQ(sub->entries()[0]._value, "a|A");
    EXPECT_EQ(std::get<TSimpleEntry>(menu._tokeny[2])._value, "f");
}

// --- loading files

struct FileCase
{
    const char* name;
    std::map<std::string, std::string> files; // written into the test folder; "ui/x.gui" is loaded
    std::vector<std::string> widgets;         // the names built, in order
    std::string caption;                      // of the first widget, when it is a caption button
    std::vector<std::string> reports;         // parts of the reports expected (none besides)
};

class GuiFiles : public ::testing::TestWithParam<FileCase>
{};

TEST_P(GuiFiles, BuildTheirWidgetsAndReportTheirFaults)
{
    GuiFixture f;
    f.picture("pics/plate.png", 40, 20);
    for (const auto& [name, text] : GetParam().files)
        f.write(name, text);
    auto gui = loadGui("ui/x.gui");
    std::vector<std::string> names;
    for (const auto& w : gui->_listaObiektow)
        names.push_back(w->_id);
    EXPECT_EQ(names, GetParam().widgets);
    if (!GetParam().caption.empty()) {
        // The first button of the file.
        std::shared_ptr<TButton> button;
        for (const auto& w : gui->_listaObiektow) {
            if (!button)
                button = std::dynamic_pointer_cast<TButton>(w);
        }
        ASSERT_TRUE(button);
        EXPECT_EQ(button->_txt, GetParam().caption);
    }
    for (const std::string& part : GetParam().reports)
        EXPECT_TRUE(f.reported(part)) << part << " in " << ::testing::PrintToString(f.reports);
    EXPECT_EQ(f.reports.size(), GetParam().reports.size()) << ::testing::PrintToString(f.reports);
}

INSTANTIATE_TEST_SUITE_P(
    FileRules, GuiFiles,
    ::testing::Values(
        FileCase{"KeysInAnyLetterCase",
                 {{"ui/x.gui", "button OK { typ = TEXT_BUTTON Txt = \"two words\" }"}},
                 {"OK"},
                 "two words",
                 {}},
        FileCase{"TheLaterValueWins",
                 {{"ui/x.gui", "BUTTON a { TYP = TEXT_BUTTON TXT = first TXT = second }"}},
                 {"a"},
                 "second",
                 {}},
        FileCase{"UnknownKeysAndTypesArePassedOverSilently",
                 {{"ui/x.gui", "GADGET g { A = 1 }\nSLIDER w { POSITION = \"1 2 3 4\" }\n"
                               "BUTTON a { TYP = TEXT_BUTTON COLOUR = red TXT = kept }"}},
                 {"a"},
                 "kept",
                 {}},
        FileCase{"TextsFieldsAndAnimationsAreBuiltInFileOrder",
                 {{"ui/x.gui", "TEXT t { TXT = x COLOUR = red }\nBUTTON a { TYP = TEXT_BUTTON TXT = kept }\n"
                               "ANIM an { GFX = ../pics/plate.png SCHEMAT = \"[NORMAL 10] 0 1\" }\n"
                               "textentry e { }"}},
                 {"t", "a", "an", "e"},
                 "",
                 {}},
        FileCase{"AssignmentWithoutSpacesIsReportedAndReadingGoesOn",
                 {{"ui/x.gui", "BUTTON a { TYP = TEXT_BUTTON TXT=hi RGB = \"1 2 3\" }\n"
                               "BUTTON b { TYP = TEXT_BUTTON TXT = after }"}},
                 {"a", "b"},
                 "",
                 {"Nieprawidlowy wpis :RGB", "Nieprawidlowy wpis :"}},
        FileCase{"UnknownButtonTypeMakesNoButton",
                 {{"ui/x.gui", "BUTTON a { TYP = FANCY }\nBUTTON b { TYP = text_button }\n"
                               "BUTTON c { TYP = TEXT_BUTTON TXT = ok }"}},
                 {"c"},
                 "ok",
                 {"Unknown button type : 'FANCY' !", "Unknown button type : 'text_button' !"}},
        FileCase{"PicturesAreFoundFromTheFilesFolder",
                 {{"ui/x.gui", "BUTTON a { GFX = ../pics/plate.png }\nBUTTON b { GFX = plate.png }"}},
                 {"a", "b"},
                 "",
                 {"NO img: ui/plate.png"}},
        FileCase{"FontsAreNamedAfterTheyAreDeclared",
                 {{"ui/x.gui",
                   "BUTTON a { TYP = TEXT_BUTTON FONT = big TXT = early }\n"
                   "FONT big { URL = any.ttf SIZE = 30 }\n"
                   "BUTTON b { TYP = TEXT_BUTTON FONT = BIG }\nBUTTON c { TYP = TEXT_BUTTON FONT = nope }"}},
                 {"a", "b", "c"},
                 "early",
                 {"Nie znaleziono czcionki : big", "Nie znaleziono czcionki : nope"}},
        FileCase{"AFontWithoutPathIsNotMade",
                 {{"ui/x.gui", "FONT f { SIZE = 30 }\nBUTTON a { TYP = TEXT_BUTTON FONT = f }"}},
                 {"a"},
                 "",
                 {"Nie podano scierzki do czcionki.", "Nie znaleziono czcionki : f"}},
        FileCase{"CaptionsComeFromTextTables",
                 {{"ui/x.gui", "BUTTON a { TYP = TEXT_BUTTON TXT = \"[../txt/#LANG#/t.txt|2]\" }\n"
                               "BUTTON b { TYP = TEXT_BUTTON TXT = \"[x]\" }"},
                  {"txt/en/t.txt", "first\nsecond line\n"}},
                 {"a", "b"},
                 "second line",
                 {}},
        FileCase{"AMenuBarsNestedDeclarationsDoNotDisturbTheRest",
                 {{"ui/x.gui",
                   "BAR b { TEMAT = t m1 File { TITLE = File COMMAND = \"n|New\" sub More { TITLE = M } } }\n"
                   "BUTTON a { TYP = TEXT_BUTTON TXT = after }"}},
                 {"b", "a"},
                 "after",
                 {"No theme asigned for bar object!"}},
        FileCase{"ATooDeepMenuIsReportedAndSkipped",
                 {{"ui/x.gui", "BAR b { " +
                                   [] {
                                       std::string deep;
                                       for (int i = 0; i < 40; ++i)
                                           deep += "m" + std::to_string(i) + " n { ";
                                       for (int i = 0; i < 40; ++i)
                                           deep += "} ";
                                       return deep;
                                   }()
                                   + "}\nBUTTON a { TYP = TEXT_BUTTON TXT = after }"}},
                 {"b", "a"},
                 "after",
                 {"Zbyt gleboko zagniezdzona deklaracja", "No theme asigned for bar object!"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LoadGui, AMissingFileIsReportedWithItsAbsolutePathAndGivesAnEmptyContainer)
{
    GuiFixture f;
    auto gui = loadGui("gone/none.gui");
    ASSERT_TRUE(gui);
    EXPECT_TRUE(gui->_listaObiektow.empty());
    ASSERT_EQ(f.reports.size(), 1u);
    EXPECT_EQ(f.reports[0],
              " >> BLAD! << : Plik : " + media::fs::absolutePath("gone/none.gui") + " nie istenieje!");
    // Headless: nobody would be there to close a message box.
    EXPECT_TRUE(f.program.display().messages().empty());
}

TEST(LoadGui, TheWorkingFolderIsTheSameAfterLoading)
{
    GuiFixture f;
    f.write("ui/x.gui", "BUTTON a { GFX = missing.png }\nBUTTON b { TYP = WRONG }");
    const std::string before = media::fs::currentFolder();
    loadGui("ui/x.gui");
    EXPECT_EQ(media::fs::currentFolder(), before);
}

// --- the container's frame

const char* threeButtons =
    "FONT f { URL = x SIZE = 20 }\n"
    "BUTTON first { TYP = TEXT_BUTTON TXT = \"WWWWWW\" POSITION = \"100 100\" FONT = f }\n"
    "BUTTON First { TYP = TEXT_BUTTON TXT = \"WW\" POSITION = \"100 100\" FONT = f }\n"
    "BUTTON other { TYP = TEXT_BUTTON TXT = \"WWWWWW\" POSITION = \"300 100\" FONT = f }\n";

TEST(GuiContainer, GetItemFindsTheFirstOfANameInAnyCase)
{
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    auto found = gui->getItemAs<TButton>("FIRST");
    ASSERT_TRUE(found);
    EXPECT_EQ(found->_txt, "WWWWWW");
    EXPECT_EQ(gui->getItem("nothing"), nullptr);
}

TEST(GuiContainer, AClickIsReportedByNameForThatFrameOnly)
{
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    f.frame(*gui, 300, 100, true);
    EXPECT_EQ(gui->_clicked, "other");
    EXPECT_EQ(gui->clickedItem("OTHER"), 1);
    EXPECT_EQ(gui->clickedItem("first"), 0);
    f.frame(*gui, 300, 100);
    EXPECT_EQ(gui->clickedItem("other"), 0); // the next frame has no click
    EXPECT_EQ(gui->_over, "other");
}

TEST(GuiContainer, OfOverlappingWidgetsTheLaterInTheFileWins)
{
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    // On the small "First": both it and the wide "first" are under the pointer.
    f.frame(*gui, 100, 100, true);
    EXPECT_EQ(gui->_clicked, "First");
    // Only the wide one reaches out here.
    auto wide = gui->getItem("first");
    f.frame(*gui, static_cast<int>(wide->dim.x2) - 1, 100, true);
    EXPECT_EQ(gui->_clicked, "first");
    EXPECT_EQ(gui->clickedItem("first"), 1);
}

TEST(GuiContainer, PointingAtAWidgetShowsTheOverCursor)
{
    GuiFixture f;
    media::Picture none;
    guiMouse().loadCursor("normal", none, 0, 0);
    guiMouse().loadCursor("over", none, 0, 0);
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    guiMouse().setCursor("normal");
    f.frame(*gui, 700, 500);
    EXPECT_EQ(guiMouse().cur->_id, "normal");
    f.frame(*gui, 300, 100);
    EXPECT_EQ(guiMouse().cur->_id, "over");
}

TEST(GuiContainer, DrawsOnlyVisibleWidgetsAndLeavesTheColourWhite)
{
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    for (const auto& w : gui->_listaObiektow)
        w->setState(0, 1);
    int before = f.drawCalls();
    gui->draw();
    EXPECT_EQ(f.drawCalls(), before);
    gui->getItem("other")->setState(1, 0); // shown but inactive: still drawn
    media::gfx().setColor(10, 20, 30);
    gui->draw();
    EXPECT_GT(f.drawCalls(), before);
    EXPECT_EQ(media::gfx().state().red, 255);
    EXPECT_EQ(media::gfx().state().blue, 255);
}

TEST(GuiContainer, TheScreensAlphaReachesEveryWidget)
{
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    gui->setGuiAlpha(0.25f);
    for (const auto& w : gui->_listaObiektow) {
        EXPECT_EQ(w->_alpha, 0.25f);
        EXPECT_EQ(w->_dAlpha, 0.25f);
    }
}

class GuiReload : public ::testing::TestWithParam<bool>
{};

TEST_P(GuiReload, LeftControlAndLReadTheFileAgainWhenTheKeyIsAllowed)
{
    const bool allowed = GetParam();
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    auto held = gui->getItem("other");
    f.write("x.gui", "FONT f { URL = x SIZE = 20 }\nBUTTON late { TYP = TEXT_BUTTON }\n"
                     "BUTTON other { TYP = TEXT_BUTTON TXT = new FONT = f }");
    guiReloadKey = allowed ? 1 : 0;
    f.input().feedKey(media::key::LeftControl, true);
    f.input().feedKey(media::key::letter('l'), true);
    f.input().feedKey(media::key::letter('l'), false);
    f.frame(*gui, 0, 0);
    std::vector<std::string> names;
    for (const auto& w : gui->_listaObiektow)
        names.push_back(w->_id);
    if (allowed) {
        EXPECT_EQ(names, (std::vector<std::string>{"late", "other"}));
        EXPECT_NE(gui->getItem("other"), held);
        // The font declared again is found under its first declaration.
        ASSERT_EQ(gui->_fonts.size(), 2u);
        EXPECT_EQ(TRGMFont::getByID("F", gui.get()), &gui->_fonts[0]);
    } else {
        EXPECT_EQ(names, (std::vector<std::string>{"first", "First", "other"}));
    }
    // A widget a screen kept from before is still there to read.
    EXPECT_EQ(std::dynamic_pointer_cast<TButton>(held)->_txt, "WWWWWW");
}

INSTANTIATE_TEST_SUITE_P(GuiReloadKey, GuiReload, ::testing::Bool());

TEST(GuiContainer, ReloadWithoutControlLeavesTheLetterL)
{
    GuiFixture f;
    f.write("x.gui", threeButtons);
    auto gui = loadGui("x.gui");
    guiReloadKey = 1;
    f.input().feedKey(media::key::letter('l'), true);
    f.input().feedKey(media::key::letter('l'), false);
    f.frame(*gui, 0, 0);
    EXPECT_EQ(gui->_listaObiektow.size(), 3u);
    // Nobody else's key press was taken.
    EXPECT_EQ(f.input().keyHits(media::key::letter('l')), 1);
}
} // namespace
