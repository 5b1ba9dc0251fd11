// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The settings file: its place, its "key = value" lines, and its atomic rewrite.
#include "shell/settings_file.h"

#include <cerrno>

#include "shell/atomic_file.h"
#include "shell/regular_file.h"
#include "shell/user_dirs.h"

StoredSettings playerSettings;

namespace {

constexpr const char* kFileName = "tessaron.conf";
// A settings file is a few lines; anything larger is not one.
constexpr std::size_t kLargestFile = 64 * 1024;

constexpr const char* kSound = "sound";
constexpr const char* kFullScreen = "fullscreen";
constexpr const char* kArrowKeys = "arrow_keys";
constexpr const char* kGamepad = "gamepad";
constexpr const char* kKeyCrossing = "key_crossing_ms";

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool readSwitch(std::string_view value, bool& out)
{
    if (value == "on" || value == "yes" || value == "true" || value == "1") {
        out = true;
        return true;
    }
    if (value == "off" || value == "no" || value == "false" || value == "0") {
        out = false;
        return true;
    }
    return false;
}

bool readMs(std::string_view value, int& out)
{
    if (value.empty() || value.size() > 6) return false;
    int number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    if (number < kShortestKeyCrossingMs || number > kLongestKeyCrossingMs) return false;
    out = number;
    return true;
}

// Applies one known key; false for a value it cannot take. `known` tells whether the key is one of ours.
bool applySetting(std::string_view key, std::string_view value, Settings& settings, bool& known)
{
    known = true;
    if (key == kSound) return readSwitch(value, settings.soundOn);
    if (key == kFullScreen) return readSwitch(value, settings.fullScreen);
    if (key == kArrowKeys) return readSwitch(value, settings.arrowKeys);
    if (key == kGamepad) return readSwitch(value, settings.gamepad);
    if (key == kKeyCrossing) return readMs(value, settings.keyCrossingMs);
    known = false;
    return true;
}

const char* onOff(bool on) { return on ? "on" : "off"; }

bool plainKey(std::string_view key)
{
    if (key.empty()) return false;
    for (const char c : key) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_' || c == '-' || c == '.')) return false;
    }
    return true;
}

}  // namespace

SettingsRead parseSettings(std::string_view text, Settings& settings, std::string& unknownLines, std::string& problem)
{
    Settings read;
    std::string unknown;
    int lineNumber = 0;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view raw = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lineNumber;
        const std::string_view line = trimmed(raw);
        if (line.empty() || line.front() == '#') continue;
        const std::size_t equals = line.find('=');
        const std::string_view key = equals == std::string_view::npos ? line : trimmed(line.substr(0, equals));
        const std::string_view value =
            equals == std::string_view::npos ? std::string_view{} : trimmed(line.substr(equals + 1));
        bool known = false;
        if (equals == std::string_view::npos || !plainKey(key) || line.find('\0') != std::string_view::npos ||
            !applySetting(key, value, read, known)) {
            settings = Settings{};
            unknownLines.clear();
            problem = "ligne " + std::to_string(lineNumber) + " illisible";
            return SettingsRead::Damaged;
        }
        if (!known) unknown.append(line).append("\n");
    }
    settings = read;
    unknownLines = unknown;
    return SettingsRead::Read;
}

std::string formatSettings(const Settings& settings, std::string_view unknownLines)
{
    std::string text = "# Réglages de Tessaron : « clé = valeur », on ou off.\n";
    text += std::string(kSound) + " = " + onOff(settings.soundOn) + "\n";
    text += std::string(kFullScreen) + " = " + onOff(settings.fullScreen) + "\n";
    text += std::string(kArrowKeys) + " = " + onOff(settings.arrowKeys) + "\n";
    text += std::string(kGamepad) + " = " + onOff(settings.gamepad) + "\n";
    text += std::string(kKeyCrossing) + " = " + std::to_string(settings.keyCrossingMs) + "\n";
    text.append(unknownLines);
    return text;
}

std::string settingsFilePath()
{
    const std::string directory = xdgUserDir("XDG_CONFIG_HOME", ".config");
    return directory.empty() ? "" : directory + "/" + kFileName;
}

StoredSettings readSettingsFile(const std::string& path, std::FILE* report)
{
    StoredSettings stored;
    stored.path = path;
    if (path.empty()) {
        std::fprintf(report, "Tessaron : réglages par défaut (aucun dossier personnel où les garder)\n");
        return stored;
    }
    std::string bytes;
    if (!readRegularFile(path, kLargestFile + 1, bytes)) {
        const int error = errno;
        stored.writable = error == ENOENT;
        std::fprintf(report, "Tessaron : réglages par défaut (%s : %s)\n", path.c_str(),
                     error == ENOENT   ? "pas encore de fichier de réglages"
                     : error == EINVAL ? "ce n'est pas un fichier ordinaire"
                     : error == EACCES ? "lecture refusée"
                                       : "lecture impossible");
        return stored;
    }
    std::string problem = "fichier trop grand";
    if (bytes.size() > kLargestFile ||
        parseSettings(bytes, stored.values, stored.unknownLines, problem) != SettingsRead::Read) {
        stored.values = Settings{};
        std::fprintf(report, "Tessaron : réglages par défaut (%s : %s ; le fichier est laissé tel quel)\n",
                     path.c_str(), problem.c_str());
        return stored;
    }
    stored.writable = true;
    return stored;
}

bool writeSettingsFile(const StoredSettings& stored, std::FILE* report)
{
    if (!stored.writable || stored.path.empty()) return false;
    const std::size_t slash = stored.path.rfind('/');
    std::string reason = "dossier impossible à créer";
    if (slash == std::string::npos || !makeUserDir(stored.path.substr(0, slash)) ||
        !writeFileAtomically(stored.path, formatSettings(stored.values, stored.unknownLines), reason)) {
        std::fprintf(report, "Tessaron : réglages non enregistrés (%s : %s)\n", stored.path.c_str(), reason.c_str());
        return false;
    }
    return true;
}
