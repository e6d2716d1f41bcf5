#include "macros/factory_macros.h"

#include <initializer_list>
#include <string_view>
#include <system_error>

#include "macros/macro_file.h"

namespace k9::test {

namespace fs = std::filesystem;

namespace {

// Key codes of the keys the factory macros use.
constexpr KeyCode kA = 4, kC = 6, kD = 7, kR = 21, kV = 25, kZ = 29;
constexpr KeyCode kTab = 43, kSpace = 44, kPrintScreen = 70;
constexpr KeyCode kLeftControl = 224, kLeftAlt = 226, kLeftWin = 227;

MacroEvent Down(KeyCode key, std::uint16_t delayMs) { return {key, kActionPress, delayMs}; }
MacroEvent Up(KeyCode key, std::uint16_t delayMs) { return {key, kActionRelease, delayMs}; }

MacroSlot Macro(std::u16string_view name, std::initializer_list<MacroEvent> events, std::uint16_t repeatCount = 0) {
  MacroSlot slot;
  slot.setName(name);
  slot.setRepeatEnabled(repeatCount > 0 ? 1 : 0);
  slot.setRepeatCount(repeatCount > 0 ? repeatCount : 1);
  int e = 0;
  for (const MacroEvent& event : events) slot.setEvent(e++, event);
  slot.setEventCount(static_cast<std::uint8_t>(e));
  return slot;
}

MacroSlot Chord(std::u16string_view name, KeyCode modifier, KeyCode key) {
  return Macro(name, {Down(modifier, 40), Down(key, 50), Up(key, 40), Up(modifier, 30)});
}

bool WriteFile(const fs::path& file, const std::vector<MacroSlot>& macros) {
  std::error_code ec;
  fs::create_directories(file.parent_path(), ec);
  fs::remove(file, ec);
  MacroTables tables;
  for (std::size_t i = 0; i < macros.size() && i < kMaxUserMacros; ++i) tables.user[i] = macros[i];
  tables.macroCount = static_cast<std::int16_t>(std::min<std::size_t>(macros.size(), kMaxUserMacros));
  return SaveUserMacros(tables, file);
}

}  // namespace

std::vector<MacroSlot> FactoryConstMacros() {
  return {
      Chord(u"Copy", kLeftControl, kC),
      Chord(u"Paste", kLeftControl, kV),
      Chord(u"Undo", kLeftControl, kZ),
      Chord(u"Select All", kLeftControl, kA),
      Macro(u"Double Click", {Down(kLeftMouseKey, 40), Up(kLeftMouseKey, 60), Down(kLeftMouseKey, 40),
                              Up(kLeftMouseKey, 30)}),
      Chord(u"Switch Window", kLeftAlt, kTab),
      Chord(u"Show Desktop", kLeftWin, kD),
      Macro(u"Screenshot", {Down(kPrintScreen, 50), Up(kPrintScreen, 30)}),
  };
}

std::vector<MacroSlot> FactoryUserMacros(UiLanguage language) {
  const bool english = IsEnglish(language);
  return {
      Macro(english ? u"Rapid Fire" : u"连发", {Down(kLeftMouseKey, 30), Up(kLeftMouseKey, 30)}, 10),
      Macro(english ? u"Triple Shot" : u"三连发",
            {Down(kLeftMouseKey, 30), Up(kLeftMouseKey, 40), Down(kLeftMouseKey, 30), Up(kLeftMouseKey, 40),
             Down(kLeftMouseKey, 30), Up(kLeftMouseKey, 40)}),
      Macro(english ? u"Jump Crouch" : u"跳蹲",
            {Down(kSpace, 40), Up(kSpace, 200), Down(kLeftControl, 400), Up(kLeftControl, 30)}),
      Macro(english ? u"Reload" : u"换弹", {Down(kR, 50), Up(kR, 30)}),
  };
}

bool WriteFactoryMacroFiles(const fs::path& dataDirectory) {
  bool ok = WriteFile(ConstMacroFilePath(dataDirectory), FactoryConstMacros());
  for (const UiLanguage language : {kEnglish, kChinese}) {
    const auto macros = FactoryUserMacros(language);
    ok = WriteFile(UserMacroFilePath(dataDirectory, language), macros) && ok;
    ok = WriteFile(DefaultMacroFilePath(dataDirectory / "skins", language), macros) && ok;
  }
  return ok;
}

}  // namespace k9::test
