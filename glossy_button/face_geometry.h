#pragma once

#include <array>
#include <cstdint>

namespace quorin {

// One stretching copy of the glossy face: a source rectangle of the 18 x 21 px skin picture
// and where it goes on the face, both in twips of the face.
struct FaceSlice {
  float dx, dy, dw, dh;
  float sx, sy, sw, sh;
};

// The nine slices of a face W x H twips, in drawing order: the four 3 px corners unscaled
// (top-left, top-right, bottom-right, bottom-left), then the top, right, left and bottom
// edges stretched along their length, then the centre stretched both ways.
std::array<FaceSlice, 9> FaceSlices(float W, float H);

// Where the picture and the caption go on a face.
struct CaptionLayout {
  bool picture = false;  // draw the picture at (picture_x, picture_y)
  bool caption = false;  // draw the caption with its top-left corner at (caption_x, caption_y)
  float picture_x = 0, picture_y = 0;
  float caption_x = 0, caption_y = 0;
};

// Lays out a caption TW x TH and a picture PW x PH (twips) on a face W x H: a lone one is
// centred; both share the free width (Style 0, picture left) or height (Style 1, picture
// above) in three equal gaps; any other Style shows neither.
CaptionLayout PlaceCaption(float W, float H, float PW, float PH, float TW, float TH,
                           bool has_caption, bool has_picture, std::int32_t style);

}  // namespace quorin
