#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/host/elements/label.h"
#include "platform/host/elements/picture_box.h"
#include "platform/host/elements/text_box.h"
#include "platform/host/services/property_page.h"
#include "platform/vb/ole_color.h"

namespace host {

// The engine's standard colour page ("StandardColor", captioned "Color"): it lists the
// colour (OLE_COLOR) properties of the selected controls, found through their type
// information, and sets the chosen one from a palette of 48 colours or from a system colour
// (by name or swatch).
// Each property keeps its edited colour until Apply or OK lets it on every selected control
// that has the property. `Color` is the chosen property's edited colour, for scripts.
class StandardColorPage : public PropertyPage {
 public:
  static constexpr int kColumns = 8;
  static constexpr int kRows = 6;
  static constexpr int kCell = 28;  // pixels of one palette cell
  static constexpr float kPaletteLeft = 2400;
  static constexpr int kSystemColors = 25;

  StandardColorPage();
  static const ClassInfo& TypeInfo();
  const ClassInfo& Class() const override { return TypeInfo(); }

  void PropertyPage_SelectionChanged() override;
  void PropertyPage_ApplyChanges() override;

  // An object's colour properties that can be read and let, in type-information order.
  static std::vector<std::string> ColorProperties(Object& object);
  static const std::array<vb::COLORREF, kColumns * kRows>& Palette();
  // The names the system colour list shows, by system colour index.
  static const std::array<const char*, kSystemColors>& SystemColorNames();

  // The chosen property's edited colour; error 380 when the page lists no property.
  vb::OLE_COLOR Color() const;
  void Color(vb::OLE_COLOR value);
  // The edited colour of a property, if the page lists it.
  std::optional<vb::OLE_COLOR> EditedColor(const std::string& property) const;

  std::shared_ptr<VB::Label> lblProperty;
  std::shared_ptr<VB::ComboBox> cmbProperty;
  std::shared_ptr<VB::Label> lblColorSet;
  std::shared_ptr<VB::ComboBox> cmbColorSet;
  std::shared_ptr<VB::Label> lblColor;
  std::shared_ptr<VB::PictureBox> picSample;
  std::shared_ptr<VB::Label> lblValue;
  std::shared_ptr<VB::PictureBox> picPalette;
  std::shared_ptr<VB::ComboBox> cmbSystem;

 private:
  struct Edit {
    std::string property;
    vb::OLE_COLOR color = 0;
    bool edited = false;
  };

  Edit* Current();
  const Edit* Current() const;
  void ShowCurrent();
  void ShowSet();
  // The colours the palette shows: the 48 standard ones or the system colours.
  std::vector<vb::OLE_COLOR> Cells() const;
  void DrawPalette();
  void Choose(vb::OLE_COLOR color);

  std::vector<Edit> edits_;
  bool showing_ = false;
};

// "&H0000FF00&": an OLE_COLOR as the engine writes it.
std::string FormatColor(vb::OLE_COLOR color);

}  // namespace host
