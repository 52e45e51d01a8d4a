// Definitions and start values of the game's module globals.
#include "game/globals.h"

void vx_game_InitGlobals() {}
