// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Writing sounds as 16-bit PCM WAV files.
#include "tools/make-data/wav_file.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <fstream>
#include <vector>

namespace {
void putLittle(std::vector<unsigned char>& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}
}  // namespace

bool writeWaveFile(const std::string& path, const Sound& sound)
{
    const std::uint32_t dataBytes = static_cast<std::uint32_t>(sound.samples.size() * 2);
    const std::uint32_t blockAlign = static_cast<std::uint32_t>(sound.channels) * 2;
    std::vector<unsigned char> out;
    out.reserve(44 + dataBytes);
    out.insert(out.end(), {'R', 'I', 'F', 'F'});
    putLittle(out, 36 + dataBytes, 4);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    putLittle(out, 16, 4);
    putLittle(out, 1, 2);  // PCM
    putLittle(out, static_cast<std::uint32_t>(sound.channels), 2);
    putLittle(out, static_cast<std::uint32_t>(sound.rate), 4);
    putLittle(out, static_cast<std::uint32_t>(sound.rate) * blockAlign, 4);
    putLittle(out, blockAlign, 2);
    putLittle(out, 16, 2);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    putLittle(out, dataBytes, 4);
    for (const float v : sound.samples) {
        const long value = std::lround(std::clamp(v, -1.0f, 1.0f) * 32767.0f);
        putLittle(out, static_cast<std::uint32_t>(static_cast<std::int16_t>(value)) & 0xFFFFu, 2);
    }
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(out.data()), static_cast<std::streamsize>(out.size()));
    return static_cast<bool>(file);
}
