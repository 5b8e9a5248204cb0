// NullRenderer.hpp: a renderer that keeps the drawing state and draws nothing.
#pragma once

#include "media/Renderer.hpp"

#include <vector>

namespace media
{
class NullRenderer final : public Renderer
{
public:
    // A deferring one keeps the frame's drawing until the frame ends, as SDL's does.
    explicit NullRenderer(bool defers = false) : Renderer(defers) {}
    std::unique_ptr<Texture> createTexture(const Image& image, bool filtered) override;

    // What reached the backend, for tests: how many draws, and the last one.
    using Sprite = Renderer::Sprite;
    int drawCalls() const { return drawCalls_; }
    int clears() const { return clears_; }
    const DrawState& lastState() const { return last_; }
    const Sprite& lastSprite() const { return lastSprite_; }
    // Every sprite and filled shape that reached the backend since recording began, in order,
    // with the state it was drawn in (for tests that look at what a widget drew).
    struct Recorded
    {
        bool quad = false; // a filled shape; else a sprite
        Sprite sprite;
        FPoint corners[4];
        DrawState state;
    };
    void startRecording()
    {
        recording_ = true;
        recorded_.clear();
    }
    const std::vector<Recorded>& recorded() const { return recorded_; }
    // The same, pictures only.
    void recordSprites() { startRecording(); }
    std::vector<Recorded> recordedSprites() const
    {
        std::vector<Recorded> sprites;
        for (const Recorded& r : recorded_) {
            if (!r.quad)
                sprites.push_back(r);
        }
        return sprites;
    }

protected:
    void backendClear(int, int, int) override { ++clears_; }
    void backendClip(const std::optional<CellRect>&) override {}
    void backendSprite(const Sprite& sprite, const DrawState& state) override;
    void backendQuad(const FPoint (&)[4], const DrawState& state) override;
    void backendLine(float, float, float, float, const DrawState& state) override;
    Image backendRead(int x, int y, int w, int h) override;

private:
    int drawCalls_ = 0;
    int clears_ = 0;
    DrawState last_;
    Sprite lastSprite_;
    bool recording_ = false;
    std::vector<Recorded> recorded_;
};
} // namespace media
