// Renderer.cpp: the drawing state and the geometry shared by every backend.
#include "media/Renderer.hpp"

#include "media/Font.hpp"
#include "media/PictureCache.hpp"
#include "media/Text.hpp"

#include <algorithm>
#include <cmath>

namespace media
{
namespace
{
int clampColor(int c)
{
    return std::clamp(c, 0, 255);
}

FPoint rotateAbout(FPoint p, FPoint centre, float degrees)
{
    if (degrees == 0)
        return p;
    double rad = degrees * 3.14159265358979323846 / 180.0;
    double c = std::cos(rad);
    double s = std::sin(rad);
    double dx = p.x - centre.x;
    double dy = p.y - centre.y;
    return {static_cast<float>(centre.x + dx * c - dy * s), static_cast<float>(centre.y + dx * s + dy * c)};
}
} // namespace

void Renderer::setColor(int r, int g, int b)
{
    state_.red = clampColor(r);
    state_.green = clampColor(g);
    state_.blue = clampColor(b);
}

void Renderer::setAlpha(float a)
{
    state_.alpha = std::isnan(a) ? 0.0f : std::clamp(a, 0.0f, 1.0f);
}

void Renderer::setScale(float sx, float sy)
{
    state_.scaleX = std::isfinite(sx) ? sx : 0.0f;
    state_.scaleY = std::isfinite(sy) ? sy : 0.0f;
}

void Renderer::setRotation(float degrees)
{
    state_.rotation = std::isfinite(degrees) ? degrees : 0.0f;
}

void Renderer::setOrigin(float x, float y)
{
    origin_ = {x, y};
}

void Renderer::setViewport(int x, int y, int w, int h)
{
    if (x <= 0 && y <= 0 && x + w >= logicalWidth && y + h >= logicalHeight)
        submit(ClipCall{std::nullopt});
    else
        submit(ClipCall{CellRect{x, y, std::max(0, w), std::max(0, h)}});
}

void Renderer::setClearColor(int r, int g, int b)
{
    clearRed_ = clampColor(r);
    clearGreen_ = clampColor(g);
    clearBlue_ = clampColor(b);
}

void Renderer::cls()
{
    submit(ClearCall{clearRed_, clearGreen_, clearBlue_});
}

void Renderer::drawPicture(const Picture& picture, float x, float y, int frame)
{
    if (picture.empty())
        return;
    CellRect cell = picture.data()->cell(frame);
    if (cell.width <= 0)
        return;
    placeSprite(*picture.data(), cell, x, y, static_cast<float>(cell.width), static_cast<float>(cell.height),
                picture.handleX(), picture.handleY());
}

void Renderer::drawPictureRect(const Picture& picture, float x, float y, float w, float h, int frame)
{
    if (picture.empty())
        return;
    CellRect cell = picture.data()->cell(frame);
    if (cell.width <= 0)
        return;
    placeSprite(*picture.data(), cell, x, y, w, h, 0, 0);
}

void Renderer::drawSubPicture(const Picture& picture, float x, float y, float w, float h, float sx, float sy,
                              float sw, float sh, int frame)
{
    if (picture.empty())
        return;
    CellRect cell = picture.data()->cell(frame);
    if (cell.width <= 0)
        return;
    // Keep the part inside the cell.
    float left = std::clamp(sx, 0.0f, static_cast<float>(cell.width));
    float top = std::clamp(sy, 0.0f, static_cast<float>(cell.height));
    float right = std::clamp(sx + sw, left, static_cast<float>(cell.width));
    float bottom = std::clamp(sy + sh, top, static_cast<float>(cell.height));
    CellRect part{cell.x + static_cast<int>(left), cell.y + static_cast<int>(top),
                  static_cast<int>(std::lround(right - left)), static_cast<int>(std::lround(bottom - top))};
    if (part.width <= 0 || part.height <= 0)
        return;
    placeSprite(*picture.data(), part, x, y, w, h, 0, 0);
}

void Renderer::placeSprite(const PictureData& data, CellRect src, float x, float y, float w, float h,
                           float hx, float hy)
{
    const float sx = state_.scaleX;
    const float sy = state_.scaleY;
    if (sx == 0 || sy == 0 || w <= 0 || h <= 0 || state_.alpha <= 0)
        return;

    // Pick the smallest copy that is still at least as large as it will be drawn.
    std::size_t level = 0;
    if ((data.flags & MipMapped) && data.levels.size() > 1) {
        float k = std::max(std::abs(sx) * w / static_cast<float>(src.width),
                           std::abs(sy) * h / static_cast<float>(src.height));
        while (level + 1 < data.levels.size() && k <= 0.5f) {
            k *= 2;
            ++level;
        }
    }
    const Texture* texture = data.levels[level].get();
    if (!texture)
        return;
    CellRect source{src.x >> level, src.y >> level, std::max(1, src.width >> level),
                    std::max(1, src.height >> level)};

    Sprite sprite;
    sprite.texture = texture;
    sprite.source = source;
    sprite.flipX = sx < 0;
    sprite.flipY = sy < 0;
    sprite.w = w * std::abs(sx);
    sprite.h = h * std::abs(sy);
    // A mirrored picture keeps its handle where it was: measure the handle from the far side.
    float handleX = (sprite.flipX ? (w - hx) : hx) * std::abs(sx);
    float handleY = (sprite.flipY ? (h - hy) : hy) * std::abs(sy);
    sprite.x = x + origin_.x - handleX;
    sprite.y = y + origin_.y - handleY;
    sprite.centerX = handleX;
    sprite.centerY = handleY;
    sprite.angle = state_.rotation;
    submit(SpriteCall{sprite, settled(state_)});
}

void Renderer::drawRect(float x, float y, float w, float h)
{
    if (state_.alpha <= 0)
        return;
    FPoint at{x + origin_.x, y + origin_.y};
    float sw = w * state_.scaleX;
    float sh = h * state_.scaleY;
    FPoint corners[4] = {at, {at.x + sw, at.y}, {at.x + sw, at.y + sh}, {at.x, at.y + sh}};
    for (FPoint& c : corners)
        c = rotateAbout(c, at, state_.rotation);
    submit(QuadCall{{corners[0], corners[1], corners[2], corners[3]}, settled(state_)});
}

void Renderer::drawLine(float x1, float y1, float x2, float y2)
{
    if (state_.alpha <= 0)
        return;
    submit(LineCall{x1 + origin_.x, y1 + origin_.y, x2 + origin_.x, y2 + origin_.y, settled(state_)});
}

void Renderer::drawText(Font& font, std::string_view utf8, float x, float y)
{
    if (state_.alpha <= 0 || state_.scaleX == 0 || state_.scaleY == 0)
        return;
    // Unscaled, unrotated text sits on whole pixels so it stays crisp.
    const bool plain = state_.rotation == 0 && state_.scaleX == 1 && state_.scaleY == 1;
    if (plain) {
        x = std::round(x + origin_.x) - origin_.x;
        y = std::round(y + origin_.y) - origin_.y;
    }
    float pen = 0;
    char32_t previous = 0;
    for (char32_t c : text::toUtf32(utf8)) {
        if (c == '\r' || c == '\n')
            continue;
        pen += font.kerning(previous, c);
        const Font::Glyph& glyph = font.glyph(c, *this);
        if (!glyph.picture.empty()) {
            const PictureData& data = *glyph.picture.data();
            float left = pen + glyph.bearingX;
            float top = static_cast<float>(font.ascent()) - glyph.bearingY;
            if (plain)
                left = std::round(left);
            // Every glyph turns about the text's corner: its handle is that corner, seen from the glyph.
            placeSprite(data, data.cell(0), x, y, static_cast<float>(glyph.picture.width()),
                        static_cast<float>(glyph.picture.height()), -left, -top);
        }
        pen += glyph.advance;
        previous = c;
    }
}

void Renderer::submit(Call call)
{
    if (const auto* clip = std::get_if<ClipCall>(&call))
        clip_ = clip->rect;
    if (!defers_) {
        run(call);
        return;
    }
    frame_.push_back(std::move(call));
    if (!differs_) {
        const std::size_t i = frame_.size() - 1;
        differs_ =
            !lastKnown_ || frameStartClip_ != lastStartClip_ || i >= last_.size() || !(frame_[i] == last_[i]);
    }
    // A frame that cannot repeat the last is drawn as it comes, so that the drawing goes on
    // beside the game's own work; the newest call waits, in case it is a clear the next hides.
    constexpr std::size_t drawAhead = 16;
    if (differs_ && frame_.size() - drawn_ > drawAhead)
        flushUpTo(frame_.size() - 1);
}

void Renderer::run(const Call& call)
{
    struct Runner
    {
        Renderer& r;
        void operator()(const ClearCall& c) const { r.backendClear(c.r, c.g, c.b); }
        void operator()(const ClipCall& c) const { r.backendClip(c.rect); }
        void operator()(const SpriteCall& c) const { r.backendSprite(c.sprite, c.state); }
        void operator()(const QuadCall& c) const { r.backendQuad(c.corners, c.state); }
        void operator()(const LineCall& c) const { r.backendLine(c.x1, c.y1, c.x2, c.y2, c.state); }
    };
    std::visit(Runner{*this}, call);
}

bool Renderer::coversTheFrame(const Call& call, const std::optional<CellRect>& clip)
{
    // An opaque picture copied over the whole frame, unturned, at full strength.
    const auto* s = std::get_if<SpriteCall>(&call);
    if (!s || clip)
        return false;
    const Sprite& p = s->sprite;
    auto whole = [](float v) { return v == std::floor(v); };
    return p.texture && p.texture->opaque && p.angle == 0 && !p.flipX && !p.flipY && s->state.alpha >= 1
           && s->state.blend == Blend::Alpha && p.x <= 0 && p.y <= 0 && p.x + p.w >= logicalWidth
           && p.y + p.h >= logicalHeight && whole(p.x) && whole(p.y) && whole(p.w) && whole(p.h);
}

void Renderer::flush()
{
    flushUpTo(frame_.size());
}

void Renderer::flushUpTo(std::size_t end)
{
    for (; drawn_ < end; ++drawn_) {
        const Call& call = frame_[drawn_];
        // A clear that the next picture hides entirely is not worth its time.
        if (std::holds_alternative<ClearCall>(call) && drawn_ + 1 < frame_.size()
            && coversTheFrame(frame_[drawn_ + 1], drawnClip_))
            continue;
        if (const auto* clip = std::get_if<ClipCall>(&call))
            drawnClip_ = clip->rect;
        run(call);
    }
}

bool Renderer::endFrame()
{
    if (!defers_)
        return true;
    // Only a frame drawn entirely at its end can be left undrawn: one read back on the way
    // has already drawn into the target.
    const bool repeat = lastKnown_ && drawn_ == 0 && frameStartClip_ == lastStartClip_ && frame_ == last_;
    if (!repeat) {
        flush();
        std::swap(frame_, last_);
        lastStartClip_ = frameStartClip_;
    }
    lastKnown_ = frameKept_;
    frame_.clear();
    drawn_ = 0;
    frameKept_ = true;
    differs_ = false;
    frameStartClip_ = clip_;
    return !repeat;
}

void Renderer::textureReleasing(const Texture& texture)
{
    flush();
    backendForget(texture);
    // A picture made later may get the same address: a frame drawn with this one must not
    // look like a frame drawn with that.
    lastKnown_ = false;
    frameKept_ = false;
}

Image Renderer::readFrame(int x, int y, int w, int h)
{
    x = std::clamp(x, 0, logicalWidth);
    y = std::clamp(y, 0, logicalHeight);
    w = std::clamp(w, 0, logicalWidth - x);
    h = std::clamp(h, 0, logicalHeight - y);
    if (w == 0 || h == 0)
        return {};
    flush();
    return backendRead(x, y, w, h);
}

Picture Renderer::grabFrame(int x, int y, int w, int h, unsigned flags)
{
    Image image = readFrame(x, y, w, h);
    if (image.empty())
        return {};
    // A grabbed frame is opaque; nothing in it is keyed out.
    return makePicture(*this, image, flags & ~Masked, "");
}
} // namespace media

namespace media
{
Texture::~Texture()
{
    if (!released_)
        releasing();
}

void Texture::releasing()
{
    released_ = true;
    if (auto renderer = renderer_.lock())
        (*renderer)->textureReleasing(*this);
}
} // namespace media
