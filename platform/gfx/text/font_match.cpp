#include "platform/gfx/text/font_match.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <utility>
#include <vector>

namespace gfx::text {

namespace {

// The default face. Microsoft Sans Serif (the outline successor of MS Sans Serif) has nearly
// Arial's widths, so Arial's metric clone keeps captions laid out for the original platform
// inside their boxes; DejaVu Sans would be about a tenth wider.
constexpr const char* kDefaultFamily = "Liberation Sans";

// Used when fontconfig cannot answer at all.
constexpr std::array<const char*, 4> kKnownDefaultFiles = {
    "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/liberation/LiberationSans-Regular.ttf",
    "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf",
    "/usr/share/fonts/TTF/DejaVuSans.ttf",
};

// Face names of the original platform's UI fonts (lower case) that map to the default face.
// The Chinese system faces map there too: their Latin letters come from the default face and
// the Han characters from the CJK fallback.
constexpr std::array<const char*, 15> kDefaultFaceNames = {
    "ms sans serif",
    "microsoft sans serif",
    "ms shell dlg",
    "ms shell dlg 2",
    "system",
    "tahoma",
    "simsun",
    "nsimsun",
    "simhei",
    "microsoft yahei",
    "宋体",
    "新宋体",
    "黑体",
    "微软雅黑",
    "",
};

std::mutex g_mutex;

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string Trim(std::string_view text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  const auto last = text.find_last_not_of(" \t");
  return std::string(text.substr(first, last - first + 1));
}

FcConfig* Config() {
  // Loaded once; fontconfig keeps it for the life of the process.
  static FcConfig* config = FcInitLoadConfigAndFonts();
  return config;
}

struct PatternDeleter {
  void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using Pattern = std::unique_ptr<FcPattern, PatternDeleter>;

int NormalWeight(int weight) {
  return weight <= 0 ? 400 : std::min(weight, 1000);
}

// A query pattern for `families` (in order of preference) with the given style, after
// fontconfig's substitutions.
Pattern StylePattern(const std::vector<std::string>& families, int weight, bool italic) {
  Pattern pattern(FcPatternCreate());
  if (!pattern) return nullptr;
  for (const std::string& family : families) {
    FcPatternAddString(pattern.get(), FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  }
  FcPatternAddDouble(pattern.get(), FC_WEIGHT, FcWeightFromOpenTypeDouble(NormalWeight(weight)));
  FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcConfigSubstitute(Config(), pattern.get(), FcMatchPattern);
  FcDefaultSubstitute(pattern.get());
  return pattern;
}

// The file of a matched (render-prepared) pattern, with its synthetic styles.
std::optional<FontFile> FileOf(const FcPattern* match, bool italic) {
  FcChar8* file = nullptr;
  if (FcPatternGetString(match, FC_FILE, 0, &file) != FcResultMatch || !file) return std::nullopt;
  FontFile result;
  result.path = reinterpret_cast<const char*>(file);
  int index = 0;
  if (FcPatternGetInteger(match, FC_INDEX, 0, &index) == FcResultMatch) result.index = index;
  FcBool embolden = FcFalse;
  if (FcPatternGetBool(match, FC_EMBOLDEN, 0, &embolden) == FcResultMatch) {
    result.embolden = embolden == FcTrue;
  }
  int slant = FC_SLANT_ROMAN;
  FcPatternGetInteger(match, FC_SLANT, 0, &slant);
  result.oblique = italic && slant == FC_SLANT_ROMAN;
  return result;
}

std::optional<FontFile> Match(const std::vector<std::string>& families, int weight, bool italic) {
  FcConfig* config = Config();
  if (!config) return std::nullopt;
  Pattern pattern = StylePattern(families, weight, italic);
  if (!pattern) return std::nullopt;
  FcResult result = FcResultNoMatch;
  Pattern match(FcFontMatch(config, pattern.get(), &result));
  if (!match) return std::nullopt;
  return FileOf(match.get(), italic);
}

// Every face fontconfig would consider for a style, best first, with its character set.
class FallbackList {
 public:
  FallbackList(int weight, bool italic) {
    FcConfig* config = Config();
    if (!config) return;
    Pattern pattern = StylePattern({"sans-serif"}, weight, italic);
    if (!pattern) return;
    FcResult result = FcResultNoMatch;
    FcFontSet* set = FcFontSort(config, pattern.get(), FcTrue, nullptr, &result);
    if (!set) return;
    for (int i = 0; i < set->nfont; ++i) {
      FcCharSet* charset = nullptr;
      if (FcPatternGetCharSet(set->fonts[i], FC_CHARSET, 0, &charset) != FcResultMatch) continue;
      Pattern prepared(FcFontRenderPrepare(config, pattern.get(), set->fonts[i]));
      if (!prepared) continue;
      std::optional<FontFile> file = FileOf(prepared.get(), italic);
      if (!file) continue;
      entries_.push_back({std::move(*file), FcCharSetCopy(charset)});
    }
    FcFontSetDestroy(set);
  }
  ~FallbackList() {
    for (Entry& entry : entries_) FcCharSetDestroy(entry.charset);
  }
  FallbackList(const FallbackList&) = delete;
  FallbackList& operator=(const FallbackList&) = delete;

  std::optional<FontFile> Find(char32_t code_point) const {
    for (const Entry& entry : entries_) {
      if (FcCharSetHasChar(entry.charset, code_point)) return entry.file;
    }
    return std::nullopt;
  }

 private:
  struct Entry {
    FontFile file;
    FcCharSet* charset;
  };
  std::vector<Entry> entries_;
};

}  // namespace

std::string FamilyForFaceName(std::string_view face_name) {
  const std::string trimmed = Trim(face_name);
  const std::string lower = Lower(trimmed);
  for (const char* name : kDefaultFaceNames) {
    if (lower == name) return kDefaultFamily;
  }
  return trimmed;
}

std::optional<FontFile> MatchFontFile(const LogicalFont& font) {
  std::lock_guard lock(g_mutex);
  // The default family goes after the requested one, so a name fontconfig does not know
  // lands on the default face rather than on fontconfig's own default.
  return Match({FamilyForFaceName(font.face), kDefaultFamily}, font.weight, font.italic);
}

std::optional<FontFile> DefaultFontFile(int weight, bool italic) {
  {
    std::lock_guard lock(g_mutex);
    if (auto match = Match({kDefaultFamily}, weight, italic)) return match;
  }
  for (const char* path : kKnownDefaultFiles) {
    std::error_code error;
    if (std::filesystem::is_regular_file(path, error)) {
      return FontFile{path, 0, NormalWeight(weight) >= 600, italic};
    }
  }
  return std::nullopt;
}

std::optional<FontFile> MatchFallbackFile(char32_t code_point, int weight, bool italic) {
  std::lock_guard lock(g_mutex);
  static std::map<std::pair<int, bool>, std::unique_ptr<FallbackList>> lists;
  auto& list = lists[{NormalWeight(weight) >= 600 ? 700 : 400, italic}];
  if (!list) list = std::make_unique<FallbackList>(NormalWeight(weight) >= 600 ? 700 : 400, italic);
  return list->Find(code_point);
}

std::vector<std::string> InstalledFamilies() {
  std::vector<std::string> families;
  std::lock_guard lock(g_mutex);
  FcConfig* config = Config();
  if (!config) return families;
  Pattern pattern(FcPatternCreate());
  if (!pattern) return families;
  FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
  FcObjectSet* objects = FcObjectSetBuild(FC_FAMILY, nullptr);
  FcFontSet* set = objects ? FcFontList(config, pattern.get(), objects) : nullptr;
  if (objects) FcObjectSetDestroy(objects);
  if (!set) return families;
  for (int i = 0; i < set->nfont; ++i) {
    FcChar8* family = nullptr;
    if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch && family) {
      families.emplace_back(reinterpret_cast<const char*>(family));
    }
  }
  FcFontSetDestroy(set);
  std::sort(families.begin(), families.end(),
            [](const std::string& a, const std::string& b) { return Lower(a) < Lower(b); });
  families.erase(
      std::unique(families.begin(), families.end(),
                  [](const std::string& a, const std::string& b) { return Lower(a) == Lower(b); }),
      families.end());
  return families;
}

}  // namespace gfx::text

#if defined(__SANITIZE_ADDRESS__)
// fontconfig loses a few bytes while parsing its configuration files; that leak is not ours
// and would fail every sanitised program that draws text.
extern "C" const char* __lsan_default_suppressions() {
  return "leak:libfontconfig.so\n";
}
#endif
