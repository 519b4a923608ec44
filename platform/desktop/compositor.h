#pragma once

#include <memory>

#include "platform/gfx/bitmap.h"
#include "platform/gfx/region.h"
#include "platform/win/desktop.h"
#include "platform/win/window.h"

namespace desktop {

// Renders the screen: the desktop window's wallpaper, the top-level windows in z-order with
// their children, regions and layered opacity, and the cursor. It keeps the last screen
// and recomposes only the parts reported damaged.
class Compositor {
 public:
  Compositor(int width, int height);

  void Damage(const win32::RECT& rect);
  void DamageAll();
  // Paints what windows wait to paint, recomposes the damaged area and draws the cursor.
  const gfx::Bitmap& Compose(win::Desktop& desktop);
  const gfx::Bitmap& screen() const { return *screen_; }
  bool draw_cursor = true;
  // The area recomposed by the last Compose, for tests and benchmarks.
  const gfx::Region& last_composed() const { return last_composed_; }

 private:
  void ComposeArea(win::Desktop& desktop, const gfx::Region& area);
  void DrawWindow(win::Desktop& desktop, win::Window& window, win32::POINT origin,
                  const gfx::Region& clip, pixman_image_t* target, win32::POINT target_origin);

  std::unique_ptr<gfx::Bitmap> screen_;
  gfx::Region damage_;
  gfx::Region last_composed_;
  win32::RECT cursor_rect_{};
};

}  // namespace desktop
