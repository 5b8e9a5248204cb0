// TButton.cpp
#include "gui/TButton.hpp"

#include "base/Approach.hpp"
#include "gui/ButtonDrawing.hpp"
#include "gui/Fonts.hpp"
#include "gui/GuiError.hpp"
#include "gui/GuiValues.hpp"
#include "gui/StringTools.hpp"
#include "gui/TGui.hpp"
#include "gui/TextLayout.hpp"
#include "media/Font.hpp"
#include "media/Platform.hpp"
#include "media/Text.hpp"

#include <algorithm>
#include <tuple>
#include <utility>

namespace
{
// Captions of buttons whose declaration names no font.
constexpr int defaultCaptionSize = 12;

std::string valueOr(const std::vector<TSimpleEntry>& entries, const char* key, const std::string& fallback)
{
    const std::string* v = findEntry(entries, key);
    return v ? *v : fallback;
}

// The two numbers of a value such as ADDDIM = "3 -4"; 0 for the missing ones.
std::pair<float, float> numberPair(const std::vector<TSimpleEntry>& entries, const char* key)
{
    const std::vector<int> v = guiNumbers(valueOr(entries, key, "0 0"), 2);
    return {static_cast<float>(v[0]), static_cast<float>(v[1])};
}

int trunc(float v)
{
    return static_cast<int>(v);
}

void setColour(const std::optional<TRGB>& c)
{
    const TRGB colour = c.value_or(TRGB{});
    media::gfx().setColor(colour.r, colour.g, colour.b);
}
} // namespace

std::optional<ButtonType> TButton::typeCode(const std::string& typ)
{
    const ButtonLook* look = findLook(typ);
    return look ? std::optional(look->type) : std::nullopt;
}

TButton::TButton()
{
    _class = classButton;
}

int TButton::setDeltaTime(int ms, int index)
{
    if (index < 0 || index >= TAnimData::maxAnims)
        return 0;
    _animData.frameDelta[index] = ms;
    return 1;
}

int TButton::interpretujSchemat(const std::string& schema, int dir)
{
    _dir = dir;
    int current = -1;
    bool normal = false;
    for (const std::string& raw : removeEmpty(splitText(schema, " ", "[", "]"))) {
        const std::string part = media::text::trim(raw);
        if (isDigits(part)) {
            if (current < 0) {
                guiError("Nieprawidlowy schemat : klatka " + part + " przed nazwa animacji w " + schema);
                continue;
            }
            int& count = _animData.frames[current];
            if (count >= TAnimData::maxFramesPerAnim) {
                guiError("Nieprawidlowy schemat : ponad 100 klatek animacji w " + schema);
                continue;
            }
            _animData.frameN[current][count] = guiInt(part);
            ++count;
            _animData.maxFrames[current] = count;
            continue;
        }
        int ms = 500;
        std::vector<std::string> timing = extractTagged(part, '(', ')', 0);
        if (!timing.empty())
            ms = guiInt(timing.front());
        const std::string name = media::text::trim(removeTagged(part, '(', ')', 0));
        current = _animData.dodajNazwe(name);
        setDeltaTime(ms, current);
        const std::string upper = media::text::toUpper(name);
        if (upper == "ACTIVE") {
            _activeFlag = 1;
            _animActive = current;
        } else if (upper == "OVER") {
            _overFlag = 1;
            _animOver = current;
        } else if (upper == "UNACTIVE") {
            _unactiveFlag = 1;
            _animUnActive = current;
        } else if (upper == "NORMAL") {
            normal = true;
            _animNormal = current;
        }
    }
    if (!normal)
        guiError("Blad! Nie okreslono znacznika animacji [NORMAL] w schemacie:" + schema);
    frames = _animData.liczbaKlatek();
    playIndex(_animNormal);
    return 1;
}

void TButton::playIndex(int index)
{
    aktAnim = std::clamp(index, 0, TAnimData::maxAnims - 1);
    aktFrame = 0;
    _wykonano = 0;
    _animData.animTime = media::clock().millisecs() + _animData.frameDelta[aktAnim];
}

int TButton::playAnim(const std::string& name)
{
    playIndex(_animData.getAnimByName(name));
    return 1;
}

int TButton::animUpdate()
{
    const long long now = media::clock().millisecs();
    if (now < _animData.animTime)
        return 0;
    _animData.animTime = now + _animData.frameDelta[aktAnim];
    ++aktFrame;
    if (aktFrame > _animData.maxFrames[aktAnim] - 1) {
        aktFrame = 0;
        _wykonano = 1;
    }
    return 1;
}

int TButton::sprawdzAnimacje()
{
    // The states are played by their slots, so a schema without one of them is not reported
    // again every frame.
    const bool hovered = _over != 0;
    const bool inactive = _a == 0;
    if (aktAnim == _animActive) {
        if (_wykonano) {
            if (!hovered)
                playIndex(_animNormal);
            else if (_overFlag)
                playIndex(_animOver);
        }
        if (inactive && _unactiveFlag)
            playIndex(_animUnActive);
    } else if (aktAnim == _animOver) {
        if (!hovered)
            playIndex(_animNormal);
        if (_clicked && _activeFlag)
            playIndex(_animActive);
        if (inactive && _unactiveFlag)
            playIndex(_animUnActive);
    } else if (aktAnim == _animNormal) {
        if (_clicked && _activeFlag)
            playIndex(_animActive);
        if (hovered && _overFlag)
            playIndex(_animOver);
        if (inactive && _unactiveFlag)
            playIndex(_animUnActive);
    } else if (aktAnim == _animUnActive) {
        if (_wykonano)
            playIndex(inactive ? _animUnActive : _animNormal);
    } else {
        if (_wykonano)
            playIndex(_animNormal);
        if (inactive && _unactiveFlag)
            playIndex(_animUnActive);
    }
    return 1;
}

int TButton::updateScaleAndAlpha()
{
    approach(_buttonScale, _dButtonScale, 0.05f);
    approach(_buttonAlpha, _dButtonAlpha, 0.05f);
    return 1;
}

bool TButton::updateHover(float target, bool snapWhenHeld)
{
    _dButtonScale = _over ? target : 1.0f;
    // A press pops the button back before it grows again. The held flag is stale once the
    // pointer has left, so it counts only while hovered.
    if (_clicked || (snapWhenHeld && _over && _holded)) {
        _buttonScale = 1.0f;
        return true;
    }
    return false;
}

int TButton::stateFrame() const
{
    if (_over && (_clicked || _holded))
        return 2;
    if (_over)
        return 1;
    return _a ? 0 : 3;
}

int TButton::updateMe(int, int)
{
    const ButtonLook& l = look();
    if (l.step)
        l.step(*this);
    if (l.hoverSize && updateHover(*l.hoverSize, l.snapWhenHeld)) {
        // The frame of the press shows the button at its own size; it grows again from the next.
        approach(_buttonAlpha, _dButtonAlpha, 0.05f);
        return 1;
    }
    updateScaleAndAlpha();
    return 1;
}

media::Font& TButton::captionFont() const
{
    return _font ? *_font : loadFont(embeddedFontName, defaultCaptionSize);
}

int TButton::drawMyTextSpec(const std::string& text, float x, float y)
{
    media::Font& font = captionFont();
    media::Renderer& gfx = media::gfx();
    std::size_t i = 0;
    for (char32_t c : media::text::toUtf32(text)) {
        std::string one;
        media::text::appendUtf8(one, c);
        const float w = font.textWidth(one);
        const float k = i < _textScale.size() ? _textScale[i] : 1.0f;
        gfx.setScale(k, k);
        gfx.drawText(font, one, x - w * k / 2, y - _textHeight * k / 2);
        x += w + 3;
        ++i;
    }
    return 1;
}

void TButton::drawCaption(float px, float py, bool perCharacter)
{
    media::Renderer& gfx = media::gfx();
    media::Font& font = captionFont();
    auto once = [&](float x, float y) {
        if (perCharacter)
            drawMyTextSpec(_txt, x, y);
        else
            gfx.drawText(font, _txt, x, y);
    };
    if (outLine) {
        setColour(outLine);
        once(px - 1, py - 1);
        once(px + 1, py - 1);
        once(px - 1, py + 1);
        once(px + 1, py + 1);
    }
    if (rgb) {
        setColour(rgb);
        once(px, py);
    }
}

int TButton::draw(float ox, float oy)
{
    media::Renderer& gfx = media::gfx();
    gfx.setAlpha(_alpha * _buttonAlpha);
    gfx.setScale(_scale * _buttonScale, _scale * _buttonScale);
    setColour(rgb);
    gfx.setBlend(media::Blend::Alpha);
    const ButtonLook& l = look();
    l.draw(*this, ButtonCanvas(*this, ox, oy, l.showsCaption()));
    gfx.setBlend(media::Blend::Alpha);
    gfx.setScale(1, 1);
    gfx.setAlpha(1);
    return 1;
}

int TButton::countDims()
{
    if (look().area == ButtonArea::caption) {
        media::Font& font = captionFont();
        dim.w = font.textWidth(_txt) + 2 * _adOverX;
        dim.h = static_cast<float>(textHeight(font)) + 2 * _adOverY;
        dim.x1 = dim.x - dim.w / 2;
        dim.x2 = dim.x + dim.w / 2;
        dim.y1 = dim.y - dim.h / 2;
        dim.y2 = dim.y + dim.h / 2;
        return 1;
    }
    dim.x1 = dim.x - _image.handleX() - _adOverX;
    dim.y1 = dim.y - _image.handleY() - _adOverY;
    dim.x2 = dim.x1 + static_cast<float>(_image.width()) + 2 * _adOverX;
    dim.y2 = dim.y1 + static_cast<float>(_image.height()) + 2 * _adOverY;
    return 1;
}

int TButton::countDims2()
{
    media::Font& font = captionFont();
    float w = 0;
    for (char32_t c : media::text::toUtf32(_txt)) {
        std::string one;
        media::text::appendUtf8(one, c);
        w += font.textWidth(one) + 3;
    }
    const auto h = static_cast<float>(trunc(_textHeight));
    dim.w = w;
    dim.h = h;
    dim.x1 = dim.x - w / 2;
    dim.x2 = dim.x + w / 2;
    dim.y1 = dim.y - h;
    dim.y2 = dim.y;
    return 1;
}

void TButton::cutStrip(const std::string& path, int cells, bool sideBySide, TGui& gui)
{
    // A strip with no cells to cut is shown whole.
    cells = std::max(cells, 1);
    media::Picture whole = gui.picture(path);
    const int cw = sideBySide ? whole.width() / cells : whole.width();
    const int ch = sideBySide ? whole.height() : whole.height() / cells;
    if (!whole.empty() && cw > 0 && ch > 0)
        _image = gui.strip(path, cw, ch, cells);
    _image.setHandle(static_cast<float>(cw / 2), static_cast<float>(ch / 2));
    dim.x1 = dim.x - static_cast<float>(cw / 2);
    dim.y1 = dim.y - static_cast<float>(ch / 2);
    dim.x2 = dim.x + static_cast<float>(cw / 2);
    dim.y2 = dim.y + static_cast<float>(ch / 2);
    dim.w = static_cast<float>(cw);
    dim.h = static_cast<float>(ch);
}

void TButton::readCaption(const std::vector<TSimpleEntry>& entries, ButtonCaption kind, TGui& gui)
{
    const std::optional<TRGB> colour = guiColour(valueOr(entries, "RGB", "255 255 255"));
    rgb = kind == ButtonCaption::alone && !colour ? TRGB{} : colour;
    const std::string outline = valueOr(entries, "OUTLINE", "255 255 255");
    outLine = outline == "NONE" ? std::nullopt : guiColour(outline);
    if (const std::string* fontName = findEntry(entries, "FONT"))
        _font = gui.font(*fontName);
    _txt = gui.text(valueOr(entries, "TXT", ""));
    if (kind == ButtonCaption::overPicture)
        std::tie(dimAdX, dimAdY) = numberPair(entries, "ADDDIM");
}

void TButton::readPictures(const std::vector<TSimpleEntry>& entries, const ButtonBuild& build, TGui& gui)
{
    const std::string gfxPath = valueOr(entries, "GFX", "");
    const int dir = valueOr(entries, "DIR", "H") == "H" ? 0 : 1;
    if (build.schema) {
        const std::string schema = valueOr(entries, "SCHEMAT", "");
        if (schema.empty())
            guiError("Nieprawidlowy schemat :" + schema);
        interpretujSchemat(schema, dir);
    }
    if (build.picture == ButtonPicture::whole) {
        _image = gui.picture(gfxPath);
        _image.midHandle();
        countDims();
        dim.w = static_cast<float>(_image.width());
        dim.h = static_cast<float>(_image.height());
    } else if (build.picture == ButtonPicture::strip) {
        cutStrip(gfxPath, build.schema ? frames : build.cells, !build.cellsFollowDir || dir == 0, gui);
    }
    if (build.inactivePicture) {
        _addImg = gui.picture(valueOr(entries, "ADDGFX", ""));
        _addImg.midHandle();
    }
    // They widen the rectangle the next time it is worked out.
    if (build.hoverMargin)
        std::tie(_adOverX, _adOverY) = numberPair(entries, "OVERAD");
}

std::shared_ptr<TButton> TButton::CreateFromList(const std::string& name,
                                                 const std::vector<TSimpleEntry>& entries, TGui& gui)
{
    const std::string typ = valueOr(entries, "TYP", "SIMPLE_BUTTON");
    const ButtonLook* look = findLook(typ);
    if (!look) {
        guiError("Unknown button type : '" + typ + "' !");
        return nullptr;
    }
    const ButtonBuild& build = look->build;
    auto button = std::make_shared<TButton>();
    TButton& b = *button;
    b._id = name;
    b._typ = look->type;
    b._v = guiFlag(valueOr(entries, "VISIBLE", "TRUE"));
    b._a = guiFlag(valueOr(entries, "ACTIVE", "TRUE"));
    const std::vector<int> position = guiNumbers(valueOr(entries, "POSITION", "0 0"), 2);
    b.dim = createPoint(static_cast<float>(position[0]), static_cast<float>(position[1]));
    if (build.caption != ButtonCaption::none)
        b.readCaption(entries, build.caption, gui);
    b.readPictures(entries, build, gui);
    if (look->area == ButtonArea::caption) {
        b.countDims();
    } else if (look->area == ButtonArea::waveCaption) {
        media::Font& font = b.captionFont();
        b._textWidth = font.textWidth("O");
        b._textHeight = static_cast<float>(textHeight(font));
        b._textScale.assign(media::text::length(b._txt), 1.0f);
        b.countDims2();
    }
    if (build.shadow)
        b.shadowed = guiInt(valueOr(entries, "SHADOW", "0"));
    if (build.crossFade) {
        b._buttonAlpha = 0;
        b._oldAlpha = 1;
        b._newAlpha = 1;
    }
    return button;
}
