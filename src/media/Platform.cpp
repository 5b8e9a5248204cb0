// Platform.cpp: choosing and installing the backend.
#include "media/Platform.hpp"

#include "media/Report.hpp"
#include "media/null/NullAudio.hpp"
#include "media/null/NullDisplay.hpp"
#include "media/openal/OpenAlDevice.hpp"
#include "media/sdl/SdlDisplay.hpp"

#include <cassert>
#include <chrono>
#include <cstdlib>

namespace media
{
namespace
{
Platform* current = nullptr;

std::unique_ptr<AudioDevice> chooseAudio(const PlatformOptions& options, const Clock& clock)
{
    if (options.backend == Backend::Null)
        return std::make_unique<NullAudio>(clock);
    const char* drivers = std::getenv("ALSOFT_DRIVERS");
    bool configured = drivers && drivers[0];
    if (options.backend == Backend::Headless && !configured)
        return std::make_unique<NullAudio>(clock);
    std::string error;
    if (auto device = openal::OpenAlDevice::openDefault(error))
        return device;
    // OpenAL reads its driver list once per process, so naming its null driver now would not
    // be heard; its loopback device needs no driver at all.
    std::string loopbackError;
    if (auto device = openal::OpenAlDevice::openLoopback(clock, loopbackError)) {
        reportLine("No sound: " + error + "; the game plays silently");
        return device;
    }
    reportLine("No sound: " + error + ", and " + loopbackError + "; the game plays silently");
    return std::make_unique<NullAudio>(clock);
}
} // namespace

Platform::Platform(std::unique_ptr<Display> display, std::unique_ptr<Clock> clock, std::uint32_t seed,
                   std::unique_ptr<AudioDevice> audio)
    : display_(std::move(display)), clock_(std::move(clock)), audio_(std::move(audio)), random_(seed),
      pictures_(display_->renderer())
{
    if (!audio_)
        audio_ = std::make_unique<NullAudio>(*clock_);
}

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
    std::unique_ptr<AudioDevice> audio = chooseAudio(options, *clock);
    auto created = std::make_unique<Platform>(std::move(display), std::move(clock), seed, std::move(audio));
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

AudioDevice& audio()
{
    return platform().audio();
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
