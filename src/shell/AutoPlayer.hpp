// AutoPlayer.hpp: a player of our own (--autoplay) that plays through the real mouse: it
// clicks a playable free card when there is one, preferring the one that keeps the drive
// going, otherwise a rack sword when the deck is empty or a deck turn would end a long drive,
// otherwise the deck, and ends the level at the empty deck.
#pragma once

namespace media
{
class Input;
}

class TMainGame;

namespace shell
{
class AutoPlayer
{
public:
    struct Target
    {
        bool valid = false;
        float x = 0;
        float y = 0;
    };

    // Called at the start of every frame, before the mouse is read. `toSurface` maps logical
    // coordinates to the display's surface pixels.
    template <typename MapX, typename MapY>
    void feed(media::Input& input, MapX toSurfaceX, MapY toSurfaceY)
    {
        Target t = decide();
        if (t.valid)
            act(input, toSurfaceX(t.x), toSurfaceY(t.y));
    }

    // Where the player would click in the game now (nothing when it would wait).
    static Target chooseInGame(const TMainGame& game);

private:
    Target decide();
    void act(media::Input& input, float sx, float sy);

    int cooldown_ = 0;
    bool aimed_ = false;
    float aimX_ = 0;
    float aimY_ = 0;
};
} // namespace shell
