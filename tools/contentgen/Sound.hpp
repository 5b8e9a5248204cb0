// Sound.hpp: a stretch of sound in memory, one or two channels of floats at 44.1 kHz, with the
// few whole-buffer operations the sound generators need (mixing, fades, peak levels).
#pragma once

#include <cstddef>
#include <vector>

namespace contentgen
{
class Sound
{
public:
    static constexpr int rate = 44100;

    Sound() = default;
    Sound(int channels, std::size_t frames);
    // A silent sound long enough for `seconds`.
    static Sound ofSeconds(int channels, double seconds);

    int channels() const { return static_cast<int>(channels_.size()); }
    std::size_t frames() const { return channels_.empty() ? 0 : channels_[0].size(); }
    double seconds() const { return static_cast<double>(frames()) / rate; }
    bool stereo() const { return channels() == 2; }

    std::vector<float>& channel(int c) { return channels_[static_cast<std::size_t>(c)]; }
    const std::vector<float>& channel(int c) const { return channels_[static_cast<std::size_t>(c)]; }

    // Adds `other` starting at frame `at` (which may lie before the start), scaled by `gain`.
    // Mono into stereo is panned with equal power (pan -1 = left, 0 = middle, 1 = right);
    // stereo into mono is summed at half level.
    void mix(const Sound& other, long long at, double gain = 1.0, double pan = 0.0);

    void scale(double gain);
    void resize(std::size_t frames);
    // The largest absolute sample of all channels.
    double peak() const;
    // Raised-cosine fades over the first and last seconds given; the first and last samples
    // become exactly zero, so the sound starts and stops without a click.
    void fade(double inSeconds, double outSeconds);

    // The share of one side for a pan position, equal power: left(p)^2 + right(p)^2 = 1.
    static double leftGain(double pan);
    static double rightGain(double pan);

private:
    std::vector<std::vector<float>> channels_;
};
} // namespace contentgen
