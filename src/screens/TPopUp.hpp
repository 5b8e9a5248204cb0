// TPopUp.hpp: the pop-up box on its parchment scroll: a question with yes and no, or a message
// with one button to confirm it, drawn over the screen that asked, which stays as it was.
#pragma once

#include "media/Picture.hpp"
#include "screens/TEkran.hpp"

#include <string>

namespace media
{
class Font;
}

class TPopUp : public TEkran
{
public:
    TPopUp();

    // The two scrolls, the widgets and the captions.
    void setup() override;
    // The text in the box, the "no" button shown or hidden, the input of earlier frames
    // forgotten; the box fades in.
    void prepare(const std::string& text, TEkran* background, bool showNo);
    void update() override;
    void draw() override;
    // Runs the box until it has faded out: 1 for yes (or the confirmation), 0 for no. The
    // window's close button (and the end of a run's frames) ends the game from here too.
    int mainLoop(const std::string& text, TEkran* background, int showNo);

    // The question's look: the "yes" caption on the first scroll; the message's look: the
    // confirmation caption on the second.
    void useQuestionLook();
    void useMessageLook();

    std::string txt;
    media::Picture img1;
    media::Picture img2;
    media::Picture img;
    media::Font* _font = nullptr; // owned by the font cache
    int answer = 0;               // 1 yes or confirmed, 0 no
    std::string txtYes;
    std::string txtOk;

private:
    // Where the "yes" button stands beside "no"; alone, it takes the middle of the pair.
    int yesX_ = 0;
    int yesY_ = 0;
    int aloneX_ = 0;

    void setYesCaption(const std::string& caption);
    void close(int result);
};

// Asks `text` over `background` (none: over black) with yes and no; 1 for yes.
int askYesNo(const std::string& text, TEkran* background);
// Shows `text` over `background` until it is confirmed; always 1.
int showMessage(const std::string& text, TEkran* background);

// The program's pop-up, made and set up the first time it is asked for.
TPopUp& popUp();
