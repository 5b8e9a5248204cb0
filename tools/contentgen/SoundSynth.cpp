// SoundSynth.cpp: the instruments. Struck tones are sums of damped resonators; saws are
// band-limited with polyBLEP (a small correction round each wrap, so high notes do not alias).
#include "SoundSynth.hpp"

#include "Filter.hpp"
#include "Random.hpp"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace contentgen::synth
{
namespace
{
constexpr double pi = std::numbers::pi;
constexpr double twoPi = 2.0 * std::numbers::pi;
constexpr double rate = Sound::rate;

// The factor per sample that makes a level fall by 60 dB in `seconds`.
double fallPerSample(double seconds)
{
    return std::exp(std::log(0.001) / (std::max(seconds, 1.0e-4) * rate));
}

// A saw from -1 to 1 with the wrap smoothed over one sample either side.
double polyBlepSaw(double phase, double step)
{
    double v = 2.0 * phase - 1.0;
    if (phase < step) {
        const double x = phase / step;
        v -= x + x - x * x - 1.0;
    } else if (phase > 1.0 - step) {
        const double x = (phase - 1.0) / step;
        v -= x * x + x + x + 1.0;
    }
    return v;
}

// Adds a mono buffer of doubles into `out` at `first`, panned.
void addPanned(Sound& out, long long first, const std::vector<double>& buffer, double gain, double pan)
{
    const long long n = static_cast<long long>(buffer.size());
    const long long begin = std::max(0LL, -first);
    const long long end = std::min(n, static_cast<long long>(out.frames()) - first);
    if (out.stereo()) {
        const double gl = gain * Sound::leftGain(pan);
        const double gr = gain * Sound::rightGain(pan);
        std::vector<float>& left = out.channel(0);
        std::vector<float>& right = out.channel(1);
        for (long long i = begin; i < end; ++i) {
            const double x = buffer[static_cast<std::size_t>(i)];
            left[static_cast<std::size_t>(first + i)] += static_cast<float>(x * gl);
            right[static_cast<std::size_t>(first + i)] += static_cast<float>(x * gr);
        }
    } else {
        std::vector<float>& mono = out.channel(0);
        for (long long i = begin; i < end; ++i) {
            mono[static_cast<std::size_t>(first + i)] +=
                static_cast<float>(buffer[static_cast<std::size_t>(i)] * gain);
        }
    }
}
} // namespace

double midiToHz(double note)
{
    return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

double dbToGain(double db)
{
    return std::pow(10.0, db / 20.0);
}

double rise(double t, double length)
{
    if (t <= 0.0) {
        return 0.0;
    }
    if (t >= length) {
        return 1.0;
    }
    return 0.5 - 0.5 * std::cos(pi * t / length);
}

double window(double t, double length, double attack, double release)
{
    return rise(t, attack) * rise(length - t, release);
}

void strike(Sound& out, double start, double hz, std::span<const Partial> partials, double gain, double pan,
            const Strike& how)
{
    // Each partial is a resonator: y[k] = level * r^k * sin(w k), by the recurrence
    // y[k] = c1 y[k-1] - c2 y[k-2]. It runs until it is 80 dB below the note's full level, so
    // the quiet upper partials stop long before the fundamental.
    struct Resonator
    {
        double c1;
        double c2;
        double first; // y[1]
        std::size_t last;
    };
    std::vector<Resonator> resonators;
    std::size_t n = 0;
    const std::size_t longest =
        static_cast<std::size_t>(std::min(how.longest, how.hold + 1.5 * how.release) * rate) + 2;
    for (const Partial& p : partials) {
        const double f = p.ratio * hz;
        const double level = p.amplitude * std::pow(how.brightness, std::log2(std::max(1.0, p.ratio)));
        if (f >= 18000.0 || level <= 1.0e-4) {
            continue;
        }
        const double w = twoPi * f / rate;
        const double r = fallPerSample(p.decay);
        const double audible = p.decay * (80.0 + 20.0 * std::log10(level)) / 60.0;
        const std::size_t last = std::min(longest, static_cast<std::size_t>(audible * rate) + 2);
        resonators.push_back(Resonator{2.0 * r * std::cos(w), r * r, level * r * std::sin(w), last});
        n = std::max(n, last);
    }
    if (n < 3) {
        return;
    }
    std::vector<double> buffer(n, 0.0);
    // Two resonators at a time (the longer first), so their independent sums overlap.
    std::sort(resonators.begin(), resonators.end(),
              [](const Resonator& a, const Resonator& b) { return a.last > b.last; });
    for (std::size_t k = 0; k < resonators.size(); k += 2) {
        const Resonator& a = resonators[k];
        double a2 = 0.0;
        double a1 = a.first;
        buffer[1] += a1;
        std::size_t i = 2;
        if (k + 1 < resonators.size()) {
            const Resonator& b = resonators[k + 1];
            double b2 = 0.0;
            double b1 = b.first;
            buffer[1] += b1;
            for (; i < b.last; ++i) {
                const double ya = a.c1 * a1 - a.c2 * a2;
                const double yb = b.c1 * b1 - b.c2 * b2;
                buffer[i] += ya + yb;
                a2 = a1;
                a1 = ya;
                b2 = b1;
                b1 = yb;
            }
        }
        for (; i < a.last; ++i) {
            const double ya = a.c1 * a1 - a.c2 * a2;
            buffer[i] += ya;
            a2 = a1;
            a1 = ya;
        }
    }
    // The onset, the damping after `hold`, and a last few milliseconds' fade in case the
    // longest-note limit cut the ring short.
    const std::size_t attack = std::min(n, static_cast<std::size_t>(how.attack * rate));
    for (std::size_t i = 0; i < attack; ++i) {
        buffer[i] *= rise(static_cast<double>(i), static_cast<double>(attack));
    }
    const double damp = fallPerSample(how.release);
    double level = 1.0;
    for (std::size_t i = std::min(n, static_cast<std::size_t>(std::max(0.0, how.hold) * rate)); i < n; ++i) {
        level *= damp;
        buffer[i] *= level;
    }
    const std::size_t tail = std::min(n / 4, static_cast<std::size_t>(0.03 * rate));
    for (std::size_t i = n - tail; i < n; ++i) {
        buffer[i] *= rise(static_cast<double>(n - 1 - i), static_cast<double>(tail));
    }
    addPanned(out, std::llround(start * rate), buffer, gain, pan);
}

std::vector<Partial> harp(double hz)
{
    // A string plucked near one end: harmonics slightly stretched, each weaker and shorter
    // than the one below.
    const double ring = std::clamp(2.6 * std::pow(220.0 / hz, 0.4), 0.7, 4.5);
    std::vector<Partial> partials;
    for (int k = 1; k <= 10; ++k) {
        const double n = k;
        const double stretch = std::sqrt(1.0 + 0.00012 * n * n);
        const double pluck = 0.3 + 0.7 * std::fabs(std::sin(n * pi * 0.17));
        partials.push_back(Partial{n * stretch, pluck * std::pow(n, -1.5), ring / (1.0 + 0.7 * (n - 1.0))});
    }
    return partials;
}

std::vector<Partial> celesta(double hz)
{
    const double ring = std::clamp(2.2 * std::pow(440.0 / hz, 0.3), 0.6, 3.0);
    return {
        {1.0, 1.0, ring},        {1.0011, 0.22, ring * 0.85}, // a faint twin: a slow shimmer in the sustain
        {2.0, 0.07, ring * 0.4}, {3.98, 0.16, ring * 0.12},   {9.3, 0.04, 0.05},
    };
}

std::vector<Partial> musicBox(double hz)
{
    // A tuned steel tine: its overtones sit at 6.27 and 17.55 times the fundamental.
    const double ring = std::clamp(1.8 * std::pow(440.0 / hz, 0.3), 0.5, 2.5);
    return {
        {1.0, 1.0, ring},
        {2.0, 0.05, ring * 0.5},
        {6.27, 0.16, ring * 0.12},
        {17.55, 0.03, 0.03},
    };
}

std::vector<Partial> softBass(double hz)
{
    const double ring = std::clamp(4.0 * std::pow(55.0 / hz, 0.3), 2.0, 6.0);
    return {
        {1.0, 1.0, ring},
        {2.0, 0.28, ring * 0.5},
        {3.0, 0.08, ring * 0.3},
        {4.0, 0.025, ring * 0.2},
    };
}

std::vector<Partial> bell(double ring)
{
    return {
        {1.0, 1.0, ring},           {1.0023, 0.55, ring * 0.9}, {2.756, 0.42, ring * 0.45},
        {2.7625, 0.22, ring * 0.4}, {5.404, 0.17, ring * 0.2},  {8.933, 0.06, ring * 0.09},
    };
}

void saws(Sound& out, double start, double length, std::span<const double> hzs, double gain, const Saws& how,
          std::uint64_t seed)
{
    Random random(seed);
    const double total = length + how.release;
    const std::size_t n = static_cast<std::size_t>(total * rate);
    const long long first = std::llround(start * rate);
    const int voices = std::max(1, how.voices);
    // Louder with more notes and saws, but not in proportion (they do not add up in phase).
    const double level = gain / std::sqrt(static_cast<double>(voices * std::max<std::size_t>(1, hzs.size())));
    constexpr std::size_t controlStep = 32; // the cutoff and vibrato are updated this often
    for (int c = 0; c < out.channels(); ++c) {
        struct Oscillator
        {
            double phase;
            double step;
        };
        std::vector<Oscillator> oscillators;
        for (const double hz : hzs) {
            for (int v = 0; v < voices; ++v) {
                const double spread =
                    voices == 1 ? 0.0 : (static_cast<double>(v) / (voices - 1) - 0.5) * how.detune;
                // The two sides are tuned a little apart, which makes the pad wide.
                const double side =
                    out.stereo() ? (c == 0 ? -1.0 : 1.0) * (voices == 1 ? 0.5 : 0.2) * how.detune : 0.0;
                const double cents = spread + side + random.range(-0.1, 0.1) * how.detune;
                oscillators.push_back(
                    Oscillator{random.uniform(), hz * std::pow(2.0, cents / 1200.0) / rate});
            }
        }
        Filter filter;
        const double driftPhase = random.uniform() * twoPi;
        const double vibratoPhase = random.uniform() * twoPi;
        std::vector<double> buffer(n, 0.0);
        double bend = 1.0;
        double envelope = 0.0;
        double envelopeStep = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            const double t = static_cast<double>(i) / rate;
            if (i % controlStep == 0) {
                // The envelope is worked out every few samples and followed in straight lines.
                const double next = window(t + controlStep / rate, total, how.attack, how.release);
                envelope = window(t, total, how.attack, how.release);
                envelopeStep = (next - envelope) / controlStep;
                const double open = how.bloom + (1.0 - how.bloom) * rise(t, how.attack);
                const double swing = 1.0 + how.drift * std::sin(twoPi * how.driftRate * t + driftPhase);
                filter.tune(how.cutoff * open * swing, how.resonance);
                if (how.vibrato > 0.0) {
                    const double depth = how.vibrato * rise(t - 0.15, 0.3);
                    bend = std::pow(2.0, depth * std::sin(twoPi * 5.2 * t + vibratoPhase) / 1200.0);
                }
            }
            double sum = 0.0;
            for (Oscillator& o : oscillators) {
                const double step = o.step * bend;
                sum += polyBlepSaw(o.phase, step);
                o.phase += step;
                if (o.phase >= 1.0) {
                    o.phase -= 1.0;
                }
            }
            buffer[i] = filter.lowpass(sum) * envelope;
            envelope += envelopeStep;
        }
        std::vector<float>& target = out.channel(c);
        for (std::size_t i = 0; i < n; ++i) {
            const long long k = first + static_cast<long long>(i);
            if (k >= 0 && k < static_cast<long long>(target.size())) {
                target[static_cast<std::size_t>(k)] += static_cast<float>(buffer[i] * level);
            }
        }
    }
}

void breath(Sound& out, double start, double length, double hz, double gain, double pan, const Breath& how,
            std::uint64_t seed)
{
    Random random(seed);
    const double total = length + how.release;
    const std::size_t n = static_cast<std::size_t>(total * rate);
    std::vector<double> buffer(n, 0.0);
    Filter air(std::min(2.0 * hz, 8000.0), 1.8);
    double phase = 0.0;
    const double vibratoPhase = random.uniform() * twoPi;
    constexpr std::size_t controlStep = 32; // vibrato, breath and envelope move slowly
    double step = 0.0;
    double shape = 0.0;
    double chiff = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (i % controlStep == 0) {
            const double t = static_cast<double>(i) / rate;
            const double depth = how.vibrato * rise(t - how.vibratoDelay, 0.4);
            const double cents = depth * std::sin(twoPi * how.vibratoRate * t + vibratoPhase);
            step = twoPi * hz * std::pow(2.0, cents / 1200.0) / rate;
            shape = window(t, total, how.attack, how.release);
            // The breath is strongest at the start of the note, as the air finds the tone.
            chiff = how.air * (1.0 + 2.5 * std::exp(-t / 0.05));
        }
        phase += step;
        if (phase > twoPi) {
            phase -= twoPi;
        }
        // The 2nd and 3rd harmonics from the fundamental's sine and cosine.
        const double s1 = std::sin(phase);
        const double c1 = std::cos(phase);
        const double tone = s1 + 0.16 * (2.0 * s1 * c1) + 0.06 * s1 * (3.0 - 4.0 * s1 * s1);
        const double noise = air.bandpass(random.range(-1.0, 1.0)) * chiff;
        buffer[i] = (tone + noise) * shape;
    }
    addPanned(out, std::llround(start * rate), buffer, gain, pan);
}

void echo(Sound& sound, double delaySeconds, double feedback, double level, double darkHz)
{
    const std::size_t d = std::max<std::size_t>(1, static_cast<std::size_t>(delaySeconds * rate));
    const int channels = sound.channels();
    std::vector<std::vector<double>> lines(static_cast<std::size_t>(channels), std::vector<double>(d, 0.0));
    std::vector<Filter> dark(static_cast<std::size_t>(channels), Filter(darkHz, 0.6));
    std::size_t index = 0;
    for (std::size_t i = 0; i < sound.frames(); ++i) {
        double delayed[2] = {lines[0][index], lines[static_cast<std::size_t>(channels - 1)][index]};
        for (int c = 0; c < channels; ++c) {
            const std::size_t cc = static_cast<std::size_t>(c);
            float& sample = sound.channel(c)[i];
            // Each repeat comes back on the other side.
            const double back = delayed[channels == 2 ? 1 - c : 0];
            lines[cc][index] = dark[cc].lowpass(sample + feedback * back);
            sample = static_cast<float>(sample + level * delayed[channels == 2 ? c : 0]);
        }
        index = index + 1 == d ? 0 : index + 1;
    }
}

void dcBlock(Sound& sound, double hz)
{
    const double r = std::exp(-twoPi * hz / rate);
    for (int c = 0; c < sound.channels(); ++c) {
        double x1 = 0.0;
        double y1 = 0.0;
        for (float& s : sound.channel(c)) {
            const double y = s - x1 + r * y1;
            x1 = s;
            y1 = y;
            s = static_cast<float>(y);
        }
    }
}
} // namespace contentgen::synth
