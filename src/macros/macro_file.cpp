#include "macros/macro_file.h"

#include <algorithm>
#include <array>
#include <system_error>
#include <vector>

#include "config/ini_file.h"
#include "macros/key_codes.h"
#include "util/decimal.h"
#include "util/text_encoding.h"

namespace k9 {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kFieldDigits = 3;
constexpr std::size_t kHeaderFields = MacroSlot::kKeyArrayOffset;  // name, repeat, count: 44 bytes
constexpr std::size_t kCountBufferSize = 3;                        // at most two characters are read
constexpr int kMaxConstMacros = kMacroSlotCount;

constexpr std::array<std::array<char, kFieldDigits>, 256> BuildFieldTexts() {
  std::array<std::array<char, kFieldDigits>, 256> texts{};
  for (int n = 0; n < 256; ++n) {
    texts[n] = {static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10), static_cast<char>('0' + n % 10)};
  }
  return texts;
}
constexpr auto kFieldTexts = BuildFieldTexts();

void AppendField(std::string& out, std::uint8_t n) { out.append(kFieldTexts[n].data(), kFieldDigits); }

// The value's code units as characters, as many as the fields take: code
// units outside ASCII are neither digits nor blanks, so they become '?' and
// end a field's number.
std::string FieldText(std::string_view value) {
  const bool ascii = std::all_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
  if (ascii) return std::string(value.substr(0, kMacroValueDigits));
  std::string text;
  for (char16_t unit : Utf8ToUtf16(value)) {
    if (text.size() == kMacroValueDigits) break;
    text += unit < 0x80 ? static_cast<char>(unit) : '?';
  }
  return text;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// The byte a field of the value stands for: its (up to) three characters
// through the C library's decimal conversion, low 8 bits kept.
std::uint8_t ReadField(std::string_view text, std::size_t field) {
  const std::size_t start = field * kFieldDigits;
  if (start >= text.size()) return 0;
  const std::string_view digits = text.substr(start, kFieldDigits);
  if (digits.size() == kFieldDigits && IsDigit(digits[0]) && IsDigit(digits[1]) && IsDigit(digits[2])) {
    return static_cast<std::uint8_t>((digits[0] - '0') * 100 + (digits[1] - '0') * 10 + (digits[2] - '0'));
  }
  return static_cast<std::uint8_t>(ParseDecimal(digits) & 0xFF);
}

std::string MacroKey(int index) { return FormatDecimal(index); }

bool FileFound(const fs::path& file) {
  std::error_code ec;
  return fs::is_regular_file(file, ec);
}

// Reads up to maxCount records of the file into the table. The file is read
// (once) before the lock is taken, so the worker never waits on the disk.
bool LoadTable(MacroTables& tables, bool user, const fs::path& file, MessageSink& messages, int maxCount) {
  const bool found = FileFound(file);
  if (!found) messages.ShowMessage(std::string(kMacroFileNotFound));
  const std::vector<MacroSlot> slots = found ? ReadMacroRecords(ReadIniFile(file), maxCount) : std::vector<MacroSlot>{};
  const int count = static_cast<int>(slots.size());
  tables.Edit([&](auto& userTable, auto& constTable) {
    auto& table = user ? userTable : constTable;
    std::copy(slots.begin(), slots.end(), table.begin());
    if (user) {
      tables.macroCount = static_cast<std::int16_t>(count);
      tables.selectedMacro = count < 1 ? 0 : count - 1;
    } else {
      tables.constMacroCount = static_cast<std::int16_t>(count);
    }
  });
  return found;
}

}  // namespace

fs::path UserMacroFilePath(const fs::path& programDirectory, UiLanguage language) {
  return programDirectory / (IsEnglish(language) ? "Macro_EN.dat" : "Macro_CN.dat");
}

fs::path ConstMacroFilePath(const fs::path& programDirectory) { return programDirectory / "constMacro.dat"; }

fs::path DefaultMacroFilePath(const fs::path& skinsDirectory, UiLanguage language) {
  return skinsDirectory / (IsEnglish(language) ? "INI_EN" : "INI_CN") / "defMacro.dat";
}

std::string FormatField(std::uint8_t n) { return std::string(kFieldTexts[n].data(), kFieldDigits); }

std::string EncodeMacroValue(const MacroSlot& slot) {
  std::string out;
  out.reserve(kMacroValueDigits);
  for (std::size_t f = 0; f < kHeaderFields; ++f) AppendField(out, slot.bytes[f]);
  for (int e = 0; e < MacroSlot::kEventCapacity; ++e) {
    const MacroEvent ev = slot.event(e);
    AppendField(out, KeyCodeToVk(ev.keyCode));
    AppendField(out, ev.action);
    AppendField(out, static_cast<std::uint8_t>(ev.delayMs & 0xFF));
    AppendField(out, static_cast<std::uint8_t>(ev.delayMs >> 8));
  }
  return out;
}

MacroSlot DecodeMacroValue(std::string_view value) {
  const std::string text = FieldText(value);
  MacroSlot slot;
  for (std::size_t f = 0; f < kHeaderFields; ++f) slot.bytes[f] = ReadField(text, f);
  for (int e = 0; e < MacroSlot::kEventCapacity; ++e) {
    const std::size_t f = kHeaderFields + 4 * static_cast<std::size_t>(e);
    MacroEvent ev;
    ev.keyCode = VkToKeyCode(ReadField(text, f));
    ev.action = ReadField(text, f + 1);
    ev.delayMs = static_cast<std::uint16_t>(ReadField(text, f + 2) | ReadField(text, f + 3) << 8);
    slot.setEvent(e, ev);
  }
  return slot;
}

std::vector<MacroSlot> ReadMacroRecords(const IniText& text, int maxCount) {
  const int count =
      std::clamp<int>(ParseDecimal(ReadIniValue(text, kMacroSection, kMacroCountKey, kCountBufferSize)), 0, maxCount);
  std::vector<MacroSlot> slots;
  slots.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    slots.push_back(DecodeMacroValue(ReadIniValue(text, kMacroSection, MacroKey(i), kMacroValueDigits + 1)));
  }
  return slots;
}

bool LoadUserMacros(MacroTables& tables, const fs::path& file, MessageSink& messages) {
  return LoadTable(tables, true, file, messages, kMaxUserMacros);
}

bool LoadConstMacros(MacroTables& tables, const fs::path& file, MessageSink& messages) {
  return LoadTable(tables, false, file, messages, kMaxConstMacros);
}

// One replacement of the file for the count and every macro, so a macro
// file on disk is never half saved.
bool SaveUserMacros(const MacroTables& tables, const fs::path& file) {
  const int count = std::clamp<int>(tables.macroCount, 0, kMaxUserMacros);
  std::vector<IniEntry> entries{{std::string(kMacroCountKey), std::to_string(count)}};
  for (int i = 0; i < count; ++i) {
    entries.push_back({MacroKey(i), EncodeMacroValue(tables.user[static_cast<std::size_t>(i)])});
  }
  return WriteIniSection(file, kMacroSection, entries);
}

void ResetUserMacros(MacroTables& tables, const fs::path& programDirectory, const fs::path& skinsDirectory,
                     UiLanguage language, MessageSink& messages) {
  LoadUserMacros(tables, DefaultMacroFilePath(skinsDirectory, language), messages);
  SaveUserMacros(tables, UserMacroFilePath(programDirectory, language));
}

bool ImportMacroFile(MacroTables& tables, const fs::path& file, MessageSink& messages) {
  return LoadUserMacros(tables, file, messages);
}

bool ExportMacroFile(const MacroTables& tables, const fs::path& file) { return SaveUserMacros(tables, file); }

}  // namespace k9
