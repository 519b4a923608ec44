#include "platform/host/elements/access_keys.h"

#include <cctype>

#include "platform/host/control/placement.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/form/form.h"
#include "platform/host/services/input.h"

namespace host {

char32_t AccessLetter(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return static_cast<char32_t>(std::tolower(static_cast<unsigned char>(caption[i + 1])));
  }
  return 0;
}

std::string ShownCaption(const std::string& caption) {
  std::string out;
  for (std::size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;
    out += caption[i];
  }
  return out;
}

namespace {

// The first control after `tab_index` in the tab order that takes the focus.
void FocusAfter(Form& form, std::int16_t tab_index) {
  for (Control* c : form.TabOrder()) {
    if (c->TabIndex() > tab_index && FocusControl(*c)) return;
  }
}

}  // namespace

bool HandleIntrinsicAccessKey(Form& form, Control& control, char32_t letter) {
  if (auto* button = dynamic_cast<VB::CommandButton*>(&control)) {
    if (AccessLetter(button->Caption()) != letter) return false;
    FocusControl(*button);
    button->PerformClick();
    return true;
  }
  if (auto* check = dynamic_cast<VB::CheckBox*>(&control)) {
    if (AccessLetter(check->Caption()) != letter) return false;
    FocusControl(*check);
    auto keep = KeepAlive(*check);
    RaiseOn(*check, "Click", [check] { check->OnClick(); });
    return true;
  }
  if (auto* label = dynamic_cast<VB::Label*>(&control)) {
    if (!label->UseMnemonic() || AccessLetter(label->Caption()) != letter) return false;
    FocusAfter(form, label->TabIndex());
    return true;
  }
  if (auto* frame = dynamic_cast<VB::Frame*>(&control)) {
    if (AccessLetter(frame->Caption()) != letter) return false;
    FocusAfter(form, frame->TabIndex());
    return true;
  }
  return false;
}

void PressDefaultButton(Form& form, bool enter, Object& focused) {
  if (enter) {
    if (auto* button = dynamic_cast<VB::CommandButton*>(&focused)) {
      button->PerformClick();
      return;
    }
  }
  for (const auto& o : form.Controls().items()) {
    auto* button = dynamic_cast<VB::CommandButton*>(o.get());
    if (!button || !button->ShownOnForm() || !button->EnabledOnForm()) continue;
    if (enter ? button->Default() : button->Cancel()) {
      auto keep = KeepAlive(*button);
      button->PerformClick();
      return;
    }
  }
}

}  // namespace host

namespace host {
void UnregisterFormControl(Form& form, const Control& control) {
  form.UnregisterControl(&control);
}
}  // namespace host
