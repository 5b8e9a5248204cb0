// TRotPart.cpp
#include "effects/TRotPart.hpp"

#include "base/Program.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

namespace
{
constexpr float degrees = 3.14159265358979f / 180.0f;
}

TRotPart TRotPart::addNew()
{
    media::Random& random = media::random();
    TRotPart m;
    m.a = 0;
    m.da = 1;
    m.r = static_cast<float>(random.rand(0, 360));
    const auto f = static_cast<float>(random.rnd(0.3, 0.9));
    m.w = radiusX * f;
    m.h = radiusY * f;
    m.rotSpeed = static_cast<float>(random.rnd(3.0, 4.0));
    if (random.rand(0, 1) == 1)
        m.rotSpeed = -m.rotSpeed;
    m.n = random.rand(0, 1);
    m.t = media::clock().millisecs() + random.rand(500, 1500);
    return m;
}

bool TRotPart::update()
{
    const float delta = base::program().delta;
    x = centreX + std::cos(r * degrees) * w;
    y = centreY + std::sin(r * degrees) * h;
    r += rSpeed * delta;
    cr += rotSpeed * delta;
    if (a < da)
        a = std::min(da, a + 0.02f * delta);
    else if (a > da)
        a = std::max(da, a - 0.01f * delta);
    if (media::clock().millisecs() > t)
        da = 0;
    return !(da == 0 && a == 0);
}

void TRotPart::draw(float alpha) const
{
    const std::vector<media::Picture>& images = base::program().particleImages;
    if (static_cast<std::size_t>(n) >= images.size())
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setAlpha(a * 0.5f * alpha);
    gfx.setRotation(cr);
    gfx.setScale(0.7f, 0.7f);
    gfx.drawPicture(images[static_cast<std::size_t>(n)], x, y);
    gfx.setBlend(media::Blend::Light);
    gfx.setAlpha(a * 0.3f * alpha);
    gfx.drawPicture(images[static_cast<std::size_t>(n)], x, y);
}

void DriveMotes::updateAll(int driveN)
{
    if (motes_.size() < static_cast<std::size_t>(std::max(0, 2 * driveN)))
        motes_.push_back(TRotPart::addNew());
    std::erase_if(motes_, [](TRotPart& m) { return !m.update(); });
}

void DriveMotes::drawAll(float alpha) const
{
    for (const TRotPart& m : motes_)
        m.draw(alpha);
    media::Renderer& gfx = media::gfx();
    gfx.setRotation(0);
    gfx.setScale(1, 1);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setAlpha(1);
}
