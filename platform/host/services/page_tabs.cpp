#include "platform/host/services/page_tabs.h"

#include "platform/gfx/gdi.h"
#include "platform/gfx/text.h"
#include "platform/host/elements/text_support.h"
#include "platform/host/services/input.h"
#include "platform/vb/error.h"
#include "platform/win/input.h"

namespace host {

namespace {

constexpr int kRaise = 2;    // how far the selected tab stands out
constexpr int kPadding = 8;  // on each side of a caption

void HLine(win32::HDC hdc, int x1, int x2, int y, vb::COLORREF color) {
  FillSolid(hdc, {x1, y, x2, y + 1}, color);
}
void VLine(win32::HDC hdc, int x, int y1, int y2, vb::COLORREF color) {
  FillSolid(hdc, {x, y1, x + 1, y2}, color);
}

}  // namespace

PageTabs::PageTabs() {
  SetTwips(0, 0, 4800, 330);
}

void PageTabs::SetCaptions(std::vector<std::string> captions) {
  captions_ = std::move(captions);
  if (tab_ >= Tabs()) tab_ = 0;
  Invalidate();
}

std::string PageTabs::TabCaption(std::int16_t index) const {
  if (index < 0 || index >= Tabs()) throw vb::Error(vb::kInvalidPropertyValue);
  return captions_[static_cast<std::size_t>(index)];
}

void PageTabs::Tab(std::int16_t value) {
  if (value < 0 || value >= Tabs()) throw vb::Error(vb::kInvalidPropertyValue);
  if (value == tab_) return;
  tab_ = value;
  Invalidate();
  RaiseOn(*this, "Click", [this] { Click(); });
}

std::vector<win32::RECT> PageTabs::TabRects() const {
  std::vector<win32::RECT> rects;
  win32::RECT client{};
  if (window()) win32::GetClientRect(window(), &client);
  int x = kRaise;
  for (std::size_t i = 0; i < captions_.size(); ++i) {
    int width = MeasureText(*font_, captions_[i]).cx + 2 * kPadding;
    win32::RECT r{x, kRaise, x + width, client.bottom};
    if (static_cast<std::int16_t>(i) == tab_)
      r = {x - kRaise, 0, x + width + kRaise, client.bottom};
    rects.push_back(r);
    x += width;
  }
  return rects;
}

std::int16_t PageTabs::TabAt(int x, int y) const {
  std::vector<win32::RECT> rects = TabRects();
  // The selected tab overlaps its neighbours, so it is tested first.
  if (tab_ < Tabs()) {
    const win32::RECT& r = rects[static_cast<std::size_t>(tab_)];
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return tab_;
  }
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const win32::RECT& r = rects[i];
    if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) {
      return static_cast<std::int16_t>(i);
    }
  }
  return -1;
}

void PageTabs::OnMouse(MouseKind kind, std::int16_t button, std::int16_t shift, float x, float y) {
  Element::OnMouse(kind, button, shift, x, y);
  if (kind != MouseKind::kDown || button != vbLeftButton || !alive() || !window()) return;
  win32::POINT at{};
  win32::GetCursorPos(&at);
  win32::ScreenToClient(window(), &at);
  std::int16_t hit = TabAt(at.x, at.y);
  if (hit >= 0) Tab(hit);
}

void PageTabs::OnKeyDown(std::int16_t& key, std::int16_t& shift) {
  Element::OnKeyDown(key, shift);
  if (!alive() || captions_.empty()) return;
  if (key == win32::VK_RIGHT && tab_ + 1 < Tabs()) {
    Tab(static_cast<std::int16_t>(tab_ + 1));
  } else if (key == win32::VK_LEFT && tab_ > 0) {
    Tab(static_cast<std::int16_t>(tab_ - 1));
  }
}

void PageTabs::OnGotFocus() {
  focused_ = true;
  Invalidate();
  Element::OnGotFocus();
}

void PageTabs::OnLostFocus() {
  focused_ = false;
  Invalidate();
  Element::OnLostFocus();
}

void PageTabs::PaintElement(win32::HDC hdc) {
  win32::RECT client;
  win32::GetClientRect(window(), &client);
  const vb::COLORREF face = vb::GetSysColor(vb::COLOR_BTNFACE);
  const vb::COLORREF light = vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT);
  const vb::COLORREF shadow = vb::GetSysColor(vb::COLOR_BTNSHADOW);
  const vb::COLORREF dark = vb::GetSysColor(vb::COLOR_3DDKSHADOW);
  FillSolid(hdc, client, face);
  std::vector<win32::RECT> rects = TabRects();
  // The line the page hangs from, broken under the selected tab.
  HLine(hdc, client.left, client.right, client.bottom - 1, light);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const win32::RECT& r = rects[i];
    const bool selected = static_cast<std::int16_t>(i) == tab_;
    if (selected) FillSolid(hdc, {r.left, r.top, r.right, client.bottom}, face);
    const int bottom = selected ? client.bottom : client.bottom - 1;
    VLine(hdc, r.left, r.top + 2, bottom, light);
    HLine(hdc, r.left + 2, r.right - 2, r.top, light);
    win32::SetPixelV(hdc, r.left + 1, r.top + 1, light);
    VLine(hdc, r.right - 2, r.top + 2, bottom, shadow);
    VLine(hdc, r.right - 1, r.top + 2, bottom, dark);
    win32::SetPixelV(hdc, r.right - 2, r.top + 1, dark);
    win32::RECT text{r.left, r.top, r.right, client.bottom - (selected ? 0 : 1)};
    DrawTextIn(hdc, *font_, vb::GetSysColor(vb::COLOR_BTNTEXT), captions_[i], text,
               win32::DT_CENTER | win32::DT_VCENTER | win32::DT_SINGLELINE | win32::DT_NOPREFIX);
    if (selected && focused_) {
      win32::RECT focus{r.left + 3, r.top + 3, r.right - 3, client.bottom - 3};
      win32::DrawFocusRect(hdc, &focus);
    }
  }
}

std::shared_ptr<Control> PageTabs::CloneForArray() const {
  auto copy = std::make_shared<PageTabs>();
  CopyStateTo(*copy);
  copy->captions_ = captions_;
  copy->tab_ = tab_;
  copy->font_ = font_;
  return copy;
}

const ClassInfo& PageTabs::TypeInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.PageTabs");
    ClassBuilder<PageTabs> b(i);
    Element::AddCommonMembers(b, true);
    b.Property("Tab", &PageTabs::Tab, &PageTabs::Tab)
        .Property("Tabs", &PageTabs::Tabs)
        .Method("TabCaption", &PageTabs::TabCaption, {Param("Index")})
        .Event("Click")
        .Event("GotFocus")
        .Event("LostFocus");
    return i;
  }();
  return info;
}

}  // namespace host
