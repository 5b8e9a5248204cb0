// TButton.hpp: the clickable widget: plain pictures that grow under the pointer, frame strips
// that switch or cross-fade by state, a frame-animated button, and captions with outline,
// shadow and glow, alone or over a picture.
#pragma once

#include "gui/ButtonLooks.hpp"
#include "gui/TAnimData.hpp"
#include "gui/TGuiObject.hpp"
#include "gui/TSimpleEntry.hpp"
#include "media/Picture.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TGui;

class TButton : public TGuiObject
{
public:
    // The looks, chosen by the TYP word of the declaration (gui/ButtonLooks.hpp).
    using enum ButtonType;

    // The look a TYP word chooses (letter case counts); nothing for an unknown word.
    static std::optional<ButtonType> typeCode(const std::string& typ);

    TButton();

    int setDeltaTime(int ms, int index);
    // Reads an animation schema such as "[NORMAL (120)] 1 2 3 2 [OVER] 4 5": bracketed names
    // with an optional "(ms)" per frame, each followed by its frame numbers (counted from 1).
    int interpretujSchemat(const std::string& schema, int dir);
    // Glides the button's own scale and opacity toward their targets.
    int updateScaleAndAlpha();
    // Switches the playing animation by the pointer and the active flag.
    int sprawdzAnimacje();
    // Steps the playing animation on the millisecond clock.
    int animUpdate();
    int playAnim(const std::string& name);
    // The caption character by character, each at its own wave scale.
    int drawMyTextSpec(const std::string& text, float x, float y);

    // The BUTTON declaration. An unknown TYP is reported and makes no button.
    static std::shared_ptr<TButton> CreateFromList(const std::string& name,
                                                   const std::vector<TSimpleEntry>& entries, TGui& gui);

    // The row of its look.
    const ButtonLook& look() const { return lookOf(_typ); }

    int draw(float ox, float oy) override;
    // The pointer rectangle: around the caption where that is the look's pointer area, else
    // around the picture, widened by the hover enlargement.
    int countDims() override;
    // The rectangle of a wave caption: above the reference point.
    int countDims2() override;

    media::Picture _image;
    media::Picture _addImg;
    media::Font* _font = nullptr; // owned by the font cache; the default size when none
    ButtonType _typ = ButtonType::simpleButton;
    int _dir = 0;
    int shadowed = 0;
    std::optional<TRGB> outLine;
    TAnimData _animData;
    int frames = 0;
    int aktAnim = 0;
    int aktFrame = 0;
    int _activeFlag = 0, _overFlag = 0, _unactiveFlag = 0;
    int _animNormal = 0, _animActive = 0, _animOver = 0, _animUnActive = 0;
    float _buttonAlpha = 1;
    float _dButtonAlpha = 1;
    float _buttonScale = 1;
    float _dButtonScale = 1;
    float _adOverX = 0, _adOverY = 0;
    std::string _txt;
    std::vector<float> _textScale; // one per caption character
    float _chrN = 0;
    int _wykonano = 0;
    float _textWidth = 0, _textHeight = 0;
    float _bigText = 2.0f;
    float _old4StepB = 0, _new4StepB = 0;
    float _oldAlpha = 0, _newAlpha = 0;
    float dimAdX = 0, dimAdY = 0;

    // Used by the looks' steps and drawing routines.
    media::Font& captionFont() const;
    // The outline (when set) at the four diagonal neighbours, then the caption in its colour.
    void drawCaption(float px, float py, bool perCharacter);
    // The state frame of the four-cell strips.
    int stateFrame() const;

protected:
    int updateMe(int ox, int oy) override;

private:
    // The hover growth; true when a press popped the button back to its size this frame.
    bool updateHover(float target, bool snapWhenHeld);
    void playIndex(int index);
    // TXT, FONT, OUTLINE and RGB, and ADDDIM over a picture.
    void readCaption(const std::vector<TSimpleEntry>& entries, ButtonCaption kind, TGui& gui);
    // SCHEMAT, GFX and DIR, ADDGFX and OVERAD, as far as the look has them.
    void readPictures(const std::vector<TSimpleEntry>& entries, const ButtonBuild& build, TGui& gui);
    // Cuts the GFX strip into cells and centres the pointer rectangle on the cell.
    void cutStrip(const std::string& path, int cells, bool sideBySide, TGui& gui);
};
