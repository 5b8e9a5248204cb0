// NullDisplay.hpp: a display with no screen, for tests and drawing-off runs.
#pragma once

#include "media/Display.hpp"
#include "media/null/NullRenderer.hpp"

#include <deque>
#include <string>

namespace media
{
class NullDisplay final : public Display
{
public:
    explicit NullDisplay(Size desktop) : desktop_(desktop) {}

    Size desktopSize() const override { return desktop_; }
    bool open(int width, int height, bool fullScreen, std::string& error) override;
    Size surfaceSize() const override { return surface_; }
    bool fullScreen() const override { return fullScreen_; }
    void setFramePlacement(const FRect& onSurface) override { placement_ = onSurface; }
    void present() override
    {
        ++presented_;
        renderer_.endFrame();
    }
    void setFramePace(int framesPerSecond) override { pace_ = framesPerSecond; }
    void setTitle(const std::string& title) override { title_ = title; }
    void setIcon(const Image&) override {}
    bool isActive() const override { return active_; }
    bool visible() const override { return visible_; }
    void pumpEvents(Input&) override;
    void waitForEvent(int milliseconds) override { waited_ += milliseconds; }
    void showPointer(bool visible) override { pointerVisible_ = visible; }
    void messageBox(const std::string& title, const std::string& text) override;
    bool openUrl(const std::string& url) override;
    bool headless() const override { return true; }
    Renderer& renderer() override { return renderer_; }

    // What tests look at, and the knobs they turn.
    NullRenderer& nullRenderer() { return renderer_; }
    const FRect& placement() const { return placement_; }
    const std::string& title() const { return title_; }
    int presented() const { return presented_; }
    int framePace() const { return pace_; }
    bool pointerVisible() const { return pointerVisible_; }
    void setActive(bool active) { active_ = active; }
    // Inactive now, active again after `pumps` more event pumps (as when the player comes back).
    void deactivateFor(int pumps)
    {
        active_ = false;
        pumpsUntilActive_ = pumps;
    }
    int pumps() const { return pumps_; }
    // A minimised window: it cannot be seen (and so is not active either).
    void setVisible(bool visible) { visible_ = visible; }
    // How long the game has waited for events, in milliseconds asked for.
    int waited() const { return waited_; }
    // Lets a test refuse the next open() calls, to see the fallbacks.
    void refuseOpens(int count) { refusals_ = count; }
    const std::deque<std::string>& messages() const { return messages_; }
    const std::deque<std::string>& openedUrls() const { return urls_; }

private:
    Size desktop_;
    Size surface_{};
    bool fullScreen_ = false;
    FRect placement_{};
    std::string title_;
    int presented_ = 0;
    int pace_ = 60;
    bool active_ = true;
    bool visible_ = true;
    int waited_ = 0;
    bool pointerVisible_ = true;
    int refusals_ = 0;
    int pumps_ = 0;
    int pumpsUntilActive_ = 0;
    std::deque<std::string> messages_;
    std::deque<std::string> urls_;
    NullRenderer renderer_;
};
} // namespace media
