#include "platform/host/services/property_page.h"

#include <algorithm>

#include "platform/host/elements/text_support.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/units.h"
#include "platform/win/frame_metrics.h"

namespace host {

PropertyPage::PropertyPage() {
  SetTwips(0, 0, 5400, 3600);
  CanGetFocus(false);
}

void PropertyPage::Changed(bool value) {
  changed_ = value;
  if (on_changed) on_changed();
}

void PropertyPage::SetSelection(std::vector<ObjectPtr> selected) {
  selected_ = std::move(selected);
  auto keep = KeepAlive(*this);
  Dispatch(this, "PropertyPage_SelectionChanged", [this] { PropertyPage_SelectionChanged(); });
}

void PropertyPage::RunApplyChanges() {
  auto keep = KeepAlive(*this);
  if (Dispatch(this, "PropertyPage_ApplyChanges", [this] { PropertyPage_ApplyChanges(); })) {
    Changed(false);
  }
}

const ClassInfo& PropertyPage::BaseInfo() {
  static ClassInfo& info = []() -> ClassInfo& {
    ClassInfo& i = TypeRegistry::Instance().Add("VB.PropertyPage", &UserControlBaseInfo());
    ClassBuilder<PropertyPage>(i)
        .Property("Changed", &PropertyPage::Changed, &PropertyPage::Changed)
        .Property("Caption", &PropertyPage::Caption, &PropertyPage::Caption)
        .Property(
            "SelectedControls",
            [](PropertyPage& p) {
              return vb::Variant(static_cast<std::int32_t>(p.SelectedControls().size()));
            },
            nullptr);
    return i;
  }();
  return info;
}

std::vector<std::string> PropertiesOfKind(Object& object, ValueKind kind) {
  std::vector<std::string> names;
  for (const ClassInfo* info = &object.Class(); info && info != &UserControlBaseInfo();
       info = info->base()) {
    for (const PropertyInfo& p : info->properties) {
      const bool writable = p.is_object ? static_cast<bool>(p.set) : static_cast<bool>(p.let);
      if (p.kind != kind || !p.get || !writable) continue;
      if (std::none_of(names.begin(), names.end(),
                       [&](const std::string& n) { return SameName(n, p.name); })) {
        names.push_back(p.name);
      }
    }
  }
  return names;
}

bool HasPropertyOfKind(Object& object, ValueKind kind, std::string_view name) {
  const std::vector<std::string> names = PropertiesOfKind(object, kind);
  return std::any_of(names.begin(), names.end(),
                     [&](const std::string& n) { return SameName(n, name); });
}

PropertyPageHost::PropertyPageHost(std::vector<ObjectPtr> selected,
                                   std::vector<std::shared_ptr<PropertyPage>> pages,
                                   std::string title)
    : selected_(std::move(selected)), pages_(std::move(pages)) {
  if (title.empty())
    title = selected_.empty() ? "Property Pages" : selected_.front()->Name() + " Properties";
  dialog_ = NewForm("PropertyPages");
  dialog_->BorderStyle(3);
  dialog_->Caption(title);
  dialog_->ScaleMode(vbPixels);
  const vb::DisplayMetrics& d = vb::Display();
  int page_w = 0;
  int page_h = 0;
  for (const auto& page : pages_) {
    page_w = std::max(page_w, static_cast<int>(page->width_twips() / d.twips_per_pixel_x));
    page_h = std::max(page_h, static_cast<int>(page->height_twips() / d.twips_per_pixel_y));
  }
  // The tab row, then the page area framed below it, then the buttons.
  const int button_w = 75;
  const int button_h = 23;
  const int frame_w = std::max(page_w + 2 * kInset, 3 * button_w + 2 * kMargin);
  const int frame_h = page_h + 2 * kInset;
  const int frame_top = kMargin + kTabHeight - 1;
  tabs_ =
      dialog_->Add<PageTabs>("Tabs", {static_cast<float>(kMargin), static_cast<float>(kMargin),
                                      static_cast<float>(frame_w), static_cast<float>(kTabHeight)});
  std::vector<std::string> captions;
  for (const auto& page : pages_) captions.push_back(page->Caption());
  tabs_->SetCaptions(std::move(captions));
  tabs_->TabIndex(0);
  tabs_->Click.Connect([this] { SelectPage(static_cast<std::size_t>(tabs_->Tab())); });
  for (auto& page : pages_) {
    // Scripts reach a page's controls as PropertyPages.<page class>.<control>.
    if (page->Name().empty()) page->SetName(page->Class().short_name());
    Place(*dialog_, *dialog_, page, nullptr,
          {static_cast<float>(kMargin + kInset), static_cast<float>(frame_top + kInset),
           static_cast<float>(page_w), static_cast<float>(page_h)});
    page->on_changed = [this] { UpdateApply(); };
    page->SetSelection(selected_);
  }
  const int client_w = frame_w + 2 * kMargin;
  const int button_top = frame_top + frame_h + kMargin;
  const int client_h = button_top + button_h + kMargin;
  auto button = [&](const char* name, const char* caption, int slot) {
    auto b = dialog_->Add<VB::CommandButton>(
        name, {static_cast<float>(client_w - (3 - slot) * (button_w + kMargin)),
               static_cast<float>(button_top), static_cast<float>(button_w),
               static_cast<float>(button_h)});
    b->Caption(caption);
    return b;
  };
  ok_ = button("OK", "OK", 0);
  cancel_ = button("Cancel", "Cancel", 1);
  apply_ = button("Apply", "&Apply", 2);
  ok_->Default(true);
  cancel_->Cancel(true);
  // A page that fails to apply keeps the dialog open with its edits, so nothing is lost.
  ok_->Click.Connect([this] {
    if (Apply() && dialog_->alive()) Unload(*dialog_);
  });
  cancel_->Click.Connect([this] { Unload(*dialog_); });
  apply_->Click.Connect([this] { Apply(); });
  win::FrameInsets insets = win::NonClientInsets(
      static_cast<win32::DWORD>(win32::GetWindowLongA(dialog_->hWnd(), win32::GWL_STYLE)),
      static_cast<win32::DWORD>(win32::GetWindowLongA(dialog_->hWnd(), win32::GWL_EXSTYLE)));
  dialog_->Move(1500, 1500,
                static_cast<float>(client_w + insets.left + insets.right) * d.twips_per_pixel_x,
                static_cast<float>(client_h + insets.top + insets.bottom) * d.twips_per_pixel_y);
  DrawPageFrame({kMargin, frame_top, kMargin + frame_w, frame_top + frame_h});
  SelectPage(0);
  UpdateApply();
}

PropertyPageHost::~PropertyPageHost() {
  if (dialog_ && dialog_->alive()) Unload(*dialog_);
}

void PropertyPageHost::DrawPageFrame(win32::RECT r) {
  dialog_->AutoRedraw(true);
  win32::HDC dc = dialog_->hDC();
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom}, vb::GetSysColor(vb::COLOR_BTNHIGHLIGHT));
  FillSolid(dc, {r.right - 2, r.top + 1, r.right - 1, r.bottom - 1},
            vb::GetSysColor(vb::COLOR_BTNSHADOW));
  FillSolid(dc, {r.left + 1, r.bottom - 2, r.right - 1, r.bottom - 1},
            vb::GetSysColor(vb::COLOR_BTNSHADOW));
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, vb::GetSysColor(vb::COLOR_3DDKSHADOW));
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, vb::GetSysColor(vb::COLOR_3DDKSHADOW));
  dialog_->Refresh();
}

void PropertyPageHost::SelectPage(std::size_t index) {
  if (index >= pages_.size()) return;
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i]->alive()) pages_[i]->Visible(i == index);
  }
  if (tabs_ && tabs_->alive() && tabs_->Tab() != static_cast<std::int16_t>(index)) {
    tabs_->Tab(static_cast<std::int16_t>(index));
  }
}

std::size_t PropertyPageHost::selected_page() const {
  return tabs_ ? static_cast<std::size_t>(tabs_->Tab()) : 0;
}

void PropertyPageHost::UpdateApply() {
  bool any = std::any_of(pages_.begin(), pages_.end(),
                         [](const auto& p) { return p->alive() && p->Changed(); });
  if (apply_ && apply_->alive()) apply_->Enabled(any);
}

bool PropertyPageHost::Apply() {
  bool all = true;
  for (auto& page : pages_) {
    if (!page->alive() || !page->Changed()) continue;
    page->RunApplyChanges();
    if (page->alive() && page->Changed()) all = false;
  }
  UpdateApply();
  return all;
}

void PropertyPageHost::Show() {
  if (dialog_->alive()) dialog_->Show(1);
}

}  // namespace host
