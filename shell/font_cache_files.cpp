// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// The font path cache through the game's regular-file reader and atomic writer.
#include "shell/font_cache_files.h"

#include "screens/menu_screen.h"
#include "screens/translation.h"
#include "shell/atomic_file.h"
#include "shell/regular_file.h"

namespace {

// Eight lines of a weight, a few numbers and a path: far below this.
constexpr std::size_t kLargestCache = 64 * 1024;

bool readCache(const std::string& path, std::string& bytes)
{
    return readRegularFile(path, kLargestCache + 1, bytes) && bytes.size() <= kLargestCache;
}

bool writeCache(const std::string& path, std::string_view bytes)
{
    std::string reason;  // a cache that cannot be written is asked of fontconfig again next time
    return writeFileAtomically(path, bytes, reason);
}

}  // namespace

FontCacheFiles gameFontCacheFiles() { return FontCacheFiles{readCache, writeCache}; }

void tellGameFaceMissing(std::FILE* report)
{
    std::fputs(tr("Tessaron : police Lato introuvable (paquet fonts-lato) : les textes sont dessinés avec une "
                  "autre police\n"),
               report);
    showMenuNotice(tr("Police Lato introuvable :"), tr("textes dans une autre police"));
}
