// Tessaron's entry: answers --help and --version; otherwise finds its data, loads the assets,
// seeds the generator and either shows a recorded game (--replay FILE) or opens the menu and
// runs the program's loop; the exit note is written when that loop ends.
#include <malloc.h>

#include <cstdio>
#include <ctime>

#include "game/game_state.h"
#include "game/random.h"
#include "screens/menu_screen.h"
#include "shell/assets.h"
#include "shell/command_line.h"
#include "shell/data_paths.h"
#include "shell/program_look.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_replay_watch.h"
#include "shell/sdl_windows.h"
#include "shell/settings_file.h"
#include "shell/sound_cues.h"

int main(int argc, char** argv)
{
    const CommandLine command = parseCommandLine(argc, argv);
    const bool watching = command.action == CommandLineAction::WatchReplay;
    if (command.action != CommandLineAction::Play && !watching) return answerCommandLine(command, stdout, stderr);

    // Picture and sound files are read whole before they are decoded; buffers this large are
    // given back to the system when freed instead of staying in the heap (3.5 MB at the menu).
    mallopt(M_MMAP_THRESHOLD, 256 * 1024);
    findExeDir();
    loadMenuAssets();
    seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    if (!initSdlPlatform()) return 1;
    // Read once a display is there: without one the player hears of that alone.
    playerSettings = readSettingsFile(settingsFilePath(), stderr);
    game.soundEnabled = playerSettings.values.soundOn ? 1 : 0;
    labelSoundButton();
    if (playerSettings.values.gamepad) startGamepads();
    if (watching) {
        loadRemainingAssets();
        startSdlAudio();
        const int status = watchReplay(command.replayPath.c_str());
        releaseProgramLook();
        shutdownSdlPlatform();
        return status;
    }

    // The menu shows first; what it does not need is made ready behind its first frame.
    openWindow(WindowKind::Menu);
    paintWindow(WindowKind::Menu);
    loadRemainingAssets();
    startSdlAudio();
    runMessageLoop(WindowKind::Menu);
    closeWindow(WindowKind::Menu);

    writeExitNote("EXIT");
    releaseProgramLook();
    shutdownSdlPlatform();
    return 0;
}
