// The game-over banner that ends a run and hands control back to the shell.
#pragma once

int vx_pell_GameOver();
