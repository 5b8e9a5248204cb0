// NullRenderer.cpp
#include "media/null/NullRenderer.hpp"

namespace media
{
std::unique_ptr<Texture> NullRenderer::createTexture(const Image& image, bool)
{
    return std::make_unique<Texture>(image.width, image.height, image.opaque(), lifeline());
}

void NullRenderer::backendSprite(const Sprite& sprite, const DrawState& state)
{
    ++drawCalls_;
    last_ = state;
    lastSprite_ = sprite;
    if (recording_)
        recorded_.push_back({sprite, state});
}

void NullRenderer::backendQuad(const FPoint (&)[4], const DrawState& state)
{
    ++drawCalls_;
    last_ = state;
}

void NullRenderer::backendLine(float, float, float, float, const DrawState& state)
{
    ++drawCalls_;
    last_ = state;
}

Image NullRenderer::backendRead(int, int, int w, int h)
{
    Image black(w, h);
    for (std::size_t i = 3; i < black.rgba.size(); i += 4)
        black.rgba[i] = 255;
    return black;
}
} // namespace media
