// TStoryText.hpp: a line of a stage's story on the quest map, revealed letter by letter: each
// letter fades in, and the next starts once it is a little way in.
#pragma once

#include <string>
#include <vector>

namespace media
{
class Font;
}

class TStoryText
{
public:
    TStoryText() = default;
    // The line, every letter hidden; nothing moves until start().
    explicit TStoryText(std::string line);

    // The first letter starts to show.
    void start();
    // One frame of the reveal. 1 once the last letter is fully shown (at once for an empty
    // line), else 0.
    int update();
    // Every letter at once.
    void showNow();
    // Whether the reveal has begun.
    bool started() const;
    // The line centred on the screen with its top at y, in black, each letter as far shown as
    // it is; nothing before the first letter has begun.
    void draw(media::Font& font, float y) const;
    // The whole line faintly, where draw() puts it.
    void draw2(media::Font& font, float y) const;

    std::string txt;
    std::vector<float> a;  // how far each letter is shown, 0..1
    std::vector<float> da; // where each letter is going
    float speed = 0.18f;
    float border = 0.3f; // how far a letter shows before the next one starts

private:
    std::vector<std::string> letters_; // the line's letters, each as UTF-8
};
