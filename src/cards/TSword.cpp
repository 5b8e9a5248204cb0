// TSword.cpp
#include "cards/TSword.hpp"

#include "base/Approach.hpp"
#include "base/Program.hpp"
#include "cards/Cards.hpp"
#include "cards/SwordRack.hpp"
#include "cards/TCardData.hpp"
#include "cards/TSwordData.hpp"
#include "gui/TMouse.hpp"
#include "media/Platform.hpp"

#include <algorithm>

namespace
{
// A hovered sword stands this far proud of the fan.
constexpr float hoverLift = 20;
constexpr float slideSpeed = 10;

// An angle brought into 0..360 by one turn at most.
void wrapOnce(float& angle)
{
    if (angle < 0)
        angle += 360;
    else if (angle > 360)
        angle -= 360;
}
} // namespace

void TSword::draw() const
{
    if (!sd || !sd->cd)
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setScale(s, s);
    gfx.setColor(255, 255, 255);
    gfx.setRotation(rot + 90);
    gfx.setAlpha(a);
    gfx.setBlend(media::Blend::Alpha);
    sd->cd->draw(dim.x, dim.y, 0, 0);
}

bool TSword::_updateOver() const
{
    if (!sd || !sd->cd || !hasGuiMouse())
        return false;
    // The face's own shape, or the card's where the face has no picture.
    const media::Picture& face = sd->cd->img;
    media::MaskCell shape = face.mask(sd->cd->frame);
    const media::Picture& mask = cardGraphics().mask;
    media::Placement placed;
    if (shape.empty()) {
        shape = mask.mask();
        placed.handleX = mask.handleX();
        placed.handleY = mask.handleY();
    } else {
        placed.handleX = face.handleX();
        placed.handleY = face.handleY();
    }
    const media::Picture& probe = base::program().pointImage;
    if (shape.empty() || probe.empty())
        return false;
    placed.x = dim.x;
    placed.y = dim.y;
    placed.rotation = rot + 90;
    media::Placement point;
    point.x = static_cast<float>(guiMouse().x);
    point.y = static_cast<float>(guiMouse().y);
    return media::masksOverlap(shape, placed, probe.mask(), point);
}

void TSword::_updateAdy(bool hovered)
{
    if (hovered) {
        over = 1;
        dOverP = 1;
    } else {
        dOverP = 0;
    }
    approach(overP, dOverP, 0.05f);
}

void TSword::_updateRot()
{
    wrapOnce(rot);
    wrapOnce(dRot);
    approach(rot, dRot, 0.1f);
}

void TSword::_updatePosition()
{
    const TDim at = rack::point(rot, hoverLift * overP + dodOdl);
    dim.x = at.x;
    dim.y = at.y;
}

void TSword::_updateAlphaSelf()
{
    dodOdl = std::min(rack::slideOut, dodOdl + slideSpeed * base::program().delta);
}

void TSword::_updateAlpha(bool clicked)
{
    if (clicked) {
        _updateAlphaSelf();
        return;
    }
    dodOdl = std::max(0.0f, dodOdl - slideSpeed * base::program().delta);
    approach(a, da, 0.05f);
}

void TSword::update(bool hovered, bool clicked)
{
    _updateAdy(hovered);
    _updateRot();
    _updatePosition();
    _updateAlpha(clicked);
}
