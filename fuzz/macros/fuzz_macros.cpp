// Arbitrary bytes as a macro file, in memory: the reader stays inside the
// user table, and saving what was read and reading it again gives the same
// records.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_text.h"
#include "macros/macro_file.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<k9::MacroSlot> user = k9::ReadMacroRecords(k9::ParseIniText(bytes), k9::kMaxUserMacros);
  Check(user.size() <= static_cast<std::size_t>(k9::kMaxUserMacros));

  // The keys SaveUserMacros writes, into an empty file.
  k9::IniText saved;
  Check(k9::SetIniValue(saved, k9::kMacroSection, k9::kMacroCountKey, std::to_string(user.size())));
  for (std::size_t i = 0; i < user.size(); ++i) {
    Check(k9::SetIniValue(saved, k9::kMacroSection, std::to_string(i), k9::EncodeMacroValue(user[i])));
  }
  Check(k9::ReadMacroRecords(k9::ParseIniText(k9::SerialiseIniText(saved)), k9::kMaxUserMacros) == user);
  return 0;
}
