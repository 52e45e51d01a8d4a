// The review sheet of `make assets-preview`: mock screens composed the way
// the game draws them, then every image on a checkered backdrop.
#pragma once

#include <vector>

#include "canvas.h"

struct PreviewImage {
  const char* path;  // as written under the data folder
  const Canvas* image;
};

Canvas MakeContactSheet(const std::vector<PreviewImage>& images);
