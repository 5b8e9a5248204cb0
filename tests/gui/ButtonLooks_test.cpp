// The table of button looks: the TYP words the description files use each choose their own
// row, and every row is whole enough to be built and drawn.
#include "gui/ButtonLooks.hpp"
#include "gui/TButton.hpp"

#include <gtest/gtest.h>

#include <iterator>
#include <string>

namespace
{
struct Word
{
    const char* word;
    ButtonType type;
};

// The TYP words of the description files.
const Word fileWords[] = {
    {"SIMPLE_BUTTON", ButtonType::simpleButton},
    {"ANIM_BUTTON", ButtonType::animButton},
    {"BLEND_BUTTON", ButtonType::blendButton},
    {"FSTEP_BUTTON", ButtonType::fstepButton},
    {"TEXT_BUTTON", ButtonType::textButton},
    {"TEXT_SPEC_BUTTON1", ButtonType::waveButton},
    {"FSTEP_BLEND_BUTTON", ButtonType::fstepBlendButton},
    {"TEXT_SPEC_BUTTON2", ButtonType::captionButton},
    {"TEXT_SPEC_BUTTON3", ButtonType::glowButton},
    {"TEXT_SPEC_BUTTON4", ButtonType::areaButton},
    {"TEXT_SPEC_BUTTON5", ButtonType::haloButton},
    {"TEXT_SPEC_BUTTON6", ButtonType::yellowButton},
    {"TEXT_SPEC_BUTTON7", ButtonType::twoLookButton},
};

TEST(ButtonLooks, EachFileWordChoosesItsLookAndTheLookNamesItBack)
{
    ASSERT_EQ(buttonLooks().size(), std::size(fileWords));
    for (const Word& w : fileWords) {
        const ButtonLook* look = findLook(w.word);
        ASSERT_NE(look, nullptr) << w.word;
        EXPECT_EQ(look, &lookOf(w.type)) << w.word;
        EXPECT_EQ(look->type, w.type) << w.word;
        EXPECT_EQ(std::string(look->word), w.word);
        EXPECT_EQ(TButton::typeCode(w.word), w.type) << w.word;
    }
}

TEST(ButtonLooks, EveryRowCanBeBuiltAndDrawn)
{
    for (const ButtonLook& look : buttonLooks()) {
        SCOPED_TRACE(look.word);
        EXPECT_NE(look.draw, nullptr);
        // Holding counts only for a look that grows.
        EXPECT_TRUE(look.hoverSize || !look.snapWhenHeld);
        // The pointer rectangle is worked out around something the look has.
        const ButtonBuild& build = look.build;
        if (look.area == ButtonArea::picture) {
            EXPECT_NE(build.picture, ButtonPicture::none);
        } else {
            EXPECT_EQ(build.caption, ButtonCaption::alone);
        }
        // A schema and a cross-fade play the cells of a strip.
        if (build.schema || build.crossFade) {
            EXPECT_EQ(build.picture, ButtonPicture::strip);
        }
    }
}
} // namespace
