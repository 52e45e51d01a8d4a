// Gameplay's module globals: the flat world arrays of a run and the particle
// ring cursor. Defined in globals.cpp; vx_game_InitGlobals creates them.
#pragma once

#include <vector>

extern std::vector<float> vx_pell_grid;   // 5500000: cell (r, c) at 500r + 10c; 0 strength, 1 frame
extern std::vector<float> vx_pell_plr;    // 1024: player p at 100(p - 1); run values at 13-15, 50-52
extern std::vector<float> vx_pell_obj;    // 10240: object slot s at 10s; 0 state, 1-2 pos, 3-4 speed, 5 timer
extern std::vector<float> vx_pell_part;   // 2600: particle slot s at 10s
extern std::vector<float> vx_pell_astar;  // 2600: star s at 10s
extern int vx_pell_PELL_Partto;           // particle ring cursor: the slot filled last

void vx_game_InitGlobals();
