// NullDisplay.cpp
#include "media/null/NullDisplay.hpp"

#include "media/Report.hpp"

namespace media
{
bool NullDisplay::open(int width, int height, bool fullScreen, std::string& error)
{
    if (refusals_ > 0) {
        --refusals_;
        error = "display mode refused";
        return false;
    }
    surface_ = {width, height};
    fullScreen_ = fullScreen;
    return true;
}

void NullDisplay::pumpEvents(Input&)
{
    ++pumps_;
    if (!active_ && pumpsUntilActive_ > 0 && --pumpsUntilActive_ == 0) {
        active_ = true;
        visible_ = true;
    }
}

void NullDisplay::messageBox(const std::string& title, const std::string& text)
{
    messages_.push_back(text);
    reportLine(title + ": " + text);
}

bool NullDisplay::openUrl(const std::string& url)
{
    urls_.push_back(url);
    return true;
}
} // namespace media
