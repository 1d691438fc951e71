#include "sounds/kit.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace snd {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr double kReleaseSeconds = 0.004;  // tail fade of every envelope

// Above this a partial fades out, reaching silence at the Nyquist frequency.
constexpr double kBandTop = 0.45 * kRate;
constexpr double kNyquist = 0.5 * kRate;

double band_limit(double hz) {
    if (hz <= kBandTop) return 1.0;
    if (hz >= kNyquist) return 0.0;
    return (kNyquist - hz) / (kNyquist - kBandTop);
}

// Gain of the closing fade for sample i of n.
double release_gain(std::size_t i, std::size_t n) {
    const std::size_t release = std::min(n, samples(kReleaseSeconds));
    const std::size_t left = n - i;
    return left >= release ? 1.0 : static_cast<double>(left) / static_cast<double>(release);
}

struct Biquad {
    double b0, b1, b2, a1, a2;

    void run(Mono& s) const {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
        for (float& v : s) {
            const double x = v;
            const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
            x2 = x1;
            x1 = x;
            y2 = y1;
            y1 = y;
            v = static_cast<float>(y);
        }
    }
};

enum class Kind { low, high, band };

Biquad design(Kind kind, double hz, double q) {
    const double w = kTwoPi * std::min(hz, 0.49 * kRate) / kRate;
    const double cw = std::cos(w);
    const double alpha = std::sin(w) / (2.0 * q);
    const double a0 = 1.0 + alpha;
    double b0 = 0, b1 = 0, b2 = 0;
    switch (kind) {
        case Kind::low:
            b0 = b2 = (1.0 - cw) / 2.0;
            b1 = 1.0 - cw;
            break;
        case Kind::high:
            b0 = b2 = (1.0 + cw) / 2.0;
            b1 = -(1.0 + cw);
            break;
        case Kind::band:  // constant 0 dB peak gain
            b0 = alpha;
            b1 = 0.0;
            b2 = -alpha;
            break;
    }
    return {b0 / a0, b1 / a0, b2 / a0, -2.0 * cw / a0, (1.0 - alpha) / a0};
}

}  // namespace

std::size_t samples(double seconds) { return static_cast<std::size_t>(std::lround(std::max(0.0, seconds) * kRate)); }

std::uint32_t Rng::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Rng::uniform(double lo, double hi) { return lo + (hi - lo) * (next() / 4294967296.0); }

const std::vector<Partial> kPure = {{1.0, 1.0}};
const std::vector<Partial> kBell = {
    {1.0, 1.0, 0.30}, {2.01, 0.45, 0.16}, {3.02, 0.22, 0.09}, {4.17, 0.12, 0.05}, {5.43, 0.06, 0.03}};
const std::vector<Partial> kBrass = {{1, 1.0}, {2, 0.5},  {3, 0.33}, {4, 0.25},
                                     {5, 0.2}, {6, 0.16}, {7, 0.13}, {8, 0.11}};
const std::vector<Partial> kReed = {{1, 1.0}, {3, 0.33}, {5, 0.2}, {7, 0.14}, {9, 0.11}};
const std::vector<Partial> kWood = {{1.0, 1.0, 0.04}, {2.76, 0.4, 0.012}, {5.4, 0.15, 0.006}};

Mono tone(const Tone& t) {
    const std::size_t n = samples(t.seconds);
    Mono out(n, 0.0f);
    const double end = t.hz_end > 0 ? t.hz_end : t.hz;
    std::vector<double> phase(t.partials.size(), 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double time = static_cast<double>(i) / kRate;
        const double along = n > 1 ? static_cast<double>(i) / static_cast<double>(n - 1) : 0.0;
        double hz = t.hz * std::pow(end / t.hz, along);
        hz *= 1.0 + t.vibrato_depth * std::sin(kTwoPi * t.vibrato_hz * time);
        double v = 0;
        for (std::size_t k = 0; k < t.partials.size(); ++k) {
            const Partial& p = t.partials[k];
            const double f = hz * p.ratio;
            double g = p.gain * band_limit(f);
            if (p.tau > 0) g *= std::exp(-time / p.tau);
            v += g * std::sin(phase[k]);
            phase[k] = std::fmod(phase[k] + kTwoPi * f / kRate, kTwoPi);
        }
        out[i] = static_cast<float>(v);
    }
    return out;
}

Mono noise(double seconds, std::uint32_t seed) {
    Rng rng(seed);
    Mono out(samples(seconds));
    for (float& v : out) v = static_cast<float>(rng.uniform(-1.0, 1.0));
    return out;
}

void shape_percussive(Mono& s, double attack, double tau) {
    const std::size_t n = s.size();
    const double attack_samples = std::max(1.0, attack * kRate);
    for (std::size_t i = 0; i < n; ++i) {
        const double rise = std::min(1.0, i / attack_samples);
        const double after = std::max(0.0, i - attack_samples) / kRate;
        s[i] = static_cast<float>(s[i] * rise * std::exp(-after / tau) * release_gain(i, n));
    }
}

void shape_adsr(Mono& s, double attack, double decay, double sustain, double release) {
    const std::size_t n = s.size();
    const double a = std::max(1.0, attack * kRate);
    const double d = std::max(1.0, decay * kRate);
    const double r = std::max(1.0, release * kRate);
    const double release_start = static_cast<double>(n) - r;
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i);
        double g;
        if (x < a) {
            g = x / a;
        } else if (x < a + d) {
            g = 1.0 - (1.0 - sustain) * (x - a) / d;
        } else {
            g = sustain;
        }
        if (x > release_start) g *= std::max(0.0, (static_cast<double>(n) - x) / r);
        s[i] = static_cast<float>(s[i] * g);
    }
}

void lowpass(Mono& s, double hz, double q) { design(Kind::low, hz, q).run(s); }
void highpass(Mono& s, double hz, double q) { design(Kind::high, hz, q).run(s); }
void bandpass(Mono& s, double hz, double q) { design(Kind::band, hz, q).run(s); }

void mix(Mono& into, const Mono& voice, double at_seconds, double gain) {
    const std::size_t start = samples(at_seconds);
    if (into.size() < start + voice.size()) into.resize(start + voice.size(), 0.0f);
    for (std::size_t i = 0; i < voice.size(); ++i) into[start + i] += static_cast<float>(gain * voice[i]);
}

void mix(Stereo& into, const Mono& voice, double at_seconds, double gain, double pan) {
    // Equal-power pan law, scaled so the centre keeps full gain in both channels.
    const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * std::numbers::pi / 4.0;
    mix(into.left, voice, at_seconds, gain * std::cos(angle) * std::numbers::sqrt2);
    mix(into.right, voice, at_seconds, gain * std::sin(angle) * std::numbers::sqrt2);
}

Stereo to_stereo(const Mono& m) { return {m, m}; }

void fade_edges(Stereo& s, double in_seconds, double out_seconds) {
    for (Mono* ch : {&s.left, &s.right}) {
        const std::size_t n = ch->size();
        const std::size_t fade_in = std::min(n, samples(in_seconds));
        const std::size_t fade_out = std::min(n, samples(out_seconds));
        for (std::size_t i = 0; i < fade_in; ++i) (*ch)[i] *= static_cast<float>(i) / static_cast<float>(fade_in);
        for (std::size_t i = 0; i < fade_out; ++i)
            (*ch)[n - 1 - i] *= static_cast<float>(i) / static_cast<float>(fade_out);
    }
}

void normalise(Stereo& s, double peak_dbfs) {
    float peak = 0.0f;
    for (const Mono* ch : {&s.left, &s.right})
        for (float v : *ch) peak = std::max(peak, std::fabs(v));
    if (peak <= 0.0f) return;
    const float gain = static_cast<float>(std::pow(10.0, peak_dbfs / 20.0)) / peak;
    for (Mono* ch : {&s.left, &s.right})
        for (float& v : *ch) v *= gain;
}

double note(int semitones_from_a4) { return 440.0 * std::pow(2.0, semitones_from_a4 / 12.0); }

}  // namespace snd
