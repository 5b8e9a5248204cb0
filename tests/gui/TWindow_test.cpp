// Windows: the nine-piece frame stretched to the window's size, pieces a theme lacks, the
// children drawn over the frame, and the window as a widget of its container.
#include "gui/TWindow.hpp"

#include "gui/ThemeFixture.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <map>

namespace
{
using gui_testing::GuiFixture;
using gui_testing::Placed;
using gui_testing::placesOf;

// A container with a window of 300 x 200 at (100, 50) wearing a theme of 16 x 16 corners and
// one-pixel edges and centre; `change` alters the theme's window entries first.
std::unique_ptr<TGui>
framedWindow(GuiFixture& f, const std::function<void(std::map<std::string, std::string>&)>& change = {})
{
    auto okno = gui_testing::thinFramePieces(f, "themes", "pics");
    if (change)
        change(okno);
    f.write("themes/frame.txt", gui_testing::themeText(okno, {}));
    f.write("ui/x.gui", "THEME frame { URL = ../themes/frame.txt }\n"
                        "WINDOW w { POSITION = \"100 50 300 200\" THEME = frame }");
    return loadGui("ui/x.gui");
}

struct PieceCase
{
    FramePiece piece;
    Placed at;
};

TEST(WindowFrame, CornersStayAndEdgesAndCentreStretchToFillTheWindow)
{
    GuiFixture f;
    auto gui = framedWindow(f);
    auto window = gui->getItemAs<TWindow>("w");
    ASSERT_TRUE(window && window->theme);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    gui->draw();
    const auto& drawn = renderer.recordedSprites();
    // The window spans x 100..400 and y 50..250.
    const PieceCase expected[] = {
        {FramePiece::leftUp, {100, 50, 16, 16}},     {FramePiece::rightUp, {384, 50, 16, 16}},
        {FramePiece::rightDown, {384, 234, 16, 16}}, {FramePiece::leftDown, {100, 234, 16, 16}},
        {FramePiece::up, {116, 50, 268, 16}},        {FramePiece::right, {384, 66, 16, 168}},
        {FramePiece::down, {116, 234, 268, 16}},     {FramePiece::left, {100, 66, 16, 168}},
        {FramePiece::middle, {116, 66, 268, 168}},
    };
    for (const PieceCase& c : expected) {
        EXPECT_EQ(placesOf(drawn, window->theme->okno(c.piece)), std::vector<Placed>{c.at})
            << "piece " << static_cast<int>(c.piece);
    }
    EXPECT_EQ(drawn.size(), 9u);
    for (const auto& d : drawn) {
        EXPECT_EQ(d.state.alpha, 1.0f);
        EXPECT_EQ(d.state.red + d.state.green + d.state.blue, 3 * 255);
    }
    EXPECT_TRUE(f.reports.empty()) << ::testing::PrintToString(f.reports);
}

TEST(WindowFrame, TheWindowsOpacityReachesItsFrame)
{
    GuiFixture f;
    auto gui = framedWindow(f);
    gui->setGuiAlpha(0.25f);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    gui->draw();
    ASSERT_EQ(renderer.recordedSprites().size(), 9u);
    for (const auto& d : renderer.recordedSprites())
        EXPECT_FLOAT_EQ(d.state.alpha, 0.25f);
}

// --- pieces a theme lacks

struct MissingCase
{
    const char* name;
    const char* entry;        // the window entry taken away
    bool fileNamed;           // the entry still names a file, which is not there
    FramePiece piece;         // the piece it fills
    const char* reportedOnce; // what is said about it, once
    std::size_t reports;      // all that is said
    Placed middle;            // where the centre goes (nothing drawn for a missing centre)
};

class WindowMissingPiece : public ::testing::TestWithParam<MissingCase>
{};

TEST_P(WindowMissingPiece, IsSkippedWhileTheRestIsDrawnInPlace)
{
    const MissingCase& c = GetParam();
    GuiFixture f;
    auto gui = framedWindow(f, [&c](std::map<std::string, std::string>& okno) {
        if (c.fileNamed)
            okno[c.entry] = "\"pics/gone.png\"";
        else
            okno.erase(c.entry);
    });
    auto window = gui->getItemAs<TWindow>("w");
    ASSERT_TRUE(window && window->theme);
    EXPECT_TRUE(window->theme->okno(c.piece).empty());
    for (float s : window->skala)
        EXPECT_TRUE(std::isfinite(s)) << s;
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    for (int i = 0; i < 3; ++i) {
        f.frame(*gui, 200, 100);
        gui->draw();
    }
    const auto& drawn = renderer.recordedSprites();
    EXPECT_EQ(drawn.size(), 3u * 8u);
    for (const auto& d : drawn) {
        EXPECT_TRUE(std::isfinite(d.sprite.x) && std::isfinite(d.sprite.y) && std::isfinite(d.sprite.w)
                    && std::isfinite(d.sprite.h));
    }
    // The pieces that are there keep their places; without the top-right corner the stretches
    // reach over its width too.
    if (c.piece != FramePiece::middle) {
        EXPECT_EQ(placesOf(drawn, window->theme->okno(FramePiece::middle)).at(0), c.middle);
    }
    EXPECT_EQ(placesOf(drawn, window->theme->okno(FramePiece::rightDown)).at(0), (Placed{384, 234, 16, 16}));
    if (*c.reportedOnce) {
        EXPECT_EQ(gui_testing::countReports(f, c.reportedOnce), 1) << ::testing::PrintToString(f.reports);
    }
    EXPECT_EQ(f.reports.size(), c.reports) << ::testing::PrintToString(f.reports);
    // Headless, nothing waits for a click on a message box.
    EXPECT_TRUE(f.program.display().messages().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pieces, WindowMissingPiece,
    ::testing::Values(
        // The corner's own message, besides the picture cache's word on the missing file.
        MissingCase{"TopRightCornerFileGone",
                    "rightUp",
                    true,
                    FramePiece::rightUp,
                    "NO img: themes/pics/gone.png",
                    2,
                    {116, 66, 284, 168}},
        MissingCase{"TopRightCornerNotNamed",
                    "rightUp",
                    false,
                    FramePiece::rightUp,
                    "NO img: themes/frame.txt: TEMAT::OKNO::rightUp",
                    1,
                    {116, 66, 284, 168}},
        MissingCase{"HollowFrameWithoutCentre", "srodek", false, FramePiece::middle, "", 0, {}},
        MissingCase{"TopEdgeNotNamed", "Up", false, FramePiece::up, "", 0, {116, 66, 268, 168}},
        MissingCase{"RightEdgeFileGone",
                    "right",
                    true,
                    FramePiece::right,
                    "themes/pics/gone.png",
                    1,
                    {116, 66, 268, 168}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- the window as a widget

TEST(Window, ChildrenAreDrawnOverTheFrameFromTheWindowsCorner)
{
    GuiFixture f;
    auto gui = framedWindow(f);
    auto window = gui->getItemAs<TWindow>("w");
    auto child = std::make_shared<TWindow>();
    child->dim = createDim(10, 20, 40, 40);
    child->theme = window->theme;
    child->obliczSkale();
    window->dodajObiekt(child);
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    gui->draw();
    const auto& drawn = renderer.recordedSprites();
    const media::Picture& corner = window->theme->okno(FramePiece::leftUp);
    EXPECT_EQ(placesOf(drawn, corner), (std::vector<Placed>{{100, 50, 16, 16}, {110, 70, 16, 16}}));
    // Everything of the child comes after the whole frame of its window.
    const auto& centre = window->theme->okno(FramePiece::middle);
    const auto centres = placesOf(drawn, centre);
    ASSERT_EQ(centres.size(), 2u);
    EXPECT_EQ(centres[1], (Placed{126, 86, 8, 8}));
    EXPECT_EQ(drawn.size(), 18u);
    EXPECT_LT(gui_testing::firstDrawn(drawn, centre), 9);
    // The child answers the pointer at its place on the screen.
    f.frame(*gui, 135, 95, true);
    EXPECT_EQ(child->_clicked, 1);
    f.frame(*gui, 105, 55, true);
    EXPECT_EQ(child->_clicked, 0);
}

TEST(Window, IsClickedByNameUnlessDeclaredInactive)
{
    GuiFixture f;
    auto okno = gui_testing::thinFramePieces(f, "themes", "pics");
    f.write("themes/frame.txt", gui_testing::themeText(okno, {}));
    f.write("x.gui", "THEME frame { URL = themes/frame.txt }\n"
                     "WINDOW panel { POSITION = \"100 50 300 200\" }\n"
                     "WINDOW still { POSITION = \"500 50 300 200\" ACTIVE = FALSE }");
    auto gui = loadGui("x.gui");
    f.frame(*gui, 400, 250, true); // the bottom-right corner counts
    EXPECT_EQ(gui->clickedItem("panel"), 1);
    f.frame(*gui, 600, 100, true);
    EXPECT_EQ(gui->_clicked, "");
    EXPECT_EQ(gui->_over, "");
    // Inactive, it is still drawn.
    media::NullRenderer& renderer = f.program.display().nullRenderer();
    renderer.recordSprites();
    gui->draw();
    EXPECT_EQ(renderer.recordedSprites().size(), 18u);
}
} // namespace
