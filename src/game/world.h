// Clearing the world arrays between runs.
#pragma once

int vx_pell_ResetGrid();
int vx_pell_ResetPlrs();
int vx_pell_ResetObjs();
int vx_pell_ResetParticles();
int vx_pell_FlushGame();
