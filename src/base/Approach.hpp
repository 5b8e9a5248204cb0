// Approach.hpp: how animated values move toward their targets.
#pragma once

#include "base/Program.hpp"

#include <cmath>

// Moves `value` toward `target` by speed x delta, stopping exactly on the target, never past it.
inline void approach(float& value, float target, float speed)
{
    const float delta = base::program().delta;
    if (std::isnan(value))
        value = target;
    if (value < target) {
        value += speed * delta;
        if (value > target)
            value = target;
    }
    if (value > target) {
        value -= speed * delta;
        if (value < target)
            value = target;
    }
}
