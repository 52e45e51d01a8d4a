// The world arrays between runs (their clears) and the play field's
// geometry: how the grid of block cells maps onto the virtual screen.
#pragma once

int vx_pell_ResetGrid();
int vx_pell_ResetPlrs();
int vx_pell_ResetObjs();
int vx_pell_ResetParticles();
int vx_pell_FlushGame();

// The play field of the current virtual screen, recomputed every step.
struct c_Field {
  int W = 0, H = 0;  // virtual screen size
  float C = 0;       // cell size: 32 columns span the width
  float half = 0;    // C / 2
  float T = 0;       // y of row 0's centre; row 23's centre lies on the bottom edge
  float scale = 0;   // sprite scale: 16-pixel frames fill a cell
};

c_Field vx_game_Field();

// Toward zero, like every float-to-int conversion of the game; values past
// the int range (a character that has been falling for a long time) give a
// bound, which lies outside the grid like the value itself.
int vx_game_Trunc(long double v);

// Column and row of a point (a point up to a cell left of or above the grid
// still maps to 0).
int vx_game_Column(const c_Field& f, long double x);
int vx_game_Row(const c_Field& f, long double y);

// Element of vx_pell_grid holding the cell's strength (its frame follows),
// or -1 when the cell lies outside columns 0-31 and rows 0-24.
int vx_game_Cell(int row, int column);

// Strength of the cell, 0 for a cell outside the grid.
float vx_game_Strength(int row, int column);
