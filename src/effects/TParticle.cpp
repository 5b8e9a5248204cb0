// TParticle.cpp
#include "effects/TParticle.hpp"

#include "base/Program.hpp"
#include "data/DataFiles.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"

#include <algorithm>

void TParticle::setup()
{
    TRCMFile file = loadDataFile("data/particles.dat");
    std::vector<media::Picture>& particleImages = base::program().particleImages;
    particleImages.clear();
    if (!file._grupa.getGroup("particles"))
        return; // already reported by the loader
    const int highest = std::clamp(file.getInt("particles::i"), -1, 1000);
    for (int k = 0; k <= highest; ++k) {
        std::string path = file.getString("particles::p" + std::to_string(k));
        media::Picture picture = media::pictures().load(path, media::Filtered);
        if (picture.empty())
            media::reportLine("NO PARTICLE IMG: " + path);
        picture.midHandle();
        particleImages.push_back(picture);
    }
}

bool TParticle::_updateTime()
{
    const long long now = media::clock().millisecs();
    if (!born) {
        born = true;
        bornTime = now;
    }
    const long long age = now - bornTime;
    lifePer = std::min(1.0f, static_cast<float>(age) / static_cast<float>(std::max(1, lifeTime)));
    return age <= lifeTime;
}

void TParticle::_updateAlpha()
{
    a = startA + (da - startA) * lifePer;
}

void TParticle::_updateScale()
{
    s = startS + (ds - startS) * lifePer;
    r = startR + (dr - startR) * lifePer;
}

void TParticle::_updatePosition()
{
    x = x1 + 2 * per * (mx - x1) + per * per * (x1 - 2 * mx + x2);
    y = y1 + 2 * per * (my - y1) + per * per * (y1 - 2 * my + y2);
}

void TParticle::_updateMove()
{
    per = lifePer;
    _updatePosition();
}

bool TParticle::update()
{
    if (media::clock().millisecs() < startTime)
        return true;
    if (!_updateTime())
        return false;
    _updateAlpha();
    _updateScale();
    _updateMove();
    return true;
}

void TParticle::draw()
{
    const std::vector<media::Picture>& particleImages = base::program().particleImages;
    if (media::clock().millisecs() < startTime || n < 0 || n >= static_cast<int>(particleImages.size()))
        return;
    _updatePosition();
    media::Renderer& gfx = media::gfx();
    gfx.setBlend(blend == 3 ? media::Blend::Alpha : media::Blend::Light);
    gfx.setRotation(r);
    gfx.setColor(red, green, blue);
    gfx.setAlpha(a);
    gfx.setScale(s, s);
    gfx.drawPicture(particleImages[static_cast<std::size_t>(n)], x, y);
}

TParticle* newParticle(ParticleList& list, int n, float x1, float y1, float x2, float y2, float mx, float my,
                       Tint rgb, float startA, float endA, float startS, float endS, float startR, float endR,
                       int blend, int delay, int life)
{
    if (x1 == 0 && y1 == 0)
        return nullptr;
    auto p = std::make_unique<TParticle>();
    p->n = n;
    p->x1 = p->x = x1;
    p->y1 = p->y = y1;
    p->x2 = x2;
    p->y2 = y2;
    p->mx = mx;
    p->my = my;
    p->red = rgb.red;
    p->green = rgb.green;
    p->blue = rgb.blue;
    p->startA = p->a = startA;
    p->da = endA;
    p->startS = p->s = startS;
    p->ds = endS;
    p->startR = p->r = startR;
    p->dr = endR;
    p->blend = blend;
    p->startTime = media::clock().millisecs() + delay;
    p->lifeTime = life;
    list.push_back(std::move(p));
    return list.back().get();
}

void updateParticles(ParticleList& list)
{
    for (auto it = list.begin(); it != list.end();) {
        if ((*it)->update())
            ++it;
        else
            it = list.erase(it);
    }
}

void drawParticles(ParticleList& list)
{
    for (auto& p : list)
        p->draw();
    media::Renderer& gfx = media::gfx();
    gfx.setScale(1, 1);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setColor(255, 255, 255);
    gfx.setAlpha(1);
    gfx.setRotation(0);
}
