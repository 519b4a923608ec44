#pragma once

namespace vb {

constexpr int kTwipsPerInch = 1440;
constexpr int kHimetricPerInch = 2540;

// The display the engine runs on: twips per pixel in each direction (15 at 96 DPI). The
// desktop sets it when it starts; everything that converts units reads it from here.
struct DisplayMetrics {
  float twips_per_pixel_x = 15;
  float twips_per_pixel_y = 15;
  float dpi_x() const { return kTwipsPerInch / twips_per_pixel_x; }
  float dpi_y() const { return kTwipsPerInch / twips_per_pixel_y; }
};

const DisplayMetrics& Display();
void SetDisplay(const DisplayMetrics& metrics);

float TwipsToPixelsX(float twips);
float TwipsToPixelsY(float twips);
float PixelsToTwipsX(float pixels);
float PixelsToTwipsY(float pixels);

// HIMETRIC (0.01 mm) to pixels and back at a given DPI, rounded as the platform's MulDiv
// does (halves away from zero).
int HimetricToPixels(long himetric, float dpi);
long PixelsToHimetric(int pixels, float dpi);

}  // namespace vb
