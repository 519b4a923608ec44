#include "platform/vb/units.h"

#include <cmath>

namespace vb {

namespace {
DisplayMetrics g_display;
}

const DisplayMetrics& Display() {
  return g_display;
}
void SetDisplay(const DisplayMetrics& metrics) {
  g_display = metrics;
}

float TwipsToPixelsX(float twips) {
  return twips / g_display.twips_per_pixel_x;
}
float TwipsToPixelsY(float twips) {
  return twips / g_display.twips_per_pixel_y;
}
float PixelsToTwipsX(float pixels) {
  return pixels * g_display.twips_per_pixel_x;
}
float PixelsToTwipsY(float pixels) {
  return pixels * g_display.twips_per_pixel_y;
}

int HimetricToPixels(long himetric, float dpi) {
  return static_cast<int>(std::lround(static_cast<double>(himetric) * dpi / kHimetricPerInch));
}

long PixelsToHimetric(int pixels, float dpi) {
  return std::lround(static_cast<double>(pixels) * kHimetricPerInch / dpi);
}

}  // namespace vb
