// Texture.hpp: a picture uploaded to the renderer. Each backend derives its own.
#pragma once

namespace media
{
class Texture
{
public:
    Texture(int w, int h) : width(w), height(h) {}
    virtual ~Texture() = default;
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;

    const int width;
    const int height;
};
} // namespace media
