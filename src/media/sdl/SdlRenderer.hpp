// SdlRenderer.hpp: drawing through SDL_Renderer into the 1024 x 768 frame texture.
#pragma once

#include "media/Renderer.hpp"
#include "media/sdl/BlendQueue.hpp"
#include "media/sdl/SdlHandles.hpp"
#include "media/sdl/SoftBlend.hpp"

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

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
    // Where the software renderer keeps the picture's ARGB8888 pixels (none elsewhere), and
    // its row length in pixels.
    std::uint32_t* pixels = nullptr;
    int pitch = 0;
    std::vector<soft::Span> spans; // where its rows show, with the pixels

private:
    std::weak_ptr<const bool> alive_;
};

// Drawing is kept until the frame ends, so a frame that repeats the last one costs nothing.
class SdlRenderer final : public Renderer
{
public:
    SdlRenderer() : Renderer(true) {}
    // Takes the window's SDL renderer and makes the frame everything is drawn into: with
    // OpenGL a target texture; with SDL's software renderer a surface of our own, drawn into
    // by a software renderer of its own and by our blending, and shown through a texture.
    bool start(RendererPtr renderer, std::string& error);
    void stop(); // releases the frame and the SDL renderers

    std::unique_ptr<Texture> createTexture(const Image& image, bool filtered) override;

    // The window's renderer, and the frame as a texture of it, up to date.
    SDL_Renderer* sdl() const { return renderer_.get(); }
    SDL_Texture* frameToShow();
    // Whether the frame is a surface of our own (SDL's software renderer), and everything
    // asked of SDL drawn into it.
    bool ownsFrame() const { return drawer_ != nullptr; }
    void finishDrawing();
    // Our own drawing waiting in the queue is done, before SDL draws anything after it.
    void finishBlending();
    // Drawing goes to the frame again (showing it may have turned the window's renderer to
    // the window, which loses the clip rectangle).
    void bindFrame();
    const std::string& driverName() const { return driverName_; }
    void useShortcuts(bool use) override
    {
        shortcuts_ = use;
        if (!use)
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
    // The SDL renderer that draws into the frame.
    SDL_Renderer* drawer() const { return drawer_ ? drawer_.get() : renderer_.get(); }
    void setDrawColor(const DrawState& state);
    // Draws an unturned picture into the software frame with our own blending; false where
    // SDL must draw it.
    bool blendIntoFrame(const SdlTexture& texture, const Sprite& sprite, const DrawState& state);
    // The same for a turned picture, turned by our own loop as SDL turns it.
    bool turnIntoFrame(const SdlTexture& texture, const Sprite& sprite, const DrawState& state);
    // Fills a rectangle of the software frame with our own blending; false where SDL must.
    bool fillFrame(const SDL_FRect& rect, const DrawState& state);
    soft::Pixels frameAt(int x, int y) const;
    // Blends pixels into the frame at (x, y), as much of them as shows.
    void blend(soft::ConstPixels from, int x, int y, int width, int height, const DrawState& state);
    // A job drawing as `state` says; queued cut to what shows of `width` x `height` at its (x, y).
    static BlendQueue::Job jobFor(const DrawState& state);
    void queueCut(BlendQueue::Job& job, int width, int height);
    // Whether SDL draws an unturned picture at all.
    static bool drawnAtAll(const Sprite& sprite);

    // SDL's software renderer stretches a picture into a new surface every time it is drawn
    // at another size. Stretched copies are kept instead, made by SDL's own stretch, so the
    // pixels are the same; the least recently used go when there are too many. Pictures
    // with alpha are kept as pixels we blend ourselves, opaque ones as SDL textures.
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
        SurfacePtr pixels;
        std::vector<soft::Span> spans; // where the pixels' rows show
        std::uint64_t lastUsed = 0;
    };
    // The stretched copy to draw for `sprite` (null where SDL's own way must draw it): an SDL
    // texture, or with `asPixels` the pixels. A copy `forTurning` is made whatever the clip, as
    // SDL stretches a picture whole before it turns it.
    Stretched* stretchedCopy(const Sprite& sprite, const SdlTexture& texture, bool asPixels, bool forTurning);
    void forgetStretched();
    static soft::ConstPixels pixelsOf(const Stretched& copy);
    static constexpr std::size_t stretchBudget = 2 * 1024 * 1024; // pixels, 8 MB
    std::unordered_map<StretchKey, Stretched, StretchKeyHash> stretched_;
    std::size_t stretchedPixels_ = 0;
    std::unique_ptr<BlendQueue> queue_; // software: our own drawing, waiting to be done
    std::uint64_t frames_ = 0;
    bool software_ = false;
    bool shortcuts_ = true;

    // Declared so the frame goes before the renderers that draw it.
    RendererPtr renderer_;
    SurfacePtr frameSurface_; // software: the frame's pixels
    RendererPtr drawer_;      // software: SDL's renderer for frameSurface_
    TexturePtr frame_;        // the frame as a texture of the window's renderer
    std::shared_ptr<const bool> alive_ = std::make_shared<const bool>(true);
    std::optional<CellRect> clip_;
    std::string driverName_;
};
} // namespace media::sdl
