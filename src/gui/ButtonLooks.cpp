// ButtonLooks.cpp
#include "gui/ButtonLooks.hpp"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace
{
constexpr ButtonLook looks[] = {
    {.word = "SIMPLE_BUTTON", .type = ButtonType::simpleButton},
    {.word = "ANIM_BUTTON", .type = ButtonType::animButton},
    {.word = "BLEND_BUTTON", .type = ButtonType::blendButton},
    {.word = "FSTEP_BUTTON", .type = ButtonType::fstepButton},
    {.word = "TEXT_BUTTON", .type = ButtonType::textButton},
    {.word = "TEXT_SPEC_BUTTON1", .type = ButtonType::waveButton},
    {.word = "FSTEP_BLEND_BUTTON", .type = ButtonType::fstepBlendButton},
    {.word = "TEXT_SPEC_BUTTON2", .type = ButtonType::captionButton},
    {.word = "TEXT_SPEC_BUTTON3", .type = ButtonType::glowButton},
    {.word = "TEXT_SPEC_BUTTON4", .type = ButtonType::areaButton},
    {.word = "TEXT_SPEC_BUTTON5", .type = ButtonType::haloButton},
    {.word = "TEXT_SPEC_BUTTON6", .type = ButtonType::yellowButton},
    {.word = "TEXT_SPEC_BUTTON7", .type = ButtonType::twoLookButton},
};

constexpr bool inTypeOrder()
{
    for (std::size_t i = 0; i < std::size(looks); ++i) {
        if (static_cast<std::size_t>(looks[i].type) != i)
            return false;
    }
    return std::size(looks) == static_cast<std::size_t>(ButtonType::twoLookButton) + 1;
}
static_assert(inTypeOrder(), "one row per look, in the order of ButtonType");
} // namespace

std::span<const ButtonLook> buttonLooks()
{
    return looks;
}

const ButtonLook& lookOf(ButtonType type)
{
    return looks[static_cast<std::size_t>(type)];
}

const ButtonLook* findLook(std::string_view word)
{
    const auto row = std::find_if(std::begin(looks), std::end(looks),
                                  [&](const ButtonLook& look) { return word == look.word; });
    return row == std::end(looks) ? nullptr : row;
}
