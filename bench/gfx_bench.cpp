// Drawing-layer benchmarks. Each operation runs beside a plain memset or memcpy of the same
// number of bytes, so results read as a ratio to the machine's memory speed.

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <vector>

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"

namespace {

using namespace win32;

constexpr int kW = 800;
constexpr int kH = 600;

struct Canvas {
  std::shared_ptr<gfx::Bitmap> bitmap;
  HDC hdc;
  Canvas(int w, int h) : bitmap(std::make_shared<gfx::Bitmap>(w, h)) {
    hdc = gfx::CreateDeviceContext(bitmap);
  }
  ~Canvas() { DeleteDC(hdc); }
};

void SetBytes(benchmark::State& state, std::size_t bytes) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_FillRect800x600(benchmark::State& state) {
  Canvas c(kW, kH);
  HBRUSH brush = CreateSolidBrush(vb::RGB(10, 20, 30));
  const RECT r{0, 0, kW, kH};
  for (auto _ : state) {
    FillRect(c.hdc, &r, brush);
    benchmark::DoNotOptimize(c.bitmap->row(0));
  }
  DeleteObject(brush);
  SetBytes(state, std::size_t{kW} * kH * 4);
}
BENCHMARK(BM_FillRect800x600);

void BM_Memset800x600(benchmark::State& state) {
  std::vector<std::uint32_t> buffer(std::size_t{kW} * kH);
  for (auto _ : state) {
    std::memset(buffer.data(), 0x5A, buffer.size() * 4);
    benchmark::DoNotOptimize(buffer.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, buffer.size() * 4);
}
BENCHMARK(BM_Memset800x600);

void BM_BitBlt800x600(benchmark::State& state) {
  Canvas src(kW, kH), dst(kW, kH);
  for (auto _ : state) {
    BitBlt(dst.hdc, 0, 0, kW, kH, src.hdc, 0, 0, SRCCOPY);
    benchmark::DoNotOptimize(dst.bitmap->row(0));
  }
  SetBytes(state, std::size_t{kW} * kH * 4);
}
BENCHMARK(BM_BitBlt800x600);

void BM_Memcpy800x600(benchmark::State& state) {
  std::vector<std::uint32_t> a(std::size_t{kW} * kH, 1), b(std::size_t{kW} * kH);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), a.size() * 4);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, a.size() * 4);
}
BENCHMARK(BM_Memcpy800x600);

vb::PixelBuffer ButtonPicture() {
  vb::PixelBuffer p;
  p.width = 18;
  p.height = 21;
  p.pixels.assign(18 * 21, 0xFF8090A0u);
  return p;
}

// Nine slices: 3-pixel corners, edges stretched along their length, the centre both ways.
void NineSlice(gfx::DeviceContext& dc, const gfx::PixelSource& s, int w, int h) {
  const int c = 3, sw = 18, sh = 21;
  gfx::StretchPixels(dc, 0, 0, c, c, s, 0, 0, c, c);
  gfx::StretchPixels(dc, w - c, 0, c, c, s, sw - c, 0, c, c);
  gfx::StretchPixels(dc, w - c, h - c, c, c, s, sw - c, sh - c, c, c);
  gfx::StretchPixels(dc, 0, h - c, c, c, s, 0, sh - c, c, c);
  gfx::StretchPixels(dc, c, 0, w - 2 * c, c, s, c, 0, sw - 2 * c, c);
  gfx::StretchPixels(dc, w - c, c, c, h - 2 * c, s, sw - c, c, c, sh - 2 * c);
  gfx::StretchPixels(dc, 0, c, c, h - 2 * c, s, 0, c, c, sh - 2 * c);
  gfx::StretchPixels(dc, c, h - c, w - 2 * c, c, s, c, sh - c, sw - 2 * c, c);
  gfx::StretchPixels(dc, c, c, w - 2 * c, h - 2 * c, s, c, c, sw - 2 * c, sh - 2 * c);
}

void BM_NineSlice(benchmark::State& state) {
  const int w = static_cast<int>(state.range(0));
  const int h = static_cast<int>(state.range(1));
  Canvas c(w, h);
  const vb::PixelBuffer picture = ButtonPicture();
  const auto source = gfx::PixelSource::From(picture);
  gfx::DeviceContext& dc = *gfx::FindDeviceContext(c.hdc);
  for (auto _ : state) {
    NineSlice(dc, source, w, h);
    benchmark::DoNotOptimize(c.bitmap->row(0));
  }
  SetBytes(state, std::size_t(w) * h * 4);
}
BENCHMARK(BM_NineSlice)->Args({113, 61})->Args({kW, kH});

void BM_MemcpyOfSize(benchmark::State& state) {
  const std::size_t n = std::size_t(state.range(0)) * std::size_t(state.range(1));
  std::vector<std::uint32_t> a(n, 1), b(n);
  for (auto _ : state) {
    std::memcpy(b.data(), a.data(), n * 4);
    benchmark::DoNotOptimize(b.data());
    benchmark::ClobberMemory();
  }
  SetBytes(state, n * 4);
}
BENCHMARK(BM_MemcpyOfSize)->Args({113, 61})->Args({kW, kH})->Args({160, 16});

constexpr const char* kCaption = "Quorin Mail - Inbox ";  // 20 characters

void BM_MeasureCaption(benchmark::State& state) {
  Canvas c(200, 20);
  vb::StdFont font("Arial", 9, true);
  HFONT hfont = gfx::CreateFontFromStdFont(font);
  SelectObject(c.hdc, hfont);
  SIZE size{};
  for (auto _ : state) {
    GetTextExtentPoint32A(c.hdc, kCaption, -1, &size);
    benchmark::DoNotOptimize(size);
  }
  DeleteObject(hfont);
}
BENCHMARK(BM_MeasureCaption);

void BM_DrawCaption(benchmark::State& state) {
  Canvas c(200, 20);
  vb::StdFont font("Arial", 9, true);
  HFONT hfont = gfx::CreateFontFromStdFont(font);
  SelectObject(c.hdc, hfont);
  SetBkMode(c.hdc, TRANSPARENT);
  for (auto _ : state) {
    RECT r{0, 0, 200, 20};
    DrawTextA(c.hdc, kCaption, -1, &r, DT_SINGLELINE | DT_VCENTER);
    benchmark::DoNotOptimize(c.bitmap->row(0));
  }
  DeleteObject(hfont);
  SetBytes(state, std::size_t{160} * 16 * 4);
}
BENCHMARK(BM_DrawCaption);

}  // namespace
