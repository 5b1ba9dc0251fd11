// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The player's language from the locale and the settings file.
#include "shell/language.h"

#include <sys/stat.h>
#include <libintl.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <cstring>

#include "screens/translation.h"
#include "shell/regular_file.h"
#include "shell/settings_file.h"

#ifndef TESSARON_LOCALE_FROM_BINDIR
// The install's catalogues seen from its binary directory (/usr/games to /usr/share/locale).
#define TESSARON_LOCALE_FROM_BINDIR "../share/locale"
#endif

namespace {

bool isDirectory(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 && S_ISDIR(status.st_mode);
}

bool lowerLetters(std::string_view text)
{
    if (text.size() < 2 || text.size() > 3) return false;
    for (const char c : text) {
        if (c < 'a' || c > 'z') return false;
    }
    return true;
}

bool plainLocale(const char* name) { return std::strcmp(name, "C") == 0 || std::strcmp(name, "POSIX") == 0; }

// The locale the environment asks for messages, as setlocale reads it: LC_ALL, LC_MESSAGES, LANG.
const char* wantedMessagesLocale()
{
    for (const char* variable : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value != nullptr && value[0] != '\0') return value;
    }
    return "";
}

}  // namespace

bool validLanguageSetting(std::string_view value)
{
    if (value == "auto") return true;
    const std::size_t underscore = value.find('_');
    if (underscore == std::string_view::npos) return lowerLetters(value);
    const std::string_view region = value.substr(underscore + 1);
    return lowerLetters(value.substr(0, underscore)) && region.size() == 2 && region[0] >= 'A' && region[0] <= 'Z' &&
           region[1] >= 'A' && region[1] <= 'Z';
}

std::string chooseLocaleDir(const std::string& executableDir)
{
    const std::string beside = executableDir + "/locale";
    if (isDirectory(beside)) return beside;
    return executableDir + "/" + TESSARON_LOCALE_FROM_BINDIR;
}

void startLanguage(const std::string& localeDir, std::string_view setting)
{
    // Character types stay "C": under a UTF-8 one SDL would label the windows for X in UTF-8
    // only, which tools reading their plain title no longer match. The catalogue is read in
    // UTF-8 whatever they are, and system errors bring their own (systemErrorText).
    if (std::setlocale(LC_MESSAGES, "") == nullptr) {
        // A locale the system has not generated still names the player's language: the
        // catalogue is found through LANGUAGE under the C locale's UTF-8 variant.
        const char* wanted = wantedMessagesLocale();
        if (wanted[0] != '\0' && !plainLocale(wanted) && std::getenv("LANGUAGE") == nullptr) {
            setenv("LANGUAGE", wanted, 1);
            std::setlocale(LC_MESSAGES, "C.UTF-8");
        }
    }
    // French is the game's own language: a list that names it stops there rather than
    // falling through to a later language that has a catalogue.
    if (const char* list = std::getenv("LANGUAGE"); list != nullptr) {
        const std::string languages = list;
        for (std::size_t start = 0; start < languages.size();) {
            const std::size_t end = std::min(languages.find(':', start), languages.size());
            if (languages.compare(start, 2, "fr") == 0 && (end - start == 2 || languages[start + 2] == '_')) {
                setenv("LANGUAGE", languages.substr(0, end).c_str(), 1);
                break;
            }
            start = end + 1;
        }
    }
    if (setting != "auto" && validLanguageSetting(setting)) {
        setenv("LANGUAGE", std::string(setting).c_str(), 1);
        // gettext reads LANGUAGE only outside the C locale.
        if (plainLocale(std::setlocale(LC_MESSAGES, nullptr))) std::setlocale(LC_MESSAGES, "C.UTF-8");
    }
    bindtextdomain(kTextDomain, localeDir.c_str());
    bind_textdomain_codeset(kTextDomain, "UTF-8");
}

std::string languageSetting(const std::string& path)
{
    std::string bytes;
    Settings settings;
    std::string unknown;
    std::string problem;
    if (path.empty() || !readRegularFile(path, 64 * 1024, bytes) ||
        parseSettings(bytes, settings, unknown, problem) != SettingsRead::Read) {
        return "auto";
    }
    return settings.language;
}
