#include "platform/host/services/property_page.h"

#include <algorithm>

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
  const int margin = 6;
  const int tab_h = pages_.size() > 1 ? 22 : 0;
  const vb::DisplayMetrics& d = vb::Display();
  int page_w = 0;
  int page_h = 0;
  for (const auto& page : pages_) {
    page_w = std::max(page_w, static_cast<int>(page->width_twips() / d.twips_per_pixel_x));
    page_h = std::max(page_h, static_cast<int>(page->height_twips() / d.twips_per_pixel_y));
  }
  int x = margin;
  for (std::size_t i = 0; i < pages_.size() && pages_.size() > 1; ++i) {
    auto tab = dialog_->Add<VB::CommandButton>(
        "Tab",
        {static_cast<float>(x), static_cast<float>(margin), 80.0f, static_cast<float>(tab_h)},
        nullptr, nullptr, static_cast<std::int16_t>(i));
    tab->Caption(pages_[i]->Caption());
    tab->TabStop(false);
    tab->Click.Connect([this, i] { SelectPage(i); });
    tabs_.push_back(tab);
    x += 82;
  }
  for (auto& page : pages_) {
    page->SetName(page->Name().empty() ? "Page" : page->Name());
    Place(*dialog_, *dialog_, page, nullptr,
          {static_cast<float>(margin), static_cast<float>(margin + tab_h),
           static_cast<float>(page_w), static_cast<float>(page_h)});
    page->on_changed = [this] { UpdateApply(); };
    page->SetSelection(selected_);
  }
  const int button_w = 75;
  const int button_h = 23;
  int client_w = std::max(page_w + 2 * margin, 3 * button_w + 4 * margin);
  int button_top = margin + tab_h + page_h + margin;
  int client_h = button_top + button_h + margin;
  auto button = [&](const char* name, const char* caption, int slot) {
    auto b = dialog_->Add<VB::CommandButton>(
        name, {static_cast<float>(client_w - (3 - slot) * (button_w + margin)),
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
  ok_->Click.Connect([this] {
    Apply();
    if (dialog_->alive()) Unload(*dialog_);
  });
  cancel_->Click.Connect([this] { Unload(*dialog_); });
  apply_->Click.Connect([this] { Apply(); });
  win::FrameInsets insets = win::NonClientInsets(
      static_cast<win32::DWORD>(win32::GetWindowLongA(dialog_->hWnd(), win32::GWL_STYLE)),
      static_cast<win32::DWORD>(win32::GetWindowLongA(dialog_->hWnd(), win32::GWL_EXSTYLE)));
  dialog_->Move(1500, 1500,
                static_cast<float>(client_w + insets.left + insets.right) * d.twips_per_pixel_x,
                static_cast<float>(client_h + insets.top + insets.bottom) * d.twips_per_pixel_y);
  SelectPage(0);
  UpdateApply();
}

PropertyPageHost::~PropertyPageHost() {
  if (dialog_ && dialog_->alive()) Unload(*dialog_);
}

void PropertyPageHost::SelectPage(std::size_t index) {
  for (std::size_t i = 0; i < pages_.size(); ++i) {
    if (pages_[i]->alive()) pages_[i]->Visible(i == index);
  }
}

void PropertyPageHost::UpdateApply() {
  bool any = std::any_of(pages_.begin(), pages_.end(),
                         [](const auto& p) { return p->alive() && p->Changed(); });
  if (apply_ && apply_->alive()) apply_->Enabled(any);
}

void PropertyPageHost::Apply() {
  for (auto& page : pages_) {
    if (page->alive() && page->Changed()) page->RunApplyChanges();
  }
  UpdateApply();
}

void PropertyPageHost::Show() {
  if (dialog_->alive()) dialog_->Show(1);
}

}  // namespace host
