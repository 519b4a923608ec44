// Picture loading: every format decodes to the right pixels in the right orientation, icons
// get their transparency, and bad input of any kind is error 481 without a crash.

#include <cstdio>  // jpeglib.h needs FILE and size_t declared first

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <jpeglib.h>
#include <png.h>
#include <zlib.h>

#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "platform/vb/error.h"
#include "platform/vb/std_picture.h"
#include "platform/vb/units.h"

namespace vb {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Pixels = std::vector<std::uint32_t>;

constexpr std::uint32_t kRed = 0xFFFF0000, kGreen = 0xFF00FF00, kBlue = 0xFF0000FF,
                        kWhite = 0xFFFFFFFF, kBlack = 0xFF000000, kCyan = 0xFF00FFFF;
// The 3x2 test picture, top row first: no two pixels alike, so a flip, a mirror or a red/blue
// swap all show.
const Pixels k3x2 = {kRed, kGreen, kBlue, kWhite, kBlack, kCyan};

void Put16(Bytes& b, std::uint32_t v) {
  b.push_back(v & 0xFF);
  b.push_back((v >> 8) & 0xFF);
}
void Put32(Bytes& b, std::uint32_t v) {
  Put16(b, v & 0xFFFF);
  Put16(b, v >> 16);
}
void Set32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 0xFF;
}
void SetBe32(Bytes& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (24 - 8 * i)) & 0xFF;
}
Bytes Cut(Bytes b, std::size_t size) {
  b.resize(size);
  return b;
}
Bytes Patched(Bytes b, std::size_t at, std::uint8_t v) {
  b.at(at) = v;
  return b;
}
std::size_t Find(const Bytes& b, std::initializer_list<std::uint8_t> what, std::size_t from = 0) {
  auto it = std::search(b.begin() + from, b.end(), what.begin(), what.end());
  EXPECT_NE(it, b.end());
  return static_cast<std::size_t>(it - b.begin());
}

// ---- BMP and icon DIBs, built by hand ----

struct Dib {
  int width = 3;
  int height = 2;  // negative: stored top down
  int bpp = 24;
  std::uint32_t header_size = 40;
  std::uint32_t compression = 0;
  Pixels palette = {};  // 0x00RRGGBB
  Pixels masks = {};    // after a 40-byte header, inside larger ones
  Pixels values = {};   // top row first: palette index, 0xRRGGBB (24 bpp) or the raw pixel
  Bytes rle = {};       // the bits, for the run-length compressions
  Bytes and_mask = {};  // icons: one 0/1 per pixel, top row first (empty: all 0)
};

// The info header, masks and colour table; `icon` doubles the stored height.
Bytes DibHeader(const Dib& d, bool icon) {
  Bytes b;
  const int stored_height = icon ? d.height * 2 : d.height;
  Put32(b, d.header_size);
  if (d.header_size == 12) {
    Put16(b, d.width);
    Put16(b, stored_height);
    Put16(b, 1);
    Put16(b, d.bpp);
  } else {
    Put32(b, d.width);
    Put32(b, static_cast<std::uint32_t>(stored_height));
    Put16(b, 1);
    Put16(b, d.bpp);
    Put32(b, d.compression);
    Put32(b, 0);
    Put32(b, 2835);
    Put32(b, 2835);
    Put32(b, static_cast<std::uint32_t>(d.palette.size()));
    Put32(b, 0);
    if (d.header_size > 40) {
      for (auto m : d.masks) Put32(b, m);
    }
    b.resize(d.header_size, 0);
    if (d.header_size == 40) {
      for (auto m : d.masks) Put32(b, m);
    }
  }
  for (auto c : d.palette) {
    b.push_back(c & 0xFF);
    b.push_back((c >> 8) & 0xFF);
    b.push_back((c >> 16) & 0xFF);
    if (d.header_size != 12) b.push_back(0);
  }
  return b;
}

// Rows of `bpp`-bit values in stored order (bottom up unless height < 0), padded to 4 bytes.
Bytes DibRows(int width, int height, int bpp, const Pixels& values) {
  Bytes b;
  const int rows = std::abs(height);
  for (int r = 0; r < rows; ++r) {
    const int y = height < 0 ? r : rows - 1 - r;
    Bytes row;
    unsigned acc = 0;
    int acc_bits = 0;
    for (int x = 0; x < width; ++x) {
      const std::uint32_t v = values.at(static_cast<std::size_t>(y * width + x));
      if (bpp < 8) {
        acc = acc << bpp | v;
        acc_bits += bpp;
        if (acc_bits == 8) row.push_back(acc), acc = 0, acc_bits = 0;
      } else {
        for (int i = 0; i < bpp / 8; ++i) row.push_back((v >> (8 * i)) & 0xFF);
      }
    }
    if (acc_bits) row.push_back(acc << (8 - acc_bits));
    row.resize((row.size() + 3) / 4 * 4, 0);
    b.insert(b.end(), row.begin(), row.end());
  }
  return b;
}

Bytes MakeBmp(const Dib& d) {
  const Bytes header = DibHeader(d, false);
  const Bytes bits = d.rle.empty() ? DibRows(d.width, d.height, d.bpp, d.values) : d.rle;
  Bytes b = {'B', 'M'};
  Put32(b, static_cast<std::uint32_t>(14 + header.size() + bits.size()));
  Put32(b, 0);
  Put32(b, static_cast<std::uint32_t>(14 + header.size()));
  b.insert(b.end(), header.begin(), header.end());
  b.insert(b.end(), bits.begin(), bits.end());
  return b;
}

Bytes MakeIconDib(const Dib& d) {
  Bytes b = DibHeader(d, true);
  const Bytes colour = DibRows(d.width, d.height, d.bpp, d.values);
  Bytes mask_values = d.and_mask;
  mask_values.resize(static_cast<std::size_t>(d.width * std::abs(d.height)), 0);
  const Bytes mask = DibRows(d.width, d.height, 1, Pixels(mask_values.begin(), mask_values.end()));
  b.insert(b.end(), colour.begin(), colour.end());
  b.insert(b.end(), mask.begin(), mask.end());
  return b;
}

// An ICO (type 1) or CUR (type 2) file holding the given images.
Bytes MakeIco(const std::vector<Bytes>& images, std::uint16_t type = 1) {
  Bytes b;
  Put16(b, 0);
  Put16(b, type);
  Put16(b, static_cast<std::uint32_t>(images.size()));
  std::size_t offset = 6 + 16 * images.size();
  for (const Bytes& image : images) {
    b.insert(b.end(), {0, 0, 0, 0});  // width, height, colours, reserved: the decoder reads the
    Put16(b, 1);                      // image's own header instead
    Put16(b, 32);
    Put32(b, static_cast<std::uint32_t>(image.size()));
    Put32(b, static_cast<std::uint32_t>(offset));
    offset += image.size();
  }
  for (const Bytes& image : images) b.insert(b.end(), image.begin(), image.end());
  return b;
}

Pixels Rgb(const Pixels& argb) {
  Pixels out;
  for (auto v : argb) out.push_back(v & 0xFFFFFF);
  return out;
}

// ---- PNG, GIF and JPEG through their own libraries ----

void AppendPng(png_structp png, png_bytep data, png_size_t n) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + n);
}
void FlushPng(png_structp) {}

struct PngImage {
  int width = 3, height = 2;
  int color_type = PNG_COLOR_TYPE_RGB_ALPHA;
  int bit_depth = 8;
  Bytes rows = {};  // packed rows, top first, no filter bytes
  std::vector<png_color> palette = {};
  Bytes trns = {};
  bool interlace = false;
};

// Holds no C++ object across the setjmp.
bool WritePng(const PngImage* image, png_bytepp rows, Bytes* out) {
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  if (setjmp(png_jmpbuf(png))) {
    png_destroy_write_struct(&png, &info);
    return false;
  }
  png_set_write_fn(png, out, AppendPng, FlushPng);
  png_set_IHDR(png, info, image->width, image->height, image->bit_depth, image->color_type,
               image->interlace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  if (!image->palette.empty()) {
    png_set_PLTE(png, info, image->palette.data(), static_cast<int>(image->palette.size()));
  }
  if (!image->trns.empty()) {
    png_set_tRNS(png, info, image->trns.data(), static_cast<int>(image->trns.size()), nullptr);
  }
  png_write_info(png, info);
  png_write_image(png, rows);
  png_write_end(png, nullptr);
  png_destroy_write_struct(&png, &info);
  return true;
}

Bytes EncodePng(PngImage image) {
  const std::size_t row_bytes = image.rows.size() / image.height;
  std::vector<png_bytep> rows;
  for (int y = 0; y < image.height; ++y) rows.push_back(image.rows.data() + y * row_bytes);
  Bytes out;
  EXPECT_TRUE(WritePng(&image, rows.data(), &out));
  return out;
}

Bytes RgbaRows(const Pixels& argb) {
  Bytes b;
  for (auto v : argb)
    b.insert(b.end(),
             {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v), std::uint8_t(v >> 24)});
  return b;
}

// The 3x2 picture as RGBA with its first pixel half transparent.
Bytes Png3x2() {
  Pixels p = k3x2;
  p[0] = 0x80FF0000;
  return EncodePng({.rows = RgbaRows(p)});
}
const Pixels kPng3x2Expected = {0x80800000, kGreen, kBlue, kWhite, kBlack, kCyan};

int AppendGif(GifFileType* gif, const GifByteType* data, int n) {
  auto* out = static_cast<Bytes*>(gif->UserData);
  out->insert(out->end(), data, data + n);
  return n;
}

struct GifImage {
  int screen_width = 3, screen_height = 2;
  int left = 0, top = 0, width = 3, height = 2;
  bool interlace = false;
  Pixels colors = Rgb(k3x2);           // padded to a power of two
  Bytes indices = {0, 1, 2, 3, 4, 5};  // frame rows, top first
  int transparent = NO_TRANSPARENT_COLOR;
  bool second_frame = false;  // a second frame painting everything with index 0
};

Bytes EncodeGif(const GifImage& g) {
  Bytes out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, AppendGif, &error);
  EXPECT_NE(gif, nullptr);
  std::vector<GifColorType> colors;
  for (auto c : g.colors)
    colors.push_back({GifByteType(c >> 16), GifByteType(c >> 8), GifByteType(c)});
  int count = 2;
  while (count < static_cast<int>(colors.size())) count *= 2;
  colors.resize(count, GifColorType{0, 0, 0});
  ColorMapObject* map = GifMakeMapObject(count, colors.data());
  EGifSetGifVersion(gif, true);
  EXPECT_EQ(EGifPutScreenDesc(gif, g.screen_width, g.screen_height, 8, 0, map), GIF_OK);
  if (g.transparent != NO_TRANSPARENT_COLOR) {
    GraphicsControlBlock gcb{};
    gcb.TransparentColor = g.transparent;
    GifByteType ext[4];
    EGifGCBToExtension(&gcb, ext);
    EXPECT_EQ(EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, ext), GIF_OK);
  }
  EXPECT_EQ(EGifPutImageDesc(gif, g.left, g.top, g.width, g.height, g.interlace, nullptr), GIF_OK);
  Bytes indices = g.indices;
  auto put_row = [&](int row) {
    EXPECT_EQ(EGifPutLine(gif, indices.data() + row * g.width, g.width), GIF_OK);
  };
  if (g.interlace) {
    const int start[4] = {0, 4, 2, 1}, step[4] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass) {
      for (int row = start[pass]; row < g.height; row += step[pass]) put_row(row);
    }
  } else {
    for (int row = 0; row < g.height; ++row) put_row(row);
  }
  if (g.second_frame) {
    EXPECT_EQ(EGifPutImageDesc(gif, 0, 0, g.screen_width, g.screen_height, false, nullptr), GIF_OK);
    Bytes zeros(static_cast<std::size_t>(g.screen_width), 0);
    for (int row = 0; row < g.screen_height; ++row) EGifPutLine(gif, zeros.data(), g.screen_width);
  }
  EGifCloseFile(gif, &error);
  GifFreeMapObject(map);
  return out;
}

// `samples` are top row first with `components` bytes a pixel; CMYK is stored as given (the
// library writes an Adobe marker, so readers take the values as inverted).
Bytes EncodeJpeg(int width, int height, J_COLOR_SPACE space, int components, Bytes samples) {
  jpeg_compress_struct cinfo;
  jpeg_error_mgr err;
  cinfo.err = jpeg_std_error(&err);
  jpeg_create_compress(&cinfo);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = width;
  cinfo.image_height = height;
  cinfo.input_components = components;
  cinfo.in_color_space = space;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, 100, TRUE);
  for (int i = 0; i < cinfo.num_components; ++i) {
    cinfo.comp_info[i].h_samp_factor = cinfo.comp_info[i].v_samp_factor = 1;
  }
  jpeg_start_compress(&cinfo, TRUE);
  for (int y = 0; y < height; ++y) {
    JSAMPROW row = samples.data() + static_cast<std::size_t>(y) * width * components;
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  jpeg_destroy_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  return out;
}

// A 16x16 JPEG of four flat 8x8 quadrants (top left, top right, bottom left, bottom right),
// each given as `components` sample bytes.
Bytes QuadrantJpeg(J_COLOR_SPACE space, int components, const std::vector<Bytes>& quadrants) {
  Bytes samples;
  for (int y = 0; y < 16; ++y) {
    for (int x = 0; x < 16; ++x) {
      const Bytes& q = quadrants[(y / 8) * 2 + x / 8];
      samples.insert(samples.end(), q.begin(), q.end());
    }
  }
  return EncodeJpeg(16, 16, space, components, samples);
}

Bytes RedJpeg() {
  return QuadrantJpeg(JCS_RGB, 3, {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}});
}

::testing::AssertionResult Near(std::uint32_t actual, std::uint32_t expected, int tolerance) {
  for (int shift = 0; shift < 32; shift += 8) {
    const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
    if (std::abs(a - e) > tolerance) {
      return ::testing::AssertionFailure()
             << std::hex << "0x" << actual << " is not near 0x" << expected;
    }
  }
  return ::testing::AssertionSuccess();
}

// ---- decoding ----

struct DecodeCase {
  std::string name;
  std::function<Bytes()> make;
  Pixels expected;  // 3x2 unless width and height say otherwise
  int width = 3;
  int height = 2;
};

void PrintTo(const DecodeCase& c, std::ostream* os) {
  *os << c.name;
}

class DecodeTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeTest, GivesThePixelsTopRowFirst) {
  const DecodeCase& c = GetParam();
  const PictureRef picture = LoadPictureFromMemory(c.make());
  ASSERT_NE(picture, nullptr);
  const PixelBuffer& pixels = *picture->Pixels();
  ASSERT_EQ(pixels.width, c.width);
  ASSERT_EQ(pixels.height, c.height);
  EXPECT_EQ(pixels.pixels, c.expected);
  bool transparent = false;
  for (auto v : c.expected) transparent |= (v >> 24) != 0xFF;
  EXPECT_EQ(pixels.has_transparency, transparent);
}

const Pixels kPalette6 = Rgb(k3x2);
const Pixels kIndex6 = {0, 1, 2, 3, 4, 5};

INSTANTIATE_TEST_SUITE_P(
    Bmp, DecodeTest,
    ::testing::Values(
        DecodeCase{"24bpp_bottom_up", [] { return MakeBmp({.values = Rgb(k3x2)}); }, k3x2},
        DecodeCase{"24bpp_top_down", [] { return MakeBmp({.height = -2, .values = Rgb(k3x2)}); },
                   k3x2},
        DecodeCase{"32bpp_ignores_the_fourth_byte",
                   [] {
                     Pixels v = Rgb(k3x2);
                     for (auto& p : v) p |= 0x12000000;
                     return MakeBmp({.bpp = 32, .values = v});
                   },
                   k3x2},
        DecodeCase{"32bpp_v5_alpha_mask",
                   [] {
                     Pixels v = k3x2;
                     v[0] = 0x80FF0000;
                     v[1] = 0x0000FF00;
                     return MakeBmp({.bpp = 32,
                                     .header_size = 124,
                                     .compression = 3,
                                     .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
                                     .values = v});
                   },
                   {0x80800000, 0, kBlue, kWhite, kBlack, kCyan}},
        DecodeCase{"32bpp_v5_alpha_all_zero_is_opaque",
                   [] {
                     return MakeBmp({.bpp = 32,
                                     .header_size = 124,
                                     .compression = 3,
                                     .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000},
                                     .values = Rgb(k3x2)});
                   },
                   k3x2},
        DecodeCase{"8bpp_palette",
                   [] {
                     Pixels reversed(kPalette6.rbegin(), kPalette6.rend());
                     return MakeBmp({.bpp = 8, .palette = reversed, .values = {5, 4, 3, 2, 1, 0}});
                   },
                   k3x2},
        DecodeCase{"4bpp_palette",
                   [] { return MakeBmp({.bpp = 4, .palette = kPalette6, .values = kIndex6}); },
                   k3x2},
        DecodeCase{"1bpp_palette",
                   [] {
                     return MakeBmp(
                         {.bpp = 1, .palette = {0xFF0000, 0x0000FF}, .values = {1, 0, 0, 0, 1, 1}});
                   },
                   {kBlue, kRed, kRed, kRed, kBlue, kBlue}},
        DecodeCase{
            "index_past_the_palette_is_black",
            [] {
              return MakeBmp({.bpp = 8, .palette = {0xFF0000}, .values = {0, 7, 0, 0, 200, 0}});
            },
            {kRed, kBlack, kRed, kRed, kBlack, kRed}},
        DecodeCase{
            "16bpp_555",
            [] {
              return MakeBmp({.bpp = 16, .values = {0x7C00, 0x03E0, 0x001F, 0x7FFF, 0, 0x03FF}});
            },
            k3x2},
        DecodeCase{"16bpp_565_bitfields",
                   [] {
                     return MakeBmp({.bpp = 16,
                                     .compression = 3,
                                     .masks = {0xF800, 0x07E0, 0x001F},
                                     .values = {0xF800, 0x07E0, 0x001F, 0xFFFF, 0, 0x07FF}});
                   },
                   k3x2},
        DecodeCase{"core_header_8bpp",
                   [] {
                     return MakeBmp(
                         {.bpp = 8, .header_size = 12, .palette = kPalette6, .values = kIndex6});
                   },
                   k3x2},
        DecodeCase{"rle8_runs_delta_and_literal",
                   [] {
                     // Bottom row: a literal run 3,4,5 (padded); top row: red, skip one, blue.
                     return MakeBmp(
                         {.bpp = 8,
                          .compression = 1,
                          .palette = kPalette6,
                          .rle = {0, 3, 3, 4, 5, 0, 0, 0, 1, 0, 0, 2, 1, 0, 1, 2, 0, 1}});
                   },
                   {kRed, kBlack, kBlue, kWhite, kBlack, kCyan}},
        DecodeCase{"rle4_runs_and_literal",
                   [] {
                     // Bottom row: a run alternating 3 and 4; top row: a literal 0,1,2.
                     return MakeBmp({.bpp = 4,
                                     .compression = 2,
                                     .palette = kPalette6,
                                     .rle = {3, 0x34, 0, 0, 0, 3, 0x01, 0x20, 0, 1}});
                   },
                   {kRed, kGreen, kBlue, kWhite, kBlack, kWhite}}),
    [](const auto& info) { return info.param.name; });

INSTANTIATE_TEST_SUITE_P(
    Png, DecodeTest,
    ::testing::Values(
        DecodeCase{"rgba_keeps_alpha_premultiplied", Png3x2, kPng3x2Expected},
        DecodeCase{"palette_with_trns",
                   [] {
                     PngImage p{.color_type = PNG_COLOR_TYPE_PALETTE, .rows = {0, 1, 2, 3, 4, 5}};
                     for (auto c : kPalette6)
                       p.palette.push_back({png_byte(c >> 16), png_byte(c >> 8), png_byte(c)});
                     p.trns = {255, 0};
                     return EncodePng(p);
                   },
                   {kRed, 0, kBlue, kWhite, kBlack, kCyan}},
        DecodeCase{"grey_16_bit",
                   [] {
                     return EncodePng(
                         {.color_type = PNG_COLOR_TYPE_GRAY,
                          .bit_depth = 16,
                          .rows = {0, 0, 0xFF, 0xFF, 0x80, 0x80, 0xFF, 0xFF, 0, 0, 0x40, 0x40}});
                   },
                   {kBlack, kWhite, 0xFF808080, kWhite, kBlack, 0xFF404040}},
        DecodeCase{"grey_1_bit",
                   [] {
                     return EncodePng({.color_type = PNG_COLOR_TYPE_GRAY,
                                       .bit_depth = 1,
                                       .rows = {0b10100000, 0b01000000}});
                   },
                   {kWhite, kBlack, kWhite, kBlack, kWhite, kBlack}},
        DecodeCase{"rgb_interlaced",
                   [] {
                     Bytes rows = {};
                     for (auto v : k3x2)
                       rows.insert(rows.end(),
                                   {std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)});
                     return EncodePng(
                         {.color_type = PNG_COLOR_TYPE_RGB, .rows = rows, .interlace = true});
                   },
                   k3x2}),
    [](const auto& info) { return info.param.name; });

// Ten rows of distinct greys: every pass of GIF interlacing holds at least one of them.
Pixels GreyRamp() {
  Pixels p;
  for (std::uint32_t i = 0; i < 10; ++i) p.push_back(0xFF000000 | (i * 25) * 0x010101);
  return p;
}

INSTANTIATE_TEST_SUITE_P(
    Gif, DecodeTest,
    ::testing::Values(
        DecodeCase{"frame_fills_the_screen", [] { return EncodeGif({}); }, k3x2},
        DecodeCase{"transparent_index",
                   [] { return EncodeGif({.transparent = 4}); },
                   {kRed, kGreen, kBlue, kWhite, 0, kCyan}},
        DecodeCase{
            "frame_inside_a_larger_screen",
            [] {
              return EncodeGif({.left = 1, .top = 1, .width = 2, .height = 1, .indices = {2, 5}});
            },
            {0, 0, 0, 0, kBlue, kCyan}},
        DecodeCase{"first_frame_only", [] { return EncodeGif({.second_frame = true}); }, k3x2},
        DecodeCase{"interlaced_rows_in_order",
                   [] {
                     return EncodeGif({.screen_width = 1,
                                       .screen_height = 10,
                                       .width = 1,
                                       .height = 10,
                                       .interlace = true,
                                       .colors = Rgb(GreyRamp()),
                                       .indices = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}});
                   },
                   GreyRamp(), 1, 10}),
    [](const auto& info) { return info.param.name; });

Bytes Icon4bppMasked() {
  return MakeIco({MakeIconDib(
      {.bpp = 4, .palette = kPalette6, .values = kIndex6, .and_mask = {0, 0, 1, 1, 0, 0}})});
}

INSTANTIATE_TEST_SUITE_P(
    Ico, DecodeTest,
    ::testing::Values(
        DecodeCase{"and_mask_makes_pixels_transparent",
                   Icon4bppMasked,
                   {kRed, kGreen, 0, 0, kBlack, kCyan}},
        DecodeCase{
            "24bpp_with_mask",
            [] {
              return MakeIco({MakeIconDib({.values = Rgb(k3x2), .and_mask = {1, 0, 0, 0, 0, 0}})});
            },
            {0, kGreen, kBlue, kWhite, kBlack, kCyan}},
        DecodeCase{"32bpp_alpha_wins_over_the_mask",
                   [] {
                     Pixels v = k3x2;
                     v[0] = 0x80FF0000;
                     v[5] = 0x0000FFFF;
                     return MakeIco(
                         {MakeIconDib({.bpp = 32, .values = v, .and_mask = Bytes(6, 1)})});
                   },
                   {0x80800000, kGreen, kBlue, kWhite, kBlack, 0}},
        DecodeCase{"32bpp_without_alpha_uses_the_mask",
                   [] {
                     return MakeIco({MakeIconDib(
                         {.bpp = 32, .values = Rgb(k3x2), .and_mask = {0, 1, 0, 0, 0, 0}})});
                   },
                   {kRed, 0, kBlue, kWhite, kBlack, kCyan}},
        DecodeCase{"top_down_dib",
                   [] {
                     return MakeIco({MakeIconDib(
                         {.height = -2, .values = Rgb(k3x2), .and_mask = {0, 0, 0, 0, 0, 1}})});
                   },
                   {kRed, kGreen, kBlue, kWhite, kBlack, 0}},
        DecodeCase{"embedded_png", [] { return MakeIco({Png3x2()}); }, kPng3x2Expected},
        DecodeCase{"cursor", [] { return MakeIco({MakeIconDib({.values = Rgb(k3x2)})}, 2); }, k3x2},
        DecodeCase{"largest_then_deepest",
                   [] {
                     return MakeIco(
                         {MakeIconDib({.bpp = 8, .palette = {0x00FF00}, .values = Pixels(6, 0)}),
                          MakeIconDib({.values = Rgb(k3x2)}),
                          MakeIconDib({.width = 1, .height = 1, .bpp = 32, .values = {kBlue}}),
                          MakeIconDib({.bpp = 4, .palette = {0x0000FF}, .values = Pixels(6, 0)})});
                   },
                   k3x2}),
    [](const auto& info) { return info.param.name; });

// JPEG is lossy: flat 8x8 quadrants come back within a few levels.
struct JpegCase {
  std::string name;
  std::function<Bytes()> make;
  Pixels quadrants;  // top left, top right, bottom left, bottom right
};

void PrintTo(const JpegCase& c, std::ostream* os) {
  *os << c.name;
}

class JpegTest : public ::testing::TestWithParam<JpegCase> {};

TEST_P(JpegTest, QuadrantsKeepTheirColours) {
  const PictureRef picture = LoadPictureFromMemory(GetParam().make());
  ASSERT_NE(picture, nullptr);
  const PixelBuffer& pixels = *picture->Pixels();
  ASSERT_EQ(pixels.width, 16);
  ASSERT_EQ(pixels.height, 16);
  EXPECT_FALSE(pixels.has_transparency);
  for (int q = 0; q < 4; ++q) {
    EXPECT_TRUE(Near(pixels.at(4 + 8 * (q % 2), 4 + 8 * (q / 2)), GetParam().quadrants[q], 6))
        << "quadrant " << q;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Jpeg, JpegTest,
    ::testing::Values(JpegCase{"rgb", RedJpeg, {kRed, kGreen, kBlue, kWhite}},
                      JpegCase{"grey",
                               [] {
                                 return QuadrantJpeg(JCS_GRAYSCALE, 1, {{0}, {85}, {170}, {255}});
                               },
                               {kBlack, 0xFF555555, 0xFFAAAAAA, kWhite}},
                      JpegCase{"cmyk_adobe_inverted",
                               [] {
                                 return QuadrantJpeg(JCS_CMYK, 4,
                                                     {{255, 0, 0, 255},
                                                      {0, 255, 0, 255},
                                                      {0, 0, 255, 255},
                                                      {255, 255, 255, 255}});
                               },
                               {kRed, kGreen, kBlue, kWhite}}),
    [](const auto& info) { return info.param.name; });

TEST(PictureTypeTest, IconsAreIconsAndTheRestBitmaps) {
  const struct {
    const char* name;
    Bytes data;
    PictureType type;
  } cases[] = {
      {"bmp", MakeBmp({.values = Rgb(k3x2)}), vbPicTypeBitmap},
      {"png", Png3x2(), vbPicTypeBitmap},
      {"gif", EncodeGif({}), vbPicTypeBitmap},
      {"jpeg", RedJpeg(), vbPicTypeBitmap},
      {"ico", Icon4bppMasked(), vbPicTypeIcon},
      {"cur", MakeIco({MakeIconDib({.values = Rgb(k3x2)})}, 2), vbPicTypeIcon},
  };
  for (const auto& c : cases) {
    const PictureRef picture = LoadPictureFromMemory(c.data);
    ASSERT_NE(picture, nullptr) << c.name;
    EXPECT_EQ(picture->Type(), c.type) << c.name;
    EXPECT_NE(picture->Handle(), 0u) << c.name;
  }
}

// ---- bad input ----

Bytes Bmp3x2() {
  return MakeBmp({.values = Rgb(k3x2)});
}

// A PNG whose IHDR claims another size, with the chunk's CRC made to match.
Bytes PngClaiming(std::uint32_t width, std::uint32_t height) {
  Bytes b = Png3x2();
  SetBe32(b, 16, width);
  SetBe32(b, 20, height);
  SetBe32(b, 29, static_cast<std::uint32_t>(crc32(0, b.data() + 12, 17)));
  return b;
}

struct BadCase {
  std::string name;
  std::function<Bytes()> make;
  std::string detail_prefix;  // names the decoder that refused the data
  PixelBuffer (*decoder)(std::span<const std::uint8_t>) = nullptr;  // LoadPictureFromMemory
};

void PrintTo(const BadCase& c, std::ostream* os) {
  *os << c.name;
}

class BadInputTest : public ::testing::TestWithParam<BadCase> {};

TEST_P(BadInputTest, IsInvalidPicture) {
  const BadCase& c = GetParam();
  const Bytes data = c.make();
  try {
    if (c.decoder) {
      c.decoder(data);
    } else {
      LoadPictureFromMemory(data);
    }
    FAIL() << "no error";
  } catch (const Error& e) {
    EXPECT_EQ(e.Number(), kInvalidPicture) << e.what();
    EXPECT_EQ(e.Detail().rfind(c.detail_prefix, 0), 0u) << e.what();
  }
}

INSTANTIATE_TEST_SUITE_P(
    All, BadInputTest,
    ::testing::Values(
        BadCase{"empty", [] { return Bytes{}; }, "empty data"},
        BadCase{"unknown_magic",
                [] {
                  return Bytes{'h', 'e', 'l', 'l', 'o'};
                },
                "unknown picture format"},
        BadCase{"magic_only",
                [] {
                  return Bytes{'B', 'M'};
                },
                "bmp:"},
        // BMP
        BadCase{"bmp_truncated_pixels", [] { return Cut(Bmp3x2(), Bmp3x2().size() - 4); }, "bmp:"},
        BadCase{"bmp_truncated_header", [] { return Cut(Bmp3x2(), 30); }, "bmp:"},
        BadCase{"bmp_bad_bit_depth", [] { return Patched(Bmp3x2(), 28, 7); }, "bmp:"},
        BadCase{"bmp_bad_header_size", [] { return Patched(Bmp3x2(), 14, 99); }, "bmp:"},
        BadCase{"bmp_100000_x_100000",
                [] {
                  Bytes b = Bmp3x2();
                  Set32(b, 18, 100000);
                  Set32(b, 22, 100000);
                  return b;
                },
                "bmp:"},
        BadCase{"bmp_zero_width",
                [] {
                  Bytes b = Bmp3x2();
                  Set32(b, 18, 0);
                  return b;
                },
                "bmp:"},
        BadCase{"bmp_most_negative_height",
                [] {
                  Bytes b = Bmp3x2();
                  Set32(b, 22, 0x80000000);
                  return b;
                },
                "bmp:"},
        BadCase{"bmp_pixel_offset_past_the_end",
                [] {
                  Bytes b = Bmp3x2();
                  Set32(b, 10, 5000);
                  return b;
                },
                "bmp:"},
        BadCase{"bmp_pixel_offset_inside_header",
                [] {
                  Bytes b = Bmp3x2();
                  Set32(b, 10, 20);
                  return b;
                },
                "bmp:"},
        BadCase{"bmp_bitfields_at_24bpp", [] { return Patched(Bmp3x2(), 30, 3); }, "bmp:"},
        BadCase{"bmp_huge_palette",
                [] {
                  Bytes b = MakeBmp({.bpp = 8, .palette = kPalette6, .values = kIndex6});
                  Set32(b, 46, 100000);
                  return b;
                },
                "bmp:"},
        BadCase{"bmp_rle_without_end",
                [] {
                  return MakeBmp(
                      {.bpp = 8, .compression = 1, .palette = kPalette6, .rle = {3, 1, 0, 0}});
                },
                "bmp:"},
        BadCase{"bmp_rle_literal_past_the_end",
                [] {
                  return MakeBmp(
                      {.bpp = 8, .compression = 1, .palette = kPalette6, .rle = {0, 200, 1, 2}});
                },
                "bmp:"},
        BadCase{
            "bmp_rle_top_down",
            [] {
              return MakeBmp(
                  {.height = -2, .bpp = 8, .compression = 1, .palette = kPalette6, .rle = {0, 1}});
            },
            "bmp:"},
        BadCase{"bmp_given_to_png", Bmp3x2, "png:", DecodePng},
        // PNG
        BadCase{"png_truncated", [] { return Cut(Png3x2(), Png3x2().size() / 2); }, "png:"},
        BadCase{"png_bad_header_crc", [] { return Patched(Png3x2(), 17, 0x42); }, "png:"},
        BadCase{"png_corrupt_image_data",
                [] {
                  Bytes b = Png3x2();
                  const std::size_t idat = Find(b, {'I', 'D', 'A', 'T'});
                  b[idat + 4] ^= 0xFF;  // the zlib header; the CRC no longer matches either
                  return b;
                },
                "png:"},
        BadCase{"png_100000_x_100000", [] { return PngClaiming(100000, 100000); }, "png:"},
        BadCase{"png_zero_width", [] { return PngClaiming(0, 2); }, "png:"},
        BadCase{"png_given_to_bmp", Png3x2, "bmp:", DecodeBmp},
        // GIF
        BadCase{"gif_truncated", [] { return Cut(EncodeGif({}), EncodeGif({}).size() - 6); },
                "gif:"},
        BadCase{"gif_header_only", [] { return Cut(EncodeGif({}), 6); }, "gif:"},
        BadCase{"gif_corrupt_record",
                [] {
                  Bytes b = EncodeGif({});
                  return Patched(b, Find(b, {','}, 13 + 3 * 8), 'X');
                },
                "gif:"},
        BadCase{"gif_zero_screen",
                [] {
                  Bytes b = EncodeGif({});
                  b[6] = b[7] = 0;
                  return b;
                },
                "gif:"},
        BadCase{"gif_no_image",
                [] {
                  Bytes b = Cut(EncodeGif({}), 13 + 3 * 8);
                  b.push_back(';');
                  return b;
                },
                "gif:"},
        // JPEG
        BadCase{"jpeg_truncated", [] { return Cut(RedJpeg(), RedJpeg().size() / 2); }, "jpeg:"},
        BadCase{"jpeg_bad_precision",
                [] {
                  Bytes b = RedJpeg();
                  return Patched(b, Find(b, {0xFF, 0xC0}) + 4, 3);
                },
                "jpeg:"},
        BadCase{"jpeg_zero_components",
                [] {
                  Bytes b = RedJpeg();
                  return Patched(b, Find(b, {0xFF, 0xC0}) + 9, 0);
                },
                "jpeg:"},
        BadCase{"jpeg_magic_only",
                [] {
                  return Bytes{0xFF, 0xD8, 0xFF};
                },
                "jpeg:"},
        // ICO
        BadCase{"ico_truncated_directory", [] { return Cut(Icon4bppMasked(), 12); }, "ico:"},
        BadCase{"ico_truncated_file",
                [] { return Cut(Icon4bppMasked(), Icon4bppMasked().size() - 2); }, "ico:"},
        BadCase{"ico_truncated_mask",
                [] {
                  const Bytes dib = MakeIconDib({.values = Rgb(k3x2)});
                  return MakeIco({Cut(dib, dib.size() - 2)});
                },
                "ico: icon mask truncated"},
        BadCase{"ico_no_images", [] { return Bytes{0, 0, 1, 0, 0, 0}; }, "ico:"},
        BadCase{"ico_image_outside_the_file",
                [] {
                  Bytes b = Icon4bppMasked();
                  Set32(b, 18, 100000);
                  return b;
                },
                "ico:"},
        BadCase{"ico_image_size_past_the_end",
                [] {
                  Bytes b = Icon4bppMasked();
                  Set32(b, 14, 0xFFFFFFFF);
                  return b;
                },
                "ico:"},
        BadCase{"ico_bad_bit_depth", [] { return Patched(Icon4bppMasked(), 22 + 14, 3); }, "ico:"},
        BadCase{"ico_100000_x_100000",
                [] {
                  Bytes b = Icon4bppMasked();
                  Set32(b, 22 + 4, 100000);
                  Set32(b, 22 + 8, 200000);
                  return b;
                },
                "ico:"},
        BadCase{"ico_run_length_image", [] { return Patched(Icon4bppMasked(), 22 + 16, 2); },
                "ico:"},
        BadCase{"ico_corrupt_embedded_png", [] { return MakeIco({Patched(Png3x2(), 17, 0x42)}); },
                "ico:"},
        BadCase{"ico_truncated_embedded_png",
                [] {
                  Bytes p = Png3x2();
                  return MakeIco({Cut(p, p.size() / 2)});
                },
                "ico:"}),
    [](const auto& info) { return info.param.name; });

// ---- files ----

class LoadPictureTest : public ::testing::Test {
 protected:
  void SetUp() override {
    saved_ = Display();
    SetDisplay({15, 15});
    dir_ = std::filesystem::path(::testing::TempDir()) /
           ("picture_test_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override {
    SetDisplay(saved_);
    std::filesystem::remove_all(dir_);
  }
  std::string Write(const std::string& name, const Bytes& data) {
    const std::filesystem::path path = dir_ / name;
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(data.data()),
               static_cast<std::streamsize>(data.size()));
    return path.string();
  }
  static Pixels Square16(std::uint32_t colour) { return Pixels(256, colour); }

  DisplayMetrics saved_;
  std::filesystem::path dir_;
};

TEST_F(LoadPictureTest, EmptyPathGivesNoPicture) {
  EXPECT_EQ(LoadPicture(""), nullptr);
}

TEST_F(LoadPictureTest, MissingFileOrDirectoryIsFileNotFound) {
  for (const std::string& path : {(dir_ / "missing.bmp").string(), dir_.string()}) {
    try {
      LoadPicture(path);
      ADD_FAILURE() << path << ": no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.Number(), kFileNotFound) << path;
      EXPECT_EQ(e.Detail(), path);
    }
  }
}

TEST_F(LoadPictureTest, SizeIsInHimetricAtTheDisplayDpi) {
  const std::string bmp =
      Write("a.bmp", MakeBmp({.width = 16, .height = 16, .values = Square16(0xFF0000)}));
  const std::string ico =
      Write("a.ico", MakeIco({MakeIconDib({.width = 16, .height = 16, .values = Square16(0xFF)})}));
  const struct {
    float twips_per_pixel;
    long himetric;  // 16 px * 2540 / dpi, rounded
  } cases[] = {{15, 423}, {12, 339}};
  for (const auto& c : cases) {
    SetDisplay({c.twips_per_pixel, c.twips_per_pixel});
    for (const std::string& path : {bmp, ico}) {
      const PictureRef picture = LoadPicture(path);
      ASSERT_NE(picture, nullptr);
      EXPECT_EQ(picture->PixelWidth(), 16);
      EXPECT_EQ(picture->Width(), c.himetric) << path << " at " << c.twips_per_pixel;
      EXPECT_EQ(picture->Height(), c.himetric) << path << " at " << c.twips_per_pixel;
    }
  }
  EXPECT_EQ(LoadPicture(bmp)->Type(), vbPicTypeBitmap);
  EXPECT_EQ(LoadPicture(ico)->Type(), vbPicTypeIcon);
}

TEST_F(LoadPictureTest, BadFilesAreInvalidPictureNamingTheFile) {
  const std::string corrupt = Write("corrupt.png", Cut(Png3x2(), 20));
  const std::string huge = (dir_ / "huge.bmp").string();
  Write("huge.bmp", Bmp3x2());
  std::filesystem::resize_file(huge, 64u * 1024 * 1024 + 1);  // sparse: nothing is written
  for (const std::string& path : {corrupt, huge}) {
    try {
      LoadPicture(path);
      ADD_FAILURE() << path << ": no error";
    } catch (const Error& e) {
      EXPECT_EQ(e.Number(), kInvalidPicture) << path;
      EXPECT_NE(e.Detail().find(path), std::string::npos) << e.what();
    }
  }
}

}  // namespace
}  // namespace vb
