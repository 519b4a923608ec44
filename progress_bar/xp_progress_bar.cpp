#include "progress_bar/xp_progress_bar.h"

#include <string>

#include "artwork/artwork.h"
#include "platform/host/control/steps.h"
#include "platform/host/control/stored.h"
#include "platform/host/services/msgbox.h"

namespace quorin {

namespace {

constexpr std::int16_t kStrengths = 3;  // light, medium, full

void Holders(XpProgressBar& owner, host::ControlArray<VB::Image>& set, const std::string& name,
             bool with_artwork) {
  set.Create(owner, name);
  for (std::int16_t i = 1; i < kStrengths; ++i) set.Load(i);
  for (std::int16_t i = 0; i < kStrengths; ++i) {
    set(i).Visible(false);
    if (with_artwork) {
      set(i).Picture(artwork::Picture("progress_bar/" + name + "_" + std::to_string(i)));
    }
  }
}

// A refused value: the modal box with the stop icon and one OK button.
void Refuse(const char* message) {
  host::MsgBox(message, host::vbCritical | host::vbOKOnly, "Error");
}

}  // namespace

XpProgressBar::XpProgressBar() {
  img = AddElement<VB::Image>("img");
  img->Visible(false);
  img->Picture(artwork::Picture("progress_bar/img"));
  blank = AddElement<VB::Image>("blank");
  blank->Visible(false);
  blank->Picture(artwork::Picture("progress_bar/blank"));
  Holders(*this, pc, "pc", false);
  Holders(*this, master, "master", true);
  Holders(*this, goldmet, "goldmet", true);
  Holders(*this, grmet, "grmet", true);
  Holders(*this, redmet, "redmet", true);
  AutoRedraw(true);
}

// Properties ------------------------------------------------------------------------------

void XpProgressBar::Value(std::int32_t v) {
  if (v > max_) return Refuse("value不能大于max值 !");
  if (v < min_) return Refuse("value不能小于min值 !");
  value_ = v;
  PropertyChanged("Value");
  if (style_ == static_cast<std::int32_t>(TypeStyle::Default)) {
    DrawDefault();
  } else if (value_ == max_) {
    UserControl_Resize();
  } else {
    SearchStep();
  }
}

void XpProgressBar::Style(std::int32_t v) {
  style_ = v;
  PropertyChanged("Style");
}

void XpProgressBar::Skin(std::int32_t v) {
  skin_ = v;
  PropertyChanged("Skin");
  ApplySkin();
}

void XpProgressBar::Min(std::int32_t v) {
  if (v > max_) return Refuse("min不能大于max值 !");
  if (v < 0) return Refuse("min不能小于0 !");
  min_ = v;
  PropertyChanged("Min");
}

void XpProgressBar::Max(std::int32_t v) {
  if (v < min_) return Refuse("Maximum can NOT be smaller than minimum !");
  max_ = v;
  PropertyChanged("Max");
}

// Drawing ---------------------------------------------------------------------------------

void XpProgressBar::ApplySkin() {
  host::ControlArray<VB::Image>* set = nullptr;
  switch (skin_) {
    case 0:
      set = &master;
      break;
    case 1:
      set = &goldmet;
      break;
    case 2:
      set = &grmet;
      break;
    case 3:
      set = &redmet;
      break;
    default:
      return;
  }
  for (std::int16_t i = 0; i < kStrengths; ++i) pc(i).Picture((*set)(i).Picture());
}

void XpProgressBar::UserControl_Resize() {
  ScaleMode(host::vbPixels);
  Cls();
  const double W = ScaleWidth();
  const double H = ScaleHeight();
  for (const BarPiece& p : FramePieces(W, H)) {
    // A bar too small for the frame's borders leaves out the pieces with no room.
    if (p.w <= 0 || p.h <= 0) continue;
    PaintPicture(img->Picture(), static_cast<float>(p.x), static_cast<float>(p.y),
                 static_cast<float>(p.w), static_cast<float>(p.h), static_cast<float>(p.sx),
                 static_cast<float>(p.sy), static_cast<float>(p.sw), static_cast<float>(p.sh));
  }
  search_x_ = 4;
  row_ = RowState{};
  drawn_value_ = value_;
  width_ = W;
  well_height_ = H - 6;
  const vb::PictureRef& block = pc(0).Picture();
  block_w_ = vb::IsEmpty(block) ? 0 : block->PixelWidth();
  block_h_ = vb::IsEmpty(block) ? 0 : block->PixelHeight();
}

void XpProgressBar::PaintBlock(const vb::PictureRef& picture, double x, double w) {
  if (w <= 0 || well_height_ <= 0 || vb::IsEmpty(picture)) return;
  PaintPicture(picture, static_cast<float>(x), 3, static_cast<float>(w),
               static_cast<float>(well_height_), 0, 0, static_cast<float>(block_w_),
               static_cast<float>(block_h_));
}

void XpProgressBar::DrawDefault() {
  if (value_ <= min_) UserControl_Resize();
  if (value_ < drawn_value_) UserControl_Resize();
  drawn_value_ = value_;
  // A zero (or reversed) range maps no value to a length: the row stays as it is.
  const double range = static_cast<double>(max_) - static_cast<double>(min_);
  if (range <= 0) return;
  const double ppu = (100.0 / range) * (0.01 * width_);
  const double reach = ppu * (static_cast<double>(value_) - static_cast<double>(min_));
  const vb::PictureRef& full = pc(2).Picture();
  for (const RowBlock& b : AdvanceRow(row_, reach, width_, block_w_)) PaintBlock(full, b.x, b.w);
}

void XpProgressBar::SearchStep() {
  std::int16_t next = search_x_;
  for (const SearchPaint& p : SearchPaints(search_x_, width_, block_w_, next)) {
    switch (p.picture) {
      case SearchPicture::kBlank:
        PaintBlock(blank->Picture(), p.x, p.w);
        break;
      case SearchPicture::kLight:
        PaintBlock(pc(0).Picture(), p.x, p.w);
        break;
      case SearchPicture::kMedium:
        PaintBlock(pc(1).Picture(), p.x, p.w);
        break;
      case SearchPicture::kFull:
        PaintBlock(pc(2).Picture(), p.x, p.w);
        break;
    }
  }
  search_x_ = next;
}

// Lifecycle -------------------------------------------------------------------------------

void XpProgressBar::UserControl_Initialize() {
  max_ = 100;
  min_ = 0;
  value_ = 0;
  style_ = 0;
  skin_ = 0;
  ApplySkin();
}

void XpProgressBar::UserControl_ReadProperties(host::PropertyBag& PropBag) {
  host::ReadStored(*this, PropBag);
}

void XpProgressBar::UserControl_WriteProperties(host::PropertyBag& PropBag) {
  host::WriteStored(*this, PropBag);
}

}  // namespace quorin
