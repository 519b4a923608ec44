#include <array>

#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"

namespace gfx {

namespace {

constexpr int kStockCount = 18;

struct Stock {
  std::array<win32::HGDIOBJ, kStockCount> objects{};
  win32::HBITMAP default_bitmap = 0;
};

// Stock objects are made once, on first use, and can never be deleted.
const Stock& StockObjects() {
  static const Stock stock = [] {
    Stock s;
    auto& table = GdiObjects();
    auto brush = [&](vb::COLORREF c) { return table.Add(Brush{false, c, -1}, true); };
    auto pen = [&](int style, vb::COLORREF c) { return table.Add(Pen{style, 1, c}, true); };
    auto font = [&](std::string face, int height, int weight) {
      LogicalFont f;
      f.face = std::move(face);
      f.height = height;
      f.weight = weight;
      return table.Add(std::make_shared<const LogicalFont>(f), true);
    };
    s.objects[win32::WHITE_BRUSH] = brush(0xFFFFFF);
    s.objects[win32::LTGRAY_BRUSH] = brush(0xC0C0C0);
    s.objects[win32::GRAY_BRUSH] = brush(0x808080);
    s.objects[win32::DKGRAY_BRUSH] = brush(0x404040);
    s.objects[win32::BLACK_BRUSH] = brush(0x000000);
    s.objects[win32::NULL_BRUSH] = table.Add(Brush{true, 0, -1}, true);
    s.objects[win32::WHITE_PEN] = pen(win32::PS_SOLID, 0xFFFFFF);
    s.objects[win32::BLACK_PEN] = pen(win32::PS_SOLID, 0x000000);
    s.objects[win32::NULL_PEN] = pen(win32::PS_NULL, 0);
    s.objects[win32::SYSTEM_FONT] = font("System", 16, win32::FW_BOLD);
    s.objects[win32::DEFAULT_GUI_FONT] = font("MS Sans Serif", -11, win32::FW_NORMAL);
    s.default_bitmap = table.Add(std::make_shared<Bitmap>(1, 1), true);
    return s;
  }();
  return stock;
}

}  // namespace

void SelectDefaultObjects(DeviceContext& dc) {
  const Stock& stock = StockObjects();
  auto& table = GdiObjects();
  dc.pen_handle = stock.objects[win32::BLACK_PEN];
  dc.pen = *table.FindAs<Pen>(dc.pen_handle);
  dc.brush_handle = stock.objects[win32::WHITE_BRUSH];
  dc.brush = *table.FindAs<Brush>(dc.brush_handle);
  dc.font_handle = stock.objects[win32::SYSTEM_FONT];
  dc.font = *table.FindAs<std::shared_ptr<const LogicalFont>>(dc.font_handle);
  dc.bitmap_handle = stock.default_bitmap;
}

std::optional<vb::COLORREF> BrushColor(win32::HBRUSH handle) {
  if (handle >= 1 && handle <= static_cast<win32::HBRUSH>(vb::kSystemColorCount)) {
    return vb::GetSysColor(static_cast<int>(handle) - 1);
  }
  const Brush* brush = GdiObjects().FindAs<Brush>(handle);
  if (!brush || brush->hollow) return std::nullopt;
  if (brush->system_index >= 0) return vb::GetSysColor(brush->system_index);
  return brush->color;
}

}  // namespace gfx

namespace win32 {

HGDIOBJ GetStockObject(int index) {
  if (index < 0 || index >= gfx::kStockCount) return 0;
  return gfx::StockObjects().objects[static_cast<std::size_t>(index)];
}

}  // namespace win32
