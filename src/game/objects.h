// The objects of a run: the dropper, the object pass of the game step, the
// explosion of an armed object, and the toolkit's scoring functions.
#pragma once

#include "game/world.h"

enum { OBJ_FREE = 0, OBJ_FALLING = 1, OBJ_ARMED = 2, OBJ_GRABBED = 3, OBJ_COLLECTED = 4 };

// The x that asks vx_pell_Gimme for no rising number.
constexpr float kGimmeNoNumber = -3717.0f;

// 10 * the first i in 0..count whose element stride * i of vx_pell_obj is
// 0, or -1 when there is none.
int vx_pell_FreeObj(int count, int stride);
// Points for player 1-7 (score and collected count), with a rising number
// at (x, y) unless x is kGimmeNoNumber.
int vx_pell_Gimme(int amount, float x, float y, int player);
// Starts the game-over banner with this reason unless one is running.
int vx_pell_EndGame(int reason);
// The score display at the top; player 1 is always shown, 2-5 when their
// argument is above 0.
int vx_pell_ShowScores(int showLives, int first, int second, int third, int fourth, int fifth);

// One update of the dropper.
void vx_game_Dropper(const c_Field& f);
// One update of every object slot in order. Returns busy for the player
// pass: 0 none grabbed or collected, 1 pulling in or early in a
// collection, 2 late in a collection; the last such slot decides.
int vx_game_ObjectPass(const c_Field& f);
// Blasts the blocks within reach of (x, y), with debris and puffs.
void vx_game_Explode(const c_Field& f, float x, float y);
