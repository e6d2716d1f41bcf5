// The cost of LoadUserMacros and SaveUserMacros on a full macro file: twelve
// macros of 254 events (13 reads, or 13 atomic rewrites, of a ~38 KB file).
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>

#include "macros/macro_file.h"

namespace {

namespace fs = std::filesystem;

class QuietSink final : public k9::MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

void FillTables(k9::MacroTables& tables) {
  for (int i = 0; i < k9::kMaxUserMacros; ++i) {
    k9::MacroSlot& slot = tables.user[static_cast<std::size_t>(i)];
    slot.setName(u"Macro " + std::u16string(1, static_cast<char16_t>(u'A' + i)));
    slot.setRepeatEnabled(1);
    slot.setRepeatCount(static_cast<std::uint16_t>(100 + i));
    for (int e = 0; e < 254; ++e) {
      slot.setEvent(e, {static_cast<k9::KeyCode>(4 + e % 26), static_cast<std::uint8_t>(1 + e % 2),
                        static_cast<std::uint16_t>(30 + e)});
    }
    slot.setEventCount(254);
  }
  tables.macroCount = k9::kMaxUserMacros;
}

fs::path BenchDir() {
  static const fs::path dir = [] {
    auto d = fs::temp_directory_path() / ("k9-bench-macros-" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

void BM_LoadUserMacros(benchmark::State& state) {
  const fs::path file = BenchDir() / "load.dat";
  fs::remove(file);
  k9::MacroTables full;
  FillTables(full);
  k9::SaveUserMacros(full, file);
  k9::MacroTables tables;
  QuietSink sink;
  for (auto _ : state) {
    k9::LoadUserMacros(tables, file, sink);
    benchmark::DoNotOptimize(tables.user[11].bytes[0]);
  }
  state.counters["file_bytes"] = static_cast<double>(fs::file_size(file));
}

void BM_SaveUserMacros(benchmark::State& state) {
  const fs::path file = BenchDir() / "save.dat";
  fs::remove(file);
  k9::MacroTables tables;
  FillTables(tables);
  k9::SaveUserMacros(tables, file);  // the usual case: the file exists
  for (auto _ : state) benchmark::DoNotOptimize(k9::SaveUserMacros(tables, file));
}

}  // namespace

BENCHMARK(BM_LoadUserMacros)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(BM_SaveUserMacros)->Unit(benchmark::kMillisecond)->Repetitions(10)->ReportAggregatesOnly(true);
