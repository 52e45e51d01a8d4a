// Placeholder overlays until the credits land:
// each one closes itself at once.
#include "shell/overlays.h"

#include "shell/globals.h"

int vx_pell_Credits() {
  vx_pell_PELL_OptCred = 0;
  return 0;
}
int vx_pell_AddCredit(const String& a, const String& b, const String& c, const String& d, const String& e) {
  const String row[5] = {a, b, c, d, e};
  for (const String& s : row)
    if (vx_pell_PELL_Creds < static_cast<int>(vx_pell_PELL_Cred.size())) vx_pell_PELL_Cred[vx_pell_PELL_Creds++] = s;
  return 0;
}
int vx_pell_DefaultCredits() { return 0; }
