// Decimal text conversions with the C library's rules, shared by every file
// format of the driver (config.ini, macro files, skin layout files).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace k9 {

// atoi-style conversion: leading white space skipped, an optional sign, then
// digits up to the first non-digit; no digits gives 0. Values beyond the
// 32-bit range saturate at INT32_MIN / INT32_MAX instead of overflowing.
std::int32_t ParseDecimal(std::string_view text) noexcept;

// "%d" of a value.
std::string FormatDecimal(std::int64_t value);

}  // namespace k9
