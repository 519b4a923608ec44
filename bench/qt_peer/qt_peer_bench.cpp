// Rendering the Qt Widgets peer of the demo's main window offscreen into a QImage.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cstring>
#include <memory>
#include <vector>

#include "bench/qt_peer/peer_window.h"

namespace {

QApplication& App() {
  static int argc = 1;
  static char name[] = "qt_peer_bench";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    return new QApplication(argc, argv);
  }();
  return *app;
}

void BM_QtPeerFullRedraw(benchmark::State& state) {
  App();
  std::unique_ptr<QWidget> window = qtpeer::MakePeerWindow(QUORIN_ARTWORK_DIR);
  window->ensurePolished();
  window->show();
  QImage image(800, 600, QImage::Format_ARGB32_Premultiplied);
  window->render(&image);  // the first render lays out and loads the pictures
  for (auto _ : state) {
    window->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  window->grab().save("qt_peer.png");
}
BENCHMARK(BM_QtPeerFullRedraw)->Unit(benchmark::kMicrosecond);

// The same window's bytes copied once, as the floor of any redraw.
void BM_QtPeerMemcpy(benchmark::State& state) {
  std::vector<std::uint32_t> from(800 * 600, 0xFF336699u), to(800 * 600);
  for (auto _ : state) {
    std::memcpy(to.data(), from.data(), from.size() * sizeof(std::uint32_t));
    benchmark::DoNotOptimize(to.data());
  }
}
BENCHMARK(BM_QtPeerMemcpy)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
