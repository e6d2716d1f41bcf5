// The sections an INI text holds, for tools that check a whole file rather
// than read single keys.
#pragma once

#include <string>
#include <vector>

#include "config/ini_text.h"

namespace k9 {

// The names of the text's [section] lines, in file order, duplicates kept.
std::vector<std::string> IniSectionNames(const IniText& text);

}  // namespace k9
