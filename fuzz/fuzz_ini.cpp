// The INI rules in memory: arbitrary file bytes, then reads and writes of
// arbitrary names and values. Reads stay inside their buffer; a write that
// succeeds reads back and leaves another key alone; the file written out
// reads back as the same file.
#include <fuzzer/FuzzedDataProvider.h>

#include <cstdlib>
#include <string>

#include "config/ini_text.h"
#include "util/text_encoding.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

bool IsPlainAscii(const std::string& s) {
  for (unsigned char c : s) {
    if (c < 0x21 || c > 0x7E) return false;
  }
  return !s.empty();
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool SameName(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (Lower(a[i]) != Lower(b[i])) return false;
  }
  return true;
}

// What a plain value reads back as: quotes around the whole of it go.
std::string Unquoted(const std::string& s) {
  const bool quoted = s.size() >= 2 && (s.front() == '"' || s.front() == '\'') && s.back() == s.front();
  return quoted ? s.substr(1, s.size() - 2) : s;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider input(data, size);
  k9::IniText text = k9::ParseIniText(input.ConsumeRandomLengthString(4096));
  while (input.remaining_bytes() > 0) {
    const std::string section = input.ConsumeRandomLengthString(16);
    const std::string key = input.ConsumeRandomLengthString(16);
    const std::size_t buffer = input.ConsumeIntegralInRange<std::size_t>(0, 300);
    if (input.ConsumeBool()) {
      const std::string value = k9::ReadIniValue(text, section, key, buffer);
      Check(value.empty() || k9::Utf8ToUtf16(value).size() < buffer);  // room for the NUL
      continue;
    }
    const std::string value = input.ConsumeRandomLengthString(32);
    const std::string otherSection = input.ConsumeRandomLengthString(8);
    const std::string otherKey = input.ConsumeRandomLengthString(8);
    const std::string otherBefore = k9::ReadIniValue(text, otherSection, otherKey, 1000);
    const std::size_t linesBefore = text.lines.size();
    if (!k9::SetIniValue(text, section, key, value)) {
      Check(text.lines.size() == linesBefore);  // a refused write adds nothing
      continue;
    }
    const bool plain = IsPlainAscii(section) && IsPlainAscii(key);
    if (plain && IsPlainAscii(value)) Check(k9::ReadIniValue(text, section, key, 1000) == Unquoted(value));
    const bool sameEntry = SameName(otherSection, section) && SameName(otherKey, key);
    if (!sameEntry && plain && IsPlainAscii(otherSection) && IsPlainAscii(otherKey)) {
      Check(k9::ReadIniValue(text, otherSection, otherKey, 1000) == otherBefore);
    }
  }
  // What is written reads back as the same file (names that are not UTF-8
  // are already replaced when they go into a UTF-16 file).
  const std::string written = k9::SerialiseIniText(text);
  Check(k9::SerialiseIniText(k9::ParseIniText(written)) == written);
  return 0;
}
