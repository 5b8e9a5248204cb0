// ButtonLooks.cpp
#include "gui/ButtonLooks.hpp"

#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "gui/ButtonDrawing.hpp"
#include "gui/TButton.hpp"
#include "media/Text.hpp"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <string>
#include <vector>

namespace
{
void playSchema(TButton& b)
{
    b.sprawdzAnimacje();
    b.animUpdate();
}

// The second cell fades in under the pointer and out away from it.
void fadeSecondCell(TButton& b)
{
    b._dButtonAlpha = b._over ? 1.0f : 0.0f;
    approach(b._buttonAlpha, b._dButtonAlpha, b.wzr);
}

// Under the pointer a swelling runs along the caption, skipping the spaces.
void waveCaption(TButton& b)
{
    const std::u32string chars = media::text::toUtf32(b._txt);
    std::vector<float>& scales = b._textScale;
    if (scales.size() != chars.size())
        scales.assign(chars.size(), 1.0f);
    if (!b._over || chars.empty()) {
        b._chrN = 0;
        std::fill(scales.begin(), scales.end(), 1.0f);
        return;
    }
    const auto length = static_cast<float>(chars.size());
    b._chrN += 0.08f * base::program().delta;
    if (b._chrN >= length)
        b._chrN = 0;
    if (chars[static_cast<std::size_t>(b._chrN)] == U' ')
        b._chrN += 1;
    if (b._chrN >= length)
        b._chrN = 0;
    std::fill(scales.begin(), scales.end(), 1.0f);
    const auto i = static_cast<std::size_t>(b._chrN);
    const float f = b._chrN - static_cast<float>(i);
    if (f < 0.5f)
        scales[i] = 1 + f * b._bigText;
    else if (f == 0.5f)
        scales[i] = 1.5f + 0.5f * b._bigText;
    else
        scales[i] = 1.5f - (f - 0.5f) * b._bigText;
}

// A new state starts its cell fading in over the cell of the one before.
void crossFade(TButton& b)
{
    const auto wanted = static_cast<float>(b.stateFrame());
    if (wanted != b._new4StepB) {
        b._old4StepB = b._new4StepB;
        b._newAlpha = 0;
    }
    b._new4StepB = wanted;
    b._newAlpha = std::min(1.0f, b._newAlpha + 0.05f * base::program().delta);
}

constexpr ButtonLook looks[] = {
    {.word = "SIMPLE_BUTTON",
     .type = ButtonType::simpleButton,
     .hoverSize = 1.1f,
     .build = {.picture = ButtonPicture::whole},
     .draw = button_drawing::simple},
    {.word = "ANIM_BUTTON",
     .type = ButtonType::animButton,
     .build = {.picture = ButtonPicture::strip, .cellsFollowDir = true, .schema = true},
     .step = playSchema,
     .draw = button_drawing::schemaFrame},
    {.word = "BLEND_BUTTON",
     .type = ButtonType::blendButton,
     .build = {.picture = ButtonPicture::strip, .cells = 2, .cellsFollowDir = true},
     .step = fadeSecondCell,
     .draw = button_drawing::blend},
    {.word = "FSTEP_BUTTON",
     .type = ButtonType::fstepButton,
     .build = {.picture = ButtonPicture::strip, .cells = 4},
     .draw = button_drawing::stateCell},
    {.word = "TEXT_BUTTON",
     .type = ButtonType::textButton,
     .hoverSize = 1.1f,
     .snapWhenHeld = true,
     .area = ButtonArea::caption,
     .build = {.caption = ButtonCaption::alone, .shadow = true},
     .draw = button_drawing::text},
    {.word = "TEXT_SPEC_BUTTON1",
     .type = ButtonType::waveButton,
     .area = ButtonArea::waveCaption,
     .build = {.caption = ButtonCaption::alone},
     .step = waveCaption,
     .draw = button_drawing::wave},
    {.word = "FSTEP_BLEND_BUTTON",
     .type = ButtonType::fstepBlendButton,
     .build = {.picture = ButtonPicture::strip, .cells = 4, .crossFade = true},
     .step = crossFade,
     .draw = button_drawing::crossFade},
    {.word = "TEXT_SPEC_BUTTON2",
     .type = ButtonType::captionButton,
     .hoverSize = 1.1f,
     .build = {.picture = ButtonPicture::whole, .caption = ButtonCaption::overPicture},
     .draw = button_drawing::caption},
    {.word = "TEXT_SPEC_BUTTON3",
     .type = ButtonType::glowButton,
     .hoverSize = 1.3f,
     .build = {.picture = ButtonPicture::whole, .caption = ButtonCaption::overPicture},
     .draw = button_drawing::glow},
    {.word = "TEXT_SPEC_BUTTON4",
     .type = ButtonType::areaButton,
     .hoverSize = 1.1f,
     .snapWhenHeld = true,
     .build = {.picture = ButtonPicture::whole, .caption = ButtonCaption::overPicture},
     .draw = button_drawing::area},
    {.word = "TEXT_SPEC_BUTTON5",
     .type = ButtonType::haloButton,
     .hoverSize = 1.3f,
     .snapWhenHeld = true,
     .build = {.picture = ButtonPicture::whole, .caption = ButtonCaption::overPicture, .hoverMargin = true},
     .draw = button_drawing::halo},
    {.word = "TEXT_SPEC_BUTTON6",
     .type = ButtonType::yellowButton,
     .hoverSize = 2.0f,
     .snapWhenHeld = true,
     .area = ButtonArea::caption,
     .build = {.caption = ButtonCaption::alone, .shadow = true},
     .draw = button_drawing::yellow},
    {.word = "TEXT_SPEC_BUTTON7",
     .type = ButtonType::twoLookButton,
     .hoverSize = 1.1f,
     .snapWhenHeld = true,
     .build = {.picture = ButtonPicture::whole,
               .caption = ButtonCaption::overPicture,
               .inactivePicture = true},
     .draw = button_drawing::twoLook},
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
