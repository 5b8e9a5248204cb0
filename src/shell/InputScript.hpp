// InputScript.hpp: scripted mouse and key input, replayed frame by frame.
//
// One event a line: the frame it happens in (counting from 1), a verb and its arguments.
// Positions are logical screen coordinates. Blank lines and lines starting with "#" are skipped.
//   12 move X Y                  the pointer moves to (X, Y)
//   12 press BUTTON [X Y]        BUTTON (left, right or middle) goes down, at (X, Y) if given
//   14 release BUTTON [X Y]      ... and up again
//   12 click BUTTON [X Y]        down and up within the frame: one click
//   12 wheel N                   the wheel turns N steps (positive: away from the player)
//   12 key NAME down|up|tap      a key (Escape, Enter, Space, F4, LeftAlt, A..Z, 0..9 or a code)
//   12 type TEXT                 the rest of the line is typed
//   12 close                     the window's close button
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace media
{
class Input;
}

namespace shell
{
class InputScript
{
public:
    struct Event
    {
        long long frame = 0;
        std::string verb;
        int button = 0;  // 1 left, 2 right, 3 middle
        int key = 0;     // key code
        std::string how; // down, up or tap for keys
        bool hasPosition = false;
        float x = 0, y = 0;
        int steps = 0;
        std::string text;
        int line = 0;
    };

    // Reads a script; nothing (and `error` naming the file and line) when it is malformed.
    static std::optional<InputScript> parse(const std::string& text, const std::string& name,
                                            std::string& error);
    static std::optional<InputScript> load(const std::string& path, std::string& error);

    // Feeds every event of frames up to `frame` not fed yet. `toSurfaceX/Y` map logical
    // coordinates to the display's surface pixels.
    template <typename MapX, typename MapY>
    void feed(long long frame, media::Input& input, MapX toSurfaceX, MapY toSurfaceY);

    const std::vector<Event>& events() const { return events_; }

private:
    void feedOne(const Event& e, media::Input& input, float sx, float sy);

    std::vector<Event> events_;
    std::size_t next_ = 0;
};

template <typename MapX, typename MapY>
void InputScript::feed(long long frame, media::Input& input, MapX toSurfaceX, MapY toSurfaceY)
{
    while (next_ < events_.size() && events_[next_].frame <= frame) {
        const Event& e = events_[next_++];
        feedOne(e, input, toSurfaceX(e.x), toSurfaceY(e.y));
    }
}

// A key name as in scripts ("Escape", "F4", "LeftAlt", "A", "7", or a number); 0 if unknown.
int keyCodeNamed(const std::string& name);
} // namespace shell
