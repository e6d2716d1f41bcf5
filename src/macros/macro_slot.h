// The macro record and the two macro tables.
//
// A MacroSlot is a fixed record of 1064 bytes whose layout is the macro file
// format, so it is kept as bytes with explicit offsets:
//   0   40  name: 20 UTF-16 code units, low byte first, NUL-terminated
//   40   1  repeatEnabled
//   41   2  repeatCount, low byte first
//   43   1  eventCount (0..254 through the editor and recorder)
//   44 510  255 pairs keyCode, action
//   554 510 255 delays in ms, low byte first
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>

namespace k9 {

// Key codes of events: HID keyboard usages 4..231, and the mouse buttons.
using KeyCode = std::uint8_t;
inline constexpr KeyCode kLeftMouseKey = 240;
inline constexpr KeyCode kRightMouseKey = 241;
inline constexpr KeyCode kMiddleMouseKey = 242;

inline constexpr std::uint8_t kActionPress = 1;
inline constexpr std::uint8_t kActionRelease = 2;

struct MacroEvent {
  KeyCode keyCode = 0;
  std::uint8_t action = 0;
  std::uint16_t delayMs = 0;
  friend bool operator==(const MacroEvent&, const MacroEvent&) = default;
};

class MacroSlot {
 public:
  static constexpr std::size_t kSize = 1064;
  static constexpr std::size_t kNameOffset = 0;
  static constexpr std::size_t kNameUnits = 20;  // terminator included: 19 characters
  static constexpr std::size_t kRepeatEnabledOffset = 40;
  static constexpr std::size_t kRepeatCountOffset = 41;
  static constexpr std::size_t kEventCountOffset = 43;
  static constexpr std::size_t kKeyArrayOffset = 44;
  static constexpr std::size_t kDelayArrayOffset = 554;
  static constexpr int kEventCapacity = 255;

  std::array<std::uint8_t, kSize> bytes{};

  // The name up to its terminator (at most 19 code units).
  std::u16string name() const {
    std::u16string out;
    for (std::size_t i = 0; i + 1 < kNameUnits; ++i) {
      const auto unit = static_cast<char16_t>(bytes[2 * i] | bytes[2 * i + 1] << 8);
      if (unit == 0) break;
      out.push_back(unit);
    }
    return out;
  }
  // The part of text the name field can hold: at most 19 code units, and a
  // surrogate pair is never split.
  static std::u16string_view FitName(std::u16string_view text);
  // Stores FitName(text) and zero-fills the rest of the field.
  void setName(std::u16string_view text);

  std::uint8_t repeatEnabled() const { return bytes[kRepeatEnabledOffset]; }
  void setRepeatEnabled(std::uint8_t value) { bytes[kRepeatEnabledOffset] = value; }

  std::uint16_t repeatCount() const { return Read16(kRepeatCountOffset); }
  void setRepeatCount(std::uint16_t value) { Write16(kRepeatCountOffset, value); }

  std::uint8_t eventCount() const { return bytes[kEventCountOffset]; }
  void setEventCount(std::uint8_t value) { bytes[kEventCountOffset] = value; }

  // Event e, 0..254; an index outside the record reads as an empty event and
  // is not written.
  MacroEvent event(int e) const {
    if (!IsEvent(e)) return {};
    const auto i = static_cast<std::size_t>(e);
    return {bytes[kKeyArrayOffset + 2 * i], bytes[kKeyArrayOffset + 2 * i + 1], Read16(kDelayArrayOffset + 2 * i)};
  }
  void setEvent(int e, const MacroEvent& ev) {
    if (!IsEvent(e)) return;
    const auto i = static_cast<std::size_t>(e);
    bytes[kKeyArrayOffset + 2 * i] = ev.keyCode;
    bytes[kKeyArrayOffset + 2 * i + 1] = ev.action;
    Write16(kDelayArrayOffset + 2 * i, ev.delayMs);
  }

  static constexpr bool IsEvent(int e) { return e >= 0 && e < kEventCapacity; }

  friend bool operator==(const MacroSlot&, const MacroSlot&) = default;

 private:
  std::uint16_t Read16(std::size_t offset) const {
    return static_cast<std::uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
  }
  void Write16(std::size_t offset, std::uint16_t value) {
    bytes[offset] = static_cast<std::uint8_t>(value & 0xFF);
    bytes[offset + 1] = static_cast<std::uint8_t>(value >> 8);
  }
};
static_assert(sizeof(MacroSlot) == MacroSlot::kSize);

inline constexpr int kMacroSlotCount = 13;  // twelve user macros and a blank slot
inline constexpr int kMaxUserMacros = 12;
inline constexpr int kConstMacroCount = 8;  // reachable through functions 31..38

// The user and constant macro tables with their counters. They belong to the
// UI thread, which loads, records and edits them; the button-action worker
// takes a consistent copy of the one slot it plays. So every change of slot
// contents on the UI thread holds `mutex` (see Edit), and the worker copies
// under it; reads on the UI thread need no lock.
struct MacroTables {
  std::array<MacroSlot, kMacroSlotCount> user{};
  std::array<MacroSlot, kMacroSlotCount> constant{};
  std::int16_t macroCount = 0;
  std::int16_t constMacroCount = 0;
  std::int32_t selectedMacro = 0;
  mutable std::mutex mutex;

  // Runs f(user, constant) with the lock held: the one way the UI thread
  // changes slot contents.
  template <typename F>
  void Edit(F&& f) {
    std::lock_guard lock(mutex);
    f(user, constant);
  }
  // A consistent copy of user slot i (0..12) or constant slot i; an index
  // outside the table gives an empty slot.
  MacroSlot CopyUserSlot(int i) const { return CopySlot(user, i); }
  MacroSlot CopyConstSlot(int i) const { return CopySlot(constant, i); }

 private:
  MacroSlot CopySlot(const std::array<MacroSlot, kMacroSlotCount>& table, int i) const {
    if (i < 0 || i >= kMacroSlotCount) return {};
    std::lock_guard lock(mutex);
    return table[static_cast<std::size_t>(i)];
  }
};

}  // namespace k9
