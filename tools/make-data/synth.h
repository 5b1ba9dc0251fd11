// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Sound synthesis for the game's cues and music: sample buffers, oscillators, noise,
// envelopes and filters.
#pragma once
#include <cstdint>
#include <vector>

// Sampled sound, -1..1, channels interleaved.
struct Sound {
    int rate = 44100;            // frames per second
    int channels = 1;            // 1 mono, 2 stereo (left, right)
    std::vector<float> samples;  // frames * channels values
};

// A silent sound of the given length.
Sound silence(int rate, int channels, double seconds);

// Frames in the sound.
long frameCount(const Sound& sound);

// Adds v to one channel of one frame. Frames past either end wrap around when `loop` is
// set (the music's tails flow into its start), and are dropped otherwise.
void addAt(Sound& sound, long frame, int channel, float v, bool loop = false);

// Scales the sound so that its loudest sample reaches `peak`.
void normalise(Sound& sound, float peak);

// Fades the last `seconds` out to silence, and the first `attack` seconds in.
void fadeEdges(Sound& sound, double attack, double seconds);

// A white noise source, deterministic from its seed.
struct Noise {
    std::uint32_t state = 22222;
};

// The next noise value, -1..1.
float nextNoise(Noise& noise);

// A noise value 0..1 (for random choices while composing).
double randomUnit(Noise& noise);

// A second-order filter (low-pass, high-pass or band-pass) that may be retuned between
// samples without losing its state.
enum class FilterKind { LowPass, HighPass, BandPass };
struct Filter {
    FilterKind kind = FilterKind::LowPass;
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;  // coefficients
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;          // state
};

// A filter of the given kind, cut-off or centre `frequency` (Hz) and resonance `q`.
Filter makeFilter(FilterKind kind, double frequency, double q, int rate);

// Changes a filter's frequency and resonance, keeping what it holds.
void retune(Filter& filter, double frequency, double q, int rate);

// Runs one sample through the filter.
float filterStep(Filter& filter, float x);

// Envelope: a linear attack into an exponential decay.
double attackDecay(double t, double attack, double decay);

// A sine at a phase given in cycles.
double sineAt(double cycles);

// Band-limited saw and pulse waves (PolyBLEP) at phase 0..1 advancing by `step` a sample.
double sawWave(double phase, double step);
double pulseWave(double phase, double step, double width);

// The frequency (Hz) of a MIDI note number (69 = A 440 Hz).
double noteFrequency(double note);

// Soft saturation that keeps quiet samples as they are.
float softClip(float v);
