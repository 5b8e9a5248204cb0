// Reverb.cpp: the comb-and-all-pass hall. The delay lengths are mutually prime-ish sample counts
// at 44.1 kHz, so the echoes never line up into a flutter.
#include "Reverb.hpp"

#include "Filter.hpp"

#include <algorithm>
#include <array>
#include <cstddef>
#include <vector>

namespace contentgen
{
namespace
{
constexpr std::array<int, 8> combLengths = {1116, 1188, 1277, 1356, 1422, 1491, 1557, 1617};
constexpr std::array<int, 4> allPassLengths = {556, 441, 341, 225};
constexpr int stereoSpread = 23;
constexpr double inputGain = 0.015;

// Buffers are doubles, so the decaying tail never reaches denormal numbers (which are slow).
struct Comb
{
    std::vector<double> buffer;
    std::size_t index = 0;
    double store = 0.0;

    double step(double x, double feedback, double damp)
    {
        const double out = buffer[index];
        store = out * (1.0 - damp) + store * damp;
        buffer[index] = x + store * feedback;
        index = index + 1 == buffer.size() ? 0 : index + 1;
        return out;
    }
};

struct AllPass
{
    std::vector<double> buffer;
    std::size_t index = 0;

    double step(double x)
    {
        const double delayed = buffer[index];
        buffer[index] = x + delayed * 0.5;
        index = index + 1 == buffer.size() ? 0 : index + 1;
        return delayed - x;
    }
};

struct Side
{
    std::array<Comb, 8> combs;
    std::array<AllPass, 4> allPasses;

    explicit Side(int spread)
    {
        for (std::size_t i = 0; i < combs.size(); ++i) {
            combs[i].buffer.assign(static_cast<std::size_t>(combLengths[i] + spread), 0.0);
        }
        for (std::size_t i = 0; i < allPasses.size(); ++i) {
            allPasses[i].buffer.assign(static_cast<std::size_t>(allPassLengths[i] + spread), 0.0);
        }
    }

    double step(double x, double feedback, double damp)
    {
        double sum = 0.0;
        for (Comb& c : combs) {
            sum += c.step(x, feedback, damp);
        }
        for (AllPass& a : allPasses) {
            sum = a.step(sum);
        }
        return sum;
    }
};
} // namespace

Sound Reverb::process(const Sound& input) const
{
    const std::size_t n = input.frames();
    Sound out(2, n);
    const double feedback = 0.7 + 0.28 * std::clamp(settings_.room, 0.0, 1.0);
    const double damp = 0.4 * std::clamp(settings_.damping, 0.0, 1.0);
    const double width = std::clamp(settings_.width, 0.0, 1.0);
    const double wet1 = width / 2.0 + 0.5;
    const double wet2 = (1.0 - width) / 2.0;
    const std::size_t preDelay = static_cast<std::size_t>(std::max(0.0, settings_.preDelay) * Sound::rate);

    Filter lowCut(settings_.lowCut, 0.7071);
    Filter highCut(settings_.highCut, 0.7071);
    Side left(0);
    Side right(stereoSpread);
    std::vector<float>& outLeft = out.channel(0);
    std::vector<float>& outRight = out.channel(1);
    const std::vector<float>& inLeft = input.channel(0);
    const std::vector<float>& inRight = input.channel(input.channels() - 1);
    for (std::size_t i = 0; i < n; ++i) {
        double x = 0.0;
        if (i >= preDelay) {
            const std::size_t k = i - preDelay;
            x = (static_cast<double>(inLeft[k]) + inRight[k]) * inputGain;
        }
        x = highCut.lowpass(lowCut.highpass(x));
        const double l = left.step(x, feedback, damp);
        const double r = right.step(x, feedback, damp);
        outLeft[i] = static_cast<float>(l * wet1 + r * wet2);
        outRight[i] = static_cast<float>(r * wet1 + l * wet2);
    }
    return out;
}
} // namespace contentgen
