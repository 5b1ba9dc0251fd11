// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A set of levels read from its file, safely and whole.
#include "shell/level_set_file.h"

#include <cerrno>

#include "screens/translation.h"
#include "shell/regular_file.h"

std::string levelSetFileReadFault(int error)
{
    return error == ELOOP    ? tr("un lien symbolique n'est pas lu")
           : error == EINVAL ? tr("ce n'est pas un fichier ordinaire")
                             : systemErrorText(error);
}

bool loadLevelSetFile(const std::string& path, LevelSet& set, std::string& refusal)
{
    set = LevelSet{};
    std::string bytes;
    // One byte past the limit, so that the reader sees a file too long for what it is.
    if (!readRegularFileNotLink(path, kMaxLevelFileBytes + 1, bytes)) {
        refusal = path + tr(" : ") + levelSetFileReadFault(errno);
        return false;
    }
    LevelSetRefusal why;
    if (readLevelSet(bytes, set, why)) return true;
    refusal = path + tr(" : ") + levelSetRefusalLine(why);
    return false;
}
