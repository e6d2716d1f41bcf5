// The write path through the disk: arbitrary file bytes, then reads and writes
// of arbitrary names and values. A write that succeeds must read back, and
// must leave another key alone. The rules themselves are fuzzed in memory
// by fuzz_ini, far faster.
#include <fuzzer/FuzzedDataProvider.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "config/ini_file.h"

namespace {

const std::filesystem::path& WorkFile() {
  static const std::filesystem::path file = [] {
    auto dir = std::filesystem::temp_directory_path() / ("k9-fuzz-ini-file-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    return dir / "config.ini";
  }();
  return file;
}

bool IsPlainAscii(const std::string& s) {
  for (unsigned char c : s) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return !s.empty();
}

// What a plain value reads back as: quotes around the whole of it go.
std::string Unquoted(const std::string& s) {
  const bool quoted = s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
  return quoted ? s.substr(1, s.size() - 2) : s;
}

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  const auto& file = WorkFile();
  {
    const std::string bytes = input.ConsumeRandomLengthString(4096);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
  }
  while (input.remaining_bytes() > 0) {
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::size_t buffer = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    if (input.ConsumeBool()) {
      const std::string value = k9::ReadIniString(file, section, key, buffer);
      if (value.size() > 4 * buffer) std::abort();  // never longer than the buffer allows
      continue;
    }
    const std::string value = input.ConsumeRandomLengthString(32);
    const std::string otherSection = input.ConsumeRandomLengthString(8);
    const std::string otherKey = input.ConsumeRandomLengthString(8);
    const std::string otherBefore = k9::ReadIniString(file, otherSection, otherKey, 1000);
    if (!k9::WriteIniString(file, section, key, value)) continue;
    if (IsPlainAscii(section) && IsPlainAscii(key) && IsPlainAscii(value) &&
        k9::ReadIniString(file, section, key, 1000) != Unquoted(value)) {
      std::abort();
    }
    const bool sameEntry = SameName(otherSection, section) && SameName(otherKey, key);
    if (!sameEntry && IsPlainAscii(otherSection) && IsPlainAscii(otherKey) && IsPlainAscii(section) &&
        IsPlainAscii(key) && k9::ReadIniString(file, otherSection, otherKey, 1000) != otherBefore) {
      std::abort();
    }
  }
  return 0;
}
