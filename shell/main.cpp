// SPDX-License-Identifier: GPL-3.0-or-later
// Copyright (C) 2026 The Tessaron developers
// Tessaron's entry: answers --help and --version; otherwise finds its data, loads the assets,
// seeds the generator and either shows a recorded game (--replay FILE, --replay-last), opens the
// level editor (--edit [FILE]) or opens the menu and runs the program's loop; the exit note is
// written when that loop ends.
#include <malloc.h>
#include <unistd.h>

#include <cstdio>
#include <ctime>
#include <string>

#include "game/game_state.h"
#include "game/random.h"
#include "screens/font_paths.h"
#include "screens/fonts.h"
#include "screens/translation.h"
#include "shell/assets.h"
#include "shell/command_line.h"
#include "shell/data_paths.h"
#include "shell/font_cache_files.h"
#include "shell/language.h"
#include "shell/level_sets.h"
#include "shell/printable_path.h"
#include "shell/replay_store.h"
#include "shell/sdl_editor.h"
#include "shell/sdl_message_box.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_program_look.h"
#include "shell/sdl_replay_watch.h"
#include "shell/sdl_windows.h"
#include "shell/settings_file.h"
#include "shell/shell_state.h"
#include "shell/sound_cues.h"
#include "shell/user_dirs.h"

int main(int argc, char** argv)
{
    findExeDir();
    startLanguage(chooseLocaleDir(shellState.exeDir), languageSetting(settingsFilePath()));
    CommandLine command = parseCommandLine(argc, argv);
    if (command.action == CommandLineAction::WatchLastReplay && !chooseLastReplay(command, replayDirectory(), stderr)) {
        // Started from the desktop's action "watch the last game", the game has no terminal
        // where the player would read that line: the box tells it.
        if (isatty(STDERR_FILENO) == 0)
            showMessageBox(tr("Aucune partie enregistrée à revoir : les parties jouées sont enregistrées à leur fin."));
        return 1;
    }
    const bool watching = command.action == CommandLineAction::WatchReplay;
    const bool editing = command.action == CommandLineAction::EditLevels;
    if (command.action != CommandLineAction::Play && !watching && !editing)
        return answerCommandLine(command, stdout, stderr);
    LevelEditor editor;
    if (editing && !openEditedSet(command.editPath, editor, stderr)) return 2;
    // A set named with --levels is read before anything opens: a bad one is refused in one line.
    PlayerLevelSet named;
    std::string refusal;
    if (!watching && !command.levelsPath.empty() && !readPlayerLevelSet(command.levelsPath, named, refusal)) {
        std::fprintf(stderr, tr("tessaron : %s\n"), printablePath(refusal).c_str());
        return 2;
    }

    // Picture and sound files are read whole before they are decoded; buffers this large are
    // given back to the system when freed instead of staying in the heap (3.5 MB at the menu).
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    // The fonts' files as fontconfig found them last time, kept in the player's cache.
    const std::string cacheDir = xdgUserDir("XDG_CACHE_HOME", ".cache");
    if (makeUserDir(cacheDir)) useFontPathCache(cacheDir + "/font-paths", gameFontCacheFiles());
    seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    if (!initSdlPlatform()) return 1;
    // Read once a display is there: without one the player hears of that alone.
    shellState.playerSettings = readSettingsFile(settingsFilePath(), stderr);
    game.soundEnabled = shellState.playerSettings.values.soundOn ? 1 : 0;
    if (shellState.playerSettings.values.gamepad) startGamepads();
    if (watching || editing) {
        loadMenuAssets();
        finishStartUp();
        const int status = editing ? runLevelEditor(editor) : watchReplay(command.replayPath.c_str());
        releaseProgramLook();
        shutdownSdlPlatform();
        return status;
    }

    // The menu's window shows first, then its pictures are read and its first frame drawn; what
    // it does not need is made ready a step at a time between its events, so that it answers
    // the player from that first frame on.
    openWindow(WindowKind::Menu);
    loadMenuAssets();
    offerLevelSets(readPlayerLevelSets(playerLevelSetDirectory(), stderr), std::move(named));
    relightMenu();
    paintWindow(WindowKind::Menu);
    if (gameFaceMissing()) {
        tellGameFaceMissing(stderr);
        paintWindow(WindowKind::Menu);
    }
    runMessageLoop(WindowKind::Menu);
    closeWindow(WindowKind::Menu);

    writeExitNote("EXIT");
    releaseProgramLook();
    shutdownSdlPlatform();
    return 0;
}
