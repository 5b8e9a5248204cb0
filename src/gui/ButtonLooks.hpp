// ButtonLooks.hpp: the looks a button can take, one row each: the TYP word that chooses it, how
// it answers the pointer, what its declaration builds and how it is drawn.
#pragma once

#include <optional>
#include <span>
#include <string_view>

class TButton;
struct ButtonCanvas;

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

// What the GFX of a declaration becomes.
enum class ButtonPicture
{
    none,  // nothing: the caption is the button
    whole, // one picture, held by its middle
    strip, // cells cut from a strip, held by the middle of a cell
};

// Whether the declaration's caption (TXT, FONT, OUTLINE, RGB) is shown, and with what.
enum class ButtonCaption
{
    none,
    alone,       // the caption is the button; no colour (RGB -1) means white
    overPicture, // over the picture, moved by ADDDIM; no colour leaves only the outline
};

// What the pointer rectangle is worked out around.
enum class ButtonArea
{
    picture,     // the picture or one strip cell, widened by OVERAD
    caption,     // the caption, centred on the reference point
    waveCaption, // the caption letter by letter, standing on the reference point
};

// What a declaration makes of a look: its pictures, its caption and the keys it reads.
struct ButtonBuild
{
    ButtonPicture picture = ButtonPicture::none;
    int cells = 1;               // cells of the strip, when no schema counts them
    bool cellsFollowDir = false; // DIR = H lays the cells side by side, another DIR stacks them;
                                 // otherwise they are always side by side
    bool schema = false;         // SCHEMAT: frames per state, one strip cell each
    ButtonCaption caption = ButtonCaption::none;
    bool shadow = false;          // SHADOW: a dark copy under the caption
    bool inactivePicture = false; // ADDGFX: the picture shown while inactive
    bool hoverMargin = false;     // OVERAD: widens the pointer rectangle from its next working out
    bool crossFade = false;       // the state cells cross-fade, starting fully drawn
};

struct ButtonLook
{
    const char* word = ""; // the TYP word that chooses it; letter case counts
    ButtonType type = ButtonType::simpleButton;
    // The size it grows to under the pointer; nothing when it keeps its size.
    std::optional<float> hoverSize = std::nullopt;
    // Held down under the pointer it stays at its own size; otherwise only the press pops it back.
    bool snapWhenHeld = false;
    ButtonArea area = ButtonArea::picture;
    ButtonBuild build;
    // Its own step of a frame, for the looks that do not grow.
    void (*step)(TButton&) = nullptr;
    // Draws it (gui/ButtonDrawing.hpp).
    void (*draw)(TButton&, const ButtonCanvas&) = nullptr;

    bool showsCaption() const { return build.caption != ButtonCaption::none; }
};

// Every look, in the order of ButtonType.
std::span<const ButtonLook> buttonLooks();
const ButtonLook& lookOf(ButtonType type);
// The look a TYP word chooses (letter case counts); nothing for an unknown word.
const ButtonLook* findLook(std::string_view word);
