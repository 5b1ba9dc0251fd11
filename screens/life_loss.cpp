// A lost last ball: a new life, or the end of the run. For now these make only their
// game-state changes; the end screen's slide and the record check come with the screens.
#include "game/flow.h"
#include "game/game_state.h"

void lifeLost()
{
    if (game.livesLeft >= 1) {
        playCue("nouvellevie");
        lifeLostReset();
        return;
    }
    stopGameTimer();
    game.gameOverShown = 1;
}

void victoryEnd()
{
    stopSounds();
    game.victoryShown = 0;
    game.gameOverShown = 1;
}
