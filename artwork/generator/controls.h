#pragma once

// One generator per control; each writes its slots under <control>/ in the output tree.

#include "paint.h"
#include "window_frame.h"

namespace artgen {

void GenerateSkin(Output& out);            // skin/: design-time frame pieces and preview
void GenerateThemeX(Output& out);          // skin/ThemeX/: the two themes' frame pieces
void GenerateAboutPage(Output& out);       // skin/about/: picture, product icon, link pointer
void GenerateCaptionButtons(Output& out);  // skin_parts/: caption button faces
void GenerateGlossyButton(Output& out);    // glossy_button/: nine-slice button skins
void GenerateTabstripPage(Output& out);    // tabstrip_page/: arrow button pictures
void GenerateOptionButton(Output& out);    // option_button/: option boxes
void GenerateGroupFrame(Output& out);      // frame/: outline source
void GenerateProgressBar(Output& out);     // progress_bar/: frame and blocks
void GenerateTrayIcon(Output& out);        // tray_icon/: built-in icon

// Caption button faces, also used to paint the skin's preview.
enum class CaptionKind { kMinimise, kMaximise, kClose, kRestore };
enum class FaceState { kActive, kHover, kPressed, kInactive, kDisabled };
// Paints one face onto a canvas of the face's size (42 x 18 for close, 26 x 18 otherwise).
void PaintCaptionFace(Canvas& canvas, Theme set, CaptionKind kind, FaceState state);

// The product's mark (a small glass window) at any size, drawn into a square of `size`.
void PaintProductMark(cairo_t* cr, double x, double y, double size);

}  // namespace artgen
