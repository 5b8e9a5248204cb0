// Display.hpp: the window (or full screen), its events and the presenting of frames.
#pragma once

#include <string>

namespace media
{
class Input;
class Renderer;
struct Image;

struct Size
{
    int width = 0;
    int height = 0;
};

struct FRect
{
    float x = 0;
    float y = 0;
    float w = 0;
    float h = 0;
    bool operator==(const FRect&) const = default;
};

// The game draws every frame on a 1024 x 768 logical screen. The display shows that frame on
// its drawing surface (the window, or the full-screen mode) at the place the game's
// logical-screen module chooses, and maps the mouse back into surface pixels.
class Display
{
public:
    virtual ~Display() = default;

    // The desktop's size, read before any window is shown.
    virtual Size desktopSize() const = 0;

    // Shows a window of width x height, or goes full screen: full screen always covers the
    // desktop, and the requested size becomes the drawing surface fitted into it. False (and
    // `error`) when it cannot.
    virtual bool open(int width, int height, bool fullScreen, std::string& error) = 0;
    virtual Size surfaceSize() const = 0;
    virtual bool fullScreen() const = 0;

    // Where the logical screen's frame goes on the surface, in surface pixels.
    virtual void setFramePlacement(const FRect& onSurface) = 0;

    // Ends the renderer's frame and shows it, waiting for the display's refresh where the
    // driver offers that, and never faster than 60 frames a second (sleeping, not spinning, for
    // what is left); headless at once. A frame that repeats the last one is not drawn again.
    virtual void present() = 0;
    // How many frames a second present() lets through at most from now on (60 unless changed;
    // fixed-step and headless runs are not paced at all).
    virtual void setFramePace(int framesPerSecond) = 0;

    virtual void setTitle(const std::string& title) = 0;
    virtual void setIcon(const Image& icon) = 0;

    // Whether the game's window has the focus and is not minimised. Only a window that once
    // had the focus can lose it; headless displays are always active.
    virtual bool isActive() const = 0;

    // Whether the window can be seen at all: not minimised or hidden. A display that cannot
    // tell says it can.
    virtual bool visible() const { return true; }
    // Reads pending window, mouse and keyboard events into `input`.
    virtual void pumpEvents(Input& input) = 0;
    // Waits at most `milliseconds` for the next window, mouse or keyboard event, leaving it to
    // pumpEvents (at once where there are no events to wait for).
    virtual void waitForEvent(int milliseconds) { static_cast<void>(milliseconds); }
    virtual void showPointer(bool visible) = 0;

    // A modal message box (printed to standard error when there is no screen to show it on).
    virtual void messageBox(const std::string& title, const std::string& text) = 0;
    // Opens a web address in the system's browser; false when that could not be started.
    virtual bool openUrl(const std::string& url) = 0;

    virtual bool headless() const = 0;
    virtual Renderer& renderer() = 0;
};
} // namespace media
