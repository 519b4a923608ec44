#include "platform/host/control/surface.h"

#include <algorithm>
#include <cmath>

#include "platform/gfx/blit.h"
#include "platform/gfx/device_context.h"
#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/control/control.h"
#include "platform/vb/error.h"
#include "platform/vb/units.h"

namespace host {

namespace {

// Where the client area starts inside the window's surface: the client DC's own origin,
// which the engine's offsets add to.
win32::POINT ClientBase(win32::HWND hwnd) {
  win32::RECT window;
  win32::GetWindowRect(hwnd, &window);
  win32::POINT client{0, 0};
  win32::ClientToScreen(hwnd, &client);
  return {client.x - window.left, client.y - window.top};
}

void SetOrigin(win32::HDC dc, win32::POINT base, win32::POINT offset) {
  win32::SetViewportOrgEx(dc, base.x + offset.x, base.y + offset.y, nullptr);
}

}  // namespace

DrawingSurface::DrawingSurface() : image_(std::make_shared<gfx::Bitmap>(1, 1)) {}

DrawingSurface::~DrawingSurface() {
  if (image_dc_) win32::DeleteDC(image_dc_);
}

void DrawingSurface::EnsureImage() {
  if (!image_dc_) {
    image_dc_ = gfx::CreateDeviceContext(image_);
    FillBackground(image_dc_, image_->width(), image_->height());
  }
}

void DrawingSurface::SurfaceResized() {
  win32::SIZE size = SurfaceSize();
  int w = std::max<int>(1, size.cx);
  int h = std::max<int>(1, size.cy);
  if (w == image_->width() && h == image_->height()) return;
  int old_w = image_->width();
  int old_h = image_->height();
  image_->Resize(w, h, gfx::ArgbFromColorref(vb::TranslateColor(back_color_)));
  if (gfx::DeviceContext* dc = gfx::FindDeviceContext(image_dc_)) dc->set_target(image_);
  // New parts show the background picture as well.
  if (image_dc_ && !vb::IsEmpty(picture_) && (w > old_w || h > old_h)) {
    gfx::DeviceContext* dc = gfx::FindDeviceContext(image_dc_);
    if (dc) {
      gfx::StretchPixels(*dc, 0, 0, picture_->PixelWidth(), picture_->PixelHeight(),
                         gfx::PixelSource::From(*picture_->Pixels()), 0, 0, picture_->PixelWidth(),
                         picture_->PixelHeight());
    }
  }
  InvalidateSurface();
}

win32::HDC DrawingSurface::hDC() {
  if (auto_redraw_) {
    EnsureImage();
    return image_dc_;
  }
  win32::HWND hwnd = SurfaceWindow();
  if (!hwnd) {
    EnsureImage();
    return image_dc_;
  }
  win32::HDC dc = win32::GetDC(hwnd);
  SetOrigin(dc, ClientBase(hwnd), SurfaceOrigin());
  return dc;
}

void DrawingSurface::AutoRedraw(bool value) {
  if (auto_redraw_ == value) return;
  auto_redraw_ = value;
  if (value) {
    EnsureImage();
    Cls();
  }
  InvalidateSurface();
}

void DrawingSurface::ScaleMode(std::int16_t value) {
  if (TwipsPerUnit(value, true) == 0) throw vb::Error(vb::kInvalidPropertyValue);
  scale_mode_ = value;
}

int DrawingSurface::ToPixelX(float value) const {
  return static_cast<int>(
      std::floor(value * TwipsPerUnit(scale_mode_, true) / vb::Display().twips_per_pixel_x + 0.5f));
}
int DrawingSurface::ToPixelY(float value) const {
  return static_cast<int>(std::floor(
      value * TwipsPerUnit(scale_mode_, false) / vb::Display().twips_per_pixel_y + 0.5f));
}
float DrawingSurface::FromPixelX(float pixels) const {
  return pixels * vb::Display().twips_per_pixel_x / TwipsPerUnit(scale_mode_, true);
}
float DrawingSurface::FromPixelY(float pixels) const {
  return pixels * vb::Display().twips_per_pixel_y / TwipsPerUnit(scale_mode_, false);
}

float DrawingSurface::ScaleWidth() const {
  return FromPixelX(static_cast<float>(SurfaceSize().cx));
}
float DrawingSurface::ScaleHeight() const {
  return FromPixelY(static_cast<float>(SurfaceSize().cy));
}

float DrawingSurface::ScaleX(float width, std::optional<std::int16_t> from,
                             std::optional<std::int16_t> to) const {
  return ConvertScale(width, from.value_or(vbHimetric), to.value_or(scale_mode_), true);
}
float DrawingSurface::ScaleY(float height, std::optional<std::int16_t> from,
                             std::optional<std::int16_t> to) const {
  return ConvertScale(height, from.value_or(vbHimetric), to.value_or(scale_mode_), false);
}

void DrawingSurface::FillBackground(win32::HDC hdc, int width, int height) {
  win32::HBRUSH brush = win32::CreateSolidBrush(vb::TranslateColor(back_color_));
  win32::RECT r{0, 0, width, height};
  win32::FillRect(hdc, &r, brush);
  win32::DeleteObject(brush);
  if (!vb::IsEmpty(picture_)) {
    if (gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc)) {
      win32::POINT o = dc->origin;
      gfx::StretchPixels(*dc, 0, 0, picture_->PixelWidth(), picture_->PixelHeight(),
                         gfx::PixelSource::From(*picture_->Pixels()), 0, 0, picture_->PixelWidth(),
                         picture_->PixelHeight());
      dc->origin = o;
    }
  }
}

void DrawingSurface::Cls() {
  current_x_ = 0;
  current_y_ = 0;
  if (auto_redraw_ || !SurfaceWindow()) {
    EnsureImage();
    FillBackground(image_dc_, image_->width(), image_->height());
  }
  InvalidateSurface();
}

void DrawingSurface::PaintPicture(const vb::PictureRef& picture, float x1, float y1,
                                  std::optional<float> width1, std::optional<float> height1,
                                  std::optional<float> x2, std::optional<float> y2,
                                  std::optional<float> width2, std::optional<float> height2) {
  if (vb::IsEmpty(picture)) throw vb::Error(vb::kInvalidProcedureCall);
  const int pw = picture->PixelWidth();
  const int ph = picture->PixelHeight();
  int dx = ToPixelX(x1);
  int dy = ToPixelY(y1);
  int dw = width1 ? ToPixelX(*width1) : pw;
  int dh = height1 ? ToPixelY(*height1) : ph;
  int sx = x2 ? ToPixelX(*x2) : 0;
  int sy = y2 ? ToPixelY(*y2) : 0;
  int sw = width2 ? ToPixelX(*width2) : pw - sx;
  int sh = height2 ? ToPixelY(*height2) : ph - sy;
  win32::HDC hdc = hDC();
  gfx::DeviceContext* dc = gfx::FindDeviceContext(hdc);
  if (!dc) return;
  gfx::StretchPixels(*dc, dx, dy, dw, dh, gfx::PixelSource::From(*picture->Pixels()), sx, sy, sw,
                     sh);
  if (!auto_redraw_) return;
  InvalidateSurface();
}

void DrawingSurface::Refresh() {
  PaintWindow();
}

void DrawingSurface::BackColor(vb::OLE_COLOR value) {
  back_color_ = value;
  Cls();
}

void DrawingSurface::ForeColor(vb::OLE_COLOR value) {
  fore_color_ = value;
}

void DrawingSurface::Picture(vb::PictureRef value) {
  picture_ = std::move(value);
  Cls();
}

void DrawingSurface::Font(vb::FontRef value) {
  if (!value) throw vb::Error(vb::kInvalidPropertyValue);
  font_ = std::move(value);
}

float DrawingSurface::TextWidth(const std::string& text) {
  EnsureImage();
  win32::HFONT font = gfx::CreateFontFromStdFont(*font_);
  win32::HGDIOBJ old = win32::SelectObject(image_dc_, font);
  win32::SIZE size{};
  win32::GetTextExtentPoint32A(image_dc_, text, -1, &size);
  win32::SelectObject(image_dc_, old);
  win32::DeleteObject(font);
  return FromPixelX(static_cast<float>(size.cx));
}

float DrawingSurface::TextHeight(const std::string& text) {
  EnsureImage();
  win32::HFONT font = gfx::CreateFontFromStdFont(*font_);
  win32::HGDIOBJ old = win32::SelectObject(image_dc_, font);
  win32::TEXTMETRICA tm;
  win32::GetTextMetricsA(image_dc_, &tm);
  win32::SelectObject(image_dc_, old);
  win32::DeleteObject(font);
  int lines = 1 + static_cast<int>(std::count(text.begin(), text.end(), '\n'));
  return FromPixelY(static_cast<float>(tm.tmHeight * lines));
}

void DrawingSurface::InvalidateSurface() {
  if (win32::HWND hwnd = SurfaceWindow()) win32::InvalidateRect(hwnd, nullptr, win32::FALSE);
}

void DrawingSurface::PaintWindow() {
  win32::HWND hwnd = SurfaceWindow();
  if (!hwnd || painting_) return;
  painting_ = true;
  SurfaceResized();
  win32::HDC dc = win32::GetDC(hwnd);
  const win32::POINT base = ClientBase(hwnd);
  SetOrigin(dc, base, SurfaceOrigin());
  if (auto_redraw_) {
    if (gfx::DeviceContext* target = gfx::FindDeviceContext(dc)) {
      gfx::StretchPixels(*target, 0, 0, image_->width(), image_->height(),
                         gfx::PixelSource::From(*image_), 0, 0, image_->width(), image_->height());
    }
  } else {
    win32::SIZE size = SurfaceSize();
    FillBackground(dc, size.cx, size.cy);
    RaisePaint();
  }
  SetOrigin(dc, base, {0, 0});
  DrawOverImage(dc);
  win32::ReleaseDC(hwnd, dc);
  win32::ValidateRect(hwnd, nullptr);
  painting_ = false;
}

}  // namespace host
