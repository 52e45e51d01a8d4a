// Definitions and start values of gameplay's module globals.
#include "game/globals.h"

std::vector<float> vx_pell_grid;
std::vector<float> vx_pell_plr;
std::vector<float> vx_pell_obj;
std::vector<float> vx_pell_part;
std::vector<float> vx_pell_astar;
int vx_pell_PELL_Partto = 0;

void vx_game_InitGlobals() {
  vx_pell_grid.assign(5500000, 0.0f);
  vx_pell_plr.assign(1024, 0.0f);
  vx_pell_obj.assign(10240, 0.0f);
  vx_pell_part.assign(2600, 0.0f);
  vx_pell_astar.assign(2600, 0.0f);
  vx_pell_PELL_Partto = 0;
}
