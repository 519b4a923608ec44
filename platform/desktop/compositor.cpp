#include "platform/desktop/compositor.h"

#include <algorithm>

#include "platform/desktop/cursor_shapes.h"
#include "platform/win/input_state.h"
#include "platform/win/user32.h"
#include "platform/win/window_manager.h"

namespace desktop {

using namespace win32;

namespace {

// The surface seen as opaque pixels: window surfaces never carry transparency.
class OpaqueView {
 public:
  explicit OpaqueView(gfx::Bitmap& bitmap) {
    if (bitmap.width() > 0 && bitmap.height() > 0) {
      image_ = pixman_image_create_bits(PIXMAN_x8r8g8b8, bitmap.width(), bitmap.height(),
                                        bitmap.row(0), bitmap.stride_pixels() * 4);
    }
  }
  ~OpaqueView() {
    if (image_) pixman_image_unref(image_);
  }
  OpaqueView(const OpaqueView&) = delete;
  OpaqueView& operator=(const OpaqueView&) = delete;
  pixman_image_t* get() const { return image_; }

 private:
  pixman_image_t* image_ = nullptr;
};

bool Translucent(const win::Window& window) {
  return window.layered() && (window.alpha < 255 || window.has_color_key);
}

// The window's shape (its rectangle cut by its region) at `origin` in target coordinates.
gfx::Region Shape(const win::Window& window, POINT origin) {
  gfx::Region shape(origin.x, origin.y, origin.x + window.width(), origin.y + window.height());
  if (window.region) {
    gfx::Region cut = *window.region;
    cut.Offset(origin.x, origin.y);
    shape.Intersect(cut);
  }
  return shape;
}

// Copies a window's own surface onto `target`, within `clip` (target coordinates).
void DrawSurface(const win::Window& window, POINT origin, const gfx::Region& clip,
                 pixman_image_t* target) {
  if (clip.empty() || !window.surface) return;
  OpaqueView view(*window.surface);
  if (!view.get()) return;
  pixman_image_set_clip_region32(target, const_cast<pixman_region32_t*>(clip.raw()));
  pixman_image_composite32(PIXMAN_OP_SRC, view.get(), nullptr, target, 0, 0, 0, 0, origin.x,
                           origin.y, window.width(), window.height());
  pixman_image_set_clip_region32(target, nullptr);
}

// Copies a window and its children onto `target`, within `clip` (target coordinates).
void DrawTree(win::WindowManager& windows, win::Window& window, POINT origin,
              const gfx::Region& clip, pixman_image_t* target) {
  if (clip.empty() || !window.surface) return;
  DrawSurface(window, origin, clip, target);
  if (window.children.empty()) return;
  RECT client = windows.ClientInWindow(window);
  POINT client_origin{origin.x + client.left, origin.y + client.top};
  gfx::Region client_clip = clip;
  client_clip.Intersect(gfx::Region(client_origin.x, client_origin.y,
                                    client_origin.x + client.right - client.left,
                                    client_origin.y + client.bottom - client.top));
  for (auto it = window.children.rbegin(); it != window.children.rend(); ++it) {
    win::Window* child = windows.Find(*it);
    if (!child || !child->visible()) continue;
    POINT child_origin{client_origin.x + child->rect.left, client_origin.y + child->rect.top};
    gfx::Region child_clip = Shape(*child, child_origin);
    child_clip.Intersect(client_clip);
    DrawTree(windows, *child, child_origin, child_clip, target);
  }
}

}  // namespace

Compositor::Compositor(int width, int height)
    : screen_(std::make_unique<gfx::Bitmap>(width, height, 0xFF000000u)) {
  DamageAll();
}

void Compositor::Damage(const RECT& rect) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  damage_.Union(gfx::Region(rect));
  // Many scattered rectangles cost more to track than to recompose their bounds.
  if (damage_.rect_count() > 64) damage_ = gfx::Region(damage_.bounds());
}

void Compositor::DamageAll() {
  damage_ = gfx::Region(0, 0, screen_->width(), screen_->height());
}

const gfx::Bitmap& Compositor::Compose(win::Desktop& desktop) {
  win::PaintPendingWindows();
  damage_.Union(gfx::Region(cursor_rect_));
  gfx::Region area = damage_;
  area.Intersect(gfx::Region(0, 0, screen_->width(), screen_->height()));
  damage_.Clear();
  last_composed_ = area;
  if (!area.empty()) ComposeArea(desktop, area);
  cursor_rect_ = {};
  if (draw_cursor) {
    const win::InputState& input = desktop.input();
    cursor_rect_ = DrawCursor(*screen_, input, input.cursor.x, input.cursor.y);
  }
  return *screen_;
}

void Compositor::ComposeArea(win::Desktop& desktop, const gfx::Region& area) {
  win::WindowManager& windows = desktop.windows();
  struct Visible {
    win::Window* window;
    gfx::Region region;
  };
  // Front to back: what of each window shows; opaque windows hide what is behind them.
  std::vector<Visible> shown;
  gfx::Region remaining = area;
  for (HWND h : windows.top_level()) {
    win::Window* window = windows.Find(h);
    if (!window || !window->visible() || window->show_state == win::ShowState::kMinimized) {
      continue;
    }
    gfx::Region region = Shape(*window, {window->rect.left, window->rect.top});
    region.Intersect(remaining);
    if (region.empty()) continue;
    shown.push_back({window, region});
    if (!Translucent(*window)) remaining.Subtract(region);
    if (remaining.empty()) break;
  }
  pixman_image_t* target = screen_->image();
  // The wallpaper alone: its children are the top-level windows, drawn below in their turn
  // (a translucent one must not first land there opaque).
  DrawSurface(windows.desktop_window(), {0, 0}, remaining, target);
  // Back to front: each window onto what is below it.
  for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
    win::Window& window = *it->window;
    POINT origin{window.rect.left, window.rect.top};
    if (!Translucent(window)) {
      DrawTree(windows, window, origin, it->region, target);
      continue;
    }
    // A layered window is put together with its children first, then blended as one; its
    // colour-key pixels become clear.
    gfx::Bitmap scratch(window.width(), window.height(), 0xFF000000u);
    DrawTree(windows, window, {0, 0}, gfx::Region(0, 0, window.width(), window.height()),
             scratch.image());
    if (window.has_color_key) {
      gfx::Argb key = gfx::ArgbFromColorref(window.color_key);
      for (int y = 0; y < scratch.height(); ++y) {
        gfx::Argb* row = scratch.row(y);
        for (int x = 0; x < scratch.width(); ++x) {
          if ((row[x] | 0xFF000000u) == key) row[x] = 0;
        }
      }
    }
    if (scratch.width() == 0 || scratch.height() == 0) continue;
    pixman_color_t alpha{0, 0, 0, static_cast<std::uint16_t>(window.alpha * 257)};
    pixman_image_t* mask = pixman_image_create_solid_fill(&alpha);
    pixman_image_set_clip_region32(target, const_cast<pixman_region32_t*>(it->region.raw()));
    pixman_image_composite32(PIXMAN_OP_OVER, scratch.image(), mask, target, 0, 0, 0, 0, origin.x,
                             origin.y, window.width(), window.height());
    pixman_image_set_clip_region32(target, nullptr);
    pixman_image_unref(mask);
  }
}

}  // namespace desktop
