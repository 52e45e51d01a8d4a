// Numbered sound effects and named tunes, played with the settings' volumes.
#pragma once

#include "host/string.h"

void vx_pell_LoadSFX(int n);
// rate -1: a random pitch for most sounds (and one random step always).
void vx_pell_PlaySFX(int n, float rate = -1.0f, float volume = 0.99f, float pan = 0.0f);
void vx_pell_PlayTune(const String& name, int flags);
void vx_pell_PauseTune();
void vx_pell_ResumeTune();
void vx_pell_StopTune();
