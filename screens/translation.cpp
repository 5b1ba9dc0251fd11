// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Texts in the player's language through gettext; the one place where drawn texts cross
// between the code's Windows-1252 and the catalogue's UTF-8.
#include "screens/translation.h"

#include <libintl.h>
#include <locale.h>

#include <cstring>

#include "screens/windows1252.h"

namespace {

// The next printf conversion of `text` from `at`: its flags, width, precision, length and
// letter; "" when there is none left. `at` moves past it.
std::string nextConversion(const char*& at)
{
    while (*at != '\0') {
        if (*at++ != '%') continue;
        if (*at == '%') {
            ++at;
            continue;
        }
        const char* start = at;
        while (*at != '\0' && std::strchr("diouxXeEfFgGaAcspn", *at) == nullptr) ++at;
        if (*at != '\0') ++at;
        return std::string(start, at);
    }
    return "";
}

}  // namespace

bool sameConversions(const char* original, const char* translated)
{
    for (;;) {
        const std::string wanted = nextConversion(original);
        if (wanted != nextConversion(translated)) return false;
        if (wanted.empty()) return true;
    }
}

std::string drawnText(const char* french)
{
    const std::string id = utf8FromWindows1252(french);
    const char* found = dgettext(kTextDomain, id.c_str());
    std::string shown;
    if (found == id.c_str() || !sameConversions(id.c_str(), found) || !windows1252FromUtf8(found, shown)) return french;
    return shown;
}

std::string replayRefusalLine(const ReplayRefusal& refusal)
{
    // The empty id would give the catalogue's header.
    if (refusal.reason == ReplayReason::None) return "";
    return replayRefusalText(refusal, tr(kReplayReasonTexts[static_cast<std::size_t>(refusal.reason)]));
}

std::string levelSetRefusalLine(const LevelSetRefusal& refusal)
{
    if (refusal.fault == LevelSetFault::None) return "";
    return levelSetRefusalText(refusal, tr(kLevelSetRefusalLineText),
                               tr(kLevelSetFaultTexts[static_cast<std::size_t>(refusal.fault)]));
}

std::string catalogueLanguage()
{
    // The empty id gives the catalogue's header, one "Field: value" a line.
    const char* header = dgettext(kTextDomain, "");
    const char* field = header[0] == '\0' ? nullptr : std::strstr(header, "Language: ");
    if (field == nullptr) return "";
    field += std::strlen("Language: ");
    const std::string language(field, std::strcspn(field, "\n"));
    // A name that could leave the pictures' directory is no language.
    if (language.find_first_of("/.") != std::string::npos) return "";
    return language;
}

std::string systemErrorText(int error)
{
    // The program's own character types stay "C": the locale's are taken for this text alone.
    const locale_t locale = newlocale(LC_MESSAGES_MASK | LC_CTYPE_MASK, "", static_cast<locale_t>(nullptr));
    if (locale == static_cast<locale_t>(nullptr)) return std::strerror(error);
    std::string text = strerror_l(error, locale);
    freelocale(locale);
    return text;
}

const char* tr(const char* french)
{
    const char* found = dgettext(kTextDomain, french);
    return sameConversions(french, found) ? found : french;
}
