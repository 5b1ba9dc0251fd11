// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The settings file: its place, its "key = value" lines, and its atomic rewrite.
#include "shell/settings_file.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <iterator>
#include <utility>
#include <vector>

#include <SDL_keyboard.h>

#include "screens/menu_screen.h"
#include "screens/translation.h"
#include "shell/atomic_file.h"
#include "shell/language.h"
#include "shell/printable_path.h"
#include "shell/regular_file.h"
#include "shell/user_dirs.h"

namespace {

constexpr const char* kFileName = "tessaron.conf";
// A settings file is a few lines; anything larger is not one.
constexpr std::size_t kLargestFile = 64 * 1024;

constexpr const char* kSound = "sound";
constexpr const char* kFullScreen = "fullscreen";
constexpr const char* kArrowKeys = "arrow_keys";
constexpr const char* kGamepad = "gamepad";
constexpr const char* kKeyCrossing = "key_crossing_ms";
constexpr const char* kPointerInPlay = "pointer_in_play";
constexpr const char* kWindowSize = "window_size";

// The play keys' names in the file, in the order they are written.
struct KeyEntry {
    const char* name;
    SDL_Keycode PlayKeys::*key;
};
constexpr KeyEntry kKeyEntries[] = {
    {"key_left", &PlayKeys::left},
    {"key_right", &PlayKeys::right},
    {"key_launch", &PlayKeys::launch},
    {"key_launch_alt", &PlayKeys::launchAlt},
    {"key_give_up", &PlayKeys::giveUp},
    {"key_quit", &PlayKeys::quit},
    {"key_fullscreen", &PlayKeys::fullScreen},
};
// The largest game window a settings file may ask for, in screen pixels (four 8K screens wide).
constexpr int kLargestWindowSide = 32768;
constexpr const char* kLanguage = "language";

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

bool readNumber(std::string_view value, int low, int high, int& out)
{
    if (value.empty() || value.size() > 6) return false;
    int number = 0;
    for (const char c : value) {
        if (c < '0' || c > '9') return false;
        number = number * 10 + (c - '0');
    }
    if (number < low || number > high) return false;
    out = number;
    return true;
}

// "WIDTHxHEIGHT", or empty for none remembered.
bool readWindowSize(std::string_view value, int& width, int& height)
{
    if (value.empty()) {
        width = height = 0;
        return true;
    }
    const std::size_t x = value.find('x');
    int w = 0;
    int h = 0;
    if (x == std::string_view::npos || !readNumber(value.substr(0, x), 1, kLargestWindowSide, w) ||
        !readNumber(value.substr(x + 1), 1, kLargestWindowSide, h)) {
        return false;
    }
    width = w;
    height = h;
    return true;
}

bool readPointerInPlay(std::string_view value, bool& shown)
{
    if (value != "shown" && value != "hidden") return false;
    shown = value == "shown";
    return true;
}

// The key `value` names, when SDL names that key back by a name that reads as the same key and
// holds no control character: a control character, an overlong or broken UTF-8 sequence names
// no key of a keyboard, and its name would garble the file and the terminal.
SDL_Keycode keyOfName(std::string_view value)
{
    const SDL_Keycode named = SDL_GetKeyFromName(std::string(value).c_str());
    const std::string name = named == SDLK_UNKNOWN ? "" : SDL_GetKeyName(named);
    if (name.empty() || SDL_GetKeyFromName(name.c_str()) != named) return SDLK_UNKNOWN;
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto byte = static_cast<unsigned char>(name[i]);
        const bool c1 = byte == 0xc2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xa0;
        if (byte < 0x20 || byte == 0x7f || c1) return SDLK_UNKNOWN;
    }
    return named;
}

// A play key's value: its SDL name. A name that is no key leaves the default and is noted.
void readKey(std::string_view name, std::string_view value, int lineNumber, SDL_Keycode& key, std::string& notes)
{
    const SDL_Keycode named = keyOfName(value);
    if (named != SDLK_UNKNOWN) {
        key = named;
        return;
    }
    notes += tr("ligne ") + std::to_string(lineNumber) + tr(" : « ") + printablePath(value) +
             tr(" » n'est pas une touche (") + std::string(name) + tr(") ; ") + SDL_GetKeyName(key) +
             tr(" est gardée\n");
}

// Applies one known key; false for a value it cannot take. `known` tells whether the key is one of ours.
bool applySetting(std::string_view key, std::string_view value, Settings& settings, bool& known)
{
    known = true;
    if (key == kPointerInPlay) return readPointerInPlay(value, settings.pointerInPlay);
    if (key == kWindowSize) return readWindowSize(value, settings.windowWidth, settings.windowHeight);
    if (key == kSound) return readSwitch(value, settings.soundOn);
    if (key == kFullScreen) return readSwitch(value, settings.fullScreen);
    if (key == kArrowKeys) return readSwitch(value, settings.arrowKeys);
    if (key == kGamepad) return readSwitch(value, settings.gamepad);
    if (key == kKeyCrossing)
        return readNumber(value, kShortestKeyCrossingMs, kLongestKeyCrossingMs, settings.keyCrossingMs);
    if (key == kLanguage) {
        if (!validLanguageSetting(value)) return false;
        settings.language = std::string(value);
        return true;
    }
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

// The key of a "key = value" line, "" for any other line (blank, comment, damaged).
std::string_view lineKey(std::string_view line)
{
    line = trimmed(line);
    const std::size_t equals = line.find('=');
    if (line.empty() || line.front() == '#' || equals == std::string_view::npos) return {};
    return trimmed(line.substr(0, equals));
}

// Calls `visit` with each line of `text`, without its line end.
template <typename Visit>
void forEachLine(std::string_view text, Visit visit)
{
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        visit(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    }
}

// The line of `text` that sets `key`, trimmed, the last one as the reader takes it; "" when none does.
std::string_view lineOf(std::string_view text, std::string_view key)
{
    std::string_view found;
    forEachLine(text, [&](std::string_view line) {
        if (!key.empty() && lineKey(line) == key) found = trimmed(line);
    });
    return found;
}

// The file a link at `path` leads to, links followed one by one (at most 16): the file itself
// for anything but a link. A relative link counts from its own directory.
std::string linkTarget(std::string path)
{
    for (int hop = 0; hop < 16; ++hop) {
        struct stat status {};
        if (lstat(path.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) return path;
        std::array<char, 4096> target{};
        const ssize_t length = readlink(path.c_str(), target.data(), target.size() - 1);
        if (length <= 0) return path;
        const std::string next(target.data(), static_cast<std::size_t>(length));
        const std::size_t slash = path.rfind('/');
        path = next.front() == '/' || slash == std::string::npos ? next : path.substr(0, slash + 1) + next;
    }
    return path;
}

}  // namespace

SettingsRead parseSettings(std::string_view text, Settings& settings, std::string& unknownLines, std::string& problem,
                           std::string* notes)
{
    Settings read;
    std::string unknown;
    std::string keyNotes;
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
        const auto entry = std::find_if(std::begin(kKeyEntries), std::end(kKeyEntries),
                                        [&](const KeyEntry& e) { return key == e.name; });
        const bool damaged = equals == std::string_view::npos || line.find('\0') != std::string_view::npos;
        if (!damaged && entry != std::end(kKeyEntries)) {
            readKey(key, value, lineNumber, read.keys.*(entry->key), keyNotes);
            continue;
        }
        bool known = false;
        if (damaged || !plainKey(key) || !applySetting(key, value, read, known)) {
            settings = Settings{};
            unknownLines.clear();
            problem = tr("ligne ") + std::to_string(lineNumber) + tr(" illisible");
            return SettingsRead::Damaged;
        }
        if (!known) unknown.append(line).append("\n");
    }
    settings = read;
    unknownLines = unknown;
    if (notes != nullptr) *notes = keyNotes;
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
    for (const KeyEntry& entry : kKeyEntries) {
        text += std::string(entry.name) + " = " + SDL_GetKeyName(settings.keys.*(entry.key)) + "\n";
    }
    text += std::string(kPointerInPlay) + " = " + (settings.pointerInPlay ? "shown" : "hidden") + "\n";
    if (settings.windowWidth > 0 && settings.windowHeight > 0) {
        text += std::string(kWindowSize) + " = " + std::to_string(settings.windowWidth) + "x" +
                std::to_string(settings.windowHeight) + "\n";
    }
    text += std::string(kLanguage) + " = " + settings.language + "\n";
    text.append(unknownLines);
    return text;
}

std::string mergeSettings(std::string_view file, std::string_view base, std::string_view ours)
{
    // Every line of ours that differs from the base: its key is one this game changed.
    std::vector<std::pair<std::string_view, std::string_view>> changed;  // key, our line
    forEachLine(ours, [&](std::string_view line) {
        const std::string_view key = lineKey(line);
        if (!key.empty() && lineOf(base, key) != trimmed(line)) changed.emplace_back(key, trimmed(line));
    });
    const auto ourLine = [&](std::string_view key) {
        for (const auto& [changedKey, line] : changed)
            if (changedKey == key) return line;
        return std::string_view{};
    };
    std::string merged;
    std::string_view rest = file;
    while (!rest.empty()) {
        const std::size_t end = rest.find('\n');
        const std::string_view line = rest.substr(0, end);
        const std::string_view replacement = ourLine(lineKey(line));
        merged.append(replacement.empty() ? line : replacement);
        if (end == std::string_view::npos) break;
        merged += '\n';
        rest = rest.substr(end + 1);
    }
    for (const auto& [key, line] : changed) {
        if (!lineOf(file, key).empty()) continue;
        if (!merged.empty() && merged.back() != '\n') merged += '\n';
        merged.append(line).append("\n");
    }
    return merged;
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
    stored.base = formatSettings(stored.values, "");
    if (path.empty()) {
        std::fputs(tr("Tessaron : réglages par défaut (aucun dossier personnel où les garder)\n"), report);
        return stored;
    }
    std::string bytes;
    if (!readRegularFile(path, kLargestFile + 1, bytes)) {
        const int error = errno;
        stored.writable = error == ENOENT;
        if (error != ENOENT) {
            std::fprintf(report, tr("Tessaron : réglages par défaut (%s : %s)\n"), printablePath(path).c_str(),
                         error == EINVAL   ? tr("ce n'est pas un fichier ordinaire")
                         : error == EACCES ? tr("lecture refusée")
                                           : tr("lecture impossible"));
        }
        return stored;
    }
    std::string problem = tr("fichier trop grand");
    std::string notes;
    if (bytes.size() > kLargestFile ||
        parseSettings(bytes, stored.values, stored.unknownLines, problem, &notes) != SettingsRead::Read) {
        stored.values = Settings{};
        std::fprintf(report, tr("Tessaron : réglages par défaut (%s : %s ; le fichier est laissé tel quel)\n"),
                     printablePath(path).c_str(), problem.c_str());
        return stored;
    }
    stored.writable = true;
    stored.base = formatSettings(stored.values, "");
    // One line for each key name that names no key.
    for (std::size_t start = 0; start < notes.size();) {
        const std::size_t end = notes.find('\n', start);
        std::fprintf(report, tr("Tessaron : %s : %s\n"), printablePath(path).c_str(),
                     notes.substr(start, end - start).c_str());
        start = end + 1;
    }
    return stored;
}

bool writeSettingsFile(StoredSettings& stored, std::FILE* report)
{
    if (!stored.writable || stored.path.empty()) return false;
    const std::string target = linkTarget(stored.path);
    const std::size_t slash = target.rfind('/');
    const std::string ours = formatSettings(stored.values, "");
    std::string bytes;
    std::string text;
    stored.failure.clear();
    if (readRegularFile(target, kLargestFile + 1, bytes)) {
        Settings onDisk;
        std::string unknown;
        std::string problem = tr("fichier trop grand");
        if (bytes.size() <= kLargestFile && parseSettings(bytes, onDisk, unknown, problem) == SettingsRead::Read) {
            text = mergeSettings(bytes, stored.base, ours);
        } else {
            stored.failure = problem + tr(", laissé tel quel");
        }
    } else if (errno == ENOENT) {
        // Written whole; the directory is made when it is the game's own, never a link's.
        if (target == stored.path && slash != std::string::npos && !makeUserDir(target.substr(0, slash)))
            stored.failure = tr("dossier impossible à créer");
        text = formatSettings(stored.values, stored.unknownLines);
    } else {
        stored.failure = errno == EINVAL ? tr("ce n'est pas un fichier ordinaire") : tr("lecture impossible");
    }
    if (stored.failure.empty() && !writeFileAtomically(target, text, stored.failure) && stored.failure.empty())
        stored.failure = tr("erreur d'écriture");
    if (!stored.failure.empty()) {
        std::fprintf(report, tr("Tessaron : réglages non enregistrés (%s : %s)\n"), printablePath(stored.path).c_str(),
                     stored.failure.c_str());
        if (!stored.failureShown) showMenuNotice(tr("Réglages non enregistrés :"), stored.failure.c_str());
        stored.failureShown = true;
        return false;
    }
    stored.base = ours;
    return true;
}
