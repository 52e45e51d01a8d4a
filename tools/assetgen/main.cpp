// assetgen: writes every data file of the game into a folder.
//   assetgen <data folder> [--preview <contact sheet.png>]
// Exit status 0 when every file was written, 1 otherwise (with a message).
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "assetgen.h"
#include "preview.h"

namespace {

const char* kFontDir = "/usr/share/fonts/truetype/dejavu/";

struct ImageFile {
  const char* path;  // under the data folder
  Canvas image;
};

bool MakeFolders(const std::string& root) {
  for (const char* sub : {"common", "507/sfx"}) {
    std::error_code err;
    std::filesystem::create_directories(std::filesystem::path(root) / sub, err);
    if (err) {
      std::fprintf(stderr, "assetgen: cannot create %s/%s: %s\n", root.c_str(), sub, err.message().c_str());
      return false;
    }
  }
  return true;
}

int Usage() {
  std::fprintf(stderr, "usage: assetgen <data folder> [--preview <file.png>]\n");
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  std::string root, preview;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--preview") == 0) {
      if (++i >= argc) return Usage();
      preview = argv[i];
    } else if (root.empty() && argv[i][0] != '-') {
      root = argv[i];
    } else {
      return Usage();
    }
  }
  if (root.empty()) return Usage();

  Typeface* sans = LoadTypeface(std::string(kFontDir) + "DejaVuSansCondensed-Bold.ttf");
  Typeface* mono = LoadTypeface(std::string(kFontDir) + "DejaVuSansMono-Bold.ttf");
  if (!sans || !mono || !MakeFolders(root)) {
    FreeTypeface(sans);
    FreeTypeface(mono);
    return 1;
  }

  std::vector<ImageFile> images;
  images.push_back({"common/bandwidth.png", MakeBandwidthFont(*sans)});
  images.push_back({"tova_font.png", MakeFrameworkFont(*mono)});
  images.push_back({"common/PELLLogo.png", MakeToolkitLogo(*sans)});
  images.push_back({"common/part-shapefull.png", MakeParticles(kShapeFull)});
  images.push_back({"common/parts_shape.png", MakeParticles(kShapeLine)});
  images.push_back({"common/parts_smoke.png", MakeParticles(kSmoke)});
  images.push_back({"common/parts_cluster.png", MakeParticles(kCluster)});
  images.push_back({"common/parts_stars.png", MakeParticles(kStars)});
  images.push_back({"common/Buttons.png", MakeButtons(*sans)});
  images.push_back({"common/icons.png", MakeIcons()});
  images.push_back({"common/circle.png", MakeCircles()});
  images.push_back({"507/logo.png", MakeTitle(*sans)});
  images.push_back({"507/menu.png", MakeMenuPanels()});
  images.push_back({"common/options.png", MakeOptionIcons(*sans)});
  images.push_back({"common/scoreboard.png", MakeScoreboard()});
  images.push_back({"507/buildings.png", MakeBuildings(false)});
  images.push_back({"507/buildingsb.png", MakeBuildings(true)});
  images.push_back({"507/gfx.png", MakeGameSprites()});
  FreeTypeface(sans);
  FreeTypeface(mono);

  bool ok = true;
  for (const ImageFile& f : images) ok = WritePng(root + "/" + f.path, f.image) && ok;
  const struct {
    int id;
    const char* path;
  } sounds[] = {{96, "common/096.wav"}, {98, "common/098.wav"}, {99, "common/099.wav"},
                {1, "507/sfx/001.wav"},  {2, "507/sfx/002.wav"},  {3, "507/sfx/003.wav"},
                {4, "507/sfx/004.wav"},  {5, "507/sfx/005.wav"},  {6, "507/sfx/006.wav"}};
  for (const auto& s : sounds) ok = WriteWav(root + "/" + s.path, MakeSound(s.id), kSoundRate, 1) && ok;
  ok = WriteTune(root + "/507/sfx/Xcited.ogg") && ok;

  if (!preview.empty()) {
    std::vector<PreviewImage> shown;
    for (const ImageFile& f : images) shown.push_back({f.path, &f.image});
    ok = WritePng(preview, MakeContactSheet(shown)) && ok;
  }
  return ok ? 0 : 1;
}
