#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/gfx/bitmap.h"
#include "platform/vb/ole_color.h"
#include "platform/vb/std_font.h"
#include "platform/vb/std_picture.h"
#include "platform/win/user32.h"

namespace host {

// The drawing members a picture box, a user control and a form share: a persistent image
// (AutoRedraw) that hDC draws on, its scale, Cls, PaintPicture, text measuring, colours,
// background picture and font. The window shows the image with the windowless children on
// top; without AutoRedraw hDC draws on the window itself and Paint redraws it.
class DrawingSurface {
 public:
  DrawingSurface();
  virtual ~DrawingSurface();
  DrawingSurface(const DrawingSurface&) = delete;
  DrawingSurface& operator=(const DrawingSurface&) = delete;

  win32::HDC hDC();
  bool AutoRedraw() const { return auto_redraw_; }
  void AutoRedraw(bool value);
  std::int16_t ScaleMode() const { return scale_mode_; }
  void ScaleMode(std::int16_t value);
  float ScaleWidth() const;
  float ScaleHeight() const;
  // Converts a width or height between scales; the defaults are HIMETRIC to ScaleMode.
  float ScaleX(float width, std::optional<std::int16_t> from = {},
               std::optional<std::int16_t> to = {}) const;
  float ScaleY(float height, std::optional<std::int16_t> from = {},
               std::optional<std::int16_t> to = {}) const;
  // Clears to BackColor, with Picture at the top-left corner; CurrentX and Y go to 0.
  void Cls();
  // Draws a picture or a part of it stretched to a destination rectangle, in ScaleMode units.
  // Error 5 for a missing picture.
  void PaintPicture(const vb::PictureRef& picture, float x1, float y1,
                    std::optional<float> width1 = {}, std::optional<float> height1 = {},
                    std::optional<float> x2 = {}, std::optional<float> y2 = {},
                    std::optional<float> width2 = {}, std::optional<float> height2 = {});
  // Shows the image (and the windowless children) now.
  void Refresh();

  vb::OLE_COLOR BackColor() const { return back_color_; }
  void BackColor(vb::OLE_COLOR value);
  vb::OLE_COLOR ForeColor() const { return fore_color_; }
  void ForeColor(vb::OLE_COLOR value);
  const vb::PictureRef& Picture() const { return picture_; }
  void Picture(vb::PictureRef value);
  const vb::FontRef& Font() const { return font_; }
  void Font(vb::FontRef value);
  float CurrentX() const { return current_x_; }
  void CurrentX(float value) { current_x_ = value; }
  float CurrentY() const { return current_y_; }
  void CurrentY(float value) { current_y_ = value; }
  // Size of a text in the surface's font, in ScaleMode units.
  float TextWidth(const std::string& text);
  float TextHeight(const std::string& text);

  // A scale value to pixels of the surface, and back.
  int ToPixelX(float value) const;
  int ToPixelY(float value) const;
  float FromPixelX(float pixels) const;
  float FromPixelY(float pixels) const;

  // The persistent image (tests read its pixels).
  const gfx::Bitmap& image() const { return *image_; }

 protected:
  virtual win32::HWND SurfaceWindow() const = 0;
  // Pixel offset of the surface's origin inside the window's client area.
  virtual win32::POINT SurfaceOrigin() const { return {0, 0}; }
  virtual win32::SIZE SurfaceSize() const = 0;
  // What lies over the image: the windowless children (and a form's menu bar).
  virtual void DrawOverImage(win32::HDC /*window_dc*/) {}
  // Paint for a surface without AutoRedraw.
  virtual void RaisePaint() {}
  // The window needs its pixels again (WM_PAINT) or the windowless children changed.
  void PaintWindow();
  void InvalidateSurface();
  // The surface changed size: the image follows, keeping its content.
  void SurfaceResized();

 private:
  void EnsureImage();
  void FillBackground(win32::HDC hdc, int width, int height);

  std::shared_ptr<gfx::Bitmap> image_;
  win32::HDC image_dc_ = 0;
  bool auto_redraw_ = false;
  std::int16_t scale_mode_ = 1;
  vb::OLE_COLOR back_color_ = 0x8000000F;
  vb::OLE_COLOR fore_color_ = 0x80000012;
  vb::PictureRef picture_;
  vb::FontRef font_ = std::make_shared<vb::StdFont>();
  float current_x_ = 0;
  float current_y_ = 0;
  bool painting_ = false;
};

}  // namespace host
