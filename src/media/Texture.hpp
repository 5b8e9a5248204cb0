// Texture.hpp: a picture uploaded to the renderer. Each backend derives its own.
#pragma once

#include <memory>

namespace media
{
class Renderer;

class Texture
{
public:
    // `renderer` is the renderer's lifeline (Renderer::lifeline()), or none.
    Texture(int w, int h, bool isOpaque = false, std::weak_ptr<Renderer* const> renderer = {})
        : width(w), height(h), opaque(isOpaque), renderer_(std::move(renderer))
    {}
    virtual ~Texture();
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    const int width;
    const int height;
    // Every pixel fully opaque: drawn unturned at full alpha, it is copied, not blended.
    const bool opaque;

protected:
    // Tells the renderer this texture goes, while it can still be drawn: what waits to be
    // drawn with it is drawn now. A backend whose texture frees its pixels in its own
    // destructor calls this first; otherwise the base destructor does.
    void releasing();

private:
    std::weak_ptr<Renderer* const> renderer_;
    bool released_ = false;
};
} // namespace media
