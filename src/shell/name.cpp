// Name entry (overlay 3): thirteen slots of font frames spelled without
// typing, by stepping the cursor slot's character up or down with
// auto-repeat, moving, clearing and copying; leaving saves the record.
// Nothing in this game opens it.
#include <algorithm>
#include <cstdint>

#include "input/input.h"
#include "shell/controls.h"
#include "shell/globals.h"
#include "shell/overlays.h"
#include "shell/persist.h"
#include "toolkit/draw.h"
#include "toolkit/globals.h"
#include "toolkit/sound.h"
#include "toolkit/text.h"

namespace {

enum { CH_UP = 0, CH_LEFT = 3, CH_RIGHT = 5, CH_DOWN = 8, CH_CONFIRM = 10, CH_SECOND = 11, CH_THIRD = 12,
       CH_FOURTH = 13, CH_ESCAPE = 20 };
enum { SFX_MOVE = 98, SFX_CHOOSE = 99 };
// Elements of vx_pell_kdis: the one-shot lock, the repeat countdown and the
// repeat interval (both in updates).
enum { LOCK_ONCE = 0, LOCK_COUNTDOWN = 1, LOCK_INTERVAL = 2 };
const int kCursor = 47;  // element of vx_pell_PELL_MenuPos
const int kLastSlot = 12;
const int kKeyEnter = 13;

bool Held(int channel) { return vx_pell_PlayKey(channel) != 0; }

// Font frame v shows character v + 32. The two directions visit different
// characters: backward runs 9..1 (digits and punctuation), then ~..@ and
// the space; forward loops over A..~ for ever once it gets there.
// Other values step by one, wrapping as 32-bit ints do: a hand-edited
// record may hold anything.
int StepBack(int v) {
  switch (v) {
    case 0: return 25;
    case 1: return 94;
    case 32: return 0;
    default: return static_cast<int>(static_cast<uint32_t>(v) - 1u);
  }
}
int StepForward(int v) {
  switch (v) {
    case 30: return 0;
    case 94: return 33;
    case 0: return 33;
    default: return static_cast<int>(static_cast<uint32_t>(v) + 1u);
  }
}

}  // namespace

int vx_pell_EnterName() {
  static const String kTitle = "Enter Your Name", kUp = ">", kDown = "<";
  std::vector<int>& kdis = vx_pell_kdis;
  std::vector<int>& name = vx_pell_PELL_Username;
  const int W = vx_pell_jscrw, H = vx_pell_jscrh;
  int& cursor = vx_pell_PELL_MenuPos[kCursor];
  // The options screen keeps its scroll target in the same element, so
  // whatever it holds is brought onto a slot before it indexes the name.
  cursor = std::clamp(cursor, 0, kLastSlot);
  const bool enter = vx_input_device && vx_input_device->p_KeyDown(kKeyEnter);

  vx_pell_OverlayBackdrop();

  // The pointer takes no part in the release.
  if (!Held(CH_CONFIRM) && !Held(CH_SECOND) && !Held(CH_THIRD) && !Held(CH_FOURTH) && !Held(CH_ESCAPE) &&
      !Held(CH_UP) && !Held(CH_LEFT) && !Held(CH_RIGHT) && !Held(CH_DOWN))
    kdis[LOCK_ONCE] = 0;

  vx_pell_SetSize(1.25f);
  if (vx_pell_PELL_Font != 0) vx_pell_Text(static_cast<float>(W / 2), static_cast<float>(H / 2 - 128), kTitle, 1, 1, 0, 0);

  // [SECTION] Slots
  bool arrowBack = false, arrowForward = false;
  for (int i = 0; i <= kLastSlot; ++i) {
    const float x = static_cast<float>(W / 2 - 192 + 32 * i);
    const float y = static_cast<float>(i == cursor ? H / 2 - 8 : H / 2);
    vx_pell_SetSize(1);
    if (i == cursor)
      vx_pell_SetCol(100, 200, 100, 0.75f);
    else
      vx_pell_SetCol(180, 100, 0, 0.5f);
    vx_pell_Rect(x - 16, y - 16, 30, 30, 0, 0);

    vx_pell_SetCol(255, 255, 255, 1);
    // A press picks the slot at once, silently and without a lock.
    if (vx_pell_MouseIn(x - 16, y - 16, 30, 30) == 1 && vx_pell_mdAll > 0) cursor = i;

    const int v = name[static_cast<size_t>(i)];
    if (vx_pell_PELL_Font >= 1 && vx_pell_PELL_Font <= 99)
      vx_pell_DrawImg(vx_pell_PELL_Font, x + 8, y - 8, v >= 0 && v <= 128 ? v : 0);

    if (i == cursor) {
      vx_pell_SetRot(90);
      if (vx_pell_PELL_Font != 0) {
        vx_pell_Text(x, y - 60, kUp, 1, 1, 0, 0);
        vx_pell_Text(x, y + 60, kDown, 1, 1, 0, 0);
      }
      const bool free = vx_pell_mdAll > 0 && kdis[LOCK_ONCE] == 0;
      if (free && vx_pell_MouseIn_Centered(x - 8, y - 60, 64, 40) == 1) arrowBack = true;
      if (free && vx_pell_MouseIn_Centered(x - 8, y + 60, 64, 40) == 1) arrowForward = true;
      vx_pell_SetRot(0);
    }
  }

  // [SECTION] Stepping with auto-repeat: at once, 30 updates later, 15
  // after that, then every 2 while held.
  int& countdown = kdis[LOCK_COUNTDOWN];
  int& interval = kdis[LOCK_INTERVAL];
  countdown = std::max(countdown - 1, 0);
  const bool back = Held(CH_UP) || arrowBack;
  const bool forward = Held(CH_DOWN) || arrowForward;
  if (!back && !forward) {
    countdown = 0;
    interval = 30;
  } else if (countdown == 0) {
    int& v = name[static_cast<size_t>(cursor)];
    v = back ? StepBack(v) : StepForward(v);  // back wins when both are asked
    vx_pell_PlaySFX(SFX_MOVE);
    countdown = interval;
    interval = std::max(interval - 15, 2);
  }

  // [SECTION] Cursor, clear and confirm: the first that applies.
  if (kdis[LOCK_ONCE] == 0) {
    bool acted = true;
    if (Held(CH_LEFT)) {
      cursor = cursor == 0 ? kLastSlot : cursor - 1;
    } else if (Held(CH_RIGHT)) {
      cursor = cursor == kLastSlot ? 0 : cursor + 1;
    } else if (Held(CH_SECOND)) {
      name[static_cast<size_t>(cursor)] = 0;
      cursor = std::max(cursor - 1, 0);
    } else if (Held(CH_CONFIRM) && !enter) {
      // Moving on into an empty slot copies the letter: double letters
      // take one press each.
      const int c = name[static_cast<size_t>(cursor)];
      const int next = std::min(cursor + 1, kLastSlot);
      if (next != cursor && name[static_cast<size_t>(next)] == 0) name[static_cast<size_t>(next)] = c;
      cursor = next;
    } else {
      acted = false;
    }
    if (acted) {
      vx_pell_PlaySFX(SFX_MOVE);
      kdis[LOCK_ONCE] = 1;
    }
  }

  // [SECTION] Leave: Enter drives the confirm channel too, so it leaves
  // rather than confirming. There is no cancel; the name is kept.
  if (kdis[LOCK_ONCE] == 0 && (Held(CH_FOURTH) || Held(CH_ESCAPE) || enter)) {
    vx_pell_PELL_OptCred = 0;
    vx_pell_PlaySFX(SFX_CHOOSE);
    vx_pell_LockKeys();
    vx_pell_Save();
  }
  return 0;
}
