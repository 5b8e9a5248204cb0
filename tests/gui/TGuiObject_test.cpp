// The widget base: the pointer test, the shortcut key, the class update, the glide of opacity
// and scale, and placements.
#include "gui/TGuiObject.hpp"

#include "gui/GuiFixture.hpp"

#include <gtest/gtest.h>

namespace
{
using gui_testing::GuiFixture;

// A widget that counts its class updates.
class Counting : public TGuiObject
{
public:
    int updates = 0;

protected:
    int updateMe(int, int) override
    {
        ++updates;
        return 1;
    }
};

// A 100 x 50 widget at (10, 20).
std::unique_ptr<Counting> box()
{
    auto w = std::make_unique<Counting>();
    w->dim = createDim(10, 20, 100, 50);
    return w;
}

void pointAt(GuiFixture& f, int x, int y, bool press = false)
{
    f.input().feedMouseMove(static_cast<float>(x), static_cast<float>(y));
    if (press) {
        f.input().feedMouseButton(media::mouse::Left, true);
        f.input().feedMouseButton(media::mouse::Left, false);
    }
    guiMouse().update();
}

struct PointerCase
{
    int x, y;
    int visible, active;
    bool over;
};

class WidgetPointer : public ::testing::TestWithParam<PointerCase>
{};

TEST_P(WidgetPointer, IsOverOnlyInsideTheRectangleOfAVisibleActiveWidget)
{
    GuiFixture f;
    auto w = box();
    w->setState(GetParam().visible, GetParam().active);
    pointAt(f, GetParam().x, GetParam().y, true);
    w->update(0, 0);
    EXPECT_EQ(w->_over, GetParam().over ? 1 : 0);
    EXPECT_EQ(w->_clicked, GetParam().over ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Edges, WidgetPointer,
                         ::testing::Values(PointerCase{10, 20, 1, 1, true},   // top-left corner
                                           PointerCase{110, 70, 1, 1, true},  // x2 and y2 count
                                           PointerCase{111, 70, 1, 1, false}, // one past
                                           PointerCase{60, 71, 1, 1, false}, PointerCase{9, 40, 1, 1, false},
                                           PointerCase{60, 40, 0, 1, false}, // hidden
                                           PointerCase{60, 40, 1, 0, false}, // deactivated
                                           PointerCase{60, 40, 1, 1, true}));

TEST(WidgetPointer, TheParentsOffsetMovesTheRectangle)
{
    GuiFixture f;
    auto w = box();
    pointAt(f, 210, 320);
    w->update(200, 300);
    EXPECT_EQ(w->_over, 1);
    w->update(0, 0);
    EXPECT_EQ(w->_over, 0);
}

TEST(WidgetPointer, HeldIsKeptAfterThePointerLeaves)
{
    GuiFixture f;
    auto w = box();
    f.input().feedMouseButton(media::mouse::Left, true);
    pointAt(f, 50, 40);
    w->update(0, 0);
    pointAt(f, 50, 40); // held, no new press
    w->update(0, 0);
    EXPECT_EQ(w->_holded, 1);
    EXPECT_EQ(w->_clicked, 0);
    pointAt(f, 500, 400);
    w->update(0, 0);
    EXPECT_EQ(w->_over, 0);
    EXPECT_EQ(w->_holded, 1);
}

struct KeyCase
{
    int visible, active;
    bool clicks;
};

class WidgetShortcut : public ::testing::TestWithParam<KeyCase>
{};

TEST_P(WidgetShortcut, ClicksAnActiveWidgetEvenWhenHidden)
{
    GuiFixture f;
    auto w = box();
    w->setState(GetParam().visible, GetParam().active);
    w->setKey(media::key::Enter);
    pointAt(f, 600, 600);
    w->update(0, 0);
    EXPECT_EQ(w->_clicked, 0);
    f.input().feedKey(media::key::Enter, true);
    f.input().feedKey(media::key::Enter, false);
    w->update(0, 0);
    EXPECT_EQ(w->_clicked, GetParam().clicks ? 1 : 0);
    EXPECT_EQ(w->_over, GetParam().clicks ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(States, WidgetShortcut,
                         ::testing::Values(KeyCase{1, 1, true}, KeyCase{0, 1, true}, KeyCase{1, 0, false},
                                           KeyCase{0, 0, false}));

class WidgetClassUpdate : public ::testing::TestWithParam<std::pair<int, bool>>
{};

TEST_P(WidgetClassUpdate, OnlyTheWidgetClassesGetOne)
{
    GuiFixture f;
    auto w = box();
    w->_class = GetParam().first;
    w->update(0, 0);
    EXPECT_EQ(w->updates, GetParam().second ? 1 : 0);
}

INSTANTIATE_TEST_SUITE_P(Identifiers, WidgetClassUpdate,
                         ::testing::Values(std::pair{0, true}, std::pair{1, false}, std::pair{2, true},
                                           std::pair{3, true}, std::pair{4, false}, std::pair{5, false},
                                           std::pair{6, false}, std::pair{7, true}, std::pair{8, false},
                                           std::pair{9, true}, std::pair{10, true}, std::pair{11, true},
                                           std::pair{12, false}));

TEST(WidgetGlide, AFullFadeTakesThirtyFourFramesAndComesBackAtTheSameSpeed)
{
    GuiFixture f;
    auto w = box();
    w->wygasAlpha();
    int frames = 0;
    while (w->_alpha > 0 && frames < 100) {
        w->updateParams();
        ++frames;
    }
    EXPECT_EQ(frames, 34);
    w->updateParams();
    EXPECT_EQ(w->_alpha, 0);
    w->_dAlpha = 1;
    for (int i = 0; i < 34; ++i)
        w->updateParams();
    EXPECT_EQ(w->_alpha, 1);
    w->wygasScale();
    w->updateParams();
    EXPECT_FLOAT_EQ(w->_scale, 0.97f);
}

TEST(WidgetPlacement, SetPositionMovesByWholePixelsAndKeepsTheFraction)
{
    auto w = box();
    w->dim = createPoint(10.5f, 20);
    w->setPosition(100, 50);
    EXPECT_FLOAT_EQ(w->dim.x, 99.5f);
    EXPECT_FLOAT_EQ(w->dim.y, 50);
    EXPECT_FLOAT_EQ(w->dim.x1, 89); // the rectangle moved with it
}

TEST(WidgetPlacement, APointHasNoRectangleUntilTheWidgetWorksItOut)
{
    TDim p = createPoint(30, 40);
    EXPECT_EQ(p.x1, 0);
    EXPECT_EQ(p.x2, 0);
    EXPECT_EQ(p.w, 0);
    TDim d = createDim(30, 40, 5, 6);
    EXPECT_EQ(d.x1, 30);
    EXPECT_EQ(d.y2, 46);
    EXPECT_EQ(createRGB(1, 2, 3), (TRGB{1, 2, 3}));
    EXPECT_EQ(TRGB{}, createRGB(255, 255, 255));
}
} // namespace
