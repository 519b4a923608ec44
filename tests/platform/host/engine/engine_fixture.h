#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/desktop/headless_desktop.h"
#include "platform/host/control/user_control.h"
#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/form/form.h"
#include "platform/host/services/errors.h"
#include "platform/host/types/class_builder.h"
#include "platform/host/types/engine_classes.h"

namespace host_test {

// What a test control and its handlers did, in order.
using Log = std::vector<std::string>;

// A user control that records its lifecycle and input, with a windowless label "Title"
// and a windowed picture box "Pic" as its elements, and one persisted property.
class Probe : public host::UserControl {
 public:
  Probe();
  static const host::ClassInfo& TypeInfo();
  const host::ClassInfo& Class() const override { return TypeInfo(); }

  const std::string& Caption() const { return caption_; }
  void Caption(std::string value) {
    caption_ = std::move(value);
    PropertyChanged("Caption");
  }
  std::int16_t Value() const { return value_; }
  void Value(std::int16_t v) { value_ = v; }
  // A method with an optional argument, for late binding.
  std::int32_t Add(std::int32_t a, std::optional<std::int32_t> b) { return a + b.value_or(10); }
  // An indexed property whose index is optional (7 when left out), for late binding.
  std::string Item(std::int16_t index) const { return "item" + std::to_string(index); }
  void Item(std::int16_t index, std::string value) { Caption(value + std::to_string(index)); }

  void UserControl_Initialize() override;
  void UserControl_InitProperties() override { Note("UserControl_InitProperties"); }
  void UserControl_ReadProperties(host::PropertyBag& bag) override;
  void UserControl_WriteProperties(host::PropertyBag& bag) override;
  void UserControl_Resize() override { Note("UserControl_Resize"); }
  void UserControl_Show() override { Note("UserControl_Show"); }
  void UserControl_Hide() override { Note("UserControl_Hide"); }
  void UserControl_Terminate() override { Note("UserControl_Terminate"); }
  void UserControl_Paint() override { Note("UserControl_Paint"); }
  void UserControl_Click() override { Note("UserControl_Click"); }
  void UserControl_DblClick() override { Note("UserControl_DblClick"); }
  void UserControl_MouseDown(std::int16_t b, std::int16_t, float x, float y) override;
  void UserControl_MouseUp(std::int16_t b, std::int16_t, float, float) override;
  void UserControl_EnterFocus() override { Note("UserControl_EnterFocus"); }
  void UserControl_ExitFocus() override { Note("UserControl_ExitFocus"); }
  void UserControl_GotFocus() override { Note("UserControl_GotFocus"); }
  void UserControl_LostFocus() override { Note("UserControl_LostFocus"); }
  void UserControl_AccessKeyPress(std::int16_t& key) override {
    Note("UserControl_AccessKeyPress " + std::string(1, static_cast<char>(key)));
  }
  void UserControl_KeyPress(std::int16_t& key) override {
    Note("UserControl_KeyPress " + std::to_string(key));
  }

  void Note(const std::string& line) const {
    if (log) log->push_back(line);
  }

  Log* log = nullptr;
  // What Initialize found when it touched Extender and Ambient.
  int extender_error = 0;
  int ambient_error = 0;
  bool user_mode = true;
  std::shared_ptr<VB::Label> Title;
  std::shared_ptr<VB::PictureBox> Pic;
  // Extra work a test wants inside a handler.
  std::function<void(const std::string&)> on_event;

 private:
  std::string caption_;
  std::int16_t value_ = 0;
};

// A fresh headless desktop per test, the engine's classes, an error sink and a form.
class EngineTest : public ::testing::Test {
 protected:
  EngineTest();
  ~EngineTest() override;

  desktop::Robot& robot() { return headless_->robot(); }
  void Run() { headless_->Run(); }
  // Places a probe on the form (new, or from stored properties) with the test's log.
  std::shared_ptr<Probe> PlaceProbe(const std::string& name,
                                    const host::PropertyBag* stored = nullptr,
                                    const host::Placement& at = {0, 0, 1500, 900});
  // Screen pixel of a point given in the form's client (twips below the menu bar).
  win32::POINT ScreenOf(const host::Control& control, int dx = 2, int dy = 2) const;

  std::unique_ptr<desktop::HeadlessDesktop> headless_ =
      std::make_unique<desktop::HeadlessDesktop>();
  host::RecordingErrorSink errors_;
  Log log_;
  std::shared_ptr<VB::Form> form_;
};

}  // namespace host_test
