#include "skin/theme_x.h"

#include <string>

#include "artwork/artwork.h"
#include "platform/host/types/class_builder.h"
#include "platform/vb/error.h"

namespace quorin {

namespace {

constexpr int kMembers = 4;  // two themes, active and inactive

void FillArray(ThemeX& owner, host::ControlArray<VB::Image>& array, const std::string& name) {
  array.Create(owner, name);
  for (std::int16_t i = 1; i < kMembers; ++i) array.Load(i);
  for (std::int16_t i = 0; i < kMembers; ++i) {
    array(i).Visible(false);
    array(i).Picture(artwork::Picture("skin/ThemeX/" + name + "_" + std::to_string(i)));
  }
}

// The member of a holder array; error 340 for an index the array does not have.
VB::Image& Member(const host::ControlArray<VB::Image>& array, const char* name,
                  std::int64_t index) {
  if (index < 0 || index >= kMembers) {
    throw vb::Error(vb::kControlArrayElementMissing,
                    std::string(name) + "(" + std::to_string(index) + ")");
  }
  return array(static_cast<std::int16_t>(index));
}

}  // namespace

ThemeX::ThemeX() {
  FillArray(*this, Image1, "Image1");
  FillArray(*this, Image2, "Image2");
  FillArray(*this, Image3, "Image3");
  FillArray(*this, Image4, "Image4");
  FillArray(*this, Image5, "Image5");
  FillArray(*this, Image6, "Image6");
  FillArray(*this, Image7, "Image7");
  FillArray(*this, Image8, "Image8");
  beijinicon = AddElement<VB::Image>("beijinicon");
  beijinicon->Picture(artwork::Picture("skin/ThemeX/beijinicon"));
  SetTwips(0, 0, beijinicon->width_twips(), beijinicon->height_twips());
}

void ThemeX::ChangeTheme(VB::Image& m_Left, VB::Image& m_TitleLeft, VB::Image& m_Title,
                         VB::Image& m_TitleRight, VB::Image& m_Right, VB::Image& m_Bottom,
                         VB::Image& m_BottomLeft, VB::Image& m_BottomRight, std::int32_t& IsTheme,
                         bool& IsActive) {
  const std::int64_t index = static_cast<std::int64_t>(IsTheme) * 2 + (IsActive ? 0 : 1);
  m_Left.Picture(Member(Image4, "Image4", index).Picture());
  m_TitleLeft.Picture(Member(Image2, "Image2", index).Picture());
  m_Title.Picture(Member(Image1, "Image1", index).Picture());
  m_TitleRight.Picture(Member(Image3, "Image3", index).Picture());
  m_Right.Picture(Member(Image5, "Image5", index).Picture());
  m_BottomLeft.Picture(Member(Image8, "Image8", index).Picture());
  m_Bottom.Picture(Member(Image6, "Image6", index).Picture());
  m_BottomRight.Picture(Member(Image7, "Image7", index).Picture());
}

void ThemeX::UserControl_Resize() {
  // The holder always has its thumbnail's size.
  SizeTwips(beijinicon->width_twips(), beijinicon->height_twips());
}

const host::ClassInfo& ThemeX::TypeInfo() {
  static host::ClassInfo& info = []() -> host::ClassInfo& {
    host::ClassInfo& i =
        host::TypeRegistry::Instance().Add("QuorinSkinForVB6.ThemeX", &host::UserControlBaseInfo());
    auto image = [](const vb::Variant& v) -> VB::Image& {
      auto* picture = dynamic_cast<VB::Image*>(v.ToObject().get());
      if (!picture) throw vb::Error(vb::kTypeMismatch);
      return *picture;
    };
    host::ClassBuilder<ThemeX>(i)
        .Method("ChangeTheme",
                [image](ThemeX& t, std::span<const vb::Variant> a) -> vb::Variant {
                  std::int32_t theme = a[8].ToLong();
                  bool active = a[9].ToBoolean();
                  t.ChangeTheme(image(a[0]), image(a[1]), image(a[2]), image(a[3]), image(a[4]),
                                image(a[5]), image(a[6]), image(a[7]), theme, active);
                  return {};
                },
                {host::Param("m_Left"), host::Param("m_TitleLeft"), host::Param("m_Title"),
                 host::Param("m_TitleRight"), host::Param("m_Right"), host::Param("m_Bottom"),
                 host::Param("m_BottomLeft"), host::Param("m_BottomRight"), host::Param("IsTheme"),
                 host::Param("IsActive")})
        .Creatable();
    return i;
  }();
  return info;
}

}  // namespace quorin
