// The game-over banner that ends a run and hands control back to the shell.
#pragma once

// One banner update, while vx_pell_PELL_EndofGame counts: 160 updates, the
// shell takes over at 90, and the counter clears itself after 160.
int vx_pell_GameOver();
