// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Sound synthesis: sample buffers, noise, biquad filters, envelopes and oscillators.
#include "tools/make-data/synth.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr double kTwoPi = 6.283185307179586;

double polyBlep(double t, double step)
{
    if (t < step) {
        t /= step;
        return t + t - t * t - 1.0;
    }
    if (t > 1.0 - step) {
        t = (t - 1.0) / step;
        return t * t + t + t + 1.0;
    }
    return 0.0;
}
}  // namespace

Sound silence(int rate, int channels, double seconds)
{
    Sound sound;
    sound.rate = rate;
    sound.channels = channels;
    sound.samples.assign(static_cast<std::size_t>(std::lround(seconds * rate)) * static_cast<std::size_t>(channels),
                         0.0f);
    return sound;
}

long frameCount(const Sound& sound) { return static_cast<long>(sound.samples.size()) / sound.channels; }

void addAt(Sound& sound, long frame, int channel, float v, bool loop)
{
    const long frames = frameCount(sound);
    if (frames == 0) return;
    if (loop) {
        frame %= frames;
        if (frame < 0) frame += frames;
    } else if (frame < 0 || frame >= frames) {
        return;
    }
    sound.samples[static_cast<std::size_t>(frame * sound.channels + channel)] += v;
}

void normalise(Sound& sound, float peak)
{
    float loudest = 0;
    for (const float v : sound.samples) loudest = std::max(loudest, std::fabs(v));
    if (loudest <= 0) return;
    const float gain = peak / loudest;
    for (float& v : sound.samples) v *= gain;
}

void fadeEdges(Sound& sound, double attack, double seconds)
{
    const long frames = frameCount(sound);
    const long fadeIn = static_cast<long>(attack * sound.rate);
    const long fadeOut = static_cast<long>(seconds * sound.rate);
    for (long f = 0; f < frames; ++f) {
        double gain = 1.0;
        if (f < fadeIn) gain *= static_cast<double>(f) / static_cast<double>(fadeIn);
        if (f >= frames - fadeOut && fadeOut > 0) {
            const double t = static_cast<double>(frames - 1 - f) / static_cast<double>(fadeOut);
            gain *= t * t;
        }
        for (int c = 0; c < sound.channels; ++c)
            sound.samples[static_cast<std::size_t>(f * sound.channels + c)] *= static_cast<float>(gain);
    }
}

float nextNoise(Noise& noise)
{
    noise.state ^= noise.state << 13;
    noise.state ^= noise.state >> 17;
    noise.state ^= noise.state << 5;
    return static_cast<float>(static_cast<double>(noise.state) / 2147483648.0 - 1.0);
}

double randomUnit(Noise& noise) { return (static_cast<double>(nextNoise(noise)) + 1.0) * 0.5; }

Filter makeFilter(FilterKind kind, double frequency, double q, int rate)
{
    Filter filter;
    filter.kind = kind;
    retune(filter, frequency, q, rate);
    return filter;
}

void retune(Filter& filter, double frequency, double q, int rate)
{
    frequency = std::clamp(frequency, 10.0, rate * 0.45);
    const double w = kTwoPi * frequency / rate;
    const double alpha = std::sin(w) / (2.0 * std::max(q, 0.05));
    const double cosw = std::cos(w);
    const double a0 = 1.0 + alpha;
    double b0 = 0, b1 = 0, b2 = 0;
    switch (filter.kind) {
    case FilterKind::LowPass:
        b0 = (1.0 - cosw) * 0.5;
        b1 = 1.0 - cosw;
        b2 = b0;
        break;
    case FilterKind::HighPass:
        b0 = (1.0 + cosw) * 0.5;
        b1 = -(1.0 + cosw);
        b2 = b0;
        break;
    case FilterKind::BandPass:
        b0 = alpha;
        b1 = 0;
        b2 = -alpha;
        break;
    }
    filter.b0 = b0 / a0;
    filter.b1 = b1 / a0;
    filter.b2 = b2 / a0;
    filter.a1 = -2.0 * cosw / a0;
    filter.a2 = (1.0 - alpha) / a0;
}

float filterStep(Filter& f, float x)
{
    const double y = f.b0 * x + f.b1 * f.x1 + f.b2 * f.x2 - f.a1 * f.y1 - f.a2 * f.y2;
    f.x2 = f.x1;
    f.x1 = x;
    f.y2 = f.y1;
    f.y1 = y;
    return static_cast<float>(y);
}

double attackDecay(double t, double attack, double decay)
{
    if (t < 0) return 0.0;
    if (t < attack) return t / attack;
    return std::exp(-(t - attack) / decay);
}

double sineAt(double cycles) { return std::sin(kTwoPi * cycles); }

double sawWave(double phase, double step) { return 2.0 * phase - 1.0 - polyBlep(phase, step); }

double pulseWave(double phase, double step, double width)
{
    double v = phase < width ? 1.0 : -1.0;
    v += polyBlep(phase, step);
    double shifted = phase - width;
    if (shifted < 0) shifted += 1.0;
    v -= polyBlep(shifted, step);
    return v;
}

double noteFrequency(double note) { return 440.0 * std::pow(2.0, (note - 69.0) / 12.0); }

float softClip(float v)
{
    if (std::fabs(v) < 0.6f) return v;
    const float sign = v < 0 ? -1.0f : 1.0f;
    const float excess = std::fabs(v) - 0.6f;
    return sign * (0.6f + 0.4f * std::tanh(excess / 0.4f));
}
