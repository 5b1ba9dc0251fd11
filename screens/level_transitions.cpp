// Level complete and the next level's start. For now these make only their game-state
// changes; the applause, the intro screen and the slides are drawn by the screens.
#include "game/flow.h"
#include "game/game_state.h"

void levelComplete()
{
    game.paused = false;
    stopGameTimer();
    playCue("CLAP");
    game.currentLevel += 1;
    if (game.currentLevel > 25) {
        game.victoryShown = 1;
    } else {
        game.levelIntroShown = 1;
    }
}

void startNextLevel()
{
    game.levelIntroShown = 0;
    startLevel();
}
