// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay file's header and its deflated event stream.
#include "shell/replay_file.h"

#include <zlib.h>

#include <cstring>

#include "game/level_set.h"
#include "game/levels.h"
#include "game/replay_validator.h"
#include "game/rules_version.h"
#include "screens/translation.h"
#include "shell/regular_file.h"

#ifndef TESSARON_VERSION
#define TESSARON_VERSION "0.0.0"
#endif

namespace {

constexpr char kMagic[8] = {'T', 'E', 'S', 'S', 'R', 'P', 'L', '\n'};
constexpr std::size_t kLargestStream = 64u << 20;

void putWord(std::string& out, std::uint32_t value, int bytes)
{
    for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>(value >> (8 * i)));
}

// Reads the header's fields in order; every read past the end leaves `ok` false.
struct HeaderReader {
    const std::string& bytes;
    std::size_t at = 0;
    bool ok = true;

    std::uint32_t word(int size)
    {
        if (!ok || bytes.size() - at < static_cast<std::size_t>(size)) {
            ok = false;
            return 0;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < size; ++i) value |= std::uint32_t{static_cast<std::uint8_t>(bytes[at++])} << (8 * i);
        return value;
    }
    std::int32_t number() { return static_cast<std::int32_t>(word(4)); }
    std::string text(std::size_t size)
    {
        if (!ok || bytes.size() - at < size) {
            ok = false;
            return "";
        }
        at += size;
        return bytes.substr(at - size, size);
    }
};

bool fail(std::string& reason, const std::string& why)
{
    reason = why;
    return false;
}

}  // namespace

const char* gameVersion() { return TESSARON_VERSION; }

std::string encodeReplay(const ReplayStart& start, const std::string& stream)
{
    const bool carriesSet = !start.levelSet.levels.empty();
    std::string out(kMagic, sizeof kMagic);
    putWord(out, carriesSet ? kReplayWithLevelsFormat : kReplayFormatVersion, 2);
    putWord(out, kRulesVersion, 2);
    const std::string version = gameVersion();
    putWord(out, static_cast<std::uint32_t>(version.size()), 1);
    out += version;
    putWord(out, start.randomState, 4);
    putWord(out, static_cast<std::uint32_t>(start.level), 4);
    putWord(out, static_cast<std::uint32_t>(start.livesLeft), 4);
    putWord(out, static_cast<std::uint32_t>(start.soundEnabled), 1);
    putWord(out, static_cast<std::uint32_t>(start.levelIntroShown), 1);
    putWord(out, static_cast<std::uint32_t>(start.victoryShown), 1);
    putWord(out, static_cast<std::uint32_t>(start.bestScore), 4);
    out.append(start.bestScoreName.data(), start.bestScoreName.size());
    out.back() = '\0';
    for (std::int32_t value : {start.pointer.x, start.pointer.y, start.cursor.x, start.cursor.y}) {
        putWord(out, static_cast<std::uint32_t>(value), 4);
    }
    if (carriesSet) {
        const std::string text = writeLevelSet(start.levelSet);
        putWord(out, static_cast<std::uint32_t>(text.size()), 4);
        out += text;
        const std::uint64_t digest = levelSetDigest(start.levelSet);
        putWord(out, static_cast<std::uint32_t>(digest), 4);
        putWord(out, static_cast<std::uint32_t>(digest >> 32), 4);
    }
    uLongf packedSize = compressBound(stream.size());
    std::string packed(packedSize, '\0');
    compress2(reinterpret_cast<Bytef*>(packed.data()), &packedSize, reinterpret_cast<const Bytef*>(stream.data()),
              stream.size(), Z_BEST_COMPRESSION);
    packed.resize(packedSize);
    putWord(out, static_cast<std::uint32_t>(stream.size()), 4);
    putWord(out, static_cast<std::uint32_t>(packed.size()), 4);
    return out + packed;
}

bool decodeReplay(const std::string& bytes, ReplayStart& start, std::string& stream, std::string& reason)
{
    if (bytes.size() < sizeof kMagic || std::memcmp(bytes.data(), kMagic, sizeof kMagic) != 0) {
        return fail(reason, tr("pas une partie enregistrée de Tessaron"));
    }
    HeaderReader in{bytes, sizeof kMagic};
    const std::uint32_t format = in.word(2);
    if (in.ok && format != kReplayFormatVersion && format != kReplayWithLevelsFormat) {
        return fail(reason, tr("partie enregistrée au format ") + std::to_string(format) +
                                tr(", ce jeu lit le format ") + std::to_string(kReplayFormatVersion));
    }
    const std::uint32_t rules = in.word(2);
    if (in.ok && rules != kRulesVersion) {
        return fail(reason, tr("partie enregistrée sous les règles ") + std::to_string(rules) +
                                tr(", ce jeu suit les règles ") + std::to_string(kRulesVersion));
    }
    in.text(in.word(1));  // the version that recorded it: any, under the same rules
    start.randomState = in.word(4);
    start.level = in.number();
    start.livesLeft = in.number();
    start.soundEnabled = static_cast<std::int32_t>(in.word(1));
    start.levelIntroShown = static_cast<std::int32_t>(in.word(1));
    start.victoryShown = static_cast<std::int32_t>(in.word(1));
    start.bestScore = in.number();
    const std::string name = in.text(start.bestScoreName.size());
    start.pointer.x = in.number();
    start.pointer.y = in.number();
    start.cursor.x = in.number();
    start.cursor.y = in.number();
    start.levelSet = LevelSet{};
    if (in.ok && format == kReplayWithLevelsFormat) {
        const std::uint32_t textSize = in.word(4);
        if (in.ok && textSize > kMaxLevelFileBytes) return fail(reason, tr("en-tête de la partie enregistrée abîmé"));
        const std::string text = in.text(textSize);
        std::uint64_t digest = in.word(4);
        digest |= std::uint64_t{in.word(4)} << 32;
        LevelSetRefusal refusal;
        if (in.ok && !readLevelSet(text, start.levelSet, refusal)) {
            return fail(reason, tr("niveaux de la partie enregistrée refusés : ") + levelSetRefusalLine(refusal));
        }
        // Levels that read well but are not the ones the game was played on are damage too.
        if (in.ok && levelSetDigest(start.levelSet) != digest) {
            return fail(reason, tr("niveaux de la partie enregistrée abîmés"));
        }
    }
    const std::uint32_t streamSize = in.word(4);
    const std::uint32_t packedSize = in.word(4);
    if (!in.ok || bytes.size() - in.at < packedSize) return fail(reason, tr("partie enregistrée tronquée"));
    if (bytes.size() - in.at > packedSize)
        return fail(reason, tr("des octets suivent la fin de la partie enregistrée"));
    const LevelSet* played = start.levelSet.levels.empty() ? nullptr : &start.levelSet;
    if (start.level < 0 || start.level > levelCountOf(played) || start.livesLeft < 0 || start.livesLeft > 99 ||
        start.soundEnabled > 1 || start.levelIntroShown > 1 || start.victoryShown > 1 || start.bestScore < 0 ||
        name.find('\0') == std::string::npos) {
        return fail(reason, tr("en-tête de la partie enregistrée abîmé"));
    }
    std::memcpy(start.bestScoreName.data(), name.data(), start.bestScoreName.size());
    if (streamSize > kLargestStream) return fail(reason, tr("en-tête de la partie enregistrée abîmé"));
    stream.assign(streamSize, '\0');
    uLongf unpackedSize = streamSize;
    const int unpacked = uncompress(reinterpret_cast<Bytef*>(stream.data()), &unpackedSize,
                                    reinterpret_cast<const Bytef*>(bytes.data() + in.at), packedSize);
    if (unpacked != Z_OK || unpackedSize != streamSize)
        return fail(reason, tr("événements de la partie enregistrée abîmés"));
    ReplayRefusal why;
    if (!validateStream(stream, why)) {
        return fail(reason, tr("événements de la partie enregistrée abîmés : ") + replayRefusalLine(why));
    }
    return true;
}

bool loadReplay(const std::string& path, ReplayStart& start, std::string& stream, std::string& reason)
{
    std::string bytes;
    if (!readRegularFile(path, kLargestReplayFile + 1, bytes)) {
        return fail(reason, tr("impossible de lire ") + path + tr(" comme fichier ordinaire"));
    }
    if (bytes.size() > kLargestReplayFile) return fail(reason, tr("trop grand pour une partie enregistrée"));
    return decodeReplay(bytes, start, stream, reason);
}
