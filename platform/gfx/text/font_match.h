#pragma once

// Font file selection through fontconfig: a logical font's face name, weight and slant to a
// font file, and per-character fallback faces for characters the chosen face lacks.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/gfx/gdi_objects.h"

namespace gfx::text {

// A face inside a font file, with the synthetic styles fontconfig asks for when the family
// has no real bold or italic.
struct FontFile {
  std::string path;
  int index = 0;
  bool embolden = false;
  bool oblique = false;
  auto operator<=>(const FontFile&) const = default;
};

// The family fontconfig is asked for: the platform's UI face names map to the default face,
// every other name passes through (fontconfig's own aliases then apply, e.g. Arial).
std::string FamilyForFaceName(std::string_view face_name);

// The face fontconfig picks for a logical font; a name it does not know gives the default
// face. Empty only when fontconfig itself fails.
std::optional<FontFile> MatchFontFile(const LogicalFont& font);

// The default face: fontconfig's choice for it, else the first known file that exists.
// Empty only when no font is installed at all.
std::optional<FontFile> DefaultFontFile(int weight, bool italic);

// A face whose character set covers `code_point`, best first by fontconfig's ordering for the
// given style; empty when no installed face has it.
std::optional<FontFile> MatchFallbackFile(char32_t code_point, int weight, bool italic);

// The family names of the installed scalable faces, each once, sorted without regard to case.
std::vector<std::string> InstalledFamilies();

}  // namespace gfx::text
