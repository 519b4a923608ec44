// Glossy button skins: 18 x 21 pictures cut in nine slices by the button, so the rim and the
// rounded corners stay within the 3-pixel border and everything inside it runs evenly across
// (the centre and the edges are stretched to any face size).

#include <string>

#include "controls.h"

namespace artgen {

namespace {

constexpr int kWidth = 18;
constexpr int kHeight = 21;

struct ButtonLook {
  Rgb rim;
  Glass glass;
  double shine = 0.55;      // bright line inside the rim
  bool inner_ring = false;  // a second ring inside the rim (the XP look)
  Rgb ring;
};

void Paint(Canvas& canvas, const ButtonLook& look) {
  cairo_t* cr = canvas.cr();
  canvas.Clear(Rgb{1, 1, 1});
  // Rim: a one-pixel line on a 3-pixel radius, so each corner's curve ends inside its 3 x 3
  // slice.
  RoundedRect(cr, 0, 0, kWidth, kHeight, 3);
  SetColor(cr, look.rim);
  cairo_fill(cr);
  cairo_save(cr);
  RoundedRect(cr, 1, 1, kWidth - 2, kHeight - 2, 2);
  cairo_clip_preserve(cr);
  FillGlass(cr, 1, kHeight - 2, look.glass);
  if (look.inner_ring) {
    RoundedRect(cr, 2, 2, kWidth - 4, kHeight - 4, 1.5);
    cairo_set_line_width(cr, 2);
    SetColor(cr, look.ring);
    cairo_stroke(cr);
  } else {
    RoundedRect(cr, 1.5, 1.5, kWidth - 3, kHeight - 3, 1.5);
    cairo_set_line_width(cr, 1);
    SetColor(cr, Rgb{1, 1, 1}, look.shine);
    cairo_stroke(cr);
  }
  cairo_restore(cr);
}

// Flat disabled face in the given light tone.
ButtonLook Flat(Rgb face, Rgb rim) {
  return {rim, {face, face, face, face, 0.5}, 0.6};
}

// Shared by the three black sets: black gloss at rest, mid grey when pressed.
const ButtonLook kBlackRest = {
    C(0, 0, 0), {C(120, 120, 122), C(62, 62, 64), C(12, 12, 13), C(38, 38, 40), 0.48}, 0.3};
const ButtonLook kBlackPressed = {
    C(30, 30, 32),
    {C(160, 160, 162), C(128, 128, 130), C(104, 104, 106), C(120, 120, 122), 0.48},
    0.25};
const ButtonLook kGreyDisabled = Flat(C(240, 240, 240), C(178, 180, 182));

void WriteSet(Output& out, const std::string& array, const ButtonLook (&looks)[4]) {
  for (int i = 0; i < 4; ++i) {
    Canvas canvas(kWidth, kHeight, true);
    Paint(canvas, looks[i]);
    out.Write("glossy_button/" + array + "_" + std::to_string(i), canvas);
  }
}

}  // namespace

void GenerateGlossyButton(Output& out) {
  // Index order: disabled, normal, hover, pressed.
  const ButtonLook vista[4] = {
      kGreyDisabled,
      {C(112, 112, 112), {C(246, 246, 246), C(234, 234, 234), C(218, 218, 218), C(206, 206, 206)}},
      {C(60, 127, 177), {C(236, 247, 253), C(220, 240, 251), C(190, 229, 251), C(166, 216, 244)}},
      {C(28, 72, 112),
       {C(224, 242, 251), C(190, 226, 245), C(140, 204, 238), C(96, 174, 218)},
       0.35},
  };
  const ButtonLook black_grey[4] = {
      kGreyDisabled,
      kBlackRest,
      {C(10, 10, 10),
       {C(170, 170, 172), C(104, 104, 106), C(54, 54, 56), C(82, 82, 84), 0.48},
       0.35},
      kBlackPressed,
  };
  const ButtonLook black_blue[4] = {
      kGreyDisabled,
      kBlackRest,
      {C(0, 20, 60),
       {C(140, 186, 240), C(58, 118, 206), C(12, 64, 156), C(42, 110, 200), 0.48},
       0.4},
      kBlackPressed,
  };
  const ButtonLook black_amber[4] = {
      kGreyDisabled,
      kBlackRest,
      {C(70, 36, 0),
       {C(255, 226, 150), C(244, 176, 48), C(206, 122, 0), C(238, 164, 32), 0.48},
       0.45},
      kBlackPressed,
  };
  const ButtonLook office[4] = {
      Flat(C(242, 246, 252), C(184, 200, 222)),
      {C(138, 168, 210), {C(232, 242, 255), C(206, 226, 252), C(186, 212, 246), C(204, 226, 250)}},
      {C(80, 130, 200), {C(214, 232, 255), C(164, 202, 250), C(120, 174, 240), C(150, 196, 248)}},
      {C(52, 100, 176),
       {C(180, 210, 250), C(124, 170, 236), C(82, 136, 222), C(110, 160, 232)},
       0.35},
  };
  const ButtonLook xp[4] = {
      Flat(C(245, 244, 234), C(202, 200, 186)),
      {C(0, 60, 116),
       {C(255, 255, 255), C(248, 248, 245), C(240, 240, 234), C(220, 216, 204)},
       0.8},
      {C(0, 60, 116),
       {C(255, 255, 255), C(248, 248, 245), C(240, 240, 234), C(220, 216, 204)},
       0.8,
       true,
       C(248, 179, 48)},
      {C(0, 60, 116),
       {C(214, 212, 202), C(224, 222, 214), C(230, 228, 220), C(238, 237, 232)},
       0.0,
       true,
       C(120, 152, 210)},
  };
  WriteSet(out, "im", vista);
  WriteSet(out, "bu2", black_grey);
  WriteSet(out, "bu3", black_blue);
  WriteSet(out, "bu4", black_amber);
  WriteSet(out, "bu5", office);
  WriteSet(out, "bu6", xp);
}

}  // namespace artgen
