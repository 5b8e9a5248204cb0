// SdlDisplay.cpp
#include "media/sdl/SdlDisplay.hpp"

#include "media/Image.hpp"
#include "media/Input.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "media/sdl/SdlKeys.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
using namespace media::sdl;

// The renderer to draw with: OpenGL where there is one, else SDL's software renderer.
RendererPtr makeRenderer(SDL_Window* window, bool headless)
{
    if (!headless) {
        for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
            SDL_RendererInfo info;
            if (SDL_GetRenderDriverInfo(i, &info) == 0 && std::string(info.name) == "opengl") {
                RendererPtr gl(
                    SDL_CreateRenderer(window, i, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE));
                if (gl)
                    return gl;
            }
        }
    }
    return RendererPtr(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE));
}

int mouseButton(Uint8 sdlButton)
{
    switch (sdlButton) {
    case SDL_BUTTON_LEFT: return mouse::Left;
    case SDL_BUTTON_RIGHT: return mouse::Right;
    case SDL_BUTTON_MIDDLE: return mouse::Middle;
    default: return 0;
    }
}
} // namespace

std::unique_ptr<SdlDisplay> SdlDisplay::create(bool headless, std::string& error)
{
    if (headless)
        SDL_SetHintWithPriority(SDL_HINT_VIDEODRIVER, "dummy", SDL_HINT_OVERRIDE);
    // The game draws its own cursor and reads the mouse in its own logical space.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");

    auto d = std::make_unique<SdlDisplay>(Key{}, headless);
    if (!d->session_.start(SDL_INIT_VIDEO | SDL_INIT_EVENTS)) {
        error = std::string("cannot start the display (SDL video): ") + SDL_GetError();
        return nullptr;
    }
    SDL_DisplayMode mode;
    if (SDL_GetDesktopDisplayMode(0, &mode) == 0)
        d->desktop_ = {mode.w, mode.h};
    else
        d->desktop_ = {1024, 768};

    d->window_.reset(
        SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768, SDL_WINDOW_HIDDEN));
    if (!d->window_) {
        error = std::string("cannot create the game's window: ") + SDL_GetError();
        return nullptr;
    }
    RendererPtr renderer = makeRenderer(d->window_.get(), headless);
    if (!renderer) {
        error = std::string("cannot create a renderer for the game's window: ") + SDL_GetError();
        return nullptr;
    }
    if (!d->renderer_.start(std::move(renderer), error))
        return nullptr;
    SDL_StartTextInput();
    return d;
}

SdlDisplay::~SdlDisplay()
{
    renderer_.stop();
    window_.reset();
}

bool SdlDisplay::open(int width, int height, bool fullScreen, std::string& error)
{
    SDL_Window* w = window_.get();
    if (width <= 0 || height <= 0) {
        error = "bad display size " + std::to_string(width) + "x" + std::to_string(height);
        return false;
    }
    if (fullScreen) {
        // Cover the desktop before asking for full screen: without a window manager the
        // window keeps the size it had.
        SDL_SetWindowSize(w, desktop_.width, desktop_.height);
        SDL_SetWindowPosition(w, 0, 0);
        if (SDL_SetWindowFullscreen(w, SDL_WINDOW_FULLSCREEN_DESKTOP) != 0) {
            error = std::string("cannot go full screen: ") + SDL_GetError();
            return false;
        }
    } else {
        if (SDL_SetWindowFullscreen(w, 0) != 0) {
            error = std::string("cannot leave full screen: ") + SDL_GetError();
            return false;
        }
        SDL_SetWindowSize(w, width, height);
        SDL_SetWindowPosition(w, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    }
    SDL_ShowWindow(w);
    surface_ = {width, height};
    fullScreen_ = fullScreen;
    readOutputSize();
    // Full screen waits for the display's refresh; a window keeps its own pace.
    vsync_ = !headless_ && fullScreen && SDL_RenderSetVSync(renderer_.sdl(), 1) == 0;
    if (!fullScreen)
        SDL_RenderSetVSync(renderer_.sdl(), 0);
    nextFrameTicks_ = 0;
    return true;
}

SdlDisplay::Fit SdlDisplay::surfaceFit() const
{
    const int ow = output_.width;
    const int oh = output_.height;
    if (ow <= 0 || oh <= 0 || surface_.width <= 0 || surface_.height <= 0)
        return {};
    float scale = std::min(static_cast<float>(ow) / surface_.width, static_cast<float>(oh) / surface_.height);
    return {(ow - surface_.width * scale) * 0.5f, (oh - surface_.height * scale) * 0.5f, scale};
}

void SdlDisplay::readOutputSize()
{
    // While the frame texture is the target, SDL reports the texture's size instead of the
    // window's: look with the window as the target.
    SDL_Renderer* r = renderer_.sdl();
    bool framebound = SDL_GetRenderTarget(r) != nullptr;
    if (framebound)
        SDL_SetRenderTarget(r, nullptr);
    SDL_GetRendererOutputSize(r, &output_.width, &output_.height);
    if (framebound)
        renderer_.bindFrame();
}

void SdlDisplay::present()
{
    SDL_Renderer* r = renderer_.sdl();
    SDL_SetRenderTarget(r, nullptr);
    SDL_GetRendererOutputSize(r, &output_.width, &output_.height);
    SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
    SDL_RenderClear(r);
    Fit fit = surfaceFit();
    SDL_FRect dest{fit.x + placement_.x * fit.scale, fit.y + placement_.y * fit.scale,
                   placement_.w * fit.scale, placement_.h * fit.scale};
    SDL_RenderCopyF(r, renderer_.frame(), nullptr, &dest);
    SDL_RenderPresent(r);
    renderer_.bindFrame();
    if (!headless_ && !vsync_)
        throttle();
}

void SdlDisplay::throttle()
{
    const std::uint64_t frequency = SDL_GetPerformanceFrequency();
    const std::uint64_t frame = frequency / 60;
    std::uint64_t now = SDL_GetPerformanceCounter();
    if (nextFrameTicks_ == 0 || now > nextFrameTicks_ + frame) {
        // First frame, or far behind: start the pace again from now.
        nextFrameTicks_ = now + frame;
        return;
    }
    if (now < nextFrameTicks_) {
        double waitMs = static_cast<double>(nextFrameTicks_ - now) * 1000.0 / static_cast<double>(frequency);
        if (waitMs > 1.5)
            SDL_Delay(static_cast<Uint32>(waitMs - 1.0));
        while (SDL_GetPerformanceCounter() < nextFrameTicks_) {
        }
    }
    nextFrameTicks_ += frame;
}

void SdlDisplay::setTitle(const std::string& title)
{
    SDL_SetWindowTitle(window_.get(), title.c_str());
}

void SdlDisplay::setIcon(const Image& icon)
{
    if (icon.empty())
        return;
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint8_t*>(icon.rgba.data()),
                                                          icon.width, icon.height, 32, icon.width * 4,
                                                          SDL_PIXELFORMAT_RGBA32));
    if (surface)
        SDL_SetWindowIcon(window_.get(), surface.get());
}

bool SdlDisplay::isActive() const
{
    if (headless_ || !everFocused_)
        return true;
    return focused_ && !minimised_;
}

void SdlDisplay::toSurface(int windowX, int windowY, float& x, float& y) const
{
    int ww = 0, wh = 0;
    SDL_GetWindowSize(window_.get(), &ww, &wh);
    // Window points to output pixels (they differ on high-density screens).
    float px = ww > 0 ? windowX * static_cast<float>(output_.width) / ww : static_cast<float>(windowX);
    float py = wh > 0 ? windowY * static_cast<float>(output_.height) / wh : static_cast<float>(windowY);
    Fit fit = surfaceFit();
    x = (px - fit.x) / fit.scale;
    y = (py - fit.y) / fit.scale;
}

void SdlDisplay::pumpEvents(Input& input)
{
    SDL_Event e;
    while (SDL_PollEvent(&e)) {
        switch (e.type) {
        case SDL_QUIT: input.requestClose(); break;
        case SDL_WINDOWEVENT:
            switch (e.window.event) {
            case SDL_WINDOWEVENT_CLOSE: input.requestClose(); break;
            case SDL_WINDOWEVENT_FOCUS_GAINED:
                focused_ = true;
                everFocused_ = true;
                break;
            case SDL_WINDOWEVENT_FOCUS_LOST: focused_ = false; break;
            case SDL_WINDOWEVENT_SIZE_CHANGED: readOutputSize(); break;
            case SDL_WINDOWEVENT_MINIMIZED: minimised_ = true; break;
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_MAXIMIZED:
            case SDL_WINDOWEVENT_SHOWN: minimised_ = false; break;
            default: break;
            }
            break;
        case SDL_MOUSEMOTION: {
            float x, y;
            toSurface(e.motion.x, e.motion.y, x, y);
            input.feedMouseMove(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
        case SDL_MOUSEBUTTONUP: {
            float x, y;
            toSurface(e.button.x, e.button.y, x, y);
            input.feedMouseMove(x, y);
            input.feedMouseButton(mouseButton(e.button.button), e.type == SDL_MOUSEBUTTONDOWN);
            break;
        }
        case SDL_MOUSEWHEEL: {
            int steps = e.wheel.y;
            if (e.wheel.direction == SDL_MOUSEWHEEL_FLIPPED)
                steps = -steps;
            input.feedWheel(steps);
            break;
        }
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            bool down = e.type == SDL_KEYDOWN;
            if (down) {
                if (char32_t c = sdl::controlChar(e.key.keysym))
                    input.feedChar(c);
            }
            if (e.key.repeat)
                break;
            int vk = sdl::virtualKey(e.key.keysym);
            input.feedKey(vk, down);
            if (int generic = sdl::genericModifier(vk))
                input.feedKey(generic, down);
            break;
        }
        case SDL_TEXTINPUT:
            for (char32_t c : text::toUtf32(e.text.text))
                input.feedChar(c);
            break;
        default: break;
        }
    }
}

void SdlDisplay::showPointer(bool visible)
{
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

void SdlDisplay::messageBox(const std::string& title, const std::string& text)
{
    reportLine(title + ": " + text);
    if (headless_)
        return;
    SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, title.c_str(), text.c_str(), window_.get());
}

bool SdlDisplay::openUrl(const std::string& url)
{
    return SDL_OpenURL(url.c_str()) == 0;
}
} // namespace media
