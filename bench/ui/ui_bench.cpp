// Speed and memory of the main window on the virtual mouse: a full paint of
// each page, a pointer move that changes the hover until the window is
// repainted, start-up until the window is shown, the macro editor's event
// list, recording and event menu, and the peak memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <vector>

#include "app/zel_radeze_app.h"
#include "macros/key_codes.h"
#include "sim/panel/sim_editor.h"
#include "sim/virtual_mouse.h"
#include "ui/macro_editor/macro_editor_view.h"

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

// ---- the macro editor ----------------------------------------------------------

void Click(k9::CZEL_RAdezeDlg& window, QPoint p) {
  Move(window, p);
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent event(type, QPointF(p), QPointF(p), QPointF(window.mapToGlobal(p)), Qt::LeftButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&window, &event);
  }
  QCoreApplication::processEvents();
}

// The driver on its advanced page, the macro editor's controls shown.
struct EditorDriver : Driver {
  k9::CMacroEditorView* editor = [this]() -> k9::CMacroEditorView* {
    if (!exposed) return nullptr;
    Click(*app.window(), Centre(app.records().layout.mainEntries.at(k9::main_region::kAdvancedTab)));
    return app.window()->macroEditor();
  }();
  k9::sim::SimEditor hands{app};

  // User macros 0 and 1 hold `count` key events each, a press and a release
  // of A in turn, 30 ms apart.
  void FillFirstMacros(int count) {
    app.records().macros.Edit([&](auto& user, auto&) {
      for (int m = 0; m < 2; ++m) {
        user[m].setEventCount(static_cast<std::uint8_t>(count));
        for (int e = 0; e < count; ++e) {
          const std::uint8_t action = e % 2 == 0 ? k9::kActionPress : k9::kActionRelease;
          user[m].setEvent(e, k9::MacroEvent{4, action, 30});
        }
      }
    });
    editor->RefillMacroList();
  }
  // Runs the event loop until `done` holds, at most `tries` rounds.
  template <typename Done>
  bool Until(Done done, int tries = 100) {
    for (int i = 0; i < tries && !done(); ++i) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
  }
};

// Per-iteration wall times, so that the median can be reported beside the mean.
class Laps {
 public:
  void Start() { m_start = std::chrono::steady_clock::now(); }
  void Stop() { m_ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - m_start).count()); }
  void Report(benchmark::State& state) {
    if (m_ms.empty()) return;
    std::sort(m_ms.begin(), m_ms.end());
    state.counters["median_ms"] = m_ms[m_ms.size() / 2];
    state.counters["max_ms"] = m_ms.back();
  }

 private:
  std::chrono::steady_clock::time_point m_start;
  std::vector<double> m_ms;
};

// Selecting a macro of 254 events: the event list is emptied and refilled
// (every event and its delay row) and repainted.
void BM_RebuildEventList254(benchmark::State& state) {
  EditorDriver d;
  if (!d.editor) {
    state.SkipWithError("the macro editor is not shown");
    return;
  }
  d.FillFirstMacros(254);
  QListWidget& macros = *d.editor->macroList();
  QListWidget& events = *d.editor->eventList();
  int row = 0;
  Laps laps;
  for (auto _ : state) {
    row = 1 - row;
    laps.Start();
    macros.setCurrentRow(row);
    events.viewport()->repaint();
    laps.Stop();
  }
  state.counters["rows"] = events.count();
  laps.Report(state);
}
BENCHMARK(BM_RebuildEventList254)->Unit(benchmark::kMillisecond)->UseRealTime();

// A key pressed while recording, until its row is painted in the event list.
void BM_RecordedKeyToRow(benchmark::State& state) {
  EditorDriver d;
  if (!d.editor) {
    state.SkipWithError("the macro editor is not shown");
    return;
  }
  d.FillFirstMacros(0);
  d.editor->macroList()->setCurrentRow(0);
  k9::CEditableListBox& events = *d.editor->eventList();
  PaintCounter paints(*events.viewport());
  Laps laps;
  for (auto _ : state) {
    state.PauseTiming();
    // A recording holds up to 254 events: start a new one before it is full.
    if (!d.editor->recording() || events.count() > 400) {
      if (d.editor->recording()) d.editor->ToggleRecording();
      d.FillFirstMacros(0);
      d.editor->macroList()->setCurrentRow(0);
      d.editor->ToggleRecording();
    }
    const double paintsBefore = paints.count;
    const int rowsBefore = events.count();
    state.ResumeTiming();
    laps.Start();
    d.hands.Key(0x41, true);
    const bool shown = d.Until([&] { return events.count() > rowsBefore && paints.count > paintsBefore; });
    laps.Stop();
    state.PauseTiming();
    d.hands.Key(0x41, false);
    d.Until([&] { return false; }, 1);
    state.ResumeTiming();
    if (!shown) {
      state.SkipWithError("the recorded key did not reach the event list");
      break;
    }
  }
  laps.Report(state);
}
BENCHMARK(BM_RecordedKeyToRow)->Unit(benchmark::kMillisecond)->UseRealTime();

// A right-button release over an event row until the event menu is shown and
// painted.
void BM_OpenEventMenu(benchmark::State& state) {
  EditorDriver d;
  if (!d.editor) {
    state.SkipWithError("the macro editor is not shown");
    return;
  }
  d.FillFirstMacros(20);
  d.editor->macroList()->setCurrentRow(0);
  k9::CEditableListBox& events = *d.editor->eventList();
  const QPoint row = events.viewport()->mapToGlobal(events.visualItemRect(events.item(2)).center());
  k9::CZelMenu& menu = static_cast<k9::MainWindowHost&>(d.app).eventMenu();
  Laps laps;
  for (auto _ : state) {
    laps.Start();
    d.hands.RightButtonUp(row);
    QMenu* first = menu.firstSubmenu();
    if (!first) {
      state.SkipWithError("no event menu");
      break;
    }
    PaintCounter paints(*first);
    const bool shown = d.Until([&] { return first->isVisible() && paints.count > 0; });
    laps.Stop();
    state.PauseTiming();
    first->hide();
    d.Until([&] { return !first->isVisible(); });
    state.ResumeTiming();
    if (!shown) {
      state.SkipWithError("the event menu was not shown");
      break;
    }
  }
  laps.Report(state);
}
BENCHMARK(BM_OpenEventMenu)->Unit(benchmark::kMillisecond)->UseRealTime();

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
