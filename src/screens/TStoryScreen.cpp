// TStoryScreen.cpp
#include "screens/TStoryScreen.hpp"

#include "data/DataFiles.hpp"
#include "data/DataNumbers.hpp"
#include "data/TextTables.hpp"
#include "media/Keys.hpp"
#include "media/Platform.hpp"
#include "media/Report.hpp"
#include "screens/ActiveScreen.hpp"
#include "screens/Frame.hpp"

#include <algorithm>
#include <optional>

namespace
{
// The number at `key`; a console line naming the file when it is missing or not a number.
std::optional<double> numberAt(const TRCMFile& file, const std::string& path, const std::string& key,
                               int index = 0)
{
    const std::string text = file.getString(key, index);
    const std::string which = index == 0 ? key : key + " (value " + std::to_string(index + 1) + ")";
    if (text.empty()) {
        media::report(path, which + " is missing");
        return std::nullopt;
    }
    if (!data::isCleanNumber(text)) {
        media::report(path, which + " is not a number: '" + text + "'");
        return std::nullopt;
    }
    return data::readNumber(text);
}

float numberOr(const TRCMFile& file, const std::string& path, const std::string& key, int index,
               float fallback)
{
    return static_cast<float>(numberAt(file, path, key, index).value_or(fallback));
}

// A data file that loaded with something in it; a missing or broken one is reported by the loader.
bool hasContent(const TRCMFile& file)
{
    return !file._grupa._listaGrup.empty();
}

// A picture of a part, its cyan keyed out, and the mask colour in force put back afterwards.
media::Picture loadLayerPicture(const std::string& path)
{
    media::PictureCache& cache = media::pictures();
    const int kept = cache.maskColor();
    cache.setMaskColor(TStoryScreen::layerMaskRed, TStoryScreen::layerMaskGreen, TStoryScreen::layerMaskBlue);
    media::Picture picture = cache.load(path);
    cache.setMaskColor((kept >> 16) & 0xff, (kept >> 8) & 0xff, kept & 0xff);
    picture.midHandle();
    return picture;
}

std::optional<TStoryLayer> readLayer(const TRCMFile& file, const std::string& path, const std::string& key)
{
    TStoryLayer layer;
    const std::string img = file.getString(key + "::img");
    if (img.empty()) {
        media::report(path, key + "::img is missing");
        return std::nullopt;
    }
    layer.img = loadLayerPicture(img);
    layer.ImgScale[0] = numberOr(file, path, key + "::scale", 0, 1);
    layer.ImgScale[1] = numberOr(file, path, key + "::scale", 1, layer.ImgScale[0]);
    layer.dx = numberOr(file, path, key + "::dim", 0, 512);
    layer.dy = numberOr(file, path, key + "::dim", 1, 384);
    return layer;
}

std::optional<TStoryPart> readPart(const TRCMFile& file, const std::string& path, int i, int normalStory)
{
    const std::string key = "story::screen" + std::to_string(i);
    TStoryPart part;
    part.normalStory = normalStory;
    part.time = static_cast<int>(numberAt(file, path, key + "::time").value_or(0));
    if (part.time <= 0) {
        media::report(path, key + " has no time of its own; it is left out");
        return std::nullopt;
    }
    const int layers = static_cast<int>(numberAt(file, path, key + "::layers").value_or(0));
    for (int j = 1; j <= layers; ++j) {
        if (auto layer = readLayer(file, path, key + "::layer" + std::to_string(j)))
            part.layers.push_back(std::move(*layer));
    }
    return part;
}
} // namespace

TStoryScreen::TStoryScreen(StoryFiles storyFiles) : files(std::move(storyFiles)) {}

void TStoryScreen::pause()
{
    const long long now = media::clock().millisecs();
    for (std::optional<TStoryPart>* part : {&newPart, &oldPart}) {
        if (*part)
            (*part)->pause(now);
    }
    TStoryTxt::pauseAll(storyTexts, now);
}

void TStoryScreen::resume()
{
    const long long now = media::clock().millisecs();
    for (std::optional<TStoryPart>* part : {&newPart, &oldPart}) {
        if (*part)
            (*part)->resume(now);
    }
    TStoryTxt::resumeAll(storyTexts, now);
}

void TStoryScreen::loadStory()
{
    parts.clear();
    const TRCMFile file = loadDataFile(files.pictures);
    if (hasContent(file)) {
        const int count = static_cast<int>(numberAt(file, files.pictures, "story::i").value_or(0));
        for (int i = 1; i <= count; ++i) {
            if (auto part = readPart(file, files.pictures, i, files.normalStory))
                parts.push_back(std::move(*part));
        }
    }
    Gui = loadGui(files.gui);
}

void TStoryScreen::setup()
{
    for (std::size_t i = 0; i < storyFonts.size(); ++i)
        storyFonts[i] = &media::fonts().get(fontSizes[i]);
    // Set up at loading and again at every entry: the captions are read afresh each time.
    storyTexts.clear();
    const TRCMFile file = loadDataFile(files.captions);
    if (!hasContent(file))
        return;
    const TTxtFile table = loadTextTable(files.texts);
    const std::string& path = files.captions;
    const int count = static_cast<int>(numberAt(file, path, "story::i").value_or(0));
    for (int i = 1; i <= count; ++i) {
        const std::string key = "story::text" + std::to_string(i);
        const int line = static_cast<int>(numberAt(file, path, key + "::txt").value_or(0));
        if (line < 1 || line > static_cast<int>(table.txt.size())) {
            media::report(path, key + " names line " + std::to_string(line) + ", which "
                                    + textTablePath(files.texts) + " does not have; it is left out");
            continue;
        }
        TStoryTxt caption;
        caption.createTextData(table.txt[static_cast<std::size_t>(line - 1)]);
        caption.x = numberOr(file, path, key + "::dim", 0, 512);
        caption.y = numberOr(file, path, key + "::dim", 1, 384);
        caption.startTime = static_cast<long long>(numberOr(file, path, key + "::startTime", 0, 0));
        caption.lifeTime = static_cast<int>(numberOr(file, path, key + "::lifeTime", 0, 0));
        if (caption.lifeTime <= 0)
            media::report(path, key + " has no life time; it is never shown");
        caption.fontN = static_cast<int>(numberOr(file, path, key + "::font", 0, 0));
        if (caption.fontN != 0 && caption.fontN != 1) {
            media::report(path, key + "::font is " + std::to_string(caption.fontN) + "; font 0 is used");
            caption.fontN = 0;
        }
        caption.font = storyFonts[static_cast<std::size_t>(caption.fontN)];
        storyTexts.push_back(std::move(caption));
    }
}

void TStoryScreen::nextPart()
{
    if (parts.empty()) {
        dFade = 1;
        return;
    }
    if (newPart && newPart->alpha < 1)
        return;
    oldPart = std::move(newPart);
    newPart = std::move(parts.front());
    parts.pop_front();
    newPart->alpha = 0;
    newPart->dAlpha = 1;
    newPart->reset(media::clock().millisecs());
}

void TStoryScreen::prepare()
{
    newPart.reset();
    oldPart.reset();
    loadStory();
    setup();
    // Hidden behind black, clearing; with no part at all it fades straight out again.
    fade = 1;
    dFade = 0;
    alpha = 1;
    dAlpha = 1;
    _exit = 0;
    nextPart();
    const long long now = media::clock().millisecs();
    for (TStoryTxt& caption : storyTexts)
        caption.startTime += now;
    startMusic();
    _prepareDelta();
}

void TStoryScreen::_updateParts()
{
    const long long now = media::clock().millisecs();
    if (newPart && newPart->wantsSuccessor(now))
        nextPart();
    if (oldPart)
        oldPart->update(now);
    if (newPart)
        newPart->update(now);
}

void TStoryScreen::_updateTexts()
{
    const long long now = media::clock().millisecs();
    std::erase_if(storyTexts, [now](TStoryTxt& caption) { return caption.update(now); });
}

void TStoryScreen::update()
{
    beginFrame();
    _updateFade();
    _updateAlpha();
    _updateParts();
    _updateTexts();
    _updateGui();
}

void TStoryScreen::_drawStory()
{
    drawStandards();
    if (oldPart)
        oldPart->draw();
    if (newPart)
        newPart->draw();
    drawStandards();
}

void TStoryScreen::_drawBars()
{
    media::Renderer& gfx = media::gfx();
    drawStandards();
    gfx.setColor(0, 0, 0);
    gfx.drawRect(0, 0, 1024, 100);
    gfx.drawRect(0, 668, 1024, 100);
    drawStandards();
}

void TStoryScreen::_drawTexts()
{
    for (const TStoryTxt& caption : storyTexts)
        caption.draw(1);
    drawStandards();
}

void TStoryScreen::draw()
{
    _drawStory();
    _drawBars();
    _drawTexts();
    _drawGui();
    drawStandards();
    _drawBlackFade();
    drawStandards();
}

std::string TStoryScreen::mainLoop()
{
    {
        ScreenScope running(this);
        prepare();
        while (true) {
            update();
            draw();
            endFrame(false);
            if (media::input().keyHits(media::key::Escape) > 0)
                break;
            if (Gui && Gui->clickedItem("skip"))
                dFade = 1;
            if (fadedOut())
                break;
        }
    }
    return afterward();
}
