// k9_stored_files_check DIR: exits 0 when the stored files of a program
// directory are whole (config.ini's profile sections complete, every macro
// record of the macro files decodable), else prints what is wrong and exits 1.
#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_file.h"
#include "config/ini_sections.h"
#include "config/profile_keys.h"
#include "config/profile_store.h"
#include "macros/macro_file.h"
#include "util/decimal.h"

namespace {

namespace fs = std::filesystem;

constexpr std::size_t kWholeValue = 65536;

struct Report {
  int faults = 0;
  void Fault(const fs::path& file, const std::string& what) {
    std::printf("%s: %s\n", file.filename().string().c_str(), what.c_str());
    ++faults;
  }
};

std::string RawBytes(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// A value as the program writes it: "%d" of some number.
bool IsWrittenDecimal(std::string_view value) {
  return !value.empty() && k9::FormatDecimal(k9::ParseDecimal(value)) == value;
}

bool StartsWithNoCase(std::string_view s, std::string_view prefix) {
  return s.size() >= prefix.size() &&
         std::equal(prefix.begin(), prefix.end(), s.begin(), [](char a, char b) {
           return std::tolower(static_cast<unsigned char>(a)) == std::tolower(static_cast<unsigned char>(b));
         });
}

// Every write ends with a line end; a file cut short in a write does not.
void CheckWholeFile(const fs::path& file, Report& report) {
  if (!fs::is_regular_file(file)) return report.Fault(file, "missing");
  const std::string bytes = RawBytes(file);
  if (bytes.empty() || (bytes.back() != '\n' && bytes.back() != '\r')) report.Fault(file, "does not end with a line end");
}

void CheckConfig(const fs::path& file, Report& report) {
  CheckWholeFile(file, report);
  const k9::IniText text = k9::ReadIniFile(file);
  for (const char* key : {"CurConfig", "VER_SEL"}) {
    const auto value = k9::ReadIniValue(text, "Init", key, kWholeValue);
    if (!IsWrittenDecimal(value)) report.Fault(file, std::string("[Init] ") + key + "=" + value);
  }
  std::vector<std::string> sections = k9::IniSectionNames(text);
  for (int n = k9::kFirstUserProfile; n <= k9::kLastUserProfile; ++n) {
    const std::string name = k9::ProfileSection(n);
    if (std::none_of(sections.begin(), sections.end(), [&](const auto& s) { return s == name; })) {
      report.Fault(file, "no [" + name + "]");
    }
  }
  for (const auto& section : sections) {
    if (!StartsWithNoCase(section, "Config")) continue;
    for (const auto key : k9::ProfileKeyNames()) {
      const auto value = k9::ReadIniValue(text, section, key, kWholeValue);
      if (!IsWrittenDecimal(value)) report.Fault(file, "[" + section + "] " + std::string(key) + "=" + value);
    }
  }
}

void CheckMacros(const fs::path& file, Report& report) {
  CheckWholeFile(file, report);
  const k9::IniText text = k9::ReadIniFile(file);
  const auto count = k9::ReadIniValue(text, k9::kMacroSection, k9::kMacroCountKey, kWholeValue);
  const int n = k9::ParseDecimal(count);
  if (!IsWrittenDecimal(count) || n < 0 || n > k9::kMaxUserMacros) {
    return report.Fault(file, "macroNum=" + count);
  }
  for (int i = 0; i < n; ++i) {
    const auto value = k9::ReadIniValue(text, k9::kMacroSection, std::to_string(i), kWholeValue);
    const bool digits = std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
    if (value.size() != k9::kMacroValueDigits || !digits ||
        k9::EncodeMacroValue(k9::DecodeMacroValue(value)) != value) {
      report.Fault(file, "macro " + std::to_string(i) + " is not a whole record (" + std::to_string(value.size()) +
                             " characters)");
    }
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s PROGRAM_DIR\n", argv[0]);
    return 2;
  }
  const fs::path dir = argv[1];
  Report report;
  CheckConfig(dir / "config.ini", report);
  for (const auto language : {k9::kEnglish, k9::kChinese}) CheckMacros(k9::UserMacroFilePath(dir, language), report);
  return report.faults == 0 ? 0 : 1;
}
