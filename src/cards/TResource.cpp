// TResource.cpp
#include "cards/TResource.hpp"

#include "audio/Sounds.hpp"
#include "base/Program.hpp"
#include "cards/ResourceTypes.hpp"
#include "effects/ParticleKinds.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;
}

TResource::TResource(int typeId, int amount) : id(typeId), ammount(amount), rd(resourceTypeById(typeId)) {}

void TResource::flyToCash()
{
    flying = true;
    x1 = x;
    y1 = y;
    x2 = 512;
    y2 = 80;
    if (media::random().rand(0, 1) == 1) {
        mx = 512;
        my = y1;
    } else {
        mx = x1;
        my = 80;
    }
    per = 0;
}

bool TResource::_update_fly(ParticleList& particles)
{
    per = std::min(1.0f, per + 0.05f * base::program().delta);
    float s = std::sin(90.0f * per * degrees);
    x = x1 + 2 * s * (mx - x1) + s * s * (x1 - 2 * mx + x2);
    y = y1 + 2 * s * (my - y1) + s * s * (y1 - 2 * my + y2);
    const long long now = media::clock().millisecs();
    if (now > time) {
        time = now + 25;
        for (int i = 0; i < 25; ++i)
            particleCoin(particles, x + static_cast<float>(media::random().rand(-5, 5)),
                         y + static_cast<float>(media::random().rand(-5, 5)));
    }
    return per >= 1;
}

bool TResource::update(ParticleList& particles)
{
    if (!flying)
        return false;
    return _update_fly(particles);
}

void TResource::addToProfile(ParticleList& particles)
{
    for (int i = 0; i < 50; ++i)
        particleCoin(particles, x + static_cast<float>(media::random().rand(-25, 25)),
                     y + static_cast<float>(media::random().rand(-25, 25)));
    playMySound("coin-" + std::to_string(media::random().rand(1, 2)));
}

void TResource::draw() const
{
    if (!rd || rd->img.empty())
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setRotation(per * 360);
    gfx.drawPicture(rd->img, x, y);
}
