// The top-five panel beside the difficulty list of the main menu.
#pragma once

// Draws the panel image at (x, y) with the best five scores and a chart of
// the five recent ones of the difficulty under the list's cursor.
int vx_pell_Draw_Scoreboard(float x, float y);
