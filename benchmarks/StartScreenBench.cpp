// StartScreenBench.cpp: one whole frame of the start screen, drawn headless by SDL's software
// renderer (the slowest renderer the game runs on): update, draw, present, clear.
#include "base/TDeltaTime.hpp"
#include "base/VirtualScreen.hpp"
#include "data/Language.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/Frame.hpp"
#include "screens/StartScreen.hpp"
#include "shell/Eldmere.hpp"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace
{
void StartScreenFrame(benchmark::State& state)
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
    screens::StartScreen screen;
    screen.setup();
    screen.prepare();
    // A few clicks keep ripples on the water, as a player would see them.
    for (int frame = 0; frame < 60; ++frame) {
        if (frame % 10 == 0) {
            p.platform->input().feedMouseMove(200.0f + frame * 10, 600);
            p.platform->input().feedMouseButton(1, true);
            p.platform->input().feedMouseButton(1, false);
        }
        screen.update();
        screen.draw();
        endFrame(false);
    }
    for (auto _ : state) {
        screen.update();
        screen.draw();
        endFrame(false);
    }
    base::swapProgram(std::move(old));
}
BENCHMARK(StartScreenFrame)->Unit(benchmark::kMillisecond);
} // namespace
