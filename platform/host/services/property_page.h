#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/host/control/user_control.h"
#include "platform/host/elements/command_button.h"
#include "platform/host/form/form.h"

namespace host {

// A design-time property page: a surface with elements, the controls it edits
// (SelectedControls) and a Changed flag that enables the host's Apply button. Apply (or OK)
// runs PropertyPage_ApplyChanges, which writes the page's values into the selected controls.
class PropertyPage : public UserControl {
 public:
  PropertyPage();
  static const ClassInfo& BaseInfo();

  virtual void PropertyPage_Initialize() {}
  virtual void PropertyPage_SelectionChanged() {}
  virtual void PropertyPage_ApplyChanges() {}
  virtual void PropertyPage_Terminate() {}

  const std::vector<ObjectPtr>& SelectedControls() const { return selected_; }
  bool Changed() const { return changed_; }
  void Changed(bool value);
  const std::string& Caption() const { return caption_; }
  void Caption(std::string value) { caption_ = std::move(value); }

  // Engine side.
  void SetSelection(std::vector<ObjectPtr> selected);
  void RunApplyChanges();
  std::function<void()> on_changed;

  void UserControl_Initialize() override { PropertyPage_Initialize(); }
  void UserControl_Terminate() override { PropertyPage_Terminate(); }

 private:
  std::vector<ObjectPtr> selected_;
  bool changed_ = false;
  std::string caption_ = "General";
};

// Shows property pages for the selected controls in a modal dialog with OK, Cancel and
// Apply; the page tabs (one button per page) switch the page shown.
class PropertyPageHost {
 public:
  PropertyPageHost(std::vector<ObjectPtr> selected,
                   std::vector<std::shared_ptr<PropertyPage>> pages, std::string title = {});
  ~PropertyPageHost();
  PropertyPageHost(const PropertyPageHost&) = delete;
  PropertyPageHost& operator=(const PropertyPageHost&) = delete;

  // Returns when the dialog is closed.
  void Show();
  void Apply();
  VB::Form& dialog() { return *dialog_; }
  VB::CommandButton& ok_button() { return *ok_; }
  VB::CommandButton& cancel_button() { return *cancel_; }
  VB::CommandButton& apply_button() { return *apply_; }
  PropertyPage& page(std::size_t index) { return *pages_.at(index); }
  void SelectPage(std::size_t index);

 private:
  void UpdateApply();

  std::vector<ObjectPtr> selected_;
  std::vector<std::shared_ptr<PropertyPage>> pages_;
  std::shared_ptr<VB::Form> dialog_;
  std::shared_ptr<VB::CommandButton> ok_;
  std::shared_ptr<VB::CommandButton> cancel_;
  std::shared_ptr<VB::CommandButton> apply_;
  std::vector<std::shared_ptr<VB::CommandButton>> tabs_;
};

}  // namespace host
