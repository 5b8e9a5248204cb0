// SdlDisplay.hpp: an SDL window (or SDL's dummy video driver, headless) showing the frame.
#pragma once

#include "media/Display.hpp"
#include "media/sdl/SdlHandles.hpp"
#include "media/sdl/SdlRenderer.hpp"

#include <chrono>
#include <cstdint>
#include <memory>
#include <string>

namespace media
{
class SdlDisplay final : public Display
{
public:
    // Starts SDL's video and makes a hidden window with its renderer (OpenGL where present,
    // else software; headless: the dummy driver and the software renderer). Nothing and
    // `error` when SDL cannot start.
    static std::unique_ptr<SdlDisplay> create(bool headless, std::string& error);
    ~SdlDisplay() override;

    Size desktopSize() const override { return desktop_; }
    bool open(int width, int height, bool fullScreen, std::string& error) override;
    Size surfaceSize() const override { return surface_; }
    bool fullScreen() const override { return fullScreen_; }
    void setFramePlacement(const FRect& onSurface) override
    {
        windowStale_ = windowStale_ || onSurface != placement_;
        placement_ = onSurface;
    }
    void present() override;
    void setFramePace(int framesPerSecond) override;
    void setTitle(const std::string& title) override;
    void setIcon(const Image& icon) override;
    bool isActive() const override;
    bool visible() const override;
    void pumpEvents(Input& input) override;
    void waitForEvent(int milliseconds) override;
    void showPointer(bool visible) override;
    void messageBox(const std::string& title, const std::string& text) override;
    bool openUrl(const std::string& url) override;
    bool headless() const override { return headless_; }
    Renderer& renderer() override { return renderer_; }

    const std::string& rendererName() const { return renderer_.driverName(); }

private:
    struct Key
    {
        explicit Key() = default;
    };

public:
    // Only create() can make one (the key is private), so every display has SDL behind it.
    SdlDisplay(Key, bool headless) : headless_(headless) {}

private:
    // Where the surface lies in the window's output pixels, and its scale there.
    struct Fit
    {
        float x = 0, y = 0, scale = 1;
    };
    Fit surfaceFit() const;
    void readOutputSize();
    // Window coordinates of a mouse event as surface pixels.
    void toSurface(int windowX, int windowY, float& x, float& y) const;
    // Sleeps until this frame's turn comes, at the frame pace.
    void throttle();

    sdl::SdlSession session_; // first, so SDL quits after everything below is gone
    sdl::WindowPtr window_;
    sdl::SdlRenderer renderer_;
    bool headless_ = false;
    Size desktop_{};
    Size surface_{1024, 768};
    Size output_{1024, 768}; // the window's drawable pixels
    bool fullScreen_ = false;
    FRect placement_{0, 0, 1024, 768};
    bool focused_ = false;
    bool everFocused_ = false;
    bool minimised_ = false;
    bool windowStale_ = true; // the window must be shown the frame again, changed or not
    std::chrono::steady_clock::duration frameTime_ = std::chrono::microseconds(16667);
    std::chrono::steady_clock::time_point lastFrame_{}; // when the last frame's turn came
};
} // namespace media
