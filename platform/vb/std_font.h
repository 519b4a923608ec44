#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/vb/object.h"

namespace vb {

// The container's font object. Fonts are shared by reference: every holder of the same
// shared_ptr sees each change.
class StdFont : public Object {
 public:
  StdFont() = default;
  StdFont(std::string name, float size, bool bold = false)
      : name_(std::move(name)), size_(size), weight_(bold ? 700 : 400) {}

  const std::string& Name() const { return name_; }
  void Name(std::string value) { name_ = std::move(value); }
  // Size in points.
  float Size() const { return size_; }
  void Size(float value);
  bool Bold() const { return weight_ >= 600; }
  void Bold(bool value) { weight_ = value ? 700 : 400; }
  std::int16_t Weight() const { return weight_; }
  void Weight(std::int16_t value);
  bool Italic() const { return italic_; }
  void Italic(bool value) { italic_ = value; }
  bool Underline() const { return underline_; }
  void Underline(bool value) { underline_ = value; }
  bool Strikethrough() const { return strikethrough_; }
  void Strikethrough(bool value) { strikethrough_ = value; }
  std::int16_t Charset() const { return charset_; }
  void Charset(std::int16_t value) { charset_ = value; }

  // An independent copy with the same attributes.
  std::shared_ptr<StdFont> Clone() const { return std::make_shared<StdFont>(*this); }
  bool SameAttributes(const StdFont& other) const;

 private:
  std::string name_ = "MS Sans Serif";
  float size_ = 8.25f;
  std::int16_t weight_ = 400;
  bool italic_ = false;
  bool underline_ = false;
  bool strikethrough_ = false;
  std::int16_t charset_ = 0;
};

using FontRef = std::shared_ptr<StdFont>;

}  // namespace vb
