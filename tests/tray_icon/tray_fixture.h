#pragma once

// A headless desktop with one form, notification icons placed on it, and a record of the
// events and property changes they report.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "library/library.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/event.h"
#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/engine_classes.h"
#include "platform/win/shell.h"
#include "tray_icon/tray_icon.h"

namespace traytest {

// Records PropertyChanged calls as "Name.Property".
class ChangeLog : public host::EventObserver {
 public:
  void EventRaised(const vb::Object*, std::string_view, std::span<const vb::Variant>) override {}
  void PropertyChanged(const vb::Object* source, std::string_view property) override {
    const auto* control = dynamic_cast<const host::Control*>(source);
    lines.push_back((control ? control->Name() : std::string("?")) + "." + std::string(property));
  }
  std::vector<std::string> lines;
};

class TrayFixture : public ::testing::Test {
 protected:
  TrayFixture() {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
    host::SetEventObserver(&changes_);
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 6000, 4000);
  }
  ~TrayFixture() override {
    for (const auto& f : std::vector<std::shared_ptr<VB::Form>>(host::Forms())) {
      if (f->alive()) host::Unload(*f);
    }
    host::SetEventObserver(nullptr);
  }

  // A notification icon placed anew (or from stored properties), its events recorded.
  std::shared_ptr<quorin::TrayIcon> Place(const std::string& name,
                                          const host::PropertyBag* stored = nullptr) {
    auto icon = form_->Add<quorin::TrayIcon>(name, {120, 120}, stored);
    icon->MouseMove.Connect([this, name](std::int32_t& id) {
      events_.push_back(name + ".MouseMove(" + std::to_string(id) + ")");
    });
    auto button = [this, name](const char* event) {
      return [this, name, event](std::int16_t& b, std::int32_t& id) {
        events_.push_back(name + "." + event + "(" + std::to_string(b) + ", " + std::to_string(id) +
                          ")");
      };
    };
    icon->MouseDown.Connect(button("MouseDown"));
    icon->MouseUp.Connect(button("MouseUp"));
    icon->MouseDblClick.Connect(button("MouseDblClick"));
    return icon;
  }

  std::vector<win::NotifyIcon>& Icons() { return screen_.desktop().shell().icons(); }

  desktop::HeadlessDesktop screen_;
  ChangeLog changes_;
  std::shared_ptr<VB::Form> form_;
  std::vector<std::string> events_;
};

}  // namespace traytest
