// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The system's flock(2), alone in its file so that a test program can link its own in its place.
#include <sys/file.h>

#include "shell/file_lock.h"

int lockFileCall(int fd, int operation) { return flock(fd, operation); }
