#include "device/hid_backend.h"

#include <array>
#include <utility>

namespace k9 {

namespace {

constexpr std::array<std::pair<HidError, std::string_view>, 7> kErrorNames = {{
    {HidError::None, "no error"},
    {HidError::NotOpen, "not open"},
    {HidError::PermissionDenied, "permission denied"},
    {HidError::Busy, "busy"},
    {HidError::Gone, "gone"},
    {HidError::Interrupted, "interrupted"},
    {HidError::Other, "failed"},
}};

}  // namespace

std::string_view HidErrorName(HidError error) {
  for (const auto& [e, name] : kErrorNames) {
    if (e == error) return name;
  }
  return "failed";
}

}  // namespace k9
