// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game's sound cues, each synthesised from partials, noise, sweeps and envelopes.
#include "tools/make-data/sound_cues.h"

#include <array>
#include <cmath>

namespace {

constexpr int kRate = 44100;

double timeOf(long frame) { return static_cast<double>(frame) / kRate; }

// A struck object: decaying partials at ratios of a fundamental, starting at `start` seconds.
struct Partial {
    double ratio;
    double amplitude;
    double decay;  // seconds
};

template <std::size_t N>
void strike(Sound& sound, double start, double frequency, const std::array<Partial, N>& partials, double gain,
            double detune = 0)
{
    const long first = static_cast<long>(start * kRate);
    for (long f = first; f < frameCount(sound); ++f) {
        const double t = timeOf(f - first);
        double v = 0;
        for (const Partial& p : partials) {
            const double envelope = attackDecay(t, 0.0015, p.decay);
            v += p.amplitude * envelope * sineAt(frequency * p.ratio * t);
            if (detune > 0) v += p.amplitude * 0.5 * envelope * sineAt(frequency * p.ratio * (1.0 + detune) * t + 0.3);
        }
        addAt(sound, f, 0, static_cast<float>(v * gain));
    }
}

// A burst of filtered noise whose filter may sweep from one frequency to another.
void noiseBurst(Sound& sound, double start, double attack, double decay, FilterKind kind, double fromHz, double toHz,
                double q, double gain, std::uint32_t seed)
{
    Noise noise{seed};
    Filter filter = makeFilter(kind, fromHz, q, kRate);
    const long first = static_cast<long>(start * kRate);
    const long length = static_cast<long>((attack + decay * 6) * kRate);
    for (long f = 0; f < length; ++f) {
        const double t = timeOf(f);
        const double progress = std::min(1.0, t / (attack + decay * 3));
        retune(filter, fromHz * std::pow(toHz / fromHz, progress), q, kRate);
        const double v = filterStep(filter, nextNoise(noise)) * attackDecay(t, attack, decay);
        addAt(sound, first + f, 0, static_cast<float>(v * gain));
    }
}

// A sine whose pitch glides through the given curve, with its own envelope.
template <class Pitch, class Envelope>
void glide(Sound& sound, double start, double seconds, Pitch pitch, Envelope envelope, double gain)
{
    double phase = 0;
    const long first = static_cast<long>(start * kRate);
    const long length = static_cast<long>(seconds * kRate);
    for (long f = 0; f < length; ++f) {
        const double t = timeOf(f);
        phase += pitch(t) / kRate;
        const double tail = std::min(1.0, static_cast<double>(length - f) / (0.008 * kRate));  // no click at the end
        addAt(sound, first + f, 0, static_cast<float>(sineAt(phase) * envelope(t) * tail * gain));
    }
}

// A ceramic tile struck by the ball: a bright "tink" over a short wooden knock.
Sound brickPing()
{
    Sound s = silence(kRate, 1, 0.26);
    strike(s, 0, 1568,
           std::array<Partial, 4>{{{1, 1, 0.11}, {2.41, 0.45, 0.06}, {3.98, 0.28, 0.035}, {5.6, 0.14, 0.02}}}, 0.5);
    strike(s, 0, 520, std::array<Partial, 1>{{{1, 0.7, 0.018}}}, 0.5);
    noiseBurst(s, 0, 0.0005, 0.0015, FilterKind::HighPass, 3000, 3000, 0.7, 0.5, 11);
    fadeEdges(s, 0, 0.03);
    normalise(s, 0.7f);
    return s;
}

// A hard brick cracking: a sharp snap, crackles and a dull thud.
Sound brickCrack()
{
    Sound s = silence(kRate, 1, 0.42);
    noiseBurst(s, 0, 0.0008, 0.03, FilterKind::BandPass, 4500, 1400, 1.1, 1.6, 21);
    Noise timing{77};
    for (int i = 0; i < 14; ++i) {
        const double at = 0.004 + randomUnit(timing) * 0.13;
        noiseBurst(s, at, 0.0002, 0.0015 + randomUnit(timing) * 0.002, FilterKind::HighPass, 2500, 2500, 0.8,
                   0.9 * std::exp(-at / 0.06), 100 + static_cast<std::uint32_t>(i));
    }
    glide(
        s, 0, 0.2, [](double t) { return 70 + 100 * std::exp(-t / 0.03); },
        [](double t) { return attackDecay(t, 0.002, 0.06); }, 0.7);
    strike(s, 0, 880, std::array<Partial, 2>{{{1, 0.5, 0.04}, {2.37, 0.3, 0.025}}}, 0.4);
    fadeEdges(s, 0, 0.05);
    normalise(s, 0.8f);
    return s;
}

// The indestructible brick: a clank of steel with beating, inharmonic partials.
Sound metalClank()
{
    Sound s = silence(kRate, 1, 0.6);
    strike(s, 0, 420,
           std::array<Partial, 5>{
               {{1, 1, 0.42}, {2.756, 0.8, 0.28}, {5.404, 0.55, 0.18}, {8.933, 0.35, 0.11}, {13.34, 0.2, 0.07}}},
           0.35, 0.004);
    noiseBurst(s, 0, 0.0005, 0.004, FilterKind::BandPass, 3200, 2400, 1.5, 1.2, 31);
    fadeEdges(s, 0, 0.08);
    normalise(s, 0.75f);
    return s;
}

// A ball off a wall or the paddle: a soft, short tick.
Sound wallTick()
{
    Sound s = silence(kRate, 1, 0.11);
    strike(s, 0, 1100, std::array<Partial, 2>{{{1, 1, 0.014}, {0.55, 0.8, 0.024}}}, 0.5);
    noiseBurst(s, 0, 0.0003, 0.0012, FilterKind::LowPass, 2500, 2500, 0.7, 0.5, 41);
    fadeEdges(s, 0, 0.02);
    normalise(s, 0.42f);
    return s;
}

// A capsule caught: a bright rising three-note chime.
Sound bonusChime()
{
    Sound s = silence(kRate, 1, 0.6);
    const double notes[3][2] = {{0.0, 88}, {0.07, 95}, {0.14, 100}};
    for (const auto& n : notes)
        strike(s, n[0], noteFrequency(n[1]),
               std::array<Partial, 4>{{{1, 1, 0.28}, {2, 0.35, 0.16}, {3, 0.18, 0.09}, {4.16, 0.12, 0.06}}}, 0.35,
               0.0025);
    fadeEdges(s, 0, 0.1);
    normalise(s, 0.7f);
    return s;
}

// A shot from the armed paddle: a laser zap, a buzzing tone diving in pitch.
Sound laserZap()
{
    Sound s = silence(kRate, 1, 0.24);
    Filter tone = makeFilter(FilterKind::LowPass, 5000, 0.9, kRate);
    double phase = 0;
    double sub = 0;
    for (long f = 0; f < frameCount(s); ++f) {
        const double t = timeOf(f);
        const double frequency = 260 + 2300 * std::exp(-t / 0.035);
        const double step = frequency / kRate;
        phase += step;
        phase -= std::floor(phase);
        sub += step * 0.5;
        const double v = pulseWave(phase, step, 0.3) * 0.6 + sineAt(sub) * 0.5;
        addAt(s, f, 0, static_cast<float>(filterStep(tone, static_cast<float>(v)) * attackDecay(t, 0.002, 0.055)));
    }
    noiseBurst(s, 0, 0.001, 0.01, FilterKind::HighPass, 4000, 4000, 0.7, 0.25, 51);
    fadeEdges(s, 0, 0.03);
    normalise(s, 0.6f);
    return s;
}

// A level cleared: applause, many hands clapping at their own pace.
Sound applause()
{
    Sound s = silence(kRate, 1, 1.5);
    Noise chance{909};
    const int claps = 90;
    for (int i = 0; i < claps; ++i) {
        // Most claps in the first second, thinning out as the applause dies down.
        const double at = std::pow(randomUnit(chance), 1.5) * 1.35;
        const double loudness =
            (0.45 + 0.55 * randomUnit(chance)) * (1.0 - 0.85 * (at < 0.6 ? 0.0 : (at - 0.6) / 0.75));
        const double centre = 900 + randomUnit(chance) * 1700;
        const double decay = 0.006 + randomUnit(chance) * 0.01;
        const std::uint32_t seed = 1000 + static_cast<std::uint32_t>(i);
        noiseBurst(s, at, 0.0006, decay, FilterKind::BandPass, centre, centre * 0.9, 1.6, loudness, seed);
        // The second slap of a clap, a few milliseconds later.
        noiseBurst(s, at + 0.004 + randomUnit(chance) * 0.004, 0.0004, decay * 0.6, FilterKind::BandPass, centre * 1.2,
                   centre, 2.0, loudness * 0.45, seed + 500);
    }
    // The hall: a soft wash of noise under the claps.
    Noise hall{4242};
    Filter wash = makeFilter(FilterKind::BandPass, 1500, 0.6, kRate);
    for (long f = 0; f < frameCount(s); ++f) {
        const double t = timeOf(f);
        const double level = std::min(1.0, t / 0.08) * (t < 0.8 ? 1.0 : std::exp(-(t - 0.8) / 0.25));
        addAt(s, f, 0, static_cast<float>(filterStep(wash, nextNoise(hall)) * level * 0.18));
    }
    fadeEdges(s, 0.002, 0.25);
    normalise(s, 0.8f);
    return s;
}

// The last ball lost: a falling, wobbling tone.
Sound fallingTone()
{
    Sound s = silence(kRate, 1, 0.66);
    Filter warmth = makeFilter(FilterKind::LowPass, 2000, 1.2, kRate);
    double phase = 0;
    for (long f = 0; f < frameCount(s); ++f) {
        const double t = timeOf(f);
        const double wobble = 1.0 + 0.02 * std::min(1.0, t / 0.2) * sineAt(6.5 * t);
        const double frequency = 147 + (587 - 147) * std::exp(-t / 0.2) * wobble;
        const double step = frequency / kRate;
        phase += step;
        phase -= std::floor(phase);
        retune(warmth, frequency * 3.5, 1.5, kRate);
        const double raw = sawWave(phase, step) * 0.6 + sineAt(phase) * 0.6;
        const double envelope = std::min(1.0, t / 0.01) * (t < 0.45 ? 1.0 : std::exp(-(t - 0.45) / 0.07));
        addAt(s, f, 0, static_cast<float>(filterStep(warmth, static_cast<float>(raw)) * envelope));
    }
    fadeEdges(s, 0, 0.04);
    normalise(s, 0.5f);
    return s;
}

// A spare ball brought in: a rising arpeggio of bright plucks.
Sound risingArpeggio()
{
    Sound s = silence(kRate, 1, 0.58);
    const double notes[4] = {84, 88, 91, 96};
    for (int i = 0; i < 4; ++i) {
        const double start = i * 0.07;
        const double frequency = noteFrequency(notes[i]);
        const double decay = i == 3 ? 0.2 : 0.09;
        Filter pluck = makeFilter(FilterKind::LowPass, 6000, 0.8, kRate);
        double phase = 0;
        const long first = static_cast<long>(start * kRate);
        for (long f = first; f < frameCount(s); ++f) {
            const double t = timeOf(f - first);
            const double vibrato = i == 3 ? 1.0 + 0.006 * sineAt(6 * t) * std::min(1.0, t / 0.1) : 1.0;
            const double step = frequency * vibrato / kRate;
            phase += step;
            phase -= std::floor(phase);
            retune(pluck, 1500 + 6000 * std::exp(-t / 0.05), 0.8, kRate);
            const double v = pulseWave(phase, step, 0.25) * 0.4 + sineAt(phase) * 0.6;
            addAt(s, f, 0,
                  static_cast<float>(filterStep(pluck, static_cast<float>(v)) * attackDecay(t, 0.002, decay) * 0.5));
        }
    }
    fadeEdges(s, 0, 0.08);
    normalise(s, 0.65f);
    return s;
}

// A group of bricks vanishing: a shimmer of high glints over a falling breath of air.
Sound shimmer()
{
    Sound s = silence(kRate, 1, 0.62);
    Noise chance{616};
    for (int i = 0; i < 26; ++i) {
        const double at = randomUnit(chance) * 0.36;
        const double frequency = 2000 + randomUnit(chance) * 4200;
        const double decay = 0.05 + randomUnit(chance) * 0.1;
        const double loudness = 0.3 + 0.7 * randomUnit(chance);
        strike(s, at, frequency, std::array<Partial, 2>{{{1, 1, decay}, {2.01, 0.3, decay * 0.5}}}, loudness * 0.2);
    }
    Noise air{617};
    Filter sweep = makeFilter(FilterKind::BandPass, 6000, 2.5, kRate);
    for (long f = 0; f < frameCount(s); ++f) {
        const double t = timeOf(f);
        retune(sweep, 6000 * std::pow(1500.0 / 6000.0, std::min(1.0, t / 0.5)), 2.5, kRate);
        const double hump = std::sin(std::min(1.0, t / 0.55) * 3.14159265);
        addAt(s, f, 0, static_cast<float>(filterStep(sweep, nextNoise(air)) * hump * 0.5));
    }
    fadeEdges(s, 0.003, 0.08);
    normalise(s, 0.55f);
    return s;
}

// The sticky paddle catching a ball: a soft, wet "gloop".
Sound stickyCatch()
{
    Sound s = silence(kRate, 1, 0.22);
    glide(
        s, 0, 0.22,
        [](double t) { return t < 0.035 ? 170 + 160 * (t / 0.035) : 140 + 190 * std::exp(-(t - 0.035) / 0.03); },
        [](double t) { return attackDecay(t, 0.003, 0.07); }, 0.8);
    noiseBurst(s, 0, 0.001, 0.02, FilterKind::LowPass, 500, 250, 0.9, 1.2, 71);
    fadeEdges(s, 0, 0.03);
    normalise(s, 0.6f);
    return s;
}

// A ball launched from the paddle: a knock and a rising whoosh.
Sound launchWhoosh()
{
    Sound s = silence(kRate, 1, 0.36);
    noiseBurst(s, 0, 0.09, 0.06, FilterKind::BandPass, 350, 3600, 2.2, 1.0, 81);
    glide(
        s, 0, 0.3, [](double t) { return 220 * std::pow(4.0, t / 0.25); },
        [](double t) { return attackDecay(t, 0.01, 0.08); }, 0.25);
    strike(s, 0, 700, std::array<Partial, 2>{{{1, 1, 0.02}, {2.3, 0.4, 0.012}}}, 0.4);
    fadeEdges(s, 0, 0.05);
    normalise(s, 0.6f);
    return s;
}

}  // namespace

std::vector<CueRecipe> cueRecipes()
{
    return {
        {"brique", brickPing},           {"casse", brickCrack},     {"briquedure", metalClank},
        {"disparition", shimmer},        {"murs", wallTick},        {"balle pause", stickyCatch},
        {"balle decolle", launchWhoosh}, {"vieperdu", fallingTone}, {"nouvellevie", risingArpeggio},
        {"bonus", bonusChime},           {"tir", laserZap},         {"CLAP", applause},
    };
}
