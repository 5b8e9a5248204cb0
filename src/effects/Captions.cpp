// Captions.cpp
#include "effects/Captions.hpp"

#include "base/Program.hpp"
#include "data/Language.hpp"
#include "data/TextTables.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"

void loadCaptionImages()
{
    static constexpr const char* files[captionCount] = {
        "1-card",        "2-cards",        "3-cards", "4-cards", nullptr,        nullptr,
        nullptr,         nullptr,          nullptr,   nullptr,   "perfect",      "5x-multiplier",
        "7x-multiplier", "new-magic-card", "combo",   "play",    "hammer-found", "ice-cleared"};
    TTxtFile words = loadTextTable("txt/#LANG#/captions.txt");
    base::Program& program = base::program();
    program.captionPictures.assign(captionCount, {});
    program.captionWords.assign(captionCount, {});
    for (int i = 0; i < captionCount; ++i) {
        if (!files[i])
            continue;
        std::string path = "gfx/captions/" + language + "/" + files[i] + ".png";
        // Until a language has its pictures, its captions are spoken in words.
        media::Picture& picture = program.captionPictures[static_cast<std::size_t>(i)];
        if (media::fs::pathType(path) != media::fs::PathType::Absent) {
            picture = media::pictures().load(path, media::Filtered);
            picture.midHandle();
        }
        program.captionWords[static_cast<std::size_t>(i)] = getText(words, i + 1);
    }
}

namespace
{
template <typename Caption>
Caption& add(int image, float x, float y, CaptionList& list)
{
    auto caption = std::make_unique<Caption>();
    caption->x = x;
    caption->y = y;
    const base::Program& program = base::program();
    if (image >= 0 && image < static_cast<int>(program.captionPictures.size())) {
        caption->img = program.captionPictures[static_cast<std::size_t>(image)];
        caption->txt = program.captionWords[static_cast<std::size_t>(image)];
    }
    Caption& made = *caption;
    list.push_back(std::move(caption));
    return made;
}
} // namespace

TImgCaption& showCaption(CaptionList& list, int image, float x, float y, int holdMs)
{
    TImgCaption& c = add<TImgCaption>(image, x, y, list);
    c.time = holdMs;
    c.a = 0;
    c.da = 1;
    c.aSpeed = 0.04f;
    c.sx = c.sy = 1.4f;
    c.dsx = c.dsy = 1;
    c.sxSpeed = c.sySpeed = 0.02f;
    c.p = 0;
    c.dp = 1;
    c.pSpeed = 0.01f;
    c.rSpeed = 0;
    return c;
}

TSpecImgCaption& showSpecCaption(CaptionList& list, int image, float x, float y, int holdMs)
{
    TSpecImgCaption& c = add<TSpecImgCaption>(image, x, y, list);
    c.time = media::clock().millisecs() + holdMs;
    c.a = 1;
    c.da = 1;
    c.aSpeed = 0.04f;
    c.sx = c.sy = 1;
    c.dsx = c.dsy = 1;
    c.sxSpeed = c.sySpeed = 0.02f;
    c.p = 0;
    c.dp = 1;
    c.pSpeed = 0.01f;
    return c;
}

void updateCaptions(CaptionList& list)
{
    for (auto it = list.begin(); it != list.end();) {
        if ((*it)->update())
            ++it;
        else
            it = list.erase(it);
    }
}

void drawCaptions(CaptionList& list)
{
    for (auto& caption : list)
        caption->draw();
}
