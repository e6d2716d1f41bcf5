// The text of one INI file in memory and the private-profile rules on it:
// how a file's bytes split into lines, how a key is found and read, and
// where a write puts its line. The file layer (ini_file.h) adds the disk.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "util/text_encoding.h"

namespace k9 {

struct IniText {
  std::vector<std::string> lines;  // UTF-8, without their line ends
  TextEncoding encoding = TextEncoding::Utf8;
  std::string newline = "\r\n";  // CRLF, LF or CR, as the file has them
};

// A file's bytes as lines. CRLF, LF and a lone CR each end a line; a byte-
// order mark selects the encoding. Any bytes give a defined result.
IniText ParseIniText(std::string_view bytes);

// The bytes of the text: its encoding, one newline after every line.
std::string SerialiseIniText(const IniText& text);

// What GetPrivateProfileString with an empty default returns: the value of
// the first matching key of the first matching section, blanks around it
// removed and matching quotes around the whole of it too, cut to
// bufferSize - 1 UTF-16 code units; the empty text when there is none.
std::string ReadIniValue(const IniText& text, std::string_view section, std::string_view key,
                         std::size_t bufferSize);

// What WritePrivateProfileString does to the text: the value replaced on its
// key's own line, or a new key after the last entry of its section, or a new
// section at the end. Returns false, with the text unchanged, for a name or
// value that would break the file's structure (a line break anywhere, '=' in
// a key, ']' in a section name, an empty name, a key starting with '[').
bool SetIniValue(IniText& text, std::string_view section, std::string_view key, std::string_view value);

}  // namespace k9
