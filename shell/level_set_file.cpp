// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A set of levels read from its file, safely and whole.
#include "shell/level_set_file.h"

#include <cerrno>
#include <cstring>

#include "screens/translation.h"
#include "shell/regular_file.h"

bool loadLevelSetFile(const std::string& path, LevelSet& set, std::string& refusal)
{
    set = LevelSet{};
    std::string bytes;
    // One byte past the limit, so that the reader sees a file too long for what it is.
    if (!readRegularFileNotLink(path, kMaxLevelFileBytes + 1, bytes)) {
        const int reason = errno;
        const std::string why = reason == ELOOP    ? tr("un lien symbolique n'est pas lu")
                                : reason == EINVAL ? tr("ce n'est pas un fichier ordinaire")
                                                   : systemErrorText(reason);
        refusal = path + tr(" : ") + why;
        return false;
    }
    LevelSetRefusal why;
    if (readLevelSet(bytes, set, why)) return true;
    refusal = path + tr(" : ") + levelSetRefusalLine(why);
    return false;
}
