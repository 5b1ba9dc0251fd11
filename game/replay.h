// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Replays: a game recorded as its inputs. While a game is recorded, every input the game window
// hands the game (a tick, a pointer move, a click, a key, a close, a question's answer, a dialog's
// text, the record read again) and every pointer reading of the game is appended, in order, to an
// event stream; every 100 ticks a check of the game state follows. Played back, the stream gives
// the same inputs and readings, so the game takes the same course.
#pragma once
#include <array>
#include <cstdint>
#include <string>

#include "game/level_set.h"
#include "game/platform.h"
#include "game/replay_check.h"
#include "game/replay_codec.h"

// The game window's inputs, as the stream names them.
enum class Handler : std::uint8_t { Timer, PointerMoved, LeftButton, Key, Close, Answer, Text, RecordRead };

// What a game needs besides its events to be played again: the values it started from.
struct ReplayStart {
    std::uint32_t randomState = 1;  // the generator's state as the first level was laid
    std::int32_t level = 1;         // the starting level
    std::int32_t livesLeft = 1;     // spare balls at the start
    std::int32_t soundEnabled = 1;
    // A game left during a level's intro or the final picture leaves its screen for the next
    // game, which opens on it (1: opens on that screen).
    std::int32_t levelIntroShown = 0;
    std::int32_t victoryShown = 0;
    std::int32_t bestScore = 0;  // the record read from the score file
    std::array<char, 64> bestScoreName{};
    Point pointer{};  // the game window's pointer as the game opened
    Point cursor{};   // game.cursorPos as the game opened (left by the menu)
    // The player's set the game was played on, carried whole so that the replay plays without
    // its file; no level for the built-in boards.
    LevelSet levelSet;
};

enum class ReplayMode : std::uint8_t { Off, Recording, Playing };

// The recorder or the player of the one game being replayed.
struct ReplaySession {
    ReplayMode mode = ReplayMode::Off;
    ReplayStart start;
    std::string stream;  // the encoded events
    long ticks = 0;      // timer calls that ran a tick so far
    // Recording.
    Record run = Record::End;  // the run being counted, End for none
    std::uint32_t runLength = 0;
    std::int64_t lastCallMs = -1;  // when the previous call or answer was recorded
    // Both ways: the bases of the differences.
    Point lastPointer{};
    StateCheck lastCheck{};
    // Playing.
    std::size_t readAt = 0;     // next byte of the stream
    std::uint32_t runLeft = 0;  // calls left in the run being played
    Record runKind = Record::End;
    bool checking = false;       // compare the state at every check
    bool keepsNoRecord = false;  // shown to a watcher: a record it sets is not saved anywhere
    bool stopped = false;        // the end was reached, the player stopped, or the game departed
    std::string failure;         // why the replay stopped early: a difference or a departure
};

extern ReplaySession replay;

// Hands the game one input: recorded first while recording; `atMs` is the caller's clock, used
// only for the waits between inputs. A pause, the applause or a slide under way is finished
// first; a tick under an open question is no tick, and no record. `argument` is the key's code,
// the answer (1 Yes) or the record's score; `text` the dialog's text or the record's holder.
void runHandler(Handler handler, int argument, std::int64_t atMs, const char* text = "");

// The pointer as the game reads it: asked of the platform and appended while recording (when it
// moved); taken from the stream while playing.
Point seamPointer();
