// String::Load on any bytes: the text decoder behind every text file and
// the state file. Besides not crashing, what the writer stores must read
// back unchanged, since the state file is written with ToUtf8.
#include "fuzz/harness.h"
#include "host/string.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  FILE* file = fuzz::OpenBytes(data, size);
  if (!file) return 0;
  const String text = String::Load(file);
  std::fclose(file);

  // A text beginning with U+FEFF is stored with a leading byte-order mark,
  // which the reader drops by design.
  if (text.At(0) == 0xFEFF) return 0;
  const std::string stored = text.ToUtf8();
  FILE* again = fuzz::OpenBytes(reinterpret_cast<const uint8_t*>(stored.data()), stored.size());
  if (!again) return 0;
  const String back = String::Load(again);
  std::fclose(again);
  if (back != text) fuzz::Fail("a decoded text does not survive ToUtf8 and Load");
  return 0;
}
