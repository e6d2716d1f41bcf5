// Latency, pacing and idle cost of the reader and worker threads on the
// virtual mouse, in real time. Each benchmark runs once and reports its
// figures as counters (milliseconds, percent).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <thread>
#include <vector>

#include "actions/driver_threads.h"
#include "device/discovery.h"
#include "sim/virtual_mouse.h"

namespace k9 {
namespace {

using std::chrono::steady_clock;

class Silent final : public MessageSink, public ShellPort, public ProgramLauncher {
 public:
  void ShowMessage(const std::string&) override {}
  void RequestRepaint() override {}
  void RemoveTrayIcon() override {}
  void DestroyMainWindow() override {}
  void Start(const std::string&) override {}
};

// The whole driver core on a discovered virtual mouse; button 5 plays user macro 0.
struct Rig {
  Rig() {
    configPath = std::filesystem::temp_directory_path() / "k9-bench-config.ini";
    DiscoverMouse(link, {mouse, silent, kEnglish, ""});
    state.profile.buttonFunctions[5] = 41;
    reporter.SendFeatureReport(EncodeButtonFunction(5, 41));
    mouse.ClearReports();
    mouse.SetObserver([this](const sim::SimEvent& e) {
      if (e.kind == sim::SimEvent::Kind::ReportReceived) reportCount.fetch_add(1);
    });
  }
  void SetMacro(const std::vector<MacroEvent>& events) {
    macros.Edit([&](auto& user, auto&) {
      user[0] = MacroSlot{};
      for (std::size_t i = 0; i < events.size(); ++i) user[0].setEvent(static_cast<int>(i), events[i]);
      user[0].setEventCount(static_cast<std::uint8_t>(events.size()));
    });
  }
  // Counted by the observer: copying the mouse's log while it grows would
  // load the machine the measurement runs on.
  void WaitForReports(std::size_t n) {
    while (reportCount.load() < n) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  void ClearReports() {
    mouse.ClearReports();
    reportCount = 0;
  }

  Silent silent;
  sim::VirtualMouse mouse;
  DeviceLink link;
  FeatureReporter reporter{mouse, link};
  ProfileState state;
  MacroTables macros;
  SteadyClock clock;
  std::atomic<std::size_t> reportCount{0};
  std::filesystem::path configPath;
  DriverThreads threads{mouse, link, reporter, state, macros, configPath, silent, silent, clock};
};

double Ms(steady_clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

double Percentile(std::vector<double> v, double p) {
  std::sort(v.begin(), v.end());
  const auto i = static_cast<std::size_t>(p * static_cast<double>(v.size() - 1) + 0.5);
  return v[std::min(i, v.size() - 1)];
}

// Press of the button to the first report of its macro.
void BM_PressToFirstMacroReport(benchmark::State& state) {
  Rig rig;
  rig.SetMacro({{0x04, 1, 15}});
  std::atomic<steady_clock::rep> firstReport{0};
  rig.mouse.SetObserver([&](const sim::SimEvent& e) {
    if (e.kind != sim::SimEvent::Kind::ReportReceived) return;
    if (e.bytes[1] == 0x15 && e.bytes[2] == 0x04) firstReport.store(e.time.time_since_epoch().count());
    rig.reportCount.fetch_add(1);
  });
  rig.threads.Start();
  std::vector<double> latencies;
  for (auto _ : state) {
    for (int i = 0; i < 300; ++i) {
      rig.ClearReports();
      firstReport = 0;
      const auto pressed = steady_clock::now();
      rig.mouse.PressButton(5);
      rig.WaitForReports(3);
      latencies.push_back(Ms(steady_clock::duration(firstReport.load()) - pressed.time_since_epoch()));
      rig.mouse.ReleaseButton(5);
      while (rig.threads.handshake().actionPending()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
      std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
  }
  rig.threads.Stop();
  state.counters["p50_ms"] = Percentile(latencies, 0.50);
  state.counters["p99_ms"] = Percentile(latencies, 0.99);
  state.counters["max_ms"] = Percentile(latencies, 1.0);
}
BENCHMARK(BM_PressToFirstMacroReport)->Iterations(1)->Unit(benchmark::kMillisecond);

// Intervals between the event reports of a 200-event macro against their pauses.
void BM_Pacing200Events(benchmark::State& state) {
  Rig rig;
  std::vector<MacroEvent> events;
  for (int i = 0; i < 200; ++i) {
    events.push_back({static_cast<KeyCode>(4 + i % 20), static_cast<std::uint8_t>(1 + i % 2),
                      static_cast<std::uint16_t>(i % 3 == 0 ? 5 : 15 + i % 11)});
  }
  rig.SetMacro(events);
  rig.threads.Start();
  for (auto _ : state) {
    rig.mouse.PressButton(5);
    rig.WaitForReports(202);
  }
  rig.threads.Stop();
  const auto reports = rig.mouse.Reports();
  std::vector<double> excess;
  double shortest = 1e9;
  for (std::size_t i = 1; i < 200; ++i) {
    const double nominal = Ms(EventPause(events[i - 1].delayMs));
    const double e = Ms(reports[i].time - reports[i - 1].time) - nominal;
    excess.push_back(e);
    shortest = std::min(shortest, e);
  }
  state.counters["min_excess_ms"] = shortest;
  state.counters["p99_excess_ms"] = Percentile(excess, 0.99);
  state.counters["max_excess_ms"] = Percentile(excess, 1.0);
}
BENCHMARK(BM_Pacing200Events)->Iterations(1)->Unit(benchmark::kMillisecond);

// A 1000-event macro against its nominal length (events, then the release).
void BM_Length1000Events(benchmark::State& state) {
  Rig rig;
  // A slot holds at most 255 events: 1000 events are four repetitions of 250.
  std::vector<MacroEvent> events;
  for (int i = 0; i < 250; ++i) events.push_back({0x04, static_cast<std::uint8_t>(1 + i % 2), 15});
  rig.SetMacro(events);
  rig.macros.Edit([](auto& user, auto&) {
    user[0].setRepeatEnabled(1);
    user[0].setRepeatCount(4);
  });
  rig.threads.Start();
  for (auto _ : state) {
    rig.mouse.PressButton(5);
    rig.WaitForReports(4 * 252);
  }
  rig.threads.Stop();
  const auto reports = rig.mouse.Reports();
  const double nominal = 4 * (250 * 15.0 + 20);  // the first report to the last
  const double actual = Ms(reports.back().time - reports.front().time);
  state.counters["nominal_ms"] = nominal;
  state.counters["late_by_ms"] = actual - nominal;
}
BENCHMARK(BM_Length1000Events)->Iterations(1)->Unit(benchmark::kMillisecond);

double ProcessCpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Both threads running for 10 s with the mouse connected and untouched.
void BM_IdleCpu(benchmark::State& state) {
  Rig rig;
  rig.threads.Start();
  double percent = 0;
  for (auto _ : state) {
    const double cpu0 = ProcessCpuSeconds();
    const auto wall0 = steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(10));
    percent = 100.0 * (ProcessCpuSeconds() - cpu0) / (Ms(steady_clock::now() - wall0) / 1000.0);
  }
  rig.threads.Stop();
  state.counters["cpu_percent_of_one_core"] = percent;
}
BENCHMARK(BM_IdleCpu)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace k9
