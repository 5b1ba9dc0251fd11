// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The replay refusals' French texts, by reason.
#include "game/replay_reasons.h"

#include "game/formatted_text.h"
#include "game/text_ids.h"

const std::array<const char*, kReplayReasonCount> kReplayReasonTexts = {
    "",
    trId("les événements s'arrêtent avant leur fin"),
    trId("événement mal formé (octet %lld des événements)"),
    trId("plus de pas de jeu qu'aucune partie"),
    trId("une vérification d'état au pas %lld suit le pas %lld"),
    trId("une position du pointeur hors de tout écran"),
    trId("des octets suivent l'événement de fin"),
    trId("l'événement de fin ne suit pas la dernière vérification d'état"),
};

std::string replayRefusalText(const ReplayRefusal& refusal, const char* format)
{
    return formattedText(format, refusal.first, refusal.second);
}

std::string replayRefusalText(const ReplayRefusal& refusal)
{
    return replayRefusalText(refusal, kReplayReasonTexts[static_cast<std::size_t>(refusal.reason)]);
}
