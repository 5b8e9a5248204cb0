// TestProgram.hpp: a program assembled on the null platform, installed for one test.
#pragma once

#include "base/Program.hpp"
#include "base/TDeltaTime.hpp"
#include "base/VirtualScreen.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "media/null/NullAudio.hpp"
#include "media/null/NullDisplay.hpp"
#include "shell/Eldmere.hpp"
#include "support/TempFolder.hpp"

#include <filesystem>
#include <memory>
#include <string>

namespace testing_support
{
// A clock a test moves by hand, or, with stepsWithFrames, one that every frame moves on by a
// 60th of a second (with a delta of exactly 1), so a screen's own loop runs as in a fixed-step run.
class ManualClock final : public media::Clock
{
public:
    std::int64_t millisecs() const override { return now; }
    void frameDone() override
    {
        if (stepsWithFrames)
            now += 17;
    }
    bool fixedStep() const override { return stepsWithFrames; }
    std::int64_t now = 0;
    bool stepsWithFrames = false;
};

// The working folder changed for the life of the object.
class InFolder
{
public:
    explicit InFolder(const std::string& folder) : old_(std::filesystem::current_path())
    {
        std::filesystem::current_path(folder);
    }
    ~InFolder() { std::filesystem::current_path(old_); }
    InFolder(const InFolder&) = delete;
    InFolder& operator=(const InFolder&) = delete;

private:
    std::filesystem::path old_;
};

// A program on the null platform with a manual clock, silent speakers on that clock, a frame
// timer and a mouse; the display is opened as a 1024 x 768 window on a 1920 x 1080 desktop.
class TestProgram
{
public:
    explicit TestProgram(shell::LaunchOptions options = {}, media::Size desktop = {1920, 1080})
    {
        auto program = std::make_unique<shell::Eldmere>(options);
        auto clock = std::make_unique<ManualClock>();
        clock_ = clock.get();
        auto display = std::make_unique<media::NullDisplay>(desktop);
        display_ = display.get();
        auto audio = std::make_unique<media::NullAudio>(*clock);
        audio_ = audio.get();
        program->platform =
            std::make_unique<media::Platform>(std::move(display), std::move(clock), 7, std::move(audio));
        media::install(program->platform.get());
        program->deltaTime = TDeltaTime::Create(60);
        program->mouse = std::make_unique<TMouse>();
        program->desktopWidth = desktop.width;
        program->desktopHeight = desktop.height;
        program_ = program.get();
        previous_ = base::swapProgram(std::move(program));
        openGraphics(1024, 768, false, false);
    }
    ~TestProgram()
    {
        // Taken down while its own platform is still the one in place, then the old one is back.
        base::swapProgram(std::move(previous_)).reset();
        media::install(previous_platform());
    }
    TestProgram(const TestProgram&) = delete;
    TestProgram& operator=(const TestProgram&) = delete;

    shell::Eldmere& program() { return *program_; }
    ManualClock& clock() { return *clock_; }
    media::NullDisplay& display() { return *display_; }
    media::NullAudio& audio() { return *audio_; }
    media::Input& input() { return program_->platform->input(); }

private:
    media::Platform* previous_platform()
    {
        return base::hasProgram() ? base::program().platform.get() : nullptr;
    }

    shell::Eldmere* program_ = nullptr;
    ManualClock* clock_ = nullptr;
    media::NullDisplay* display_ = nullptr;
    media::NullAudio* audio_ = nullptr;
    std::unique_ptr<base::Program> previous_;
};
} // namespace testing_support
