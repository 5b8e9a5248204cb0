// Captions.cpp
#include "effects/Captions.hpp"

#include "data/Language.hpp"
#include "data/TextTables.hpp"
#include "media/FileSystem.hpp"
#include "media/Platform.hpp"

std::array<CaptionImage, 18> captionImages;
CaptionList captions;

void loadCaptionImages()
{
    static const char* files[18] = {"1-card",  "2-cards",       "3-cards",       "4-cards",        nullptr,
                                    nullptr,   nullptr,         nullptr,         nullptr,          nullptr,
                                    "perfect", "5x-multiplier", "7x-multiplier", "new-magic-card", "combo",
                                    "play",    "hammer-found",  "ice-cleared"};
    TTxtFile words = loadTextTable("txt/#LANG#/captions.txt");
    for (std::size_t i = 0; i < captionImages.size(); ++i) {
        CaptionImage& slot = captionImages[i];
        slot = {};
        if (!files[i])
            continue;
        std::string path = "gfx/captions/" + language + "/" + files[i] + ".png";
        // Until a language has its pictures, its captions are spoken in words.
        if (media::fs::pathType(path) != media::fs::PathType::Absent) {
            slot.picture = media::pictures().load(path, media::Filtered);
            slot.picture.midHandle();
        }
        slot.words = getText(words, static_cast<int>(i) + 1);
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
    if (image >= 0 && image < static_cast<int>(captionImages.size())) {
        caption->img = captionImages[static_cast<std::size_t>(image)].picture;
        caption->txt = captionImages[static_cast<std::size_t>(image)].words;
    }
    Caption& made = *caption;
    list.push_back(std::move(caption));
    return made;
}
} // namespace

TImgCaption& showCaption(int image, float x, float y, int holdMs, CaptionList& list)
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

TSpecImgCaption& showSpecCaption(int image, float x, float y, int holdMs, CaptionList& list)
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
