// Filter.hpp: a state-variable filter (the trapezoidal "zero-delay" form), giving low-pass,
// band-pass and high-pass outputs at once. Stable for any cutoff below half the sample rate,
// and smooth when the cutoff moves, so sweeps may retune it as often as they like.
#pragma once

#include "Sound.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace contentgen
{
class Filter
{
public:
    struct Outputs
    {
        double low;
        double band;
        double high;
    };

    Filter() { tune(1000.0, 0.7071); }
    Filter(double cutoffHz, double q) { tune(cutoffHz, q); }

    // Cutoff (or centre) frequency in Hz and resonance Q (0.5 = soft, 0.7071 = flat, higher = ringing).
    void tune(double cutoffHz, double q)
    {
        const double fc = std::clamp(cutoffHz, 5.0, 0.45 * Sound::rate);
        g_ = std::tan(std::numbers::pi * fc / Sound::rate);
        k_ = 1.0 / std::max(q, 0.05);
        a1_ = 1.0 / (1.0 + g_ * (g_ + k_));
        a2_ = g_ * a1_;
        a3_ = g_ * a2_;
    }

    Outputs step(double x)
    {
        const double v3 = x - ic2_;
        const double v1 = a1_ * ic1_ + a2_ * v3;
        const double v2 = ic2_ + a2_ * ic1_ + a3_ * v3;
        ic1_ = 2.0 * v1 - ic1_;
        ic2_ = 2.0 * v2 - ic2_;
        return Outputs{v2, v1, x - k_ * v1 - v2};
    }
    double lowpass(double x) { return step(x).low; }
    // The band output scaled to unity gain at the centre frequency.
    double bandpass(double x) { return step(x).band * k_; }
    double highpass(double x) { return step(x).high; }

    void reset()
    {
        ic1_ = 0.0;
        ic2_ = 0.0;
    }

private:
    double g_ = 0.0;
    double k_ = 0.0;
    double a1_ = 0.0;
    double a2_ = 0.0;
    double a3_ = 0.0;
    double ic1_ = 0.0;
    double ic2_ = 0.0;
};
} // namespace contentgen
