// Renderer.hpp: 2D drawing on the 1024 x 768 logical screen, with the global drawing state.
#pragma once

#include "media/Image.hpp"
#include "media/Picture.hpp"

#include <memory>
#include <optional>
#include <string_view>
#include <variant>
#include <vector>

namespace media
{
class Font;

enum class Blend
{
    Alpha, // ordinary transparency
    Light  // adds the colour to what is below
};

// Colour, alpha, scale, rotation and blend mode are global: whoever draws sets them, and they
// stay set until someone changes them.
struct DrawState
{
    int red = 255;
    int green = 255;
    int blue = 255;
    float alpha = 1;
    float scaleX = 1;
    float scaleY = 1;
    float rotation = 0; // degrees, clockwise on screen, about the drawing handle
    Blend blend = Blend::Alpha;
    bool operator==(const DrawState&) const = default;
};

struct FPoint
{
    float x = 0;
    float y = 0;
    bool operator==(const FPoint&) const = default;
};

class Renderer
{
public:
    static constexpr int logicalWidth = 1024;
    static constexpr int logicalHeight = 768;

    // A renderer that defers keeps the frame's drawing until the frame ends (see endFrame).
    explicit Renderer(bool defers = false) : defers_(defers) {}
    virtual ~Renderer() = default;
    Renderer(const Renderer&) = delete;
    Renderer& operator=(const Renderer&) = delete;

    // --- drawing state
    void setColor(int r, int g, int b);
    void setAlpha(float a);
    void setScale(float sx, float sy);
    void setRotation(float degrees);
    void setBlend(Blend blend) { state_.blend = blend; }
    const DrawState& state() const { return state_; }

    // Added to every drawing position (not to the viewport).
    void setOrigin(float x, float y);
    FPoint origin() const { return origin_; }
    // Drawing outside this rectangle of the logical screen is clipped away.
    void setViewport(int x, int y, int w, int h);
    void setClearColor(int r, int g, int b);

    // --- drawing
    // Fills the whole logical screen with the clear colour.
    void cls();
    // A frame of the picture with its handle on (x, y).
    void drawPicture(const Picture& picture, float x, float y, int frame = 0);
    // A frame stretched to w x h (before the global scale), its top-left corner on (x, y).
    void drawPictureRect(const Picture& picture, float x, float y, float w, float h, int frame = 0);
    // Part of a frame (sx, sy, sw, sh in cell pixels) stretched to w x h, top-left on (x, y).
    void drawSubPicture(const Picture& picture, float x, float y, float w, float h, float sx, float sy,
                        float sw, float sh, int frame = 0);
    // A filled rectangle from (x, y), scaled and rotated about (x, y).
    void drawRect(float x, float y, float w, float h);
    void drawLine(float x1, float y1, float x2, float y2);
    // Text with its top-left corner on (x, y), scaled and rotated about (x, y).
    void drawText(Font& font, std::string_view utf8, float x, float y);

    // --- reading back
    // Pixels of the current frame (logical coordinates), for screenshots and grabbed pictures.
    Image readFrame(int x, int y, int w, int h);
    Picture grabFrame(int x, int y, int w, int h, unsigned flags);

    // --- the frame's end
    // A deferring renderer draws the frame now, unless it asks for exactly what the last frame
    // drew: then the frame in the target already is this frame, and nothing is drawn. True
    // when the frame's pixels may have changed (always, for a renderer that does not defer).
    bool endFrame();
    // Draws whatever waits to be drawn, now.
    void flush();
    // Draws the calls waiting before call `end`.
    void flushUpTo(std::size_t end);
    // A texture is about to go: what waits is drawn while it still can be, and the last frame
    // is forgotten (a new texture may take the old one's place).
    void textureReleasing(const Texture& texture);
    // What textures hold to reach their renderer while it lives.
    std::weak_ptr<Renderer* const> lifeline() const { return lifeline_; }

    // Whether the backend may take its own shortcuts to the pixels it would draw anyway (kept
    // stretched copies, its own blending). On unless turned off.
    virtual void useShortcuts(bool use) { static_cast<void>(use); }

    // --- for the picture and font caches
    virtual std::unique_ptr<Texture> createTexture(const Image& image, bool filtered) = 0;

protected:
    struct Sprite
    {
        const Texture* texture = nullptr;
        CellRect source;                  // in texture pixels
        float x = 0, y = 0, w = 0, h = 0; // destination before rotation
        float angle = 0;                  // degrees clockwise
        float centerX = 0, centerY = 0;   // rotation centre, from the destination's corner
        bool flipX = false, flipY = false;
        bool operator==(const Sprite&) const = default;
    };
    virtual void backendClear(int r, int g, int b) = 0;
    virtual void backendClip(const std::optional<CellRect>& rect) = 0;
    virtual void backendSprite(const Sprite& sprite, const DrawState& state) = 0;
    virtual void backendQuad(const FPoint (&corners)[4], const DrawState& state) = 0;
    virtual void backendLine(float x1, float y1, float x2, float y2, const DrawState& state) = 0;
    virtual Image backendRead(int x, int y, int w, int h) = 0;
    // The state as the backend will draw with it (alpha in the steps it has), so two frames
    // that differ only below those steps count as the same frame.
    virtual DrawState settled(const DrawState& state) const { return state; }
    // Lets go of whatever the backend keeps made from `texture`, which is going.
    virtual void backendForget(const Texture& texture) { static_cast<void>(texture); }

private:
    // One drawing call as the backend takes it, kept until the frame's end.
    struct ClearCall
    {
        int r = 0, g = 0, b = 0;
        bool operator==(const ClearCall&) const = default;
    };
    struct ClipCall
    {
        std::optional<CellRect> rect;
        bool operator==(const ClipCall&) const = default;
    };
    struct SpriteCall
    {
        Sprite sprite;
        DrawState state;
        bool operator==(const SpriteCall&) const = default;
    };
    struct QuadCall
    {
        FPoint corners[4];
        DrawState state;
        bool operator==(const QuadCall&) const = default;
    };
    struct LineCall
    {
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        DrawState state;
        bool operator==(const LineCall&) const = default;
    };
    using Call = std::variant<ClearCall, ClipCall, SpriteCall, QuadCall, LineCall>;
    // Draws now, or keeps the call for the frame's end.
    void submit(Call call);
    void run(const Call& call);
    static bool coversTheFrame(const Call& call, const std::optional<CellRect>& clip);

    // Draws source rectangle `src` of `data` (cell pixels at level 0) so that the point
    // (hx, hy) of a w x h destination box lands on (x, y).
    void placeSprite(const PictureData& data, CellRect src, float x, float y, float w, float h, float hx,
                     float hy);

    DrawState state_;
    FPoint origin_;
    int clearRed_ = 0, clearGreen_ = 0, clearBlue_ = 0;

    // The frame in progress and the last one drawn, with the clip each began under.
    const bool defers_;
    std::vector<Call> frame_;
    std::vector<Call> last_;
    std::optional<CellRect> clip_;      // as the calls so far leave it
    std::optional<CellRect> drawnClip_; // as the calls drawn so far leave it
    std::optional<CellRect> frameStartClip_;
    std::optional<CellRect> lastStartClip_;
    std::size_t drawn_ = 0;  // calls of this frame already drawn (read-backs draw early)
    bool lastKnown_ = false; // last_ is what the target shows
    bool frameKept_ = true;  // no texture went during this frame
    bool differs_ = false;   // this frame is known already not to repeat the last
    std::shared_ptr<Renderer* const> lifeline_ = std::make_shared<Renderer* const>(this);
};
} // namespace media
