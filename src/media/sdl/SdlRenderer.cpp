// SdlRenderer.cpp
#include "media/sdl/SdlRenderer.hpp"

#include "media/sdl/SoftBlend.hpp"
#include "media/sdl/SoftTurn.hpp"

#include <algorithm>
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
    if (software_) {
        frameSurface_.reset(
            SDL_CreateRGBSurfaceWithFormat(0, logicalWidth, logicalHeight, 32, SDL_PIXELFORMAT_RGB888));
        if (frameSurface_)
            drawer_.reset(SDL_CreateSoftwareRenderer(frameSurface_.get()));
        if (drawer_)
            queue_ = std::make_unique<BlendQueue>(
                soft::Pixels{static_cast<std::uint32_t*>(frameSurface_->pixels), frameSurface_->pitch / 4},
                logicalHeight, true);
        if (!drawer_) {
            error = std::string("cannot make the frame: ") + SDL_GetError();
            return false;
        }
    }
    frame_.reset(SDL_CreateTexture(renderer_.get(), SDL_PIXELFORMAT_RGB888,
                                   software_ ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_TARGET,
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
    finishBlending();
    queue_.reset();
    forgetStretched();
    frame_.reset();
    alive_.reset();
    drawer_.reset();
    frameSurface_.reset();
    renderer_.reset();
}

void SdlRenderer::bindFrame()
{
    ++frames_;
    if (drawer_)
        SDL_SetRenderTarget(drawer_.get(), nullptr);
    else
        SDL_SetRenderTarget(renderer_.get(), frame_.get());
    backendClip(clip_);
}

void SdlRenderer::finishDrawing()
{
    finishBlending();
    if (drawer_)
        SDL_RenderFlush(drawer_.get());
}

void SdlRenderer::finishBlending()
{
    if (queue_ && !queue_->empty())
        queue_->finish();
}

SDL_Texture* SdlRenderer::frameToShow()
{
    if (drawer_) {
        finishDrawing();
        SDL_UpdateTexture(frame_.get(), nullptr, frameSurface_->pixels, frameSurface_->pitch);
    }
    return frame_.get();
}

std::unique_ptr<Texture> SdlRenderer::createTexture(const Image& image, bool filtered)
{
    if (image.empty() || !renderer_)
        return nullptr;
    // Pictures are kept in the formats the software renderer draws fastest: with alpha as
    // ARGB8888, and opaque ones in the frame's own format, so copying them is copying memory.
    // With a software frame, pictures with alpha are streaming textures, whose pixels SDL
    // lets us reach, so that we can blend them ourselves.
    const bool opaque = image.opaque();
    const Uint32 format = opaque ? SDL_PIXELFORMAT_RGB888 : SDL_PIXELFORMAT_ARGB8888;
    const bool reachable = drawer_ && !opaque;
    TexturePtr texture(SDL_CreateTexture(drawer(), format,
                                         reachable ? SDL_TEXTUREACCESS_STREAMING : SDL_TEXTUREACCESS_STATIC,
                                         image.width, image.height));
    if (!texture)
        return nullptr;
    std::vector<std::uint8_t> pixels(image.rgba.size());
    SDL_ConvertPixels(image.width, image.height, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), image.width * 4,
                      format, pixels.data(), image.width * 4);
    SDL_UpdateTexture(texture.get(), nullptr, pixels.data(), image.width * 4);
    SDL_SetTextureBlendMode(texture.get(), SDL_BLENDMODE_BLEND);
    SDL_SetTextureScaleMode(texture.get(), filtered ? SDL_ScaleModeLinear : SDL_ScaleModeNearest);
    auto made = std::make_unique<SdlTexture>(std::move(texture), image.width, image.height, opaque,
                                             lifeline(), alive_);
    if (reachable) {
        // The software renderer hands out its own pixels and keeps them where they are.
        void* at = nullptr;
        int pitch = 0;
        if (SDL_LockTexture(made->texture.get(), nullptr, &at, &pitch) == 0) {
            made->pixels = static_cast<std::uint32_t*>(at);
            made->pitch = pitch / 4;
            made->spans = soft::spansOf({made->pixels, made->pitch}, image.width, image.height);
            SDL_UnlockTexture(made->texture.get());
        }
    }
    return made;
}

void SdlRenderer::backendClear(int r, int g, int b)
{
    finishBlending();
    SDL_SetRenderDrawColor(drawer(), static_cast<Uint8>(r), static_cast<Uint8>(g), static_cast<Uint8>(b),
                           255);
    SDL_RenderClear(drawer());
}

void SdlRenderer::backendClip(const std::optional<CellRect>& rect)
{
    clip_ = rect;
    if (rect) {
        SDL_Rect r{rect->x, rect->y, rect->width, rect->height};
        SDL_RenderSetClipRect(drawer(), &r);
    } else {
        SDL_RenderSetClipRect(drawer(), nullptr);
    }
}

void SdlRenderer::backendSprite(const Sprite& sprite, const DrawState& state)
{
    const auto& picture = *static_cast<const SdlTexture*>(sprite.texture);
    SDL_Texture* texture = picture.texture.get();
    const Uint8 alpha = alphaByte(state.alpha);
    SDL_Rect source{sprite.source.x, sprite.source.y, sprite.source.width, sprite.source.height};
    SDL_FRect dest{sprite.x, sprite.y, sprite.w, sprite.h};
    auto modulate = [&](SDL_Texture* t) {
        SDL_SetTextureColorMod(t, static_cast<Uint8>(state.red), static_cast<Uint8>(state.green),
                               static_cast<Uint8>(state.blue));
        SDL_SetTextureAlphaMod(t, alpha);
    };
    if (sprite.angle == 0 && !sprite.flipX && !sprite.flipY) {
        if (!drawnAtAll(sprite))
            return;
        if (blendIntoFrame(picture, sprite, state))
            return;
        finishBlending();
        // Blending a fully opaque picture at full alpha changes nothing but the cost: copy it.
        const bool copy = sprite.texture->opaque && alpha == 255 && state.blend == Blend::Alpha;
        const SDL_BlendMode blend = copy ? SDL_BLENDMODE_NONE : blendOf(state.blend);
        if (Stretched* stretched = stretchedCopy(sprite, picture, false, false)) {
            SDL_Texture* t = stretched->texture.get();
            modulate(t);
            SDL_SetTextureBlendMode(t, blend);
            dest.w = static_cast<float>(static_cast<int>(dest.w));
            dest.h = static_cast<float>(static_cast<int>(dest.h));
            SDL_RenderCopyF(drawer(), t, nullptr, &dest);
            return;
        }
        modulate(texture);
        SDL_SetTextureBlendMode(texture, blend);
        SDL_RenderCopyF(drawer(), texture, &source, &dest);
        return;
    }
    if (turnIntoFrame(picture, sprite, state))
        return;
    finishBlending();
    modulate(texture);
    SDL_SetTextureBlendMode(texture, blendOf(state.blend));
    SDL_FPoint centre{sprite.centerX, sprite.centerY};
    int flip = (sprite.flipX ? SDL_FLIP_HORIZONTAL : 0) | (sprite.flipY ? SDL_FLIP_VERTICAL : 0);
    SDL_RenderCopyExF(drawer(), texture, &source, &dest, sprite.angle, &centre,
                      static_cast<SDL_RendererFlip>(flip));
}

bool SdlRenderer::drawnAtAll(const Sprite& sprite)
{
    // SDL leaves out a picture whose rectangle misses the frame, before it rounds anything.
    const float left = std::max(sprite.x, 0.0f);
    const float right = std::min(sprite.x + sprite.w, static_cast<float>(logicalWidth));
    const float top = std::max(sprite.y, 0.0f);
    const float bottom = std::min(sprite.y + sprite.h, static_cast<float>(logicalHeight));
    return sprite.w > 0 && sprite.h > 0 && right > left && bottom > top;
}

bool SdlRenderer::blendIntoFrame(const SdlTexture& picture, const Sprite& sprite, const DrawState& state)
{
    if (!drawer_ || !shortcuts_ || !picture.pixels || !soft::available())
        return false;
    const int width = static_cast<int>(sprite.w);
    const int height = static_cast<int>(sprite.h);
    if (width <= 0 || height <= 0)
        return false;
    const bool stretched = width != sprite.source.width || height != sprite.source.height;
    soft::ConstPixels from = soft::ConstPixels{picture.pixels, picture.pitch, picture.spans.data(), 0}.from(
        sprite.source.x, sprite.source.y);
    if (stretched) {
        Stretched* copy = stretchedCopy(sprite, picture, true, false);
        if (!copy)
            return false;
        from = pixelsOf(*copy);
    }
    blend(from, static_cast<int>(sprite.x), static_cast<int>(sprite.y), width, height, state);
    return true;
}

bool SdlRenderer::turnIntoFrame(const SdlTexture& picture, const Sprite& sprite, const DrawState& state)
{
    if (!drawer_ || !shortcuts_ || !picture.pixels || !soft::available() || sprite.flipX || sprite.flipY)
        return false;
    const double angle = sprite.angle;
    if (soft::quarterTurns(angle))
        return false;
    SDL_ScaleMode mode = SDL_ScaleModeNearest;
    if (SDL_GetTextureScaleMode(picture.texture.get(), &mode) != 0 || mode != SDL_ScaleModeLinear)
        return false;
    const int width = static_cast<int>(sprite.w);
    const int height = static_cast<int>(sprite.h);
    if (width <= 0 || height <= 0)
        return false;
    // SDL turns the part drawn, first stretched to the size drawn where that differs.
    soft::ConstPixels from =
        soft::ConstPixels{picture.pixels, picture.pitch}.from(sprite.source.x, sprite.source.y);
    if (width != sprite.source.width || height != sprite.source.height) {
        Stretched* copy = stretchedCopy(sprite, picture, true, true);
        if (!copy)
            return false;
        from = pixelsOf(*copy);
    }
    const soft::Turn turn = soft::turnOf(width, height, angle, sprite.centerX, sprite.centerY);
    if (turn.width <= 0 || turn.height <= 0)
        return true;
    BlendQueue::Job job = jobFor(state);
    job.turned = true;
    job.from = from;
    job.turn = turn;
    job.centreX = sprite.centerX;
    job.centreY = sprite.centerY;
    job.sourceWidth = width;
    job.sourceHeight = height;
    job.x = static_cast<int>(sprite.x) + turn.x;
    job.y = static_cast<int>(sprite.y) + turn.y;
    queueCut(job, turn.width, turn.height);
    return true;
}

soft::ConstPixels SdlRenderer::pixelsOf(const Stretched& copy)
{
    const SDL_Surface* pixels = copy.pixels.get();
    return {static_cast<const std::uint32_t*>(pixels->pixels), pixels->pitch / 4,
            copy.spans.empty() ? nullptr : copy.spans.data()};
}

BlendQueue::Job SdlRenderer::jobFor(const DrawState& state)
{
    BlendQueue::Job job;
    job.red = static_cast<std::uint8_t>(state.red);
    job.green = static_cast<std::uint8_t>(state.green);
    job.blue = static_cast<std::uint8_t>(state.blue);
    job.alpha = alphaByte(state.alpha);
    job.mode = state.blend == Blend::Light ? soft::Mode::Add : soft::Mode::Blend;
    const bool modulated = job.red != 255 || job.green != 255 || job.blue != 255 || job.alpha != 255;
    job.kind = state.blend == Blend::Alpha && !modulated ? BlendQueue::Job::Kind::Plain
                                                         : BlendQueue::Job::Kind::Modulated;
    return job;
}

void SdlRenderer::blend(soft::ConstPixels from, int x, int y, int width, int height, const DrawState& state)
{
    BlendQueue::Job job = jobFor(state);
    job.from = from;
    job.x = x;
    job.y = y;
    queueCut(job, width, height);
}

void SdlRenderer::queueCut(BlendQueue::Job& job, int width, int height)
{
    // What shows: the picture cut by the clip rectangle and the frame's edges.
    const CellRect area = clip_.value_or(CellRect{0, 0, logicalWidth, logicalHeight});
    job.left = std::max({job.x, area.x, 0});
    job.top = std::max({job.y, area.y, 0});
    job.right = std::min({job.x + width, area.x + area.width, logicalWidth});
    job.bottom = std::min({job.y + height, area.y + area.height, logicalHeight});
    if (job.right <= job.left || job.bottom <= job.top)
        return; // nothing of it shows
    if (!job.turned && job.kind != BlendQueue::Job::Kind::Fill)
        job.from = job.from.from(job.left - job.x, job.top - job.y);
    // What SDL has been asked to draw so far goes first.
    SDL_RenderFlush(drawer_.get());
    queue_->add(job);
}

std::size_t SdlRenderer::StretchKeyHash::operator()(const StretchKey& k) const
{
    std::size_t h = std::hash<const void*>{}(k.texture);
    for (int v : {k.x, k.y, k.w, k.h, k.width, k.height})
        h = h * 1000003u ^ static_cast<std::size_t>(v);
    return h;
}

SdlRenderer::Stretched* SdlRenderer::stretchedCopy(const Sprite& sprite, const SdlTexture& picture,
                                                   bool asPixels, bool forTurning)
{
    SDL_Texture* texture = picture.texture.get();
    const int width = static_cast<int>(sprite.w);
    const int height = static_cast<int>(sprite.h);
    if (!software_ || !shortcuts_ || width <= 0 || height <= 0
        || (width == sprite.source.width && height == sprite.source.height))
        return nullptr;
    if (asPixels != (picture.pixels != nullptr))
        return nullptr;
    SDL_ScaleMode mode = SDL_ScaleModeNearest;
    if (SDL_GetTextureScaleMode(texture, &mode) != 0 || mode != SDL_ScaleModeLinear)
        return nullptr;
    // Cut by the clip rectangle, SDL stretches only the part that shows, which rounds a little
    // differently: there SDL draws it its own way.
    if (clip_ && !forTurning) {
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
        SDL_Rect source{sprite.source.x, sprite.source.y, sprite.source.width, sprite.source.height};
        Stretched made;
        if (asPixels) {
            // SDL's own linear stretch, from the picture's pixels where SDL keeps them.
            SurfacePtr whole(SDL_CreateRGBSurfaceWithFormatFrom(picture.pixels, picture.width, picture.height,
                                                                32, picture.pitch * 4,
                                                                SDL_PIXELFORMAT_ARGB8888));
            made.pixels.reset(SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888));
            if (!whole || !made.pixels
                || SDL_SoftStretchLinear(whole.get(), &source, made.pixels.get(), nullptr) != 0)
                return nullptr;
            made.spans = soft::spansOf(pixelsOf(made), width, height);
        } else {
            Uint32 format = 0;
            SDL_QueryTexture(texture, &format, nullptr, nullptr, nullptr);
            made.texture.reset(SDL_CreateTexture(drawer(), format, SDL_TEXTUREACCESS_TARGET, width, height));
            if (!made.texture)
                return nullptr;
            SDL_SetTextureBlendMode(texture, SDL_BLENDMODE_NONE);
            SDL_SetTextureColorMod(texture, 255, 255, 255);
            SDL_SetTextureAlphaMod(texture, 255);
            finishBlending();
            SDL_SetRenderTarget(drawer(), made.texture.get());
            SDL_RenderCopy(drawer(), texture, &source, nullptr);
            SDL_SetRenderTarget(drawer(), drawer_ ? nullptr : frame_.get());
            backendClip(clip_);
        }
        stretchedPixels_ += pixels;
        it = stretched_.emplace(key, std::move(made)).first;
    }
    it->second.lastUsed = frames_;
    return &it->second;
}

void SdlRenderer::backendForget(const Texture& texture)
{
    finishBlending(); // nothing may read what goes
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
    finishBlending();
    stretched_.clear();
    stretchedPixels_ = 0;
}

void SdlRenderer::setDrawColor(const DrawState& state)
{
    SDL_SetRenderDrawBlendMode(drawer(), blendOf(state.blend));
    SDL_SetRenderDrawColor(drawer(), static_cast<Uint8>(state.red), static_cast<Uint8>(state.green),
                           static_cast<Uint8>(state.blue), alphaByte(state.alpha));
}

void SdlRenderer::backendQuad(const FPoint (&c)[4], const DrawState& state)
{
    bool axisAligned = c[0].y == c[1].y && c[1].x == c[2].x && c[2].y == c[3].y && c[3].x == c[0].x;
    if (axisAligned) {
        float left = std::fmin(c[0].x, c[2].x);
        float top = std::fmin(c[0].y, c[2].y);
        SDL_FRect rect{left, top, std::fabs(c[2].x - c[0].x), std::fabs(c[2].y - c[0].y)};
        if (fillFrame(rect, state))
            return;
        finishBlending();
        setDrawColor(state);
        SDL_RenderFillRectF(drawer(), &rect);
        return;
    }
    SDL_Color colour{static_cast<Uint8>(state.red), static_cast<Uint8>(state.green),
                     static_cast<Uint8>(state.blue), alphaByte(state.alpha)};
    SDL_Vertex vertices[4];
    for (int i = 0; i < 4; ++i)
        vertices[i] = SDL_Vertex{SDL_FPoint{c[i].x, c[i].y}, colour, SDL_FPoint{0, 0}};
    const int indices[6] = {0, 1, 2, 0, 2, 3};
    finishBlending();
    SDL_SetRenderDrawBlendMode(drawer(), blendOf(state.blend));
    SDL_RenderGeometry(drawer(), nullptr, vertices, 4, indices, 6);
}

bool SdlRenderer::fillFrame(const SDL_FRect& rect, const DrawState& state)
{
    if (!drawer_ || !shortcuts_ || !soft::available())
        return false;
    // SDL's software renderer takes the rectangle in whole pixels, at least one each way.
    const int x = static_cast<int>(rect.x);
    const int y = static_cast<int>(rect.y);
    const int width = std::max(static_cast<int>(rect.w), 1);
    const int height = std::max(static_cast<int>(rect.h), 1);
    BlendQueue::Job job = jobFor(state);
    job.kind = BlendQueue::Job::Kind::Fill;
    job.x = x;
    job.y = y;
    queueCut(job, width, height);
    return true;
}

soft::Pixels SdlRenderer::frameAt(int x, int y) const
{
    const int pitch = frameSurface_->pitch / 4;
    return {static_cast<std::uint32_t*>(frameSurface_->pixels) + static_cast<std::ptrdiff_t>(y) * pitch + x,
            pitch};
}

void SdlRenderer::backendLine(float x1, float y1, float x2, float y2, const DrawState& state)
{
    finishBlending();
    setDrawColor(state);
    SDL_RenderDrawLineF(drawer(), x1, y1, x2, y2);
}

Image SdlRenderer::backendRead(int x, int y, int w, int h)
{
    Image image(w, h);
    if (drawer_) {
        finishDrawing();
        const auto* from =
            static_cast<const std::uint8_t*>(frameSurface_->pixels) + y * frameSurface_->pitch + x * 4;
        if (SDL_ConvertPixels(w, h, SDL_PIXELFORMAT_RGB888, from, frameSurface_->pitch,
                              SDL_PIXELFORMAT_RGBA32, image.rgba.data(), w * 4)
            != 0)
            return {};
    } else {
        SDL_Rect rect{x, y, w, h};
        if (SDL_RenderReadPixels(renderer_.get(), &rect, SDL_PIXELFORMAT_RGBA32, image.rgba.data(), w * 4)
            != 0)
            return {};
    }
    // The frame is opaque; what the texture's alpha holds after blending is not a picture's alpha.
    for (std::size_t i = 3; i < image.rgba.size(); i += 4)
        image.rgba[i] = 255;
    return image;
}
} // namespace media::sdl
