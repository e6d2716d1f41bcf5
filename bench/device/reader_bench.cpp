// The reader on a node shared with pointer motion at 1000 Hz, as Linux hands
// it the mouse: time from a button report leaving the mouse to the action
// handshake, and how many presses got lost.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "device/discovery.h"
#include "device/input_reader.h"
#include "sim/virtual_mouse.h"

namespace {

class QuietMessages final : public k9::MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

double Percentile(std::vector<double> values, double p) {
  if (values.empty()) return 0;
  std::sort(values.begin(), values.end());
  return values[static_cast<std::size_t>(p * static_cast<double>(values.size() - 1))];
}

void BM_PressToHandshakeUnderPointerFlood(benchmark::State& state) {
  const int pointerHz = static_cast<int>(state.range(0));
  for (auto _ : state) {
    k9::sim::VirtualMouseConfig config = k9::sim::StandardConfig();
    config.sharedNode = true;
    k9::sim::VirtualMouse mouse(config);
    k9::DeviceLink link;
    QuietMessages messages;
    if (!k9::DiscoverMouse(link, {mouse, messages, k9::kEnglish, ""})) {
      state.SkipWithError("no virtual mouse");
      return;
    }
    k9::Profile profile;
    k9::ActionHandshake handshake;
    k9::SteadyClock clock;
    k9::InputReader reader(mouse, link, profile, handshake, clock);
    reader.Start();
    mouse.StartPointerReports(pointerHz);
    std::this_thread::sleep_for(std::chrono::milliseconds(100));  // the node is busy before the first press

    constexpr int kPresses = 500;
    std::vector<double> latencyMs;
    int lost = 0;
    for (int k = 0; k < kPresses; ++k) {
      handshake.ClearFlags();
      const auto sent = std::chrono::steady_clock::now();
      mouse.SendInputReport({0x06, 0xF6, 0x01});
      const auto giveUp = sent + std::chrono::milliseconds(100);
      while (!handshake.actionPending() && std::chrono::steady_clock::now() < giveUp) {}
      if (handshake.actionPending()) {
        latencyMs.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - sent).count());
      } else {
        ++lost;
      }
      std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    mouse.StopPointerReports();
    reader.Stop();
    state.counters["p50_ms"] = Percentile(latencyMs, 0.50);
    state.counters["p99_ms"] = Percentile(latencyMs, 0.99);
    state.counters["max_ms"] = latencyMs.empty() ? 0 : *std::max_element(latencyMs.begin(), latencyMs.end());
    state.counters["lost"] = lost;
  }
}
BENCHMARK(BM_PressToHandshakeUnderPointerFlood)->Arg(1000)->Arg(8000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
