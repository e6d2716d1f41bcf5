// Speed and memory of the main window on the virtual mouse: a full paint of
// each page, a pointer move that changes the hover until the window is
// repainted, start-up until the window is shown, and the peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QMouseEvent>
#include <QWindow>
#include <filesystem>

#include "app/zel_radeze_app.h"
#include "sim/virtual_mouse.h"

namespace {

class QuietSettings final : public k9::SystemSettings {
 public:
  std::optional<int> QueryPointerSpeed() override { return 10; }
  void SetPointerSpeed(int) override {}
  std::optional<int> QueryWheelLines() override { return 3; }
  void SetWheelLines(int) override {}
};
class NoLauncher final : public k9::ProgramLauncher {
 public:
  void Start(const std::string&) override {}
};
class NoMessages final : public k9::MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

// A private copy of the program directory: apply writes config.ini.
std::filesystem::path ProgramCopy() {
  static const std::filesystem::path copy = [] {
    const auto dir = std::filesystem::temp_directory_path() / ("k9-ui-bench-" + std::to_string(::getpid()));
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    const std::filesystem::path source = K9_PROGRAM_DIR;
    for (const char* name : {"config.ini", "Macro_EN.dat", "Macro_CN.dat", "constMacro.dat"}) {
      std::filesystem::copy_file(source / name, dir / name);
    }
    std::filesystem::copy(source / "skins", dir / "skins", std::filesystem::copy_options::recursive);
    return dir;
  }();
  return copy;
}

struct Driver {
  k9::sim::VirtualMouse mouse;
  QuietSettings settings;
  NoLauncher launcher;
  NoMessages messages;
  k9::CZEL_RAdezeApp app{ProgramCopy(), k9::AppPlatform{mouse, settings, launcher, messages, {}, {}, {}}};
  bool started = app.OnInitDialog();
  // Shown and exposed, so that repaint() really paints.
  bool exposed = [this] {
    for (int i = 0; i < 50 && started && !(app.window()->windowHandle() && app.window()->windowHandle()->isExposed()); ++i) {
      QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    return started && app.window()->windowHandle() && app.window()->windowHandle()->isExposed();
  }();
};

// Counts the paint events a widget receives, to show the work was done.
class PaintCounter final : public QObject {
 public:
  explicit PaintCounter(QWidget& widget) { widget.installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++count;
    return false;
  }
  double count = 0;
};

void Move(k9::CZEL_RAdezeDlg& window, QPoint p) {
  QMouseEvent event(QEvent::MouseMove, QPointF(p), QPointF(p), QPointF(window.mapToGlobal(p)), Qt::NoButton,
                    Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(&window, &event);
}

QPoint Centre(const k9::SkinEntry& e) { return {e.x + e.width / 2, e.y + e.height / 2}; }

void RecordPeakMemory(benchmark::State& state) {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  state.counters["peak_MB"] = static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void BM_FullPaint(benchmark::State& state) {
  Driver d;
  auto& window = *d.app.window();
  if (!d.exposed) state.SkipWithError("the window is not exposed");
  window.interaction().currentPage = static_cast<int>(state.range(0));
  PaintCounter paints(window);
  for (auto _ : state) window.repaint();
  state.counters["paints_per_iteration"] = benchmark::Counter(paints.count, benchmark::Counter::kAvgIterations);
  RecordPeakMemory(state);
}
BENCHMARK(BM_FullPaint)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void BM_PointerMoveToRepaint(benchmark::State& state) {
  Driver d;
  if (!d.exposed) state.SkipWithError("the window is not exposed");
  auto& window = *d.app.window();
  const auto& entries = d.app.records().layout.mainEntries;
  const QPoint a = Centre(entries[0]);
  const QPoint b = Centre(entries[3]);
  bool flip = false;
  PaintCounter paints(window);
  // The hover changes at every move, and the move handler repaints at once.
  for (auto _ : state) {
    Move(window, flip ? a : b);
    flip = !flip;
  }
  state.counters["paints_per_iteration"] = benchmark::Counter(paints.count, benchmark::Counter::kAvgIterations);
  RecordPeakMemory(state);
}
BENCHMARK(BM_PointerMoveToRepaint)->Unit(benchmark::kMillisecond);

void BM_StartUpToShown(benchmark::State& state) {
  for (auto _ : state) {
    Driver d;
    if (!d.started) state.SkipWithError("start-up failed");
    QCoreApplication::processEvents();  // the first paint of the shown window
    state.PauseTiming();
    d.app.ShutdownDevice();
    state.ResumeTiming();
  }
  RecordPeakMemory(state);
}
BENCHMARK(BM_StartUpToShown)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setQuitOnLastWindowClosed(false);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  std::filesystem::remove_all(ProgramCopy());
  return 0;
}
