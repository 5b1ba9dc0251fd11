// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// A set of levels read from disk: a link, a FIFO, a directory, a missing or an oversized file is
// refused in one line naming the file, without blocking; a good file is read whole.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <string>

#include "shell/level_set_file.h"
#include "tests/scratch_files.h"

namespace {

TEST(LevelSetFileOnDisk, OnlyARegularFileOfTheRightSizeIsRead)
{
    const std::string dir = makeScratchDirectory();
    const std::string good = dir + "/mes.tessaron-levels";
    writeBytes(good, "tessaron-levels 1\nname A\nauthor B\nlevel\nbrick 0 0 ordinary2\n");
    writeBytes(dir + "/long.tessaron-levels", std::string(kMaxLevelFileBytes + 1, '\n'));
    ASSERT_EQ(symlink(good.c_str(), (dir + "/link.tessaron-levels").c_str()), 0);
    ASSERT_EQ(mkfifo((dir + "/fifo.tessaron-levels").c_str(), 0600), 0);
    const struct {
        const char* name;
        const char* refusal;  // after "PATH : "
    } cases[] = {
        {"link.tessaron-levels", "un lien symbolique n'est pas lu"},
        {"fifo.tessaron-levels", "ce n'est pas un fichier ordinaire"},
        {"", "ce n'est pas un fichier ordinaire"},
        {"none.tessaron-levels", "No such file or directory"},
        {"long.tessaron-levels", "ligne 1048577 : le fichier dépasse 1048576 octets"},
    };
    for (const auto& c : cases) {
        const std::string path = dir + "/" + c.name;
        LevelSet set;
        std::string refusal;
        EXPECT_FALSE(loadLevelSetFile(path, set, refusal));
        EXPECT_EQ(refusal, path + " : " + c.refusal);
        EXPECT_TRUE(set.levels.empty());
    }
    LevelSet set;
    std::string refusal;
    ASSERT_TRUE(loadLevelSetFile(good, set, refusal)) << refusal;
    ASSERT_EQ(set.levels.size(), 1u);
    EXPECT_EQ(set.levels[0].entries[0].kind, 2);
    removeScratchDirectory(dir);
}

}  // namespace
