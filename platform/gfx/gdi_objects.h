#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <variant>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/vb/ole_color.h"

namespace win32 {

using vb::COLORREF;
// GDI handles are plain 32-bit values, as the form engine's Long declarations pass them.
using HGDIOBJ = std::uint32_t;
using HRGN = HGDIOBJ;
using HBRUSH = HGDIOBJ;
using HPEN = HGDIOBJ;
using HFONT = HGDIOBJ;
using HBITMAP = HGDIOBJ;
using HDC = HGDIOBJ;

}  // namespace win32

namespace gfx {

class DeviceContext;

struct Brush {
  bool hollow = false;
  vb::COLORREF color = 0;
  // A system colour brush follows the desktop scheme: its colour is read when it draws.
  int system_index = -1;
};

struct Pen {
  int style = 0;  // PS_SOLID, PS_DASH, ..., PS_NULL
  int width = 1;
  vb::COLORREF color = 0;
};

// A logical font as the platform describes one (the LOGFONT fields the library needs).
struct LogicalFont {
  std::string face = "MS Sans Serif";
  // Negative: character height in pixels; positive: cell height; 0: the default height.
  int height = 0;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strikeout = false;
  int charset = 0;
  bool operator==(const LogicalFont&) const = default;
};

using GdiObject = std::variant<Region, Brush, Pen, std::shared_ptr<const LogicalFont>,
                               std::shared_ptr<Bitmap>, std::shared_ptr<DeviceContext>>;

// Every live GDI object of the process, by handle. Handles are never reused, so a stale
// handle finds nothing rather than someone else's object.
class GdiObjectTable {
 public:
  win32::HGDIOBJ Add(GdiObject object, bool permanent = false);
  GdiObject* Find(win32::HGDIOBJ handle);
  template <typename T>
  T* FindAs(win32::HGDIOBJ handle) {
    GdiObject* object = Find(handle);
    return object ? std::get_if<T>(object) : nullptr;
  }
  // False for an unknown handle and for a stock (permanent) object.
  bool Remove(win32::HGDIOBJ handle);
  bool IsPermanent(win32::HGDIOBJ handle) const;
  std::size_t size() const { return objects_.size(); }

 private:
  struct Entry {
    GdiObject object;
    bool permanent;
  };
  std::unordered_map<win32::HGDIOBJ, Entry> objects_;
  win32::HGDIOBJ next_ = 0x100;
};

// The process's table (the platform's GDI is process-wide).
GdiObjectTable& GdiObjects();

DeviceContext* FindDeviceContext(win32::HDC hdc);

// The colour a brush paints with now (system brushes follow the scheme), or none for a
// hollow brush. A handle from 1 to 31 stands for the system colour one below it, as the
// platform's FillRect accepts.
std::optional<vb::COLORREF> BrushColor(win32::HBRUSH brush);

// Gives a new device context the stock pen, brush, font and bitmap.
void SelectDefaultObjects(DeviceContext& dc);

}  // namespace gfx
