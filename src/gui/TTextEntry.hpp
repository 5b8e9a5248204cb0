// TTextEntry.hpp: a one-line text field of a GUI description file, typed into from the
// keyboard's character queue, with a blinking caret.
#pragma once

#include "gui/TGuiObject.hpp"
#include "gui/TSimpleEntry.hpp"

#include <memory>
#include <string>
#include <vector>

namespace media
{
class Font;
}
class TGui;

class TTextEntry : public TGuiObject
{
public:
    // What a declaration gives when it leaves them out.
    static constexpr float declaredWidth = 300;
    static constexpr int declaredMaxChars = 25;

    TTextEntry();

    // The text, or ".." and as much of its end as fits when it is as wide as the field or
    // wider; then the caret after what is shown, while it blinks on and the field is active.
    int draw(float ox, float oy) override;
    // The caret's blink, from its next blink on.
    int setInterwal(int ms);
    const std::string& getTxt() const { return _txt; }
    // Replaces the text, however long it is.
    int setTxt(const std::string& text);

    // One typed character: Backspace takes the last character back, Enter reports the field
    // as clicked, any other printable character joins the text while it is shorter than
    // _maxZnakow; other control codes are dropped.
    void type(char32_t c);

    // The TEXTENTRY declaration.
    static std::shared_ptr<TTextEntry> createFromList(const std::string& name,
                                                      const std::vector<TSimpleEntry>& entries, TGui& gui);

    std::string _txt;
    media::Font* _font = nullptr; // owned by the font cache; the default size when none
    int _maxZnakow = 10;          // characters, not bytes
    float _curWidth = 0;
    float _curHeight = 0;
    long long _czas = 0; // clock value (ms) of the caret's next blink
    bool _trigger = false;
    int _interwal = 300;

protected:
    // Takes at most one character a frame from the shared queue, and only while the field is
    // shown and active: a hidden field leaves the keys to whoever else reads them.
    int updateMe(int ox, int oy) override;
};
