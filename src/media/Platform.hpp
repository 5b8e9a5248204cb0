// Platform.hpp: the media services of one run, chosen once at start-up.
#pragma once

#include "media/AudioDevice.hpp"
#include "media/Clock.hpp"
#include "media/Display.hpp"
#include "media/FontCache.hpp"
#include "media/Input.hpp"
#include "media/PictureCache.hpp"
#include "media/Random.hpp"
#include "media/Renderer.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

namespace media
{
enum class Backend
{
    Window,   // SDL: a real window, OpenGL where present, else the software renderer
    Headless, // SDL's dummy video driver with the software renderer: no window, real pixels
    Null      // draws nothing at all (unit tests, drawing-off runs); never chosen on its own
};

struct PlatformOptions
{
    Backend backend = Backend::Window;
    bool fixedStep = false;            // the clock advances 1000/60 ms per frame
    std::optional<std::uint32_t> seed; // else seeded from the clock
    Size nullDesktop{1920, 1080};      // the desktop a Null display reports
};

// Owns every media service. The accessors below reach the installed platform.
class Platform
{
public:
    // Without an audio device, the platform plays silently (NullAudio on its clock).
    Platform(std::unique_ptr<Display> display, std::unique_ptr<Clock> clock, std::uint32_t seed,
             std::unique_ptr<AudioDevice> audio = nullptr);
    ~Platform();
    Platform(const Platform&) = delete;
    Platform& operator=(const Platform&) = delete;

    Display& display() { return *display_; }
    Renderer& renderer() { return display_->renderer(); }
    Input& input() { return input_; }
    Clock& clock() { return *clock_; }
    AudioDevice& audio() { return *audio_; }
    Random& random() { return random_; }
    PictureCache& pictures() { return pictures_; }
    FontCache& fonts() { return fonts_; }

private:
    std::unique_ptr<Display> display_;
    std::unique_ptr<Clock> clock_;
    std::unique_ptr<AudioDevice> audio_; // after the clock: a silent device keeps time by it
    Input input_;
    Random random_;
    PictureCache pictures_;
    FontCache fonts_;
};

// Creates the platform and installs it for the accessors. Nothing (and `error`) when the
// display cannot be started.
//
// Sound never stops the game from starting. A window opens the default sound device; without
// one (no sound card) OpenAL's loopback device mixes silently on the game clock, and failing
// that the game plays silently (one console line either way). Headless runs play silently
// unless ALSOFT_DRIVERS is set, which opens OpenAL as configured (tests record the mix with
// its "wave" driver); the Null backend always plays silently.
std::unique_ptr<Platform> createPlatform(const PlatformOptions& options, std::string& error);

// Installs a platform for the accessors (nullptr uninstalls); createPlatform does it itself.
void install(Platform* platform);
bool installed();

Platform& platform();
Renderer& gfx();
Display& display();
Input& input();
Clock& clock();
AudioDevice& audio();
Random& random();
PictureCache& pictures();
FontCache& fonts();
} // namespace media
