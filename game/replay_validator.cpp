// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay validator: a whole event stream checked before any of it is played.
#include "game/replay_validator.h"

#include <cstdint>

#include "game/replay_codec.h"

namespace {

constexpr std::int64_t kLongestGameTicks = 100000000;  // eleven days at the fastest pace

}  // namespace

bool validateStream(const std::string& stream, std::string& reason)
{
    std::size_t at = 0;
    StateCheck base{};
    std::int64_t ticks = 0;
    std::int64_t x = 0;
    std::int64_t y = 0;
    bool checkedLast = false;  // the previous record checks the state at the current tick
    ReplayEvent event;
    while (decodeRecord(stream, at, base, event, reason)) {
        switch (event.kind) {
        case Record::Ticks:
            ticks += event.value;
            if (ticks > kLongestGameTicks) {
                reason = "plus de pas de jeu qu'aucune partie";
                return false;
            }
            break;
        case Record::Check:
            if (event.value != ticks) {
                reason = "une vérification d'état au pas " + std::to_string(event.value) + " suit le pas " +
                         std::to_string(ticks);
                return false;
            }
            base = event.check;
            break;
        case Record::Pointer:
            x += event.point.x;
            y += event.point.y;
            if (x < -kFarthestPointer || x > kFarthestPointer || y < -kFarthestPointer || y > kFarthestPointer) {
                reason = "une position du pointeur hors de tout écran";
                return false;
            }
            break;
        case Record::End:
            if (at != stream.size()) {
                reason = "des octets suivent l'événement de fin";
                return false;
            }
            if (!checkedLast) reason = "l'événement de fin ne suit pas la dernière vérification d'état";
            return checkedLast;
        default: break;
        }
        checkedLast = event.kind == Record::Check && event.value == ticks;
    }
    return false;
}
