// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's partial paints, checked against full repaints over games played by the
// autopilot: after every tick the window must show exactly what a full repaint shows, and
// everything outside the areas reported as changed must be as the last paint left it.
#include <SDL.h>
#include <gtest/gtest.h>

#include <cstring>

#include "game/bonuses.h"
#include "game/controls.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "screens/game_screen.h"
#include "screens/game_window_paint.h"
#include "screens/screen_state.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "tools/lab/autopilot.h"

namespace {

SDL_Surface* windowSized()
{
    SDL_Surface* surface = SDL_CreateRGBSurfaceWithFormat(0, 700, 550, 32, SDL_PIXELFORMAT_ARGB8888);
    SDL_SetSurfaceBlendMode(surface, SDL_BLENDMODE_NONE);
    return surface;
}

Uint32 pixelAt(const SDL_Surface* s, int x, int y) { return static_cast<const Uint32*>(s->pixels)[y * 700 + x]; }

struct PaintCheck {
    SDL_Surface* window = windowSized();     // painted by paintGameWindow only
    SDL_Surface* reference = windowSized();  // a full repaint of the same moment
    SDL_Surface* before = windowSized();     // the window before the paint
    // Paints in all, paints that changed under a tenth of the window, and paints of the
    // moments that must be covered: capsules, shots, the pause, the sticky paddle's aiming
    // guide, two balls.
    long paints = 0, partialPaints = 0, withCapsules = 0, withShots = 0, paused = 0, guided = 0, twoBalls = 0;
    long mismatches = 0;

    ~PaintCheck()
    {
        for (SDL_Surface* surface : {window, reference, before}) SDL_FreeSurface(surface);
    }

    // One paint of the window beside one full repaint; the pause text moves once.
    void paint()
    {
        SDL_BlitSurface(window, nullptr, before, nullptr);
        const std::int32_t x = screenState.pauseTextX, y = screenState.pauseTextY, dx = screenState.pauseTextDx,
                           dy = screenState.pauseTextDy;
        ChangedAreas changed;
        paintGameWindow(window, changed);
        const std::int32_t x2 = screenState.pauseTextX, y2 = screenState.pauseTextY, dx2 = screenState.pauseTextDx,
                           dy2 = screenState.pauseTextDy;
        screenState.pauseTextX = x, screenState.pauseTextY = y, screenState.pauseTextDx = dx,
        screenState.pauseTextDy = dy;
        drawGameScreen(reference);
        screenState.pauseTextX = x2, screenState.pauseTextY = y2, screenState.pauseTextDx = dx2,
        screenState.pauseTextDy = dy2;

        long changedPixels = 0;
        for (int i = 0; i < changed.count; ++i) changedPixels += changed.rects[i].w * changed.rects[i].h;
        paints += 1;
        partialPaints += changedPixels * 10 < 700 * 550 ? 1 : 0;
        paused += game.paused ? 1 : 0;
        guided += game.bonusSticky && game.balls[0].held == 1 ? 1 : 0;
        twoBalls += game.ballCount == 2 ? 1 : 0;
        for (const FallingBonus& capsule : game.bonusTable) withCapsules += capsule.kind != 0 ? 1 : 0;
        for (const Shot& shot : game.shotTable) withShots += shot.active != 0 ? 1 : 0;

        for (int py = 0; py < 550 && mismatches < 5; ++py) {
            const auto row = [py](const SDL_Surface* s) { return static_cast<const Uint32*>(s->pixels) + py * 700; };
            const bool same = std::memcmp(row(window), row(reference), 2800) == 0;
            if (same && std::memcmp(row(window), row(before), 2800) == 0) continue;
            for (int px = 0; px < 700; ++px) {
                const SDL_Point point{px, py};
                const Uint32 shown = pixelAt(window, px, py);
                const bool wrong = shown != pixelAt(reference, px, py);
                bool unreported = shown != pixelAt(before, px, py);
                for (int i = 0; unreported && i < changed.count; ++i)
                    unreported = !SDL_PointInRect(&point, &changed.rects[i]);
                if (!wrong && !unreported) continue;
                ADD_FAILURE() << "paint " << paints << " level " << game.currentLevel << ": pixel (" << px << ", " << py
                              << ") " << (wrong ? "differs from a full repaint" : "changed unreported");
                mismatches += 1;
                break;
            }
        }
    }
};

TEST(GameWindowPaint, EveryTickOfAutopilotGamesEqualsAFullRepaint)
{
    findExeDir();
    loadAssets();
    PaintCheck run;
    // Levels with capsules of every habit; a greedy player catches the armed paddle and fires.
    for (const int level : {1, 3, 6}) {
        Autopilot pilot = startAutopilotGame(level, 3, 7u + static_cast<std::uint32_t>(level), CapsuleHabit::Greedy);
        forgetGameWindowPaint();
        run.paint();
        while (pilot.ticks < 1500 && playState() == PlayState::Playing && run.mismatches == 0) {
            autopilotTurn(pilot);
            // Effects the autopilot seldom catches by itself: the sticky paddle, a second ball.
            if (pilot.ticks == 200) applyBonus(10);
            if (pilot.ticks == 900) applyBonus(12);
            // A watched replay's card comes, then says at once that the replay departed.
            screenState.watchingReplay = pilot.ticks >= 100;
            if (pilot.ticks >= 150 && !replay.stopped)
                replay.stopped = true, replay.failure = "departed", replay.ticks = 150;
            run.paint();
            if (pilot.ticks % 700 == 350) {
                // A pause: the bouncing text moves at every paint, then play goes on.
                gameKeyDown('P');
                for (int i = 0; i < 30; ++i) gameTimerElapsed(), run.paint();
                gameKeyDown('P');
            }
        }
        // The next screen (level intro, end screen) is painted whole.
        run.paint();
        screenState.watchingReplay = false;
        replay = ReplaySession{};
    }
    EXPECT_EQ(run.mismatches, 0);
    EXPECT_TRUE(run.withCapsules > 0 && run.withShots > 0 && run.paused > 0 && run.guided > 0 && run.twoBalls > 0)
        << run.withCapsules << " capsules, " << run.withShots << " shots, " << run.paused << " paused, " << run.guided
        << " guided, " << run.twoBalls << " with two balls";
    // Nearly every paint is a partial one: the game does not fall back to whole repaints.
    EXPECT_GT(run.partialPaints * 10, run.paints * 9);
}

}  // namespace
