#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "group_frame/frame.h"
#include "library/library.h"
#include "option_button/radio_button.h"
#include "platform/desktop/headless_desktop.h"
#include "platform/host/event.h"
#include "platform/host/form/form.h"
#include "platform/host/types/engine_classes.h"

namespace radiotest {

// Records the events and property changes of the library's controls on the form, as
// "Option2.MouseDown(1, 0, 0, 0)" and "Option2 changed Value".
class Recorder : public host::EventObserver {
 public:
  void EventRaised(const vb::Object* source, std::string_view event,
                   std::span<const vb::Variant> arguments) override {
    const auto* control = dynamic_cast<const quorin::RadioButton*>(source);
    if (!control) return;
    std::string line = control->Name() + "." + std::string(event) + "(";
    for (std::size_t i = 0; i < arguments.size(); ++i) {
      line += (i ? ", " : "") + arguments[i].ToString();
    }
    lines.push_back(line + ")");
  }
  void PropertyChanged(const vb::Object* source, std::string_view property) override {
    if (const auto* control = dynamic_cast<const quorin::RadioButton*>(source)) {
      lines.push_back(control->Name() + " changed " + std::string(property));
    }
  }
  // The lines so far, and a fresh start.
  std::vector<std::string> Take() { return std::exchange(lines, {}); }

  std::vector<std::string> lines;
};

// The events of one button and every property change, in order.
inline std::vector<std::string> EventsOf(const std::vector<std::string>& lines,
                                         const std::string& name) {
  std::vector<std::string> out;
  for (const std::string& l : lines) {
    if (l.rfind(name + ".", 0) == 0 || l.find(" changed ") != std::string::npos) out.push_back(l);
  }
  return out;
}

// A shown form (at 100, 100 on the screen) to put option buttons and frames on.
class RadioForm : public ::testing::Test {
 protected:
  RadioForm() {
    host::RegisterEngineClasses();
    quorin::RegisterLibraryClasses();
    form_ = host::NewForm("Form1");
    form_->Move(1500, 1500, 7500, 6000);
  }
  ~RadioForm() override {
    host::SetEventObserver(nullptr);
    if (form_ && form_->alive()) host::Unload(*form_);
  }

  // An option button 1800 x 300 twips at a place given in twips, whatever the container's
  // scale; `group` goes through the store, as only a stored button can carry it.
  std::shared_ptr<quorin::RadioButton> Radio(const std::string& name, float left, float top,
                                             bool group = false, host::Container* in = nullptr) {
    host::PropertyBag bag;
    bag.WriteProperty("Caption", name, "Option1");
    bag.WriteProperty("Group", group, false);
    const std::int16_t scale = in ? in->ChildScaleMode() : std::int16_t{host::vbTwips};
    auto x = [&](float v) { return host::ConvertScale(v, host::vbTwips, scale, true); };
    auto y = [&](float v) { return host::ConvertScale(v, host::vbTwips, scale, false); };
    return form_->Add<quorin::RadioButton>(name, {x(left), y(top), x(1800), y(300)}, &bag, in);
  }
  void Show() {
    form_->Show();
    host::SetEventObserver(&recorder_);
    Run();
    recorder_.Take();
  }
  // Screen pixel of a point of the control, in its own pixels.
  static win32::POINT At(const host::Control& c, int x, int y) {
    const win32::POINT o = c.ScreenOrigin();
    return {o.x + x, o.y + y};
  }
  // The index of the box picture shown, in the button's current set.
  static int Face(const quorin::RadioButton& r) { return r.ShownIndex(); }

  desktop::Robot& robot() { return headless_.robot(); }
  void Run() { headless_.Run(); }

  desktop::HeadlessDesktop headless_;
  std::shared_ptr<VB::Form> form_;
  Recorder recorder_;
};

}  // namespace radiotest
