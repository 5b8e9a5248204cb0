// Frame.cpp
#include "screens/Frame.hpp"

#include "audio/TGlobalSnd.hpp"
#include "base/Program.hpp"
#include "base/TDeltaTime.hpp"
#include "base/VirtualScreen.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/TEkran.hpp"

namespace
{
// The window's close button, or Left-Alt held with F4 hit this frame.
bool closeKeys()
{
    media::Input& input = media::input();
    bool altF4 =
        input.keyHits(media::key::F4) > 0
        && (input.keyDown(media::key::LeftAlt) || input.keyPressedWith(media::key::F4, media::key::LeftAlt));
    return input.closeRequested() || altF4;
}

// A calm screen that no one has touched for half a second is drawn 30 times a second: what
// moves on it moves slowly, and the processor rests. Any input brings the full pace back.
void paceTheFrames(base::Program& program)
{
    constexpr int fullPace = 60;
    constexpr int calmPace = 30;
    constexpr long long quietFrames = 30;
    const std::uint64_t events = media::input().events();
    if (events != program.inputEventsSeen) {
        program.inputEventsSeen = events;
        program.lastInputFrame = program.framesEnded;
    }
    const bool quiet = program.framesEnded - program.lastInputFrame >= quietFrames;
    const TEkran* screen = program.runningScreen;
    media::display().setFramePace(quiet && screen && screen->calm() ? calmPace : fullPace);
}
} // namespace

long long framesDone()
{
    return base::program().framesEnded;
}

void updateDelta()
{
    base::Program& program = base::program();
    program.deltaTime->Update();
    // A fixed-step run is the same on every machine: every frame is exactly one 60th.
    program.delta = media::clock().fixedStep() ? 1.0f : program.deltaTime->CurrDelta();
    media::display().pumpEvents(media::input());
    program.feedInput(program.framesEnded + 1);
}

void beginFrame()
{
    updateDelta();
    guiMouse().setCursor("normal");
    guiMouse().update();
    if (closeKeys())
        base::program().quit();
    if (TGlobalSnd* sounds = base::program().globalSnd.get())
        sounds->update();
}

void endFrame(bool noPause)
{
    guiMouse().draw();
    base::Program& program = base::program();
    if (!noPause && program.mayPause() && !media::display().isActive())
        pauseWhileInactive();
    ++program.framesEnded;
    program.frameEnded(program.framesEnded);
    paceTheFrames(program);
    media::display().present();
    media::clock().frameDone();
    // Every frame, the loading screen's and the pause's too, so streamed music never runs dry.
    media::audio().update();
    clearVirtualScreen();
}

void pauseWhileInactive()
{
    base::Program& program = base::program();
    // Everything that runs on its own clock waits with the game.
    if (program.globalSnd)
        program.globalSnd->pauseSounds();
    TEkran* screen = program.runningScreen;
    if (screen)
        screen->pauseEffects();
    media::Renderer& gfx = media::gfx();
    media::Picture frozen = gfx.grabFrame(0, 0, 1024, 768, media::Filtered);
    media::Font& font = *program.pauseFont;
    const std::string& text = program.pauseText;
    media::Display& display = media::display();
    while (!display.isActive()) {
        updateDelta();
        if (closeKeys())
            program.quit();
        // Nothing moves while the game waits: a few frames a second, none while the window
        // cannot be seen at all.
        if (!display.visible() && !display.isActive()) {
            display.waitForEvent(250);
            continue;
        }
        gfx.cls();
        gfx.setColor(255, 255, 255);
        gfx.setAlpha(1);
        gfx.setScale(1, 1);
        gfx.setRotation(0);
        gfx.setBlend(media::Blend::Alpha);
        gfx.drawPicture(frozen, 0, 0);
        gfx.setColor(0, 0, 0);
        gfx.setAlpha(0.5f);
        gfx.drawRect(0, 0, 1024, 768);
        gfx.setColor(255, 255, 255);
        gfx.setAlpha(1);
        int halfWidth = static_cast<int>(font.textWidth(text)) / 2;
        int halfHeight = font.height() / 2;
        gfx.drawText(font, text, static_cast<float>(512 - halfWidth), static_cast<float>(364 - halfHeight));
        endFrame(true);
        if (!display.isActive())
            display.waitForEvent(250);
    }
    if (program.globalSnd)
        program.globalSnd->resumeSounds();
    if (screen)
        screen->resumeEffects();
}
