#include "platform/gfx/text/font_cache.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_SIZES_H
#include FT_SYNTHESIS_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <map>
#include <mutex>
#include <tuple>
#include <vector>

#include "platform/gfx/device_context.h"
#include "platform/gfx/text/font_match.h"

namespace gfx::text {

namespace {

// Pixel sizes are clamped to this range; larger requests draw at the largest size.
constexpr int kMaxPixelSize = 2048;
// A logical font of height 0 gets this cell height: 8-point MS Sans Serif at 96 DPI.
constexpr int kDefaultCellHeight = 13;
// Rendered glyphs kept per face and size before that cache starts over.
constexpr std::size_t kGlyphCacheBytes = 4u << 20;
// Rendered glyphs kept over all faces and sizes before every cache starts over, so text in
// many large sizes cannot grow memory without bound.
constexpr std::size_t kAllGlyphCachesBytes = 64u << 20;
// Realised fonts kept before that cache starts over.
constexpr std::size_t kMaxFonts = 256;

// Guards every FreeType object and every cache below.
std::recursive_mutex g_mutex;

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) return static_cast<FT_Library>(nullptr);
    return lib;
  }();
  return library;
}

// A face file loaded once; nullptr remembers a file FreeType cannot use.
FT_Face LoadFace(const std::string& path, int index) {
  static std::map<std::pair<std::string, int>, FT_Face> faces;
  auto [it, inserted] = faces.try_emplace({path, index}, nullptr);
  if (!inserted) return it->second;
  FT_Library library = Library();
  FT_Face face = nullptr;
  if (!library || FT_New_Face(library, path.c_str(), index, &face) != 0) return nullptr;
  if (!FT_IS_SCALABLE(face) || face->units_per_EM == 0) {
    FT_Done_Face(face);
    return nullptr;
  }
  it->second = face;
  return face;
}

int RoundToInt(double value) {
  return static_cast<int>(std::lround(value));
}
int CeilToInt(double value) {
  return static_cast<int>(std::ceil(value - 1e-6));
}

// The face's cell in font units: the Windows ascent and descent of its OS/2 table (what the
// platform measures a cell by), else the horizontal header's.
struct DesignCell {
  double ascent;
  double descent;
};

DesignCell CellOf(FT_Face face) {
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  DesignCell cell{static_cast<double>(face->ascender), -static_cast<double>(face->descender)};
  if (os2 && os2->version != 0xFFFF && os2->usWinAscent + os2->usWinDescent > 0) {
    cell = {static_cast<double>(os2->usWinAscent), static_cast<double>(os2->usWinDescent)};
  }
  if (cell.ascent + cell.descent <= 0) cell = {0.8 * face->units_per_EM, 0.2 * face->units_per_EM};
  return cell;
}

// Negative heights ask for the em size, positive ones for the cell height (the largest em
// whose cell fits).
int PixelSizeFor(int height, double cell_units, double units_per_em) {
  double pixels = 0;
  if (height < 0) {
    pixels = -static_cast<double>(height);
  } else {
    pixels = std::floor(height * units_per_em / cell_units + 1e-6);
  }
  return static_cast<int>(std::clamp(pixels, 1.0, static_cast<double>(kMaxPixelSize)));
}

int NormalWeight(int weight) {
  return weight <= 0 ? 400 : std::min(weight, 1000);
}

FontMetrics ComputeMetrics(FT_Face face, int height, int pixel_size, int weight) {
  const double upem = face->units_per_EM;
  const double scale = pixel_size / upem;
  const DesignCell cell = CellOf(face);
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face, FT_SFNT_OS2));
  const bool has_os2 = os2 && os2->version != 0xFFFF;

  FontMetrics m;
  m.ascent = CeilToInt(cell.ascent * scale);
  m.descent = CeilToInt(cell.descent * scale);
  if (height > 0) {
    // A requested cell height is met exactly.
    m.ascent = std::min(m.ascent, height);
    m.descent = height - m.ascent;
  }
  m.internal_leading = std::max(0, m.height() - pixel_size);
  const double line_gap = face->height - (cell.ascent + cell.descent);
  m.external_leading = std::max(0, RoundToInt(line_gap * scale));
  m.ave_char_width = has_os2 && os2->xAvgCharWidth > 0 ? RoundToInt(os2->xAvgCharWidth * scale)
                                                       : std::max(1, pixel_size / 2);
  m.max_char_width = std::max(1, CeilToInt((face->bbox.xMax - face->bbox.xMin) * scale));
  m.weight = NormalWeight(weight);

  m.underline_thickness = std::max(1, RoundToInt(face->underline_thickness * scale));
  // FreeType gives the underline's centre. At least one row stays free below the baseline so
  // the line does not touch the letters.
  m.underline_offset =
      std::max(1, RoundToInt(-face->underline_position * scale - m.underline_thickness / 2.0));
  if (m.ascent + m.underline_offset + m.underline_thickness > m.height()) {
    m.underline_offset = std::max(0, m.descent - m.underline_thickness);
  }
  const double strike_position =
      has_os2 && os2->yStrikeoutPosition > 0 ? os2->yStrikeoutPosition : cell.ascent * 0.3;
  const double strike_size =
      has_os2 && os2->yStrikeoutSize > 0 ? os2->yStrikeoutSize : face->underline_thickness;
  m.strikeout_thickness = std::max(1, RoundToInt(strike_size * scale));
  m.strikeout_offset = std::clamp(RoundToInt(strike_position * scale), m.strikeout_thickness,
                                  std::max(m.strikeout_thickness, m.ascent));
  return m;
}

// Copies a rendered FreeType bitmap into a coverage mask.
void CopyBitmap(const FT_Bitmap& bitmap, Glyph& glyph) {
  glyph.width = static_cast<int>(bitmap.width);
  glyph.height = static_cast<int>(bitmap.rows);
  if (glyph.width <= 0 || glyph.height <= 0 || !bitmap.buffer) {
    glyph.width = glyph.height = 0;
    return;
  }
  glyph.coverage.assign(static_cast<std::size_t>(glyph.width) * glyph.height, 0);
  for (int y = 0; y < glyph.height; ++y) {
    // A negative pitch stores the rows bottom first.
    const int row = bitmap.pitch >= 0 ? y : glyph.height - 1 - y;
    const unsigned char* src =
        bitmap.buffer + static_cast<std::ptrdiff_t>(row) * std::abs(bitmap.pitch);
    std::uint8_t* dst = glyph.coverage.data() + static_cast<std::size_t>(y) * glyph.width;
    for (int x = 0; x < glyph.width; ++x) {
      switch (bitmap.pixel_mode) {
        case FT_PIXEL_MODE_GRAY:
          dst[x] = static_cast<std::uint8_t>(
              bitmap.num_grays == 256 ? src[x] : src[x] * 255 / std::max(1, bitmap.num_grays - 1));
          break;
        case FT_PIXEL_MODE_MONO:
          dst[x] = (src[x >> 3] & (0x80 >> (x & 7))) ? 255 : 0;
          break;
        case FT_PIXEL_MODE_BGRA:
          dst[x] = src[x * 4 + 3];
          break;
        default:
          break;
      }
    }
  }
}

}  // namespace

// One face at one pixel size (with its synthetic styles), and the glyphs rendered from it.
class SizedFace {
 public:
  SizedFace(FT_Face face, FT_Size size, bool embolden, bool oblique)
      : face_(face), size_(size), embolden_(embolden), oblique_(oblique) {
    All().push_back(this);
  }

  unsigned IndexOf(char32_t code_point) const { return FT_Get_Char_Index(face_, code_point); }

  std::shared_ptr<const Glyph> Render(unsigned index) {
    auto it = glyphs_.find(index);
    if (it != glyphs_.end()) return it->second;
    auto glyph = std::make_shared<Glyph>();
    FT_Activate_Size(size_);
    // Light hinting snaps stems vertically only, which keeps small UI text crisp without
    // distorting the shapes; advances are rounded to whole pixels so layout is exact.
    if (FT_Load_Glyph(face_, index, FT_LOAD_TARGET_LIGHT) == 0) {
      FT_GlyphSlot slot = face_->glyph;
      if (embolden_) FT_GlyphSlot_Embolden(slot);
      if (oblique_ && slot->format == FT_GLYPH_FORMAT_OUTLINE) FT_GlyphSlot_Oblique(slot);
      glyph->advance = static_cast<int>((slot->advance.x + 32) >> 6);
      if (slot->format == FT_GLYPH_FORMAT_BITMAP ||
          FT_Render_Glyph(slot, FT_RENDER_MODE_LIGHT) == 0) {
        glyph->left = slot->bitmap_left;
        glyph->top = slot->bitmap_top;
        CopyBitmap(slot->bitmap, *glyph);
      }
    }
    const std::size_t bytes = glyph->coverage.size() + sizeof(Glyph);
    if (TotalBytes() + bytes > kAllGlyphCachesBytes) {
      for (SizedFace* face : All()) face->Forget();
    } else if (bytes_ + bytes > kGlyphCacheBytes) {
      Forget();
    }
    glyphs_.emplace(index, glyph);
    bytes_ += bytes;
    TotalBytes() += bytes;
    return glyph;
  }

 private:
  FT_Face face_;
  FT_Size size_;
  bool embolden_;
  bool oblique_;
  // Drops the rendered glyphs; glyphs already handed out stay alive with their users.
  void Forget() {
    TotalBytes() -= bytes_;
    glyphs_.clear();
    bytes_ = 0;
  }
  static std::vector<SizedFace*>& All() {
    static std::vector<SizedFace*> faces;
    return faces;
  }
  static std::size_t& TotalBytes() {
    static std::size_t bytes = 0;
    return bytes;
  }

  std::map<unsigned, std::shared_ptr<const Glyph>> glyphs_;
  std::size_t bytes_ = 0;
};

namespace {

// A face file at a pixel size, made once per (file, size, synthetic styles).
SizedFace* GetSizedFace(const FontFile& file, int pixel_size) {
  static std::map<std::pair<FontFile, int>, std::unique_ptr<SizedFace>> sizes;
  auto [it, inserted] = sizes.try_emplace({file, pixel_size}, nullptr);
  if (!inserted) return it->second.get();
  FT_Face face = LoadFace(file.path, file.index);
  if (!face) return nullptr;
  FT_Size size = nullptr;
  if (FT_New_Size(face, &size) != 0) return nullptr;
  FT_Activate_Size(size);
  if (FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_size)) != 0) {
    FT_Done_Size(size);
    return nullptr;
  }
  it->second = std::make_unique<SizedFace>(face, size, file.embolden, file.oblique);
  return it->second.get();
}

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

// Metrics for the case where no font file can be opened: text measures but draws nothing.
// A nominal face: an em of 1 with a cell of 1.25 (ascent 1, descent 0.25).
constexpr double kNominalCell = 1.25;

FontMetrics NominalMetrics(int height, int weight) {
  const int pixel_size = PixelSizeFor(height, kNominalCell, 1.0);
  FontMetrics m;
  m.ascent = pixel_size;
  m.descent = CeilToInt(pixel_size * 0.25);
  if (height > 0) {
    m.ascent = std::min(m.ascent, height);
    m.descent = height - m.ascent;
  }
  m.ave_char_width = std::max(1, pixel_size / 2);
  m.max_char_width = pixel_size;
  m.weight = NormalWeight(weight);
  return m;
}

}  // namespace

Font::Font(SizedFace* primary, FontMetrics metrics, int pixel_size, int weight, bool italic,
           std::string file)
    : primary_(primary),
      metrics_(metrics),
      pixel_size_(pixel_size),
      weight_(weight),
      italic_(italic),
      file_(std::move(file)) {}

std::shared_ptr<const Glyph> Font::GlyphFor(char32_t code_point) const {
  std::lock_guard lock(g_mutex);
  if (!primary_) {
    auto glyph = std::make_shared<Glyph>();
    glyph->advance = metrics_.ave_char_width;
    return glyph;
  }
  auto it = chars_.find(code_point);
  if (it == chars_.end()) {
    std::pair<SizedFace*, unsigned> source{primary_, primary_->IndexOf(code_point)};
    if (source.second == 0) {
      if (auto file = MatchFallbackFile(code_point, weight_, italic_)) {
        if (SizedFace* fallback = GetSizedFace(*file, pixel_size_)) {
          if (unsigned index = fallback->IndexOf(code_point)) source = {fallback, index};
        }
      }
    }
    it = chars_.emplace(code_point, source).first;
  }
  return it->second.first->Render(it->second.second);
}

std::shared_ptr<const Font> ResolveFont(const LogicalFont& logical) {
  std::lock_guard lock(g_mutex);
  using Key = std::tuple<std::string, int, int, bool>;
  static std::map<Key, std::shared_ptr<const Font>> fonts;
  const int weight = NormalWeight(logical.weight);
  const int height = logical.height == 0 ? kDefaultCellHeight : logical.height;
  const Key key{Lower(FamilyForFaceName(logical.face)), logical.height, weight, logical.italic};
  if (auto it = fonts.find(key); it != fonts.end()) return it->second;
  if (fonts.size() >= kMaxFonts) fonts.clear();

  std::shared_ptr<const Font> font;
  for (int attempt = 0; attempt < 2 && !font; ++attempt) {
    const std::optional<FontFile> file =
        attempt == 0 ? MatchFontFile(logical) : DefaultFontFile(weight, logical.italic);
    if (!file) continue;
    FT_Face face = LoadFace(file->path, file->index);
    if (!face) continue;
    const DesignCell cell = CellOf(face);
    const int pixel_size = PixelSizeFor(height, cell.ascent + cell.descent, face->units_per_EM);
    SizedFace* sized = GetSizedFace(*file, pixel_size);
    if (!sized) continue;
    font = std::make_shared<Font>(sized, ComputeMetrics(face, height, pixel_size, weight),
                                  pixel_size, weight, logical.italic, file->path);
  }
  if (!font) {
    font = std::make_shared<Font>(nullptr, NominalMetrics(height, weight),
                                  PixelSizeFor(height, kNominalCell, 1.0), weight, logical.italic,
                                  std::string());
  }
  fonts.emplace(key, font);
  return font;
}

const LogicalFont& SelectedFont(const DeviceContext& dc) {
  static const LogicalFont default_font;
  return dc.font ? *dc.font : default_font;
}

}  // namespace gfx::text
