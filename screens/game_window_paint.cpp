// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The game window's paint, redrawn where the play screen changed.
#include "screens/game_window_paint.h"

#include <SDL_surface.h>

#include <cstring>

#include "game/capsule_kinds.h"
#include "game/game_state.h"
#include "game/replay.h"
#include "screens/drawing_surface.h"
#include "screens/game_screen.h"
#include "screens/screen_state.h"

namespace {

// FNV-1a, to sum up a text or a few numbers in one word.
std::uint64_t mixed(std::uint64_t hash, const void* bytes, std::size_t size)
{
    const auto* p = static_cast<const unsigned char*>(bytes);
    for (std::size_t i = 0; i < size; ++i) hash = (hash ^ p[i]) * 1099511628211ull;
    return hash;
}

template <typename... Values>
std::uint64_t lookOf(Values... values)
{
    std::uint64_t hash = 14695981039346656037ull;
    ((hash = mixed(hash, &values, sizeof values)), ...);
    return hash;
}

constexpr SDL_Rect kNothing{0, 0, 0, 0};

// How every part of the play screen stands now.
void takeParts(PlayScreenParts& parts)
{
    std::size_t i = 0;
    auto put = [&](SDL_Rect box, std::uint64_t look) { parts[i++] = PartLook{box, look}; };
    for (const Brick& brick : game.brickTable) {
        put(brick.kind != 0 ? SDL_Rect{brick.x, brick.y, kBrickWidth, kBrickHeight} : kNothing, lookOf(brick.kind));
    }
    put(paddleBox(), lookOf(game.paddleWidth, game.bonusRandomBounce, game.bonusArmed, game.bonusSticky));
    for (const FallingBonus& capsule : game.bonusTable) {
        put(capsule.kind != 0 ? SDL_Rect{capsule.x, capsule.y, kCapsuleWidth, kCapsuleHeight} : kNothing,
            lookOf(capsule.kind));
    }
    for (const Shot& shot : game.shotTable) {
        // The shot's rectangle: columns x - 1 and x, eight rows from y.
        put(shot.active != 0 ? SDL_Rect{shot.x - 1, shot.y, 2, 8} : kNothing, lookOf(shot.active));
    }
    for (int b = 0; b < 2; ++b) {
        const Ball& ball = game.balls[static_cast<std::size_t>(b)];
        const bool drawn = b < game.ballCount;
        put(drawn ? ballBox(ball) : kNothing, lookOf(drawn, ball.icon));
        const bool guided = drawn && game.bonusSticky && ball.held == 1;
        put(guided ? aimingGuideBox(ball) : kNothing,
            guided ? lookOf(ball.x, ball.y, ball.vx, ball.vy, game.ballSpeed) : 0);
    }
    for (int line = 0; line < kPanelLines; ++line) {
        const int count = composeSidePanelLine(line);
        put(sidePanelLineBox(line), mixed(lookOf(count), pathBuffer.data(), std::strlen(pathBuffer.data())));
    }
    put(livesBox(), lookOf(game.livesLeft));
    bool anyEffect = false;
    std::uint64_t effects = 0;
    for (const CapsuleKindRow& row : kCapsuleKindRows) {
        if (row.lasting == nullptr) continue;
        const bool flag = game.*row.lasting;
        anyEffect = anyEffect || flag;
        effects = effects * 2 + (flag ? 1 : 0);
    }
    put(anyEffect ? effectMarksBox() : kNothing, effects);
    put(game.bonusArmed ? shotsLeftBox() : kNothing, lookOf(game.shotsLeft));
    put(game.paused ? pauseTextBox() : kNothing, 0);
    const bool departed = replayDeparted();
    put(screenState.watchingReplay ? kReplayHelpCard : kNothing, lookOf(departed, departed ? replay.ticks : 0L));
}

bool sameBox(const SDL_Rect& a, const SDL_Rect& b) { return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h; }

// Adds an area to redraw, cut to the window; areas that touch or nearly do become one, so
// that a ball's old and new places are one area. When there are too many, they become the
// one box around them all.
void addArea(ChangedAreas& changed, SDL_Rect area, const SDL_Rect& window)
{
    constexpr int kNear = 4;
    if (SDL_IntersectRect(&area, &window, &area) != SDL_TRUE) return;
    for (int i = 0; i < changed.count;) {
        const SDL_Rect& other = changed.rects[static_cast<std::size_t>(i)];
        const SDL_Rect grown{other.x - kNear, other.y - kNear, other.w + 2 * kNear, other.h + 2 * kNear};
        if (SDL_HasIntersection(&grown, &area) == SDL_TRUE) {
            SDL_UnionRect(&area, &other, &area);
            changed.rects[static_cast<std::size_t>(i)] = changed.rects[static_cast<std::size_t>(changed.count - 1)];
            changed.count -= 1;
            i = 0;  // the grown area may now reach one already passed
        } else {
            i += 1;
        }
    }
    if (changed.count == kMaxChangedAreas) {
        for (int i = 0; i < changed.count; ++i)
            SDL_UnionRect(&area, &changed.rects[static_cast<std::size_t>(i)], &area);
        changed.count = 0;
    }
    changed.rects[static_cast<std::size_t>(changed.count++)] = area;
}

void changedWhole(const SDL_Surface* target, ChangedAreas& changed)
{
    changed.count = 1;
    changed.rects[0] = SDL_Rect{0, 0, target->w, target->h};
}

}  // namespace

void paintGameWindow(SDL_Surface* target, ChangedAreas& changed)
{
    changed.count = 0;
    if (target == nullptr) return;
    if (game.mode == GameMode::Slide) {
        drawSlideFrame(target);
        changedWhole(target, changed);
        screenState.shownPaint.target = nullptr;  // the window no longer shows a paint of the play screen
        return;
    }
    const bool playAtRest = game.mode == GameMode::Playing || game.mode == GameMode::Question ||
                            game.mode == GameMode::LostBallPause || game.mode == GameMode::Applause;
    if (!playAtRest || !screenState.shownPaint.playScreen || screenState.shownPaint.target != target) {
        drawGameScreen(target);
        changedWhole(target, changed);
        screenState.shownPaint.target = target;
        screenState.shownPaint.playScreen = playAtRest;
        if (playAtRest) takeParts(screenState.shownPaint.parts);
        return;
    }

    if (game.paused) movePauseText();
    PlayScreenParts now;
    takeParts(now);
    const SDL_Rect window{0, 0, target->w, target->h};
    for (std::size_t i = 0; i < now.size(); ++i) {
        const PartLook& before = screenState.shownPaint.parts[i];
        if (sameBox(before.box, now[i].box) && before.look == now[i].look) continue;
        if (before.box.w > 0) addArea(changed, before.box, window);
        if (now[i].box.w > 0) addArea(changed, now[i].box, window);
    }
    screenState.shownPaint.parts = now;

    // Each area is drawn as a fresh frame would be there: black, then every layer in order.
    for (int i = 0; i < changed.count; ++i) {
        const SDL_Rect& area = changed.rects[static_cast<std::size_t>(i)];
        SDL_SetClipRect(target, &area);
        fillRectangle(target, area.x, area.y, area.x + area.w, area.y + area.h, kBlack);
        drawPlayLayers(target);
    }
    SDL_SetClipRect(target, nullptr);
}

void forgetGameWindowPaint()
{
    screenState.shownPaint.target = nullptr;
    screenState.shownPaint.playScreen = false;
}
