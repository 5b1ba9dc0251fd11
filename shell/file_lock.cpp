// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Bounded locks: tries that never block, a short nap between them, and a deadline.
#include "shell/file_lock.h"

#include <sys/file.h>

#include <cerrno>
#include <chrono>
#include <thread>

namespace {

// Between two tries: short enough that the windows keep painting smoothly.
constexpr int kTryEveryMs = 20;

}  // namespace

LockOutcome lockWithin(int fd, int waitMs, LockKeepAlive keepAlive)
{
    using Clock = std::chrono::steady_clock;
    const Clock::time_point deadline = Clock::now() + std::chrono::milliseconds(waitMs);
    for (;;) {
        if (lockFileCall(fd, LOCK_EX | LOCK_NB) == 0) return LockOutcome::Held;
        if (errno != EWOULDBLOCK && errno != EINTR) return LockOutcome::Refused;
        if (Clock::now() >= deadline || (keepAlive != nullptr && !keepAlive())) return LockOutcome::TimedOut;
        std::this_thread::sleep_for(std::chrono::milliseconds(kTryEveryMs));
    }
}
