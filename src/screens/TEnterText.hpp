// TEnterText.hpp: the name-entry dialog: the player types a name (upper case, at most fifteen
// characters, none of the characters a name must not hold) under a prompt, over the screen
// that asked, and accepts it or cancels.
#pragma once

#include "screens/TEkran.hpp"

#include <string>
#include <vector>

namespace media
{
class Font;
}

class TEnterText : public TEkran
{
public:
    // What a cancelled dialog returns: no name can be this, as "/" cannot be typed.
    static constexpr const char* cancelled = "//";
    static constexpr std::size_t maxLength = 15;

    TEnterText();

    // The widgets, the fonts and the texts.
    void setup() override;
    // Starts with `text` in the field; the cancel button is hidden when noCancel is set.
    void prepare(TEkran* background, const std::string& text, bool noCancel);
    void update() override;
    void draw() override;
    // Runs the dialog until it has faded out and returns the accepted name, or "//" when the
    // player cancelled. The second text is not used. Keys and clicks left over are forgotten.
    std::string mainloop(TEkran* background, const std::string& text, const std::string& secondText,
                         int noCancel);

    // One typed character: Backspace takes the last one back, a forbidden character or a
    // control code is ignored, and any other is appended in upper case while there is room.
    void typeChar(char32_t c);
    // The name is accepted unless another player has it (then the message says so and the
    // dialog stays); an empty name is not accepted.
    void accept();
    void cancel();
    // Whether a player already has the name in the field (in any letter case): a listed one,
    // or one of takenIds.
    bool nameTaken() const;

    std::string entry;
    long long time = 0;           // clock time of the caret's next blink
    int switchOn = 0;             // the caret is shown
    media::Font* font = nullptr;  // the name's (owned by the font cache)
    media::Font* font2 = nullptr; // the prompt's
    std::vector<std::string> forbiddenChars;
    std::string txtAlready; // the message when the name is taken
    std::string txtStart;   // the starting text, in upper case
    std::string txtEnt;     // the prompt
    std::string txtTaken;   // the note under a taken name
    int exists = 0;
    // The ids of players not (or no longer) listed whose names are taken too, such as those the
    // players' screen has made but not listed yet; for one showing only (mainloop forgets them).
    std::vector<std::string> takenIds;

private:
    void updateEntryState();
    void readTyping();
};

// The program's name-entry dialog, made and set up the first time it is asked for.
TEnterText& enterText();
