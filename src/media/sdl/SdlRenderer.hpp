// SdlRenderer.hpp: drawing through SDL_Renderer into the 1024 x 768 frame texture.
#pragma once

#include "media/Renderer.hpp"
#include "media/sdl/SdlHandles.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>

namespace media::sdl
{
// A texture knows whether the renderer that made it still lives: SDL frees every texture with
// its renderer, so a picture that outlives the renderer must not free its texture again.
class SdlTexture final : public Texture
{
public:
    SdlTexture(TexturePtr t, int w, int h, bool opaque, std::weak_ptr<Renderer* const> renderer,
               std::weak_ptr<const bool> rendererAlive)
        : Texture(w, h, opaque, std::move(renderer)), texture(std::move(t)), alive_(std::move(rendererAlive))
    {}
    ~SdlTexture() override
    {
        releasing();
        if (alive_.expired())
            static_cast<void>(texture.release());
    }
    TexturePtr texture;

private:
    std::weak_ptr<const bool> alive_;
};

// Drawing is kept until the frame ends, so a frame that repeats the last one costs nothing.
class SdlRenderer final : public Renderer
{
public:
    SdlRenderer() : Renderer(true) {}
    // Takes the SDL renderer and makes the frame texture everything is drawn into.
    bool start(RendererPtr renderer, std::string& error);
    void stop(); // releases the frame texture and the SDL renderer

    std::unique_ptr<Texture> createTexture(const Image& image, bool filtered) override;

    SDL_Renderer* sdl() const { return renderer_.get(); }
    SDL_Texture* frame() const { return frame_.get(); }
    // Switching the target to the window and back loses the clip rectangle: this restores it.
    void bindFrame();
    const std::string& driverName() const { return driverName_; }
    void keepStretchedCopies(bool keep) override
    {
        keepStretched_ = keep;
        if (!keep)
            forgetStretched();
    }

protected:
    void backendClear(int r, int g, int b) override;
    void backendClip(const std::optional<CellRect>& rect) override;
    void backendSprite(const Sprite& sprite, const DrawState& state) override;
    void backendQuad(const FPoint (&corners)[4], const DrawState& state) override;
    void backendLine(float x1, float y1, float x2, float y2, const DrawState& state) override;
    Image backendRead(int x, int y, int w, int h) override;
    DrawState settled(const DrawState& state) const override;
    void backendForget(const Texture& texture) override;

private:
    void setDrawColor(const DrawState& state);

    // SDL's software renderer stretches a picture into a new surface every time it is drawn
    // at another size. Stretched copies are kept instead, made by SDL's own stretch, so the
    // pixels are the same; the least recently used go when there are too many.
    struct StretchKey
    {
        SDL_Texture* texture = nullptr;
        int x = 0, y = 0, w = 0, h = 0; // the part of the picture
        int width = 0, height = 0;      // stretched to this size
        bool operator==(const StretchKey&) const = default;
    };
    struct StretchKeyHash
    {
        std::size_t operator()(const StretchKey& k) const;
    };
    struct Stretched
    {
        TexturePtr texture;
        std::uint64_t lastUsed = 0;
    };
    // The stretched copy to draw for `sprite` (null where SDL's own way must draw it).
    SDL_Texture* stretchedCopy(const Sprite& sprite, SDL_Texture* texture);
    void forgetStretched();
    static constexpr std::size_t stretchBudget = 2 * 1024 * 1024; // pixels, 8 MB
    std::unordered_map<StretchKey, Stretched, StretchKeyHash> stretched_;
    std::size_t stretchedPixels_ = 0;
    std::uint64_t frames_ = 0;
    bool software_ = false;
    bool keepStretched_ = true;

    // Declared so the frame texture goes before the renderer that made it.
    RendererPtr renderer_;
    TexturePtr frame_;
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
    std::optional<CellRect> clip_;
    std::string driverName_;
};
} // namespace media::sdl
