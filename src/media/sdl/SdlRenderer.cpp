// SdlRenderer.cpp
#include "media/sdl/SdlRenderer.hpp"

#include <cmath>
#include <cstdint>
#include <vector>

namespace media::sdl
{
namespace
{
SDL_BlendMode blendOf(Blend blend)
{
    return blend == Blend::Light ? SDL_BLENDMODE_ADD : SDL_BLENDMODE_BLEND;
}

Uint8 alphaByte(float alpha)
{
    return static_cast<Uint8>(std::lround(alpha * 255.0f));
}
} // namespace

DrawState SdlRenderer::settled(const DrawState& state) const
{
    // SDL blends with alpha in 256 steps: the step is all that reaches the pixels.
    DrawState s = state;
    s.alpha = alphaByte(state.alpha) / 255.0f;
    return s;
}

bool SdlRenderer::start(RendererPtr renderer, std::string& error)
{
    renderer_ = std::move(renderer);
    SDL_RendererInfo info;
    if (SDL_GetRendererInfo(renderer_.get(), &info) == 0)
        driverName_ = info.name;
    software_ = driverName_ == "software";
    // The frame is opaque and has no alpha of its own: the software renderer blends pictures
    // into it as fast as into one with alpha, and copies it to the window as it is.
    frame_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888, SDL_TEXTUREACCESS_TARGET,
                                   logicalWidth, logicalHeight));
    if (!frame_) {
        error = std::string("cannot make the frame texture: ") + SDL_GetError();
        return false;
    }
    SDL_SetTextureBlendMode(frame_.get(), SDL_BLENDMODE_NONE);
    SDL_SetTextureScaleMode(frame_.get(), SDL_ScaleModeLinear);
    bindFrame();
    return true;
}

void SdlRenderer::stop()
{
    endFrame(); // nothing may wait for a renderer that is gone
    forgetStretched();
    frame_.reset();
    alive_.reset();
    renderer_.reset();
}

void SdlRenderer::bindFrame()
{
    ++frames_;
    SDL_SetRenderTarget(renderer_.get(), frame_.get());
    backendClip(clip_);
}

std::unique_ptr<Texture> SdlRenderer::createTexture(const Image& image, bool filtered)
{
    if (image.empty() || !renderer_)
        return nullptr;
    // Pictures are kept in the formats the software renderer draws fastest: with alpha as
    // ARGB8888, and opaque ones in the frame's own format, so copying them is copying memory.
    const bool opaque = image.opaque();
    const Uint32 format = opaque ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
    TexturePtr texture(
        SDL_CreateTexture(renderer_.get(), format, SDL_TEXTUREACCESS_STATIC, image.width, image.height));
    if (!texture)
        return nullptr;
    std::vector<std::uint8_t> pixels(image.rgba.size());
    SDL_ConvertPixels(image.width, image.height, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), image.width * 4,
                      format, pixels.data(), image.width * 4);
    SDL_UpdateTexture(texture.get(), nullptr, pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture.get(), filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    return std::make_unique<SdlTexture>(std::move(texture), image.width, image.height, opaque, lifeline(),
                                        alive_);
}

void SdlRenderer::backendClear(int r, int g, int b)
{
    SDL_SetRenderDrawColor(renderer_.get(), static_cast<Uint8>(r), static_cast<Uint8>(g),
                           static_cast<Uint8>(b), 255);
    SDL_RenderClear(renderer_.get());
}

void SdlRenderer::backendClip(const std::optional<CellRect>& rect)
{
    clip_ = rect;
    if (rect) {
        SDL_Rect r{rect->x, rect->y, rect->width, rect->height};
        SDL_RenderSetClipRect(renderer_.get(), &r);
    } else {
        SDL_RenderSetClipRect(renderer_.get(), nullptr);
    }
}

void SdlRenderer::backendSprite(const Sprite& sprite, const DrawState& state)
{
    SDL_Texture* texture = static_cast<const SdlTexture*>(sprite.texture)->texture.get();
    const Uint8 alpha = alphaByte(state.alpha);
    SDL_Rect source{sprite.source.x, sprite.source.y, sprite.source.width, sprite.source.height};
    SDL_FRect dest{sprite.x, sprite.y, sprite.w, sprite.h};
    auto modulate = [&](SDL_Texture* t) {
        SDL_SetTextureColorMod(t, static_cast<Uint8>(state.red), static_cast<Uint8>(state.green),
                               static_cast<Uint8>(state.blue));
        SDL_SetTextureAlphaMod(t, alpha);
    };
    if (sprite.angle == 0 && !sprite.flipX && !sprite.flipY) {
        // Blending a fully opaque picture at full alpha changes nothing but the cost: copy it.
        const bool copy = sprite.texture->opaque && alpha == 255 && state.blend == Blend::Alpha;
        const SDL_BlendMode blend = copy ? SDL_BLENDMODE_NONE : blendOf(state.blend);
        if (SDL_Texture* stretched = stretchedCopy(sprite, texture)) {
            modulate(stretched);
            SDL_SetTextureBlendMode(stretched, blend);
            dest.w = static_cast<float>(static_cast<int>(dest.w));
            dest.h = static_cast<float>(static_cast<int>(dest.h));
            SDL_RenderCopyF(renderer_.get(), stretched, nullptr, &dest);
            return;
        }
        modulate(texture);
        SDL_SetTextureBlendMode(texture, blend);
        SDL_RenderCopyF(renderer_.get(), texture, &source, &dest);
        return;
    }
    modulate(texture);
    SDL_SetTextureBlendMode(texture, blendOf(state.blend));
    SDL_FPoint centre{sprite.centerX, sprite.centerY};
    int flip = (sprite.flipX ? SDL_FLIP_HORIZONTAL : 0) | (sprite.flipY ? SDL_FLIP_VERTICAL : 0);
    SDL_RenderCopyExF(renderer_.get(), texture, &source, &dest, sprite.angle, &centre,
                      static_cast<SDL_RendererFlip>(flip));
}

std::size_t SdlRenderer::StretchKeyHash::operator()(const StretchKey& k) const
{
    std::size_t h = std::hash<const void*>{}(k.texture);
    for (int v : {k.x, k.y, k.w, k.h, k.width, k.height})
        h = h * 1000003u ^ static_cast<std::size_t>(v);
    return h;
}

SDL_Texture* SdlRenderer::stretchedCopy(const Sprite& sprite, SDL_Texture* texture)
{
    // SDL draws at whole pixels: the size and corner it takes are the truncated ones.
    const int width = static_cast<int>(sprite.w);
    const int height = static_cast<int>(sprite.h);
    if (!software_ || !keepStretched_ || width <= 0 || height <= 0
        || (width == sprite.source.width && height == sprite.source.height))
        return nullptr;
    SDL_ScaleMode mode = SDL_ScaleModeNearest;
    if (SDL_GetTextureScaleMode(texture, &mode) != 0 || mode != SDL_ScaleModeLinear)
        return nullptr;
    // Cut by the clip rectangle, SDL stretches only the part that shows, which rounds a little
    // differently: there SDL draws it its own way.
    if (clip_) {
        const int x = static_cast<int>(sprite.x);
        const int y = static_cast<int>(sprite.y);
        if (x < clip_->x || y < clip_->y || x + width > clip_->x + clip_->width
            || y + height > clip_->y + clip_->height)
            return nullptr;
    }
    const StretchKey key{texture, sprite.source.x, sprite.source.y, sprite.source.width, sprite.source.height,
                         width,   height};
    auto it = stretched_.find(key);
    if (it == stretched_.end()) {
        const std::size_t pixels = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
        if (stretchedPixels_ + pixels > stretchBudget) {
            // Whatever this frame has not used goes; if that is not enough, SDL stretches.
            std::erase_if(stretched_, [this](const auto& entry) { return entry.second.lastUsed != frames_; });
            stretchedPixels_ = 0;
            for (const auto& [k, v] : stretched_)
                stretchedPixels_ += static_cast<std::size_t>(k.width) * static_cast<std::size_t>(k.height);
            if (stretchedPixels_ + pixels > stretchBudget)
                return nullptr;
        }
        Uint32 format = 0;
        SDL_QueryTexture(texture, &format, nullptr, nullptr, nullptr);
        TexturePtr made(SDL_CreateTexture(renderer_.get(), format, SDL_TEXTUREACCESS_TARGET, width, height));
        if (!made)
            return nullptr;
        SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
        SDL_SetTextureColorMod(texture, 255, 255, 255);
        SDL_SetTextureAlphaMod(texture, 255);
        SDL_Rect source{sprite.source.x, sprite.source.y, sprite.source.width, sprite.source.height};
        SDL_SetRenderTarget(renderer_.get(), made.get());
        SDL_RenderCopy(renderer_.get(), texture, &source, nullptr);
        SDL_SetRenderTarget(renderer_.get(), frame_.get());
        backendClip(clip_);
        stretchedPixels_ += pixels;
        it = stretched_.emplace(key, Stretched{std::move(made), frames_}).first;
    }
    it->second.lastUsed = frames_;
    return it->second.texture.get();
}

void SdlRenderer::backendForget(const Texture& texture)
{
    const auto* gone = static_cast<const SdlTexture*>(&texture)->texture.get();
    std::erase_if(stretched_, [&](const auto& entry) {
        if (entry.first.texture != gone)
            return false;
        stretchedPixels_ -=
            static_cast<std::size_t>(entry.first.width) * static_cast<std::size_t>(entry.first.height);
        return true;
    });
}

void SdlRenderer::forgetStretched()
{
    stretched_.clear();
    stretchedPixels_ = 0;
}

void SdlRenderer::setDrawColor(const DrawState& state)
{
    SDL_SetRenderDrawBlendMode(renderer_.get(), blendOf(state.blend));
    SDL_SetRenderDrawColor(renderer_.get(), static_cast<Uint8>(state.red), static_cast<Uint8>(state.green),
                           static_cast<Uint8>(state.blue), alphaByte(state.alpha));
}

void SdlRenderer::backendQuad(const FPoint (&c)[4], const DrawState& state)
{
    bool axisAligned = c[0].y == c[1].y && c[1].x == c[2].x && c[2].y == c[3].y && c[3].x == c[0].x;
    if (axisAligned) {
        float left = std::fmin(c[0].x, c[2].x);
        float top = std::fmin(c[0].y, c[2].y);
        SDL_FRect rect{left, top, std::fabs(c[2].x - c[0].x), std::fabs(c[2].y - c[0].y)};
        setDrawColor(state);
        SDL_RenderFillRectF(renderer_.get(), &rect);
        return;
    }
    SDL_Color colour{static_cast<Uint8>(state.red), static_cast<Uint8>(state.green),
                     static_cast<Uint8>(state.blue), alphaByte(state.alpha)};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i)
        vertices[i] = SDL_Vertex{SDL_FPoint{c[i].x, c[i].y}, colour, SDL_FPoint{0, 0}};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    SDL_SetRenderDrawBlendMode(renderer_.get(), blendOf(state.blend));
    SDL_RenderGeometry(renderer_.get(), nullptr, vertices, 4, indices, 6);
}

void SdlRenderer::backendLine(float x1, float y1, float x2, float y2, const DrawState& state)
{
    setDrawColor(state);
    SDL_RenderDrawLineF(renderer_.get(), x1, y1, x2, y2);
}

Image SdlRenderer::backendRead(int x, int y, int w, int h)
{
    Image image(w, h);
    SDL_Rect rect{x, y, w, h};
    if (SDL_RenderReadPixels(renderer_.get(), &rect, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), w * 4) != 0)
        return {};
    // The frame is opaque; what the texture's alpha holds after blending is not a picture's alpha.
    for (std::size_t i = 3; i < image.rgba.size(); i += 4)
        image.rgba[i] = 255;
    return image;
}
} // namespace media::sdl
