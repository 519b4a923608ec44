// Writes every artwork slot as PNG under the directory given on the command line.

#include <cstdio>
#include <exception>

#include "controls.h"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s <artwork directory>\n", argv[0]);
    return 2;
  }
  try {
    artgen::Output out(argv[1]);
    artgen::GenerateSkin(out);
    artgen::GenerateThemeX(out);
    artgen::GenerateAboutPage(out);
    artgen::GenerateCaptionButtons(out);
    artgen::GenerateGlossyButton(out);
    artgen::GenerateTabstripPage(out);
    artgen::GenerateOptionButton(out);
    artgen::GenerateGroupFrame(out);
    artgen::GenerateProgressBar(out);
    artgen::GenerateTrayIcon(out);
    std::printf("wrote %d pictures to %s\n", out.count(), argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "artwork generator: %s\n", e.what());
    return 1;
  }
  return 0;
}
