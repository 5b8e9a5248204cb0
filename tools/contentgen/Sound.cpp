// Sound.cpp: mixing, fading and levelling whole buffers.
#include "Sound.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace contentgen
{
Sound::Sound(int channels, std::size_t frames)
    : channels_(static_cast<std::size_t>(std::clamp(channels, 1, 2)), std::vector<float>(frames, 0.0f))
{}

Sound Sound::ofSeconds(int channels, double seconds)
{
    return Sound(channels, static_cast<std::size_t>(std::ceil(std::max(0.0, seconds) * rate)));
}

double Sound::leftGain(double pan)
{
    return std::cos((std::clamp(pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0);
}

double Sound::rightGain(double pan)
{
    return std::sin((std::clamp(pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0);
}

void Sound::mix(const Sound& other, long long at, double gain, double pan)
{
    if (other.channels() == 0 || channels() == 0) {
        return;
    }
    const long long begin = std::max(0LL, -at);
    const long long end =
        std::min(static_cast<long long>(other.frames()), static_cast<long long>(frames()) - at);
    for (int c = 0; c < channels(); ++c) {
        std::vector<float>& out = channels_[static_cast<std::size_t>(c)];
        double g = gain;
        if (stereo() && !other.stereo()) {
            g *= c == 0 ? leftGain(pan) : rightGain(pan);
        } else if (!stereo() && other.stereo()) {
            g *= 0.5;
        }
        for (int source = 0; source < other.channels(); ++source) {
            if (stereo() && other.stereo() && source != c) {
                continue;
            }
            const std::vector<float>& in = other.channel(source);
            for (long long i = begin; i < end; ++i) {
                out[static_cast<std::size_t>(i + at)] +=
                    static_cast<float>(g * in[static_cast<std::size_t>(i)]);
            }
        }
    }
}

void Sound::scale(double gain)
{
    for (std::vector<float>& samples : channels_) {
        for (float& s : samples) {
            s = static_cast<float>(s * gain);
        }
    }
}

void Sound::resize(std::size_t frames)
{
    for (std::vector<float>& samples : channels_) {
        samples.resize(frames, 0.0f);
    }
}

double Sound::peak() const
{
    double top = 0.0;
    for (const std::vector<float>& samples : channels_) {
        for (float s : samples) {
            top = std::max(top, static_cast<double>(std::fabs(s)));
        }
    }
    return top;
}

void Sound::fade(double inSeconds, double outSeconds)
{
    const std::size_t n = frames();
    if (n == 0) {
        return;
    }
    const auto ramp = [](double t) {
        return 0.5 - 0.5 * std::cos(std::numbers::pi * std::clamp(t, 0.0, 1.0));
    };
    const std::size_t inFrames = std::min(n, static_cast<std::size_t>(inSeconds * rate));
    const std::size_t outFrames = std::min(n, static_cast<std::size_t>(outSeconds * rate));
    for (std::vector<float>& samples : channels_) {
        for (std::size_t i = 0; i < inFrames; ++i) {
            samples[i] = static_cast<float>(samples[i] * ramp(static_cast<double>(i) / inFrames));
        }
        for (std::size_t i = 0; i < outFrames; ++i) {
            const std::size_t k = n - 1 - i;
            samples[k] = static_cast<float>(samples[k] * ramp(static_cast<double>(i) / outFrames));
        }
        samples.front() = 0.0f;
        samples.back() = 0.0f;
    }
}
} // namespace contentgen
