// The keys of a profile section, for tools that check a whole config.ini.
#pragma once

#include <string_view>
#include <vector>

namespace k9 {

// The 23 keys of a profile section, in the order in which SaveProfile writes them.
std::vector<std::string_view> ProfileKeyNames();

}  // namespace k9
