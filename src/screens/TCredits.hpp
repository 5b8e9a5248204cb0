// TCredits.hpp: the credits: the lines of the credits table scroll up over a picture of the
// lake until the player dismisses them, and start again from below once all have gone.
#pragma once

#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <string>
#include <vector>

namespace media
{
class Font;
}

// One credits line in its font.
struct TCreditData
{
    // Centred on the screen with its top at y: a soft shadow, then the letters shading from
    // sea green at the start of the line to white at its end.
    void draw(int y, float alpha) const;
    // The room the line takes: its text's height and a gap of 2.
    int height() const;

    std::string txt;
    media::Font* font = nullptr; // owned by the font cache
};

class TCredits : public TEkran
{
public:
    // Where the first line starts each time, and where it comes back in once all have gone.
    static constexpr float startY = 768;
    static constexpr float wrapY = 800;

    TCredits();

    // The picture, the three sizes of the typeface and the credits table.
    void setup() override;
    void draw() override;
    void update() override;
    void _drawBack();
    void _drawCredits();
    // The lines rise a pixel a frame; once the last has left the top they start from below.
    void _updateMove();
    // Over `background` (none: nothing under the picture), from the start.
    void prepare(TEkran* background);
    // Runs until dismissed (a click, Enter, Space or Escape) and faded out.
    void mainLoop(TEkran* background);

    // The table's lines as credits lines: "#Heading#" in the middle size, "$Title$" in the
    // largest (after a heading mark), others in the smallest; blank lines are dropped, and a
    // carriage return at a line's end is not part of it.
    void readLines(const std::vector<std::string>& lines);
    // The height of all lines together.
    int listHeight() const;

    media::Picture img;
    std::vector<TCreditData> lista;
    float y = startY;
    media::Font* font1 = nullptr; // owned by the font cache
    media::Font* font2 = nullptr;
    media::Font* font3 = nullptr;
};

// The program's credits, made and set up the first time they are asked for.
TCredits& credits();
