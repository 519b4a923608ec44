#include "glossy_button/face_geometry.h"

namespace quorin {

std::array<FaceSlice, 9> FaceSlices(float W, float H) {
  // The border is 45 twips (3 px) wide; the source picture's middle is 180 x 225 twips.
  const float right = W - 45.0f;
  const float bottom = H - 45.0f;
  const float inner_w = W - 90.0f;
  const float inner_h = H - 90.0f;
  return {{
      {0, 0, 45, 45, 0, 0, 45, 45},                  // top-left corner
      {right, 0, 45, 45, 225, 0, 45, 45},            // top-right corner
      {right, bottom, 45, 45, 225, 270, 45, 45},     // bottom-right corner
      {0, bottom, 45, 45, 0, 270, 45, 45},           // bottom-left corner
      {45, 0, inner_w, 45, 45, 0, 180, 45},          // top edge
      {right, 45, 45, inner_h, 225, 45, 45, 225},    // right edge
      {0, 45, 45, inner_h, 0, 45, 45, 225},          // left edge
      {45, bottom, inner_w, 45, 45, 270, 180, 45},   // bottom edge
      {45, 45, inner_w, inner_h, 45, 45, 180, 225},  // centre
  }};
}

CaptionLayout PlaceCaption(float W, float H, float PW, float PH, float TW, float TH,
                           bool has_caption, bool has_picture, std::int32_t style) {
  CaptionLayout out;
  if (!has_caption && !has_picture) return out;
  if (!has_caption) {
    out.picture = true;
    out.picture_x = (W - PW) / 2;
    out.picture_y = (H - PH) / 2;
    return out;
  }
  if (!has_picture) {
    out.caption = true;
    out.caption_x = (W - TW) / 2;
    out.caption_y = (H - TH) / 2;
    return out;
  }
  if (style == 0) {
    const float g = (W - PW - TW) / 3;
    out.picture = out.caption = true;
    out.picture_x = g;
    out.picture_y = (H - PH) / 2;
    out.caption_x = 2 * g + PW;
    out.caption_y = (H - TH) / 2;
  } else if (style == 1) {
    const float g = (H - PH - TH) / 3;
    out.picture = out.caption = true;
    out.picture_x = (W - PW) / 2;
    out.picture_y = g;
    out.caption_x = (W - TW) / 2;
    out.caption_y = 2 * g + PH;
  }
  return out;
}

}  // namespace quorin
