// GuiFixture.hpp: a small content folder on the null platform for the toolkit's tests: files
// written by the test, every report captured, and frames of scripted mouse input.
#pragma once

#include "base/Program.hpp"
#include "base/StartupFlags.hpp"
#include "data/Language.hpp"
#include "gui/TGui.hpp"
#include "gui/TMouse.hpp"
#include "media/ImageCodec.hpp"
#include "media/Report.hpp"
#include "support/TempFolder.hpp"
#include "support/TestProgram.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace gui_testing
{
class GuiFixture
{
public:
    GuiFixture() : here_(folder.path())
    {
        media::setReportSink([this](std::string_view line) { reports.emplace_back(line); });
        language = "en";
        base::program().delta = 1;
        guiReloadKey = 0;
    }
    ~GuiFixture()
    {
        media::setReportSink({});
        guiReloadKey = 0;
    }
    GuiFixture(const GuiFixture&) = delete;
    GuiFixture& operator=(const GuiFixture&) = delete;

    std::string write(const std::string& name, const std::string& text) { return folder.write(name, text); }

    // An opaque grey picture of w x h at `name` in the folder.
    void picture(const std::string& name, int w, int h)
    {
        media::Image image(w, h);
        for (int y = 0; y < h; ++y) {
            for (int x = 0; x < w; ++x) {
                std::uint8_t* p = image.pixel(x, y);
                p[0] = p[1] = p[2] = 200;
                p[3] = 255;
            }
        }
        std::filesystem::create_directories(std::filesystem::path(folder / name).parent_path());
        std::string error;
        EXPECT_TRUE(media::writePng(folder / name, image, error)) << error;
    }

    // One frame of the toolkit: the pointer at (x, y), the left button pressed this frame when
    // `press`, held down when `hold`; the mouse reads it, then the container updates.
    void frame(TGui& gui, int x, int y, bool press = false, bool hold = false)
    {
        input().feedMouseMove(static_cast<float>(x), static_cast<float>(y));
        if (press) {
            input().feedMouseButton(media::mouse::Left, true);
            if (!hold)
                input().feedMouseButton(media::mouse::Left, false);
        } else if (!hold && input().mouseDown(media::mouse::Left)) {
            input().feedMouseButton(media::mouse::Left, false);
        }
        guiMouse().update();
        gui.update();
        program.clock().now += 17;
    }

    bool reported(const std::string& part) const
    {
        return std::any_of(reports.begin(), reports.end(),
                           [&](const std::string& line) { return line.find(part) != std::string::npos; });
    }

    media::Input& input() { return program.input(); }
    int drawCalls() { return program.display().nullRenderer().drawCalls(); }
    const media::NullRenderer::Sprite& lastSprite() { return program.display().nullRenderer().lastSprite(); }

    testing_support::TempFolder folder;
    std::vector<std::string> reports;
    testing_support::TestProgram program;

private:
    testing_support::InFolder here_;
};
} // namespace gui_testing
