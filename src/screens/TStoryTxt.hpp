// TStoryTxt.hpp: a caption of a cut-scene. It shows up at its start time, fades in over a
// second, grows from 0.85 to full size over its life and fades out over its last second.
#pragma once

#include <string>
#include <vector>

namespace media
{
class Font;
}

class TStoryTxt
{
public:
    static constexpr long long fadeTime = 1000;
    // The marker that breaks a caption's text into lines.
    static constexpr const char* lineBreak = "#ENTER#";

    void pause(long long now);
    void resume(long long now);
    // The block's height: its lines, each one line of the font high.
    float height() const;
    // At alpha a * k, centred on (x, y); nothing before it starts or once it is over.
    void draw(float k) const;
    // Alpha and scale at clock time `now`; true once the caption is over (or never to be
    // shown: a life of 0 or less), when it is to be taken off its list.
    bool update(long long now);
    // Whether draw() shows anything.
    bool visible() const { return endTime != 0 && lifeTime > 0 && a > 0; }
    // The lines of `text`, broken at every marker (an empty piece stays an empty line).
    void createTextData(const std::string& text);

    static void pauseAll(std::vector<TStoryTxt>& list, long long now);
    static void resumeAll(std::vector<TStoryTxt>& list, long long now);

    int fontN = 0;
    media::Font* font = nullptr; // story font fontN, owned by the font cache
    float x = 512;
    float y = 384;
    std::vector<std::string> txt;
    long long startTime = 0;
    int lifeTime = 0;
    long long endTime = 0; // 0 until it starts
    long long pauseTime = 0;
    float a = 0;
    float s = 0.85f;
};
