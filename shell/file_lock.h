// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The locks that the player's games take on shared files and folders: taken with a bound, so
// that a stuck holder (another game, a backup tool) never freezes the game, and given up
// without a fuss where the file system refuses locks.
#pragma once

// Called between two tries while a lock is awaited: keeps the windows painted and notes a quit
// request. False stops the wait at once (the player or the system asked to quit). May be null.
using LockKeepAlive = bool (*)();

// The platform's keep-alive while the game waits for something outside it (another game holding
// the record's lock): the windows are repainted as they ask and a quit request is noted, nothing
// else is handled. False once the player or the system asked to quit: the wait then stops.
bool keepWindowsAlive();

// How long a lock is awaited before the game goes on without it, milliseconds.
constexpr int kLockWaitMs = 3000;

// The one call of the game to the system's flock(2), with its result and errno. The tests link
// their own in its place to play a file system that refuses locks (ENOLCK).
int lockFileCall(int fd, int operation);

enum class LockOutcome {
    Held,      // the exclusive lock is held until `fd` is closed
    TimedOut,  // someone else held it for the whole wait, or the wait was stopped
    Refused,   // the file system takes no locks here (ENOLCK and the like)
};

// Takes the exclusive lock of `fd` with tries that never block, for at most `waitMs`,
// calling `keepAlive` between them.
LockOutcome lockWithin(int fd, int waitMs, LockKeepAlive keepAlive);
