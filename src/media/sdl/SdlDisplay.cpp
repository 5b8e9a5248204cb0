// SdlDisplay.cpp
#include "media/sdl/SdlDisplay.hpp"

#include "media/Image.hpp"
#include "media/Input.hpp"
#include "media/Report.hpp"
#include "media/Text.hpp"
#include "media/sdl/SdlKeys.hpp"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <system_error>
#include <thread>

namespace media
{
namespace
{
using namespace media::sdl;

// Whether the OpenGL behind `renderer` draws on the processor (Mesa's llvmpipe, softpipe or
// swrast): then SDL's own software renderer does the same work with less memory and no
// rasteriser threads.
bool drawsOnTheProcessor(SDL_Renderer* renderer)
{
    using GetString = const unsigned char* (*)(unsigned);
    constexpr unsigned glRenderer = 0x1F01;
    SDL_RenderFlush(renderer); // makes the renderer's context current
    auto getString = reinterpret_cast<GetString>(SDL_GL_GetProcAddress("glGetString"));
    const unsigned char* name = getString ? getString(glRenderer) : nullptr;
    if (!name)
        return false;
    const std::string text = media::text::toLower(reinterpret_cast<const char*>(name));
    for (const char* software : {"llvmpipe", "softpipe", "swrast", "software rasterizer"}) {
        if (text.find(software) != std::string::npos)
            return true;
    }
    return false;
}

// Whether this process may use a graphics processor at all: without a DRM device (or the
// NVIDIA driver's) it can open, OpenGL could only draw on the processor, and loading it to
// find that out would cost tens of megabytes and a few threads that stay for the whole run.
bool graphicsDeviceAvailable()
{
    if (const char* forced = std::getenv("LIBGL_ALWAYS_SOFTWARE");
        forced && *forced && std::string(forced) != "0")
        return false;
    std::error_code error;
    for (const auto& entry : std::filesystem::directory_iterator("/dev/dri", error)) {
        const std::string name = entry.path().filename().string();
        if ((name.starts_with("renderD") || name.starts_with("card"))
            && ::access(entry.path().c_str(), R_OK | W_OK) == 0)
            return true;
    }
    return ::access("/dev/nvidiactl", R_OK | W_OK) == 0;
}

// SDL's software renderer on `window`, drawing straight into the window's own pixels (not,
// as SDL would by default, through an OpenGL texture).
RendererPtr softwareRenderer(SDL_Window* window)
{
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    return RendererPtr(SDL_CreateRenderer(window, -1, SDL_RENDERER_SOFTWARE | SDL_RENDERER_TARGETTEXTURE));
}

WindowPtr hiddenWindow()
{
    return WindowPtr(
        SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, 1024, 768, SDL_WINDOW_HIDDEN));
}

// The renderer to draw with: OpenGL where a graphics processor is behind it, else SDL's
// software renderer. SDL_RENDER_DRIVER ("opengl" or "software") settles the choice instead.
// The window may be made anew on the way (OpenGL windows cannot take a plain framebuffer).
RendererPtr makeRenderer(WindowPtr& window, bool headless)
{
    if (headless)
        return softwareRenderer(window.get());
    const char* asked = SDL_GetHint(SDL_HINT_RENDER_DRIVER);
    const std::string wanted = asked ? media::text::toLower(asked) : std::string();
    if (wanted == "opengl" || (wanted != "software" && graphicsDeviceAvailable())) {
        for (int i = 0; i < SDL_GetNumRenderDrivers(); ++i) {
            SDL_RendererInfo info;
            if (SDL_GetRenderDriverInfo(i, &info) != 0 || std::string(info.name) != "opengl")
                continue;
            RendererPtr gl(
                SDL_CreateRenderer(window.get(), i, SDL_RENDERER_ACCELERATED | SDL_RENDERER_TARGETTEXTURE));
            if (!gl)
                break;
            if (wanted == "opengl" || !drawsOnTheProcessor(gl.get()))
                return gl;
            // Destroying the OpenGL window lets SDL unload the OpenGL library again.
            gl.reset();
            window = hiddenWindow();
            if (!window)
                return nullptr;
            break;
        }
    }
    return softwareRenderer(window.get());
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

    d->window_ = hiddenWindow();
    if (!d->window_) {
        error = std::string("cannot create the game's window: ") + SDL_GetError();
        return nullptr;
    }
    RendererPtr renderer = makeRenderer(d->window_, headless);
    if (!renderer || !d->window_) {
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
    windowStale_ = true;
    // Frames wait for the display's refresh wherever the driver offers it.
    if (!headless_)
        SDL_RenderSetVSync(renderer_.sdl(), 1);
    lastFrame_ = {};
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
    // A frame that repeats the last one is already in the window, unless the window lost it.
    const bool changed = renderer_.endFrame();
    if (!changed && !windowStale_) {
        if (!headless_)
            throttle();
        return;
    }
    windowStale_ = false;
    if (headless_ && renderer_.ownsFrame()) {
        // Nobody sees a headless window: the frame stays where it was drawn, for screenshots.
        renderer_.finishDrawing();
        renderer_.bindFrame();
        return;
    }
    SDL_Renderer* r = renderer_.sdl();
    SDL_SetRenderTarget(r, nullptr);
    SDL_GetRendererOutputSize(r, &output_.width, &output_.height);
    Fit fit = surfaceFit();
    SDL_FRect dest{fit.x + placement_.x * fit.scale, fit.y + placement_.y * fit.scale,
                   placement_.w * fit.scale, placement_.h * fit.scale};
    // Black bars where the frame leaves the window uncovered.
    if (dest.x > 0 || dest.y > 0 || dest.x + dest.w < output_.width || dest.y + dest.h < output_.height) {
        SDL_SetRenderDrawColor(r, 0, 0, 0, 255);
        SDL_RenderClear(r);
    }
    SDL_RenderCopyF(r, renderer_.frameToShow(), nullptr, &dest);
    SDL_RenderPresent(r);
    renderer_.bindFrame();
    if (!headless_)
        throttle();
}

void SdlDisplay::setFramePace(int framesPerSecond)
{
    using namespace std::chrono;
    frameTime_ =
        duration_cast<steady_clock::duration>(duration<double>(1.0 / std::clamp(framesPerSecond, 1, 60)));
}

void SdlDisplay::throttle()
{
    // With the refresh waited for, the present has usually used up the frame's time already;
    // where it is not (or a slower pace is wanted), the rest is slept away.
    using Clock = std::chrono::steady_clock;
    const Clock::time_point now = Clock::now();
    const Clock::time_point turn = lastFrame_ + frameTime_;
    if (lastFrame_ == Clock::time_point{} || now > turn + frameTime_) {
        // First frame, or far behind: the pace starts again from now.
        lastFrame_ = now;
        return;
    }
    if (now < turn)
        std::this_thread::sleep_until(turn);
    lastFrame_ = turn;
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

bool SdlDisplay::visible() const
{
    if (headless_)
        return true;
    const Uint32 flags = SDL_GetWindowFlags(window_.get());
    return !minimised_ && !(flags & (SDL_WINDOW_MINIMIZED | SDL_WINDOW_HIDDEN));
}

void SdlDisplay::waitForEvent(int milliseconds)
{
    if (!headless_)
        SDL_WaitEventTimeout(nullptr, milliseconds);
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
            case SDL_WINDOWEVENT_SIZE_CHANGED:
                readOutputSize();
                windowStale_ = true;
                break;
            case SDL_WINDOWEVENT_EXPOSED: windowStale_ = true; break;
            case SDL_WINDOWEVENT_MINIMIZED: minimised_ = true; break;
            case SDL_WINDOWEVENT_RESTORED:
            case SDL_WINDOWEVENT_MAXIMIZED:
            case SDL_WINDOWEVENT_SHOWN:
                minimised_ = false;
                windowStale_ = true;
                break;
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
