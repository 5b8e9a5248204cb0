// TStoryTxt.cpp
#include "screens/TStoryTxt.hpp"

#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"

#include <algorithm>
#include <cmath>

void TStoryTxt::pause(long long now)
{
    pauseTime = now;
}

void TStoryTxt::resume(long long now)
{
    const long long paused = now - pauseTime;
    startTime += paused;
    if (endTime != 0)
        endTime += paused;
}

void TStoryTxt::pauseAll(std::vector<TStoryTxt>& list, long long now)
{
    for (TStoryTxt& caption : list)
        caption.pause(now);
}

void TStoryTxt::resumeAll(std::vector<TStoryTxt>& list, long long now)
{
    for (TStoryTxt& caption : list)
        caption.resume(now);
}

float TStoryTxt::height() const
{
    if (!font)
        return 0;
    return static_cast<float>(txt.size()) * static_cast<float>(textHeight(*font));
}

bool TStoryTxt::update(long long now)
{
    // A caption with no life is never shown (and its growth would divide by zero).
    if (lifeTime <= 0)
        return true;
    if (now < startTime)
        return false;
    if (endTime == 0)
        endTime = now + lifeTime;
    const float life = static_cast<float>(lifeTime);
    const float b = static_cast<float>(endTime - now);
    s = 0.85f + (1.0f - b / life) * 0.15f;
    const float fade = static_cast<float>(fadeTime);
    if (b <= fade)
        a = b / fade;
    else if (b > life - 2 * fade && b < life - fade)
        a = 1;
    else if (b >= life - fade)
        a = 1.0f - (b - life + fade) / fade;
    a = std::clamp(a, 0.0f, 1.0f);
    return now > endTime;
}

void TStoryTxt::draw(float k) const
{
    if (!font || !visible())
        return;
    media::Renderer& gfx = media::gfx();
    gfx.setColor(255, 255, 255);
    gfx.setBlend(media::Blend::Alpha);
    gfx.setRotation(0);
    gfx.setScale(s, s);
    gfx.setAlpha(a * k);
    const float line = static_cast<float>(textHeight(*font));
    float top = y - height() / 2;
    for (const std::string& text : txt) {
        const float half = std::floor(font->textWidth(text) / 2);
        gfx.drawText(*font, text, x - half * s, top);
        top += line;
    }
}

void TStoryTxt::createTextData(const std::string& text)
{
    const std::string marker = lineBreak;
    std::size_t from = 0;
    while (true) {
        const std::size_t at = text.find(marker, from);
        if (at == std::string::npos) {
            txt.push_back(text.substr(from));
            return;
        }
        txt.push_back(text.substr(from, at - from));
        from = at + marker.size();
    }
}
