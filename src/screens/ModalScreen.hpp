// ModalScreen.hpp: what the screens shown over another share: the one object of each kind the
// program keeps, set up when first asked for, and the loop that runs one until it has faded away.
#pragma once

#include "base/Owned.hpp"
#include "screens/TEkran.hpp"

// The program's screen in `slot`, made and set up the first time it is asked for.
template <typename Screen>
Screen& setUpOnce(base::Owned<Screen>& slot)
{
    if (!slot) {
        slot.orMake();
        slot->setup();
    }
    return *slot;
}

// The screen drawn over `background` (none: over black) fades in from nothing, unveiled.
void openOver(TEkran& screen, TEkran* background);

// Nothing pressed, clicked or typed so far reaches the next frame.
void forgetInput();

// Frames of the screen (its update, its drawing, the frame's end) until it has faded away; it
// is the running screen meanwhile.
void runUntilGone(TEkran& screen);
