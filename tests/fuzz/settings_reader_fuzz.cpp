// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
//
// The settings reader under libFuzzer: any bytes as the player's tessaron.conf. A text is read
// or refused whole in one line; what is read must be written back to a text that reads the
// same, and a change of the game merged into the player's text must read as that change with
// the rest of the player's settings and lines kept.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "shell/settings_file.h"

namespace {

// The notes are whole lines of printable text: a terminal shows them as they are.
bool printableLines(const std::string& text)
{
    if (!text.empty() && text.back() != '\n') return false;
    for (const char c : text) {
        if (c != '\n' && (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    const std::string defaults = formatSettings(Settings{}, "");
    Settings read;
    std::string unknown;
    std::string problem;
    std::string notes;
    if (parseSettings(bytes, read, unknown, problem, &notes) != SettingsRead::Read) {
        if (problem.empty() || !printableLines(problem + "\n") || !unknown.empty() ||
            formatSettings(read, "") != defaults) {
            std::abort();
        }
        return 0;
    }
    if (!printableLines(notes)) std::abort();

    // Written whole, as on the first save, it reads back the same and without a note.
    const std::string written = formatSettings(read, unknown);
    Settings again;
    std::string unknownAgain;
    std::string notesAgain;
    if (parseSettings(written, again, unknownAgain, problem, &notesAgain) != SettingsRead::Read ||
        formatSettings(again, unknownAgain) != written || !notesAgain.empty()) {
        std::abort();
    }

    // The sound switched and the window resized by this game, merged into the player's text.
    Settings changed = read;
    changed.soundOn = !read.soundOn;
    changed.windowWidth = read.windowWidth == 640 ? 800 : 640;
    changed.windowHeight = 480;
    const std::string merged = mergeSettings(bytes, formatSettings(read, ""), formatSettings(changed, ""));
    Settings mergedRead;
    std::string mergedUnknown;
    if (parseSettings(merged, mergedRead, mergedUnknown, problem) != SettingsRead::Read ||
        formatSettings(mergedRead, mergedUnknown) != formatSettings(changed, unknown)) {
        std::abort();
    }
    return 0;
}
