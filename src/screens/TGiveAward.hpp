// TGiveAward.hpp: an award just won, announced over the screen that gave it: the screen dims,
// the heading, the award's title and its description come in, and after two seconds (or at a
// click) they go again. The screen underneath keeps being drawn, and the level's particles and
// captions keep moving.
#pragma once

#include "screens/TAward.hpp"
#include "screens/TEkran.hpp"

#include <string>

namespace media
{
class Font;
}

class TGiveAward : public TEkran
{
public:
    static constexpr long long showMs = 2000;

    TGiveAward();

    // The fonts and the heading.
    void setup() override;
    // The announcement of `what` over `background` (none: over black) begins, with the input of
    // earlier frames forgotten.
    void prepare(const TAward& what, TEkran* background);
    void update() override;
    void draw() override;
    // Shows the announcement until it has gone again. The award is the caller's to record.
    void mainLoop(const TAward& what, TEkran* background);

    media::Font* font1 = nullptr; // heading; all three owned by the font cache
    media::Font* font2 = nullptr; // title
    media::Font* font3 = nullptr; // description
    std::string txtInfo;          // the heading
    TAward award;
    long long time = 0; // the clock's time at which it closes by itself

private:
    // One line centred on the screen with its top at y: shadow, outline, then the words.
    void drawLine(media::Font& font, const std::string& text, float y) const;
};

// The program's announcement, made and set up the first time it is asked for.
TGiveAward& giveAward();
