// The factory macro files under data/: the preset macros of constMacro.dat
// and the factory user macros of each language, defined once here so that
// make_macro_data writes them with the program's own writer and the tests
// check the shipped files against them.
#pragma once

#include <filesystem>
#include <vector>

#include "config/ui_language.h"
#include "macros/macro_slot.h"

namespace k9::test {

std::vector<MacroSlot> FactoryConstMacros();
std::vector<MacroSlot> FactoryUserMacros(UiLanguage language);

// Writes constMacro.dat, Macro_EN.dat, Macro_CN.dat and the two
// skins/INI_xx/defMacro.dat below dataDirectory, replacing what is there.
bool WriteFactoryMacroFiles(const std::filesystem::path& dataDirectory);

}  // namespace k9::test
