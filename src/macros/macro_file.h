// The macro files: INI text with section "Macros", key "macroNum" and one key
// per macro ("0", "1", ...) whose value is the 1064 bytes of its record as
// 3192 decimal digits, three per byte, each event's four bytes interleaved
// and key codes stored as virtual-key codes.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_text.h"
#include "config/ui_language.h"
#include "macros/macro_slot.h"
#include "ports/message_sink.h"

namespace k9 {

inline constexpr std::string_view kMacroSection = "Macros";
inline constexpr std::string_view kMacroCountKey = "macroNum";
inline constexpr std::size_t kMacroValueDigits = 3 * MacroSlot::kSize;  // 3192
inline constexpr std::string_view kMacroFileNotFound = "找不到配置文件";

// The macro files beside the program and in the skins folder.
std::filesystem::path UserMacroFilePath(const std::filesystem::path& programDirectory, UiLanguage language);
std::filesystem::path ConstMacroFilePath(const std::filesystem::path& programDirectory);
std::filesystem::path DefaultMacroFilePath(const std::filesystem::path& skinsDirectory, UiLanguage language);

// Three digits, zero-padded: "007", "042", "255".
std::string FormatField(std::uint8_t n);

// The value of one macro key, and its reading: short values read as zero in
// their missing fields, a non-digit ends a field's number.
std::string EncodeMacroValue(const MacroSlot& slot);
MacroSlot DecodeMacroValue(std::string_view value);

// The records a macro file's text holds, read as the loaders read them:
// "macroNum" from its first two characters, then at most maxCount records.
std::vector<MacroSlot> ReadMacroRecords(const IniText& text, int maxCount);

// Reads the file into the user table: macroCount (0..12), selectedMacro and
// slots 0..macroCount-1; the slots above stay as they are. A missing file is
// reported through messages and reads as no macros. Returns false then.
bool LoadUserMacros(MacroTables& tables, const std::filesystem::path& file, MessageSink& messages);
// The same into the constant table (constMacroCount 0..13); selectedMacro
// is not touched.
bool LoadConstMacros(MacroTables& tables, const std::filesystem::path& file, MessageSink& messages);
// Writes macroNum and user macros 0..macroCount-1, one key per write; keys of
// higher indexes already in the file stay. Returns false if a write failed.
bool SaveUserMacros(const MacroTables& tables, const std::filesystem::path& file);

// The macro side of the Reset command: the factory macros of the language
// are loaded and written to the language's macro file.
void ResetUserMacros(MacroTables& tables, const std::filesystem::path& programDirectory,
                     const std::filesystem::path& skinsDirectory, UiLanguage language, MessageSink& messages);

// The file side of the Load and Save buttons; the path is the user's choice.
bool ImportMacroFile(MacroTables& tables, const std::filesystem::path& file, MessageSink& messages);
bool ExportMacroFile(const MacroTables& tables, const std::filesystem::path& file);

}  // namespace k9
