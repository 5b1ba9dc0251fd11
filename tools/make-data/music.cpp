// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The music: sixteen bars in A minor at 120 beats a minute, rendered as a seamless loop.
#include "tools/make-data/music.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace {

constexpr int kRate = 22050;
constexpr double kBeat = 0.5;  // seconds
constexpr int kBars = 16;
constexpr double kLoop = kBars * 4 * kBeat;

struct Chord {
    int bass;                  // MIDI note of the bass
    std::array<int, 3> tones;  // the chord's voicing in the middle register
};

// Two eight-bar phrases: Am F C G | Am F G E, then F G Em Am | Dm G C E.
// Laid out by bars: the formatter leaves it be.
// clang-format off
constexpr std::array<Chord, kBars> kChords = {{
    {45, {57, 60, 64}}, {41, {57, 60, 65}}, {48, {55, 60, 64}}, {43, {55, 59, 62}},
    {45, {57, 60, 64}}, {41, {57, 60, 65}}, {43, {55, 59, 62}}, {40, {56, 59, 64}},
    {41, {57, 60, 65}}, {43, {55, 59, 62}}, {40, {55, 59, 64}}, {45, {57, 60, 64}},
    {38, {57, 62, 65}}, {43, {55, 59, 65}}, {48, {55, 60, 64}}, {40, {56, 59, 62}},
}};
// clang-format on

// The tune: (beat from the start, length in beats, MIDI note).
struct Note {
    double beat;
    double length;
    int pitch;
};

// Laid out by bars: the formatter leaves it be.
// clang-format off
constexpr Note kTune[] = {
    // Bars 1-4
    {0, 1, 69}, {1, 1, 72}, {2, 1, 76}, {3, 0.5, 74}, {3.5, 0.5, 72},
    {4, 2, 72}, {6, 1.5, 69},
    {8, 1, 67}, {9, 1, 72}, {10, 1, 76}, {11, 1, 79},
    {12, 3, 74}, {15, 1, 71},
    // Bars 5-8
    {16, 1, 69}, {17, 1, 72}, {18, 1, 76}, {19, 1, 81},
    {20, 0.5, 81}, {20.5, 0.5, 79}, {21, 1, 77}, {22, 1, 76}, {23, 1, 74},
    {24, 1, 74}, {25, 1, 71}, {26, 1, 67}, {27, 1, 71},
    {28, 1, 71}, {29, 1, 68}, {30, 2, 64},
    // Bars 9-12
    {32, 0.5, 72}, {32.5, 0.5, 74}, {33, 1, 72}, {34, 2, 69},
    {36, 0.5, 71}, {36.5, 0.5, 72}, {37, 1, 71}, {38, 2, 67},
    {40, 1, 76}, {41, 1, 74}, {42, 1, 71}, {43, 1, 67},
    {44, 3.5, 69},
    // Bars 13-16
    {48, 1, 77}, {49, 1, 76}, {50, 1, 74}, {51, 1, 69},
    {52, 1, 71}, {53, 1, 74}, {54, 1, 79}, {55, 1, 77},
    {56, 2, 76}, {58, 2, 72},
    {60, 1, 71}, {61, 1, 68}, {62, 1, 64}, {63, 1, 68},
};
// clang-format on

long frameOf(double seconds) { return static_cast<long>(std::lround(seconds * kRate)); }

// Adds a mono voice to both channels with a pan (-1 left .. 1 right), wrapping at the loop.
void place(Sound& mix, long frame, float v, float pan)
{
    addAt(mix, frame, 0, v * (1.0f - std::max(0.0f, pan)), true);
    addAt(mix, frame, 1, v * (1.0f + std::min(0.0f, pan)), true);
}

// Pads: each chord tone as two slightly detuned saws through a soft low-pass, swelling in.
void renderPads(Sound& mix)
{
    for (int bar = 0; bar < kBars; ++bar) {
        const double start = bar * 4 * kBeat;
        const double length = 4 * kBeat;
        for (std::size_t voice = 0; voice < 3; ++voice) {
            for (int side = 0; side < 2; ++side) {
                const double frequency =
                    noteFrequency(kChords[static_cast<std::size_t>(bar)].tones[voice]) * (side ? 1.004 : 0.996);
                Filter soft = makeFilter(FilterKind::LowPass, 1100, 0.7, kRate);
                double phase = 0.37 * static_cast<double>(voice) + 0.5 * side;
                const long first = frameOf(start);
                const long frames = frameOf(length + 0.45);
                for (long f = 0; f < frames; ++f) {
                    const double t = static_cast<double>(f) / kRate;
                    const double step = frequency / kRate;
                    phase += step;
                    phase -= std::floor(phase);
                    const double swell = std::min(1.0, t / 0.35);
                    const double release = t < length ? 1.0 : std::exp(-(t - length) / 0.12);
                    const float v = filterStep(soft, static_cast<float>(sawWave(phase, step))) *
                                    static_cast<float>(swell * release * 0.045);
                    place(mix, first + f, v, side ? 0.6f : -0.6f);
                }
            }
        }
    }
}

// Bass: a plucked, resonant saw on eighth notes: root, root, octave, root, fifth, root, octave, fifth.
void renderBass(Sound& mix)
{
    const int pattern[8] = {0, 0, 12, 0, 7, 0, 12, 7};
    for (int bar = 0; bar < kBars; ++bar)
        for (int step = 0; step < 8; ++step) {
            const double start = (bar * 4 + step * 0.5) * kBeat;
            const double frequency = noteFrequency(kChords[static_cast<std::size_t>(bar)].bass + pattern[step]);
            Filter pluck = makeFilter(FilterKind::LowPass, 900, 2.0, kRate);
            double phase = 0;
            const long first = frameOf(start);
            const long frames = frameOf(0.5 * kBeat);
            for (long f = 0; f < frames; ++f) {
                const double t = static_cast<double>(f) / kRate;
                const double increment = frequency / kRate;
                phase += increment;
                phase -= std::floor(phase);
                retune(pluck, 180 + 1400 * std::exp(-t / 0.06), 2.0, kRate);
                const double gate = std::min(1.0, (0.5 * kBeat - t) / 0.01);
                const float v =
                    filterStep(pluck, static_cast<float>(sawWave(phase, increment) * 0.7 + sineAt(phase) * 0.5)) *
                    static_cast<float>(attackDecay(t, 0.003, 0.25) * gate * 0.2);
                place(mix, first + f, v, 0.0f);
            }
        }
}

// Arpeggio: sixteenth notes up and down the chord an octave above, bell-like, alternating sides.
void renderArpeggio(Sound& mix)
{
    const int order[8] = {0, 1, 2, 3, 2, 1, 0, 1};
    for (int bar = 0; bar < kBars; ++bar)
        for (int step = 0; step < 16; ++step) {
            const Chord& chord = kChords[static_cast<std::size_t>(bar)];
            const int index = order[step % 8];
            const int pitch = index == 3 ? chord.tones[0] + 24 : chord.tones[static_cast<std::size_t>(index)] + 12;
            const double frequency = noteFrequency(pitch);
            const long first = frameOf((bar * 4 + step * 0.25) * kBeat);
            const long frames = frameOf(0.35);
            const float pan = step % 2 ? 0.45f : -0.45f;
            const float accent = step % 4 == 0 ? 1.0f : 0.7f;
            for (long f = 0; f < frames; ++f) {
                const double t = static_cast<double>(f) / kRate;
                // A soft FM bell: the modulator fades faster than the tone.
                const double modulation = 1.2 * std::exp(-t / 0.05) * sineAt(frequency * 2.0 * t);
                const double v = std::sin(6.283185307 * frequency * t + modulation);
                place(mix, first + f, static_cast<float>(v * attackDecay(t, 0.002, 0.09) * 0.05) * accent, pan);
            }
        }
}

// Melody: a warm lead (triangle and a little pulse) with a gentle, delayed vibrato.
void renderMelody(Sound& mix)
{
    for (const Note& note : kTune) {
        const double frequency = noteFrequency(note.pitch);
        const double length = note.length * kBeat;
        Filter warmth = makeFilter(FilterKind::LowPass, 2600, 0.8, kRate);
        double phase = 0;
        const long first = frameOf(note.beat * kBeat);
        const long frames = frameOf(length + 0.15);
        for (long f = 0; f < frames; ++f) {
            const double t = static_cast<double>(f) / kRate;
            const double vibrato = 1.0 + 0.005 * sineAt(5.5 * t) * std::min(1.0, std::max(0.0, (t - 0.15) / 0.2));
            const double step = frequency * vibrato / kRate;
            phase += step;
            phase -= std::floor(phase);
            const double triangle = 1.0 - 4.0 * std::fabs(phase - 0.5);
            const double raw = triangle * 0.8 + pulseWave(phase, step, 0.35) * 0.15;
            const double envelope =
                std::min(1.0, t / 0.02) * (t < length - 0.04 ? 1.0 - 0.25 * std::min(1.0, t / 1.0)
                                                             : 0.75 * std::exp(-(t - length + 0.04) / 0.05));
            const float v = filterStep(warmth, static_cast<float>(raw)) * static_cast<float>(envelope * 0.13);
            place(mix, first + f, v, 0.1f);
        }
    }
}

// Drums: kick on one and three, a snare on two and four, hats on the eighths, an open hat
// closing every fourth bar.
void renderDrums(Sound& mix)
{
    Noise noise{3030};
    for (int bar = 0; bar < kBars; ++bar)
        for (int eighth = 0; eighth < 8; ++eighth) {
            const long first = frameOf((bar * 4 + eighth * 0.5) * kBeat);
            if (eighth == 0 || eighth == 4 || (eighth == 5 && bar % 2 == 1)) {
                double phase = 0;
                for (long f = 0; f < frameOf(0.3); ++f) {
                    const double t = static_cast<double>(f) / kRate;
                    phase += (48 + 110 * std::exp(-t / 0.03)) / kRate;
                    place(mix, first + f, static_cast<float>(sineAt(phase) * attackDecay(t, 0.001, 0.11) * 0.32), 0.0f);
                }
            }
            if (eighth == 2 || eighth == 6) {
                Filter body = makeFilter(FilterKind::BandPass, 1800, 0.8, kRate);
                for (long f = 0; f < frameOf(0.25); ++f) {
                    const double t = static_cast<double>(f) / kRate;
                    const double v = filterStep(body, nextNoise(noise)) * attackDecay(t, 0.001, 0.06) * 0.5 +
                                     sineAt(190 * t) * attackDecay(t, 0.001, 0.03) * 0.12;
                    place(mix, first + f, static_cast<float>(v * 0.45), -0.1f);
                }
            }
            const bool open = bar % 4 == 3 && eighth == 7;
            Filter hiss = makeFilter(FilterKind::HighPass, 7000, 0.7, kRate);
            for (long f = 0; f < frameOf(open ? 0.3 : 0.06); ++f) {
                const double t = static_cast<double>(f) / kRate;
                const double level = (eighth % 2 ? 0.065 : 0.04) * attackDecay(t, 0.0005, open ? 0.09 : 0.018);
                place(mix, first + f, static_cast<float>(filterStep(hiss, nextNoise(noise)) * level), 0.35f);
            }
        }
}

// A ping-pong echo over the whole loop, run twice round so that the echoes of the end fall
// on the start.
void addEcho(Sound& mix, double delaySeconds, float feedback, float level)
{
    const long frames = frameCount(mix);
    const long delay = frameOf(delaySeconds);
    std::vector<float> left(static_cast<std::size_t>(frames), 0.0f);
    std::vector<float> right(static_cast<std::size_t>(frames), 0.0f);
    Filter dullLeft = makeFilter(FilterKind::LowPass, 3000, 0.7, kRate);
    Filter dullRight = makeFilter(FilterKind::LowPass, 3000, 0.7, kRate);
    std::vector<float> outLeft(left.size());
    std::vector<float> outRight(right.size());
    for (int pass = 0; pass < 2; ++pass)
        for (long f = 0; f < frames; ++f) {
            const long from = (f - delay + frames) % frames;
            const std::size_t i = static_cast<std::size_t>(f);
            const std::size_t j = static_cast<std::size_t>(from);
            const float dry = (mix.samples[2 * i] + mix.samples[2 * i + 1]) * 0.5f;
            left[i] = filterStep(dullLeft, dry + right[j] * feedback);
            right[i] = filterStep(dullRight, left[j] * feedback);
            if (pass == 1) {
                outLeft[i] = left[i];
                outRight[i] = right[i];
            }
        }
    for (long f = 0; f < frames; ++f) {
        const std::size_t i = static_cast<std::size_t>(f);
        mix.samples[2 * i] += outLeft[i] * level;
        mix.samples[2 * i + 1] += outRight[i] * level;
    }
}

}  // namespace

Sound composeMusic()
{
    Sound mix = silence(kRate, 2, kLoop);
    Sound lead = silence(kRate, 2, kLoop);
    renderPads(mix);
    renderBass(mix);
    renderDrums(mix);
    renderArpeggio(lead);
    renderMelody(lead);
    addEcho(lead, 0.75 * kBeat, 0.35f, 0.35f);
    for (std::size_t i = 0; i < mix.samples.size(); ++i) mix.samples[i] = softClip(mix.samples[i] + lead.samples[i]);
    normalise(mix, 0.85f);
    return mix;
}
