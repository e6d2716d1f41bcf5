// The cost of ApplyProfile (15 reports; 47 config.ini keys written in three
// replacements of the file: CurConfig, the mirror and the profile) and of
// LoadProfile (23 reads), on a copy of the shipped config.ini.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <optional>
#include <span>
#include <string>

#include "config/profile_store.h"
#include "profile/apply.h"
#include "profile/profile_edit.h"

namespace {

namespace fs = std::filesystem;

struct AcceptingDevice final : k9::AbsentHidBackend {
  bool SetFeature(k9::HidHandle, std::span<const std::uint8_t> report) override {
    benchmark::DoNotOptimize(report.data());
    return true;
  }
};

struct QuietSystem final : k9::SystemSettings {
  std::optional<int> QueryPointerSpeed() override { return 10; }
  void SetPointerSpeed(int) override {}
  std::optional<int> QueryWheelLines() override { return 3; }
  void SetWheelLines(int) override {}
};

struct QuietShell final : k9::ShellPort {
  void RequestRepaint() override {}
  void RemoveTrayIcon() override {}
  void DestroyMainWindow() override {}
};

fs::path FreshConfig() {
  const fs::path dir = fs::temp_directory_path() / "k9-bench-profile";
  fs::create_directories(dir);
  const fs::path file = dir / "config.ini";
  fs::copy_file(fs::path(K9_BENCH_DATA_DIR) / "config.ini", file, fs::copy_options::overwrite_existing);
  return file;
}

void BM_ApplyProfile(benchmark::State& bench) {
  const fs::path config = FreshConfig();
  AcceptingDevice device;
  k9::DeviceLink link;
  link.writeHandle = 1;
  link.featureReportLength = 8;
  k9::FeatureReporter reporter(device, link);
  QuietSystem system;
  QuietShell shell;
  k9::ProfileState state;
  state.curConfig = 1;
  k9::LoadProfile(config, 1, false, k9::kEnglish, state.profile);
  for (auto _ : bench) k9::ApplyProfile(state, config, k9::ApplyPorts{reporter, system, shell});
  bench.counters["config_bytes"] = static_cast<double>(fs::file_size(config));
}
BENCHMARK(BM_ApplyProfile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_LoadProfile(benchmark::State& bench) {
  const fs::path config = FreshConfig();
  k9::Profile profile;
  for (auto _ : bench) {
    k9::LoadProfile(config, 3, false, k9::kEnglish, profile);
    benchmark::DoNotOptimize(profile.fireTime);
  }
}
BENCHMARK(BM_LoadProfile)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
