#include "platform/host/types/class_builder.h"
#include "progress_bar/xp_progress_bar.h"

namespace quorin {

const host::ClassInfo& XpProgressBar::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i = host::TypeRegistry::Instance().Add("QuorinSkinForVB6.XpProgressBar",
                                                            &host::UserControlBaseInfo());
    i.control_container = true;
    using C = XpProgressBar;
    // Read and written in one order. Stored values are trusted: kept without checks or
    // drawing, except Skin, which picks its block pictures. Min and Max are read as Longs so
    // that a value beyond 16 bits comes back as it was saved.
    host::ClassBuilder<C>(i)
        .Property("Value", &C::Value, &C::Value)
        .Persist({.read = 3, .write = 3, .default_value = std::int32_t{0}},
                 [](C& c, const vb::Variant& v) { c.value_ = v.ToLong(); })
        .Property("Style", &C::Style, &C::Style)
        .Persist({.read = 4, .write = 4, .default_value = std::int32_t{0}},
                 [](C& c, const vb::Variant& v) { c.style_ = v.ToLong(); })
        .Property("Skin", &C::Skin, &C::Skin)
        .Persist({.read = 5, .write = 5, .default_value = std::int32_t{0}})
        .Property("Min", &C::Min, &C::Min)
        .Persist({.read = 1, .write = 1, .default_value = std::int32_t{0}},
                 [](C& c, const vb::Variant& v) { c.min_ = v.ToLong(); })
        .Property("Max", &C::Max, &C::Max)
        .Persist({.read = 2, .write = 2, .default_value = std::int32_t{100}},
                 [](C& c, const vb::Variant& v) { c.max_ = v.ToLong(); })
        .Enum("TypeStyle", {{"Default", 0}, {"Search", 1}})
        .Enum("Pict", {{"xpDefault", 0}, {"Gold", 1}, {"Green", 2}, {"Red", 3}})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
