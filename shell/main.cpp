// Tessaron's entry: finds its data, loads the assets, seeds the generator, opens the menu
// and runs the program's loop; the exit note is written when the loop ends.
#include <cstring>
#include <ctime>

#include "game/random.h"
#include "shell/assets.h"
#include "shell/data_paths.h"
#include "shell/program_look.h"
#include "shell/sdl_platform.h"
#include "shell/sdl_replay_watch.h"
#include "shell/sdl_windows.h"
#include "shell/sound_cues.h"

int main(int argc, char** argv)
{
    // tessaron --replay FILE: a recorded game shown in the game window, then the program ends.
    const char* replayPath = argc == 3 && std::strcmp(argv[1], "--replay") == 0 ? argv[2] : nullptr;
    findExeDir();
    loadAssets();
    seedRandom(static_cast<std::uint32_t>(std::time(nullptr)));
    if (!initSdlPlatform()) return 1;
    if (replayPath != nullptr) {
        const int status = watchReplay(replayPath);
        releaseProgramLook();
        shutdownSdlPlatform();
        return status;
    }

    openWindow(WindowKind::Menu);
    runMessageLoop(WindowKind::Menu);
    closeWindow(WindowKind::Menu);

    writeExitNote("EXIT");
    releaseProgramLook();
    shutdownSdlPlatform();
    return 0;
}
