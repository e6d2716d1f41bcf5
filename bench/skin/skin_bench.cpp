// Decoding one page's three state pictures (done at every paint) and
// building the main window's shape from its mask (done once at start-up).
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "skin/qt/skin_image.h"
#include "skin/window_shape.h"

namespace {

const std::filesystem::path kPictures = K9_SKIN_PICTURES_DIR;

void DecodePage(benchmark::State& state, const char* normal, const char* over, const char* down) {
  for (auto _ : state) {
    const QImage n = k9::LoadSkinImage(kPictures, normal);
    const QImage o = k9::LoadSkinImage(kPictures, over);
    const QImage d = k9::LoadSkinImage(kPictures, down);
    if (n.isNull() || o.isNull() || d.isNull()) {
      state.SkipWithError("skin pictures missing: build k9_skin_pictures");
      break;
    }
    benchmark::DoNotOptimize(n.constBits());
  }
}
BENCHMARK_CAPTURE(DecodePage, main, "main_normal.jpg", "main_over.jpg", "main_down.jpg")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePage, advanced, "advanced_normal.jpg", "advanced_over.jpg", "advanced_down.jpg")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(DecodePage, color, "color_normal_pink.jpg", "color_over_red.jpg", "color_down_purple.jpg")
    ->Unit(benchmark::kMillisecond);

void MainWindowShape(benchmark::State& state) {
  const QImage mask = k9::LoadSkinImage(kPictures, "main_mask.jpg");
  if (mask.isNull()) {
    state.SkipWithError("main_mask.jpg missing");
    return;
  }
  k9::SkinLayout layout;
  layout.macroNameBoxRect = k9::MakeControlRect(78, 388, 116, 26);
  layout.macroListRect = k9::MakeControlRect(24, 112, 170, 236);
  layout.eventListRect = k9::MakeControlRect(206, 112, 186, 236);
  for (auto _ : state) {
    // Start-up does all of it: pixel format, region, and the QRegion.
    QImage converted;
    const k9::MaskPixels pixels = k9::MaskPixelsOf(mask, converted);
    const k9::MainWindowShape shape = k9::BuildMainWindowShape(pixels, layout);
    const QRegion window = k9::ToQRegion(shape.window);
    const QRegion repaint = k9::ToQRegion(shape.pageRepaintRegion);
    benchmark::DoNotOptimize(window.rectCount() + repaint.rectCount());
  }
}
BENCHMARK(MainWindowShape)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
