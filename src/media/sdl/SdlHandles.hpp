// SdlHandles.hpp: owning handles for SDL objects.
#pragma once

#include <SDL.h>

#include <memory>

namespace media::sdl
{
struct WindowDeleter
{
    void operator()(SDL_Window* w) const { SDL_DestroyWindow(w); }
};
struct RendererDeleter
{
    void operator()(SDL_Renderer* r) const { SDL_DestroyRenderer(r); }
};
struct TextureDeleter
{
    void operator()(SDL_Texture* t) const { SDL_DestroyTexture(t); }
};
struct SurfaceDeleter
{
    void operator()(SDL_Surface* s) const { SDL_FreeSurface(s); }
};

using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;
using RendererPtr = std::unique_ptr<SDL_Renderer, RendererDeleter>;
using TexturePtr = std::unique_ptr<SDL_Texture, TextureDeleter>;
using SurfacePtr = std::unique_ptr<SDL_Surface, SurfaceDeleter>;

// SDL_Init and SDL_Quit as one object: the first member of whatever owns SDL objects, so
// that SDL quits only after they are gone.
class SdlSession
{
public:
    SdlSession() = default;
    bool start(Uint32 flags) { return started_ = SDL_Init(flags) == 0; }
    ~SdlSession()
    {
        if (started_)
            SDL_Quit();
    }
    SdlSession(const SdlSession&) = delete;
    SdlSession& operator=(const SdlSession&) = delete;

private:
    bool started_ = false;
};
} // namespace media::sdl
