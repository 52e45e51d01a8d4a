// The settings, name and score tables as one "|"-separated text record with
// checksums keyed by the game number, kept in the host's saved state.
#pragma once

// Writes settings 0-200, the name, the user number and all 10000 scores.
int vx_pell_Save();
// Reads the record back; every part that is missing or fails its check
// falls back to defaults or keeps its current value.
int vx_pell_Load();
// Settings 0, 1, 11, 12, 21 and 22 only.
int vx_pell_SetDefaults();
// Default name start and a fresh random seed from the clock.
int vx_pell_NewUser();
