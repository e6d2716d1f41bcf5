// One line of a skin layout file: the comma-separated fields of a value and
// the rectangle with its label that most tables are made of.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

#include "ports/message_sink.h"

namespace k9 {

// A rectangle in window pixels (x <= px < x + width, y <= py < y + height)
// and the label drawn in it. A missing entry is all zeros with no text.
struct SkinEntry {
  std::int32_t x = 0;
  std::int32_t y = 0;
  std::int32_t width = 0;
  std::int32_t height = 0;
  std::string text;

  friend bool operator==(const SkinEntry&, const SkinEntry&) = default;
};

inline constexpr std::size_t kSkinFieldCount = 7;
using SkinFields = std::array<std::string, kSkinFieldCount>;

// A value is read into a 260-character buffer, so 259 characters count.
inline constexpr std::size_t kSkinValueBufferSize = 260;

// Layout files are a few kilobytes and are read once per key; anything
// beyond this is not a layout file and reads as empty.
inline constexpr std::uintmax_t kMaxSkinFileSize = 1u << 20;

inline constexpr std::string_view kSkinFileMissingText = "找不到配置文件";
inline constexpr std::string_view kSkinEntryErrorText = "加载ini错误！";

// What the reader needs from the program: the message boxes, and the exit
// sequence it runs when a skin file is missing (the application passes
// ShutdownDevice).
struct SkinReadPorts {
  MessageSink& messages;
  std::function<void()> exitProgram;
};

enum class SkinReadResult {
  Read,         // the fields are filled (empty when the section or key is missing)
  FileMissing,  // the user was told and the exit sequence ran; read nothing more
};

// Splits a value into f0..f6: no comma gives f0 = the whole value; otherwise
// the first six commas separate the fields and f6 keeps the rest, further
// commas included. Returns whether the value had more than six commas.
bool SplitSkinValue(std::string_view value, SkinFields& fields);

// Reads [section] key (formatted with "%d") of a skin file into fields.
// More than six commas: "加载ini错误！" once, the fields still filled.
SkinReadResult ReadSkinEntry(const std::filesystem::path& file, std::string_view section, int key,
                             SkinFields& fields, SkinReadPorts& ports);

// x, y, width, height from f1..f4 (C-library decimal rules) and the text f5.
SkinEntry SkinEntryFromFields(const SkinFields& fields);

}  // namespace k9
