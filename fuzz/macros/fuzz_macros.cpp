// Arbitrary bytes as a macro file: both readers must stay inside their
// tables, and saving what was read and reading it again gives the same table.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "macros/macro_file.h"

namespace {

namespace fs = std::filesystem;

class QuietSink final : public k9::MessageSink {
 public:
  void ShowMessage(const std::string&) override {}
};

const fs::path& WorkDir() {
  static const fs::path dir = [] {
    auto d = fs::temp_directory_path() / ("k9-fuzz-macros-" + std::to_string(::getpid()));
    fs::create_directories(d);
    return d;
  }();
  return dir;
}

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const fs::path input = WorkDir() / "in.dat";
  const fs::path output = WorkDir() / "out.dat";
  std::ofstream(input, std::ios::binary | std::ios::trunc).write(reinterpret_cast<const char*>(data),
                                                                 static_cast<std::streamsize>(size));
  QuietSink sink;
  k9::MacroTables tables;
  k9::LoadUserMacros(tables, input, sink);
  k9::LoadConstMacros(tables, input, sink);
  Check(tables.macroCount >= 0 && tables.macroCount <= k9::kMaxUserMacros);
  Check(tables.constMacroCount >= 0 && tables.constMacroCount <= k9::kMacroSlotCount);
  Check(tables.selectedMacro == (tables.macroCount > 0 ? tables.macroCount - 1 : 0));
  for (int i = 0; i < tables.constMacroCount; ++i) Check(tables.constant[i] == tables.user[i] || i >= tables.macroCount);

  std::error_code ec;
  fs::remove(output, ec);
  Check(k9::SaveUserMacros(tables, output));
  k9::MacroTables again;
  Check(k9::LoadUserMacros(again, output, sink));
  Check(again.macroCount == tables.macroCount);
  for (int i = 0; i < tables.macroCount; ++i) Check(again.user[i] == tables.user[i]);
  return 0;
}
