// TStoryText.cpp
#include "screens/TStoryText.hpp"

#include "base/Approach.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <cmath>

TStoryText::TStoryText(std::string line) : txt(std::move(line))
{
    if (!txt.empty() && txt.back() == '\r')
        txt.pop_back();
    const std::u32string wide = media::text::toUtf32(txt);
    for (std::size_t i = 0; i < wide.size(); ++i)
        letters_.push_back(media::text::toUtf8(std::u32string_view(&wide[i], 1)));
    a.assign(letters_.size(), 0.0f);
    da.assign(letters_.size(), 0.0f);
}

void TStoryText::start()
{
    if (!da.empty())
        da.front() = 1;
}

bool TStoryText::started() const
{
    return !da.empty() && da.front() > 0;
}

int TStoryText::update()
{
    if (a.empty() || a.back() == 1.0f)
        return 1;
    for (std::size_t i = 0; i < a.size(); ++i) {
        approach(a[i], da[i], speed);
        if (a[i] > border && i + 1 < a.size())
            da[i + 1] = 1;
    }
    return a.back() == 1.0f ? 1 : 0;
}

void TStoryText::showNow()
{
    a.assign(a.size(), 1.0f);
    da.assign(da.size(), 1.0f);
}

void TStoryText::draw(media::Font& font, float y) const
{
    if (a.empty() || a.front() == 0)
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    float x = static_cast<float>(512 - static_cast<int>(std::floor(font.textWidth(txt) / 2)));
    for (std::size_t i = 0; i < letters_.size(); ++i) {
        gfx.setAlpha(a[i]);
        gfx.drawText(font, letters_[i], x, y);
        x += font.textWidth(letters_[i]);
    }
    gfx.setAlpha(1);
    gfx.setColor(255, 255, 255);
}

void TStoryText::draw2(media::Font& font, float y) const
{
    media::Renderer& gfx = media::gfx();
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(0.1f);
    gfx.setScale(1, 1);
    gfx.drawText(font, txt, static_cast<float>(512 - static_cast<int>(std::floor(font.textWidth(txt) / 2))),
                 y);
    gfx.setAlpha(1);
    gfx.setColor(255, 255, 255);
}
