#include "sounds/recipes.h"

#include <cmath>

namespace snd {

namespace {

// Note names as semitones from A4.
constexpr int C4 = -9, E4 = -5, G4 = -2, C5 = 3, D5 = 5, E5 = 7, G5 = 10;
constexpr int A5 = 12, C6 = 15, E6 = 19, G6 = 22, B6 = 26;

// A bell note that rings for the given time.
Mono bell(int pitch, double seconds) {
    Mono s = tone({.seconds = seconds, .hz = note(pitch), .partials = kBell});
    shape_percussive(s, 0.002, seconds / 3.0);
    return s;
}

// A held brass-like note with a soft attack and a touch of late vibrato.
Mono horn(int pitch, double seconds, double vibrato = 0.0) {
    Mono s =
        tone({.seconds = seconds, .hz = note(pitch), .vibrato_hz = 5.5, .vibrato_depth = vibrato, .partials = kBrass});
    lowpass(s, 3500);
    shape_adsr(s, 0.015, 0.08, 0.7, std::min(0.08, seconds / 3.0));
    return s;
}

// A short, round blip for buttons.
Mono blip(int pitch, double seconds) {
    Mono s = tone(
        {.seconds = seconds, .hz = note(pitch), .hz_end = note(pitch) * 1.06, .partials = {{1, 1.0}, {2, 0.25, 0.02}}});
    shape_adsr(s, 0.003, 0.02, 0.6, seconds / 2.0);
    return s;
}

// A low body that drops in pitch, the core of every thud.
Mono thump(double seconds, double hz_from, double hz_to, double tau) {
    Mono s = tone({.seconds = seconds, .hz = hz_from, .hz_end = hz_to, .partials = {{1, 1.0}, {2, 0.2, 0.015}}});
    shape_percussive(s, 0.002, tau);
    return s;
}

// A struck tone with a short band of noise on its attack: ticks and clicks.
struct Strike {
    Tone tone;
    double decay;            // of the tone
    std::uint32_t seed;      // of the noise
    double band_hz, band_q;  // where the noise sits
    double noise_attack, noise_decay, noise_level;
};

Mono strike(const Strike& k) {
    Mono s = tone(k.tone);
    shape_percussive(s, 0.001, k.decay);
    Mono hiss = noise(k.tone.seconds, k.seed);
    bandpass(hiss, k.band_hz, k.band_q);
    shape_percussive(hiss, k.noise_attack, k.noise_decay);
    mix(s, hiss, 0.0, k.noise_level);
    return s;
}

// A dull burst of noise, the contact sound on top of a thud.
Mono contact(double seconds, double cutoff, double tau, std::uint32_t seed) {
    Mono s = noise(seconds, seed);
    lowpass(s, cutoff);
    shape_percussive(s, 0.001, tau);
    return s;
}

}  // namespace

Stereo cursor_tick() {
    // A very short high tick: a damped sine with a breath of filtered noise.
    return to_stereo(strike({.tone = {.seconds = 0.035, .hz = 2400, .partials = {{1, 1.0, 0.006}, {1.5, 0.3, 0.004}}},
                             .decay = 0.008,
                             .seed = 0x0001u,
                             .band_hz = 4000,
                             .band_q = 1.5,
                             .noise_attack = 0.0005,
                             .noise_decay = 0.004,
                             .noise_level = 0.4}));
}

Stereo group_chime() {
    // Two bell strikes a fifth apart, the second a little to the right.
    Stereo out;
    mix(out, bell(E6, 0.36), 0.0, 1.0, -0.15);
    mix(out, bell(B6, 0.30), 0.07, 0.85, 0.15);
    mix(out, bell(E6 - 12, 0.36), 0.0, 0.35);  // octave below for body
    return out;
}

Stereo swap_click() {
    // A crisp click: a band of noise over a quick damped tone.
    return to_stereo(strike({.tone = {.seconds = 0.05, .hz = 1600, .hz_end = 1200, .partials = kWood},
                             .decay = 0.012,
                             .seed = 0x0002u,
                             .band_hz = 3000,
                             .band_q = 2.0,
                             .noise_attack = 0.0005,
                             .noise_decay = 0.006,
                             .noise_level = 0.8}));
}

Stereo stone_thud() {
    Mono s = thump(0.10, 180, 70, 0.03);
    mix(s, contact(0.10, 900, 0.012, 0x0003u), 0.0, 0.35);
    return to_stereo(s);
}

Stereo crumble() {
    // Many tiny grains of filtered noise scattered over a decaying rubble bed.
    Rng rng(0x0004u);
    Mono s = contact(0.21, 1800, 0.06, 0x0040u);
    for (int i = 0; i < 36; ++i) {
        const double at = rng.uniform(0.0, 0.16);
        Mono grain = noise(0.03, rng.next());
        bandpass(grain, rng.uniform(700, 3200), 3.0);
        shape_percussive(grain, 0.0008, rng.uniform(0.003, 0.008));
        mix(s, grain, at, rng.uniform(0.5, 1.0) * std::exp(-at / 0.07) * 2.0);
    }
    shape_adsr(s, 0.002, 0.0, 1.0, 0.03);
    return to_stereo(s);
}

Stereo heavy_thud() {
    // Deeper and longer than a stone landing, with a second knock of the body.
    Mono s = thump(0.18, 130, 45, 0.055);
    mix(s, thump(0.12, 95, 60, 0.03), 0.012, 0.5);
    mix(s, contact(0.18, 700, 0.025, 0x0005u), 0.0, 0.45);
    return to_stereo(s);
}

Stereo clock_tick() {
    // A wood-block tick, lower and hollower than the cursor tick.
    return to_stereo(strike({.tone = {.seconds = 0.06, .hz = 1150, .partials = kWood},
                             .decay = 0.015,
                             .seed = 0x0006u,
                             .band_hz = 2200,
                             .band_q = 4.0,
                             .noise_attack = 0.0005,
                             .noise_decay = 0.005,
                             .noise_level = 0.5}));
}

Stereo alarm_two_tone() {
    // Hi-lo alternation of a reedy tone, three times.
    Mono s;
    for (int i = 0; i < 6; ++i) {
        Mono beep = tone({.seconds = 0.085, .hz = note(i % 2 == 0 ? A5 : E5), .partials = kReed});
        shape_adsr(beep, 0.005, 0.02, 0.8, 0.01);
        mix(s, beep, i * 0.09);
    }
    lowpass(s, 4000);
    return to_stereo(s);
}

Stereo alarm_siren() {
    // Two rising whoops, a different shape from the two-tone alarm.
    Mono s;
    for (int i = 0; i < 2; ++i) {
        Mono whoop = tone({.seconds = 0.24, .hz = 520, .hz_end = 1100, .partials = {{1, 1.0}, {2, 0.3}, {3, 0.15}}});
        shape_adsr(whoop, 0.01, 0.05, 0.85, 0.03);
        mix(s, whoop, i * 0.26);
    }
    return to_stereo(s);
}

Stereo falling_tone() {
    // A long descending glide with a wobble: something has gone wrong.
    Mono s = tone({.seconds = 0.72,
                   .hz = note(G5),
                   .hz_end = note(G4 - 12),
                   .vibrato_hz = 7.0,
                   .vibrato_depth = 0.015,
                   .partials = kReed});
    lowpass(s, 2500);
    shape_adsr(s, 0.01, 0.1, 0.8, 0.25);
    return to_stereo(s);
}

Stereo fanfare() {
    // Rising major arpeggio, then the tonic chord held with vibrato.
    Stereo out;
    const int run[] = {C5, E5, G5};
    for (int i = 0; i < 3; ++i) mix(out, horn(run[i], 0.14), i * 0.13, 0.9, -0.2 + 0.2 * i);
    const double held = 0.39;
    mix(out, horn(C6, 0.9, 0.006), held, 0.9, 0.0);
    mix(out, horn(G5, 0.9, 0.004), held, 0.5, 0.25);
    mix(out, horn(E5, 0.9, 0.004), held, 0.5, -0.25);
    mix(out, horn(C4, 0.9), held, 0.4);
    return out;
}

Stereo lead_change() {
    // A quick rising fourth on the bell.
    Stereo out;
    mix(out, bell(G5, 0.16), 0.0, 0.9, -0.1);
    mix(out, bell(C6, 0.26), 0.11, 1.0, 0.1);
    return out;
}

Stereo game_over() {
    // A falling line that settles into a calm, held major chord.
    Stereo out;
    const int line[] = {E5, D5, C5, G4};
    for (int i = 0; i < 4; ++i) mix(out, horn(line[i], 0.2), i * 0.18, 0.8, 0.15 - 0.1 * i);
    const double held = 0.72;
    mix(out, horn(C5, 1.05, 0.004), held, 0.7);
    mix(out, horn(G4, 1.05), held, 0.45, 0.25);
    mix(out, horn(E4, 1.05), held, 0.45, -0.25);
    mix(out, horn(C4, 1.05), held, 0.45);
    return out;
}

Stereo highscore_button() {
    // Two rising blips, so the high-score button stands apart from the others.
    Mono s;
    mix(s, blip(C6, 0.06), 0.0);
    mix(s, blip(G6, 0.08), 0.06);
    return to_stereo(s);
}

Stereo menu_button() { return to_stereo(blip(E5 + 12, 0.08)); }

Stereo pause_tone() {
    // A soft open fifth that swells and fades.
    Mono s = tone({.seconds = 0.28, .hz = note(C5), .partials = {{1, 1.0}, {1.5, 0.6}, {2, 0.2}}});
    shape_adsr(s, 0.03, 0.08, 0.6, 0.15);
    return to_stereo(s);
}

}  // namespace snd
