// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The TrueType table reader: a face's cell metrics from its font file's tables.
#include "screens/truetype_tables.h"

#include <cstdint>
#include <cstring>
#include <fstream>

namespace {

std::uint32_t readBig(const unsigned char* p, int bytes)
{
    std::uint32_t value = 0;
    for (int i = 0; i < bytes; ++i) value = (value << 8) | p[i];
    return value;
}

// Reads `size` bytes at `offset` of the file; false when the file is shorter.
bool readAt(std::ifstream& file, std::uint32_t offset, unsigned char* out, std::size_t size)
{
    file.seekg(offset);
    file.read(reinterpret_cast<char*>(out), static_cast<std::streamsize>(size));
    return static_cast<std::size_t>(file.gcount()) == size;
}

}  // namespace

bool readCellMetrics(const char* path, int faceIndex, CellMetrics& metrics)
{
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    unsigned char header[12];
    if (!readAt(file, 0, header, sizeof header)) return false;
    std::uint32_t directory = 0;
    if (std::memcmp(header, "ttcf", 4) == 0) {
        const std::uint32_t faces = readBig(header + 8, 4);
        if (faceIndex < 0 || static_cast<std::uint32_t>(faceIndex) >= faces) return false;
        unsigned char entry[4];
        if (!readAt(file, 12 + 4 * static_cast<std::uint32_t>(faceIndex), entry, 4)) return false;
        directory = readBig(entry, 4);
        if (!readAt(file, directory, header, sizeof header)) return false;
    }
    const std::uint32_t tables = readBig(header + 4, 2);
    std::uint32_t headOffset = 0;
    std::uint32_t os2Offset = 0;
    for (std::uint32_t i = 0; i < tables; ++i) {
        unsigned char record[16];
        if (!readAt(file, directory + 12 + 16 * i, record, sizeof record)) return false;
        const std::uint32_t length = readBig(record + 12, 4);
        if (std::memcmp(record, "head", 4) == 0 && length >= 54) headOffset = readBig(record + 8, 4);
        if (std::memcmp(record, "OS/2", 4) == 0 && length >= 78) os2Offset = readBig(record + 8, 4);
    }
    if (headOffset == 0 || os2Offset == 0) return false;
    unsigned char head[20];
    unsigned char os2[78];
    if (!readAt(file, headOffset, head, sizeof head) || !readAt(file, os2Offset, os2, sizeof os2)) return false;
    metrics.unitsPerEm = static_cast<int>(readBig(head + 18, 2));
    metrics.winAscent = static_cast<int>(readBig(os2 + 74, 2));
    metrics.winDescent = static_cast<int>(readBig(os2 + 76, 2));
    return metrics.unitsPerEm > 0 && metrics.winAscent + metrics.winDescent > 0;
}
