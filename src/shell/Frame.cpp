// Frame.cpp
#include "shell/Frame.hpp"

#include "effects/TEmitter.hpp"
#include "effects/TParticle.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"
#include "screens/TGlobalSnd.hpp"
#include "shell/Globals.hpp"
#include "shell/Program.hpp"
#include "shell/TDeltaTime.hpp"
#include "shell/VirtualScreen.hpp"

namespace
{
long long endedFrames = 0;

// The window's close button, or Left-Alt held with F4 hit this frame.
bool closeKeys()
{
    media::Input& input = media::input();
    bool altF4 =
        input.keyHits(media::key::F4) > 0
        && (input.keyDown(media::key::LeftAlt) || input.keyPressedWith(media::key::F4, media::key::LeftAlt));
    return input.closeRequested() || altF4;
}
} // namespace

long long framesDone()
{
    return endedFrames;
}

void updateDelta()
{
    shell::Program& program = shell::program();
    program.deltaTime->Update();
    // A fixed-step run is the same on every machine: every frame is exactly one 60th.
    delta = media::clock().fixedStep() ? 1.0f : program.deltaTime->CurrDelta();
    media::display().pumpEvents(media::input());
    program.feedInput(endedFrames + 1);
}

void beginFrame()
{
    updateDelta();
    guiMouse().setCursor("normal");
    guiMouse().update();
    if (closeKeys()) {
        shell::Program& program = shell::program();
        program.shutdownGame();
        shell::endProcess(0);
    }
    if (TGlobalSnd* sounds = shell::program().globalSnd.get())
        sounds->update();
}

void endFrame(bool noPause)
{
    guiMouse().draw();
    shell::Program& program = shell::program();
    if (!noPause && program.mayPause() && !media::display().isActive())
        pauseWhileInactive();
    ++endedFrames;
    program.frameEnded(endedFrames);
    media::display().present();
    media::clock().frameDone();
    // Every frame, the loading screen's and the pause's too, so streamed music never runs dry.
    media::audio().update();
    clearVirtualScreen();
}

void pauseWhileInactive()
{
    shell::Program& program = shell::program();
    // Everything that runs on its own clock waits with the game.
    if (program.globalSnd)
        program.globalSnd->pauseSounds();
    TEmitter::pauseAll();
    TParticle::pauseAll();
    media::Renderer& gfx = media::gfx();
    media::Picture frozen = gfx.grabFrame(0, 0, 1024, 768, media::Filtered);
    media::Font& font = *program.pauseFont;
    const std::string& text = program.pauseText;
    while (!media::display().isActive()) {
        gfx.cls();
        updateDelta();
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
        if (closeKeys())
            shell::endProcess(0);
    }
    if (program.globalSnd)
        program.globalSnd->resumeSounds();
    TEmitter::resumeAll();
    TParticle::resumeAll();
}
