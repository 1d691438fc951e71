#pragma once
// A tiny synthesis kit: everything the sound recipes are built from.
// All signals are float samples at the game's rate, nominally within [-1, 1].
#include <cstdint>
#include <vector>

namespace snd {

constexpr int kRate = 22050;

using Mono = std::vector<float>;

struct Stereo {
    Mono left;
    Mono right;
};

// Whole samples in the given number of seconds.
std::size_t samples(double seconds);

// Deterministic pseudo-random numbers (xorshift32), so every build gives the same files.
class Rng {
public:
    explicit Rng(std::uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
    std::uint32_t next();
    double uniform(double lo, double hi);

private:
    std::uint32_t state_;
};

// One sine component of a tone: frequency as a multiple of the tone's pitch, its
// gain, and its own exponential decay time constant in seconds (0: no decay).
struct Partial {
    double ratio;
    double gain;
    double tau = 0;
};

// Ready-made timbres.
extern const std::vector<Partial> kPure;   // a plain sine
extern const std::vector<Partial> kBell;   // slightly inharmonic, upper partials die first
extern const std::vector<Partial> kBrass;  // all harmonics, falling 1/n
extern const std::vector<Partial> kReed;   // odd harmonics: a rounded square wave
extern const std::vector<Partial> kWood;   // hollow, quickly damped overtones

struct Tone {
    double seconds;
    double hz;
    double hz_end = 0;  // exponential glide to this pitch; 0 keeps the pitch
    double vibrato_hz = 0;
    double vibrato_depth = 0;  // fraction of the pitch
    std::vector<Partial> partials = kPure;
};

// Additive oscillator. Partials near the Nyquist frequency fade out instead of aliasing.
Mono tone(const Tone& t);

// White noise in [-1, 1].
Mono noise(double seconds, std::uint32_t seed);

// Envelopes. Each ends in a short release so a sound never stops on a step.
// Percussive: linear attack, then exponential decay with time constant tau.
void shape_percussive(Mono& s, double attack, double tau);
// Attack, decay to the sustain level, hold, and release at the end of the buffer.
void shape_adsr(Mono& s, double attack, double decay, double sustain, double release);

// Second-order filters (RBJ cookbook biquads), applied in place.
void lowpass(Mono& s, double hz, double q = 0.707);
void highpass(Mono& s, double hz, double q = 0.707);
void bandpass(Mono& s, double hz, double q);

// Mixer: adds voice into the mix starting at the given time, growing the mix as needed.
void mix(Mono& into, const Mono& voice, double at_seconds, double gain = 1.0);
// Stereo version; pan -1 is left, +1 right, 0 centre at full gain in both channels.
void mix(Stereo& into, const Mono& voice, double at_seconds, double gain = 1.0, double pan = 0.0);

Stereo to_stereo(const Mono& m);

// Linear fades at both ends: the last guard against clicks.
void fade_edges(Stereo& s, double in_seconds, double out_seconds);

// Scales the sound so its larger channel peak sits at peak_dbfs.
void normalise(Stereo& s, double peak_dbfs);

// Pitch of a note given in semitones from A4 (440 Hz).
double note(int semitones_from_a4);

}  // namespace snd
