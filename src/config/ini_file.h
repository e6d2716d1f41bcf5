// INI files with the conventions of the Windows private-profile functions,
// which every stored file of the driver (config.ini, macro files, skin layout
// files) is written for: one key per call with the full path, no caching.
//
// The rules on the text itself are those of ini_text.h; in short:
//
//  * Section and key names compare without regard to the case of A..Z; the
//    first matching section and the first matching key count.
//  * A missing file, section or key reads as the empty text; quotes around a
//    whole value are not part of it.
//  * A value is cut to the buffer size minus one UTF-16 code unit.
//  * A write replaces an existing value in place, appends a new key after the
//    last entry of its section and a new section at the end of the file.
//  * Files may be UTF-8 (with or without a byte-order mark) or UTF-16 with a
//    byte-order mark, with CRLF, LF or CR line ends; a write keeps the
//    encoding and line ends of the file, and a new file is UTF-8 with CRLF.
//    A write that would not change the file leaves it untouched.
//
// Unlike the Windows functions a write never leaves a half-written file: the
// new contents go to a temporary file beside the old one, which then replaces
// it by a rename. Writers in one process are serialised, so two threads that
// write keys of the same file never lose each other's keys.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "config/ini_text.h"

namespace k9 {

// GetPrivateProfileString with an empty default. bufferSize counts the
// terminating NUL, as the Windows buffers do: the result holds at most
// bufferSize - 1 UTF-16 code units.
std::string ReadIniString(const std::filesystem::path& file, std::string_view section,
                          std::string_view key, std::size_t bufferSize);

// The whole file, parsed, for several reads from the same version of it
// (ReadIniValue); an empty text when the file is missing or unreadable.
IniText ReadIniFile(const std::filesystem::path& file);

// ReadIniString followed by the C library's decimal conversion.
std::int32_t ReadIniInt(const std::filesystem::path& file, std::string_view section,
                        std::string_view key, std::size_t bufferSize);

// WritePrivateProfileString. Returns false, with the file on disk unchanged,
// when the write cannot be done: a read-only or unreadable file, a missing
// folder, or a name or value that would break the file's structure (a line
// break anywhere, '=' in a key, ']' in a section name, an empty name).
bool WriteIniString(const std::filesystem::path& file, std::string_view section,
                    std::string_view key, std::string_view value);

// Several keys of one section in one replacement of the file: the result is
// what the single writes in this order would leave, but no moment exists at
// which only some of them are on disk. Nothing is written when any entry
// would be refused by WriteIniString.
struct IniEntry {
  std::string key;
  std::string value;
};
bool WriteIniSection(const std::filesystem::path& file, std::string_view section, const std::vector<IniEntry>& entries);

// WriteIniString of "%d" of the value.
bool WriteIniInt(const std::filesystem::path& file, std::string_view section,
                 std::string_view key, std::int64_t value);

}  // namespace k9
