// Platform.cpp: choosing and installing the backend.
#include "media/Platform.hpp"

#include "media/null/NullDisplay.hpp"
#include "media/sdl/SdlDisplay.hpp"

#include <cassert>
#include <chrono>

namespace media
{
namespace
{
Platform* current = nullptr;
}

Platform::Platform(std::unique_ptr<Display> display, std::unique_ptr<Clock> clock, std::uint32_t seed)
    : display_(std::move(display)), clock_(std::move(clock)), random_(seed), pictures_(display_->renderer())
{}

Platform::~Platform()
{
    if (current == this)
        current = nullptr;
}

std::unique_ptr<Platform> createPlatform(const PlatformOptions& options, std::string& error)
{
    std::unique_ptr<Display> display;
    if (options.backend == Backend::Null) {
        display = std::make_unique<NullDisplay>(options.nullDesktop);
    } else {
        display = SdlDisplay::create(options.backend == Backend::Headless, error);
        if (!display)
            return nullptr;
    }
    std::unique_ptr<Clock> clock;
    if (options.fixedStep)
        clock = std::make_unique<FixedStepClock>();
    else
        clock = std::make_unique<SystemClock>();
    std::uint32_t seed = options.seed.value_or(static_cast<std::uint32_t>(
        std::chrono::steady_clock::now().time_since_epoch().count() & 0xFFFFFFFFu));
    auto created = std::make_unique<Platform>(std::move(display), std::move(clock), seed);
    install(created.get());
    return created;
}

void install(Platform* platform)
{
    current = platform;
}

bool installed()
{
    return current != nullptr;
}

Platform& platform()
{
    assert(current && "no media platform installed");
    return *current;
}

Renderer& gfx()
{
    return platform().renderer();
}

Display& display()
{
    return platform().display();
}

Input& input()
{
    return platform().input();
}

Clock& clock()
{
    return platform().clock();
}

Random& random()
{
    return platform().random();
}

PictureCache& pictures()
{
    return platform().pictures();
}

FontCache& fonts()
{
    return platform().fonts();
}
} // namespace media
