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
    void present() override { ++presented_; }
    void setTitle(const std::string& title) override { title_ = title; }
    void setIcon(const Image&) override {}
    bool isActive() const override { return active_; }
    void pumpEvents(Input&) override;
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
    bool pointerVisible() const { return pointerVisible_; }
    void setActive(bool active) { active_ = active; }
    // Inactive now, active again after `pumps` more event pumps (as when the player comes back).
    void deactivateFor(int pumps)
    {
        active_ = false;
        pumpsUntilActive_ = pumps;
    }
    int pumps() const { return pumps_; }
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
    bool active_ = true;
    bool pointerVisible_ = true;
    int refusals_ = 0;
    int pumps_ = 0;
    int pumpsUntilActive_ = 0;
    std::deque<std::string> messages_;
    std::deque<std::string> urls_;
    NullRenderer renderer_;
};
} // namespace media
