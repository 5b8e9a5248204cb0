// BenchProgram.hpp: the game assembled in-process for a benchmark, on a chosen backend, with the
// shipped content of the run folder loaded.
#pragma once

#include "base/TDeltaTime.hpp"
#include "base/VirtualScreen.hpp"
#include "cards/Cards.hpp"
#include "cards/ResourceTypes.hpp"
#include "cards/Swords.hpp"
#include "data/Language.hpp"
#include "effects/Captions.hpp"
#include "effects/TParticle.hpp"
#include "gui/TMouse.hpp"
#include "levels/TLevelManager.hpp"
#include "media/Platform.hpp"
#include "screens/TMainGame.hpp"
#include "screens/TProfileManager.hpp"
#include "shell/Eldmere.hpp"

#include <filesystem>
#include <memory>
#include <string>

namespace bench
{
// Installs a program for the life of the object; `ok()` is false (and `error()` says why) when
// the platform could not start.
class BenchProgram
{
public:
    explicit BenchProgram(media::Backend backend)
    {
        std::filesystem::current_path(ELDMERE_RUN_DIR);
        shell::LaunchOptions options;
        options.headless = true;
        options.fixedStep = true;
        auto program = std::make_unique<shell::Eldmere>(options);
        p_ = program.get();
        old_ = base::swapProgram(std::move(program));
        media::PlatformOptions platformOptions;
        platformOptions.backend = backend;
        platformOptions.fixedStep = true;
        platformOptions.seed = 1;
        platformOptions.nullDesktop = {1024, 768};
        p_->platform = media::createPlatform(platformOptions, error_);
        if (!p_->platform)
            return;
        language = "en";
        p_->windowTitle = "Eldmere";
        p_->deltaTime = TDeltaTime::Create(60);
        p_->mouse = std::make_unique<TMouse>();
        p_->mouse->loadCursor("normal", "gfx/kursor.png", 14, 6, 1, 0);
        p_->whiteImage = p_->platform->pictures().load("gfx/white.png");
        p_->pointImage = p_->platform->pictures().load("gfx/point.png");
        const media::Size desktop = p_->platform->display().desktopSize();
        p_->desktopWidth = desktop.width;
        p_->desktopHeight = desktop.height;
        openGraphics(1024, 768, false, false);
        loadCards();
        loadSwords();
        loadResources();
        loadCaptionImages();
        TParticle::setup();
        p_->levelManager = std::make_unique<TLevelManager>();
        p_->profileManager = std::make_unique<TProfileManager>();
        p_->profileManager->useGuestProfile();
        p_->mainGame = std::make_unique<TMainGame>();
        p_->mainGame->setup();
    }
    ~BenchProgram() { base::swapProgram(std::move(old_)); }
    BenchProgram(const BenchProgram&) = delete;
    BenchProgram& operator=(const BenchProgram&) = delete;

    bool ok() const { return static_cast<bool>(p_->platform); }
    const std::string& error() const { return error_; }
    shell::Eldmere& program() { return *p_; }

private:
    shell::Eldmere* p_ = nullptr;
    std::unique_ptr<base::Program> old_;
    std::string error_;
};
} // namespace bench
