// Quoting a word for a POSIX shell, so that a command we print can be
// pasted as it stands, whatever the path holds.
#pragma once

#include <string>
#include <string_view>

namespace k9 {

// 'word', with each ' inside written as '\''.
inline std::string ShellQuote(std::string_view word) {
  std::string out = "'";
  for (const char c : word) {
    if (c == '\'') {
      out += "'\\''";
    } else {
      out += c;
    }
  }
  out += '\'';
  return out;
}

}  // namespace k9
