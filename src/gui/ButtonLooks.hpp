// ButtonLooks.hpp: the looks a button can take, one row each: the TYP word that chooses it and
// how it answers the pointer.
#pragma once

#include <optional>
#include <span>
#include <string_view>

class TButton;

// The looks, in the order of their rows.
enum class ButtonType
{
    simpleButton,     // SIMPLE_BUTTON: one picture
    animButton,       // ANIM_BUTTON: a strip played by a schema
    blendButton,      // BLEND_BUTTON: 2 cells, the second fades in on hover
    fstepButton,      // FSTEP_BUTTON: 4 cells, normal/over/pressed/disabled
    textButton,       // TEXT_BUTTON: a caption
    waveButton,       // TEXT_SPEC_BUTTON1: a caption with a wave on hover
    fstepBlendButton, // FSTEP_BLEND_BUTTON: 4 cells cross-faded
    captionButton,    // TEXT_SPEC_BUTTON2: picture and caption grow
    glowButton,       // TEXT_SPEC_BUTTON3: picture glows on hover
    areaButton,       // TEXT_SPEC_BUTTON4: the picture is only the hit area
    haloButton,       // TEXT_SPEC_BUTTON5: the picture is only the hover glow
    yellowButton,     // TEXT_SPEC_BUTTON6: a caption glowing yellow
    twoLookButton,    // TEXT_SPEC_BUTTON7: a picture for active, one for inactive
};

struct ButtonLook
{
    const char* word = ""; // the TYP word that chooses it; letter case counts
    ButtonType type = ButtonType::simpleButton;
    // The size it grows to under the pointer; nothing when it keeps its size.
    std::optional<float> hoverSize = std::nullopt;
    // Held down under the pointer it stays at its own size; otherwise only the press pops it back.
    bool snapWhenHeld = false;
    // Its own step of a frame, for the looks that do not grow.
    void (*step)(TButton&) = nullptr;
};

// Every look, in the order of ButtonType.
std::span<const ButtonLook> buttonLooks();
const ButtonLook& lookOf(ButtonType type);
// The look a TYP word chooses (letter case counts); nothing for an unknown word.
const ButtonLook* findLook(std::string_view word);
