// TitleScreenBench.cpp: one whole frame of the title screen, drawn headless by SDL's software
// renderer (the slowest renderer the game runs on): update, draw, present, clear; the clouds
// drifting, the lights pulsing and the logo sparkling. The busiest frames are those of the
// intro, where the night and the oak are drawn zoomed; the frames after it are the ones a
// player looks at the longest.
#include "base/TDeltaTime.hpp"
#include "base/VirtualScreen.hpp"
#include "data/Language.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"
#include "screens/TMainMenu.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/Eldmere.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace
{
// state.range(0): 1 = a frame in the middle of the intro's zoom, 0 = a frame after the intro.
void TitleScreenFrame(benchmark::State& state)
{
    std::filesystem::current_path(ELDMERE_RUN_DIR);
    shell::LaunchOptions options;
    options.headless = true;
    options.fixedStep = true;
    auto program = std::make_unique<shell::Eldmere>(options);
    shell::Eldmere& p = *program;
    auto old = base::swapProgram(std::move(program));

    media::PlatformOptions platformOptions;
    platformOptions.backend = media::Backend::Headless;
    platformOptions.fixedStep = true;
    platformOptions.seed = 1;
    std::string error;
    p.platform = media::createPlatform(platformOptions, error);
    if (!p.platform) {
        state.SkipWithError(error.c_str());
        return;
    }
    language = "en";
    p.windowTitle = "Eldmere";
    p.deltaTime = TDeltaTime::Create(60);
    p.mouse = std::make_unique<TMouse>();
    p.mouse->loadCursor("normal", "gfx/kursor.png", 14, 6, 1, 0);
    p.whiteImage = p.platform->pictures().load("gfx/white.png");
    p.desktopWidth = p.platform->display().desktopSize().width;
    p.desktopHeight = p.platform->display().desktopSize().height;
    openGraphics(1024, 768, false, false);
    // A player to greet, so the menu takes no name first.
    p.profileManager = std::make_unique<TProfileManager>();
    p.profileManager->useGuestProfile().name = "ANNA";
    TMainMenu screen;
    screen.setup();
    screen.prepare();
    // The intro zooms in over 200 frames and the menu fades in after it.
    for (int frame = 0; frame < 300; ++frame) {
        screen.update();
        screen.draw();
        endFrame(false);
    }
    if (state.range(0) == 1) {
        // The zoom held halfway: every frame draws the night and the oak scaled.
        screen.per = screen.dPer = 0.5f;
    }
    for (auto _ : state) {
        screen.update();
        screen.draw();
        endFrame(false);
    }
    base::swapProgram(std::move(old));
}
BENCHMARK(TitleScreenFrame)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);
} // namespace
