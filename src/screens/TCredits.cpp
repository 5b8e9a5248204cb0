// TCredits.cpp
#include "screens/TCredits.hpp"

#include "base/Program.hpp"
#include "data/TextTables.hpp"
#include "gui/TMouse.hpp"
#include "gui/TextLayout.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"
#include "screens/Frame.hpp"
#include "screens/ModalScreen.hpp"

#include <cmath>

namespace
{
constexpr int smallSize = 26;
constexpr int headingSize = 42;
constexpr int titleSize = 60;
constexpr int lineGap = 2;

// Drops the mark at the start and, when it is there, the same mark at the end.
std::string unmarked(const std::string& line, char mark)
{
    std::string text = line.substr(1);
    if (!text.empty() && text.back() == mark)
        text.pop_back();
    return text;
}
} // namespace

void TCreditData::draw(int y, float alpha) const
{
    if (!font || txt.empty())
        return;
    media::Renderer& gfx = media::gfx();
    const int half = static_cast<int>(std::floor(font->textWidth(txt) / 2));
    gfx.setColor(0, 0, 0);
    gfx.setAlpha(0.4f * alpha);
    gfx.drawText(*font, txt, static_cast<float>(513 - half), static_cast<float>(y + 1));
    gfx.setAlpha(alpha);
    const std::u32string letters = media::text::toUtf32(txt);
    const double n = static_cast<double>(letters.size());
    float x = static_cast<float>(512 - half);
    for (std::size_t i = 0; i < letters.size(); ++i) {
        const double along = static_cast<double>(i) / n;
        const int green = static_cast<int>(200 + 55 * along);
        gfx.setColor(static_cast<int>(255 * along), green, green);
        const std::string letter = media::text::toUtf8(std::u32string_view(&letters[i], 1));
        gfx.drawText(*font, letter, x, static_cast<float>(y));
        x += font->textWidth(letter);
    }
}

int TCreditData::height() const
{
    return (font ? textHeight(*font) : 0) + lineGap;
}

TCredits::TCredits()
{
    id = "CREDITS";
}

void TCredits::setup()
{
    img = media::pictures().load("gfx/backgrounds/background-3.jpg");
    font1 = &media::fonts().get(smallSize);
    font2 = &media::fonts().get(headingSize);
    font3 = &media::fonts().get(titleSize);
    readLines(loadTextTable("txt/#LANG#/credits.txt").txt);
}

void TCredits::readLines(const std::vector<std::string>& lines)
{
    lista.clear();
    for (std::string line : lines) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (line.empty())
            continue;
        TCreditData data{line, font1};
        if (data.txt.front() == '#') {
            data.font = font2;
            data.txt = unmarked(data.txt, '#');
        }
        if (!data.txt.empty() && data.txt.front() == '$') {
            data.font = font3;
            data.txt = unmarked(data.txt, '$');
        }
        lista.push_back(std::move(data));
    }
}

int TCredits::listHeight() const
{
    int total = 0;
    for (const TCreditData& line : lista)
        total += line.height();
    return total;
}

void TCredits::prepare(TEkran* background)
{
    openOver(*this, background);
    y = startY;
}

void TCredits::_updateMove()
{
    y -= base::program().delta;
    // Everything has left the top: the lines come in from below again.
    if (y + static_cast<float>(listHeight()) < 0)
        y = wrapY;
}

void TCredits::update()
{
    beginFrame();
    _updateFade();
    _updateAlpha();
    _updateMove();
    media::Input& input = media::input();
    const bool dismissed = guiMouse().leftPressed || input.keyHits(media::key::Enter) > 0
                           || input.keyHits(media::key::Space) > 0 || input.keyHits(media::key::Escape) > 0;
    if (dismissed)
        dAlpha = 0;
}

void TCredits::_drawBack()
{
    if (ekran)
        ekran->draw();
    drawStandards();
    media::gfx().setAlpha(alpha);
    media::gfx().drawPicture(img, 0, 0);
}

void TCredits::_drawCredits()
{
    float at = y;
    for (const TCreditData& line : lista) {
        const float h = static_cast<float>(line.height());
        // Only the lines on the screen are drawn.
        if (at < 768 && at + h > 0)
            line.draw(static_cast<int>(std::floor(at)), alpha);
        at += h;
    }
    drawStandards();
}

void TCredits::draw()
{
    _drawBack();
    _drawCredits();
    _drawBlackFade();
    drawStandards();
}

void TCredits::mainLoop(TEkran* background)
{
    prepare(background);
    // Nothing pressed before the credits dismisses them, nor the press that did reaches the
    // screen below.
    forgetInput();
    runUntilGone(*this);
    forgetInput();
}

TCredits& credits()
{
    return setUpOnce(base::program().credits);
}
