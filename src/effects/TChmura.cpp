// TChmura.cpp
#include "effects/TChmura.hpp"

#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "media/Platform.hpp"

#include <cmath>

namespace
{
constexpr float quarterTurn = 3.14159265358979f / 2.0f;
}

float TChmura::zoomAt(float per)
{
    return 0.2f - 0.2f * std::sin(quarterTurn * per);
}

TChmura TChmura::create(float speedFactor)
{
    media::Random& random = media::random();
    TChmura c;
    c.ax = static_cast<float>(random.rnd(0.1, 0.25)) * speedFactor;
    c.ay = 0;
    c.x = static_cast<float>(random.rand(0, 1024));
    c.y = static_cast<float>(random.rand(480, 705));
    c.a = 0;
    c.da = 1;
    c.n = random.rand(0, 4);
    c.time = media::clock().millisecs() + 1000LL * random.rand(10, 20);
    c.layer = random.rand(0, 1) == 0 ? Layer::Back : Layer::Front;
    return c;
}

bool TChmura::update()
{
    if (media::clock().millisecs() > time)
        da = 0;
    approach(a, da, fadeSpeed);
    const float delta = base::program().delta;
    x += ax * delta;
    y += ay * delta;
    return !(da == 0 && a == 0);
}
