// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The rating of a run's final score, shown on the end screen.
#include "screens/run_rating.h"

#include "screens/translation.h"

namespace {

struct Rating {
    int highestScore;
    const char* sentence;
};

constexpr Rating kRatings[] = {
    {10000, drawnTextId("Essai de jouer avec la souris...")},
    {30000, drawnTextId("Tu as trouv\xe9 comment bouger la raquette mais c'est tout...")},
    {100000, drawnTextId("Voila, continu de t'entrainer et tu peut y arriver .")},
    {200000, drawnTextId("Tout \xe0 fait respectable...")},
    {300000, drawnTextId("Essai de te concentrer pour \xeatre plus vif!!")},
    {400000, drawnTextId("Je vois que tu maitrise ta balle, Bravo!")},
    {500000, drawnTextId("Essai de prendre un maximum de bonus pour booster ton score!")},
};
constexpr const char* kBestRating = drawnTextId("Le casse brique n'as plus de secrets pour toi!!...");

}  // namespace

const char* ratingFor(int score)
{
    for (const Rating& rating : kRatings) {
        if (score <= rating.highestScore) return rating.sentence;
    }
    return kBestRating;
}
